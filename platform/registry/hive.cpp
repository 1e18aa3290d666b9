#include "platform/registry/hive.h"

#include <stdexcept>

#include "platform/registry/hivetext.h"

namespace hive {

namespace {

const char kHeader[] = "REGEDIT4";
// The registry editor's newer export format, written in UTF-16; its values read the same.
const char kHeaderVersion5[] = "Windows Registry Editor Version 5.00";
// Keys with more values than this find them through a hash index.
constexpr size_t kIndexedKeySize = 8;

int FoldForOrder(char c) {
    // The separator sorts before every other character so that "A\B" comes right after "A" and
    // before "A B": parents first, then their subkeys, then siblings.
    if (c == '\\') return 0;
    return FoldAscii(static_cast<unsigned char>(c)) + 1;
}

// Whether path begins with prefix, ignoring ASCII case.
bool StartsWithName(const std::string& path, const std::string& prefix) {
    return path.size() >= prefix.size() &&
           SameAsciiName(std::string_view(path).substr(0, prefix.size()), prefix);
}

// A key line "[path]"; false when it names no key.
bool ParseKeyLine(std::string_view trimmed, std::string& path) {
    if (trimmed.size() < 3 || trimmed.front() != '[' || trimmed.back() != ']') return false;
    path = NormalizeKeyPath(std::string(trimmed.substr(1, trimmed.size() - 2)));
    return !path.empty();
}

// Whether a line can go on the binary data of the line before it: bytes, commas and blanks.
bool IsHexContinuation(std::string_view line) {
    std::string_view t = TrimLine(line);
    if (!t.empty() && t.back() == '\\') t.remove_suffix(1);
    if (t.empty()) return false;
    for (char c : t)
        if (HexDigit(c) < 0 && c != ',' && !IsLineBlank(c)) return false;
    return true;
}

// Reads value lines into a key, or keeps them: a damaged line, a comment, and every line that
// follows a key line naming no key.
class TLineParser {
public:
    // Lines kept outside any key go to preamble.
    TLineParser(TLineReader& lines, TKey* key, std::vector<std::string>* preamble)
        : m_lines(lines), m_key(key), m_keep(key), m_preamble(preamble) {}

    void ReadLine(std::string_view line, std::string_view t) {
        if (t.front() == '[') {
            // A key line that names a key never comes here.
            m_key = nullptr;
            Keep(line);
            return;
        }
        if (t.front() == ';' || !m_key) {
            Keep(line);
            return;
        }
        std::vector<std::string_view> consumed{line};
        TValue value;
        if (ReadValue(t, consumed, value)) {
            m_key->Put(std::move(value));
        } else {
            for (std::string_view l : consumed) Keep(l);
        }
    }

private:
    // A value line; binary data may go on over the following lines, which are consumed.
    bool ReadValue(std::string_view t, std::vector<std::string_view>& consumed, TValue& value) {
        std::string name;
        size_t i = 0;
        if (t[0] == '@') {
            i = 1;
        } else if (!ReadQuoted(t, i, name)) {
            return false;
        }
        i = SkipLineBlanks(t, i);
        if (i >= t.size() || t[i] != '=') return false;
        std::string data(t.substr(i + 1));
        for (;;) {
            const std::string_view d = TrimLine(data);
            if (d.empty() || d.back() != '\\' || d.find('"') != std::string_view::npos) break;
            // Blank lines are never written back, so they cannot end the data either: the text
            // a save makes must read as the one it was made from.
            TLineReader ahead = m_lines;
            std::string_view next;
            while (ahead.Next(next) && TrimLine(next).empty()) {
            }
            if (!IsHexContinuation(next)) break;
            m_lines = ahead;
            consumed.push_back(next);
            data = std::string(d.substr(0, d.size() - 1)) + std::string(TrimLine(next));
        }
        return ParseValueData(name, data, value);
    }

    void Keep(std::string_view line) {
        if (m_keep) {
            m_keep->Put(TValue({}, TValueType::Kept, line));
        } else if (m_preamble) {
            m_preamble->emplace_back(line);
        }
    }

    TLineReader& m_lines;
    TKey* m_key;   // where values go; none after a key line naming no key
    TKey* m_keep;  // where kept lines go; none: the preamble
    std::vector<std::string>* m_preamble;
};

// Collects a hive's text in pieces of about kPiece bytes and hands each to the writer: a large
// hive's text is never held whole while it is written to a file.
class TSink {
public:
    explicit TSink(const THive::TTextWriter& put) : m_put(put) {}

    void Add(std::string_view s) {
        m_pending.append(s);
        if (m_pending.size() >= kPiece) Pass();
    }
    void AddEscaped(std::string_view s) {
        size_t run = 0;
        for (size_t i = 0; i < s.size(); ++i) {
            const char c = s[i];
            if (c != '\\' && c != '"' && c != '\n' && c != '\r') continue;
            const char* escape = EscapeOf(c);
            Add(s.substr(run, i - run));
            Add(escape);
            run = i + 1;
        }
        Add(s.substr(run));
    }
    // Hands over what is left; false when the writer refused a piece.
    bool Finish() {
        Pass();
        return m_ok;
    }

private:
    static constexpr size_t kPiece = 65536;
    void Pass() {
        if (m_ok && !m_pending.empty()) m_ok = m_put(m_pending);
        m_pending.clear();
    }

    const THive::TTextWriter& m_put;
    std::string m_pending;
    bool m_ok = true;
};

void WriteValue(const TValue& v, TSink& sink) {
    if (v.Name().empty()) {
        sink.Add("@");
    } else {
        sink.Add("\"");
        sink.AddEscaped(v.Name());
        sink.Add("\"");
    }
    sink.Add("=");
    switch (v.Type()) {
        case TValueType::Dword: {
            char dword[8];
            FormatDword(v.Number(), dword);
            sink.Add("dword:");
            sink.Add(std::string_view(dword, 8));
            break;
        }
        case TValueType::String:
            sink.Add("\"");
            sink.AddEscaped(v.Text());
            sink.Add("\"");
            break;
        case TValueType::Binary:
        case TValueType::Kept:
            sink.Add(v.Text());
            break;
    }
}

void WriteKey(const TKey& key, TSink& sink) {
    const std::string header = "[" + key.Path() + "]\r\n";
    sink.Add(header);
    bool outsideKey = false;
    bool endsInBackslash = false;  // the line written last
    for (const TValue& v : key.Values()) {
        if (v.Type() == TValueType::Kept) {
            const std::string_view t = TrimLine(v.Text());
            // Kept lines that were apart (in two parts of a key named twice, or with a value
            // between them that was since deleted) must not come back as one value, a kept line
            // ending in a backslash going on over a kept line of bytes: naming the key again
            // between them ends the data and puts both lines in the key as they were.
            if (endsInBackslash && !outsideKey && IsHexContinuation(t)) sink.Add(header);
            sink.Add(v.Text());
            sink.Add("\r\n");
            // A kept line that opens a key nobody can name puts what follows outside the key;
            // the key is named again before its next value.
            outsideKey = outsideKey || (!t.empty() && t.front() == '[');
            endsInBackslash = !t.empty() && t.back() == '\\';
            continue;
        }
        if (outsideKey) sink.Add(header);
        outsideKey = false;
        WriteValue(v, sink);
        sink.Add("\r\n");
        endsInBackslash = false;
    }
}

// A key nobody read: its lines as they came, each part under its key line (another part may
// follow lines that belong to no key).
void WriteUnreadKey(const std::string& path, std::string_view text,
                    const std::vector<std::pair<size_t, size_t>>& parts, TSink& sink) {
    const std::string header = "[" + path + "]\r\n";
    for (const auto& [from, to] : parts) {
        sink.Add(header);
        TLineReader lines(text.substr(from, to - from));
        std::string_view line;
        while (lines.Next(line)) {
            if (TrimLine(line).empty()) continue;
            sink.Add(line);
            sink.Add("\r\n");
        }
    }
}

}  // namespace

TValue::TValue(std::string_view name, TValueType type, std::string_view text, uint32_t dword)
    : m_dword(dword), m_type(type) {
    if (name.size() > kMaxNameLength) name = name.substr(0, kMaxNameLength);
    m_nameLength = static_cast<uint32_t>(name.size()) & kMaxNameLength;
    m_data.reserve(name.size() + text.size());
    m_data.append(name);
    m_data.append(text);
}

bool TValue::operator==(const TValue& other) const {
    return m_type == other.m_type && m_dword == other.m_dword &&
           m_nameLength == other.m_nameLength && m_data == other.m_data;
}

long TKey::IndexOf(std::string_view name) const {
    if (m_index.empty()) {
        for (size_t i = 0; i < m_values.size(); ++i)
            if (m_values[i].Type() != TValueType::Kept && SameAsciiName(m_values[i].Name(), name))
                return static_cast<long>(i);
        return -1;
    }
    const size_t mask = m_index.size() - 1;
    for (size_t slot = HashName(name) & mask;; slot = (slot + 1) & mask) {
        const uint32_t at = m_index[slot];
        if (at == 0) return -1;
        if (SameAsciiName(m_values[at - 1].Name(), name)) return static_cast<long>(at - 1);
    }
}

void TKey::Reindex() {
    m_index.clear();
    if (m_values.size() <= kIndexedKeySize) return;
    size_t size = 16;
    while (size * 7 < m_values.size() * 10) size *= 2;
    m_index.assign(size, 0);
    const size_t mask = size - 1;
    for (size_t i = 0; i < m_values.size(); ++i) {
        if (m_values[i].Type() == TValueType::Kept) continue;
        size_t slot = HashName(m_values[i].Name()) & mask;
        while (m_index[slot] != 0) slot = (slot + 1) & mask;
        m_index[slot] = static_cast<uint32_t>(i + 1);
    }
}

const TValue* TKey::Find(std::string_view name) const {
    const long at = IndexOf(name);
    return at < 0 ? nullptr : &m_values[static_cast<size_t>(at)];
}

void TKey::Put(TValue value) {
    if (value.Type() != TValueType::Kept) {
        const long at = IndexOf(value.Name());
        if (at >= 0) {
            TValue& old = m_values[static_cast<size_t>(at)];
            old = TValue(old.Name(), value.Type(), value.Text(), value.Number());
            return;
        }
    }
    m_values.push_back(std::move(value));
    const size_t n = m_values.size();
    if (n <= kIndexedKeySize) return;
    if (m_index.empty() || m_index.size() * 7 < n * 10) {
        Reindex();
    } else if (m_values.back().Type() != TValueType::Kept) {
        const size_t mask = m_index.size() - 1;
        size_t slot = HashName(m_values.back().Name()) & mask;
        while (m_index[slot] != 0) slot = (slot + 1) & mask;
        m_index[slot] = static_cast<uint32_t>(n);
    }
}

void TKey::Remove(std::string_view name) {
    const long at = IndexOf(name);
    if (at < 0) return;
    m_values.erase(m_values.begin() + at);
    Reindex();
}

bool TKeyPathLess::operator()(const std::string& a, const std::string& b) const {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        // Paths share long beginnings: equal bytes need no folding.
        if (a[i] == b[i]) continue;
        int x = FoldForOrder(a[i]), y = FoldForOrder(b[i]);
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

std::string NormalizeKeyPath(const std::string& path) {
    std::string out;
    size_t i = 0;
    while (i < path.size()) {
        size_t e = path.find('\\', i);
        if (e == std::string::npos) e = path.size();
        if (e > i) {
            if (!out.empty()) out += '\\';
            for (size_t k = i; k < e; ++k)
                // A line break in a key name would split its header line in the file.
                out += (path[k] == '\n' || path[k] == '\r') ? ' ' : path[k];
        }
        i = e + 1;
    }
    return out;
}

TKey* THive::Lookup(const std::string& path) const {
    if (m_last.key && m_last.path == path) return m_last.key;
    auto it = m_keys.find(NormalizeKeyPath(path));
    if (it == m_keys.end()) return nullptr;
    if (!it->second.m_unread.empty()) Read(it->second);
    m_last.path = path;
    m_last.key = &it->second;
    return m_last.key;
}

void THive::Read(TKey& key) const {
    for (const auto& [from, to] : key.m_unread) {
        TLineReader lines(std::string_view(m_text).substr(from, to - from));
        TLineParser parser(lines, &key, nullptr);
        std::string_view line;
        while (lines.Next(line)) {
            const std::string_view t = TrimLine(line);
            if (!t.empty()) parser.ReadLine(line, t);
        }
    }
    key.ShrinkToFit();
    ForgetUnread(key);
}

void THive::ForgetUnread(const TKey& key) const {
    if (key.m_unread.empty()) return;
    const_cast<TKey&>(key).m_unread.clear();
    if (--m_unreadKeys > 0) return;
    m_text.clear();
    m_text.shrink_to_fit();
}

const THive::TKeyMap& THive::Keys() const {
    for (auto& entry : m_keys)
        if (!entry.second.m_unread.empty()) Read(entry.second);
    return m_keys;
}

const TKey* THive::FindKey(const std::string& path) const { return Lookup(path); }

TKey& THive::CreateKey(const std::string& path) {
    if (TKey* key = Lookup(path)) return *key;
    std::string norm = NormalizeKeyPath(path);
    if (norm.empty()) throw std::invalid_argument("empty registry key path");
    // The keys above it exist through it; giving each its own entry would make a deep path cost
    // the square of its length in memory and in the file.
    TKey& key = m_keys.emplace(norm, TKey(norm)).first->second;
    m_last.path = path;
    m_last.key = &key;
    return key;
}

void THive::DeleteKey(const std::string& path) {
    m_last = TLastKey();
    std::string norm = NormalizeKeyPath(path);
    if (norm.empty()) return;
    auto it = m_keys.find(norm);
    if (it != m_keys.end()) {
        ForgetUnread(it->second);
        m_keys.erase(it);
    }
    // Subkeys follow their parent directly in this ordering, also where the parent has no entry.
    const std::string below = norm + '\\';
    for (it = m_keys.lower_bound(below); it != m_keys.end() && StartsWithName(it->first, below);) {
        ForgetUnread(it->second);
        it = m_keys.erase(it);
    }
}

std::vector<std::string> THive::SubKeys(const std::string& path) const {
    std::vector<std::string> out;
    const std::string below = NormalizeKeyPath(path) + '\\';
    // A subkey may exist only through keys below it: its name is the first component after the
    // path, and all keys below one subkey come together.
    for (auto it = m_keys.lower_bound(below); it != m_keys.end(); ++it) {
        if (!StartsWithName(it->first, below)) break;
        const std::string& spelled = it->second.Path();
        const size_t end = spelled.find('\\', below.size());
        std::string name = spelled.substr(
            below.size(), end == std::string::npos ? std::string::npos : end - below.size());
        if (out.empty() || !SameAsciiName(out.back(), name)) out.push_back(std::move(name));
    }
    return out;
}

const TValue* THive::FindValue(const std::string& key, std::string_view name) const {
    const TKey* k = FindKey(key);
    return k ? k->Find(name) : nullptr;
}

void THive::ShrinkToFit() {
    for (auto& entry : m_keys) entry.second.ShrinkToFit();
}

void THive::SetValue(const std::string& key, TValue value) { CreateKey(key).Put(std::move(value)); }

void THive::DeleteValue(const std::string& key, std::string_view name) {
    if (TKey* k = Lookup(key)) k->Remove(name);
}

bool THive::operator==(const THive& other) const {
    if (Keys().size() != other.Keys().size() || m_preamble != other.m_preamble) return false;
    for (auto a = m_keys.begin(), b = other.m_keys.begin(); a != m_keys.end(); ++a, ++b)
        if (a->second.Path() != b->second.Path() || a->second.Values() != b->second.Values())
            return false;
    return true;
}

bool THive::Parse(std::string text) {
    m_text = DecodeHiveText(std::move(text));
    const bool blank = m_text.find_first_not_of(" \t\r\n") == std::string::npos;
    TLineReader lines(m_text);
    TLineParser preamble(lines, nullptr, &m_preamble);
    bool first = true;
    bool readable = false;
    TKey* open = nullptr;  // the key whose lines these are
    size_t from = 0;
    std::string path;
    std::string_view line;
    // Only the key lines are looked at; each key's lines are read when it is first used.
    while (lines.Next(line)) {
        const std::string_view trimmed = TrimLine(line);
        if (trimmed.empty()) continue;
        if (first) {
            first = false;
            if (trimmed == kHeader || trimmed == kHeaderVersion5) {
                readable = true;
                continue;
            }
        }
        if (trimmed.front() == '[' && ParseKeyLine(trimmed, path)) {
            const size_t at = static_cast<size_t>(line.data() - m_text.data());
            if (open) open->m_unread.emplace_back(from, at);
            auto it = m_keys.find(path);
            if (it == m_keys.end()) it = m_keys.emplace(path, TKey(path)).first;
            open = &it->second;
            if (open->m_unread.empty()) ++m_unreadKeys;
            from = lines.Position();
            readable = true;
            continue;
        }
        if (!open) preamble.ReadLine(line, trimmed);
    }
    if (open) open->m_unread.emplace_back(from, m_text.size());
    if (m_unreadKeys == 0) m_text = std::string();
    // NUL bytes alone are what a crash leaves of a file, not an empty hive.
    return readable || blank;
}

bool THive::Serialize(const TTextWriter& put) const {
    TSink sink(put);
    sink.Add(kHeader);
    sink.Add("\r\n\r\n");
    for (const std::string& line : m_preamble) {
        sink.Add(line);
        sink.Add("\r\n");
    }
    if (!m_preamble.empty()) sink.Add("\r\n");
    for (const auto& [norm, key] : m_keys) {
        if (key.m_unread.empty())
            WriteKey(key, sink);
        else
            WriteUnreadKey(key.Path(), m_text, key.m_unread, sink);
        sink.Add("\r\n");
    }
    return sink.Finish();
}

std::string THive::Serialize() const {
    std::string text;
    Serialize([&text](std::string_view piece) {
        text.append(piece);
        return true;
    });
    return text;
}

bool ParseHive(std::string text, THive& out) {
    THive hive;
    if (!hive.Parse(std::move(text))) return false;
    out = std::move(hive);
    return true;
}

std::string SerializeHive(const THive& hive) { return hive.Serialize(); }

}  // namespace hive
