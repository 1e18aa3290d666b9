#include "platform/shell/endings.h"

#include <QtGui/qguiapplication_platform.h>
#include <fcntl.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <cstdio>

namespace {

const int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// What the signal handler may touch: a pipe's end to write to and whether a signal came already.
int g_signalPipe[2] = {-1, -1};
volatile sig_atomic_t g_signalled = 0;
struct sigaction g_previous[sizeof kSignals / sizeof kSignals[0]];
// The watch the message handler reports to.
TEndings* g_active = nullptr;

void OnSignal(int signal) {
    if (g_signalled) {
        // Asked again while the first ending is still under way (a save that hangs): the user
        // means it, end at once.
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    g_signalled = signal;
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signal);
    if (::write(g_signalPipe[1], &byte, 1) < 0) {
        // The pipe is ours and empty: nothing to do if even this fails.
    }
    errno = saved;
}

}  // namespace

TEndings::TEndings(THandlers handlers, QObject* parent)
    : QObject(parent), m_handlers(std::move(handlers)) {
    g_active = this;
    g_signalled = 0;
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] { ReadSignal(); });
        struct sigaction action {};
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (size_t i = 0; i < sizeof kSignals / sizeof kSignals[0]; ++i)
            sigaction(kSignals[i], &action, &g_previous[i]);
    }
    m_previousMessageHandler = qInstallMessageHandler(&TEndings::OnMessage);
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        const auto save = [this](QSessionManager&) {
            if (m_handlers.sessionEnds) m_handlers.sessionEnds();
        };
        connect(app, &QGuiApplication::commitDataRequest, this, save, Qt::DirectConnection);
        connect(app, &QGuiApplication::saveStateRequest, this, save, Qt::DirectConnection);
    }
}

TEndings::~TEndings() {
    qInstallMessageHandler(m_previousMessageHandler);
    g_active = nullptr;
    if (!m_notifier) return;
    for (size_t i = 0; i < sizeof kSignals / sizeof kSignals[0]; ++i)
        sigaction(kSignals[i], &g_previous[i], nullptr);
    delete m_notifier;
    m_notifier = nullptr;
    for (int& fd : g_signalPipe) {
        ::close(fd);
        fd = -1;
    }
}

void TEndings::ReadSignal() {
    unsigned char byte = 0;
    if (::read(g_signalPipe[0], &byte, 1) != 1) return;
    if (m_handlers.signalled) m_handlers.signalled(byte);
}

bool TEndings::DisplayBroken() const {
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    const auto* x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    return connection && xcb_connection_has_error(connection) != 0;
}

void TEndings::OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    // The display's library says that the connection broke and then ends the process: this is
    // the last moment the program's own code runs. Only the window's thread may act on it.
    TEndings* self = g_active;
    if (self && !self->m_displayLostSeen && type != QtDebugMsg && type != QtInfoMsg &&
        QCoreApplication::instance() &&
        QThread::currentThread() == QCoreApplication::instance()->thread() &&
        self->DisplayBroken()) {
        self->m_displayLostSeen = true;
        if (self->m_handlers.displayLost) self->m_handlers.displayLost();
    }
    const QtMessageHandler previous = self ? self->m_previousMessageHandler : nullptr;
    if (previous) {
        previous(type, context, text);
    } else {
        std::fprintf(stderr, "%s\n",
                     qFormatLogMessage(type, context, text).toLocal8Bit().constData());
    }
}
