#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

// The in-memory form of a per-user registry hive and its REGEDIT4 text form.
//
// A key is addressed by its full path ("HKEY_CURRENT_USER\Software\Ostrel\..."); key and value
// names compare ignoring ASCII case and keep the spelling they were created with. Values are
// DWORDs, strings or raw binary data (kept only so that a hand-made file survives a save; the
// program itself never writes binary values).
//
// Text form, as the registry editor exports it:
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Ostrel]
//   "Width"=dword:000002f8
//   "Name"="text"
//   @="the key's default value"
//   "Blob"=hex:01,02,03
//
// Long binary data may continue on the next line after a trailing backslash. Strings escape \ as
// \\ and " as \". Registry strings may hold line breaks, which a line-based file cannot carry raw,
// so a line feed is written as \n and a carriage return as \r; a backslash that precedes any other
// character is read as a plain backslash, which keeps hand-typed paths like "C:\dir" readable. Text
// is stored as UTF-8 bytes, unchanged.
namespace hive {

enum class TValueType { Dword, String, Binary };

struct TValue {
    std::string name;  // empty for the key's default value
    TValueType type = TValueType::String;
    uint32_t dword = 0;
    std::string text;          // the string, or for Binary the bytes after the "hex...:" prefix
    std::string binaryPrefix;  // "hex" or "hex(7)" etc. for Binary values
};

struct TKey {
    std::string path;  // spelling as created
    std::vector<TValue> values;
    // Position of each value by its lower-case name; keeps large keys fast to fill.
    std::unordered_map<std::string, size_t> index;

    const TValue* Find(const std::string& name) const;
};

// Adds or replaces a value of key; an existing value keeps its place and its name's spelling.
void PutValue(TKey& key, const TValue& value);

// Orders key paths the way the registry editor lists them: parents before their subkeys, names
// ignoring case.
struct TKeyPathLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

class THive {
public:
    using TKeyMap = std::map<std::string, TKey, TKeyPathLess>;

    const TKey* FindKey(const std::string& path) const;
    // Creates the key; the keys above it exist through it (they are listed as subkeys) without
    // entries of their own. Returns the key.
    TKey& CreateKey(const std::string& path);
    // Deletes the key with all its subkeys.
    void DeleteKey(const std::string& path);
    // Names (last path component) of the direct subkeys, in listing order.
    std::vector<std::string> SubKeys(const std::string& path) const;

    const TValue* FindValue(const std::string& key, const std::string& name) const;
    // Creates the key when needed; an existing value keeps its place and its name's spelling.
    void SetValue(const std::string& key, const TValue& value);
    void DeleteValue(const std::string& key, const std::string& name);

    const TKeyMap& Keys() const { return m_keys; }
    bool operator==(const THive& other) const;

private:
    TKeyMap m_keys;
};

// Parses REGEDIT4 text; false (and out unchanged) when the text is not a well-formed hive.
// An empty text is an empty hive.
bool ParseHive(const std::string& text, THive& out);
std::string SerializeHive(const THive& hive);

// Normalises a key path: drops empty components (doubled, leading or trailing backslashes).
std::string NormalizeKeyPath(const std::string& path);

}  // namespace hive
