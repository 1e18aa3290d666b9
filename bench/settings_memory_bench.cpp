// Time and peak memory of the settings files that grow large. Each case runs in a child process
// of its own (this program started again with --case), so that the peak the system reports for
// it is its own:
//
//   bare          the program's libraries loaded and a Qt application made: what every case pays
//   window        the main window started and closed on an empty hive: what the window cases pay
//   import        File › Import › Knob Presets of a file of N presets through the main window
//   hive          a store opened on a large hive, one value read, one written, saved
//   hive-window   the main window started and closed on that hive
//   ini           an INI file of the same size read section by section, as an import reads it
//
// Each line shows the file's size, the time of the step (the import alone; the open and save;
// the start and the close), the peak resident memory of the whole process, how much of it the
// file cost (the peak less that of "bare", or of "window" for the cases with a window), and the
// limit that is held to: five times the file's size plus 30 MB.
//
//   settings_memory_bench [--presets 6000] [--hive-mb 50] [--dir DIR]
//
// With --dir the files are made in DIR and left there, so that one case can be run again alone
// (settings_memory_bench --case import DIR), under a profiler for instance.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/tastra.h"
#include "platform/registry/registrystore.h"
#include "platform/settings/atomicfile.h"
#include "platform/settings/inifile.h"
#include "support/scriptedprompts.h"
#include "support/virtualmidi.h"

namespace {

const char kRoot[] = "\\Software\\Ostrel\\Zorvik's Tastra\\Tastra";
constexpr int kKnobsPerPreset = 20;

// One preset: its section's header line, then its knobs, each written with a format that takes
// the knob's number five times and then its controller.
void AppendPreset(std::string& text, const char* header, const char* knobFormat) {
    text += header;
    char line[192];
    for (int k = 1; k <= kKnobsPerPreset; ++k) {
        std::snprintf(line, sizeof line, knobFormat, k, k, k, k, k, 10 + k);
        text += line;
    }
}

// A knob preset export: n sections of 20 knobs.
std::string PresetsIni(int n) {
    std::string text;
    char header[32];
    for (int p = 0; p < n; ++p) {
        std::snprintf(header, sizeof header, "[Preset %05d]\r\n", p);
        AppendPreset(text, header,
                     "Caption%d=Knob name %d\r\nDisplayMode%d=0\r\nDefaultValue%d=64\r\n"
                     "IUser%d=%d\r\n");
    }
    return text;
}

// A hive of at least megabytes MB: the program's settings and as many knob presets as it takes.
std::string LargeHive(int megabytes) {
    const std::string root = std::string("HKEY_CURRENT_USER") + kRoot;
    std::string text =
        "REGEDIT4\r\n\r\n[" + root + "]\r\n\r\n[" + root +
        "\\KeyboardForm]\r\n\"First Time\"=\"0\"\r\n\"Knob Preset\"=\"Default\"\r\n\r\n";
    char header[192];
    for (int p = 0; text.size() < static_cast<size_t>(megabytes) << 20; ++p) {
        std::snprintf(header, sizeof header, "[%s\\KnobPresets\\Preset %05d]\r\n", root.c_str(), p);
        AppendPreset(text, header,
                     "\"Caption%d\"=\"Knob name %d\"\r\n\"DisplayMode%d\"=dword:00000000\r\n"
                     "\"DefaultValue%d\"=dword:00000040\r\n\"IUser%d\"=dword:%08x\r\n");
        text += "\r\n";
    }
    return text;
}

// The main window on the hive, with virtual MIDI and scripted answers.
struct TBenchWindow {
    explicit TBenchWindow(const std::string& hive) {
        TTastraServices s;
        s.midiOut = &out;
        s.midiIn = &in;
        s.prompts = &prompts;
        s.openSettingsRoot = [hive] {
            return std::unique_ptr<TSettingsStore>(new TRegistryIniFile(kRoot, hive));
        };
        s.openSettingsKey = [hive](const std::string& key) {
            return std::unique_ptr<TSettingsStore>(
                new TRegistryIniFile(std::string(kRoot) + "\\" + key, hive));
        };
        window = std::make_unique<TTastra2>(s);
        window->show();
        while (!window->StartupDone()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    void Close() {
        window->close();
        window.reset();
    }

    TVirtualMidiService out;
    TVirtualMidiInService in;
    TScriptedPrompts prompts;
    std::unique_ptr<TTastra2> window;
};

// Wall-clock time and the process's processor time of a step: on a machine others share, the
// second says what the step itself costs.
class TStepTimer {
public:
    TStepTimer() { restart(); }
    void start() { restart(); }
    void restart() {
        m_wall.start();
        m_cpu = CpuMs();
    }
    std::string Text() const {
        char text[64];
        std::snprintf(text, sizeof text, "%.0f ms (cpu %.0f)",
                      static_cast<double>(m_wall.nsecsElapsed()) / 1e6, CpuMs() - m_cpu);
        return text;
    }

private:
    static double CpuMs() {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
    }
    QElapsedTimer m_wall;
    double m_cpu = 0;
};

// The child's side: runs one case and prints what it timed on standard output.
int RunCase(int argc, char** argv, const std::string& name, const std::string& dir) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string hive = dir + "/registry.reg";
    TStepTimer t;
    if (name == "bare") {
        std::printf("-\n");
    } else if (name == "window") {
        std::remove((dir + "/empty.reg").c_str());
        t.start();
        TBenchWindow w(dir + "/empty.reg");
        const std::string start = t.Text();
        t.restart();
        w.Close();
        std::printf("start %s, close %s\n", start.c_str(), t.Text().c_str());
    } else if (name == "import") {
        std::remove((dir + "/import.reg").c_str());
        TBenchWindow w(dir + "/import.reg");
        w.prompts.importFrom = QString::fromStdString(dir + "/presets.ini");
        t.start();
        w.window->FindAction(QStringLiteral("ImportKnobPresets"))->trigger();
        const std::string took = t.Text();
        if (w.prompts.information.isEmpty()) return 1;
        std::printf("import %s\n", took.c_str());
        w.Close();
    } else if (name == "hive") {
        t.start();
        TRegistryIniFile store(kRoot, hive);
        const std::string preset = store.ReadString("KeyboardForm", "Knob Preset", "");
        const std::string open = t.Text();
        t.restart();
        store.WriteString("KeyboardForm", "Knob Preset", preset + "x");
        if (!store.Flush()) return 1;
        std::printf("open %s, save %s\n", open.c_str(), t.Text().c_str());
    } else if (name == "hive-window") {
        t.start();
        TBenchWindow w(hive);
        const std::string start = t.Text();
        t.restart();
        w.Close();
        std::printf("start %s, close %s\n", start.c_str(), t.Text().c_str());
    } else if (name == "ini") {
        t.start();
        TIniFile file(dir + "/big.ini");
        long values = 0;
        for (const std::string& section : file.ReadSections())
            for (const std::string& value : file.ReadSection(section))
                values += !file.ReadString(section, value, "").empty();
        std::printf("read %s, %ld values\n", t.Text().c_str(), values);
    } else {
        std::printf("unknown case\n");
        return 2;
    }
    return 0;
}

long FileSize(const std::string& path) {
    std::string text;
    return ReadWholeFile(path, text) == TReadResult::Ok ? static_cast<long>(text.size()) : 0;
}

// Runs one case in a child and prints its line; returns its peak in MB.
double Measure(const std::string& name, const std::string& dir, const std::string& file,
               double base) {
    int fds[2];
    if (pipe(fds) != 0) return 0;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        const char self[] = "/proc/self/exe";
        execl(self, self, "--case", name.c_str(), dir.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string said;
    char buf[256];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;)
        said.append(buf, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    while (!said.empty() && said.back() == '\n') said.pop_back();
    const double mb = 1024.0 * 1024.0;
    const double size = file.empty() ? 0 : static_cast<double>(FileSize(file)) / mb;
    const double peak = static_cast<double>(usage.ru_maxrss) / 1024.0;
    const bool failed = !WIFEXITED(status) || WEXITSTATUS(status) != 0;
    if (base <= 0) {
        std::printf("%-12s %-62s peak %6.1f MB%s\n", name.c_str(), said.c_str(), peak,
                    failed ? "  FAILED" : "");
    } else {
        const double limit = 5.0 * size + 30.0;
        std::printf(
            "%-12s %5.1f MB file  %-46s peak %6.1f MB  file's share %6.1f MB  limit %6.1f "
            "MB  %s\n",
            name.c_str(), size, said.c_str(), peak, peak - base, limit,
            failed                 ? "FAILED"
            : peak - base <= limit ? "ok"
                                   : "OVER");
    }
    std::fflush(stdout);
    return peak;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], "--case") == 0) return RunCase(1, argv, argv[2], argv[3]);
    int presets = 6000;
    int hiveMb = 50;
    std::string dir;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--presets") == 0) presets = std::atoi(argv[i + 1]);
        if (std::strcmp(argv[i], "--hive-mb") == 0) hiveMb = std::atoi(argv[i + 1]);
        if (std::strcmp(argv[i], "--dir") == 0) dir = argv[i + 1];
    }
    QTemporaryDir tmp;
    if (dir.empty()) dir = tmp.path().toStdString();
    const std::string presetsFile = dir + "/presets.ini";
    // Made by a child of its own: a case's peak counts what its process inherited at the fork,
    // and memory once used stays with a process.
    const pid_t maker = fork();
    if (maker == 0) {
        const bool made =
            WriteFileAtomically(presetsFile, PresetsIni(presets)) &&
            WriteFileAtomically(dir + "/big.ini", PresetsIni(presets * hiveMb * 6 / 50)) &&
            WriteFileAtomically(dir + "/registry.reg", LargeHive(hiveMb));
        _exit(made ? 0 : 1);
    }
    int made = -1;
    waitpid(maker, &made, 0);
    if (!WIFEXITED(made) || WEXITSTATUS(made) != 0) {
        std::fprintf(stderr, "cannot write the files in %s\n", dir.c_str());
        return 1;
    }
    const double bare = Measure("bare", dir, "", 0);
    const double window = Measure("window", dir, "", 0);
    Measure("import", dir, presetsFile, window);
    Measure("ini", dir, dir + "/big.ini", bare);
    Measure("hive", dir, dir + "/registry.reg", bare);
    // The save above changed one value; the hive is as large as before.
    Measure("hive-window", dir, dir + "/registry.reg", window);
    return 0;
}
