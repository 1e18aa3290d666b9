#pragma once

#include <array>

// The computer keys that play notes: set-1 scan codes 2..53, each mapped to a semitone offset from
// the start of the key octave. Two rows of white keys with the row above each as its black keys:
// the bottom letter row under the home row, and the top letter row under the number row.
namespace scanmap {

constexpr int kMapSize = 54;
constexpr int kNoNote = 255;
constexpr int kFirstKey = 2;
constexpr int kLastKey = 53;

using TScanMap = std::array<int, kMapSize>;

// One row of white keys with its black keys above, and the key that plays C by default.
struct TRow {
    int defaultC;
    int cSemitone;
    int blackFirst;
    int blackLast;
    int whiteLast;
};
constexpr TRow kLowerRow{44, 0, 30, 40, 53};
constexpr TRow kUpperRow{16, 12, 2, 13, 27};

bool IsValidLowerC(int scan);
bool IsValidUpperC(int scan);

// The map with both rows at their default C keys.
TScanMap DefaultScanMap();

// The map with one row laid out again so that key newC plays the row's C. The C key position
// counts modulo seven white keys. Returns the map unchanged when newC is not a white key of the
// row or the row does not fit the map.
TScanMap RebuildRow(const TScanMap& map, int newC, const TRow& row);

}  // namespace scanmap
