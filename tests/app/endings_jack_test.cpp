// The program ended from outside: by a signal, by losing its display. It runs as a process of its
// own (tests/child), playing on this test's JACK server; what it sent arrives at the test's port,
// and what it saved is read from its hive file.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <map>

#include "platform/settings/atomicfile.h"
#include "record/midifile.h"
#include "support/jacktest.h"
#include "support/xvfbserver.h"

namespace {

class EndingsJack : public TJackTest {
protected:
    // Starts the window holding a note the given way; false when it did not get that far.
    bool StartChild(const std::string& way, const QProcessEnvironment& env) {
        receiver = NewReceiver();
        sender = std::make_unique<TJackSender>();
        hive = dir.filePath("registry.reg").toStdString();
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(TASTRA_ENDING_CHILD,
                    {QString::fromStdString(hive), QString::fromStdString(receiver->PortName()),
                     QString::fromStdString(sender->PortName()), QString::fromStdString(way)});
        while (child.waitForReadyRead(20000))
            if (child.readAll().contains("ready")) break;
        if (child.state() != QProcess::Running) return false;
        if (way == "thru") {
            // A note sent before the child's connection from the sender is in effect is lost.
            if (!WaitJackPortConnected(sender->PortName(), 5000)) return false;
            sender->Send({0x90, 60, 100});
        }
        // The note is sounding before the program is ended.
        for (size_t n = 1; n < 64; ++n) {
            const auto received = receiver->WaitFor(n, 5000);
            if (received.size() < n) return false;
            if (NoteOn(received.back())) return true;
        }
        return false;
    }

    static bool NoteOn(const std::vector<uint8_t>& m) {
        return m.size() == 3 && (m[0] & 0xF0) == 0x90 && m[2] != 0;
    }

    // Every note switched on was switched off again.
    void ExpectEveryNoteReleased() {
        std::map<int, int> sounding;
        int notes = 0;
        for (const auto& m : receiver->Received()) {
            if (m.size() != 3 || (m[0] & 0xE0) != 0x80) continue;
            const bool on = NoteOn(m);
            sounding[(m[0] & 0x0F) * 128 + m[1]] += on ? 1 : -1;
            notes += on;
        }
        EXPECT_GT(notes, 0);
        std::string all;
        for (const auto& m : receiver->Received()) {
            for (const uint8_t b : m) all += QString::asprintf(" %02x", b).toStdString();
            all += ",";
        }
        for (const auto& [note, count] : sounding)
            EXPECT_EQ(count, 0) << "note " << note << "; received:" << all
                                << "; cycles missed: " << receiver->Xruns();
    }

    // The first start wrote its hive, with the setting changed since start-up.
    void ExpectSaved() {
        std::string text;
        ASSERT_EQ(ReadWholeFile(hive, text), TReadResult::Ok);
        EXPECT_NE(text.find("\"KeyOctave\"=dword:00000005"), std::string::npos);
        EXPECT_NE(text.find("\"First Time\"=\"0\""), std::string::npos);
    }

    // A recording under way was kept, with its note released at the end; nothing else records.
    void ExpectRecordingKept(const std::string& way) {
        const QStringList kept = QDir(dir.filePath("kept")).entryList({"*.mid"}, QDir::Files);
        ASSERT_EQ(kept.size(), way == "record" ? 1 : 0);
        if (kept.isEmpty()) return;
        TMidiSong song;
        QString error;
        ASSERT_TRUE(TMidiFile::Read(dir.filePath("kept/" + kept[0]), song, error))
            << error.toStdString();
        ASSERT_EQ(song.Messages.size(), 2u);
        EXPECT_NE(song.Messages[0].Data2, 0);
        EXPECT_EQ(song.Messages[1].Data2, 0);
    }

    QTemporaryDir dir;
    std::string hive;
    std::unique_ptr<TJackReceiver> receiver;
    std::unique_ptr<TJackSender> sender;
    QProcess child;
};

struct TSignalCase {
    const char* way;
    int signal;
};

class EndingsJackSignal : public EndingsJack, public ::testing::WithParamInterface<TSignalCase> {};

// Regression: a signal ended the program with its notes sounding and nothing saved.
TEST_P(EndingsJackSignal, ReleasesEveryNoteSavesAndExitsWithTheSignalsStatus) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    ASSERT_TRUE(StartChild(GetParam().way, env));
    ::kill(static_cast<pid_t>(child.processId()), GetParam().signal);
    ASSERT_TRUE(child.waitForFinished(20000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 128 + GetParam().signal);
    ExpectEveryNoteReleased();
    ExpectSaved();
    ExpectRecordingKept(GetParam().way);
}

INSTANTIATE_TEST_SUITE_P(EachWayOfHoldingANote, EndingsJackSignal,
                         ::testing::Values(TSignalCase{"mouse", SIGTERM},
                                           TSignalCase{"keys", SIGINT},
                                           TSignalCase{"latch", SIGHUP},
                                           TSignalCase{"right", SIGTERM},
                                           TSignalCase{"thru", SIGHUP},
                                           TSignalCase{"record", SIGTERM},
                                           TSignalCase{"playback", SIGINT}),
                         [](const auto& info) { return std::string(info.param.way); });

// Regression: when the X server went away the program ended with its notes sounding and nothing
// saved.
TEST_F(EndingsJack, ALostDisplayReleasesEveryNoteAndSaves) {
    const QByteArray display = qgetenv("DISPLAY");
    auto xvfb = std::make_unique<TXvfbServer>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    if (display.isEmpty())
        qunsetenv("DISPLAY");
    else
        qputenv("DISPLAY", display);
    if (!xvfb->Running()) GTEST_SKIP() << xvfb->Error();
    ASSERT_TRUE(StartChild("latch", env));
    xvfb.reset();
    ASSERT_TRUE(child.waitForFinished(20000));
    ExpectEveryNoteReleased();
    ExpectSaved();
}

}  // namespace
