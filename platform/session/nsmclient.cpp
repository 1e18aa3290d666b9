#include "platform/session/nsmclient.h"

#include <lo/lo.h>
#include <unistd.h>

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include "platform/lib/lazylibrary.h"
#include "platform/lib/translatedtext.h"

namespace {

// The OSC library is opened when a session manager is first talked to, not with the program.
#define LO_FUNCTIONS(X)         \
    X(lo_server_free)           \
    X(lo_address_free)          \
    X(lo_url_get_port)          \
    X(lo_url_get_protocol_id)   \
    X(lo_address_new_from_url)  \
    X(lo_server_new_with_proto) \
    X(lo_server_add_method)     \
    X(lo_server_get_socket_fd)  \
    X(lo_message_new)           \
    X(lo_message_add_string)    \
    X(lo_message_add_int32)     \
    X(lo_server_recv_noblock)   \
    X(lo_send_message_from)     \
    X(lo_message_free)          \
    X(lo_address_errstr)
TASTRA_LAZY_API(TLoApi, LO_FUNCTIONS)

const TLoApi* Lo() { return LazyApi<TLoApi>({"liblo.so.7", "liblo.so"}); }

// Notices for the status bar, made in the user's language when they are shown: the session is
// joined before the translations are loaded. What goes to the session manager stays English.
template <typename... TArgs>
std::function<std::string()> Tr(const char* text, const TArgs&... values) {
    return [=] { return TranslatedText("TNsmClient", text, values...); };
}

constexpr const char* kAnnounce = "/nsm/server/announce";
constexpr const char* kOpen = "/nsm/client/open";
constexpr const char* kSave = "/nsm/client/save";
constexpr const char* kCapabilities = ":optional-gui:dirty:";
constexpr int kApiMajor = 1;
constexpr int kApiMinor = 1;
// How often an open session checks that its manager still runs.
constexpr int kWatchMs = 1000;
// Datagrams handled per wake-up, so that a flood cannot hold the window thread.
constexpr int kMaxPerWakeUp = 64;

// Malformed datagrams are dropped by the OSC library; nothing needs saying about them.
void IgnoreOscError(int, const char*, const char*) {}

std::string Text(const std::string& types, lo_arg** argv, size_t i) {
    return i < types.size() && types[i] == 's' ? std::string(&argv[i]->s) : std::string();
}

}  // namespace

TNsmClient::TNsmClient(std::function<bool()> managerAlive, QObject* parent)
    : QObject(parent), m_managerAlive(std::move(managerAlive)) {
    if (!m_managerAlive) {
        const pid_t launcher = getppid();
        m_managerAlive = [launcher] { return getppid() == launcher; };
    }
}

TNsmClient::~TNsmClient() {
    delete m_notifier;
    if (m_server) Lo()->lo_server_free(m_server);
    if (m_address) Lo()->lo_address_free(m_address);
}

bool TNsmClient::Announce(const std::string& url, const std::string& applicationName,
                          const std::string& executable, int pid) {
    m_url = url;
    if (!Lo()) {
        Fail(TState::Failed, Tr(QT_TRANSLATE_NOOP("TNsmClient",
                                                  "The OSC library (liblo) cannot be loaded: "
                                                  "going on without a session.")));
        return false;
    }
    char* port = Lo()->lo_url_get_port(url.c_str());
    const bool usable = Lo()->lo_url_get_protocol_id(url.c_str()) == LO_UDP && port && *port;
    free(port);
    if (usable) m_address = Lo()->lo_address_new_from_url(url.c_str());
    if (!m_address) {
        Fail(TState::Failed, Tr(QT_TRANSLATE_NOOP("TNsmClient",
                                                  "NSM_URL \"%1\" is not the address of a session "
                                                  "manager: going on without a session."),
                                url));
        return false;
    }
    m_server = Lo()->lo_server_new_with_proto(nullptr, LO_UDP, IgnoreOscError);
    if (!m_server) {
        Fail(TState::Failed, Tr(QT_TRANSLATE_NOOP("TNsmClient",
                                                  "No socket could be opened to talk to the "
                                                  "session manager: going on without a session.")));
        return false;
    }
    Lo()->lo_server_add_method(m_server, nullptr, nullptr, &TNsmClient::Handle, this);
    m_notifier =
        new QSocketNotifier(Lo()->lo_server_get_socket_fd(m_server), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { Receive(); });
    m_state = TState::Announcing;
    lo_message m = Lo()->lo_message_new();
    Lo()->lo_message_add_string(m, applicationName.c_str());
    Lo()->lo_message_add_string(m, kCapabilities);
    Lo()->lo_message_add_string(m, executable.c_str());
    Lo()->lo_message_add_int32(m, kApiMajor);
    Lo()->lo_message_add_int32(m, kApiMinor);
    Lo()->lo_message_add_int32(m, pid);
    Send(kAnnounce, m);
    return m_state == TState::Announcing;
}

bool TNsmClient::WaitForOpen(int ms) {
    const auto waiting = [this] {
        return m_state == TState::Announcing || m_state == TState::Announced;
    };
    if (waiting()) {
        QEventLoop loop;
        QTimer limit;
        limit.setSingleShot(true);
        connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        // Checked after every batch of datagrams: the wait ends as soon as the answer is in.
        const auto done = connect(m_notifier, &QSocketNotifier::activated, &loop, [&] {
            if (!waiting()) loop.quit();
        });
        limit.start(ms);
        loop.exec();
        disconnect(done);
    }
    if (waiting())
        Fail(TState::Failed,
             m_state == TState::Announcing
                 ? Tr(QT_TRANSLATE_NOOP("TNsmClient",
                                        "The session manager at %1 does not answer: "
                                        "going on without a session."),
                      m_url)
                 : Tr(QT_TRANSLATE_NOOP("TNsmClient",
                                        "The session manager at %1 opened no "
                                        "session: going on without a session."),
                      m_url));
    return SessionOpen();
}

void TNsmClient::SetDirty(bool dirty) {
    if (!SessionOpen() || m_dirtySent == int(dirty)) return;
    m_dirtySent = dirty;
    Send(dirty ? "/nsm/client/is_dirty" : "/nsm/client/is_clean", Lo()->lo_message_new());
}

void TNsmClient::SetGuiShown(bool shown) {
    if (!SessionOpen() || m_guiSent == int(shown)) return;
    m_guiSent = shown;
    Send(shown ? "/nsm/client/gui_is_shown" : "/nsm/client/gui_is_hidden", Lo()->lo_message_new());
}

int TNsmClient::Handle(const char* path, const char* types, lo_arg** argv, int, lo_message,
                       void* self) {
    static_cast<TNsmClient*>(self)->Dispatch(path ? path : "", types ? types : "", argv);
    return 0;
}

void TNsmClient::Receive() {
    for (int i = 0; i < kMaxPerWakeUp && m_server; ++i)
        if (Lo()->lo_server_recv_noblock(m_server, 0) <= 0) break;
}

void TNsmClient::Dispatch(const std::string& path, const std::string& types, lo_arg** argv) {
    if (path == "/reply") return HandleReply(types, argv);
    if (path == "/error") return HandleError(types, argv);
    if (path == kOpen) {
        if (types == "sss") return HandleOpen(argv);
        return Refuse(kOpen, kErrGeneral, "Expected three strings: path, name and client id.");
    }
    if (path == kSave) {
        if (types.empty()) return HandleSave();
        return Refuse(kSave, kErrGeneral, "Expected no arguments.");
    }
    if (path == "/nsm/client/show_optional_gui" && types.empty()) return HandleGui(true);
    if (path == "/nsm/client/hide_optional_gui" && types.empty()) return HandleGui(false);
    // Anything else (session_is_loaded, messages of later protocol versions) needs no answer.
}

void TNsmClient::HandleReply(const std::string& types, lo_arg** argv) {
    if (m_state == TState::Announcing && Text(types, argv, 0) == kAnnounce)
        m_state = TState::Announced;
}

void TNsmClient::HandleError(const std::string& types, lo_arg** argv) {
    if (m_state != TState::Announcing || Text(types, argv, 0) != kAnnounce) return;
    std::string reason = Text(types, argv, 2);
    Fail(TState::Failed, reason.empty()
                             ? Tr(QT_TRANSLATE_NOOP("TNsmClient",
                                                    "The session manager refused the program (no "
                                                    "reason given): going on without a session."))
                             : Tr(QT_TRANSLATE_NOOP("TNsmClient",
                                                    "The session manager refused the program (%1): "
                                                    "going on without a session."),
                                  reason));
}

void TNsmClient::HandleOpen(lo_arg** argv) {
    TNsmSession session{&argv[0]->s, &argv[1]->s, &argv[2]->s};
    if (m_state == TState::Open) {
        // The same open again (a repeated datagram) is answered alike; another session would
        // need new MIDI clients and settings, which only a new start gives.
        if (session.path == m_session.path && session.clientId == m_session.clientId)
            return Reply(kOpen, "Opened.");
        return Refuse(kOpen, kErrNotNow, "Cannot switch to another session while running.");
    }
    if (m_state != TState::Announcing && m_state != TState::Announced)
        return Refuse(kOpen, kErrNotNow, "Started without a session: start the program again.");
    TRunPlace place;
    TPlaceError error;
    if (!SessionPlace(session, place, error)) {
        Refuse(kOpen, kErrCreateFailed, error.English());
        return Fail(TState::Failed, [error] {
            return TranslatedText("TNsmClient",
                                  QT_TRANSLATE_NOOP("TNsmClient",
                                                    "The session could not be opened (%1): going "
                                                    "on without a session."),
                                  error.Translated());
        });
    }
    m_session = session;
    m_place = place;
    m_state = TState::Open;
    m_status = Tr(QT_TRANSLATE_NOOP("TNsmClient", "Session \"%1\": settings kept in %2"),
                  session.displayName, session.path);
    m_watch = new QTimer(this);
    connect(m_watch, &QTimer::timeout, this, [this] { CheckManager(); });
    m_watch->start(kWatchMs);
    Reply(kOpen, "Settings kept in " + session.path + ".");
}

void TNsmClient::HandleSave() {
    if (!SessionOpen() || !OnSave) return Refuse(kSave, kErrNotNow, "Not ready to save yet.");
    const std::string failure = OnSave();
    if (failure.empty()) return Reply(kSave, "Saved.");
    Refuse(kSave, kErrGeneral, failure);
}

void TNsmClient::HandleGui(bool show) {
    if (m_state == TState::Failed || m_state == TState::Gone) return;
    m_guiWanted = show;
    if (OnShowGui) OnShowGui(show);
}

void TNsmClient::Reply(const char* path, const std::string& text) {
    lo_message m = Lo()->lo_message_new();
    Lo()->lo_message_add_string(m, path);
    Lo()->lo_message_add_string(m, text.c_str());
    Send("/reply", m);
}

void TNsmClient::Refuse(const char* path, int code, const std::string& text) {
    lo_message m = Lo()->lo_message_new();
    Lo()->lo_message_add_string(m, path);
    Lo()->lo_message_add_int32(m, code);
    Lo()->lo_message_add_string(m, text.c_str());
    Send("/error", m);
}

void TNsmClient::Send(const char* path, lo_message message) {
    const int sent = Lo()->lo_send_message_from(m_address, m_server, path, message);
    Lo()->lo_message_free(message);
    if (sent >= 0 || m_state == TState::Failed || m_state == TState::Gone) return;
    const char* error = Lo()->lo_address_errstr(m_address);
    const std::string reason = error ? error : "";
    if (m_state == TState::Open)
        Fail(TState::Gone, Tr(QT_TRANSLATE_NOOP("TNsmClient",
                                                "The session manager cannot be reached any more "
                                                "(%1): going on without a session."),
                              reason));
    else
        Fail(TState::Failed, Tr(QT_TRANSLATE_NOOP("TNsmClient",
                                                  "The session manager at %1 cannot be reached "
                                                  "(%2): going on without a session."),
                                m_url, reason));
}

void TNsmClient::Fail(TState state, std::function<std::string()> text) {
    const bool ended = m_state == TState::Open;
    m_state = state;
    m_status = std::move(text);
    if (m_watch) m_watch->stop();
    if (OnStatus) OnStatus(m_status());
    if (ended && OnEnded) OnEnded();
}

void TNsmClient::CheckManager() {
    if (SessionOpen() && !m_managerAlive())
        Fail(TState::Gone,
             Tr(QT_TRANSLATE_NOOP("TNsmClient",
                                  "The session manager has gone: going on without a session.")));
}
