#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>
#include <string>

#include "platform/session/nsmclient.h"
#include "platform/settings/settingsstore.h"

class QTimer;
class QWidget;
class TTastra2;
struct TTastraServices;

// The program under a session manager (NSM_URL set). Made before the MIDI services: it announces
// the program and waits a moment for the session, whose folder then holds the settings and whose
// client id names the MIDI clients (Place). Attached to the window, it saves on request, shows and
// hides the window (closing it only hides it: the manager ends the program, and quitting does not
// save), and tells the manager whether there is something to save, by comparing what a save would
// write with what the last one wrote, every kDirtyCheckMs.
//
// A manager that does not answer, refuses or goes away leaves a word in the status bar, and the
// program goes on on its own: the window shows, and closing it saves and quits again.
class TSessionLink : public QObject {
public:
    static constexpr int kOpenWaitMs = 3000;
    static constexpr int kDirtyCheckMs = 500;

    // `managerAlive`: see TNsmClient.
    TSessionLink(const std::string& url, const std::string& executable,
                 int openWaitMs = kOpenWaitMs, std::function<bool()> managerAlive = {});
    ~TSessionLink() override;

    TNsmClient& Client() { return m_client; }
    // Where this run keeps its settings and what its clients are called.
    TRunPlace Place() const;
    // Takes over the window's saving, closing and showing; before it is shown or started.
    void Attach(TTastra2& window);
    // Shows the window, or starts it hidden when the manager asked for that.
    void ShowWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Started();
    void ShowGui(bool show);
    std::string Save();
    void CheckDirty();
    // The session's folder of this client: where its hive lies.
    std::string SessionFolder() const;
    void SessionEnded();
    void ShowStatus(const std::string& text);

    TNsmClient m_client;
    QPointer<TTastra2> m_window;
    QTimer* m_dirtyCheck = nullptr;
    TMemSettingsStore m_savedImage;
    bool m_started = false;
    std::string m_pendingStatus;
    // The session client's own notice is what the window shows first.
    bool m_clientStatusPending = false;
    // Tool windows hidden with the window, shown again with it.
    QList<QPointer<QWidget>> m_hiddenTools;
};

// Points the window's settings openers at the hive of `place`. A hive of which nothing could be
// read is renamed to a copy, and setAside is told the copy's name.
void OpenSettingsAt(TTastraServices& services, const TRunPlace& place,
                    std::function<void(const std::string&)> setAside);

// True when two settings images hold the same sections and values in the same order.
bool SameImage(const TMemSettingsStore& a, const TMemSettingsStore& b);
