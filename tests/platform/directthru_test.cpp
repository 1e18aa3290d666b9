#include "platform/midi/directthru.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

TThruShape Shape(std::vector<int> offsets, int transpose = 0, bool showSent = false,
                 bool pass = true) {
    TThruShape shape;
    shape.Pass = pass;
    shape.ToneCount = static_cast<std::uint8_t>(offsets.size());
    for (std::size_t i = 0; i < offsets.size(); ++i)
        shape.Offsets[i] = static_cast<std::int8_t>(offsets[i]);
    shape.Transpose = transpose;
    shape.ShowSent = showSent;
    return shape;
}

// One step of a case: a shape to publish, or a message coming in, or a release asked for.
struct TStep {
    enum { kShape, kIn, kRelease } Kind;
    TThruShape NewShape{};
    std::vector<std::uint8_t> In{};
};
TStep Publish(TThruShape s) { return {TStep::kShape, s, {}}; }
TStep In(std::vector<std::uint8_t> m) { return {TStep::kIn, {}, std::move(m)}; }
TStep ReleaseAsked() { return {TStep::kRelease, {}, {}}; }

struct TThruCase {
    const char* name;
    std::vector<TStep> steps;
    // What is written, in order: "@frame 90 3C 40".
    std::vector<std::string> expected;
};

std::string Written(std::uint32_t frame, const std::uint8_t* data, std::size_t n) {
    std::string s = "@" + std::to_string(frame);
    char b[4];
    for (std::size_t i = 0; i < n; ++i) {
        std::snprintf(b, sizeof b, " %02X", data[i]);
        s += b;
    }
    return s;
}

class DirectThru : public ::testing::TestWithParam<TThruCase> {};

TEST_P(DirectThru, WritesWhatThruWouldSendAtTheFrameOfArrival) {
    TDirectThru thru;
    std::vector<std::string> out;
    const auto write = [&](std::uint32_t frame, const std::uint8_t* data, std::size_t n) {
        out.push_back(Written(frame, data, n));
    };
    std::uint32_t frame = 10;
    for (const TStep& step : GetParam().steps) {
        if (step.Kind == TStep::kShape) thru.Publish(step.NewShape);
        if (step.Kind == TStep::kRelease) {
            thru.RequestRelease();
            thru.BeginCycle(write);
            EXPECT_TRUE(thru.ReleaseDone());
        }
        if (step.Kind == TStep::kIn) thru.Pass(frame++, step.In.data(), step.In.size(), write);
    }
    EXPECT_EQ(out, GetParam().expected);
}

const TThruCase kThruCases[] = {
    {"ChordAndTranspositionOnTheMessagesChannel",
     {Publish(Shape({0, 4, 7}, 2)), In({0x93, 60, 80}), In({0x83, 60, 64})},
     {"@10 93 3E 50", "@10 93 42 50", "@10 93 45 50", "@11 93 3E 00", "@11 93 42 00",
      "@11 93 45 00"}},
    {"ReleaseUndoesItsPressAfterTheShapeChanged",
     {Publish(Shape({0, 7}, 1)), In({0x90, 60, 90}), Publish(Shape({0}, -5)), In({0x90, 60, 0})},
     {"@10 90 3D 5A", "@10 90 44 5A", "@11 90 3D 00", "@11 90 44 00"}},
    {"RepeatedPressesOfOneNoteReleaseInTheirOrder",
     {Publish(Shape({0})), In({0x90, 60, 1}), Publish(Shape({0}, 12)), In({0x90, 60, 2}),
      In({0x80, 60, 0}), In({0x80, 60, 0}), In({0x80, 60, 0})},
     {"@10 90 3C 01", "@11 90 48 02", "@12 90 3C 00", "@13 90 48 00"}},
    {"TonesOutsideTheKeysAreNeitherSentNorReleased",
     {Publish(Shape({0, 12}, 3)), In({0x90, 120, 70}), In({0x90, 120, 0}),
      Publish(Shape({0, -12}, 3, true)), In({0x90, 5, 70}), In({0x80, 5, 0})},
     {"@10 90 7B 46", "@11 90 7B 00", "@12 90 08 46", "@13 90 08 00"}},
    {"SameNoteOnAnotherChannelIsAnotherPress",
     {Publish(Shape({0})), In({0x90, 60, 50}), In({0x91, 60, 0}), In({0x90, 60, 0})},
     {"@10 90 3C 32", "@12 90 3C 00"}},
    {"OtherChannelMessagesPassUnchangedAndSystemMessagesDoNot",
     {Publish(Shape({0, 4}, 7)), In({0xB2, 7, 100}), In({0xE0, 0, 64}), In({0xC5, 9}), In({0xF8}),
      In({0xF0, 1, 0xF7}), In({0x40, 1})},
     {"@10 B2 07 64", "@11 E0 00 40", "@12 C5 09"}},
    {"PassOffStopsNewNotesButNotTheReleasesOfHeldOnes",
     {Publish(Shape({0})), In({0x90, 60, 50}), Publish(Shape({0}, 0, false, false)),
      In({0x90, 62, 50}), In({0xB0, 1, 1}), In({0x90, 60, 0}), In({0x90, 62, 0})},
     {"@10 90 3C 32", "@13 90 3C 00"}},
    {"AskedReleaseEndsEverythingHeldAtTheCyclesStartAndLaterReleasesSendNothing",
     {Publish(Shape({0, 4})), In({0x90, 60, 50}), In({0x9F, 1, 50}), ReleaseAsked(),
      In({0x90, 60, 0}), In({0x9F, 1, 0})},
     {"@10 90 3C 32", "@10 90 40 32", "@11 9F 01 32", "@11 9F 05 32", "@0 90 3C 00", "@0 90 40 00",
      "@0 9F 01 00", "@0 9F 05 00"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, DirectThru, ::testing::ValuesIn(kThruCases),
                         [](const auto& info) { return std::string(info.param.name); });

// More presses of one note than can be kept: the ones beyond are not passed on at all, so that
// every note sent still has its release.
TEST(DirectThruLimits, PressesBeyondTheKeptOnesAreNotPassedOn) {
    TDirectThru thru;
    thru.Publish(Shape({0}));
    int on = 0, off = 0;
    const auto count = [&](std::uint32_t, const std::uint8_t* d, std::size_t) {
        (d[2] ? on : off)++;
    };
    const std::uint8_t press[3] = {0x90, 60, 100}, release[3] = {0x80, 60, 0};
    for (int i = 0; i < TDirectThru::kDepth + 3; ++i) thru.Pass(0, press, 3, count);
    for (int i = 0; i < TDirectThru::kDepth + 3; ++i) thru.Pass(0, release, 3, count);
    EXPECT_EQ(on, TDirectThru::kDepth);
    EXPECT_EQ(off, TDirectThru::kDepth);
}

// The process thread reads the shape while the window thread publishes new ones: it must always
// see one whole shape, never parts of two.
TEST(DirectThruLimits, ShapePublishedWhileNotesPassIsNeverSeenHalfWritten) {
    TDirectThru thru;
    const TThruShape a = Shape({0, 4, 7, 11, 14}, 3), b = Shape({0, -12}, -9);
    thru.Publish(a);
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        for (int i = 0; !stop.load(); ++i) thru.Publish(i % 2 ? a : b);
    });
    int torn = 0;
    std::vector<int> sent;
    const auto collect = [&](std::uint32_t, const std::uint8_t* d, std::size_t) {
        sent.push_back(d[1]);
    };
    for (int i = 0; i < 20000; ++i) {
        sent.clear();
        const std::uint8_t on[3] = {0x90, 60, 1}, off[3] = {0x90, 60, 0};
        thru.Pass(0, on, 3, collect);
        const bool isA = sent == std::vector<int>{63, 67, 70, 74, 77};
        const bool isB = sent == std::vector<int>{51, 39};
        if (!isA && !isB) ++torn;
        thru.Pass(0, off, 3, collect);
    }
    stop = true;
    writer.join();
    EXPECT_EQ(torn, 0);
}

}  // namespace
