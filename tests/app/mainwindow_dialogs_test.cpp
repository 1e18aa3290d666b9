// The transpose window and the chord editor as the main window opens, feeds and closes them.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/messages.h"
#include "app/tastra.h"
#include "chords/chordeditform.h"
#include "keyboard/keyboard.h"
#include "keyboard/transposeform.h"
#include "keyboard/updown.h"
#include "midi/midiinput.h"
#include "patches/patchsetdialog.h"
#include "support/testwindow.h"

namespace {

class MainWindowDialogs : public TWindowTest {
protected:
    void SetUp() override {
        AddDevices("Synth", "Keys In");
        Start();
    }

    void ClickMainKey(int note) {
        TKeyboard* k = w->Keyboard1;
        const int y = k->height() - 6;
        for (int x = 0; x < k->width(); ++x)
            if (k->NoteAt(x, y) == note) {
                QTest::mouseClick(k, Qt::LeftButton, Qt::NoModifier, QPoint(x + 3, y));
                return;
            }
        ADD_FAILURE() << "note " << note << " not visible";
    }
    static void FreeClosedWindows() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(MainWindowDialogs, OptionsMenuOpensOneWindowOfEachAndAClosedOneIsFreed) {
    const QList<QAction*> items = w->FindMenu("Options1")->actions();
    const auto at = [&](const char* name) {
        for (int i = 0; i < items.size(); ++i)
            if (items[i]->objectName() == name) return i;
        return -1;
    };
    // What came later stands after the original items.
    EXPECT_EQ(at("MidiThru1"), at("StayonTop1") + 1);
    EXPECT_GT(at("PlayFromAnyWindow1"), at("Settings1"));
    EXPECT_EQ(at("Transpose1"), at("MidiThru1") + 1);
    EXPECT_EQ(at("ChordEditor1"), at("MidiThru1") + 2);
    EXPECT_EQ(w->FindAction("Transpose1")->shortcut(), QKeySequence("Ctrl+T"));
    EXPECT_EQ(w->FindAction("ChordEditor1")->shortcut(), QKeySequence("Ctrl+E"));

    w->FindAction("Transpose1")->trigger();
    TTransposeForm* first = w->TransposeForm();
    ASSERT_NE(first, nullptr);
    w->FindAction("Transpose1")->trigger();
    EXPECT_EQ(w->TransposeForm(), first);
    EXPECT_EQ(first->parentWidget(), w.get());
    first->close();
    FreeClosedWindows();
    EXPECT_EQ(w->TransposeForm(), nullptr);

    w->FindAction("ChordEditor1")->trigger();
    TChordEditForm* editor = w->ChordEditForm();
    ASSERT_NE(editor, nullptr);
    w->FindAction("ChordEditor1")->trigger();
    EXPECT_EQ(w->ChordEditForm(), editor);
    editor->BCancel->click();
    FreeClosedWindows();
    EXPECT_EQ(w->ChordEditForm(), nullptr);
}

TEST_F(MainWindowDialogs, ClosingTheMainWindowClosesTheDialogsBeforeSaving) {
    w->FindAction("Transpose1")->trigger();
    w->TransposeForm()->UDTranspose->UpButton()->click();
    ASSERT_EQ(w->Keyboard1->Player().Transpose(), 1);
    w->FindAction("ChordEditor1")->trigger();
    w->close();
    // Not kept: the transposition went back to 0 before the keyboard saved it.
    EXPECT_EQ(store.ReadInteger("Keyboard", "Transpose", -1), 0);
    EXPECT_TRUE(store.ValueExists("TransposeForm", "FormLeft"));
    EXPECT_TRUE(store.ValueExists("ChordEditForm", "FormTop"));
}

TEST_F(MainWindowDialogs, EditorTogglesNotesOfTheMainKeyboardAndOfInputWithoutThru) {
    w->FindAction("ChordEditor1")->trigger();
    TChordEditForm* editor = w->ChordEditForm();
    editor->BNew->click();
    editor->CBEdit->click();
    w->Keyboard1->Player().SetChord(chMajor);
    ClickMainKey(60);  // its three note-ons enter the chord, its releases do not
    EXPECT_EQ(editor->SelectedChord()->ToText(), "3C0407");

    w->FindAction("MidiThru1")->trigger();
    Receive({0x403E90});  // note-on 62
    Receive({0x003E90});
    EXPECT_EQ(editor->SelectedChord()->ToText(), "3C040702");

    // The editor's own keyboard plays straight to the output and toggles nothing.
    editor->CBEdit->click();
    out.ClearSent();
    TKeyboard* k = editor->Keyboard;
    k->Player().PlayNote(k->Player().Channel(), 48, true, 100);
    EXPECT_EQ(Sent(), (std::vector<uint32_t>{0x643090, 0x643490, 0x643790, 0x643290}));
    EXPECT_EQ(editor->SelectedChord()->ToText(), "3C040702");

    const int items = w->CBChord->count();
    editor->BOK->click();
    EXPECT_EQ(store.ReadString("Chords", "Name1", ""), "New chord");
    EXPECT_EQ(w->CBChord->count(), items + 1);
    EXPECT_EQ(w->CBChord->itemText(items), "New chord");
}

TEST_F(MainWindowDialogs, ClosingTheMainWindowClosesThePatchSetChooserWhichSavesItself) {
    w->FindAction("ChoosePatchSet1")->trigger();
    QPointer<TPatchSetChooser> c = Find<TPatchSetChooser>("PatchSetChooser");
    ASSERT_FALSE(c.isNull());
    c->resize(640, 380);
    w->close();
    FreeClosedWindows();
    EXPECT_TRUE(c.isNull());
    EXPECT_EQ(store.ReadInteger("PatchSetDialog", "DlgWidth", 0), 640);
}

}  // namespace

TEST_F(MainWindowDialogs, MessageBoxesCarryTheProgramTitle) {
    QString title;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
    });
    bool checked = false;
    MessageWithCheckbox(w.get(), "Transpose is activated", "Do not show", checked);
    EXPECT_EQ(title, "Zorvik's Tastra");
}
