#pragma once

#include <string>

#include "platform/settings/programpaths.h"

// The folder of the files the program ships: the help pages, the default patch script and the
// "Patch Sets" folder. In a build folder they sit next to the program; an installed program
// finds them in its data folder, share/tastra beside the bin folder it was installed into. The
// data folder is found relative to the program file, so a package unpacked under any root finds
// its own files.

// The folders searched are the program's own (programFolder) and the installed data folder
// beside it.

// The first searched folder that holds any of the shipped files. When none does, the program's
// own folder, so that names built from it still say where the files were expected.
std::string DataFolder(const std::string& programFolder = ProgramFolder());
// Whether folder holds any of the shipped files: a folder that once was a data folder and no
// longer does (a build folder deleted after an install) is not one.
bool IsDataFolder(const std::string& folder);
// False when no searched folder holds any of the shipped files.
bool DataFolderFound(const std::string& programFolder = ProgramFolder());
// For the user when DataFolderFound() is false: a searched folder that is there but cannot be
// read, else what is missing and where it was looked for.
std::string DataFolderProblemMessage(const std::string& programFolder = ProgramFolder());
