#include "record/midifile.h"

#include <QFileInfo>
#include <algorithm>

#include "platform/settings/atomicfile.h"

namespace {

// An event of a track before the tempo map turns its tick into a time.
struct TTickEvent {
    std::uint64_t Tick;
    std::uint8_t Status, Data1, Data2;
};

struct TTempoChange {
    std::uint64_t Tick;
    std::uint32_t MicrosecondsPerQuarter;
};

// Walks the chunks and events of a file's bytes; every read is checked against the end of what
// it may read, and the first fault ends the walk with its message.
class TSmfReader {
public:
    TSmfReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool Run(TMidiSong& song, QString& error);

private:
    bool Fail(const QString& text) {
        if (m_error.isEmpty()) m_error = text;
        return false;
    }
    bool Need(std::size_t pos, std::size_t count, std::size_t end) const {
        return pos <= end && count <= end - pos;
    }
    std::uint32_t Be(std::size_t pos, int bytes) const {
        std::uint32_t v = 0;
        for (int i = 0; i < bytes; ++i) v = v << 8 | m_data[pos + i];
        return v;
    }
    // A variable-length number: seven bits a byte, at most four bytes.
    bool VarLen(std::size_t& pos, std::size_t end, std::uint32_t& value);
    bool Track(std::size_t pos, std::size_t end);
    bool Times(int division, TMidiSong& song);

    const std::uint8_t* m_data;
    std::size_t m_size;
    QString m_error;
    std::vector<TTickEvent> m_events;
    std::vector<TTempoChange> m_tempos;
    std::uint64_t m_lastTick = 0;
    int m_skipped = 0;
};

bool TSmfReader::VarLen(std::size_t& pos, std::size_t end, std::uint32_t& value) {
    value = 0;
    const std::size_t start = pos;
    for (int i = 0; i < 4; ++i) {
        if (pos >= end)
            return Fail(TMidiFile::tr("An event at byte %1 runs past the end of its track: the "
                                      "file is cut short or damaged.")
                            .arg(start));
        const std::uint8_t b = m_data[pos++];
        value = value << 7 | (b & 0x7F);
        if (!(b & 0x80)) return true;
    }
    return Fail(TMidiFile::tr("A number at byte %1 is longer than four bytes: the file is "
                              "damaged.")
                    .arg(start));
}

bool TSmfReader::Track(std::size_t pos, std::size_t end) {
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    const auto cut = [this](std::size_t at) {
        return Fail(TMidiFile::tr("An event at byte %1 runs past the end of its track: the file "
                                  "is cut short or damaged.")
                        .arg(at));
    };
    while (pos < end) {
        std::uint32_t delta = 0;
        if (!VarLen(pos, end, delta)) return false;
        tick += delta;
        m_lastTick = std::max(m_lastTick, tick);
        const std::size_t at = pos;
        if (pos >= end) return cut(at);
        const std::uint8_t b = m_data[pos];
        if (b == 0xFF) {
            // Meta event: type, length, data. Only the tempo and the end of the track matter.
            if (!Need(pos, 2, end)) return cut(at);
            const std::uint8_t type = m_data[pos + 1];
            pos += 2;
            std::uint32_t length = 0;
            if (!VarLen(pos, end, length)) return false;
            if (!Need(pos, length, end)) return cut(at);
            if (type == 0x51 && length >= 3) {
                const std::uint32_t tempo = Be(pos, 3);
                if (tempo > 0) m_tempos.push_back({tick, tempo});
            }
            pos += length;
            running = 0;
            if (type == 0x2F) break;
        } else if (b == 0xF0 || b == 0xF7) {
            // System-exclusive data (or an escape): the output takes short messages only.
            ++pos;
            std::uint32_t length = 0;
            if (!VarLen(pos, end, length)) return false;
            if (!Need(pos, length, end)) return cut(at);
            pos += length;
            running = 0;
            ++m_skipped;
        } else if (b > 0xF0) {
            return Fail(TMidiFile::tr("Byte %1 holds 0x%2, which cannot begin an event in a MIDI "
                                      "file: the file is damaged.")
                            .arg(at)
                            .arg(b, 2, 16, QLatin1Char('0')));
        } else {
            std::uint8_t status = running;
            if (b & 0x80) {
                status = b;
                ++pos;
            } else if (status == 0) {
                return Fail(TMidiFile::tr("Data without a status byte at byte %1 (running status "
                                          "with no message before it): the file is damaged.")
                                .arg(at));
            }
            running = status;
            const int count = (status & 0xE0) == 0xC0 ? 1 : 2;
            if (!Need(pos, count, end)) return cut(at);
            std::uint8_t data[2] = {0, 0};
            for (int i = 0; i < count; ++i) {
                data[i] = m_data[pos + i];
                if (data[i] & 0x80)
                    return Fail(TMidiFile::tr("The message at byte %1 is cut short by another "
                                              "status byte: the file is damaged.")
                                    .arg(at));
            }
            pos += count;
            m_events.push_back({tick, status, data[0], data[1]});
        }
    }
    return true;
}

bool TSmfReader::Times(int division, TMidiSong& song) {
    // Tempo changes of every track make one map; events of the tracks merge by tick, a tie kept
    // in the order of the tracks.
    std::stable_sort(m_events.begin(), m_events.end(),
                     [](const TTickEvent& a, const TTickEvent& b) { return a.Tick < b.Tick; });
    std::stable_sort(m_tempos.begin(), m_tempos.end(),
                     [](const TTempoChange& a, const TTempoChange& b) { return a.Tick < b.Tick; });
    const bool smpte = division & 0x8000;
    // SMPTE division: frames a second (as a negative number) and ticks a frame; 29 stands for
    // 29.97 frames.
    const int fps = smpte ? -static_cast<std::int8_t>(division >> 8) : 0;
    const int perFrame = division & 0xFF;
    const __int128 tickDenominator =
        smpte ? static_cast<__int128>(fps == 29 ? 2997 : fps * 100) * perFrame : division;
    if (tickDenominator <= 0)
        return Fail(
            TMidiFile::tr("The file's header gives no length to its ticks: the file is "
                          "damaged."));
    std::size_t nextTempo = 0;
    std::uint64_t segmentTick = 0;
    __int128 segmentNs = 0;
    std::uint32_t tempo = TMidiFile::kMicrosecondsPerQuarter;
    const auto nsAt = [&](std::uint64_t tick) -> __int128 {
        if (smpte) return static_cast<__int128>(tick) * 100 * 1000000000 / tickDenominator;
        while (nextTempo < m_tempos.size() && m_tempos[nextTempo].Tick <= tick) {
            const TTempoChange& change = m_tempos[nextTempo++];
            segmentNs +=
                static_cast<__int128>(change.Tick - segmentTick) * tempo * 1000 / tickDenominator;
            segmentTick = change.Tick;
            tempo = change.MicrosecondsPerQuarter;
        }
        return segmentNs +
               static_cast<__int128>(tick - segmentTick) * tempo * 1000 / tickDenominator;
    };
    song.Messages.reserve(m_events.size());
    for (const TTickEvent& e : m_events) {
        const __int128 ns = nsAt(e.Tick);
        if (ns > TMidiFile::kMaxSongNs)
            return Fail(
                TMidiFile::tr("An event comes more than a day into the song: the file's "
                              "delta times are damaged."));
        song.Messages.push_back({static_cast<std::int64_t>(ns), e.Status, e.Data1, e.Data2});
    }
    const __int128 end = nsAt(m_lastTick);
    song.LengthNs = static_cast<std::int64_t>(std::min<__int128>(end, TMidiFile::kMaxSongNs));
    return true;
}

bool TSmfReader::Run(TMidiSong& song, QString& error) {
    song = TMidiSong();
    const auto done = [&](bool ok) {
        if (!ok) {
            error = m_error;
            song = TMidiSong();
        }
        return ok;
    };
    if (m_size < 4 || Be(0, 4) != 0x4D546864)  // "MThd"
        return done(
            Fail(TMidiFile::tr("This is not a Standard MIDI File: it does not begin "
                               "with a MIDI header.")));
    if (!Need(0, 14, m_size) || Be(4, 4) < 6 || !Need(8, Be(4, 4), m_size))
        return done(Fail(TMidiFile::tr("The file's header is cut short.")));
    const std::size_t headerEnd = 8 + Be(4, 4);
    song.Format = static_cast<int>(Be(8, 2));
    const int division = static_cast<int>(Be(12, 2));
    if (song.Format > 1)
        return done(Fail(TMidiFile::tr("Files of format %1 are not played: only formats 0 and 1 "
                                       "are.")
                             .arg(song.Format)));
    // Chunks of other types are skipped, as the format asks of a reader.
    std::size_t pos = headerEnd;
    while (pos < m_size) {
        if (!Need(pos, 8, m_size) || !Need(pos + 8, Be(pos + 4, 4), m_size))
            return done(Fail(TMidiFile::tr("The file ends inside a chunk that begins at byte %1: "
                                           "it is cut short or the chunk's length is wrong.")
                                 .arg(pos)));
        const std::size_t length = Be(pos + 4, 4);
        if (Be(pos, 4) == 0x4D54726B) {  // "MTrk"
            ++song.Tracks;
            if (!Track(pos + 8, pos + 8 + length)) return done(false);
        }
        pos += 8 + length;
    }
    if (!Times(division, song)) return done(false);
    song.SkippedSysEx = m_skipped;
    if (song.Messages.empty())
        return done(Fail(TMidiFile::tr("The file holds no notes or other messages to play.")));
    return done(true);
}

void PutVarLen(std::string& out, std::uint32_t value) {
    char bytes[4];
    int n = 0;
    do {
        bytes[n++] = static_cast<char>(value & 0x7F);
        value >>= 7;
    } while (value != 0 && n < 4);
    while (n > 1) out += static_cast<char>(bytes[--n] | 0x80);
    out += bytes[0];
}

void PutBe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

bool TMidiFile::Parse(const std::uint8_t* data, std::size_t size, TMidiSong& song, QString& error) {
    return TSmfReader(data, size).Run(song, error);
}

bool TMidiFile::Read(const QString& path, TMidiSong& song, QString& error) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (info.exists() && info.size() > kMaxFileBytes) {
        error = tr("\"%1\" is %2 MB large: MIDI files over %3 MB are not played.")
                    .arg(name)
                    .arg(info.size() / (1024 * 1024))
                    .arg(kMaxFileBytes / (1024 * 1024));
        return false;
    }
    std::string bytes, reason;
    if (ReadWholeFile(path.toStdString(), bytes, &reason) != TReadResult::Ok) {
        error = tr("\"%1\" cannot be read: %2").arg(name, QString::fromStdString(reason));
        return false;
    }
    QString why;
    if (Parse(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), song, why))
        return true;
    error = tr("\"%1\" cannot be played: %2").arg(name, why);
    return false;
}

std::int64_t TMidiFile::TickOf(std::int64_t ns) {
    // ticks = ns * 960 / 500,000,000 = ns * 24 / 12,500,000, rounded.
    return ns <= 0 ? 0 : (ns * 24 + 6250000) / 12500000;
}

std::int64_t TMidiFile::NsOfTick(std::int64_t tick) { return (tick * 12500000 + 12) / 24; }

std::string TMidiFile::Bytes(const std::vector<TTimedMessage>& messages, const std::string& name,
                             std::int64_t endNs) {
    std::string track;
    track.reserve(messages.size() * 4 + name.size() + 32);
    PutVarLen(track, 0);
    track += "\xFF\x03";
    PutVarLen(track, static_cast<std::uint32_t>(name.size()));
    track += name;
    PutVarLen(track, 0);
    track += "\xFF\x51\x03";
    PutBe(track, kMicrosecondsPerQuarter, 3);
    std::int64_t tick = 0;
    std::uint8_t running = 0;
    // A delta time holds 28 bits (77 hours at this resolution): a longer gap is bridged with
    // empty text events, which end running status.
    const auto advance = [&](std::int64_t to) {
        std::int64_t delta = std::max<std::int64_t>(0, to - tick);
        while (delta > 0x0FFFFFFF) {
            PutVarLen(track, 0x0FFFFFFF);
            track += std::string("\xFF\x01\x00", 3);
            delta -= 0x0FFFFFFF;
            running = 0;
        }
        PutVarLen(track, static_cast<std::uint32_t>(delta));
        tick = std::max(tick, to);
    };
    for (const TTimedMessage& m : messages) {
        if (m.Status < 0x80 || m.Status >= 0xF0) continue;
        advance(TickOf(m.TimeNs));
        if (m.Status != running) track += static_cast<char>(m.Status);
        running = m.Status;
        track += static_cast<char>(m.Data1 & 0x7F);
        if ((m.Status & 0xE0) != 0xC0) track += static_cast<char>(m.Data2 & 0x7F);
    }
    advance(TickOf(endNs));
    track += std::string("\xFF\x2F\x00", 3);

    std::string file = "MThd";
    PutBe(file, 6, 4);
    PutBe(file, 0, 2);  // format 0: one track
    PutBe(file, 1, 2);
    PutBe(file, kTicksPerQuarter, 2);
    file += "MTrk";
    PutBe(file, static_cast<std::uint32_t>(track.size()), 4);
    file += track;
    return file;
}

bool TMidiFile::Write(const QString& path, const std::vector<TTimedMessage>& messages,
                      const std::string& name, std::int64_t endNs, QString& error) {
    std::string reason;
    if (WriteFileAtomically(path.toStdString(), Bytes(messages, name, endNs), &reason)) return true;
    error = tr("\"%1\" could not be written: %2")
                .arg(QFileInfo(path).fileName(), QString::fromStdString(reason));
    return false;
}
