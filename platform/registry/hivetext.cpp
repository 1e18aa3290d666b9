#include "platform/registry/hivetext.h"

namespace hive {

namespace {

bool StartsWithFolded(std::string_view s, std::string_view lowerPrefix) {
    return s.size() >= lowerPrefix.size() &&
           SameAsciiName(s.substr(0, lowerPrefix.size()), lowerPrefix);
}

// Cuts a comment after the data: from a semicolon on.
std::string_view WithoutComment(std::string_view s) {
    const size_t semicolon = s.find(';');
    return TrimLine(semicolon == std::string_view::npos ? s : s.substr(0, semicolon));
}

// Parses "01,ab,ff" (blanks allowed around the bytes) into the normalised lower-case form.
bool ParseHexBytes(std::string_view s, std::string& out) {
    size_t i = SkipLineBlanks(s, 0);
    if (i == s.size()) return true;  // no bytes
    static const char kDigits[] = "0123456789abcdef";
    bool first = true;
    for (;;) {
        i = SkipLineBlanks(s, i);
        if (i + 2 > s.size()) return false;
        int hi = HexDigit(s[i]), lo = HexDigit(s[i + 1]);
        if (hi < 0 || lo < 0) return false;
        if (!first) out += ',';
        first = false;
        out += kDigits[hi];
        out += kDigits[lo];
        i = SkipLineBlanks(s, i + 2);
        if (i == s.size()) return true;
        if (s[i] != ',') return false;
        ++i;
    }
}

void AppendUtf8(std::string& out, uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-16 code units after the byte-order mark; a lone surrogate becomes U+FFFD, an odd last
// byte is dropped.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    auto unit = [&](size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<uint32_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
    };
    std::string out;
    out.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        uint32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size()) {
            const uint32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;
        AppendUtf8(out, c);
    }
    return out;
}

}  // namespace

bool SameAsciiName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(static_cast<unsigned char>(a[i])) !=
            FoldAscii(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

size_t HashName(std::string_view name) {
    uint64_t h = 14695981039346656037ull;
    for (char c : name) {
        h ^= static_cast<uint64_t>(FoldAscii(static_cast<unsigned char>(c)));
        h *= 1099511628211ull;
    }
    return static_cast<size_t>(h ^ (h >> 29));
}

std::string_view TrimLine(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && IsLineBlank(s[b])) ++b;
    while (e > b && IsLineBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

size_t SkipLineBlanks(std::string_view s, size_t i) {
    while (i < s.size() && IsLineBlank(s[i])) ++i;
    return i;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ReadQuoted(std::string_view s, size_t& i, std::string& out) {
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

bool ParseValueData(std::string_view name, std::string_view s, TValue& value) {
    size_t i = SkipLineBlanks(s, 0);
    if (i < s.size() && s[i] == '"') {
        std::string text;
        if (!ReadQuoted(s, i, text)) return false;
        i = SkipLineBlanks(s, i);
        if (i < s.size() && s[i] != ';') return false;
        value = TValue::String(name, text);
        return true;
    }
    const std::string_view rest = WithoutComment(s.substr(i));
    if (StartsWithFolded(rest, "dword:")) {
        // Eight digits exactly: a line cut short by a crash must not read as a smaller number.
        const std::string_view digits = rest.substr(6);
        if (digits.size() != 8) return false;
        uint32_t n = 0;
        for (char c : digits) {
            const int d = HexDigit(c);
            if (d < 0) return false;
            n = n * 16 + static_cast<uint32_t>(d);
        }
        value = TValue::Dword(name, n);
        return true;
    }
    if (StartsWithFolded(rest, "hex")) {
        const size_t colon = rest.find(':');
        if (colon == std::string_view::npos) return false;
        const std::string_view prefix = rest.substr(0, colon);
        if (prefix.size() != 3) {
            // hex(N) with N a hexadecimal type number
            if (prefix.size() < 6 || prefix[3] != '(' || prefix.back() != ')') return false;
            for (size_t k = 4; k + 1 < prefix.size(); ++k)
                if (HexDigit(prefix[k]) < 0) return false;
        }
        std::string text(prefix);
        text += ':';
        if (!ParseHexBytes(rest.substr(colon + 1), text)) return false;
        value = TValue(name, TValueType::Binary, text);
        return true;
    }
    return false;
}

const char* EscapeOf(char c) {
    switch (c) {
        case '\\':
            return "\\\\";
        case '"':
            return "\\\"";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        default:
            return nullptr;
    }
}

void FormatDword(uint32_t n, char out[8]) {
    static const char kDigits[] = "0123456789abcdef";
    for (int i = 7; i >= 0; --i, n >>= 4) out[i] = kDigits[n & 15];
}

size_t TLineReader::Scan(size_t from, std::string_view& line) const {
    // Two plain searches: one for a search of either character is several times slower.
    size_t end = m_text.find('\n', from);
    const size_t cr = m_text.substr(0, end).find('\r', from);
    if (cr != std::string_view::npos) end = cr;
    if (end == std::string_view::npos) {
        line = m_text.substr(from);
        return m_text.size();
    }
    line = m_text.substr(from, end - from);
    const bool crlf = m_text[end] == '\r' && end + 1 < m_text.size() && m_text[end + 1] == '\n';
    return end + (crlf ? 2 : 1);
}

bool TLineReader::Next(std::string_view& line) {
    if (m_at >= m_text.size()) return false;
    m_at = Scan(m_at, line);
    return true;
}

std::string DecodeHiveText(std::string text) {
    const std::string_view t = text;
    if (t.size() >= 2 && (t.substr(0, 2) == "\xFF\xFE" || t.substr(0, 2) == "\xFE\xFF"))
        return Utf16ToUtf8(t.substr(2), t[0] == '\xFE');
    if (t.substr(0, 3) == "\xEF\xBB\xBF") text.erase(0, 3);
    return text;
}

}  // namespace hive
