// How steadily the program plays, as a player feels it. A private JACK server (dummy driver,
// 48 kHz) and a private Xvfb; the real program is started on them and played with computer keys
// pressed through XTEST at known JACK frame times. Four delays are measured, each in frames of
// the server's clock:
//   key -> MIDI    the program's output set to a JACK MIDI port of this bench: from the key press
//                  to the frame the note-on is written at; beside it, for the same presses, a
//                  reference client of the bench's own (bench/referencekeys.h: raw keys read on
//                  a thread, stamped as read, written one period later), the least a program
//                  can do;
//   key -> synth   the output set to the built-in synthesizer rendering into JACK: from the key
//                  press to the first frame of the synthesizer's audio output that is not silent;
//   other window   as key -> MIDI, with Play From Any Window stored on and the keys typed into a
//                  window of another program (beside the same reference);
//   thru           a JACK port of this bench feeds the program's input and its output comes back
//                  to the bench: from the frame a note-on was written at to the frame it comes
//                  back at; the spacing of notes sent close together is compared on both sides;
//   key -> sink    (PipeWire only) the built-in synthesizer playing through the desktop sound
//                  server's PulseAudio face: from the key press to the first sound on the monitor
//                  of the sink it plays to.
// For each server period it prints median, min, max and standard deviation of each delay. A press
// or group of notes during which the server missed a cycle (an xrun: the machine was too busy to
// run it in time) is left out and counted as disturbed, as it tells nothing about the program.
//
// Usage: latency_bench [--program PATH] [--periods 64,256,1024] [--presses N] [--paths LIST]
//                      [--pipewire SINK] [--each]
//   PATH defaults to the program beside this bench's folder (build/Tastra); LIST is any of
//   midi,synth,thru,other,sink (default the first four). N key presses (and N thru notes) per
//   path and period. With --pipewire no JACK server is started: the bench runs under `pw-jack`
//   against a running PipeWire whose quantum is the period (bench/pipewire_latency.sh sets it
//   up), and the sink path listens to the monitor of the sink called SINK.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "percentile.h"
#include "platform/midi/jackports.h"
#include "referencekeys.h"
#include "soundprobe.h"
#include "support/jackframes.h"
#include "support/jackserver.h"
#include "support/xvfbserver.h"

namespace {

using namespace std::chrono_literals;

constexpr double kRate = 48000.0;
const char kProbeClient[] = "tastra-latency";

// The program under test, started with a configuration folder of its own (a first start).
class TProgram {
public:
    // `synthOutput`: the built-in synth's stored audio output (1 the desktop sound server,
    // 2 JACK), or -1 for a first start's. `anyWindow`: Play From Any Window stored on.
    TProgram(const std::string& path, const std::vector<std::string>& args, int synthOutput = -1,
             bool anyWindow = false) {
        char folder[] = "/tmp/tastra-latency-XXXXXX";
        if (!mkdtemp(folder)) return;
        m_config = folder;
        if (synthOutput >= 0 || anyWindow) {
            mkdir((m_config + "/Ostrel").c_str(), 0700);
            if (FILE* hive = std::fopen((m_config + "/Ostrel/registry.reg").c_str(), "w")) {
                const char* key = "[HKEY_CURRENT_USER\\Software\\Ostrel\\Zorvik's Tastra\\Tastra";
                std::fprintf(hive, "REGEDIT4\r\n");
                if (synthOutput >= 0)
                    std::fprintf(hive, "\r\n%s\\BuiltinSynth]\r\n\"AudioOutput\"=dword:%08x\r\n",
                                 key, synthOutput);
                if (anyWindow)
                    std::fprintf(hive, "\r\n%s\\KeyboardForm]\r\n\"PlayFromAnyWindow\"=\"1\"\r\n",
                                 key);
                std::fclose(hive);
            }
        }
        m_pid = fork();
        if (m_pid == 0) {
            prctl(PR_SET_PDEATHSIG, SIGTERM);  // never outlives the bench
            setenv("XDG_CONFIG_HOME", m_config.c_str(), 1);
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            std::vector<char*> argv;
            argv.push_back(const_cast<char*>(path.c_str()));
            for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            freopen("/dev/null", "w", stdout);
            freopen("/dev/null", "w", stderr);
            execv(path.c_str(), argv.data());
            _exit(127);
        }
    }
    ~TProgram() {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            for (int i = 0; i < 300 && waitpid(m_pid, nullptr, WNOHANG) != m_pid; ++i)
                std::this_thread::sleep_for(10ms);
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        if (!m_config.empty()) std::system(("rm -rf '" + m_config + "'").c_str());
    }
    bool Running() const { return m_pid > 0 && waitpid(m_pid, nullptr, WNOHANG) == 0; }

private:
    pid_t m_pid = -1;
    std::string m_config;
};

// A window of the bench's own that takes the keyboard focus: the keys then go to another
// program, as when the user plays from any window.
class TOtherWindow {
public:
    explicit TOtherWindow(Display* display) : m_display(display) {
        m_window =
            XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 200, 100, 0, 0, 0);
        XStoreName(display, m_window, "another program");
        XSelectInput(display, m_window, KeyPressMask | KeyReleaseMask);
        XMapRaised(display, m_window);
        XSync(display, False);
    }
    ~TOtherWindow() {
        XDestroyWindow(m_display, m_window);
        XSync(m_display, False);
    }
    void TakeFocus() {
        XSetInputFocus(m_display, m_window, RevertToPointerRoot, CurrentTime);
        XSync(m_display, False);
    }

private:
    Display* m_display;
    Window m_window;
};

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (done()) return true;
        std::this_thread::sleep_for(1ms);
    }
    return done();
}

// Gives the program's main window the keyboard focus, as a click on it would.
bool FocusProgramWindow(Display* display) {
    Window root, parent, *children = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &n))
        return false;
    bool found = false;
    for (unsigned int i = n; i-- > 0 && !found;) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes) ||
            attributes.map_state != IsViewable)
            continue;
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            found = std::strstr(name, "Tastra") != nullptr;
            XFree(name);
        }
        if (found) {
            XRaiseWindow(display, children[i]);
            XSetInputFocus(display, children[i], RevertToPointerRoot, CurrentTime);
            XSync(display, False);
        }
    }
    if (children) XFree(children);
    return found;
}

using TEvent = TJackFrameClient::TEvent;

bool IsNoteOn(const TEvent& e) {
    return e.Bytes.size() == 3 && (e.Bytes[0] & 0xF0) == 0x90 && e.Bytes[2];
}
bool FromReference(const TEvent& e) {
    return !e.Bytes.empty() && (e.Bytes[0] & 0x0F) == TReferenceKeys::kChannel;
}
bool IsNoteOff(const TEvent& e) {
    return e.Bytes.size() == 3 &&
           ((e.Bytes[0] & 0xF0) == 0x80 || ((e.Bytes[0] & 0xF0) == 0x90 && !e.Bytes[2]));
}

struct TSeries {
    explicit TSeries(std::string name, bool inFrames = false)
        : Name(std::move(name)), InFrames(inFrames) {}
    std::string Name;
    std::vector<double> Frames;  // one value per event
    int Missing = 0;
    // Left out because the server missed a cycle meanwhile: they tell nothing about the program.
    int Disturbed = 0;
    bool InFrames;  // printed in frames rather than milliseconds
};

// --each: every delay is printed too, in the order of the presses (ms, or frames).
bool g_printEach = false;

void PrintSeries(int period, const TSeries& s) {
    if (s.Frames.empty()) {
        std::printf("%6d  %-30s %5d  (nothing measured, %d missing, %d disturbed)\n", period,
                    s.Name.c_str(), 0, s.Missing, s.Disturbed);
        return;
    }
    std::vector<double> v = s.Frames;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    const double median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    double mean = 0;
    for (double x : v) mean += x;
    mean /= n;
    double var = 0;
    for (double x : v) var += (x - mean) * (x - mean);
    const double sd = n > 1 ? std::sqrt(var / (n - 1)) : 0;
    const auto unit = [&s](double frames) { return s.InFrames ? frames : frames * 1000.0 / kRate; };
    std::printf("%6d  %-30s %5zu  %8.2f %8.2f %8.2f %8.2f %8.2f %8.3f   %7d %10d\n", period,
                s.Name.c_str(), n, unit(median), unit(Percentile(v, 0.90)),
                unit(Percentile(v, 0.95)), unit(v.front()), unit(v.back()), unit(sd), s.Missing,
                s.Disturbed);
    if (g_printEach) {
        std::printf("%6s  ", "");
        for (double x : s.Frames) std::printf(" %.2f", unit(x));
        std::printf("\n");
    }
    if (s.InFrames) {
        const auto within = std::count_if(v.begin(), v.end(), [](double x) { return x <= 1; });
        std::printf("%6s  %-30s %zd of %zu within 1 frame\n", "", "", within, n);
    }
}

// Plays the program: keys through XTEST, notes through its MIDI input.
class TRun {
public:
    TRun(TJackFrameClient& midi, TSoundProbe& sound, Display* display, std::mt19937& random)
        : m_midi(midi), m_sound(sound), m_display(display), m_random(random) {}

    // MIDI that came in since the last call.
    std::vector<TEvent> TakeMidi() {
        std::vector<TEvent> all = m_midi.Received();
        std::vector<TEvent> fresh(all.begin() + std::min(m_taken, all.size()), all.end());
        m_taken = all.size();
        return fresh;
    }

    // Presses a key until something comes out: the window has shown and has the focus.
    bool WaitForKeys(
        const std::function<bool()>& heard, const std::function<void()>& beforePress = [] {}) {
        return WaitUntil(
            [&] {
                FocusProgramWindow(m_display);
                beforePress();
                Key(52, true);
                const bool ok = WaitUntil(heard, 300ms);
                Key(52, false);
                std::this_thread::sleep_for(300ms);
                TakeMidi();
                return ok;
            },
            40s);
    }

    void Key(int keycode, bool down) {
        XTestFakeKeyEvent(m_display, static_cast<unsigned>(keycode), down ? True : False,
                          CurrentTime);
        XFlush(m_display);
    }

    // The program's delay and, for the same presses, the reference's.
    std::pair<TSeries, TSeries> KeysToMidi(int presses, const std::string& name = "key -> MIDI") {
        TSeries s(name), ref("reference " + name);
        std::uniform_int_distribution<int> pause(80, 220);
        for (int i = 0; i < presses; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(pause(m_random)));
            const int keycode = 52 + i % 7;  // Z X C V B N M
            const int xruns = m_sound.Xruns();
            const jack_nframes_t pressed = m_midi.Now();
            Key(keycode, true);
            jack_nframes_t on = 0, refOn = 0;
            WaitUntil(
                [&] {
                    for (const auto& e : TakeMidi())
                        // One that was on its way before the press is not its answer.
                        if (IsNoteOn(e) && static_cast<std::int32_t>(e.Frame - pressed) >= 0)
                            (FromReference(e) ? refOn : on) = e.Frame;
                    return on != 0 && refOn != 0;
                },
                1000ms);
            Key(keycode, false);
            const bool disturbed = m_sound.Xruns() != xruns;
            for (auto [series, frame] : {std::make_pair(&s, on), std::make_pair(&ref, refOn)}) {
                if (frame != 0 && disturbed)
                    ++series->Disturbed;
                else if (frame != 0)
                    series->Frames.push_back(static_cast<std::int32_t>(frame - pressed));
                else
                    ++series->Missing;
            }
            bool off = false, refOff = false;
            WaitUntil(
                [&] {
                    for (const auto& e : TakeMidi())
                        if (IsNoteOff(e)) (FromReference(e) ? refOff : off) = true;
                    return off && refOff;
                },
                1000ms);
        }
        return {s, ref};
    }

    // The synthesizer's first sound after each press and, for the same presses, the reference's
    // note on MIDI (when a reference is connected).
    std::pair<TSeries, TSeries> KeysToSound(int presses, const char* name) {
        TSeries s(name), ref("reference, same presses");
        std::uniform_int_distribution<int> pause(20, 120);
        for (int i = 0; i < presses; ++i) {
            // Each note from silence, at a random phase of the period: over a note still ringing
            // out the onset is where the new note grows four times louder, which moves with the
            // ringing note's level and not with the program's timing.
            WaitUntil([&] { return m_sound.LastPeak() < 1e-6f; }, 4000ms);
            std::this_thread::sleep_for(std::chrono::milliseconds(pause(m_random)));
            const int keycode = 52 + i % 7;
            const int xruns = m_sound.Xruns();
            TakeMidi();
            const jack_nframes_t pressed = m_midi.Now();
            m_sound.Arm(pressed);
            Key(keycode, true);
            jack_nframes_t onset = 0, refOn = 0;
            const bool got = WaitUntil([&] { return m_sound.Onset(onset); }, 1000ms);
            WaitUntil(
                [&] {
                    for (const auto& e : TakeMidi())
                        if (FromReference(e) && IsNoteOn(e) &&
                            static_cast<std::int32_t>(e.Frame - pressed) >= 0)
                            refOn = e.Frame;
                    return refOn != 0;
                },
                30ms);
            Key(keycode, false);
            const bool disturbed = m_sound.Xruns() != xruns;
            if (got && refOn != 0 && !disturbed)
                PressByPress.push_back(static_cast<std::int32_t>(onset - refOn));
            for (auto [series, frame, heard] :
                 {std::make_tuple(&s, onset, got), std::make_tuple(&ref, refOn, refOn != 0)}) {
                if (heard && disturbed)
                    ++series->Disturbed;
                else if (heard)
                    series->Frames.push_back(static_cast<std::int32_t>(frame - pressed));
                else
                    ++series->Missing;
            }
        }
        return {s, ref};
    }

    // Groups of four notes at random spacings; the delay of each, and how far each spacing
    // moved on the way (frames).
    void Thru(int notes, TSeries& delay, TSeries& spacing) {
        std::uniform_int_distribution<int> gap(1, 900);
        std::uniform_int_distribution<int> phase(0, 4095);
        const jack_nframes_t period = m_midi.Period();
        for (int done = 0; done < notes; done += 4) {
            for (std::uint8_t velocity : {100, 0}) {
                std::array<jack_nframes_t, 4> sent{};
                const int xruns = m_sound.Xruns();
                jack_nframes_t at = m_midi.Now() + 2 * period + phase(m_random) % period;
                for (int k = 0; k < 4; ++k) {
                    if (k > 0) at += gap(m_random);
                    sent[k] = at;
                    m_midi.SendAt(at, {0x90, static_cast<std::uint8_t>(96 + k), velocity});
                }
                std::array<jack_nframes_t, 4> back{};
                std::array<bool, 4> seen{};
                WaitUntil(
                    [&] {
                        for (const auto& e : TakeMidi()) {
                            const int k = e.Bytes.size() == 3 ? e.Bytes[1] - 96 : -1;
                            if (k < 0 || k > 3 || seen[k]) continue;
                            if (velocity ? IsNoteOn(e) : IsNoteOff(e)) {
                                seen[k] = true;
                                back[k] = e.Frame;
                            }
                        }
                        return std::all_of(seen.begin(), seen.end(), [](bool b) { return b; });
                    },
                    1000ms);
                if (velocity == 0) continue;  // releases only keep the notes from piling up
                if (m_sound.Xruns() != xruns) {
                    delay.Disturbed += 4;
                    spacing.Disturbed += 3;
                    continue;
                }
                for (int k = 0; k < 4; ++k) {
                    if (!seen[k]) {
                        ++delay.Missing;
                        continue;
                    }
                    delay.Frames.push_back(static_cast<std::int32_t>(back[k] - sent[k]));
                    if (k > 0 && seen[k - 1])
                        spacing.Frames.push_back(std::abs(static_cast<std::int32_t>(
                            (back[k] - back[k - 1]) - (sent[k] - sent[k - 1]))));
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20 + phase(m_random) % 60));
        }
    }

    // The synthesizer's sound less the reference's note, for each press that had both (frames):
    // the spread the program and the synthesizer add to that of the presses themselves.
    std::vector<double> PressByPress;

private:
    TJackFrameClient& m_midi;
    TSoundProbe& m_sound;
    Display* m_display;
    std::mt19937& m_random;
    size_t m_taken = 0;
};

std::string DefaultProgram() {
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) return "Tastra";
    std::string path(self, static_cast<size_t>(n));
    path = path.substr(0, path.rfind('/'));  // build/bench
    return path.substr(0, path.rfind('/')) + "/Tastra";
}

std::vector<int> ParseList(const std::string& text) {
    std::vector<int> out;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) out.push_back(std::atoi(item.c_str()));
    return out;
}

// One run of the program per pass and period: keys and thru into the bench's MIDI port, or keys
// into the built-in synthesizer.
class TBench {
public:
    TBench(std::string program, int presses, bool midi, bool thru, Display* display,
           std::string pipewireSink)
        : m_program(std::move(program)),
          m_presses(presses),
          m_wantMidi(midi),
          m_wantThru(thru),
          m_display(display),
          m_sink(std::move(pipewireSink)) {}

    enum TPath { kMidiPath, kSynthPath, kSinkPath };

    // False when the program did not play at all.
    bool Measure(TPath path, int period) {
        // A server of its own for each program run: the JACK tests of others wait their turn
        // meanwhile, and no run lasts long. PipeWire's runs already.
        std::unique_ptr<TJackServer> server;
        if (m_sink.empty()) server = std::make_unique<TJackServer>(period);
        TJackFrameClient midi(kProbeClient);
        TSoundProbe sound;
        if ((server && !server->Running()) || !midi.Ok() || !sound.Open()) {
            std::fprintf(stderr, "no JACK server or ports: %s\n",
                         server ? server->Error().c_str() : "is PipeWire running (pw-jack)?");
            std::exit(1);
        }
        const bool synth = path != kMidiPath;
        std::vector<std::string> args = {"--midi-out", synth ? "Built-in Synth" : midi.InName()};
        if (!synth && m_wantThru) args.insert(args.end(), {"--midi-in", midi.OutName()});
        // Under PipeWire the synth's output is chosen, not found: either face would answer.
        const int output = m_sink.empty() ? -1 : path == kSinkPath ? 1 : 2;
        TProgram tastra(m_program, args, output);
        const std::string monitor = "^" + m_sink + ".*:monitor_";
        TRun run(midi, sound, m_display, m_random);
        const auto connected = [&](const std::string& port) {
            return jack_port_connected(jack_port_by_name(midi.Client(), port.c_str())) > 0;
        };
        const char* failed = nullptr;
        if (!synth) {
            if (!WaitUntil([&] { return connected(midi.InName()); }, 60s))
                failed = "its output never connected";
            else if (!run.WaitForKeys([&] {
                         for (const auto& e : run.TakeMidi())
                             if (IsNoteOn(e)) return true;
                         return false;
                     }))
                failed = "no note came from the keys";
        } else {
            jack_nframes_t onset;
            if (!WaitUntil(
                    [&] {
                        return path == kSinkPath ? sound.ConnectProgram(monitor.c_str())
                                                 : sound.ConnectProgram();
                    },
                    60s))
                failed = "the synthesizer's audio ports never came";
            else if (!run.WaitForKeys([&] { return sound.Onset(onset); },
                                      [&] { sound.Arm(midi.Now()); }))
                failed = "no sound came from the keys";
        }
        if (failed) {
            std::fprintf(stderr, "period %d: the program did not play: %s (%s, sound level %g)\n",
                         period, failed, tastra.Running() ? "running" : "not running",
                         sound.LastPeak());
            return false;
        }
        if (synth) {
            // The reference's MIDI beside the sound: what the presses themselves spread.
            TReferenceKeys reference;
            const bool withReference = reference.Ok() && reference.ConnectTo(midi.InName());
            auto [sounds, ref] = run.KeysToSound(
                m_presses, path == kSinkPath ? "key -> sink (Pulse)" : "key -> synth");
            Results.emplace_back(period, sounds);
            if (withReference) {
                Results.emplace_back(period, ref);
                TSeries added(sounds.Name + " less reference");
                added.Frames = run.PressByPress;
                Results.emplace_back(period, added);
            }
            return true;
        }
        if (m_wantMidi) {
            // Beside the program, in the same run and on the same server.
            TReferenceKeys reference;
            if (!reference.Ok() || !reference.ConnectTo(midi.InName())) {
                std::fprintf(stderr, "the reference client could not start\n");
                std::exit(1);
            }
            auto [program, ref] = run.KeysToMidi(m_presses);
            Results.emplace_back(period, program);
            Results.emplace_back(period, ref);
        }
        if (m_wantThru) {
            TSeries delay("thru"), spacing("thru spacing (frames)", true);
            if (WaitUntil([&] { return connected(midi.OutName()); }, 5s))
                run.Thru(m_presses, delay, spacing);
            Results.emplace_back(period, delay);
            Results.emplace_back(period, spacing);
        }
        return true;
    }

    // Keys pressed while another program has the focus, with Play From Any Window on: a first
    // start writes the settings, which are then switched to it, and a second start plays.
    bool MeasureOtherWindow(int period) {
        TJackServer server(period);
        TJackFrameClient midi(kProbeClient);
        TSoundProbe sound;
        if (!server.Running() || !midi.Ok() || !sound.Open()) {
            std::fprintf(stderr, "no JACK server or ports: %s\n", server.Error().c_str());
            std::exit(1);
        }
        TProgram tastra(m_program, {"--midi-out", midi.InName()}, -1, true);
        TRun run(midi, sound, m_display, m_random);
        TOtherWindow other(m_display);
        const bool ok = run.WaitForKeys(
            [&] {
                for (const auto& e : run.TakeMidi())
                    if (IsNoteOn(e)) return true;
                return false;
            },
            [&] { other.TakeFocus(); });
        TReferenceKeys reference;
        if (ok && reference.Ok() && reference.ConnectTo(midi.InName())) {
            auto [program, ref] = run.KeysToMidi(m_presses, "other window -> MIDI");
            Results.emplace_back(period, program);
            Results.emplace_back(period, ref);
        }
        if (!ok)
            std::fprintf(stderr, "period %d: no note from keys typed into another window\n",
                         period);
        return ok;
    }

    std::vector<std::pair<int, TSeries>> Results;

private:
    std::string m_program;
    int m_presses;
    bool m_wantMidi;
    bool m_wantThru;
    Display* m_display;
    std::string m_sink;
    std::mt19937 m_random{17};
};

}  // namespace

int main(int argc, char** argv) {
    std::string program = DefaultProgram();
    std::vector<int> periods = {64, 256, 1024};
    int presses = 100;
    std::string paths = "midi,synth,thru,other";
    std::string sink;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--each") {
            g_printEach = true;
            continue;
        }
        if (i + 1 == argc) break;
        if (option == "--program")
            program = argv[i + 1];
        else if (option == "--periods")
            periods = ParseList(argv[i + 1]);
        else if (option == "--presses")
            presses = std::max(4, std::atoi(argv[i + 1]));
        else if (option == "--paths")
            paths = argv[i + 1];
        else if (option == "--pipewire")
            sink = argv[i + 1];
        else
            continue;
        ++i;
    }
    const bool wantMidi = paths.find("midi") != std::string::npos;
    const bool wantSynth = paths.find("synth") != std::string::npos;
    const bool wantThru = paths.find("thru") != std::string::npos;
    const bool wantOther = paths.find("other") != std::string::npos;
    const bool wantSink = paths.find("sink") != std::string::npos;
    if (wantSink && sink.empty()) {
        std::fprintf(stderr, "the sink path needs --pipewire SINK\n");
        return 1;
    }
    if (access(program.c_str(), X_OK) != 0) {
        std::fprintf(stderr, "no program at %s (build first, or pass --program)\n",
                     program.c_str());
        return 1;
    }

    TXvfbServer xvfb;
    if (!xvfb.Running()) {
        std::fprintf(stderr, "no X server: %s\n", xvfb.Error().c_str());
        return 1;
    }
    Display* display = XOpenDisplay(nullptr);
    int event, error, major, minor;
    if (!display || !XTestQueryExtension(display, &event, &error, &major, &minor)) {
        std::fprintf(stderr, "the X server has no XTEST extension\n");
        return 1;
    }
    // A key held while the program is slow to answer must not repeat.
    XAutoRepeatOff(display);
    TBench bench(program, presses, wantMidi, wantThru, display, sink);
    for (int period : periods) {
        for (TBench::TPath path : {TBench::kMidiPath, TBench::kSynthPath, TBench::kSinkPath}) {
            if (path == TBench::kMidiPath && !wantMidi && !wantThru) continue;
            if ((path == TBench::kSynthPath && !wantSynth) ||
                (path == TBench::kSinkPath && !wantSink))
                continue;
            // A program that does not play at all (now and then its first start under a fresh
            // X server takes no keys) is started again, twice at the most.
            for (int attempt = 0; attempt < 3 && !bench.Measure(path, period); ++attempt) {
            }
        }
        for (int attempt = 0; wantOther && attempt < 3 && !bench.MeasureOtherWindow(period);
             ++attempt) {
        }
    }
    XCloseDisplay(display);

    std::printf(sink.empty() ? "JACK dummy server, 48000 Hz"
                             : "PipeWire (pw-jack), null sink, 48000 Hz");
    std::printf(
        "; delays in ms (thru spacing: how many frames the gap\n"
        "between two notes sent close together moved on the way)\n");
    std::printf("%6s  %-30s %5s  %8s %8s %8s %8s %8s %8s   %7s %10s\n", "period", "path", "n",
                "median", "p90", "p95", "min", "max", "stddev", "missing", "disturbed");
    for (const auto& [period, series] : bench.Results) PrintSeries(period, series);
    // The program against the reference, press by press of the same run.
    for (size_t i = 0; i + 1 < bench.Results.size(); ++i) {
        const auto& [period, program] = bench.Results[i];
        const auto& reference = bench.Results[i + 1].second;
        if (reference.Name != "reference " + program.Name || program.Frames.empty() ||
            reference.Frames.empty())
            continue;
        const auto ms = [](double frames) { return frames * 1000.0 / kRate; };
        const auto at = [&](const TSeries& t, double q) { return ms(Percentile(t.Frames, q)); };
        std::printf(
            "%6d  %s minus reference: median %+.2f ms, p95 %+.2f ms, max %+.2f ms"
            " (p95 ratio %.2f)\n",
            period, program.Name.c_str(), at(program, 0.5) - at(reference, 0.5),
            at(program, 0.95) - at(reference, 0.95), at(program, 1) - at(reference, 1),
            at(program, 0.95) / at(reference, 0.95));
    }
    return 0;
}
