#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
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
// Long binary data may continue on the next line after a trailing backslash (blank lines between
// are passed over). Strings escape \ as \\ and " as \". Registry strings may hold line breaks,
// which a line-based file cannot carry raw, so a line feed is written as \n and a carriage return
// as \r; a backslash that precedes any other character is read as a plain backslash, which keeps
// hand-typed paths like "C:\dir" readable. Text is stored as UTF-8 bytes, unchanged.
//
// Reading takes what it can: lines may end in CR LF, LF or CR alone; a file in UTF-16 with a
// byte-order mark (as the registry editor writes its newer format) is read as well; a comment may
// follow a value after a semicolon. A line that still cannot be read (and every comment line) is
// kept where it stood, so a damaged or hand-edited line survives the program's saves; it is
// written back unchanged.
//
// A hive read from text reads a key's values only when the key is first used: opening a store
// on a large hive to read a few values costs little more than finding the key lines, and keys
// nobody used are written back from their lines as they were.
namespace hive {

// Kept: a line that is not a value (a comment, or a line that could not be read), kept verbatim
// among the values of the key it stood under.
enum class TValueType : uint8_t { Dword, String, Binary, Kept };

// One value as stored: a value holds many of them, so name and text share one string.
class TValue {
public:
    TValue() : m_nameLength(0), m_type(TValueType::String) {}
    // For Binary the text is the type prefix, a colon and the bytes ("hex(7):01,02"); for Kept it
    // is the whole line.
    TValue(std::string_view name, TValueType type, std::string_view text, uint32_t dword = 0);
    static TValue String(std::string_view name, std::string_view text) {
        return TValue(name, TValueType::String, text);
    }
    static TValue Dword(std::string_view name, uint32_t n) {
        return TValue(name, TValueType::Dword, {}, n);
    }

    std::string_view Name() const { return std::string_view(m_data).substr(0, m_nameLength); }
    std::string_view Text() const { return std::string_view(m_data).substr(m_nameLength); }
    TValueType Type() const { return m_type; }
    uint32_t Number() const { return m_dword; }
    bool operator==(const TValue& other) const;

    // Names longer than this are cut: no registry allows more than a few hundred characters.
    static constexpr size_t kMaxNameLength = (1u << 24) - 1;

private:
    std::string m_data;  // the name, then the text
    uint32_t m_dword = 0;
    uint32_t m_nameLength : 24;
    TValueType m_type : 8;
};

class TKey {
public:
    explicit TKey(std::string path) : m_path(std::move(path)) {}

    const std::string& Path() const { return m_path; }  // spelling as created
    // The values and kept lines in stored order (a key handed out by its hive has been read).
    const std::vector<TValue>& Values() const { return m_values; }
    const TValue* Find(std::string_view name) const;
    // Adds or replaces a value; an existing value keeps its place and its name's spelling. A kept
    // line is always added.
    void Put(TValue value);
    void Remove(std::string_view name);
    // Gives back the room kept for more values.
    void ShrinkToFit() { m_values.shrink_to_fit(); }

private:
    friend class THive;
    long IndexOf(std::string_view name) const;
    void Reindex();

    std::string m_path;
    std::vector<TValue> m_values;
    // The parts of the hive's text below this key's lines that have not been read yet: from
    // after a key line to the next one.
    std::vector<std::pair<size_t, size_t>> m_unread;
    // Open addressing over the value names, folded: position + 1, 0 for a free slot. Only large
    // keys have one; a few values are found faster by looking at each.
    std::vector<uint32_t> m_index;
};

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

    const TValue* FindValue(const std::string& key, std::string_view name) const;
    // Creates the key when needed; an existing value keeps its place and its name's spelling.
    void SetValue(const std::string& key, TValue value);
    void DeleteValue(const std::string& key, std::string_view name);

    // Every key, each read.
    const TKeyMap& Keys() const;
    // Gives back the room the keys keep for more values.
    void ShrinkToFit();
    // Lines kept from before the first key.
    const std::vector<std::string>& Preamble() const { return m_preamble; }
    void KeepPreambleLine(std::string line) { m_preamble.push_back(std::move(line)); }
    bool operator==(const THive& other) const;

    // Parses hive text: see ParseHive.
    bool Parse(std::string text);
    std::string Serialize() const;
    // The text in pieces, in order, each handed to put; stops and returns false when put does.
    using TTextWriter = std::function<bool(std::string_view piece)>;
    bool Serialize(const TTextWriter& put) const;

private:
    // The key last looked up, by the path it was asked for: writes come in runs to one key, and
    // finding a key by its long path among thousands is the costly part of a write. Forgotten
    // whenever the hive is copied or moved.
    struct TLastKey {
        TLastKey() = default;
        TLastKey(const TLastKey&) {}
        TLastKey& operator=(const TLastKey&) {
            path.clear();
            key = nullptr;
            return *this;
        }
        std::string path;
        TKey* key = nullptr;
    };
    TKey* Lookup(const std::string& path) const;
    // Reads the values of a key whose lines have not been read yet.
    void Read(TKey& key) const;
    void ForgetUnread(const TKey& key) const;

    // Keys are read on first use, also through a const hive.
    mutable TKeyMap m_keys;
    std::vector<std::string> m_preamble;
    mutable TLastKey m_last;
    // The text the unread keys' lines are in, kept while any key is unread.
    mutable std::string m_text;
    mutable size_t m_unreadKeys = 0;
};

// Parses hive text: everything that can be read is, the rest is kept (see above). False (and out
// unchanged) only when nothing in the text can be read: no header and no key. An empty or blank
// text is an empty hive.
bool ParseHive(std::string text, THive& out);
std::string SerializeHive(const THive& hive);

// Normalises a key path: drops empty components (doubled, leading or trailing backslashes).
std::string NormalizeKeyPath(const std::string& path);

}  // namespace hive
