#include "chords/chordentry.h"

namespace {

int HexDigit(QChar c) {
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

// The byte written as the two characters at pos, or -1 when they are not both hex digits.
int HexByte(const QString& text, int pos) {
    const int hi = HexDigit(text[pos]);
    const int lo = HexDigit(text[pos + 1]);
    if (hi < 0 || lo < 0) return -1;
    return hi * 16 + lo;
}

QString HexText(int byte) {
    return QString::number(byte & 0xFF, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

}  // namespace

TChordEntry::TChordEntry(const QString& name) : m_name(name) {}

TChordEntry::TChordEntry(const QString& name, const QString& text) { Parse(name, text); }

void TChordEntry::Clear() {
    m_root = -1;
    m_offsets.fill(0);
}

void TChordEntry::Parse(const QString& name, const QString& text) {
    Clear();
    m_name = name;
    if (text.size() < 2) return;
    const int root = HexByte(text, 0);
    if (root < 0) return;
    m_root = root;
    int read = 0;
    for (int pos = 2; pos + 1 < text.size() && read < kMaxOffsets; pos += 2) {
        const int b = HexByte(text, pos);
        if (b < 0) break;
        m_offsets[read++] = static_cast<int8_t>(static_cast<uint8_t>(b));
    }
}

int TChordEntry::Count() const {
    int n = 0;
    while (n < kMaxOffsets && m_offsets[n] != 0) ++n;
    return n;
}

int TChordEntry::IndexOfOffset(int offset) const {
    const int n = Count();
    for (int i = 0; i < n; ++i)
        if (m_offsets[i] == offset) return i;
    return -1;
}

void TChordEntry::ToggleNote(int note) {
    if (note < 0 || note > 127) return;
    const int n = Count();
    if (n == 0) {
        if (m_root < 0)
            m_root = note;
        else if (note == m_root)
            m_root = -1;
        else if (note - m_root >= kLowestOffset && note - m_root <= kHighestOffset)
            m_offsets[0] = static_cast<int8_t>(note - m_root);
        return;
    }
    if (note == m_root) return;  // the root cannot go while offsets hang on it
    const int d = note - m_root;
    if (d < kLowestOffset || d > kHighestOffset) return;
    const int i = IndexOfOffset(d);
    if (i >= 0) {
        for (int k = i; k + 1 < kMaxOffsets; ++k) m_offsets[k] = m_offsets[k + 1];
        m_offsets[kMaxOffsets - 1] = 0;
    } else if (n < kMaxOffsets) {
        m_offsets[n] = static_cast<int8_t>(d);
    }
}

QString TChordEntry::ToText() const {
    if (IsEmpty()) return QString();
    QString s = HexText(m_root);
    const int n = Count();
    for (int i = 0; i < n; ++i) s += HexText(m_offsets[i]);
    return s;
}

std::vector<int8_t> TChordEntry::Offsets() const {
    return std::vector<int8_t>(m_offsets.begin(), m_offsets.begin() + Count());
}

std::vector<int8_t> TChordEntry::KeyboardOffsets() const {
    std::vector<int8_t> v = Offsets();
    if (v.size() < static_cast<size_t>(kMaxOffsets)) v.push_back(0);
    return v;
}
