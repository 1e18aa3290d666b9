#pragma once

#include <string>

// 0 when `folder` can be listed and the files in it reached; else the reason as an errno value
// (ENOENT: not there, ENOTDIR: not a folder, anything else: there but not readable).
int FolderReadError(const std::string& folder);
