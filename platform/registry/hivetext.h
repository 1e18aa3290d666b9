#pragma once

// The pieces of the hive's text form that reading and writing share: lines, blanks, names,
// quoted strings and value data.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/registry/hive.h"

namespace hive {

// ASCII case folding without the C library's locale lookup: names are compared a great many
// times while a large hive is read.
inline int FoldAscii(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }
bool SameAsciiName(std::string_view a, std::string_view b);
// A hash of the folded name.
size_t HashName(std::string_view name);

// Blanks around a line: spaces, tabs, and NUL bytes, which a file system leaves where a crash cut
// a write short.
inline bool IsLineBlank(char c) { return c == ' ' || c == '\t' || c == '\0'; }
std::string_view TrimLine(std::string_view s);
size_t SkipLineBlanks(std::string_view s, size_t i);
int HexDigit(char c);

// Reads a quoted string starting at s[i] == '"'; i ends after the closing quote.
bool ReadQuoted(std::string_view s, size_t& i, std::string& out);
// The data after "name=": a quoted string, dword:hhhhhhhh or hex[(n)]:bytes, each of them
// optionally followed by a comment after a semicolon.
bool ParseValueData(std::string_view name, std::string_view data, TValue& value);
// The escape sequence written for c inside a quoted string; nullptr when it stands for itself.
const char* EscapeOf(char c);
// Eight lower-case hexadecimal digits.
void FormatDword(uint32_t n, char out[8]);

// The lines of a text: CR LF, LF and CR alone each end one.
class TLineReader {
public:
    explicit TLineReader(std::string_view text) : m_text(text) {}
    bool Next(std::string_view& line);
    // Where the next line begins.
    size_t Position() const { return m_at; }

private:
    size_t Scan(size_t from, std::string_view& line) const;

    std::string_view m_text;
    size_t m_at = 0;
};

// The text as UTF-8 without a byte-order mark: UTF-16 with a mark (either byte order) is
// converted.
std::string DecodeHiveText(std::string text);

}  // namespace hive
