#include <gtest/gtest.h>

#include "midi/midiinput.h"

namespace {

std::vector<std::uint32_t> Walked(TCircBuffer& q) {
    std::vector<std::uint32_t> seen;
    q.Walk([&](TQueueEntry& e) { seen.push_back(e.Time); });
    return seen;
}

}  // namespace

TEST(CircBuffer, WrapsAroundAndRefusesWhenFull) {
    TCircBuffer q(4);
    for (std::uint32_t t = 0; t < 3; ++t) ASSERT_TRUE(q.PushShort(0x90, t));
    ASSERT_TRUE(q.Remove());
    ASSERT_TRUE(q.Remove());
    for (std::uint32_t t = 3; t < 6; ++t) ASSERT_TRUE(q.PushShort(0x90, t));
    EXPECT_FALSE(q.PushShort(0x90, 99));
    EXPECT_EQ(q.Count(), 4);
    EXPECT_EQ(Walked(q), (std::vector<std::uint32_t>{2, 3, 4, 5}));
    EXPECT_EQ(q.Peek()->Time, 2u);
    EXPECT_EQ(q.WriteIndex(), 2);
}

TEST(CircBuffer, EmptyQueueHasNothingToPeekRemoveOrWalk) {
    TCircBuffer q(2);
    EXPECT_EQ(q.Peek(), nullptr);
    EXPECT_FALSE(q.Remove());
    EXPECT_TRUE(Walked(q).empty());
}

TEST(CircBuffer, WalkerMayRemoveWhatItVisits) {
    TCircBuffer q(3);
    TMidiInBuffer buffer;
    q.PushShort(0x80, 1);
    q.PushSysEx(&buffer, 2);
    q.PushShort(0x80, 3);
    EXPECT_EQ(q.Peek()->Time, 1u);
    q.Remove();
    EXPECT_EQ(q.Peek()->Buffer, &buffer);
    EXPECT_EQ(q.Peek()->Message, 0xF0u);
    q.PushShort(0x80, 4);  // wraps to slot 0
    std::vector<std::uint32_t> seen;
    // Each visit drops the entry it saw: every entry is still visited exactly once, in order,
    // across the wrap.
    q.Walk([&](TQueueEntry& e) {
        seen.push_back(e.Time);
        q.Remove();
    });
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{2, 3, 4}));
    EXPECT_EQ(q.Count(), 0);
}
