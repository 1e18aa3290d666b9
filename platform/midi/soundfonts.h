#pragma once

#include <string>
#include <vector>

class TBuiltinSynth;

// Where the system's General MIDI soundfonts are installed.
constexpr const char* kSoundfontFolder = "/usr/share/sounds/sf2";

// The General MIDI soundfonts of `folder` that exist, in order of preference: default-GM.sf2
// (the system's choice), TimGM6mb.sf2, FluidR3_GM.sf2.
std::vector<std::string> GeneralMidiSoundfonts(const std::string& folder = kSoundfontFolder);
// The first of them; empty when there is none.
std::string FindGeneralMidiSoundfont(const std::string& folder = kSoundfontFolder);

// What is wrong with a soundfont file or folder. Told as a whole clause about a subject the
// caller names (a file name, or "The soundfont <path>"), so each language words it its own way.
struct TSoundfontProblem {
    enum EKind { None, Missing, Unreadable, Empty, Folder, NotSoundfont, Damaged };
    EKind kind = None;
    std::string reason;  // the system's words, when it cannot be read

    explicit operator bool() const { return kind != None; }
    // "<subject> does not exist", "<subject> cannot be read (reason)", ... in the user's language.
    std::string About(const std::string& subject) const;
};

// What is wrong with a soundfont file, judged by a look at its first bytes; None when it looks
// like one.
TSoundfontProblem SoundfontProblem(const std::string& path);
// Why `folder` offers no soundfont: Missing, Unreadable, or None when it can be listed.
TSoundfontProblem SoundfontFolderProblem(const std::string& folder);

// The files to try, in order: the chosen one (when set), then the General MIDI soundfonts of
// `folder`; a file reached twice (default-GM.sf2 is a link) is tried once.
std::vector<std::string> SoundfontCandidates(const std::string& chosen,
                                             const std::string& folder = kSoundfontFolder);

// Loads the first candidate that loads. `loaded` is its index (-1 when none did); `failures`
// says, for each one tried before it, why it did not ("TimGM6mb.sf2 is empty").
struct TSoundfontChoice {
    int loaded = -1;
    std::vector<std::string> failures;
};
TSoundfontChoice LoadFirstSoundfont(TBuiltinSynth& synth, const std::vector<std::string>& files);

// "TimGM6mb.sf2" for "/usr/share/sounds/sf2/TimGM6mb.sf2".
std::string SoundfontDisplayName(const std::string& path);
