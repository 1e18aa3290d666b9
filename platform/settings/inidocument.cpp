#include "platform/settings/inidocument.h"

#include <cstdint>
#include <unordered_set>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

std::string OneLine(std::string_view s) {
    std::string out(s);
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

// Section and value names compare ignoring ASCII case: the indexes hold them folded.
std::string Fold(std::string_view s) {
    std::string out(Trim(s));
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    return out;
}

std::string EncodeName(const std::string& raw) {
    // '=' cannot be part of a name: the first one ends it.
    std::string n = OneLine(raw);
    for (char& c : n)
        if (c == '=') c = '_';
    return std::string(Trim(n));
}

}  // namespace

bool TIniDocument::ParseSectionLine(std::string_view line, std::string& name) {
    std::string_view t = Trim(line);
    if (t.empty() || t[0] != '[') return false;
    size_t close = t.find(']');
    if (close == std::string_view::npos) return false;
    name = std::string(Trim(t.substr(1, close - 1)));
    return true;
}

bool TIniDocument::ParseValueLine(std::string_view line, std::string& name, std::string& value) {
    std::string_view t = Trim(line);
    if (t.empty() || t[0] == ';' || t[0] == '#' || t[0] == '[') return false;
    size_t eq = t.find('=');
    if (eq == std::string_view::npos) return false;
    std::string_view n = Trim(t.substr(0, eq));
    if (n.empty()) return false;
    std::string_view v = Trim(t.substr(eq + 1));
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
    name = std::string(n);
    value = std::string(v);
    return true;
}

TIniDocument::TSpan TIniDocument::Store(std::string_view line) {
    TSpan span{static_cast<uint32_t>(m_text.size()), static_cast<uint32_t>(line.size())};
    m_text.append(line);
    return span;
}

void TIniDocument::Parse(const std::string& text) {
    m_sections.assign(1, TSection());
    m_indexedSection = -1;
    m_valueIndex.clear();
    // A byte order mark would otherwise become part of the first section's name; it is written
    // back as it came.
    m_byteOrderMark = text.compare(0, 3, "\xEF\xBB\xBF") == 0;
    // Lines are placed by 32-bit offsets; a text beyond 2 GB (no settings file) is cut there.
    m_text.assign(text, m_byteOrderMark ? 3 : 0, UINT32_MAX / 2);
    std::string name;
    for (size_t start = 0; start < m_text.size();) {
        size_t nl = m_text.find('\n', start);
        size_t end = nl == std::string::npos ? m_text.size() : nl;
        TSpan span{static_cast<uint32_t>(start), static_cast<uint32_t>(end - start)};
        if (span.size > 0 && m_text[end - 1] == '\r') --span.size;
        if (ParseSectionLine(Text(span), name)) {
            m_sections.back().lines.shrink_to_fit();
            m_sections.push_back(TSection{span, Fold(name), {}});
        } else {
            m_sections.back().lines.push_back(span);
        }
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    m_sections.back().lines.shrink_to_fit();
    IndexSections();
}

void TIniDocument::IndexSections() {
    m_sectionIndex.clear();
    for (size_t s = 1; s < m_sections.size(); ++s) m_sectionIndex.emplace(m_sections[s].folded, s);
    m_indexedSection = -1;
}

std::string TIniDocument::Serialize() const {
    size_t size = m_byteOrderMark ? 3 : 0;
    for (size_t i = 0; i < m_sections.size(); ++i) {
        if (i > 0) size += m_sections[i].header.size + 2;
        for (const TSpan& l : m_sections[i].lines) size += l.size + 2;
    }
    std::string out;
    out.reserve(size);
    if (m_byteOrderMark) out = "\xEF\xBB\xBF";
    for (size_t i = 0; i < m_sections.size(); ++i) {
        if (i > 0) {
            out += Text(m_sections[i].header);
            out += "\r\n";
        }
        for (const TSpan& l : m_sections[i].lines) {
            out += Text(l);
            out += "\r\n";
        }
    }
    return out;
}

std::vector<std::string> TIniDocument::Lines() const {
    std::vector<std::string> out;
    for (size_t i = 0; i < m_sections.size(); ++i) {
        if (i > 0) out.emplace_back(Text(m_sections[i].header));
        for (const TSpan& l : m_sections[i].lines) out.emplace_back(Text(l));
    }
    return out;
}

long TIniDocument::FindSection(const std::string& section) const {
    auto it = m_sectionIndex.find(Fold(section));
    return it == m_sectionIndex.end() ? -1 : static_cast<long>(it->second);
}

long TIniDocument::FindValueLine(size_t s, const std::string& name) const {
    // Reading a section's values one by one would otherwise look through the section each time.
    if (m_indexedSection != static_cast<long>(s)) {
        m_valueIndex.clear();
        std::string n, v;
        const auto& lines = m_sections[s].lines;
        for (size_t i = 0; i < lines.size(); ++i)
            if (ParseValueLine(Text(lines[i]), n, v)) m_valueIndex.emplace(Fold(n), i);
        m_indexedSection = static_cast<long>(s);
    }
    auto it = m_valueIndex.find(Fold(name));
    return it == m_valueIndex.end() ? -1 : static_cast<long>(it->second);
}

bool TIniDocument::Find(const std::string& section, const std::string& name,
                        std::string& value) const {
    const long s = FindSection(section);
    if (s < 0) return false;
    const long i = FindValueLine(static_cast<size_t>(s), name);
    std::string n;
    return i >= 0 &&
           ParseValueLine(Text(m_sections[static_cast<size_t>(s)].lines[static_cast<size_t>(i)]), n,
                          value);
}

void TIniDocument::Set(const std::string& section, const std::string& name,
                       const std::string& value) {
    const std::string n = EncodeName(name);
    if (n.empty()) return;
    const std::string line = n + "=" + EncodeValue(value);
    long s = FindSection(section);
    if (s < 0) {
        // A new section at the end, after a blank line.
        TSection& last = m_sections.back();
        const std::string_view end =
            last.lines.empty() ? Text(last.header) : Text(last.lines.back());
        if (m_sections.size() > 1 || !last.lines.empty())
            if (!Trim(end).empty()) last.lines.push_back(Store(""));
        TSection added;
        added.header = Store("[" + OneLine(Trim(section)) + "]");
        std::string parsed;
        ParseSectionLine(Text(added.header), parsed);
        added.folded = Fold(parsed);
        added.lines.push_back(Store(line));
        m_sectionIndex.emplace(added.folded, m_sections.size());
        m_sections.push_back(std::move(added));
        return;
    }
    auto& lines = m_sections[static_cast<size_t>(s)].lines;
    const long at = FindValueLine(static_cast<size_t>(s), n);
    if (at >= 0) {
        lines[static_cast<size_t>(at)] = Store(line);
        return;
    }
    size_t insertAt = 0;
    std::string vn, vv;
    for (size_t i = 0; i < lines.size(); ++i)
        if (ParseValueLine(Text(lines[i]), vn, vv)) insertAt = i + 1;
    lines.insert(lines.begin() + static_cast<long>(insertAt), Store(line));
    // Only lines that hold no value moved.
    m_valueIndex.emplace(Fold(n), insertAt);
}

void TIniDocument::Delete(const std::string& section, const std::string& name) {
    const long s = FindSection(section);
    if (s < 0) return;
    const long at = FindValueLine(static_cast<size_t>(s), name);
    if (at < 0) return;
    auto& lines = m_sections[static_cast<size_t>(s)].lines;
    lines.erase(lines.begin() + at);
    m_indexedSection = -1;
}

void TIniDocument::EraseSection(const std::string& section) {
    const long s = FindSection(section);
    if (s < 0) return;
    m_sections.erase(m_sections.begin() + s);
    IndexSections();
}

std::vector<std::string> TIniDocument::Sections() const {
    std::vector<std::string> out;
    std::string name;
    for (size_t s = 1; s < m_sections.size(); ++s)
        if (m_sectionIndex.at(m_sections[s].folded) == s &&
            ParseSectionLine(Text(m_sections[s].header), name))
            out.push_back(name);
    return out;
}

std::vector<std::string> TIniDocument::Names(const std::string& section) const {
    std::vector<std::string> out;
    const long s = FindSection(section);
    if (s < 0) return out;
    std::unordered_set<std::string> seen;
    std::string n, v;
    for (const TSpan& l : m_sections[static_cast<size_t>(s)].lines)
        if (ParseValueLine(Text(l), n, v) && seen.insert(Fold(n)).second) out.push_back(n);
    return out;
}
