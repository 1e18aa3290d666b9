#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QString>
#include <functional>
#include <memory>

#include "keyboard/keymap.h"
#include "keyboard/noteplayer.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TKeyLegends;
class TKeyboard;
class TVKEdit;

// What the key map editor is given: the legends its piano shows, the key octave the offsets
// count from, and how it asks for a file name and reports a failure (unset: the program's
// dialogs).
struct TKeyMapEditorHost {
    TKeyLegends* legends = nullptr;
    int keyOctave = 4;
    // The file to save to, offering startPath; empty when the user cancels.
    std::function<QString(const QString& startPath)> chooseSaveFile;
    // Where a map that has no file yet is first offered to be saved: the user's own key maps
    // (made when missing); when that cannot be had, the home folder.
    QString saveFolder;
    std::function<void(const QString& text)> error;
    // After each successful save, with the file's name.
    std::function<void(const QString& path)> saved;
};

// A small editor for key maps: press a computer key, click the piano key it should play, save.
// The piano shows the legends of the map being edited and plays nothing. The window frees itself
// when closed.
class TKeyMapEditor : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TKeyMapEditor)

public:
    // Edits the map in `path`, or `start` (without a file yet) when path is empty.
    TKeyMapEditor(TKeyMapEditorHost host, const QString& path, const keymap::TKeyMap& start,
                  QWidget* owner = nullptr);
    ~TKeyMapEditor() override;

    QLineEdit* EName = nullptr;
    TVKEdit* VKKey = nullptr;
    QLabel* LKeyNote = nullptr;
    TKeyboard* Piano = nullptr;
    // The map as a list, one row per key: its legend and the note it plays. Sorted by a click on
    // a heading; a row chooses its key, and its note can be typed (a name such as "F#3" or a
    // note number).
    QTreeWidget* LVMappings = nullptr;
    QPushButton* BRemove = nullptr;
    QPushButton* BSave = nullptr;
    QPushButton* BSaveAs = nullptr;
    QPushButton* BClose = nullptr;

    const keymap::TKeyMap& Map() const { return m_map; }
    QString Path() const { return m_path; }
    bool Modified() const { return m_modified; }

    // Takes a key as if it were pressed into the key field.
    void ChooseKey(int scanCode);
    // The captured key plays `note` from now on (what a click on the piano does).
    void AssignNote(int note);
    void BRemoveClick();
    // False when nothing was saved (cancelled or failed).
    bool BSaveClick();
    bool BSaveAsClick();
    // Where the save dialog starts for this map.
    QString SaveStartPath() const;
    // The note a typed text names: a note name as the piano shows it (any letter case) or a
    // number 0..127; -1 for anything else.
    int NoteOfText(const QString& text) const;

private:
    void MapChanged();
    void ShowKeyNote();
    void ShowMappings();
    void MappingEdited(QTreeWidgetItem* item, int column);
    QString KeyText(int scan) const;
    bool SaveTo(const QString& path);

    TKeyMapEditorHost m_host;
    QString m_path;
    keymap::TKeyMap m_map;
    bool m_modified = false;
    bool m_showingMappings = false;
    scanmap::TScanMap m_table{};
    std::unique_ptr<TNotePlayer> m_player;
};

// The keys of a scan-code table as a key map (the keys that play a note).
keymap::TKeyMap KeyMapOfTable(const scanmap::TScanMap& table, const QString& name);
