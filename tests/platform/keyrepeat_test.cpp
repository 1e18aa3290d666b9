#include "platform/keys/keyrepeat.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TKeyStep {
    bool release;
    quint32 code;
    bool marked;
    bool repeat;  // expected
};

struct TRepeatCase {
    const char* name;
    bool track;
    std::vector<TKeyStep> steps;
};

void PrintTo(const TRepeatCase& c, std::ostream* os) { *os << c.name; }

class KeyRepeat : public ::testing::TestWithParam<TRepeatCase> {};

TEST_P(KeyRepeat, TellsHeldKeysFromStrokes) {
    TKeyRepeat r;
    r.SetTrackKeysDown(GetParam().track);
    int i = 0;
    for (const TKeyStep& s : GetParam().steps)
        EXPECT_EQ(r.IsRepeat(s.release, s.code, s.marked), s.repeat) << "step " << i++;
}

constexpr quint32 kQ = 24, kW = 25;

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyRepeat,
    ::testing::Values(
        // Detectable auto-repeat: the server sends presses only; none of them is marked.
        TRepeatCase{"HeldKeyUnmarkedPresses",
                    true,
                    {{false, kQ, false, false},
                     {false, kQ, false, true},
                     {false, kQ, false, true},
                     {true, kQ, false, false},
                     {false, kQ, false, false}}},
        TRepeatCase{"SecondKeyHeldWhileFirstIsReleased",
                    true,
                    {{false, kQ, false, false},
                     {false, kW, false, false},
                     {false, kW, false, true},
                     {true, kQ, false, false},
                     {false, kW, false, true},
                     {true, kW, false, false}}},
        // Marked release/press pairs stay repeats whether or not keys are tracked.
        TRepeatCase{"MarkedPairs",
                    false,
                    {{false, kQ, false, false},
                     {true, kQ, true, true},
                     {false, kQ, true, true},
                     {true, kQ, false, false}}},
        // Without tracking an unmarked second press is a new stroke, as before.
        TRepeatCase{"UntrackedSecondPressStrikesAgain",
                    false,
                    {{false, kQ, false, false}, {false, kQ, false, false}}},
        // Synthesised keys without a native code are judged by the mark alone.
        TRepeatCase{"NoNativeCode",
                    true,
                    {{false, 0, false, false}, {false, 0, false, false}, {false, 0, true, true}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
