#pragma once

#include <cstdint>
#include <string>
#include <string_view>
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
//
// An import file may hold hundreds of thousands of lines: they live in one buffer, grouped by
// section, and the values of the section last looked into are indexed.
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

    // Every line, in order.
    std::vector<std::string> Lines() const;

    // Line classification, exposed for tests.
    static bool ParseSectionLine(std::string_view line, std::string& name);
    static bool ParseValueLine(std::string_view line, std::string& name, std::string& value);

private:
    // A line: where its text lies in m_text (a settings file is far below 4 GB).
    struct TSpan {
        uint32_t at = 0;
        uint32_t size = 0;
    };
    // A header and the lines up to the next one; the first section holds the lines before any
    // header and has none.
    struct TSection {
        TSpan header;
        std::string folded;  // the name, folded; empty for the first section
        std::vector<TSpan> lines;
    };

    std::string_view Text(TSpan span) const {
        return std::string_view(m_text).substr(span.at, span.size);
    }
    TSpan Store(std::string_view line);
    // Number of the section, or -1.
    long FindSection(const std::string& section) const;
    // Line of the value within section s, or -1.
    long FindValueLine(size_t s, const std::string& name) const;
    void IndexSections();

    std::vector<TSection> m_sections = std::vector<TSection>(1);
    // The lines' text, one after the other; a line rewritten gets a new place at the end.
    std::string m_text;
    bool m_byteOrderMark = false;
    // Section number by folded name (the first of duplicates).
    std::unordered_map<std::string, size_t> m_sectionIndex;
    // The folded value names of one section (the first of duplicates) and their lines.
    mutable long m_indexedSection = -1;
    mutable std::unordered_map<std::string, size_t> m_valueIndex;
};
