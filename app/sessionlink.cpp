#include "app/sessionlink.h"

#include <unistd.h>

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>
#include <QWidget>

#include "app/recordlink.h"
#include "app/tastra.h"
#include "keyboard/keyboard.h"
#include "platform/registry/registrystore.h"
#include "platform/settings/programpaths.h"

TSessionLink::TSessionLink(const std::string& url, const std::string& executable, int openWaitMs,
                           std::function<bool()> managerAlive)
    : m_client(std::move(managerAlive)) {
    m_client.OnStatus = [this](const std::string& text) { ShowStatus(text); };
    if (m_client.Announce(url, QApplication::applicationName().toStdString(), executable,
                          static_cast<int>(getpid())))
        m_client.WaitForOpen(openWaitMs);
    // Shown once the window has started (the start-up steps use the status bar themselves), and
    // made then, in the language the translations loaded meanwhile give.
    m_pendingStatus.clear();
    m_clientStatusPending = true;
}

TSessionLink::~TSessionLink() {
    if (m_dirtyCheck) QApplication::setQuitOnLastWindowClosed(true);
}

TRunPlace TSessionLink::Place() const {
    return m_client.SessionOpen() ? m_client.Place() : TRunPlace();
}

void TSessionLink::Attach(TTastra2& window) {
    m_window = &window;
    window.OnStarted = [this] { Started(); };
    if (!m_client.SessionOpen()) return;
    window.SetSaveOnClose(false);
    // Hiding the last window must not end the program either.
    QApplication::setQuitOnLastWindowClosed(false);
    window.installEventFilter(this);
    m_client.OnSave = [this] { return Save(); };
    m_client.OnShowGui = [this](bool show) { ShowGui(show); };
    m_client.OnEnded = [this] { SessionEnded(); };
    m_dirtyCheck = new QTimer(this);
    connect(m_dirtyCheck, &QTimer::timeout, this, [this] { CheckDirty(); });
}

void TSessionLink::ShowWindow() {
    if (!m_window) return;
    if (m_client.SessionOpen() && !m_client.GuiWanted()) {
        m_window->Start();
        m_client.SetGuiShown(false);
    } else {
        m_window->show();
    }
}

void TSessionLink::Started() {
    m_started = true;
    if (m_client.SessionOpen()) {
        // What the session's folder held at the start is what was saved.
        m_savedImage = m_window->SettingsImage();
        m_client.SetDirty(false);
        m_dirtyCheck->start(kDirtyCheckMs);
    }
    ShowStatus(m_clientStatusPending ? m_client.StatusText() : m_pendingStatus);
    m_pendingStatus.clear();
}

bool TSessionLink::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && m_client.SessionOpen()) {
        switch (event->type()) {
            case QEvent::Close:
                // The manager ends the program; the window only goes out of sight. Quitting the
                // application still works: it finds the window hidden.
                event->ignore();
                ShowGui(false);
                return true;
            case QEvent::Show:
            case QEvent::Hide:
                // Looked at once the event has passed, so that a widget hidden and shown again in
                // one go (as changing its window flags does) tells the manager nothing. A
                // minimised window stays "shown".
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        if (m_window && m_client.SessionOpen())
                            m_client.SetGuiShown(m_window->isVisible());
                    },
                    Qt::QueuedConnection);
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TSessionLink::ShowGui(bool show) {
    if (!m_window) return;
    if (show) {
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
        for (const QPointer<QWidget>& tool : m_hiddenTools)
            if (tool) tool->show();
        m_hiddenTools.clear();
        return;
    }
    // Nothing played here may go on sounding where no window can release it; thru goes on.
    m_window->Keyboard1->Player().ResetPlaying();
    for (QWidget* w : m_window->findChildren<QWidget*>()) {
        if (w->isWindow() && w->isVisible()) {
            m_hiddenTools << w;
            w->hide();
        }
    }
    m_window->hide();
}

std::string TSessionLink::Save() {
    if (!m_window) return "The window is gone.";
    // A recording nobody saved goes into the session's folder, beside its settings.
    std::string failure = m_window->KeepRecordingIn(SessionFolder());
    if (failure.empty()) failure = m_window->StoreSettings();
    if (!failure.empty()) {
        ShowStatus(failure);
        return failure;
    }
    if (m_started) {
        m_savedImage = m_window->SettingsImage();
        m_client.SetDirty(false);
    }
    return {};
}

void TSessionLink::CheckDirty() {
    if (m_window && m_client.SessionOpen())
        m_client.SetDirty(m_window->Record().Recorder().Unsaved() ||
                          !SameImage(m_window->SettingsImage(), m_savedImage));
}

std::string TSessionLink::SessionFolder() const {
    const std::string hive = Place().hivePath;
    const auto slash = hive.find_last_of('/');
    return slash == std::string::npos ? std::string() : hive.substr(0, slash);
}

void TSessionLink::SessionEnded() {
    if (m_dirtyCheck) m_dirtyCheck->stop();
    if (!m_window) return;
    // On its own again: closing saves and quits, and a hidden window would leave no way to.
    m_window->removeEventFilter(this);
    m_window->SetSaveOnClose(true);
    QApplication::setQuitOnLastWindowClosed(true);
    ShowGui(true);
}

void TSessionLink::ShowStatus(const std::string& text) {
    if (!m_started) {
        m_pendingStatus = text;
        m_clientStatusPending = false;
        return;
    }
    if (m_window && !text.empty()) m_window->SetStatusText(QString::fromStdString(text));
}

void OpenSettingsAt(TTastraServices& services, const TRunPlace& place,
                    std::function<void(const std::string&)> setAside) {
    const std::string hive =
        place.hivePath.empty() ? TRegistryIniFile::DefaultHivePath() : place.hivePath;
    const auto open = [hive, setAside](const std::string& key) -> std::unique_ptr<TSettingsStore> {
        return std::make_unique<TRegistryIniFile>(key, hive, setAside);
    };
    services.openSettingsRoot = [open] { return open(SettingsRootPath()); };
    services.openSettingsKey = [open](const std::string& subKey) {
        return open(SettingsRootPath() + "\\" + subKey);
    };
}

bool SameImage(const TMemSettingsStore& a, const TMemSettingsStore& b) {
    const auto& x = a.Sections();
    const auto& y = b.Sections();
    if (x.size() != y.size()) return false;
    for (size_t i = 0; i < x.size(); ++i) {
        if (x[i].name != y[i].name || x[i].values.size() != y[i].values.size()) return false;
        for (size_t j = 0; j < x[i].values.size(); ++j) {
            const auto& v = x[i].values[j];
            const auto& w = y[i].values[j];
            if (v.name != w.name || v.kind != w.kind || v.number != w.number || v.text != w.text)
                return false;
        }
    }
    return true;
}
