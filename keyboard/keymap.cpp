#include "keyboard/keymap.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cctype>

#include "platform/settings/atomicfile.h"

namespace keymap {

namespace {

// A key map has at most 127 keys; anything much longer is not one.
constexpr qint64 kMaxFileSize = 1 << 20;

std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return s.substr(b, e - b);
}

std::string Folded(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A decimal whole number, optionally signed, within lo..hi.
bool ParseNumber(const std::string& s, bool allowSign, int lo, int hi, int& value) {
    size_t i = 0;
    bool negative = false;
    if (allowSign && i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    if (i == s.size() || s.size() - i > 6) return false;
    int v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        v = v * 10 + (s[i] - '0');
    }
    value = negative ? -v : v;
    return value >= lo && value <= hi;
}

QString Quoted(const std::string& s) {
    return QStringLiteral("\"") + QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())) +
           QStringLiteral("\"");
}

// A name as it is kept and written: one line, without blanks at its ends or invisible
// byte-order marks (which a reader of UTF-8 may drop at the start of a text).
QString TidyName(QString name) {
    name.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    name.remove(QChar(0xFEFF));
    return name.trimmed();
}

// A text for the user in the user's language.
QString Tr(const char* text) { return QCoreApplication::translate("KeyMap", text); }

bool Fail(TParseError& error, int line, const QString& message) {
    error.line = line;
    error.message = message;
    return false;
}

}  // namespace

bool ParseKeyMap(const std::string& text, TKeyMap& map, TParseError& error) {
    enum class TSection { None, Keys, Map };
    TKeyMap result;
    std::map<int, int> lineOfKey;
    TSection section = TSection::None;
    int keysLine = 0, mapLine = 0;
    size_t pos = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    for (int lineNo = 1; pos <= text.size(); ++lineNo) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        line = Trim(line);
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line.find('\0') != std::string::npos)
            return Fail(error, lineNo,
                        Tr(QT_TRANSLATE_NOOP("KeyMap", "the line holds a zero byte")));

        if (line[0] == '[') {
            if (line.back() != ']')
                return Fail(error, lineNo,
                            Tr(QT_TRANSLATE_NOOP("KeyMap", "a section name must end with \"]\"")));
            const std::string name = Folded(Trim(line.substr(1, line.size() - 2)));
            int& seen = name == "keys" ? keysLine : mapLine;
            if (name != "keys" && name != "map")
                return Fail(error, lineNo,
                            Tr(QT_TRANSLATE_NOOP(
                                   "KeyMap", "unknown section %1 (a key map has [Keys] and [Map])"))
                                .arg(Quoted(line)));
            if (seen)
                return Fail(
                    error, lineNo,
                    Tr(QT_TRANSLATE_NOOP("KeyMap", "section %1 comes twice (first on line %2)"))
                        .arg(Quoted(line), QString::number(seen)));
            seen = lineNo;
            section = name == "keys" ? TSection::Keys : TSection::Map;
            continue;
        }

        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            return Fail(error, lineNo,
                        Tr(QT_TRANSLATE_NOOP("KeyMap", "%1 is not of the form NAME=VALUE"))
                            .arg(Quoted(line)));
        const std::string name = Trim(line.substr(0, eq));
        const std::string value = Trim(line.substr(eq + 1));
        switch (section) {
            case TSection::None:
                return Fail(
                    error, lineNo,
                    Tr(QT_TRANSLATE_NOOP("KeyMap",
                                         "%1 stands before the first section ([Keys] or [Map])"))
                        .arg(Quoted(line)));
            case TSection::Map:
                if (Folded(name) != "name")
                    return Fail(error, lineNo,
                                Tr(QT_TRANSLATE_NOOP(
                                       "KeyMap", "unknown value %1 in [Map] (only Name= is known)"))
                                    .arg(Quoted(name)));
                result.name =
                    TidyName(QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
                break;
            case TSection::Keys: {
                // A number needs no ';' or '#', so what follows one is a comment.
                const std::string number = Trim(value.substr(0, value.find_first_of(";#")));
                int scan = 0, offset = 0;
                if (!ParseNumber(name, false, kFirstScanCode, kLastScanCode, scan))
                    return Fail(
                        error, lineNo,
                        Tr(QT_TRANSLATE_NOOP("KeyMap",
                                             "%1 is not a scan code (a whole number from %2 to "
                                             "%3)"))
                            .arg(Quoted(name), QString::number(kFirstScanCode),
                                 QString::number(kLastScanCode)));
                if (!ParseNumber(number, true, kLowestOffset, kHighestOffset, offset))
                    return Fail(error, lineNo,
                                Tr(QT_TRANSLATE_NOOP("KeyMap",
                                                     "%1 is not a note offset (a whole number of "
                                                     "semitones from %2 to %3)"))
                                    .arg(Quoted(number), QString::number(kLowestOffset),
                                         QString::number(kHighestOffset)));
                if (auto it = lineOfKey.find(scan); it != lineOfKey.end())
                    return Fail(
                        error, lineNo,
                        Tr(QT_TRANSLATE_NOOP("KeyMap",
                                             "scan code %1 was given a note on line %2 already"))
                            .arg(scan)
                            .arg(it->second));
                lineOfKey[scan] = lineNo;
                result.keys[scan] = offset;
                break;
            }
        }
    }
    if (!keysLine)
        return Fail(error, 0, Tr(QT_TRANSLATE_NOOP("KeyMap", "there is no [Keys] section")));
    if (result.keys.empty())
        return Fail(error, keysLine, Tr(QT_TRANSLATE_NOOP("KeyMap", "[Keys] names no key")));
    map = std::move(result);
    return true;
}

std::string WriteKeyMap(const TKeyMap& map) {
    // A name that would not read back the same is tidied as reading tidies it.
    std::string text =
        "; Key map: SCANCODE=OFFSET, the offset in semitones from the base of the piano rows\n";
    text += "[Map]\nName=" + TidyName(map.name).toStdString() + "\n\n[Keys]\n";
    for (const auto& [scan, offset] : map.keys)
        text += std::to_string(scan) + "=" + std::to_string(offset) + "\n";
    return text;
}

bool LoadKeyMapFile(const QString& path, TKeyMap& map, QString& message) {
    const QFileInfo info(path);
    if (info.exists() && info.isFile() && info.size() > kMaxFileSize) {
        message =
            Tr(QT_TRANSLATE_NOOP("KeyMap", "Key map \"%1\": the file is too large for a key map"))
                .arg(path);
        return false;
    }
    std::string text, reason;
    switch (ReadWholeFile(path.toStdString(), text, &reason)) {
        case TReadResult::Missing:
            message = Tr(QT_TRANSLATE_NOOP("KeyMap", "Key map \"%1\": the file does not exist"))
                          .arg(path);
            return false;
        case TReadResult::Failed:
            message = Tr(QT_TRANSLATE_NOOP("KeyMap", "Key map \"%1\" cannot be read: %2"))
                          .arg(path, QString::fromStdString(reason));
            return false;
        case TReadResult::Ok:
            break;
    }
    TParseError error;
    if (ParseKeyMap(text, map, error)) return true;
    message = error.line > 0
                  ? Tr(QT_TRANSLATE_NOOP("KeyMap", "Key map \"%1\", line %2: %3"))
                        .arg(path, QString::number(error.line), error.message)
                  : Tr(QT_TRANSLATE_NOOP("KeyMap", "Key map \"%1\": %2")).arg(path, error.message);
    return false;
}

bool SaveKeyMapFile(const QString& path, const TKeyMap& map, QString& message) {
    std::string reason;
    if (WriteFileAtomically(path.toStdString(), WriteKeyMap(map), &reason)) return true;
    message = Tr(QT_TRANSLATE_NOOP("KeyMap", "Key map \"%1\" could not be saved: %2"))
                  .arg(path, QString::fromStdString(reason));
    return false;
}

}  // namespace keymap
