#pragma once

#include <string>
#include <unordered_map>
#include <vector>

// The text of an INI file as a list of lines, edited the way the classic profile functions edit
// it: section and value names compare ignoring ASCII case, the first of duplicate sections or
// values wins, lines that are not touched (comments, blank lines, anything unknown) stay exactly
// as they were, a value is rewritten in place, a new value goes after the last value of its
// section and a new section at the end of the file.
//
// A line "[name]" opens a section; a line "name=value" inside a section holds a value; lines
// starting with ';' or '#' are comments. Values read with surrounding blanks trimmed and one pair
// of surrounding double quotes removed; a written value that would not survive that (leading or
// trailing blanks, or quotes at both ends) is written inside a pair of quotes. Line breaks in
// written names and values become blanks, since they would otherwise start new lines.
class TIniDocument {
public:
    // Reads text with CR LF or LF line ends. Never fails: unknown lines are kept.
    void Parse(const std::string& text);
    // The text with CR LF line ends.
    std::string Serialize() const;

    bool Find(const std::string& section, const std::string& name, std::string& value) const;
    void Set(const std::string& section, const std::string& name, const std::string& value);
    void Delete(const std::string& section, const std::string& name);
    void EraseSection(const std::string& section);
    std::vector<std::string> Sections() const;
    std::vector<std::string> Names(const std::string& section) const;

    const std::vector<std::string>& Lines() const { return m_lines; }

    // Line classification, exposed for tests.
    static bool ParseSectionLine(const std::string& line, std::string& name);
    static bool ParseValueLine(const std::string& line, std::string& name, std::string& value);

private:
    // Index of the section's header line, or -1.
    long FindSection(const std::string& section) const;
    // One past the section's last line (the next header or the end).
    size_t SectionEnd(size_t header) const;
    long FindValueLine(const std::string& section, const std::string& name) const;
    // Builds the indexes below unless they are up to date.
    void IndexLines() const;
    static std::string ValueKey(const std::string& foldedSection, const std::string& name);

    std::vector<std::string> m_lines;
    bool m_byteOrderMark = false;
    // Header line of each section by its folded name (the first of duplicates), every header
    // line in order, and the line of each value of those first sections by folded section and
    // name (the first of duplicates). Rebuilt after lines were removed or inserted before others.
    mutable std::unordered_map<std::string, size_t> m_sectionIndex;
    mutable std::vector<size_t> m_headers;
    mutable std::unordered_map<std::string, size_t> m_valueIndex;
    mutable bool m_indexValid = false;
};
