#include "platform/midi/jackports.h"

#include <gtest/gtest.h>

namespace {

struct TDueCase {
    const char* What;
    std::uint32_t Stamp;
    std::uint32_t CycleStart;
    std::uint32_t Earliest;
    std::int64_t Offset;
};

// A period of 256 frames: every message is due one period after its stamp.
constexpr std::uint32_t kPeriod = 256;
constexpr std::uint32_t kHorizon = 96000;

TEST(JackDueOffset, EachMessageIsWrittenOnePeriodAfterItsStampWithinItsCycle) {
    const TDueCase cases[] = {
        {"sent 40 frames into a cycle: 40 frames into the next", 1064, 1280, 0, 40},
        {"the last frame of a cycle", 1279, 1280, 0, 255},
        {"due in a later cycle waits for it", 1300, 1280, 0, -1},
        {"late: at the start of the cycle", 500, 1280, 0, 0},
        {"never before the message written ahead of it", 1064, 1280, 100, 100},
        {"late and behind another: right after it", 500, 1280, 30, 30},
        {"across the wrap of the clock", 0xFFFFFFF0u, 0xFFFFFFF0u + kPeriod, 0, 0},
        {"due past the wrap of the clock", 0xFFFFFFF0u + 20, 0xFFFFFFF0u + kPeriod, 0, 20},
        {"a stamp far ahead is wrong and goes at once", 1280 + 10 * kHorizon, 1280, 7, 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DueOffset(c.Stamp, kPeriod, c.CycleStart, kPeriod, c.Earliest, kHorizon),
                  c.Offset)
            << c.What;
}

}  // namespace
