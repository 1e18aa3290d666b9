#include "platform/registry/hive.h"

#include <cctype>
#include <cstdio>
#include <stdexcept>

#include "platform/settings/settingsstore.h"

namespace hive {

namespace {

const char kHeader[] = "REGEDIT4";

// ASCII case folding without the C library's locale lookup: key paths are compared a great
// many times (every write of a large import looks its key up).
inline int FoldAscii(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

int FoldForOrder(char c) {
    // The separator sorts before every other character so that "A\B" comes right after "A" and
    // before "A B": parents first, then their subkeys, then siblings.
    if (c == '\\') return 0;
    return FoldAscii(static_cast<unsigned char>(c)) + 1;
}

std::string TrimRight(const std::string& s) {
    size_t e = s.size();
    while (e > 0 && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return s.substr(0, e);
}

size_t SkipBlanks(const std::string& s, size_t i) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    return i;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string EscapeString(const std::string& s) {
    std::string out;
    out.reserve(s.size() + 2);
    for (char c : s) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// Reads a quoted string starting at s[i] == '"'; i ends after the closing quote.
bool ReadQuoted(const std::string& s, size_t& i, std::string& out) {
    if (i >= s.size() || s[i] != '"') return false;
    ++i;
    out.clear();
    while (i < s.size()) {
        char c = s[i++];
        if (c == '"') return true;
        if (c == '\\' && i < s.size()) {
            char n = s[i];
            if (n == '\\' || n == '"') {
                out += n;
                ++i;
                continue;
            }
            if (n == 'n' || n == 'r') {
                out += n == 'n' ? '\n' : '\r';
                ++i;
                continue;
            }
        }
        out += c;
    }
    return false;  // no closing quote
}

// Parses "01,ab,ff" (blanks allowed around the bytes) into the normalised lower-case form.
bool ParseHexBytes(const std::string& s, std::string& out) {
    out.clear();
    size_t i = SkipBlanks(s, 0);
    if (i == s.size()) return true;  // no bytes
    for (;;) {
        i = SkipBlanks(s, i);
        if (i + 2 > s.size()) return false;
        int hi = HexDigit(s[i]), lo = HexDigit(s[i + 1]);
        if (hi < 0 || lo < 0) return false;
        static const char kDigits[] = "0123456789abcdef";
        if (!out.empty()) out += ',';
        out += kDigits[hi];
        out += kDigits[lo];
        i = SkipBlanks(s, i + 2);
        if (i == s.size()) return true;
        if (s[i] != ',') return false;
        ++i;
    }
}

bool ParseValueData(const std::string& s, TValue& v) {
    size_t i = SkipBlanks(s, 0);
    if (i < s.size() && s[i] == '"') {
        v.type = TValueType::String;
        if (!ReadQuoted(s, i, v.text)) return false;
        return SkipBlanks(s, i) == s.size();
    }
    std::string rest = TrimRight(s.substr(i));
    if (rest.compare(0, 6, "dword:") == 0) {
        std::string digits = rest.substr(6);
        if (digits.size() != 8) return false;
        uint32_t n = 0;
        for (char c : digits) {
            int d = HexDigit(c);
            if (d < 0) return false;
            n = n * 16 + static_cast<uint32_t>(d);
        }
        v.type = TValueType::Dword;
        v.dword = n;
        return true;
    }
    if (rest.compare(0, 3, "hex") == 0) {
        size_t colon = rest.find(':');
        if (colon == std::string::npos) return false;
        std::string prefix = rest.substr(0, colon);
        if (prefix != "hex") {
            // hex(N) with N a hexadecimal type number
            if (prefix.size() < 6 || prefix[3] != '(' || prefix.back() != ')') return false;
            for (size_t k = 4; k + 1 < prefix.size(); ++k)
                if (HexDigit(prefix[k]) < 0) return false;
        }
        v.type = TValueType::Binary;
        v.binaryPrefix = prefix;
        return ParseHexBytes(rest.substr(colon + 1), v.text);
    }
    return false;
}

std::string Lower(const std::string& s) {
    std::string out = s;
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t nl = text.find('\n', start);
        size_t end = nl == std::string::npos ? text.size() : nl;
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    return lines;
}

// Whether path begins with prefix, ignoring ASCII case.
bool StartsWithName(const std::string& path, const std::string& prefix) {
    if (path.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (FoldAscii(static_cast<unsigned char>(path[i])) !=
            FoldAscii(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

}  // namespace

const TValue* TKey::Find(const std::string& name) const {
    auto it = index.find(Lower(name));
    return it == index.end() ? nullptr : &values[it->second];
}

bool TKeyPathLess::operator()(const std::string& a, const std::string& b) const {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
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

const TKey* THive::FindKey(const std::string& path) const {
    auto it = m_keys.find(NormalizeKeyPath(path));
    return it == m_keys.end() ? nullptr : &it->second;
}

TKey& THive::CreateKey(const std::string& path) {
    std::string norm = NormalizeKeyPath(path);
    if (norm.empty()) throw std::invalid_argument("empty registry key path");
    // The keys above it exist through it; giving each its own entry would make a deep path cost
    // the square of its length in memory and in the file.
    auto it = m_keys.find(norm);
    if (it == m_keys.end()) it = m_keys.emplace(norm, TKey{norm, {}, {}}).first;
    return it->second;
}

void THive::DeleteKey(const std::string& path) {
    std::string norm = NormalizeKeyPath(path);
    if (norm.empty()) return;
    m_keys.erase(norm);
    // Subkeys follow their parent directly in this ordering, also where the parent has no entry.
    const std::string below = norm + '\\';
    auto it = m_keys.lower_bound(below);
    while (it != m_keys.end() && StartsWithName(it->first, below)) it = m_keys.erase(it);
}

std::vector<std::string> THive::SubKeys(const std::string& path) const {
    std::vector<std::string> out;
    const std::string below = NormalizeKeyPath(path) + '\\';
    // A subkey may exist only through keys below it: its name is the first component after the
    // path, and all keys below one subkey come together.
    for (auto it = m_keys.lower_bound(below); it != m_keys.end(); ++it) {
        if (!StartsWithName(it->first, below)) break;
        const std::string& spelled = it->second.path;
        const size_t end = spelled.find('\\', below.size());
        std::string name = spelled.substr(
            below.size(), end == std::string::npos ? std::string::npos : end - below.size());
        if (out.empty() || !TSettingsStore::SameName(out.back(), name))
            out.push_back(std::move(name));
    }
    return out;
}

const TValue* THive::FindValue(const std::string& key, const std::string& name) const {
    const TKey* k = FindKey(key);
    return k ? k->Find(name) : nullptr;
}

void THive::SetValue(const std::string& key, const TValue& value) {
    PutValue(CreateKey(key), value);
}

void PutValue(TKey& k, const TValue& value) {
    auto [it, added] = k.index.emplace(Lower(value.name), k.values.size());
    if (added) {
        k.values.push_back(value);
        return;
    }
    TValue& v = k.values[it->second];
    std::string keepName = v.name;
    v = value;
    v.name = keepName;
}

void THive::DeleteValue(const std::string& key, const std::string& name) {
    auto it = m_keys.find(NormalizeKeyPath(key));
    if (it == m_keys.end()) return;
    TKey& k = it->second;
    auto pos = k.index.find(Lower(name));
    if (pos == k.index.end()) return;
    size_t at = pos->second;
    k.values.erase(k.values.begin() + static_cast<long>(at));
    k.index.erase(pos);
    for (auto& [n, i] : k.index)
        if (i > at) --i;
}

bool THive::operator==(const THive& other) const {
    if (m_keys.size() != other.m_keys.size()) return false;
    for (auto a = m_keys.begin(), b = other.m_keys.begin(); a != m_keys.end(); ++a, ++b) {
        if (a->second.path != b->second.path) return false;
        const auto& va = a->second.values;
        const auto& vb = b->second.values;
        if (va.size() != vb.size()) return false;
        for (size_t i = 0; i < va.size(); ++i)
            if (va[i].name != vb[i].name || va[i].type != vb[i].type ||
                va[i].dword != vb[i].dword || va[i].text != vb[i].text ||
                va[i].binaryPrefix != vb[i].binaryPrefix)
                return false;
    }
    return true;
}

bool ParseHive(const std::string& text, THive& out) {
    std::vector<std::string> lines = SplitLines(text);
    if (!lines.empty() && lines[0].compare(0, 3, "\xEF\xBB\xBF") == 0) lines[0].erase(0, 3);

    THive hive;
    bool sawHeader = false;
    TKey* key = nullptr;  // the current key, none before the first key line
    for (size_t n = 0; n < lines.size(); ++n) {
        std::string line = TrimRight(lines[n]);
        size_t b = SkipBlanks(line, 0);
        if (b == line.size()) continue;
        if (!sawHeader) {
            if (line != kHeader) return false;
            sawHeader = true;
            continue;
        }
        if (line[b] == ';') continue;
        if (line[b] == '[') {
            if (line.back() != ']' || line.size() - b < 3) return false;
            std::string path = NormalizeKeyPath(line.substr(b + 1, line.size() - b - 2));
            if (path.empty()) return false;
            key = &hive.CreateKey(path);
            continue;
        }
        if (!key) return false;

        TValue v;
        size_t i = b;
        if (line[i] == '@') {
            ++i;
        } else if (!ReadQuoted(line, i, v.name)) {
            return false;
        }
        i = SkipBlanks(line, i);
        if (i >= line.size() || line[i] != '=') return false;
        std::string data = line.substr(i + 1);
        // Binary data may continue over several lines, each ending in a backslash.
        for (;;) {
            std::string t = TrimRight(data);
            if (t.empty() || t.back() != '\\' || t.find('"') != std::string::npos) break;
            data = t;
            data.pop_back();
            if (++n >= lines.size()) return false;
            data += TrimRight(lines[n]);
        }
        if (!ParseValueData(data, v)) return false;
        PutValue(*key, v);
    }
    out = std::move(hive);
    return true;
}

std::string SerializeHive(const THive& hive) {
    std::string out = std::string(kHeader) + "\r\n\r\n";
    char buf[16];
    for (const auto& [norm, key] : hive.Keys()) {
        out += "[" + key.path + "]\r\n";
        for (const auto& v : key.values) {
            out += v.name.empty() ? std::string("@") : "\"" + EscapeString(v.name) + "\"";
            out += '=';
            switch (v.type) {
                case TValueType::Dword:
                    std::snprintf(buf, sizeof buf, "%08x", static_cast<unsigned>(v.dword));
                    out += "dword:";
                    out += buf;
                    break;
                case TValueType::String:
                    out += "\"" + EscapeString(v.text) + "\"";
                    break;
                case TValueType::Binary:
                    out += v.binaryPrefix + ":" + v.text;
                    break;
            }
            out += "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace hive
