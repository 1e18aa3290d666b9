#include "chords/chordeditform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <array>

#include "keyboard/keyboard.h"
#include "support/storeview.h"

namespace {

using TMsg = std::array<int, 3>;

constexpr int kC4 = 72, kE4 = 76, kG4 = 79;

class ChordEditFormTest : public ::testing::Test {
protected:
    void SetUp() override { main.Player().SetChannel(2); }
    void TearDown() override {
        if (form) form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void StoreChord(int n, const char* name, const char* text) {
        store.WriteString("Chords", "Name" + std::to_string(n), name);
        store.WriteString("Chords", "Chord" + std::to_string(n), text);
    }

    TChordEditForm* Open() {
        form = new TChordEditForm([this] { return std::make_unique<TSharedStoreView>(store); },
                                  [this](uint8_t s, uint8_t d1, uint8_t d2) {
                                      sent.push_back({s, d1, d2});
                                  },
                                  &main);
        form->OnError = [this](const QString& e) { errors << e; };
        form->OnChordsSaved = [this] { ++saves; };
        form->show();
        return form;
    }

    void Select(int row) { form->LVChords->setCurrentItem(form->LVChords->topLevelItem(row)); }
    QString RowNotes(int row) const { return form->LVChords->topLevelItem(row)->text(1); }

    QPoint KeyPoint(int note) const {
        TKeyboard* k = form->Keyboard;
        const int y = k->height() - 4;
        for (int x = 0; x < k->width(); ++x)
            if (k->NoteAt(x, y) == note) return {x + 3, y};
        ADD_FAILURE() << "note " << note << " not visible";
        return {};
    }
    void Mouse(QEvent::Type type, int note, Qt::MouseButtons held) {
        const QPointF pos = KeyPoint(note);
        QMouseEvent e(type, pos, form->Keyboard->mapToGlobal(pos), Qt::LeftButton, held,
                      Qt::NoModifier);
        QApplication::sendEvent(form->Keyboard, &e);
    }
    void Press(int note) { Mouse(QEvent::MouseButtonPress, note, Qt::LeftButton); }
    void DragTo(int note) { Mouse(QEvent::MouseMove, note, Qt::LeftButton); }
    void Release(int note) { Mouse(QEvent::MouseButtonRelease, note, Qt::NoButton); }
    void Click(int note) {
        Press(note);
        Release(note);
    }
    std::vector<TMsg> NoteOns() const {
        std::vector<TMsg> r;
        for (const TMsg& m : sent)
            if (m[2] > 0) r.push_back(m);
        return r;
    }

    TNotePlayer mainPlayer;
    TKeyboard main{mainPlayer};
    TMemSettingsStore store{true};
    QPointer<TChordEditForm> form;
    std::vector<TMsg> sent;
    QStringList errors;
    int saves = 0;
};

TEST_F(ChordEditFormTest, ListsTheStoredChordsWithTheirNoteNames) {
    StoreChord(1, "Triad", "3c0407");
    StoreChord(2, "Low", "05F4");  // root F-2 and a tone below note 0
    StoreChord(3, "Empty", "");    // an empty text ends the list
    Open();
    ASSERT_EQ(form->LVChords->topLevelItemCount(), 2);
    EXPECT_EQ(form->LVChords->topLevelItem(0)->text(0), "Triad");
    EXPECT_EQ(RowNotes(0), "C3 E3 G3 ");
    EXPECT_EQ(RowNotes(1), "F-2 C-2 ");
    EXPECT_EQ(form->SelectedChord(), nullptr);
    EXPECT_EQ(form->Keyboard->Player().Channel(), 2);
}

TEST_F(ChordEditFormTest, WithoutEditModeTheKeyboardPlaysTheSelectedChordAndChangesNothing) {
    StoreChord(1, "Triad", "3C0407");
    Open();
    Select(0);
    EXPECT_EQ(form->Keyboard->Look().markNote, 60);
    EXPECT_EQ(form->Player().ThruCount(64), 1);
    EXPECT_EQ(form->Player().ThruCount(67), 1);
    Click(kC4);
    EXPECT_EQ(sent, (std::vector<TMsg>{{0x92, kC4, 100},
                                       {0x92, kC4 + 4, 100},
                                       {0x92, kC4 + 7, 100},
                                       {0x92, kC4, 0},
                                       {0x92, kC4 + 4, 0},
                                       {0x92, kC4 + 7, 0}}));
    form->ChordEditorNoteIn(kG4 + 5, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->WorkingList().Item(0).ToText(), "3C0407");
}

TEST_F(ChordEditFormTest, ADragUndoesTheStepOfTheKeyItLeaves) {
    Open();
    form->BNew->click();
    form->CBEdit->click();
    EXPECT_TRUE(form->BReset->isEnabled());
    Press(kC4);
    DragTo(kE4);
    Release(kE4);
    const TChordEntry* chord = form->SelectedChord();
    ASSERT_NE(chord, nullptr);
    EXPECT_EQ(chord->Root(), kE4);
    EXPECT_EQ(chord->Count(), 0);
}

TEST_F(ChordEditFormTest, ClicksBuildAChordThatSoundsFromItsRoot) {
    Open();
    form->BNew->click();
    form->CBEdit->click();
    Click(kC4);
    Click(kE4);
    sent.clear();
    Click(kG4);
    EXPECT_EQ(form->SelectedChord()->ToText(), "480407");
    // The third click sounds the whole chord from C4, not from G4.
    EXPECT_EQ(NoteOns(), (std::vector<TMsg>{{0x92, kC4, 100}, {0x92, kE4, 100}, {0x92, kG4, 100}}));
    QCoreApplication::processEvents();
    EXPECT_EQ(RowNotes(0), "C4 E4 G4 ");
    EXPECT_EQ(form->Player().ThruCount(kE4), 1);

    form->BReset->click();
    EXPECT_TRUE(form->SelectedChord()->IsEmpty());
    EXPECT_EQ(RowNotes(0), "");
    EXPECT_EQ(form->Player().ThruCount(kE4), 0);
    form->CBEdit->click();
    sent.clear();
    Click(kG4);
    EXPECT_EQ(NoteOns(), (std::vector<TMsg>{{0x92, kG4, 100}}));  // no stale tones after reset
}

TEST_F(ChordEditFormTest, NotesFromOutsideToggleOnlyInEditModeAndRefreshOnceLater) {
    StoreChord(1, "Triad", "3C0407");
    Open();
    Select(0);
    form->ChordEditorNoteIn(62, 90);
    EXPECT_EQ(form->SelectedChord()->ToText(), "3C0407");  // edit mode off
    form->CBEdit->click();
    form->ChordEditorNoteIn(62, 0);
    EXPECT_EQ(form->SelectedChord()->ToText(), "3C0407");  // a release is no toggle
    form->ChordEditorNoteIn(62, 90);
    form->ChordEditorNoteIn(64, 90);
    EXPECT_EQ(form->SelectedChord()->ToText(), "3C0702");
    EXPECT_EQ(RowNotes(0), "C3 E3 G3 ");  // not redrawn before the burst is over
    QCoreApplication::processEvents();
    EXPECT_EQ(RowNotes(0), "C3 G3 D3 ");
    EXPECT_EQ(form->Player().ThruCount(64), 0);
    EXPECT_EQ(form->Player().ThruCount(62), 1);
    EXPECT_EQ(form->Player().CustomChord(), (std::vector<int8_t>{7, 2}));
}

TEST_F(ChordEditFormTest, CancelDropsEditsAndApplyWritesThemBack) {
    StoreChord(1, "Triad", "3C0407");
    Open();
    Select(0);
    form->CBEdit->click();
    form->ChordEditorNoteIn(72, 100);
    form->BNew->click();
    form->BApply->click();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(store.ReadString("Chords", "Chord1", ""), "3C04070C");
    // The new chord has no notes yet: it is not stored, so it cannot end the stored list early.
    EXPECT_EQ(store.ReadSection("Chords"), (std::vector<std::string>{"Name1", "Chord1"}));

    Select(0);
    form->BDelete->click();
    form->BCancel->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(store.ReadString("Chords", "Chord1", ""), "3C04070C");
}

TEST_F(ChordEditFormTest, RenamingRefusesNamesAlreadyTakenIgnoringCase) {
    StoreChord(1, "Triad", "3C0407");
    StoreChord(2, "Fifth", "3C07");
    Open();
    // Through the in-place editor that New starts.
    form->BNew->click();
    auto* editor = form->LVChords->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("Sixth");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the view commits the editor's text later
    EXPECT_EQ(form->WorkingList().Item(2).Name(), "Sixth");
    EXPECT_EQ(form->LVChords->topLevelItem(2)->text(0), "Sixth");

    QTreeWidgetItem* triad = form->LVChords->topLevelItem(0);
    form->LVChordsEdited(triad, "fifth");
    form->LVChordsEdited(triad, "TRIAD");
    EXPECT_EQ(errors, QStringList({"This chord name already exists !",
                                   "This chord name already exists !"}));
    EXPECT_EQ(triad->text(0), "Triad");
    // Confirming the unchanged name, or clearing it, is no rename and no error.
    form->LVChordsEdited(triad, "Triad");
    form->LVChordsEdited(triad, "  ");
    EXPECT_EQ(errors.size(), 2);
    EXPECT_EQ(form->WorkingList().Item(0).Name(), "Triad");
}

TEST_F(ChordEditFormTest, DeleteSelectsTheNextRowAndTheLastDeleteLeavesSingleNotes) {
    StoreChord(1, "A", "3C04");
    StoreChord(2, "B", "3C05");
    StoreChord(3, "C", "3C06");
    Open();
    Select(2);
    form->BDelete->click();
    EXPECT_EQ(form->SelectedChord()->Name(), "B");  // the deleted one was last
    Select(0);
    form->BDelete->click();
    EXPECT_EQ(form->SelectedChord()->Name(), "B");
    EXPECT_EQ(form->Keyboard->Look().markNote, 60);
    form->BDelete->click();
    EXPECT_EQ(form->WorkingList().Count(), 0);
    EXPECT_EQ(form->SelectedChord(), nullptr);
    EXPECT_EQ(form->Keyboard->Player().Chord(), chNone);
    EXPECT_EQ(form->Player().ThruCount(65), 0);
    form->BDelete->click();  // nothing selected: nothing happens
    Click(kC4);
    EXPECT_EQ(NoteOns(), (std::vector<TMsg>{{0x92, kC4, 100}}));
}

TEST_F(ChordEditFormTest, ClosingRemembersThePositionAndReleasesALatchedNote) {
    Open();
    form->move(200, 150);
    QPointF pos = KeyPoint(kC4);
    QMouseEvent press(QEvent::MouseButtonPress, pos, form->Keyboard->mapToGlobal(pos),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form->Keyboard, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pos, form->Keyboard->mapToGlobal(pos),
                        Qt::LeftButton, Qt::NoButton, Qt::ControlModifier);
    QApplication::sendEvent(form->Keyboard, &release);
    ASSERT_EQ(sent.size(), 1u);  // latched with Ctrl
    form->close();
    EXPECT_EQ(sent.back(), (TMsg{0x92, kC4, 0}));
    EXPECT_EQ(store.ReadInteger("ChordEditForm", "FormLeft", 0), 200);
    EXPECT_EQ(store.ReadInteger("ChordEditForm", "FormTop", 0), 150);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Open();
    EXPECT_EQ(form->pos(), QPoint(200, 150));
}

}  // namespace
