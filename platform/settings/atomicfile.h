#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Whole-file helpers for the files we own (the registry hive, export files). A file is replaced
// by writing a temporary file in the same folder, flushing it to the disk and renaming it over the
// old one, so a crash or a full disk leaves either the old or the new file, never a mixture.

// The temporary files start with the target's name followed by this; a leftover one comes from a
// writer that died before its rename.
extern const char kTempSuffix[];

// Called after each chunk written (with the bytes written so far) and once more just before the
// rename (with the whole size + 1): where a writer can be stopped to see what a crash leaves.
using TWriteProgress = std::function<void(size_t bytesWritten)>;

// A path that is a symbolic link is written through: the file it points to is replaced and the
// link stays. On failure reason (when given) receives the system's reason.
bool WriteFileAtomically(const std::string& path, const std::string& content,
                         std::string* reason = nullptr, const TWriteProgress& progress = nullptr);
// The same for content too large to be held whole: produce hands it over in pieces, in order, to
// the function it is given, which returns false once writing failed (produce then stops and
// returns false; it returns false as well when it cannot make the content).
using TPieceWriter = std::function<bool(std::string_view piece)>;
using TContentProducer = std::function<bool(const TPieceWriter& put)>;
bool WriteFileAtomically(const std::string& path, const TContentProducer& produce,
                         std::string* reason = nullptr, const TWriteProgress& progress = nullptr);

enum class TReadResult { Ok, Missing, Failed };
// Reads only regular files: a FIFO or device is refused (Failed) instead of blocking the caller.
TReadResult ReadWholeFile(const std::string& path, std::string& content,
                          std::string* reason = nullptr);

// Opens path for reading when it is a regular file (links followed), without ever blocking in
// the open itself. Returns the descriptor, or -1 with reason (when given) set.
int OpenRegularFile(const std::string& path, std::string* reason = nullptr);

// The file a chain of symbolic links ends at (the path itself when it is no link). The final
// file need not exist yet.
std::string ResolveLinks(const std::string& path);

// Creates the folder holding path (and its parents); false when that fails.
bool EnsureParentFolder(const std::string& path, std::string* reason = nullptr);
