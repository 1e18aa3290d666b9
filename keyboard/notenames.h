#pragma once

#include <QString>
#include <QStringList>

enum class TLanguage { International, German, Italian };

// What the keyboard calls its notes: the pitch name in a language with the octave, counted so
// that middle C (note 60) is C3, or the names the sound in use gives its keys (a drum kit's).
class TNoteNames {
public:
    TLanguage Language() const { return m_language; }
    // A value that names no language is ignored.
    void SetLanguage(TLanguage v);

    QString NoteName(int n) const;
    // The sound's name of note n where it has one, else NoteName.
    QString DisplayNoteName(int n) const;
    // One name per note; a list of fewer than 128 means the sound names none.
    void SetNoteNames(const QStringList& names);

private:
    TLanguage m_language = TLanguage::International;
    QStringList m_noteNames;
};
