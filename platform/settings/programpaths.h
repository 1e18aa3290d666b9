#pragma once

#include <string>

// Where the program keeps its settings and finds its files, derived from the running program's
// own file, so that a renamed copy of the program gets a separate set of settings.

extern const char kProgramTitle[];  // "Zorvik's Tastra": window caption and application title
extern const char kCompanyKey[];    // "Ostrel"

// The running program's file, symlinks resolved, worked out once: the operating system runs one
// program per process, so it is the same for the whole program.
std::string ProgramFilePath();

// The file name without folder and extension. The extension starts at the last '.', unless that
// dot is the name's first character or there is none; then the whole name is kept.
std::string ProgramFileBaseName(const std::string& filePath);

// Company \ title \ program file base name, e.g. "Ostrel\Zorvik's Tastra\Tastra".
std::string ProgramKeyPath(const std::string& programFile = ProgramFilePath());
// "\Software\" + ProgramKeyPath(): the settings key below the user's registry root.
std::string SettingsRootPath(const std::string& programFile = ProgramFilePath());
// The folder of the program file, without a trailing separator.
std::string ProgramFolder(const std::string& programFile = ProgramFilePath());
