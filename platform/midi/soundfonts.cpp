#include "platform/midi/soundfonts.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/lib/folderaccess.h"
#include "platform/midi/builtinsynth.h"

namespace {

bool IsFile(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);  // follows links
}

std::string Unreadable(int error) {
    return std::string("cannot be read (") + std::strerror(error) + ")";
}

std::string RealPath(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

}  // namespace

std::vector<std::string> GeneralMidiSoundfonts(const std::string& folder) {
    std::vector<std::string> found;
    for (const char* name : {"default-GM.sf2", "TimGM6mb.sf2", "FluidR3_GM.sf2"}) {
        std::string path = folder + "/" + name;
        if (IsFile(path)) found.push_back(path);
    }
    return found;
}

std::string FindGeneralMidiSoundfont(const std::string& folder) {
    std::vector<std::string> all = GeneralMidiSoundfonts(folder);
    return all.empty() ? std::string() : all.front();
}

std::string SoundfontProblem(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? "does not exist" : Unreadable(errno);
    if (S_ISDIR(st.st_mode)) return "is a folder";
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Unreadable(errno);
    // A soundfont is a RIFF file of form "sfbk".
    unsigned char head[12] = {};
    const ssize_t n = read(fd, head, sizeof head);
    const int readError = errno;
    close(fd);
    if (n < 0) return Unreadable(readError);
    if (n == 0) return "is empty";
    if (n < 12 || std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "sfbk", 4) != 0)
        return "is not a soundfont";
    return std::string();
}

std::string SoundfontFolderProblem(const std::string& folder) {
    const int error = FolderReadError(folder);
    if (error == 0) return std::string();
    return error == ENOENT || error == ENOTDIR ? "does not exist" : Unreadable(error);
}

std::vector<std::string> SoundfontCandidates(const std::string& chosen, const std::string& folder) {
    std::vector<std::string> files;
    std::vector<std::string> real;
    auto add = [&](const std::string& path) {
        const std::string r = RealPath(path);
        if (std::find(real.begin(), real.end(), r) != real.end()) return;
        real.push_back(r);
        files.push_back(path);
    };
    if (!chosen.empty()) add(chosen);
    for (const std::string& path : GeneralMidiSoundfonts(folder)) add(path);
    return files;
}

TSoundfontChoice LoadFirstSoundfont(TBuiltinSynth& synth, const std::vector<std::string>& files) {
    TSoundfontChoice choice;
    TQuietSynthLog quiet;
    for (size_t i = 0; i < files.size(); ++i) {
        // The look at the first bytes names the usual faults; a file that passes it and still
        // does not load is damaged further in.
        std::string problem = SoundfontProblem(files[i]);
        if (problem.empty() && synth.LoadSoundfont(files[i])) {
            choice.loaded = static_cast<int>(i);
            return choice;
        }
        if (problem.empty()) problem = "is damaged";
        choice.failures.push_back(SoundfontDisplayName(files[i]) + " " + problem);
    }
    return choice;
}

std::string SoundfontDisplayName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
