#include "platform/shell/gotoweb.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// Trims, then removes double quotes at both ends as long as there are any.
std::string Unquote(std::string s) {
    s = Trim(s);
    for (;;) {
        bool changed = false;
        if (!s.empty() && s.front() == '"') {
            s.erase(0, 1);
            changed = true;
        }
        if (!s.empty() && s.back() == '"') {
            s.pop_back();
            changed = true;
        }
        if (!changed) return s;
        s = Trim(s);
    }
}

void ReplaceAll(std::string& s, const std::string& from, const std::string& to) {
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

// The program file a command names: a path as given, a bare name searched on PATH.
std::string ResolveProgram(const std::string& program) {
    QString p = QString::fromStdString(program);
    if (p.contains('/')) {
        QFileInfo fi(p);
        return fi.isFile() && fi.isExecutable() ? program : std::string();
    }
    return QStandardPaths::findExecutable(p).toStdString();
}

}  // namespace

std::string BrowserVariable() { return qgetenv("BROWSER").toStdString(); }

bool DesktopOpen(const std::string& fullName, bool local) {
    QString name = QString::fromStdString(fullName);
    QUrl url = local ? QUrl::fromLocalFile(name) : QUrl::fromUserInput(name);
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool ParseBrowserCommand(const std::string& commandLine, TBrowserCommand& out) {
    std::string line = commandLine;
    ReplaceAll(line, "%1", "%s");
    line = Trim(line);
    std::string program, rest;
    if (!line.empty() && line[0] == '"') {
        size_t close = line.find('"', 1);
        if (close == std::string::npos) close = line.size();
        program = line.substr(1, close - 1);
        rest = close < line.size() ? line.substr(close + 1) : std::string();
    } else {
        size_t blank = 0;
        while (blank < line.size() && !IsBlank(line[blank])) ++blank;
        program = line.substr(0, blank);
        rest = line.substr(blank);
    }
    program = Unquote(program);
    if (program.empty()) return false;
    std::string pattern = Unquote(rest);
    if (pattern.find("%s") == std::string::npos) pattern += " %s";
    out.program = program;
    out.pattern = pattern;
    return true;
}

std::vector<std::string> BrowserArguments(const std::string& pattern, const std::string& address) {
    std::vector<std::string> args;
    std::string current;
    bool inArg = false, quoted = false;
    for (char c : pattern) {
        if (c == '"') {
            quoted = !quoted;
            inArg = true;
        } else if (IsBlank(c) && !quoted) {
            if (inArg) args.push_back(current);
            current.clear();
            inArg = false;
        } else {
            current += c;
            inArg = true;
        }
    }
    if (inArg) args.push_back(current);
    // Substituting after splitting keeps the address one argument, blanks and quotes included.
    for (auto& a : args) ReplaceAll(a, "%s", address);
    return args;
}

bool TGoToWeb::BrowserAvailable() {
    if (!m_lookedUp) {
        m_lookedUp = true;
        for (const QString& entry : QString::fromStdString(m_browsers).split(QLatin1Char(':'))) {
            TBrowserCommand cmd;
            if (!ParseBrowserCommand(entry.toStdString(), cmd)) continue;
            std::string file = ResolveProgram(cmd.program);
            if (file.empty()) continue;
            m_found = true;
            m_program = file;
            m_pattern = cmd.pattern;
            break;
        }
    }
    return m_found && QFileInfo::exists(QString::fromStdString(m_program));
}

bool TGoToWeb::Open() {
    if (!BrowserAvailable()) return false;
    std::string address = Url;
    ReplaceAll(address, "\\", "/");
    QStringList args;
    for (const auto& a : BrowserArguments(m_pattern, address)) args << QString::fromStdString(a);
    return QProcess::startDetached(QString::fromStdString(m_program), args);
}

std::string CannotShowFileMessage(const std::string& path) {
    return "Cannot show file \"" + path + "\".";
}

bool ShowDocument(TGoToWeb& web, const std::string& path, bool local,
                  const std::function<void(const std::string& message)>& onError) {
    const std::string fullName = local ? web.DataFolder + "/" + path : path;
    if (web.BrowserAvailable()) {
        // Encoded, so that a "#" or "%" in the folder's name stays part of the path.
        web.Url = local ? QUrl::fromLocalFile(QString::fromStdString(fullName))
                              .toString(QUrl::FullyEncoded)
                              .toStdString()
                        : fullName;
        if (web.Open()) return true;
    }
    const bool opened = web.ShellOpen && web.ShellOpen(fullName, local);
    if (!opened && onError) onError(CannotShowFileMessage(path));
    return opened;
}
