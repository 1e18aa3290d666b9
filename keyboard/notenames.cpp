#include "keyboard/notenames.h"

#include <algorithm>

#include "keyboard/keyboardmath.h"

void TNoteNames::SetLanguage(TLanguage v) {
    if (static_cast<int>(v) < 0 || static_cast<int>(v) > 2) return;
    m_language = v;
}

QString TNoteNames::NoteName(int n) const {
    n = std::clamp(n, 0, 127);
    return QString::fromLatin1(keymath::PitchName(static_cast<int>(m_language), n % 12)) +
           QString::number(n / 12 - 2);
}

QString TNoteNames::DisplayNoteName(int n) const {
    n = std::clamp(n, 0, 127);
    if (m_noteNames.size() >= 128 && !m_noteNames[n].isEmpty()) return m_noteNames[n];
    return NoteName(n);
}

void TNoteNames::SetNoteNames(const QStringList& names) {
    if (names.size() >= 128)
        m_noteNames = names.mid(0, 128);
    else
        m_noteNames.clear();
}
