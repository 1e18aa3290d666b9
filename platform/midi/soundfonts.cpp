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
#include "platform/lib/translatedtext.h"
#include "platform/midi/builtinsynth.h"

namespace {

bool IsFile(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);  // follows links
}

TSoundfontProblem Problem(TSoundfontProblem::EKind kind) {
    TSoundfontProblem problem;
    problem.kind = kind;
    return problem;
}

TSoundfontProblem UnreadableBecause(int error) {
    TSoundfontProblem problem = Problem(TSoundfontProblem::Unreadable);
    problem.reason = std::strerror(error);
    return problem;
}

TSoundfontProblem MissingOrUnreadable(int error) {
    return error == ENOENT || error == ENOTDIR ? Problem(TSoundfontProblem::Missing)
                                               : UnreadableBecause(error);
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

std::string TSoundfontProblem::About(const std::string& subject) const {
    const auto says = [&subject](const char* text) {
        return TranslatedText("Soundfont", text, subject);
    };
    switch (kind) {
        case Missing:
            return says(QT_TRANSLATE_NOOP("Soundfont", "%1 does not exist"));
        case Unreadable:
            return TranslatedText("Soundfont",
                                  QT_TRANSLATE_NOOP("Soundfont", "%1 cannot be read (%2)"), subject,
                                  reason);
        case Empty:
            return says(QT_TRANSLATE_NOOP("Soundfont", "%1 is empty"));
        case Folder:
            return says(QT_TRANSLATE_NOOP("Soundfont", "%1 is a folder"));
        case NotSoundfont:
            return says(QT_TRANSLATE_NOOP("Soundfont", "%1 is not a soundfont"));
        case Damaged:
            return says(QT_TRANSLATE_NOOP("Soundfont", "%1 is damaged"));
        case None:
            break;
    }
    return std::string();
}

TSoundfontProblem SoundfontProblem(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return MissingOrUnreadable(errno);
    if (S_ISDIR(st.st_mode)) return Problem(TSoundfontProblem::Folder);
    // A pipe, a device or a socket is no soundfont, and opening a pipe would wait for a writer
    // for good: refused before it is opened, and opened without waiting in case it was swapped
    // for one since.
    if (!S_ISREG(st.st_mode)) return Problem(TSoundfontProblem::NotSoundfont);
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return UnreadableBecause(errno);
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return Problem(TSoundfontProblem::NotSoundfont);
    }
    // A soundfont is a RIFF file of form "sfbk".
    unsigned char head[12] = {};
    const ssize_t n = read(fd, head, sizeof head);
    const int readError = errno;
    close(fd);
    if (n < 0) return UnreadableBecause(readError);
    if (n == 0) return Problem(TSoundfontProblem::Empty);
    if (n < 12 || std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "sfbk", 4) != 0)
        return Problem(TSoundfontProblem::NotSoundfont);
    return TSoundfontProblem();
}

TSoundfontProblem SoundfontFolderProblem(const std::string& folder) {
    const int error = FolderReadError(folder);
    return error == 0 ? TSoundfontProblem() : MissingOrUnreadable(error);
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
        TSoundfontProblem problem = SoundfontProblem(files[i]);
        if (!problem && synth.LoadSoundfont(files[i])) {
            choice.loaded = static_cast<int>(i);
            return choice;
        }
        if (!problem) problem = Problem(TSoundfontProblem::Damaged);
        choice.failures.push_back(problem.About(SoundfontDisplayName(files[i])));
    }
    return choice;
}

std::string SoundfontDisplayName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
