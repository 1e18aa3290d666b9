// The settings pages of the labels and the key maps, and the key map editor they open: nothing
// takes effect before Apply, a damaged map is refused with its line, and a map made in the editor
// is saved whole and played.
#include "app/keyboardpages.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/settingsform.h"
#include "keyboard/keyboard.h"
#include "keyboard/keymapeditor.h"
#include "support/testwindow.h"

namespace {

constexpr int kA = 30;

class KeyboardPages : public TWindowTest {
protected:
    void SetUp() override {
        AddDevices("Synth");
        Start();
        w->FindAction(QStringLiteral("Settings1"))->trigger();
        f = w->SettingsForm();
        ASSERT_NE(f, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    }

    TSettings* f = nullptr;
    QTemporaryDir dir;
};

TEST_F(KeyboardPages, LabelChoicesAndChannelColoursTakeEffectOnApply) {
    TKeyboard& kb = *w->Keyboard1;
    TLabelsPage& page = *f->LabelsTab;
    page.CBKeyLabels->setCurrentIndex(klAlways);
    page.CBMiddleC->setCurrentText(QStringLiteral("C4"));
    page.CBFlats->setChecked(true);
    page.CBLegends->setChecked(true);
    page.CBChannelColours->setChecked(true);
    page.ChooseColour = [](const QColor&, const QString&) { return QColor(1, 2, 3); };
    page.BChannelClick(9);
    EXPECT_EQ(kb.KeyLabels(), klNever);
    EXPECT_NE(kb.ChannelPalette()[9], QColor(1, 2, 3));

    f->BApply->click();
    EXPECT_EQ(kb.KeyLabels(), klAlways);
    EXPECT_EQ(kb.MiddleCOctave(), 4);
    EXPECT_TRUE(kb.LabelFlats());
    EXPECT_TRUE(kb.ShowKeyLegends());
    EXPECT_TRUE(kb.ChannelColours());
    EXPECT_EQ(kb.ChannelPalette()[9], QColor(1, 2, 3));
    // A cancelled colour choice changes nothing.
    page.ChooseColour = [](const QColor&, const QString&) { return QColor(); };
    page.BChannelClick(9);
    EXPECT_EQ(page.Palette()[9], QColor(1, 2, 3));
}

TEST_F(KeyboardPages, ADamagedMapIsRefusedWithItsLineAndAChosenOnePlaysAfterApply) {
    TKeyboard& kb = *w->Keyboard1;
    TKeysPage& page = *f->KeysTab;
    // Choose... opens where the shipped maps are: in the data folder, which the window looks
    // up itself when it is given none.
    QString offered;
    page.ChooseFile = [&](const QString& start) {
        offered = start;
        return QString();
    };
    page.BChooseMapClick();
    EXPECT_FALSE(w->DataFolderPath().empty());
    EXPECT_EQ(offered, QString::fromStdString(w->DataFolderPath() + "/keymaps"));

    const QString bad = dir.filePath("bad.ini");
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Keys]\n30=0\n[Keys]\n");
    file.close();
    EXPECT_FALSE(page.ChooseMapFile(bad));
    EXPECT_TRUE(page.MapFile().isEmpty());
    EXPECT_TRUE(page.LMapInfo->text().contains(QStringLiteral("line 3"))) <<
        page.LMapInfo->text().toStdString();

    const QString laptop = QStringLiteral(TASTRA_SOURCE_DIR "/data/keymaps/laptop.ini");
    ASSERT_TRUE(page.ChooseMapFile(laptop));
    EXPECT_FALSE(kb.Player().KeyMapInUse());
    f->BApply->click();
    EXPECT_EQ(kb.KeyMapFile(), laptop);
    EXPECT_EQ(kb.Player().ComputerKey(kA, false, false), 12 * kb.KeyOctave() + 12);
    kb.Player().ComputerKey(kA, true, false);

    page.BPianoRows->click();
    f->BApply->click();
    EXPECT_TRUE(kb.KeyMapFile().isEmpty());
    EXPECT_FALSE(kb.Player().KeyMapInUse());
}

TEST_F(KeyboardPages, TheEditorSavesTheClickedNoteOfAPressedKeyAndThePagePlaysIt) {
    TKeyboard& kb = *w->Keyboard1;
    TKeysPage& page = *f->KeysTab;
    const QString saved = dir.filePath("mine.ini");
    page.ChooseSaveFile = [&](const QString&) { return saved; };
    page.BEditMapClick();
    TKeyMapEditor* editor = page.Editor();
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor));
    // It starts from the piano rows: A plays nothing there.
    EXPECT_EQ(editor->Map().keys.count(kA), 0u);

    editor->ChooseKey(kA);
    TKeyboard& piano = *editor->Piano;
    const int note = 12 * kb.KeyOctave() + 7;
    const QPoint at(piano.KeyLeft(note) - piano.ScrollOffset() + piano.KeyWidth() / 2,
                    piano.height() - 4);
    QTest::mouseClick(&piano, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_TRUE(editor->Modified());
    ASSERT_TRUE(editor->BSaveClick());
    EXPECT_FALSE(editor->Modified());

    keymap::TKeyMap map;
    QString message;
    ASSERT_TRUE(keymap::LoadKeyMapFile(saved, map, message)) << message.toStdString();
    EXPECT_EQ(map.keys[kA], 7);
    EXPECT_EQ(page.MapFile(), saved);
    f->BApply->click();
    EXPECT_EQ(kb.Player().ComputerKey(kA, false, false), note);
    kb.Player().ComputerKey(kA, true, false);
}

TEST(KeyMapEditorSave, AFailedSaveIsReportedAndKeepsTheEdits) {
    QStringList errors;
    TKeyMapEditorHost host;
    host.chooseSaveFile = [](const QString&) {
        return QStringLiteral("/nonexistent-folder-of-tastra/map.ini");
    };
    host.error = [&](const QString& text) { errors << text; };
    TKeyMapEditor editor(host, QString(), {QStringLiteral("Empty"), {}});
    EXPECT_FALSE(editor.BSaveClick());  // no keys yet: nothing to write
    editor.ChooseKey(kA);
    editor.AssignNote(60);
    EXPECT_FALSE(editor.BSaveClick());
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[1].contains(QStringLiteral("/nonexistent-folder-of-tastra/map.ini")));
    EXPECT_TRUE(editor.Modified());
    EXPECT_TRUE(editor.Path().isEmpty());
}

}  // namespace
