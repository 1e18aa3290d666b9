#include "keyboard/scanmap.h"

#include <gtest/gtest.h>

#include "keyboard/keyboardmath.h"

using scanmap::kNoNote;
using scanmap::RebuildRow;
using scanmap::TScanMap;

namespace {

// The layout written out key by key (US labels): bottom letter row with the home row as black
// keys from C, top letter row with the number row as black keys from the C above.
TScanMap HandWrittenDefault() {
    TScanMap m;
    m.fill(kNoNote);
    const int lower[][2] = {{31, 1},  {32, 3},  {34, 6},  {35, 8},  {36, 10}, {38, 13},
                            {39, 15}, {44, 0},  {45, 2},  {46, 4},  {47, 5},  {48, 7},
                            {49, 9},  {50, 11}, {51, 12}, {52, 14}, {53, 16}};
    const int upper[][2] = {{3, 13},  {4, 15},  {6, 18},  {7, 20},  {8, 22},  {10, 25}, {11, 27},
                            {13, 30}, {16, 12}, {17, 14}, {18, 16}, {19, 17}, {20, 19}, {21, 21},
                            {22, 23}, {23, 24}, {24, 26}, {25, 28}, {26, 29}, {27, 31}};
    for (auto& e : lower) m[e[0]] = e[1];
    for (auto& e : upper) m[e[0]] = e[1];
    return m;
}

}  // namespace

TEST(ScanMap, DefaultLayoutAndItsEquivalentCKeys) {
    const TScanMap def = scanmap::DefaultScanMap();
    EXPECT_EQ(def, HandWrittenDefault());
    // The C key counts modulo seven white keys: comma is the C an octave up.
    EXPECT_EQ(RebuildRow(def, 51, scanmap::kLowerRow), def);
    EXPECT_EQ(RebuildRow(def, 23, scanmap::kUpperRow), def);
    EXPECT_EQ(RebuildRow(RebuildRow(def, 46, scanmap::kLowerRow), 44, scanmap::kLowerRow), def);
}

TEST(ScanMap, CMovedToKeyCShiftsTheWholeLowerRow) {
    const TScanMap def = scanmap::DefaultScanMap();
    const TScanMap m = RebuildRow(def, 46, scanmap::kLowerRow);
    const int expected[][2] = {{30, -4}, {44, -3}, {31, -2}, {45, -1}, {46, 0},  {33, 1},
                               {47, 2},  {34, 3},  {48, 4},  {49, 5},  {36, 6},  {50, 7},
                               {37, 8},  {51, 9},  {38, 10}, {52, 11}, {53, 12}, {40, 13}};
    for (auto& e : expected) EXPECT_EQ(m[e[0]], e[1]) << "scan " << e[0];
    for (int silent : {32, 35, 39}) EXPECT_EQ(m[silent], kNoNote) << "scan " << silent;
    // The upper row is not touched; the key at 53 plays C again (same position mod 7).
    for (int s = 2; s <= 27; ++s) EXPECT_EQ(m[s], def[s]) << "scan " << s;
    EXPECT_EQ(RebuildRow(def, 53, scanmap::kLowerRow), m);
}

TEST(ScanMap, RefusedCKeysLeaveTheMapAlone) {
    const TScanMap def = scanmap::DefaultScanMap();
    for (int c : {30, 43, 54, -1, 1000}) EXPECT_EQ(RebuildRow(def, c, scanmap::kLowerRow), def);
    for (int c : {15, 28, 2}) EXPECT_EQ(RebuildRow(def, c, scanmap::kUpperRow), def);
    EXPECT_EQ(RebuildRow(def, 50, scanmap::TRow{44, 0, 30, 200, 53}), def);  // row past the map
    EXPECT_FALSE(scanmap::IsValidLowerC(43));
    EXPECT_TRUE(scanmap::IsValidLowerC(53));
    EXPECT_FALSE(scanmap::IsValidUpperC(28));
    EXPECT_TRUE(scanmap::IsValidUpperC(16));
}

// For every accepted C key of either row: that key plays the row's C (an octave up from the
// eighth white key on), white keys rise through
// the white pitch classes, and every black key assigned sits a semitone above the white key to
// its left (white key j - 1 for black position i = j - first white + first black).
TEST(ScanMap, EveryCKeyGivesAPlayableRow) {
    for (const scanmap::TRow& row : {scanmap::kLowerRow, scanmap::kUpperRow}) {
        for (int c = row.defaultC; c <= row.whiteLast; ++c) {
            SCOPED_TRACE(c);
            const TScanMap m = RebuildRow(scanmap::DefaultScanMap(), c, row);
            EXPECT_EQ(m[c], row.cSemitone + (c >= row.defaultC + 7 ? 12 : 0));
            for (int j = row.defaultC; j <= row.whiteLast; ++j) {
                ASSERT_NE(m[j], kNoNote);
                EXPECT_FALSE(keymath::IsBlack(((m[j] % 12) + 12) % 12));
                if (j > row.defaultC) {
                    EXPECT_GT(m[j], m[j - 1]);
                }
                const int i = row.blackFirst + (j - row.defaultC);
                if (i > row.blackLast || m[i] == kNoNote) continue;
                EXPECT_TRUE(keymath::IsBlack(((m[i] % 12) + 12) % 12));
                if (j > row.defaultC) {
                    EXPECT_EQ(m[i], m[j - 1] + 1);
                } else {
                    EXPECT_EQ(m[i], m[j] - 1);  // the black key left of the first white key
                }
            }
        }
    }
}
