#include "platform/midi/midistream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using TBytes = std::vector<std::uint8_t>;

struct TStreamCase {
    const char* name;
    std::vector<TBytes> packets;
    // What comes out, in order: "90 3C 40" for a short message, "[F0 01]" for one buffer.
    std::vector<std::string> expected;
};

std::string Hex(const std::uint8_t* data, std::size_t n) {
    std::string s;
    char b[4];
    for (std::size_t i = 0; i < n; ++i) {
        std::snprintf(b, sizeof b, i ? " %02X" : "%02X", data[i]);
        s += b;
    }
    return s;
}

class MidiStream : public ::testing::TestWithParam<TStreamCase> {};

TEST_P(MidiStream, PacketsReadAsOneByteStream) {
    // Eight-byte buffers, so that long data visibly continues in the next one.
    std::vector<TMidiInBuffer> buffers(8);
    std::deque<TMidiInBuffer*> pool;
    for (auto& b : buffers) {
        b.Data.resize(8);
        pool.push_back(&b);
    }
    TMidiStreamParser parser;
    std::vector<std::string> out;
    for (const TBytes& p : GetParam().packets) {
        parser.Feed(
            p.data(), p.size(), pool,
            [&](std::uint32_t packed) {
                const std::uint8_t m[3] = {std::uint8_t(packed), std::uint8_t(packed >> 8),
                                           std::uint8_t(packed >> 16)};
                const std::size_t n = m[2] ? 3 : m[1] ? 2 : 1;
                out.push_back(Hex(m, n));
            },
            [&](TMidiInBuffer* b) {
                out.push_back("[" + Hex(b->Data.data(), b->BytesRecorded) + "]");
                pool.push_back(b);
            });
    }
    EXPECT_EQ(out, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MidiStream,
    ::testing::Values(
        TStreamCase{"OneMessagePerPacket",
                    {{0x90, 0x3C, 0x40}, {0xC0, 0x05}, {0xFE}},
                    {"90 3C 40", "C0 05", "FE"}},
        TStreamCase{
            "RunningStatusInOnePacket", {{0x80, 0x3C, 0x00, 0x3E, 0x00}}, {"80 3C", "80 3E"}},
        TStreamCase{"RunningStatusAcrossPackets",
                    {{0x90, 0x3C, 0x40}, {0x3E, 0x41}},
                    {"90 3C 40", "90 3E 41"}},
        TStreamCase{"MessageSplitAcrossPackets", {{0xB0, 0x07}, {0x64}}, {"B0 07 64"}},
        TStreamCase{"RealTimeInsideAMessage", {{0x90, 0xF8, 0x3C, 0x40}}, {"F8", "90 3C 40"}},
        TStreamCase{"DataWithoutStatusIsDropped", {{0x3C, 0x40}, {0xF7, 0x3C}}, {}},
        TStreamCase{"SystemCommonEndsRunningStatus",
                    {{0x90, 0x3C, 0x40, 0xF3, 0x05, 0x3E, 0x40, 0xF6}},
                    {"90 3C 40", "F3 05", "F6"}},
        TStreamCase{"SysExFillsBuffersInTurn",
                    {{0xF0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0xF7, 0xC0, 0x01}},
                    {"[F0 01 02 03 04 05 06 07]", "[08 09 F7]", "C0 01"}},
        TStreamCase{
            "SysExContinuesInTheNextPacket", {{0xF0, 0x43}, {0x12, 0xF7}}, {"[F0 43]", "[12 F7]"}},
        TStreamCase{"RealTimeSplitsSysExData",
                    {{0xF0, 0x01, 0xF8, 0x02, 0xF7}},
                    {"[F0 01]", "F8", "[02 F7]"}},
        TStreamCase{"StatusEndsUnterminatedSysEx",
                    {{0xF0, 0x01, 0x90, 0x3C, 0x40}},
                    {"[F0 01]", "90 3C 40"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MidiStreamParser, RunsDryWithoutBuffersAndCountsTheLoss) {
    std::deque<TMidiInBuffer*> none;
    TMidiStreamParser parser;
    const TBytes sysex = {0xF0, 1, 2, 0xF7};
    EXPECT_EQ(
        parser.Feed(
            sysex.data(), sysex.size(), none, [](std::uint32_t) {}, [](TMidiInBuffer*) { FAIL(); }),
        4u);
}

}  // namespace
