#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// One user-defined chord: a name, the note it was entered on (only used while editing and for
// display) and up to 16 signed semitone offsets. Only the offsets reach the keyboard, so the
// chord sounds relative to whatever note is played.
class TChordEntry {
public:
    static constexpr int kMaxOffsets = 16;
    // Offsets must stay within a signed 7-bit distance of the root.
    static constexpr int kLowestOffset = -64;
    static constexpr int kHighestOffset = 63;

    explicit TChordEntry(const QString& name = QString());
    TChordEntry(const QString& name, const QString& text);

    // Back to the empty chord (no root, no offsets); the name stays.
    void Clear();
    // Clears, renames and reads the text form. Reading stops quietly at the first pair that is
    // not hexadecimal; an entry is usable only when at least one offset was read.
    void Parse(const QString& name, const QString& text);

    // Number of offsets: the bytes before the first 0, at most 16.
    int Count() const;
    int IndexOfOffset(int offset) const;
    int Offset(int index) const { return m_offsets[index]; }
    bool IsEmpty() const { return m_root < 0 && Count() == 0; }

    // The editing step: the first note becomes the root, later notes toggle their distance
    // from the root in and out of the offsets.
    void ToggleNote(int note);

    // Root as two upper-case hex digits, then each offset as the hex of its byte; "" when empty.
    QString ToText() const;

    // The offsets alone, in stored order.
    std::vector<int8_t> Offsets() const;
    // The form the keyboard takes: the offsets, followed by a terminating 0 when fewer than 16.
    std::vector<int8_t> KeyboardOffsets() const;

    int Root() const { return m_root; }
    const QString& Name() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }

private:
    int m_root = -1;
    QString m_name;
    std::array<int8_t, kMaxOffsets> m_offsets{};
};
