// The built-in synth as a device: started in the background into a JACK server, its soundfont
// chosen, replaced and refused, and the channel state a new synthesizer takes over.
#include "platform/midi/synthdevice.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <csignal>
#include <cstdio>

#include "platform/midi/synthchannels.h"
#include "platform/midi/systemmidi.h"
#include "support/jacktest.h"

namespace {

std::uint32_t Pack(int status, int d1, int d2 = 0) { return status | d1 << 8 | d2 << 16; }

class SynthDeviceJack : public TJackTest {
protected:
    void SetUp() override {
        TJackTest::SetUp();
        if (IsSkipped()) return;
        m_good = FindGeneralMidiSoundfont();
        if (m_good.empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
    }
    std::string Path(const char* name) const { return m_dir.filePath(name).toStdString(); }
    void Write(const char* name, const QByteArray& bytes) {
        QFile f(m_dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void LinkGood(const char* name) {
        ASSERT_TRUE(QFile::link(QString::fromStdString(m_good), m_dir.filePath(name)));
    }
    // A synth on the test's folder, opened and ready, its notices so far taken; null (after a
    // failure) when it did not get ready.
    std::unique_ptr<TSynthDevice> StartReady() {
        auto synth = std::make_unique<TSynthDevice>("TastraSynthTest", m_dir.path().toStdString());
        EXPECT_EQ(synth->Open(), kMidiOk);
        EXPECT_TRUE(synth->WaitSettled(20000));
        const std::string texts = Texts(*synth);
        if (synth->Status().State == TSynthStatus::Ready) return synth;
        ADD_FAILURE() << texts;
        return nullptr;
    }
    // The texts of the notices so far, one per line, with E for errors, F for failures and O
    // for the output going away or coming back.
    static std::string Texts(TSynthDevice& synth) {
        std::string all;
        for (const TSynthNotice& n : synth.TakeNotices())
            all += (n.Kind == TSynthNotice::Error    ? "E "
                    : n.Kind == TSynthNotice::Failed ? "F "
                    : n.Kind == TSynthNotice::Outage ? "O "
                                                     : "") +
                   n.Text + "\n";
        return all;
    }

    QTemporaryDir m_dir;
    std::string m_good;
};

}  // namespace

TEST(SynthChannels, ReplayPutsAFreshSynthesizerIntoTheSameState) {
    TSynthChannels channels;
    for (std::uint32_t m :
         {Pack(0xB1, 7, 90), Pack(0xC1, 19), Pack(0xB1, 0, 1), Pack(0xB1, 32, 2), Pack(0xC1, 20),
          Pack(0xB1, 1, 64), Pack(0xB1, 64, 127), Pack(0x91, 60, 100), Pack(0xE1, 0, 80),
          Pack(0xB1, 123, 0), Pack(0xC9, 25), Pack(0xD9, 33)})
        channels.Apply(m);
    // Bank before program, whatever the order played; notes and mode messages leave nothing.
    EXPECT_EQ(channels.Messages(),
              (std::vector<std::uint32_t>{Pack(0xB1, 0, 1), Pack(0xB1, 32, 2), Pack(0xC1, 20),
                                          Pack(0xB1, 1, 64), Pack(0xB1, 7, 90), Pack(0xB1, 64, 127),
                                          Pack(0xE1, 0, 80), Pack(0xC9, 25), Pack(0xD9, 33)}));
    // "Reset all controllers" keeps bank, program and volume; a system reset forgets everything.
    channels.Apply(Pack(0xB1, 121, 0));
    EXPECT_EQ(channels.Messages(),
              (std::vector<std::uint32_t>{Pack(0xB1, 0, 1), Pack(0xB1, 32, 2), Pack(0xC1, 20),
                                          Pack(0xB1, 7, 90), Pack(0xC9, 25), Pack(0xD9, 33)}));
    channels.Apply(0xFF);
    EXPECT_TRUE(channels.Messages().empty());
}

// A damaged default-GM.sf2 beside a good TimGM6mb.sf2: the synth plays the second and says so.
TEST_F(SynthDeviceJack, StartsInTheBackgroundAndNamesTheSoundfontInUse) {
    Write("default-GM.sf2", "");
    LinkGood("TimGM6mb.sf2");
    TSynthDevice synth("TastraSynthTest", m_dir.path().toStdString());
    EXPECT_EQ(synth.Status().State, TSynthStatus::Closed);
    ASSERT_EQ(synth.Open(), kMidiOk);
    EXPECT_EQ(synth.Open(), kMidiErrAllocated);
    // Answered at once, before anything was loaded; program, bank and controller changes are
    // kept for later and played once it is ready.
    for (std::uint32_t m : {Pack(0xC0, 19), Pack(0xB0, 7, 50), Pack(0xC3, 40)})
        EXPECT_EQ(synth.Send(m), kMidiOk);
    ASSERT_TRUE(synth.WaitSettled(20000));
    const TSynthStatus status = synth.Status();
    ASSERT_EQ(status.State, TSynthStatus::Ready) << Texts(synth);
    EXPECT_EQ(synth.PlayingProgram(0), 19);
    EXPECT_EQ(synth.PlayingController(0, 7), 50);
    EXPECT_EQ(synth.PlayingProgram(3), 40);
    EXPECT_EQ(status.Soundfont, Path("TimGM6mb.sf2"));
    EXPECT_EQ(status.Output, "JACK");
    EXPECT_GT(status.BlockFrames, 0);
    const std::string texts = Texts(synth);
    EXPECT_NE(texts.find("Built-in Synth: loading the soundfont default-GM.sf2 ... Notes played "
                         "until it is ready are not heard.\n"
                         "Built-in Synth: default-GM.sf2 is empty; playing TimGM6mb.sf2.\n"
                         "Built-in Synth: TimGM6mb.sf2 through JACK, every note "),
              std::string::npos)
        << texts;
    EXPECT_EQ(synth.Send(Pack(0x90, 60, 100)), kMidiOk);
    synth.Close();
    ASSERT_TRUE(synth.WaitSettled(5000));
    EXPECT_EQ(synth.Status().State, TSynthStatus::Closed);
    EXPECT_EQ(synth.Send(Pack(0x90, 60, 0)), kMidiErrInvalHandle);
}

TEST_F(SynthDeviceJack, ASoundfontThatDoesNotLoadKeepsThePreviousOne) {
    LinkGood("default-GM.sf2");
    Write("empty.sf2", "");
    Write("broken.sf2", QByteArray("RIFF\x10\0\0\0sfbk", 12) + QByteArray(500, 'x'));
    LinkGood("other.sf2");
    const auto started = StartReady();
    ASSERT_TRUE(started);
    TSynthDevice& synth = *started;

    // Plainly not a soundfont: refused at once, nothing changes.
    TSynthSettings s = synth.Settings();
    s.Soundfont = Path("empty.sf2");
    s.Reverb = true;
    EXPECT_EQ(synth.Apply(s), "The soundfont " + Path("empty.sf2") +
                                  " is empty. The Built-in Synth keeps its soundfont.");
    EXPECT_EQ(synth.Settings(), TSynthSettings());

    // Damaged further in: found out while loading; the previous one plays on and is the
    // setting again.
    s.Soundfont = Path("broken.sf2");
    EXPECT_EQ(synth.Apply(s), "");
    ASSERT_TRUE(synth.WaitSettled(20000));
    EXPECT_EQ(Texts(synth),
              "Built-in Synth: loading the soundfont broken.sf2 ... default-GM.sf2 "
              "plays until then.\n"
              "E The soundfont " +
                  Path("broken.sf2") +
                  " could not be loaded: broken.sf2 is damaged. The Built-in Synth "
                  "keeps playing default-GM.sf2.\n");
    EXPECT_EQ(synth.Settings().Soundfont, "");
    EXPECT_TRUE(synth.Settings().Reverb);
    EXPECT_EQ(synth.Status().Soundfont, Path("default-GM.sf2"));

    // A good one is taken while the synth plays.
    s.Soundfont = Path("other.sf2");
    EXPECT_EQ(synth.Apply(s), "");
    ASSERT_TRUE(synth.WaitSettled(20000));
    EXPECT_EQ(synth.Status().Soundfont, Path("other.sf2"));
    EXPECT_EQ(synth.Settings().Soundfont, Path("other.sf2"));
    EXPECT_NE(Texts(synth).find("Built-in Synth: other.sf2 through JACK"), std::string::npos);
}

// No soundfont at all: the start fails and says why, an unreadable folder as unreadable.
TEST_F(SynthDeviceJack, NoSoundfontFailsTheStartWithTheReason) {
    ASSERT_TRUE(QFile::link(m_dir.filePath("loop"), m_dir.filePath("loop")));
    for (const std::string& folder : {m_dir.path().toStdString(), Path("loop")}) {
        TSynthDevice synth("TastraSynthTest", folder);
        ASSERT_EQ(synth.Open(), kMidiOk);
        ASSERT_TRUE(synth.WaitSettled(20000));
        ASSERT_EQ(synth.Status().State, TSynthStatus::Failed) << Texts(synth);
        EXPECT_EQ(synth.Send(Pack(0x90, 60, 100)), kMidiErrNoSoundfont);
        std::string text;
        ASSERT_TRUE(synth.ErrorText(kMidiErrNoSoundfont, text));
        EXPECT_EQ(text, folder == Path("loop")
                            ? "The soundfont folder " + folder +
                                  " cannot be read (Too many levels of symbolic links)."
                            : "No General MIDI soundfont found in " + folder + ".");
        EXPECT_NE(Texts(synth).find("F " + text), std::string::npos);
    }
}

// Settings take effect while the synth plays; an output that cannot be opened is reported and
// the one that played goes on.
TEST_F(SynthDeviceJack, AnOutputThatCannotOpenLeavesThePreviousOnePlaying) {
    LinkGood("default-GM.sf2");
    const auto started = StartReady();
    ASSERT_TRUE(started);
    TSynthDevice& synth = *started;
    TSynthSettings s = synth.Settings();
    s.Output = TSynthOutput::PulseAudio;
    s.BufferFrames = 512;
    EXPECT_EQ(synth.Apply(s), "");
    ASSERT_TRUE(synth.WaitSettled(20000));
    if (synth.Status().Output == "PulseAudio") GTEST_SKIP() << "a sound server runs here";
    EXPECT_EQ(Texts(synth),
              "E The audio output PulseAudio / PipeWire could not be opened. The Built-in Synth "
              "plays through JACK again.\n");
    EXPECT_EQ(synth.Settings(), TSynthSettings());
    EXPECT_EQ(synth.Status().State, TSynthStatus::Ready);
    EXPECT_EQ(synth.Status().Output, "JACK");
    EXPECT_EQ(synth.Send(0x643C90), kMidiOk);
}

// The JACK server going away silences the synth and says so; once a server runs again the synth
// plays into it by itself, with nothing left sounding of what was held before.
TEST_F(SynthDeviceJack, AServerThatStopsSilencesTheSynthUntilItIsBack) {
    LinkGood("default-GM.sf2");
    const auto started = StartReady();
    ASSERT_TRUE(started);
    TSynthDevice& synth = *started;
    EXPECT_EQ(synth.Send(0x643C90), kMidiOk);
    s_server->Kill(SIGTERM);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return synth.Status().State == TSynthStatus::Waiting; }, 10000));
    EXPECT_EQ(Texts(synth),
              "O Built-in Synth: the audio output JACK went away; it plays again as soon as JACK "
              "is back.\n");
    // Not a failure: the device stays open, and notes sent meanwhile are not heard.
    EXPECT_EQ(synth.Send(0x003C90), kMidiOk);
    ASSERT_TRUE(s_server->Restart()) << s_server->Error();
    const auto answering = std::chrono::steady_clock::now();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return synth.Status().State == TSynthStatus::Ready; }, 10000));
    std::printf("the synth played again %lld ms after the server answered\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                           std::chrono::steady_clock::now() - answering)
                                           .count()));
    const std::string texts = Texts(synth);
    EXPECT_EQ(texts.rfind("O Built-in Synth: default-GM.sf2 through JACK, every note ", 0), 0u)
        << texts;
    EXPECT_EQ(synth.Send(0x643C90), kMidiOk);
}
