#pragma once

#include <functional>
#include <string>
#include <vector>

// Opening web pages and local documents in the user's browser.
//
// The browser is the command in the BROWSER environment variable (a ':'-separated list; the first
// entry whose program exists wins), parsed like a registered browser command line: "%1" stands
// for the address like "%s", the program may be enclosed in double quotes, and a pattern without
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

class TGoToWeb {
public:
    std::string Url;
    std::string EMail;
    std::string EMailSubject;

    // Looks up the browser once per run; true when its program file exists.
    bool BrowserAvailable();
    // Opens Url in the browser (backslashes become slashes); true when the browser started.
    bool Open();

    // Forgets the looked-up browser so that the next use looks again (tests change BROWSER).
    static void ResetBrowserLookup();
};

// "Cannot show file \"<path>\"."
std::string CannotShowFileMessage(const std::string& path);

// Opens a local page (local: path relative to the data folder, see datafolder.h) or a web address in the browser,
// else with the desktop's default handler; when both fail, onError receives
// CannotShowFileMessage(path) with path as passed in. True when something opened it.
bool ShowDocument(const std::string& path, bool local,
                  const std::function<void(const std::string& message)>& onError);

// The desktop's default handler: given the full name (a local file name or an address), true
// when it opened it. Tests install a fake; nullptr restores the desktop's own.
using TShellOpenHandler = std::function<bool(const std::string& fullName, bool local)>;
void SetShellOpenHandler(TShellOpenHandler handler);
