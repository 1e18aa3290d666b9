#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

// Opening web pages and local documents in the user's browser.
//
// The browser is the first of a ':'-separated list of command lines (the BROWSER environment
// variable's value) whose program exists, parsed like a registered browser command line: "%1"
// stands for the address like "%s", the program may be enclosed in double quotes, and a pattern
// without
// "%s" gets " %s" appended. Without a usable browser, documents go to the desktop's default
// handler. Programs are started with an argument list, never through a shell, so an address
// always reaches the browser as exactly one argument, whatever characters it holds.

struct TBrowserCommand {
    std::string program;  // as written (a bare name is looked up on PATH when started)
    std::string pattern;  // the parameters, containing "%s" where the address goes
};

// False when the command line names no program.
bool ParseBrowserCommand(const std::string& commandLine, TBrowserCommand& out);
// The pattern split into arguments (blanks separate them, double quotes group and are dropped),
// with "%s" replaced by address inside its argument.
std::vector<std::string> BrowserArguments(const std::string& pattern, const std::string& address);

// The value of the BROWSER environment variable. The environment is the process's own, the same
// for the whole program.
std::string BrowserVariable();

// The desktop's default handler: given the full name (a local file name or an address), true
// when it opened it.
using TShellOpenHandler = std::function<bool(const std::string& fullName, bool local)>;
bool DesktopOpen(const std::string& fullName, bool local);

// Opens pages in the browser. The main window holds one for the whole run, so the browser is
// looked up once.
class TGoToWeb {
public:
    // browsers: the command lines to try, as BrowserVariable() gives them.
    explicit TGoToWeb(std::string browsers = BrowserVariable()) : m_browsers(std::move(browsers)) {}

    std::string Url;
    std::string EMail;
    std::string EMailSubject;
    // The folder local pages are found in (see datafolder.h), and what opens a document that
    // no browser opened.
    std::string DataFolder;
    TShellOpenHandler ShellOpen = DesktopOpen;

    // Looks up the browser on the first call; true when its program file exists.
    bool BrowserAvailable();
    // Opens Url in the browser (backslashes become slashes); true when the browser started.
    bool Open();

private:
    std::string m_browsers;
    bool m_lookedUp = false;
    bool m_found = false;
    std::string m_program;  // resolved file name
    std::string m_pattern;
};

// "Cannot show file \"<path>\"."
std::string CannotShowFileMessage(const std::string& path);

// Opens a local page (local: path relative to web.DataFolder) or a web address in web's browser,
// else with web.ShellOpen; when both fail, onError receives CannotShowFileMessage(path) with
// path as passed in. True when something opened it.
bool ShowDocument(TGoToWeb& web, const std::string& path, bool local,
                  const std::function<void(const std::string& message)>& onError);
