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
#include <QTreeWidget>
#include <QDir>
#include <QFileInfo>

#include "app/settingsform.h"
#include "keyboard/keyboard.h"
#include "keyboard/keymapeditor.h"
#include "keyboard/vkedit.h"
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
    const TKeyLook& look = kb.Look();
    EXPECT_EQ(look.labels, klNever);
    EXPECT_NE(look.palette[9], QColor(1, 2, 3));

    f->BApply->click();
    EXPECT_EQ(look.labels, klAlways);
    EXPECT_EQ(look.middleC, 4);
    EXPECT_TRUE(look.flats);
    EXPECT_TRUE(look.legends);
    EXPECT_TRUE(look.channelColours);
    EXPECT_EQ(look.palette[9], QColor(1, 2, 3));
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
    EXPECT_EQ(kb.Keys().KeyMapFile(), laptop);
    EXPECT_EQ(kb.Player().ComputerKey(kA, false, false), 12 * kb.Player().KeyOctave() + 12);
    kb.Player().ComputerKey(kA, true, false);

    page.BPianoRows->click();
    f->BApply->click();
    EXPECT_TRUE(kb.Keys().KeyMapFile().isEmpty());
    EXPECT_FALSE(kb.Player().KeyMapInUse());
}

TEST_F(KeyboardPages, TheEditorSavesTheClickedNoteOfAPressedKeyAndThePagePlaysIt) {
    TKeyboard& kb = *w->Keyboard1;
    TKeysPage& page = *f->KeysTab;
    const QString saved = dir.filePath("mine.ini");
    QString offered;
    page.ChooseSaveFile = [&](const QString& start) {
        offered = start;
        return saved;
    };
    // A new map is offered a place among the user's own maps, not in the working folder.
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
    page.BEditMapClick();
    TKeyMapEditor* editor = page.Editor();
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor));
    // It starts from the piano rows: A plays nothing there.
    EXPECT_EQ(editor->Map().keys.count(kA), 0u);

    editor->ChooseKey(kA);
    TKeyboard& piano = *editor->Piano;
    const int note = 12 * kb.Player().KeyOctave() + 7;
    const QPoint at(piano.KeyLeft(note) - piano.ScrollOffset() + piano.KeyWidth() / 2,
                    piano.height() - 4);
    QTest::mouseClick(&piano, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_TRUE(editor->Modified());
    ASSERT_TRUE(editor->BSaveClick());
    EXPECT_FALSE(editor->Modified());
    if (dataHome.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", dataHome);
    EXPECT_EQ(offered, dir.filePath("data/Ostrel/Tastra/Key maps/My key map.ini"));

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

// The list holds every key of the map with its note, sorts by either column, and a note typed
// into it is what the key plays; a text that is no note changes nothing.
TEST(KeyMapEditorList, EveryKeyIsListedSortedAndItsNoteCanBeTyped) {
    constexpr int kQ = 16, kComma = 51;
    QStringList errors;
    TKeyMapEditorHost host;
    host.error = [&](const QString& text) { errors << text; };
    host.keyOctave = 4;
    TKeyMapEditor editor(host, QString(), {QStringLiteral("Three"), {{kA, 0}, {kQ, 0}, {kComma, 2}}});
    QTreeWidget& list = *editor.LVMappings;
    auto rows = [&] {
        QStringList r;
        for (int i = 0; i < list.topLevelItemCount(); ++i)
            r << list.topLevelItem(i)->text(0) + "=" + list.topLevelItem(i)->text(1);
        return r.join(' ');
    };
    const QString c = editor.Piano->Names().NoteName(48), d = editor.Piano->Names().NoteName(50);
    list.sortByColumn(0, Qt::AscendingOrder);  // by the keys' places on the keyboard
    EXPECT_EQ(rows(), QString("Key 16=%1 Key 30=%1 Key 51=%2").arg(c, d));
    list.sortByColumn(1, Qt::DescendingOrder);
    EXPECT_TRUE(rows().startsWith(QString("Key 51=%1 ").arg(d))) << rows().toStdString();

    // Choosing a row chooses its key; typing a note name or number into it moves the key.
    list.setCurrentItem(list.topLevelItem(2));
    const int chosen = list.topLevelItem(2)->data(0, Qt::UserRole).toInt();
    EXPECT_EQ(editor.VKKey->KeyScanCode(), chosen);
    list.topLevelItem(2)->setText(1, editor.Piano->Names().NoteName(61).toLower());
    QApplication::processEvents();
    EXPECT_EQ(editor.Map().keys.at(chosen), 61 - 48);
    EXPECT_TRUE(editor.Modified());
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        if (list.topLevelItem(i)->data(0, Qt::UserRole).toInt() == kComma)
            list.topLevelItem(i)->setText(1, QStringLiteral("Q#9"));
    QApplication::processEvents();
    EXPECT_EQ(editor.Map().keys.at(kComma), 2);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(rows().contains(QString("Key 51=%1").arg(d)));
    EXPECT_EQ(editor.NoteOfText(QStringLiteral(" 127 ")), 127);
    EXPECT_EQ(editor.NoteOfText(QStringLiteral("128")), -1);
}

// A map without a file is first offered in the user's key map folder, made when missing, else in
// the home folder; a map with a file, where it is.
TEST(KeyMapEditorSave, TheDialogStartsInTheUsersKeyMapFolder) {
    QTemporaryDir dir;
    TKeyMapEditorHost host;
    host.saveFolder = dir.filePath("maps/mine");
    TKeyMapEditor editor(host, QString(), {QStringLiteral("Left / Right"), {{kA, 0}}});
    EXPECT_EQ(editor.SaveStartPath(), dir.filePath("maps/mine/Left _ Right.ini"));
    EXPECT_TRUE(QFileInfo(dir.filePath("maps/mine")).isDir());
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    host.saveFolder = dir.filePath("file/maps");  // cannot be made
    TKeyMapEditor elsewhere(host, QString(), {QString(), {{kA, 0}}});
    EXPECT_EQ(QFileInfo(elsewhere.SaveStartPath()).absolutePath(), QDir::homePath());
    TKeyMapEditor kept(host, dir.filePath("old.ini"), {QString(), {{kA, 0}}});
    EXPECT_EQ(kept.SaveStartPath(), dir.filePath("old.ini"));
}

}  // namespace
