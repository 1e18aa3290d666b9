#include "platform/settings/inidocument.h"

#include <algorithm>
#include <cctype>
#include <unordered_set>

#include "platform/settings/settingsstore.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

std::string OneLine(const std::string& s) {
    std::string out = s;
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

// Quotes a value whose reading would otherwise change it.
std::string EncodeValue(const std::string& raw) {
    std::string v = OneLine(raw);
    if (v.empty()) return v;
    bool edgeBlank = IsBlank(v.front()) || IsBlank(v.back());
    bool quoted = v.size() >= 2 && v.front() == '"' && v.back() == '"';
    return (edgeBlank || quoted) ? "\"" + v + "\"" : v;
}

// Section names compare ignoring ASCII case: the index holds them folded.
std::string Fold(const std::string& s) {
    std::string out = Trim(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string EncodeName(const std::string& raw) {
    // '=' cannot be part of a name: the first one ends it.
    std::string n = OneLine(raw);
    for (char& c : n)
        if (c == '=') c = '_';
    return Trim(n);
}

}  // namespace

bool TIniDocument::ParseSectionLine(const std::string& line, std::string& name) {
    std::string t = Trim(line);
    if (t.empty() || t[0] != '[') return false;
    size_t close = t.find(']');
    if (close == std::string::npos) return false;
    name = Trim(t.substr(1, close - 1));
    return true;
}

bool TIniDocument::ParseValueLine(const std::string& line, std::string& name, std::string& value) {
    std::string t = Trim(line);
    if (t.empty() || t[0] == ';' || t[0] == '#' || t[0] == '[') return false;
    size_t eq = t.find('=');
    if (eq == std::string::npos) return false;
    name = Trim(t.substr(0, eq));
    if (name.empty()) return false;
    value = Trim(t.substr(eq + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return true;
}

void TIniDocument::Parse(const std::string& text) {
    m_lines.clear();
    m_indexValid = false;
    size_t start = 0;
    // A byte order mark would otherwise become part of the first section's name; it is written
    // back as it came.
    m_byteOrderMark = text.compare(0, 3, "\xEF\xBB\xBF") == 0;
    if (m_byteOrderMark) start = 3;
    while (start < text.size()) {
        size_t nl = text.find('\n', start);
        size_t end = nl == std::string::npos ? text.size() : nl;
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        m_lines.push_back(std::move(line));
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
}

std::string TIniDocument::Serialize() const {
    std::string out = m_byteOrderMark ? "\xEF\xBB\xBF" : "";
    for (const auto& l : m_lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

void TIniDocument::IndexLines() const {
    // Looking each section and value up by scanning the file would make reading every value of a
    // large file (an import of thousands of presets or chords) cost the square of its size.
    if (m_indexValid) return;
    m_sectionIndex.clear();
    m_valueIndex.clear();
    m_headers.clear();
    std::string name, value, section;
    bool first = false;  // inside the first section of its name: only its values count
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (ParseSectionLine(m_lines[i], name)) {
            m_headers.push_back(i);
            section = Fold(name);
            first = m_sectionIndex.emplace(section, i).second;
        } else if (first && ParseValueLine(m_lines[i], name, value)) {
            m_valueIndex.emplace(ValueKey(section, name), i);
        }
    }
    m_indexValid = true;
}

std::string TIniDocument::ValueKey(const std::string& foldedSection, const std::string& name) {
    // A line break cannot be part of a section's name.
    return foldedSection + '\n' + Fold(name);
}

long TIniDocument::FindSection(const std::string& section) const {
    IndexLines();
    auto it = m_sectionIndex.find(Fold(section));
    return it == m_sectionIndex.end() ? -1 : static_cast<long>(it->second);
}

size_t TIniDocument::SectionEnd(size_t header) const {
    IndexLines();
    auto next = std::upper_bound(m_headers.begin(), m_headers.end(), header);
    return next == m_headers.end() ? m_lines.size() : *next;
}

long TIniDocument::FindValueLine(const std::string& section, const std::string& name) const {
    IndexLines();
    auto it = m_valueIndex.find(ValueKey(Fold(section), Trim(name)));
    return it == m_valueIndex.end() ? -1 : static_cast<long>(it->second);
}

bool TIniDocument::Find(const std::string& section, const std::string& name,
                        std::string& value) const {
    long i = FindValueLine(section, name);
    if (i < 0) return false;
    std::string n;
    return ParseValueLine(m_lines[i], n, value);
}

void TIniDocument::Set(const std::string& section, const std::string& name,
                       const std::string& value) {
    std::string n = EncodeName(name);
    if (n.empty()) return;
    std::string line = n + "=" + EncodeValue(value);
    long at = FindValueLine(section, n);
    if (at >= 0) {
        m_lines[at] = line;  // the same name in other case: the index stays right
        return;
    }
    // A value written at the end of the file (the usual case of a file being written from the
    // start) keeps the index; one inserted before other lines moves them and rebuilds it.
    long h = FindSection(section);
    if (h < 0) {
        if (!m_lines.empty() && !Trim(m_lines.back()).empty()) m_lines.emplace_back();
        m_lines.push_back("[" + OneLine(Trim(section)) + "]");
        m_headers.push_back(m_lines.size() - 1);
        m_sectionIndex.emplace(Fold(section), m_lines.size() - 1);
        m_lines.push_back(line);
        m_valueIndex.emplace(ValueKey(Fold(section), n), m_lines.size() - 1);
        return;
    }
    size_t insertAt = h + 1;
    std::string vn, vv;
    for (size_t i = SectionEnd(h); i > static_cast<size_t>(h) + 1; --i)
        if (ParseValueLine(m_lines[i - 1], vn, vv)) {
            insertAt = i;
            break;
        }
    if (insertAt == m_lines.size())
        m_valueIndex.emplace(ValueKey(Fold(section), n), insertAt);
    else
        m_indexValid = false;
    m_lines.insert(m_lines.begin() + insertAt, line);
}

void TIniDocument::Delete(const std::string& section, const std::string& name) {
    long at = FindValueLine(section, name);
    if (at < 0) return;
    m_lines.erase(m_lines.begin() + at);
    m_indexValid = false;
}

void TIniDocument::EraseSection(const std::string& section) {
    long h = FindSection(section);
    if (h < 0) return;
    m_lines.erase(m_lines.begin() + h, m_lines.begin() + SectionEnd(h));
    m_indexValid = false;
}

std::vector<std::string> TIniDocument::Sections() const {
    std::vector<std::string> out;
    std::unordered_set<std::string> seen;
    std::string name;
    for (const auto& l : m_lines)
        if (ParseSectionLine(l, name) && seen.insert(Fold(name)).second) out.push_back(name);
    return out;
}

std::vector<std::string> TIniDocument::Names(const std::string& section) const {
    std::vector<std::string> out;
    long h = FindSection(section);
    if (h < 0) return out;
    std::string n, v;
    std::unordered_set<std::string> seen;
    for (size_t i = h + 1, e = SectionEnd(h); i < e; ++i)
        if (ParseValueLine(m_lines[i], n, v) && seen.insert(Fold(n)).second) out.push_back(n);
    return out;
}
