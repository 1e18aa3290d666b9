// Standard MIDI Files read for playing and the recorder's bookkeeping: times through tempo
// changes, running status and merged tracks; damaged files refused with a message that says why.
#include "record/midifile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "record/midirecorder.h"

namespace {

std::string VarLen(uint32_t n) {
    std::string out(1, static_cast<char>(n & 0x7F));
    while (n >>= 7) out.insert(out.begin(), static_cast<char>((n & 0x7F) | 0x80));
    return out;
}

std::string Be(uint32_t v, int bytes) {
    std::string out;
    for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    return out;
}

std::string Bytes(std::initializer_list<int> list) {
    std::string out;
    for (int b : list) out += static_cast<char>(b);
    return out;
}

std::string Chunk(const std::string& type, const std::string& body) {
    return type + Be(static_cast<uint32_t>(body.size()), 4) + body;
}

std::string Smf(int format, int division, const std::vector<std::string>& tracks) {
    std::string file = Chunk(
        "MThd", Be(format, 2) + Be(static_cast<uint32_t>(tracks.size()), 2) + Be(division, 2));
    for (const auto& t : tracks) file += Chunk("MTrk", t);
    return file;
}

const std::string kEnd = VarLen(0) + Bytes({0xFF, 0x2F, 0});

struct TSongCase {
    const char* name;
    std::string file;
    std::vector<TTimedMessage> expected;  // times in ms
};

class MidiFileSongs : public ::testing::TestWithParam<TSongCase> {};

TEST_P(MidiFileSongs, ReadsMessagesAtTheirTimes) {
    const TSongCase& c = GetParam();
    TMidiSong song;
    QString error;
    ASSERT_TRUE(TMidiFile::Parse(reinterpret_cast<const uint8_t*>(c.file.data()), c.file.size(),
                                 song, error))
        << error.toStdString();
    ASSERT_EQ(song.Messages.size(), c.expected.size());
    for (size_t i = 0; i < c.expected.size(); ++i) {
        const TTimedMessage& m = song.Messages[i];
        const TTimedMessage& e = c.expected[i];
        EXPECT_EQ(m.TimeNs, e.TimeNs * 1000000) << "message " << i;
        EXPECT_EQ((std::vector<int>{m.Status, m.Data1, m.Data2}),
                  (std::vector<int>{e.Status, e.Data1, e.Data2}))
            << "message " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, MidiFileSongs,
    ::testing::Values(
        // Tempo 0.4 s a quarter, 0.8 s from tick 192 on, in the first track; the notes in the
        // second, with running status after the first; a system-exclusive event is skipped and
        // ends running status.
        TSongCase{
            "TempoChangesAndRunningStatusAcrossTracks",
            Smf(1, 96,
                {VarLen(0) + Bytes({0xFF, 0x51, 3, 0x06, 0x1A, 0x80}) + VarLen(192) +
                     Bytes({0xFF, 0x51, 3, 0x0C, 0x35, 0x00}) + kEnd,
                 VarLen(96) + Bytes({0x92, 50, 64}) + VarLen(0) + Bytes({52, 64}) + VarLen(192) +
                     Bytes({50, 0}) + VarLen(0) + Bytes({0xF0, 3, 0x7E, 0x01, 0xF7}) + VarLen(12) +
                     Bytes({0x82, 52, 30}) + VarLen(0) + Bytes({0xC2, 7}) + kEnd}),
            {{400, 0x92, 50, 64},
             {400, 0x92, 52, 64},
             {1600, 0x92, 50, 0},
             {1700, 0x82, 52, 30},
             {1700, 0xC2, 7, 0}}},
        // 25 frames a second of 40 ticks: a millisecond a tick, whatever the tempo says.
        TSongCase{"SmpteTime",
                  Smf(0, 0xE728,
                      {VarLen(0) + Bytes({0xFF, 0x51, 3, 0x0C, 0x35, 0x00}) + VarLen(250) +
                       Bytes({0xB0, 7, 100}) + VarLen(750) + Bytes({0xE0, 0, 0x40}) + kEnd}),
                  {{250, 0xB0, 7, 100}, {1000, 0xE0, 0, 0x40}}},
        // A chunk of an unknown type is passed over; the track needs no end mark.
        TSongCase{"UnknownChunkAndNoEndOfTrack",
                  Smf(0, 480, {VarLen(480) + Bytes({0x90, 60, 1})}).insert(14, Chunk("XFIH", "ab")),
                  {{500, 0x90, 60, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct TDamagedCase {
    const char* name;
    std::string file;
    const char* says;
};

class MidiFileDamaged : public ::testing::TestWithParam<TDamagedCase> {};

TEST_P(MidiFileDamaged, GivesAClearMessageAndNothingToPlay) {
    const TDamagedCase& c = GetParam();
    TMidiSong song;
    QString error;
    EXPECT_FALSE(TMidiFile::Parse(reinterpret_cast<const uint8_t*>(c.file.data()), c.file.size(),
                                  song, error));
    EXPECT_TRUE(error.contains(QString::fromLatin1(c.says))) << error.toStdString();
    EXPECT_TRUE(song.Messages.empty());
}

const std::string kNote = VarLen(0) + Bytes({0x90, 60, 100});

INSTANTIATE_TEST_SUITE_P(
    Files, MidiFileDamaged,
    ::testing::Values(
        TDamagedCase{"NotMidi", "RIFF\x10\0\0\0WAVEfmt ", "not a Standard MIDI File"},
        TDamagedCase{"HeaderCut", std::string("MThd\0\0\0\x06\0\0", 10), "header is cut short"},
        TDamagedCase{"TruncatedChunk", Smf(0, 96, {kNote + kEnd}).substr(0, 24),
                     "ends inside a chunk that begins at byte 14"},
        TDamagedCase{"TrackLengthCutsAnEvent",
                     Smf(0, 96, {kNote}).replace(18, 4, Be(3, 4)) + Bytes({100}),
                     "runs past the end of its track"},
        TDamagedCase{"RunningStatusWithoutStatus",
                     Smf(0, 96, {VarLen(0) + Bytes({60, 100}) + kEnd}), "without a status byte"},
        TDamagedCase{"ZeroLengthTrack", Smf(0, 96, {""}), "holds no notes"},
        TDamagedCase{"HugeDeltaTimes",
                     Smf(0, 96, {kNote + VarLen(0x0FFFFFFF) + Bytes({0x90, 60, 0}) + kEnd}),
                     "more than a day"},
        TDamagedCase{"DeltaOfFiveBytes",
                     Smf(0, 96, {Bytes({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 60, 1}) + kEnd}),
                     "longer than four bytes"},
        TDamagedCase{"SystemCommonInATrack", Smf(0, 96, {VarLen(0) + Bytes({0xF4}) + kEnd}),
                     "cannot begin an event"},
        TDamagedCase{"DataByteWithTopBit", Smf(0, 96, {VarLen(0) + Bytes({0x90, 60, 0x90}) + kEnd}),
                     "cut short by another status byte"},
        TDamagedCase{"FormatTwo", Smf(2, 96, {kNote + kEnd}), "format 2"},
        TDamagedCase{"ZeroDivision", Smf(0, 0, {kNote + kEnd}), "no length to its ticks"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MidiFileRead, AHundredMegabyteFileIsRefusedBeforeItIsRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.mid");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(100LL * 1024 * 1024));
    f.close();
    TMidiSong song;
    QString error;
    EXPECT_FALSE(TMidiFile::Read(path, song, error));
    EXPECT_TRUE(error.contains("\"huge.mid\" is 100 MB")) << error.toStdString();
}

TEST(MidiRecorder, StopReleasesHeldNotesAndTimesNeverGoBack) {
    TMidiRecorder r;
    r.Start(1000);
    r.Add(0x90, 60, 100, 900);  // a key stamped before the start counts from the start
    r.Add(0x91, 64, 90, 5000);
    r.Add(0x91, 64, 90, 6000);  // struck twice: released twice
    r.Add(0xB0, 7, 80, 4000);   // stamped before the message before it
    r.Add(0x90, 60, 0, 7000);
    r.Stop(9000);
    std::vector<std::vector<int64_t>> got;
    for (const auto& m : r.Messages()) got.push_back({m.TimeNs, m.Status, m.Data1, m.Data2});
    EXPECT_EQ(got, (std::vector<std::vector<int64_t>>{{0, 0x90, 60, 100},
                                                      {4000, 0x91, 64, 90},
                                                      {5000, 0x91, 64, 90},
                                                      {5000, 0xB0, 7, 80},
                                                      {6000, 0x90, 60, 0},
                                                      {8000, 0x91, 64, 0},
                                                      {8000, 0x91, 64, 0}}));
    EXPECT_TRUE(r.Unsaved());
    r.Add(0x90, 1, 1, 10000);  // stopped: nothing more
    EXPECT_EQ(r.Messages().size(), 7u);
}

}  // namespace
