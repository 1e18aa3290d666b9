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

private:
    void MapChanged();
    void ShowKeyNote();
    bool SaveTo(const QString& path);

    TKeyMapEditorHost m_host;
    QString m_path;
    keymap::TKeyMap m_map;
    bool m_modified = false;
    scanmap::TScanMap m_table{};
    std::unique_ptr<TNotePlayer> m_player;
};

// The keys of a scan-code table as a key map (the keys that play a note).
keymap::TKeyMap KeyMapOfTable(const scanmap::TScanMap& table, const QString& name);
