// The Record menu on the main window: what is played is recorded with its moments and saved as a
// file another program reads the same; a file plays through the output, lights the keys and
// stops with nothing sounding; a recording nobody saved is kept and offered at the next start.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/recordlink.h"
#include "keyboard/keyboard.h"
#include "platform/lib/steadyclock.h"
#include "record/midifile.h"
#include "support/keyevents.h"
#include "support/testwindow.h"

namespace {

// One message as an independent reader (mido) sees it: its tick and its bytes.
struct TReadBack {
    int64_t tick;
    uint32_t packed;
};

// The file's header facts, meta events and messages, read by mido.
struct TMidoFile {
    QStringList header;
    QStringList metas;
    std::vector<TReadBack> messages;
};

TMidoFile ReadWithMido(const QString& path) {
    static const char kScript[] = R"(
import sys, mido
f = mido.MidiFile(sys.argv[1])
print('type', f.type, 'ticks', f.ticks_per_beat, 'tracks', len(f.tracks))
for track in f.tracks:
    tick = 0
    for m in track:
        tick += m.time
        if m.is_meta:
            print('meta', tick, m.type, getattr(m, 'name', getattr(m, 'tempo', '')))
        else:
            print('msg', tick, *m.bytes())
)";
    QProcess p;
    p.start("/usr/bin/python3", {"-c", kScript, path});
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    TMidoFile file;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        const QStringList f = line.split(' ');
        if (f[0] == "type") file.header = f;
        if (f[0] == "meta") file.metas << f.mid(1).join(' ');
        if (f[0] != "msg") continue;
        uint32_t packed = 0;
        for (int i = 2; i < f.size(); ++i) packed |= f[i].toUInt() << (8 * (i - 2));
        file.messages.push_back({f[1].toLongLong(), packed});
    }
    return file;
}

class RecordTest : public TWindowTest {
protected:
    void SetUp() override {
        AddDevices("Synth", "Keys In");
        Start();
    }
    void Start() {
        TWindowTest::Start();
        w->Record().Recorder();  // the window has its Record menu from the start
    }
    QAction* Action(const char* name) { return w->FindAction(name); }
    // Steady-clock moments around an action, and how many messages it sent.
    struct TSpan {
        int64_t from, to;
        size_t sent;
    };
    template <class F>
    TSpan Act(F&& action) {
        const size_t before = Sent().size();
        const int64_t from = SteadyNowNs();
        action();
        return {from, SteadyNowNs(), Sent().size() - before};
    }
    std::string Kept() const { return keepDir.path().toStdString(); }

    QTemporaryDir dir, keepDir;
};

// Keys with a chord, thru, a controller and Panic, and a note still held at the stop: the file
// holds every message sent, in the order sent, each at the moment it was played (within a tick),
// and the held note's release at the stop.
TEST_F(RecordTest, ARecordingReadsBackWithAnotherReaderAsPlayed) {
    w->Keyboard1->Player().SetChord(chMajor);
    const TSpan start = Act([&] { Action("StartRecording1")->trigger(); });
    EXPECT_EQ(Action("StartRecording1")->text(), "&Stop Recording");
    EXPECT_TRUE(Status()->RecordText().startsWith("Recording 0:0"));
    std::vector<TSpan> spans;
    spans.push_back(Act([&] { keytest::Press(w->windowHandle(), 44, Qt::Key_Z); }));
    QTest::qWait(30);
    spans.push_back(Act([&] { keytest::Release(w->windowHandle(), 44, Qt::Key_Z); }));
    QTest::qWait(20);
    spans.push_back(Act([&] { Receive({0x503C92}); }));
    spans.push_back(Act([&] { w->FormMouseWheel(120, Qt::NoModifier); }));
    QTest::qWait(20);
    spans.push_back(Act([&] { w->BPanicClick(); }));
    QTest::qWait(20);
    w->Keyboard1->Player().SetChord(chNone);
    spans.push_back(Act([&] { Receive({0x644092}); }));  // held through thru at the stop
    QTest::qWait(20);
    const TSpan stop = Act([&] { Action("StartRecording1")->trigger(); });
    EXPECT_EQ(Action("StartRecording1")->text(), "&Start Recording");
    EXPECT_EQ(Status()->RecordText(), "");
    EXPECT_GT(spans[0].sent, 2u);     // the chord's notes
    EXPECT_GT(spans[4].sent, 2000u);  // Panic

    prompts.saveMidiTo = dir.filePath("take");
    Action("SaveRecording1")->trigger();
    ASSERT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join('\n').toStdString();
    const TMidoFile file = ReadWithMido(dir.filePath("take.mid"));
    EXPECT_EQ(file.header, (QStringList{"type", "0", "ticks", "960", "tracks", "1"}));
    EXPECT_EQ(file.metas,
              (QStringList{"0 track_name Tastra recording", "0 set_tempo 500000",
                           QString("%1 end_of_track ")
                               .arg(file.messages.empty() ? 0 : file.messages.back().tick)}));
    const std::vector<uint32_t> sent = Sent();
    ASSERT_EQ(file.messages.size(), sent.size() + 1);
    const int64_t tick = TMidiFile::NsOfTick(1);
    size_t i = 0;
    const auto expectWithin = [&](const TReadBack& m, int64_t from, int64_t to) {
        const int64_t ns = TMidiFile::NsOfTick(m.tick);
        EXPECT_GE(ns, from - start.to - tick) << "message " << i;
        EXPECT_LE(ns, to - start.from + tick) << "message " << i;
    };
    for (const TSpan& span : spans)
        for (size_t k = 0; k < span.sent; ++k, ++i) {
            EXPECT_EQ(file.messages[i].packed, sent[i]) << "message " << i;
            expectWithin(file.messages[i], span.from, span.to);
        }
    EXPECT_EQ(file.messages.back().packed, 0x004092u);  // released at the stop
    expectWithin(file.messages.back(), stop.from, stop.to);
    EXPECT_NE(Status()->PanelText(0).indexOf("take.mid"), -1);
}

TEST_F(RecordTest, ASaveThatFailsSaysSoAndKeepsTheRecording) {
    Action("StartRecording1")->trigger();
    w->FormMouseWheel(120, Qt::NoModifier);
    Action("StartRecording1")->trigger();
    prompts.saveMidiTo = dir.filePath("no such folder/take.mid");
    Action("SaveRecording1")->trigger();
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].contains("\"take.mid\" could not be written"));
    EXPECT_TRUE(w->Record().Recorder().Unsaved());
    prompts.saveMidiTo = dir.filePath("take.mid");
    Action("SaveRecording1")->trigger();
    EXPECT_FALSE(w->Record().Recorder().Unsaved());
    EXPECT_EQ(ReadWithMido(dir.filePath("take.mid")).messages.size(), 1u);
}

// Closing the window and starting a new recording keep what was not saved; the next start
// offers it, and saving moves it where the user wants it.
TEST_F(RecordTest, AnUnsavedRecordingIsKeptAndOfferedAtTheNextStart) {
    Stop();
    // A window that keeps recordings in the test's folder.
    const auto startKeeping = [&] {
        TTastraServices services;
        services.midiOut = &out;
        services.midiIn = &in;
        services.openSettingsRoot = [this] { return std::make_unique<TSharedStoreView>(store); };
        services.recordingsFolder = Kept();
        w = StartTestWindow(services, prompts);
    };
    startKeeping();
    Action("StartRecording1")->trigger();
    w->FormMouseWheel(120, Qt::NoModifier);
    Action("StartRecording1")->trigger();
    Action("StartRecording1")->trigger();  // a new recording: the first is kept
    w->FormMouseWheel(-120, Qt::NoModifier);
    Stop();  // closing while recording keeps the second
    QDir kept(keepDir.path());
    ASSERT_EQ(kept.entryList(QDir::Files).size(), 2)
        << kept.entryList(QDir::Files).join(' ').toStdString();

    prompts.keptAnswer = TUserPrompts::kaDiscard;
    startKeeping();
    EXPECT_EQ(prompts.keptAsked.size(), 2);
    EXPECT_TRUE(kept.entryList(QDir::Files).isEmpty());
    prompts.keptAsked.clear();

    Action("StartRecording1")->trigger();
    w->FormMouseWheel(120, Qt::NoModifier);
    Stop();
    prompts.keptAnswer = TUserPrompts::kaSave;
    prompts.saveMidiTo = dir.filePath("found.mid");
    startKeeping();
    EXPECT_EQ(prompts.keptAsked.size(), 1);
    EXPECT_TRUE(kept.entryList(QDir::Files).isEmpty());
    EXPECT_EQ(ReadWithMido(dir.filePath("found.mid")).messages.size(), 1u);
}

// A file plays through the output and lights its keys; the keyboard plays along; stopping
// releases the notes it started and its sustain.
TEST_F(RecordTest, PlayingAFileSendsItLightsTheKeysAndStoppingLeavesNothingSounding) {
    const QString path = dir.filePath("song.mid");
    QString error;
    ASSERT_TRUE(TMidiFile::Write(path,
                                 {{0, 0xB1, 64, 127},
                                  {0, 0x91, 60, 100},
                                  {20000000, 0x81, 60, 0},
                                  {30000000, 0x91, 62, 90},
                                  {9000000000, 0x91, 62, 0}},
                                 "song", 9000000000, error));
    prompts.playMidiFrom = path;
    Action("PlayMidiFile1")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Sent().size() >= 4; }, 5000));
    EXPECT_EQ(Sent(), (std::vector<uint32_t>{0x7F40B1, 0x643C91, 0x003C91, 0x5A3E91}));
    EXPECT_GT(w->Player().ThruCount(62), 0);
    EXPECT_EQ(w->Player().ThruCount(60), 0);
    EXPECT_EQ(Action("PlayMidiFile1")->text(), "Stop &Playing");
    EXPECT_TRUE(Status()->RecordText().startsWith("Playing 0:0"));
    keytest::Press(w->windowHandle(), 44, Qt::Key_Z);
    EXPECT_EQ(Sent().size(), 5u);
    keytest::Release(w->windowHandle(), 44, Qt::Key_Z);
    out.ClearSent();
    Action("PlayMidiFile1")->trigger();
    EXPECT_EQ(Sent(), (std::vector<uint32_t>{0x003E91, 0x0040B1}));
    EXPECT_EQ(w->Player().ThruCount(62), 0);
    EXPECT_EQ(Action("PlayMidiFile1")->text(), "&Play MIDI File...");
    EXPECT_TRUE(prompts.errors.isEmpty());
}

TEST_F(RecordTest, ADamagedFileIsReportedAndNothingPlays) {
    QFile f(dir.filePath("cut.mid"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("MThd\0\0\0\x06\0\0\0\x01\0\x60MTrk\0\0\0\x40\0\x90\x3c", 26));
    f.close();
    prompts.playMidiFrom = f.fileName();
    Action("PlayMidiFile1")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.errors.isEmpty(); }, 5000));
    EXPECT_TRUE(prompts.errors[0].startsWith("\"cut.mid\" cannot be played: The file ends inside"))
        << prompts.errors[0].toStdString();
    QTest::qWait(50);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(Action("PlayMidiFile1")->text(), "&Play MIDI File...");
}

}  // namespace
