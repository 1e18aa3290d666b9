#pragma once

#include <QString>
#include <map>
#include <string>

// Key maps of the user's own: which computer key (by set-1 scan code) plays which note, as a
// semitone offset from the base of the piano rows (12 x KeyOctave). The file is an INI text:
//
//   [Map]
//   Name=Laptop
//   [Keys]
//   30=12
//   17=13   ; W plays C#
//
// Several keys may play the same note; a key plays one note. Lines starting with ';' or '#' are
// comments, and so is what follows ';' or '#' after a key's offset.
namespace keymap {

constexpr int kFirstScanCode = 1;
constexpr int kLastScanCode = 127;
constexpr int kLowestOffset = -127;
constexpr int kHighestOffset = 127;

struct TKeyMap {
    QString name;
    std::map<int, int> keys;  // scan code -> offset
    bool operator==(const TKeyMap& o) const { return name == o.name && keys == o.keys; }
};

// Where and why a text is not a key map. Line 0 means the file as a whole.
struct TParseError {
    int line = 0;
    QString message;
};

// Reads the text of a key map file. Anything that is not understood is an error: a key map
// that plays other notes than its author meant is worse than none.
bool ParseKeyMap(const std::string& text, TKeyMap& map, TParseError& error);

// The text of a key map file that reads back as the same map.
std::string WriteKeyMap(const TKeyMap& map);

// Reads a key map file. On failure message names the file, and the line where there is one.
bool LoadKeyMapFile(const QString& path, TKeyMap& map, QString& message);

// Writes a key map file atomically (the old file stays whole when writing fails).
bool SaveKeyMapFile(const QString& path, const TKeyMap& map, QString& message);

}  // namespace keymap
