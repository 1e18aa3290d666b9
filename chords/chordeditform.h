#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "chords/chordlist.h"
#include "keyboard/noteplayer.h"
#include "platform/midi/shortmessage.h"
#include "platform/settings/settingsstore.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TKeyboard;

// Section and value prefix of the chord editor's window position, exactly as stored.
inline constexpr const char* kChordEditFormSection = "ChordEditForm";
inline constexpr const char* kChordEditFormPrefix = "Form";
inline constexpr const char* kChordNameExists = "This chord name already exists !";

// The tool window in which the user creates, names, deletes and edits custom chords. It works on
// a copy of the stored chord list: Apply and OK write the copy back and tell the owner, Cancel
// drops it. While the edit mode is on, notes from the window's own keyboard, from the main
// keyboard and from MIDI input toggle tones of the selected chord; while it is off, the window's
// keyboard plays the selected chord. The window frees itself when closed.
class TChordEditForm : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TChordEditForm)

public:
    // openStore opens the settings root the chord list lives in; send plays a message on the main
    // output; mainKeyboard (may be null) lends its note-name language, its channel and the table
    // its computer keys are read through.
    TChordEditForm(TStoreOpener openStore, TSendShort send, TKeyboard* mainKeyboard,
                   QWidget* owner = nullptr);
    ~TChordEditForm() override;

    // Called after Apply or OK saved the list, so that the owner reloads its chords.
    std::function<void()> OnChordsSaved;
    // Error boxes go through here; tests watch them instead of blocking on a dialog.
    std::function<void(const QString& text)> OnError;

    // A note-on played elsewhere (main keyboard, MIDI input) while this window is visible.
    void ChordEditorNoteIn(int note, int velocity);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QTreeWidget* LVChords = nullptr;
    TKeyboard* Keyboard = nullptr;
    TNotePlayer& Player() { return m_player; }
    QPushButton* BNew = nullptr;
    QPushButton* BDelete = nullptr;
    QPushButton* CBEdit = nullptr;
    QPushButton* BReset = nullptr;
    QPushButton* BOK = nullptr;
    QPushButton* BCancel = nullptr;
    QPushButton* BApply = nullptr;

    const TChordList& WorkingList() const { return m_list; }
    // The chord of the selected row, or null.
    TChordEntry* SelectedChord() const;
    bool EditMode() const;
    // The second column's text for a chord: root then each tone, named by the window's keyboard.
    QString ChordNotesText(const TChordEntry& entry) const;

    // A caption was edited in place: the chord takes the new name unless another chord has it.
    void LVChordsEdited(QTreeWidgetItem* item, const QString& name);

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void LayOut();
    void BNewClick();
    void BDeleteClick();
    void BResetClick();
    void CBEditClick();
    // Saves the chords; false (after telling the user) when they could not be written.
    bool BApplyClick();
    void BOKClick();
    void LVChordsSelectItem();
    void KeyboardMousePress(int& note, Qt::MouseButton button);
    void KeyboardMouseDrag(int& note, Qt::MouseButton button);
    void KeyboardMouseRelease(Qt::MouseButton button);
    void MouseToggle(int& note);
    void ShowChordOnKeys(const TChordEntry* entry);
    // The key that carries the mark: the chord's root, or the default.
    void MarkKey(int note);
    void FillList();
    QTreeWidgetItem* AddRow(TChordEntry& entry);
    void RefreshRow(QTreeWidgetItem* item);
    QTreeWidgetItem* SelectedItem() const;
    static TChordEntry* EntryOf(const QTreeWidgetItem* item);
    void ScheduleRefresh(bool keys);
    void DoRefresh();
    void SavePlacement();

    TStoreOpener m_openStore;
    TSendShort m_send;
    TNotePlayer m_player;
    TChordList m_list;
    // The chords as this window last read or wrote them: Apply stores the changes since then.
    TChordList m_stored;
    int m_lastToggled = -1;
    // 0 idle, 1 refresh the row, 2 refresh the row and the keys.
    int m_pendingRefresh = 0;
    bool m_shown = false;
    bool m_closed = false;
};
