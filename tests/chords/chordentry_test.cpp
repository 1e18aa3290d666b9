#include "chords/chordentry.h"

#include <gtest/gtest.h>

namespace {

std::vector<int8_t> V(std::initializer_list<int> l) {
    std::vector<int8_t> v;
    for (int x : l) v.push_back(static_cast<int8_t>(x));
    return v;
}

}  // namespace

TEST(ChordEntry, ToggleBuildsAndEditsAChord) {
    TChordEntry e("C");
    e.ToggleNote(60);
    e.ToggleNote(64);
    e.ToggleNote(67);
    EXPECT_EQ(e.Root(), 60);
    EXPECT_EQ(e.Offsets(), V({4, 7}));
    e.ToggleNote(64);  // removing an offset moves the later ones up
    EXPECT_EQ(e.Offsets(), V({7}));
    e.ToggleNote(60);  // the root stays while offsets exist
    EXPECT_EQ(e.Root(), 60);
    EXPECT_EQ(e.Offsets(), V({7}));
    e.ToggleNote(67);
    EXPECT_EQ(e.Count(), 0);
    e.ToggleNote(60);  // now the root itself can go
    EXPECT_TRUE(e.IsEmpty());
    EXPECT_EQ(e.ToText(), "");
    e.ToggleNote(-1);
    e.ToggleNote(128);
    EXPECT_TRUE(e.IsEmpty());
}

TEST(ChordEntry, ToggleRespectsTheDistanceAndSizeLimits) {
    TChordEntry e;
    e.ToggleNote(60);
    e.ToggleNote(60 + 64);  // one above the highest distance
    EXPECT_EQ(e.Count(), 0);
    e.ToggleNote(60 + 63);
    EXPECT_EQ(e.Offsets(), V({63}));

    TChordEntry f;
    f.ToggleNote(70);
    f.ToggleNote(70 - 65);  // one below the lowest distance
    EXPECT_EQ(f.Count(), 0);
    f.ToggleNote(70 - 64);
    EXPECT_EQ(f.Offsets(), V({-64}));

    TChordEntry h;
    h.ToggleNote(40);
    for (int i = 1; i <= 17; ++i) h.ToggleNote(40 + i);
    EXPECT_EQ(h.Count(), 16);
    EXPECT_EQ(h.IndexOfOffset(17), -1);
    EXPECT_EQ(h.KeyboardOffsets().size(), 16u);  // full: no terminator
    h.ToggleNote(41);
    EXPECT_EQ(h.Count(), 15);
    h.ToggleNote(57);  // room again for the note refused before
    EXPECT_EQ(h.IndexOfOffset(17), 15);
}

TEST(ChordEntry, TextFormRoundTrips) {
    TChordEntry e("x", "3c0407");
    EXPECT_EQ(e.Root(), 60);
    EXPECT_EQ(e.Offsets(), V({4, 7}));
    EXPECT_EQ(e.ToText(), "3C0407");
    EXPECT_EQ(e.KeyboardOffsets(), V({4, 7, 0}));

    TChordEntry neg;
    neg.ToggleNote(60);
    neg.ToggleNote(48);
    EXPECT_EQ(neg.ToText(), "3CF4");  // two's complement byte
    EXPECT_EQ(TChordEntry("n", neg.ToText()).Offsets(), V({-12}));
}

struct ParseCase {
    const char* text;
    int root;
    std::vector<int> offsets;
};

class ChordEntryParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ChordEntryParse, ReadsWhatIsValid) {
    const ParseCase& c = GetParam();
    TChordEntry e("n", c.text);
    EXPECT_EQ(e.Name(), "n");
    EXPECT_EQ(e.Root(), c.root);
    std::vector<int> got;
    for (int8_t o : e.Offsets()) got.push_back(o);
    EXPECT_EQ(got, c.offsets);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ChordEntryParse,
    ::testing::Values(ParseCase{"", -1, {}}, ParseCase{"3", -1, {}}, ParseCase{"zz04", -1, {}},
                      ParseCase{"3C", 60, {}},         // root only: not usable
                      ParseCase{"FF04", 255, {4}},     // any byte is taken as root
                      ParseCase{"3C040", 60, {4}},     // incomplete pair dropped
                      ParseCase{"3C04xy07", 60, {4}},  // bad pair ends the reading
                      ParseCase{"3C040007", 60, {4}},  // 00 ends the offsets
                      ParseCase{"3C0102030405060708090A0B0C0D0E0F1011",
                                60,
                                {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}}));

TEST(ChordEntry, ParseClearsThePreviousChord) {
    TChordEntry e("a", "3C0407");
    e.Parse("b", "40");
    EXPECT_EQ(e.Name(), "b");
    EXPECT_EQ(e.Root(), 64);
    EXPECT_EQ(e.Count(), 0);
}
