#include "keyboard/scanmap.h"

#include "keyboard/keyboardmath.h"

namespace scanmap {

namespace {

int PitchClass(int g) { return ((g % 12) + 12) % 12; }

bool RowFits(const TRow& row) {
    return row.blackFirst >= 0 && row.blackFirst <= row.blackLast && row.blackLast < kMapSize &&
           row.defaultC >= 0 && row.defaultC <= row.whiteLast && row.whiteLast < kMapSize;
}

}  // namespace

bool IsValidLowerC(int scan) { return scan >= 44 && scan <= 53; }

bool IsValidUpperC(int scan) { return scan >= 16 && scan <= 27; }

TScanMap DefaultScanMap() {
    TScanMap map;
    map.fill(kNoNote);
    map = RebuildRow(map, kLowerRow.defaultC, kLowerRow);
    return RebuildRow(map, kUpperRow.defaultC, kUpperRow);
}

TScanMap RebuildRow(const TScanMap& source, int newC, const TRow& row) {
    if (!RowFits(row) || newC < row.defaultC || newC > row.whiteLast) return source;
    TScanMap map = source;
    for (int i = row.blackFirst; i <= row.blackLast; ++i) map[i] = kNoNote;

    int h = newC >= row.defaultC + 7 ? newC - 7 : newC;
    // g starts as the note of the white key at defaultC, chosen so that key h gets the C.
    int g = row.cSemitone;
    if (h != row.defaultC)
        g = keymath::kWhiteSemitones[(row.defaultC - h + 7) % 7] + row.cSemitone - 12;
    // The black key before the first white key belongs to the row too.
    if (keymath::IsBlack(PitchClass(g - 1))) --g;

    // Black keys sit between the white keys j - 1 and j, as the keys of the row above do.
    int i = row.blackFirst;
    int j = row.defaultC;
    while (j <= row.whiteLast || i <= row.blackLast) {
        if (!keymath::IsBlack(PitchClass(g))) {
            if (j <= row.whiteLast) map[j] = g;
            ++i;
            ++j;
        } else if (i >= row.blackFirst && i <= row.blackLast) {
            map[i] = g;
        }
        ++g;
    }
    return map;
}

TScanMap MapOfKeys(const std::map<int, int>& keys) {
    TScanMap map;
    map.fill(kNoNote);
    for (const auto& [scan, offset] : keys)
        if (scan >= kFirstKey && scan <= kLastKey) map[scan] = offset;
    return map;
}

}  // namespace scanmap
