#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One short channel message at a moment, in nanoseconds from the start of a recording or a song.
struct TTimedMessage {
    std::int64_t TimeNs = 0;
    std::uint8_t Status = 0;
    std::uint8_t Data1 = 0;
    std::uint8_t Data2 = 0;
};

// What a Standard MIDI File holds for playing: the channel messages of all its tracks merged in
// the order of their times, the times worked out through the file's tempo changes.
struct TMidiSong {
    int Format = 0;
    int Tracks = 0;
    std::vector<TTimedMessage> Messages;
    std::int64_t LengthNs = 0;  // the last event's time (end-of-track marks included)
    int SkippedSysEx = 0;       // system-exclusive events, which are not played
};

// Standard MIDI Files, read and written by hand: a file is a header chunk and track chunks of
// variable-length delta times and events, few enough kinds to follow exactly, and a reader of
// files from anywhere has to survive any byte in them.
class TMidiFile {
    Q_DECLARE_TR_FUNCTIONS(TMidiFile)

public:
    // Files larger than this are refused before they are read: a song of several hours takes
    // a fraction of it.
    static constexpr std::int64_t kMaxFileBytes = 16 * 1024 * 1024;
    // An event later than this is a damaged delta time, not music.
    static constexpr std::int64_t kMaxSongNs = 24LL * 3600 * 1000000000;
    // What is written: 960 ticks per quarter note at 120 beats a minute, 0.52 ms a tick.
    static constexpr int kTicksPerQuarter = 960;
    static constexpr int kMicrosecondsPerQuarter = 500000;

    // Reads a file's bytes; false with `error` (in the user's language) when they are not a
    // Standard MIDI File of format 0 or 1 with something to play, and `song` is then empty.
    static bool Parse(const std::uint8_t* data, std::size_t size, TMidiSong& song, QString& error);
    // Reads the file at path (refusing one over kMaxFileBytes); the error names the file.
    static bool Read(const QString& path, TMidiSong& song, QString& error);

    // A format 0 file of the messages (in their order; times that go back are taken as the
    // time before), with the track name, the tempo and an end-of-track at endNs (or at the last
    // message, when later).
    static std::string Bytes(const std::vector<TTimedMessage>& messages, const std::string& name,
                             std::int64_t endNs);
    // Writes them to path atomically; false with `error` when that fails.
    static bool Write(const QString& path, const std::vector<TTimedMessage>& messages,
                      const std::string& name, std::int64_t endNs, QString& error);

    // The tick of a moment in what Bytes writes, and back.
    static std::int64_t TickOf(std::int64_t ns);
    static std::int64_t NsOfTick(std::int64_t tick);
};
