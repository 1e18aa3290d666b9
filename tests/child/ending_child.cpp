// The program's main window on the system's MIDI (the test's JACK server) and a hive file of its
// own, with the program's watch on how it ends. It changes a setting, holds a note one way, says
// "ready" on its standard output and runs until it is ended from outside.
//
//   tastra_ending_child <hive> <output port> <input port>
//                       <mouse|keys|latch|right|thru|record|playback>
// "record" records while it holds the note with the mouse, keeping what it recorded in the
// folder "kept" beside the hive; "playback" plays a MIDI file whose note lasts a minute.
#include <QAction>
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/programendings.h"
#include "app/tastra.h"
#include "keyboard/keyboard.h"
#include "platform/midi/systemmidi.h"
#include "platform/registry/registrystore.h"
#include "record/midifile.h"
#include "support/keyevents.h"
#include "support/scriptedprompts.h"

namespace {

const char kRoot[] = "\\Software\\Ostrel\\Zorvik's Tastra\\Tastra";

// Centre of the lower part of a white key.
QPoint WhiteKeyPoint(TKeyboard* k, int note) {
    static const int kWhiteIndex[12] = {0, -1, 1, -1, 2, 3, -1, 4, -1, 5, -1, 6};
    const int w = (note / 12) * 7 + kWhiteIndex[note % 12];
    const int base = (k->BaseNote() / 12) * 7 + kWhiteIndex[k->BaseNote() % 12];
    return {(w - base) * k->KeyWidth() + k->KeyWidth() / 2, k->height() - 8};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) return 2;
    QApplication app(argc, argv);
    const std::string hive = argv[1];
    const std::string way = argv[4];
    std::unique_ptr<TMidiOutService> out = CreateSystemMidiOutService("Tastra");
    std::unique_ptr<TMidiInService> in = CreateSystemMidiInService("Tastra");
    TScriptedPrompts prompts;
    TTastraServices s;
    s.midiOut = out.get();
    s.midiIn = in.get();
    s.runMidiOut = argv[2];
    s.runMidiIn = argv[3];
    s.prompts = &prompts;
    const std::string folder = hive.substr(0, hive.find_last_of('/'));
    s.recordingsFolder = folder + "/kept";
    s.openSettingsRoot = [hive] {
        return std::unique_ptr<TSettingsStore>(new TRegistryIniFile(kRoot, hive));
    };
    TTastra2 window(s);
    window.show();
    if (!QTest::qWaitFor([&] { return window.StartupDone(); }, 10000)) return 3;
    const std::unique_ptr<TEndings> endings = WatchEndings(window);

    window.Keyboard1->Player().OctaveUp();
    TKeyboard* k = window.Keyboard1;
    const QPoint p = WhiteKeyPoint(k, 64);
    if (way == "mouse") {
        QTest::mousePress(k, Qt::LeftButton, Qt::NoModifier, p);
    } else if (way == "keys") {
        keytest::Press(window.windowHandle(), 44, Qt::Key_Z);
    } else if (way == "latch") {
        QTest::mousePress(k, Qt::LeftButton, Qt::NoModifier, p);
        QTest::mouseRelease(k, Qt::LeftButton, Qt::ControlModifier, p);
    } else if (way == "right") {
        QTest::mousePress(k, Qt::RightButton, Qt::NoModifier, p);
    } else if (way == "record") {
        window.FindAction(QStringLiteral("StartRecording1"))->trigger();
        QTest::mousePress(k, Qt::LeftButton, Qt::NoModifier, p);
    } else if (way == "playback") {
        const QString song = QString::fromStdString(folder + "/song.mid");
        QString error;
        if (!TMidiFile::Write(song, {{0, 0x90, 64, 100}, {60000000000, 0x90, 64, 0}}, "song",
                              60000000000, error))
            return 4;
        prompts.playMidiFrom = song;
        window.FindAction(QStringLiteral("PlayMidiFile1"))->trigger();
    } else if (way == "thru") {
        QAction* thru = window.FindAction(QStringLiteral("MidiThru1"));
        if (!thru->isChecked()) thru->trigger();
    } else {
        return 2;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
