#include "patches/patchscriptparser.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include "patches/patchlist.h"

namespace {

// Removes characters with codes below 33 from both ends.
QString TrimControl(const QString& s) {
    int b = 0, e = s.size();
    while (b < e && s[b].unicode() < 33) ++b;
    while (e > b && s[e - 1].unicode() < 33) --e;
    return s.mid(b, e - b);
}

bool StartsWithAscii(const QString& text, const char* keyword) {
    const QString k = QString::fromLatin1(keyword);
    return text.size() >= k.size() && CompareTextAscii(text.left(k.size()), k) == 0;
}

const char* const kUnknownCommand =
    QT_TRANSLATE_NOOP("TPatchScriptParser", "Unknown command \"%1\" is ignored.");
const char* const kSyntaxError = QT_TRANSLATE_NOOP("TPatchScriptParser", "Syntax error.");
const char* const kNoSubGroup =
    QT_TRANSLATE_NOOP("TPatchScriptParser", "Sub group does not exist. Lower the level.");

}  // namespace

TPatchScriptParser::TPatchScriptParser(const QStringList& lines, QStringList* messages)
    : m_lines(lines), m_messages(messages) {}

bool TPatchScriptParser::StartLooksRight(const QByteArray& head) {
    int i = 0;
    const int n = head.size();
    auto skip = [&](bool lineEnds) {
        while (i < n) {
            const char c = head[i];
            if (c == ' ' || c == 0x08 || (lineEnds && (c == '\r' || c == '\n')))
                ++i;
            else
                break;
        }
    };
    skip(true);
    if (i >= n || head[i] != '[') return false;
    ++i;
    skip(false);
    return i < n && head[i] == 'c';
}

QStringList TPatchScriptParser::SplitLines(const QByteArray& data) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(data);
    if (utf8.hasError()) text = QString::fromLatin1(data);
    QStringList lines;
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines << text.mid(start);
    return lines;
}

int TPatchScriptParser::LineNumber() const {
    // Past the end the last line is the one to blame.
    const int last = static_cast<int>(m_lines.size()) - 1;
    return std::max(0, std::min(m_index, last)) + 1;
}

bool TPatchScriptParser::NextCommand() {
    m_command.clear();
    m_argument.clear();
    for (;;) {
        ++m_index;
        if (m_index >= m_lines.size()) {
            m_index = static_cast<int>(m_lines.size());
            Warning(tr("[end] command not found."));
            return false;
        }
        const QString line = TrimControl(m_lines[m_index]);
        if (line.isEmpty()) continue;
        const int p = static_cast<int>(line.indexOf(u']')) + 1;
        if (p > 2 && line.startsWith(u'[')) {
            const QString command = TrimControl(line.mid(1, p - 2));
            if (StartsWithAscii(command, "comment")) continue;
            if (StartsWithAscii(command, "end")) return false;
            m_command = command;
            m_argument = TrimControl(line.mid(p));
            return true;
        }
        Warning(tr(kSyntaxError));
    }
}

bool TPatchScriptParser::Matches(const char* keyword) const {
    return StartsWithAscii(m_command, keyword);
}

bool TPatchScriptParser::Accept(const char* keyword) {
    if (!Matches(keyword)) return false;
    m_command = TrimControl(m_command.mid(static_cast<int>(qstrlen(keyword))));
    return true;
}

int TPatchScriptParser::Level(char letter) {
    if (m_command.size() < 2 || m_command[0] != QLatin1Char(letter)) return 0;
    const QChar d = m_command[1];
    if (d < u'1' || d > u'9') Error(tr(kSyntaxError));
    m_command = TrimControl(m_command.mid(2));
    return d.unicode() - '0';
}

int TPatchScriptParser::Number(bool consume) {
    int len = 0;
    if (len < m_command.size() && m_command[len] == u'-') ++len;
    const int digitsFrom = len;
    while (len < m_command.size() && m_command[len] >= u'0' && m_command[len] <= u'9') ++len;
    bool ok = false;
    const int value = len > digitsFrom ? m_command.left(len).toInt(&ok) : 0;
    if (!ok) Error(tr("Number expected."));
    if (consume) m_command = TrimControl(m_command.mid(len));
    return value;
}

void TPatchScriptParser::Warning(const QString& text) {
    if (m_messages)
        *m_messages << tr("Line %1: Warning: %2").arg(QString::number(LineNumber()), text);
}

void TPatchScriptParser::Error(const QString& text) {
    const QString message = tr("Line %1: Error: %2").arg(QString::number(LineNumber()), text);
    if (m_messages) *m_messages << message;
    throw TPatchScriptParseException(message.toStdString());
}

void TPatchScriptParser::ParseHeader(TPatchList& list) {
    if (!NextCommand()) Error(tr("Empty patch script file."));
    if (!Matches("cubase parse file")) Error(tr("Script is not a Cubase Parse File."));
    if (!NextCommand()) Error(tr("Premature end of Cubase Parse File."));
    if (!Accept("parser version")) Error(tr("Version Number not found."));
    if (Number(false) != 1) Error(tr("Wrong version number."));

    struct TText {
        const char* keyword;
        QString TPatchList::*field;
    };
    static const TText kTexts[] = {
        {"creators first name", &TPatchList::CreatorFirstName},
        {"creators last name", &TPatchList::CreatorLastName},
        {"device manufacturer", &TPatchList::DeviceManufacturer},
        {"device name", &TPatchList::DeviceName},
        {"script name", &TPatchList::ScriptName},
        {"script version", &TPatchList::ScriptVersion},
    };
    struct TFlag {
        const char* keyword;
        bool TPatchList::*field;
        bool value;
        bool implemented;
    };
    static const TFlag kFlags[] = {
        {"bank: do swap value bytes", &TPatchList::SwapValueBytes, true, true},
        {"bank: don't swap value bytes", &TPatchList::SwapValueBytes, false, true},
        {"bank: do send msb first", &TPatchList::SendMsbFirst, true, true},
        {"bank: don't send msb first", &TPatchList::SendMsbFirst, false, true},
        {"bank: do send only one byte", &TPatchList::SendOnlyOneByte, true, false},
        {"bank: don't send only one byte", &TPatchList::SendOnlyOneByte, false, false},
        {"bank: do send as program change", &TPatchList::SendAsProgramChange, true, false},
        {"bank: don't send as program change", &TPatchList::SendAsProgramChange, false, false},
    };

    while (NextCommand()) {
        bool handled = false;
        for (const TText& t : kTexts) {
            if (!Matches(t.keyword)) continue;
            list.*t.field = m_argument;
            handled = true;
            break;
        }
        for (const TFlag& f : kFlags) {
            if (handled || !Matches(f.keyword)) continue;
            list.*f.field = f.value;
            if (!f.implemented)
                Warning(tr("Function [%1] is not implemented and ignored.")
                            .arg(QString::fromLatin1(f.keyword)));
            handled = true;
        }
        if (handled) continue;
        if (Matches("define patchnames")) return;
        Warning(tr(kUnknownCommand).arg(m_command));
    }
    throw std::runtime_error(tr("No \"define patchnames\" section !").toStdString());
}

void TPatchScriptParser::ParsePatchNames(TPatchList& list) {
    m_list = &list;
    m_levels.fill(nullptr);
    m_patch = nullptr;
    m_lastGroup = nullptr;
    while (NextCommand()) {
        if (m_argument.isEmpty() && !Matches("sorted")) Error(tr("Name is missing."));
        if (m_command.size() <= 1) {
            Warning(tr(kUnknownCommand).arg(m_command));
            continue;
        }
        if (const int p = Level('p')) {
            PatchLine(p);
        } else if (Accept("k")) {
            KeyName();
        } else if (Accept("mode")) {
            Mode();
        } else if (const int g = Level('g')) {
            Group(g);
        } else if (Accept("sorted")) {
            if (m_lastGroup)
                m_lastGroup->SetSorted(true);
            else
                Warning(tr("No group defined for sorted property. Ignored."));
        } else {
            Warning(tr(kUnknownCommand).arg(m_command));
            continue;
        }
        if (!m_command.isEmpty())
            Warning(tr("Ignoring remaining \"%1\" in command.").arg(m_command));
    }
}

void TPatchScriptParser::PatchLine(int level) {
    TPatchModeGroup* group = m_levels[level - 1];
    if (!group) Error(tr(kNoSubGroup));
    if (!Accept(",")) Error(tr(kSyntaxError));
    const int program = Number(true);
    if (program < 0 || program > 127) Error(tr("Program number out of bounds (0..127)"));
    if (!Accept(",")) Error(tr(kSyntaxError));
    const int first = Number(true);
    int bank;
    if (Accept(",")) {
        const int second = Number(true);
        const bool swap = m_list->SwapValueBytes;
        // The two halves in the order they stand, each named for the part it plays.
        const int halves[2] = {first, second};
        for (int i = 0; i < 2; ++i) {
            if (halves[i] >= -1 && halves[i] <= 127) continue;
            const bool isMsb = (i == 0) != swap;
            Error(isMsb ? tr("MSB out of bounds (-1..127)") : tr("LSB out of bounds (-1..127)"));
        }
        const int msb = swap ? second : first;
        const int lsb = swap ? first : second;
        bank = (msb & 127) * 128 + (lsb & 127);
    } else {
        if (first < -1 || first > 16383) Error(tr("Bank number out of bounds (0..16383)"));
        bank = first;
    }
    m_patch = group->AddProgram(m_argument, bank, program);
}

void TPatchScriptParser::KeyName() {
    const int key = Number(true);
    if (key < 0 || key > 127) Error(tr("Key out of bounds (0..127)"));
    if (!m_patch) Error(tr("No program defined for key."));
    m_patch->SetKeyName(key, m_argument);
}

void TPatchScriptParser::Mode() {
    m_levels.fill(nullptr);
    m_patch = nullptr;
    m_lastGroup = nullptr;
    TPatchModeGroup* mode = m_list->AddMode(m_argument);
    if (!m_command.isEmpty()) {
        const int channel = Number(true) - 1;
        if (channel < -1 || channel > 15) Error(tr("Midi channel out of bounds."));
        mode->SetMidiChannel(channel);
    }
    m_levels[0] = mode;
}

void TPatchScriptParser::Group(int level) {
    if (!m_levels[level - 1]) {
        if (level != 1) Error(tr(kNoSubGroup));
        m_levels[0] = m_list->AddMode(m_list->DeviceName);
    }
    TPatchModeGroup* group = m_levels[level - 1]->AddSubgroup(m_argument);
    m_levels[level] = group;
    m_lastGroup = group;
    m_patch = nullptr;
}
