#pragma once

#include <lo/lo_types.h>

#include <QObject>
#include <functional>
#include <string>

#include "platform/session/runplace.h"

class QSocketNotifier;
class QTimer;

// The client side of the session manager protocol (OSC over UDP, API 1.1): announces the
// program with the capabilities ":optional-gui:dirty:", takes the session from
// /nsm/client/open, and answers save, show and hide requests through the handlers below. The OSC
// socket is read on the thread that made the client, when Qt's event loop sees it readable, so the
// handlers run there and may touch the window.
//
// The manager is never waited for beyond WaitForOpen's limit: one that does not answer, refuses
// the announce or goes away puts the client into Failed or Gone with a text for the user
// (OnStatus), and the program goes on without a session.
class TNsmClient : public QObject {
public:
    enum class TState { Off, Announcing, Announced, Open, Failed, Gone };
    // Error codes of the protocol.
    static constexpr int kErrGeneral = -1;
    static constexpr int kErrNotNow = -8;
    static constexpr int kErrCreateFailed = -10;

    // `managerAlive` tells whether the manager still runs, asked once a second while a session is
    // open; unset: while the process that started this program (the manager launches its clients)
    // is still its parent.
    explicit TNsmClient(std::function<bool()> managerAlive = {}, QObject* parent = nullptr);
    ~TNsmClient() override;
    TNsmClient(const TNsmClient&) = delete;
    TNsmClient& operator=(const TNsmClient&) = delete;

    // Opens the OSC socket and sends /nsm/server/announce to the manager at `url` (the value of
    // NSM_URL, "osc.udp://host:port/"). False when that cannot be done: the client is Failed and
    // StatusText says why.
    bool Announce(const std::string& url, const std::string& applicationName,
                  const std::string& executable, int pid);
    // Handles what arrives until a session is open or the client failed, at most `ms`
    // milliseconds; a manager silent until then fails the client. True when a session is open.
    bool WaitForOpen(int ms);

    TState State() const { return m_state; }
    bool SessionOpen() const { return m_state == TState::Open; }
    const TNsmSession& Session() const { return m_session; }
    const TRunPlace& Place() const { return m_place; }
    // Whether the manager wants the window shown: yes, until it asks to hide it.
    bool GuiWanted() const { return m_guiWanted; }
    // The last text for the user (what failed, or the session that was opened).
    std::string StatusText() const { return m_status ? m_status() : std::string(); }

    // Tell the manager, once per change, whether there are unsaved changes and whether the window
    // is shown. Nothing is sent outside an open session.
    void SetDirty(bool dirty);
    void SetGuiShown(bool shown);

    // Saves; returns an empty string when saved, else the reason for the manager and the user.
    std::function<std::string()> OnSave;
    // The manager asks to show (true) or hide (false) the window. Also remembered in GuiWanted.
    std::function<void(bool show)> OnShowGui;
    // A text for the status bar: a failure, the end of the session, a save that failed.
    std::function<void(const std::string& text)> OnStatus;
    // The session has ended without the program being told to quit (the manager went away).
    std::function<void()> OnEnded;

private:
    static int Handle(const char* path, const char* types, lo_arg** argv, int argc,
                      lo_message message, void* self);
    void Receive();
    void Dispatch(const std::string& path, const std::string& types, lo_arg** argv);
    void HandleReply(const std::string& types, lo_arg** argv);
    void HandleError(const std::string& types, lo_arg** argv);
    void HandleOpen(lo_arg** argv);
    void HandleSave();
    void HandleGui(bool show);
    // Sends and frees `message`.
    void Send(const char* path, lo_message message);
    void Reply(const char* path, const std::string& text);
    void Refuse(const char* path, int code, const std::string& text);
    void Fail(TState state, std::function<std::string()> text);
    void CheckManager();

    std::function<bool()> m_managerAlive;
    lo_server m_server = nullptr;
    lo_address m_address = nullptr;
    std::string m_url;
    QSocketNotifier* m_notifier = nullptr;
    QTimer* m_watch = nullptr;
    TState m_state = TState::Off;
    TNsmSession m_session;
    TRunPlace m_place;
    std::function<std::string()> m_status;
    bool m_guiWanted = true;
    int m_dirtySent = -1;
    int m_guiSent = -1;
};
