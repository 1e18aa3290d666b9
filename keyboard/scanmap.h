#pragma once

#include <array>

#include <map>

// The computer keys that play notes: set-1 scan codes, each mapped to a semitone offset from the
// start of the key octave. By default two rows of white keys (scan codes 2..53) with the row above
// each as its black keys: the bottom letter row under the home row, and the top letter row under
// the number row. A key map of the user's own may use any key of the main block.
namespace scanmap {

constexpr int kMapSize = 128;
constexpr int kNoNote = 255;
constexpr int kFirstKey = 1;
constexpr int kLastKey = kMapSize - 1;

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

// The map of a key map file (scan code -> offset); scan codes outside the map are left out.
TScanMap MapOfKeys(const std::map<int, int>& keys);

}  // namespace scanmap
