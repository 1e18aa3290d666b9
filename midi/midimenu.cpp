#include "midi/midimenu.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QTimer>
#include <QVariant>
#include <exception>
#include <stdexcept>

#include "platform/midi/systemmidi.h"

namespace {

// Marks what this component put into the submenu, as opposed to entries placed there by whoever
// built it: entries it handles, and its separator.
const char* const kEntryProperty = "tastraMidiMenuEntry";
// The name behind an entry's caption.
const char* const kNameProperty = "tastraDeviceName";
constexpr int kHandledEntry = 1;
constexpr int kOwnSeparator = 2;

// The formats are shown in the user's language; the device names are filled in as they are.
QString Shown(const char* format) { return QCoreApplication::translate("TMidiMenu", format); }

std::string Format(const char* format, const std::string& a) {
    return Shown(format).arg(ShownDeviceName(a)).toStdString();
}

std::string Format(const char* format, const std::string& a, const std::string& b) {
    return Shown(format).arg(ShownDeviceName(a), ShownDeviceName(b)).toStdString();
}

// Shows the hourglass for its lifetime and puts back whatever cursor was there before, also
// when an exception leaves the scope.
class TWaitCursor {
public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

// Counts a running click or rebuild for the lifetime of the scope.
class TBusy {
public:
    explicit TBusy(int& counter) : m_counter(counter) { ++m_counter; }
    ~TBusy() { --m_counter; }
    TBusy(const TBusy&) = delete;
    TBusy& operator=(const TBusy&) = delete;

private:
    int& m_counter;
};

// The posted event that carries a service's notice to the window thread.
QEvent::Type NoticeEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

// A notice that finds a click or a rebuild running is taken up this much later.
constexpr int kNoticeRetryMs = 50;

bool SameDeviceList(const std::vector<TMidiDeviceEntry>& a,
                    const std::vector<TMidiDeviceEntry>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].Id != b[i].Id || a[i].Name != b[i].Name) return false;
    return true;
}

}  // namespace

QString ShownDeviceName(const std::string& name) {
    static const std::string ownPort = " (own port)";
    if (name == kBuiltinSynthName)
        return QCoreApplication::translate("TMidiMenu", "Built-in Synth");
    if (name.size() > ownPort.size() &&
        name.compare(name.size() - ownPort.size(), ownPort.size(), ownPort) == 0)
        return QCoreApplication::translate("TMidiMenu", "%1 (own port)")
            .arg(QString::fromStdString(name.substr(0, name.size() - ownPort.size())));
    return QString::fromStdString(name);
}

std::string EntryName(const QAction* action) {
    const QVariant stored = action->property(kNameProperty);
    if (stored.isValid()) return stored.toString().toStdString();
    QString text = action->text();
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out.toStdString();
}

TMidiMenuBase::TMidiMenuBase(QObject* parent) : QObject(parent) {
    NoticeEvent();  // registered here, so that other threads only read it
}

void TMidiMenuBase::DevicesChanged() {
    if (m_noticePending.exchange(true, std::memory_order_acq_rel)) return;
    QCoreApplication::postEvent(this, new QEvent(NoticeEvent()));
}

void TMidiMenuBase::customEvent(QEvent* event) {
    if (event->type() != NoticeEvent()) return;
    m_noticePending.store(false, std::memory_order_release);
    if (m_busy > 0) {
        // Not under a running click or rebuild; soon after it instead of at the next recheck.
        QTimer::singleShot(kNoticeRetryMs, this, [this] { DevicesChanged(); });
        return;
    }
    Refresh(false);
}

TMidiMenuBase::~TMidiMenuBase() {
    // The entries' handlers die with this object; leaving them would show dead entries.
    if (m_baseMenu) {
        for (QAction* a : m_baseMenu->actions())
            if (a->property(kEntryProperty).toInt() != 0) {
                m_baseMenu->removeAction(a);
                delete a;
            }
    }
}

bool TMidiMenuBase::IsConsidered(const QAction* action) const {
    return action->isVisible() && action->property(kEntryProperty).toInt() == kHandledEntry;
}

QAction* TMidiMenuBase::FindEntry(int tag) const {
    if (!m_baseMenu) return nullptr;
    for (QAction* a : m_baseMenu->actions())
        if (IsConsidered(a) && a->data().toInt() == tag) return a;
    return nullptr;
}

void TMidiMenuBase::SendText(const std::string& text) {
    if (OnTextMessage) OnTextMessage(this, text);
}

void TMidiMenuBase::SendError(const std::string& text) {
    if (OnError) OnError(this, text);
}

void TMidiMenuBase::SendWaitingText(const std::string& notice) {
    if (m_awaitedDevice.empty()) {
        if (!notice.empty()) SendText(notice);
        return;
    }
    SendText(
        (notice.empty() ? std::string() : notice + " ") +
        Format(QT_TRANSLATE_NOOP("TMidiMenu", "Waiting for %1 %2 to be plugged in or switched on."),
               Shown(DirectionLabel()).toStdString(), m_awaitedDevice));
}

bool TMidiMenuBase::CloseDevice() {
    if (!IsClosed()) {
        std::string name = DeviceName();
        SendText(Format(QT_TRANSLATE_NOOP("TMidiMenu", "Closing %1: %2 ..."),
                        Shown(DirectionLabel()).toStdString(), name));
        if (OnBeforeClose) OnBeforeClose(this);
        try {
            CloseOwnedDevice();
        } catch (...) {
            // The device counts as closed even when closing failed; the selection must follow
            // so that the next open starts clean.
            if (IsClosed()) SetDeviceId(NoDevice);
            throw;
        }
        SendText(Format(QT_TRANSLATE_NOOP("TMidiMenu", "Closed %1: %2"),
                        Shown(DirectionLabel()).toStdString(), name));
    }
    SetDeviceId(NoDevice);
    return true;
}

void TMidiMenuBase::OpenDevice(int id) {
    CloseDevice();
    SetDeviceId(id);
    if (DeviceId() != id) throw std::runtime_error("Invalid Device ID!");
    OpenOwnedDevice();
    if (IsClosed())
        throw std::runtime_error(
            Format(QT_TRANSLATE_NOOP("TMidiMenu", "Error: %1 could not be opened."), DeviceName()));
    SendText(Format(QT_TRANSLATE_NOOP("TMidiMenu", "Opened %1: %2"),
                    Shown(DirectionLabel()).toStdString(), DeviceName()));
    if (OnAfterOpen) OnAfterOpen(this);
}

void TMidiMenuBase::CloseReporting() {
    try {
        CloseDevice();
    } catch (const std::exception& e) {
        SendError(e.what());
    }
}

void TMidiMenuBase::ItemClick(QAction* item) {
    if (!item) return;
    TBusy busy(m_busy);
    int tag = item->data().toInt();
    if (tag != DeviceId()) {
        TWaitCursor wait;
        try {
            OpenDevice(tag);
            if (!IsClosed()) m_awaitedDevice.clear();
        } catch (const std::exception& e) {
            SendError(e.what());
            CloseReporting();
        }
    }
    // Also when nothing happened: the menu toggled the clicked entry's check on its own.
    UpdateChecks();
}

void TMidiMenuBase::NoneClick() {
    TBusy busy(m_busy);
    CloseWithCursor();
}

void TMidiMenuBase::CloseWithCursor() {
    {
        TWaitCursor wait;
        CloseReporting();
    }
    UpdateChecks();
}

void TMidiMenuBase::UpdateChecks() {
    if (!m_baseMenu) return;
    bool closed = IsClosed();
    int id = DeviceId();
    for (QAction* a : m_baseMenu->actions()) {
        if (!IsConsidered(a)) continue;
        int tag = a->data().toInt();
        a->setChecked(closed ? tag == NoDevice : tag == id);
    }
}

void TMidiMenuBase::SetBaseMenu(QMenu* menu) {
    if (menu == m_baseMenu) return;
    if (menu) DeleteVisibleEntries(menu);
    if (m_baseMenu) {
        for (QAction* a : m_baseMenu->actions()) {
            if (!a->isVisible()) continue;
            m_baseMenu->removeAction(a);
            if (menu) {
                a->setParent(menu);
                menu->addAction(a);
            } else {
                delete a;
            }
        }
    }
    m_baseMenu = menu;
    if (!menu) {
        if (m_recheckTimer) m_recheckTimer->stop();
        return;
    }
    Refresh(true);
}

void TMidiMenuBase::DeleteVisibleEntries(QMenu* menu) {
    const QList<QAction*> actions = menu->actions();
    for (auto it = actions.rbegin(); it != actions.rend(); ++it) {
        if (!(*it)->isVisible()) continue;
        menu->removeAction(*it);
        delete *it;
    }
}

void TMidiMenuBase::StartRecheckTimer() {
    if (!m_recheckTimer) {
        m_recheckTimer = new QTimer(this);
        m_recheckTimer->setInterval(kRecheckIntervalMs);
        // Periodic as well: a system without notices (ALSA without its sequencer's
        // announcements, a JACK server started later) is caught up this way.
        connect(m_recheckTimer, &QTimer::timeout, this, [this] { Refresh(false); });
    }
    m_recheckTimer->start();
}

void TMidiMenuBase::Refresh(bool recheck) {
    if (!m_baseMenu) return;
    if (recheck) StartRecheckTimer();
    if (m_busy > 0) return;  // the next recheck will catch up
    TBusy busy(m_busy);
    if (!IsClosed()) {
        const std::vector<std::string> cut = BreakLoops();
        if (!cut.empty()) {
            std::string ports;
            for (const auto& port : cut) ports += (ports.empty() ? "" : ", ") + port;
            SendText(
                Format(QT_TRANSLATE_NOOP(
                           "TMidiMenu",
                           "Disconnected %1 from %2: it would create a virtual feedback loop !"),
                       ports, DeviceName()));
            // What went round is let go of, as for a source that went away.
            if (OnBeforeClose) OnBeforeClose(this);
        }
    }
    // Notes held by a source that went away would never be released by it.
    if (!IsClosed() && TakeSourceLost() && OnBeforeClose) OnBeforeClose(this);
    int count = DeviceCount();
    // Listing reads names only; a device replaced by another keeps the count the same, so the
    // names decide as well.
    std::vector<TMidiDeviceEntry> list;
    ListDevices(list);
    if (count == m_lastDeviceCount && m_baseMenu->actions().size() >= count &&
        SameDeviceList(list, m_lastDevices))
        return;
    Rebuild(count, list);
}

void TMidiMenuBase::AwaitGone(const std::string& name, const std::string& notice) {
    // The open device vanished: its port was let go without being touched. Wait for it to come
    // back, and let the owner tidy up after notes that can no longer be ended.
    m_awaitedDevice = name;
    SendWaitingText(notice);
    if (OnBeforeClose) OnBeforeClose(this);
}

void TMidiMenuBase::AwaitVanished(const std::string& name) {
    if (!IsClosed() || name.empty()) return;
    SetDeviceId(NoDevice);
    AwaitGone(name, TakeSystemNotice());
    UpdateChecks();
    // The list may look as it did when last read (the device back already): the next refresh
    // reads it afresh and opens the device if it is there.
    m_lastDeviceCount = -1;
}

void TMidiMenuBase::Rebuild(int count, const std::vector<TMidiDeviceEntry>& list) {
    m_lastDeviceCount = count;
    m_lastDevices = list;

    bool wasOpen = !IsClosed();
    std::string openName = DeviceName();
    CheckDevicePresent();
    // Said with what it did to the open device, or on its own.
    const std::string notice = TakeSystemNotice();
    if (wasOpen && IsClosed()) {
        AwaitGone(openName, notice);
    } else if (!notice.empty()) {
        SendText(notice);
    }

    std::string current = IsClosed() ? std::string() : DeviceName();
    int checked = -1;
    QAction* pending = nullptr;

    DeleteVisibleEntries(m_baseMenu);
    for (const auto& entry : list) {
        QAction* a = AddDeviceEntry(entry);
        if (!current.empty()) {
            if (SameDeviceName(entry.Name, current)) {
                checked = entry.Id;
                a->setChecked(true);
            }
        } else if (!m_awaitedDevice.empty() && SameDeviceName(entry.Name, m_awaitedDevice)) {
            pending = a;
        }
    }
    AddNoneItem();

    if (pending) {
        ItemClick(pending);
        if (checked == -1 && !IsClosed()) checked = 0;
    }
    if (checked == -1) CloseReporting();
    UpdateChecks();
}

QAction* TMidiMenuBase::AddDeviceEntry(const TMidiDeviceEntry& entry) {
    // '&' is escaped so that names show as they are.
    QString caption = ShownDeviceName(entry.Name);
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));
    auto* a = new QAction(caption, m_baseMenu);
    a->setProperty(kNameProperty, QString::fromStdString(entry.Name));
    a->setData(entry.Id);
    a->setCheckable(true);
    a->setProperty(kEntryProperty, kHandledEntry);
    connect(a, &QAction::triggered, this, [this, a] {
        UserChoosing();
        ItemClick(a);
    });
    m_baseMenu->addAction(a);
    return a;
}

void TMidiMenuBase::AddNoneItem() {
    if (FindEntry(NoDevice)) return;
    QAction* first = nullptr;
    bool anyVisible = false;
    for (QAction* a : m_baseMenu->actions()) {
        if (!first) first = a;
        anyVisible = anyVisible || a->isVisible();
    }
    if (anyVisible) {
        // No text: a separator with text is drawn as a section heading.
        auto* sep = new QAction(m_baseMenu);
        sep->setSeparator(true);
        sep->setData(kSeparatorTag);
        sep->setProperty(kEntryProperty, kOwnSeparator);
        m_baseMenu->insertAction(first, sep);
        first = sep;
    }
    auto* none = new QAction(Shown(kNoneCaption), m_baseMenu);
    none->setProperty(kNameProperty, QString::fromLatin1(kNoneCaption));
    none->setData(NoDevice);
    none->setCheckable(true);
    none->setProperty(kEntryProperty, kHandledEntry);
    connect(none, &QAction::triggered, this, [this] {
        UserChoosing();
        NoneClick();
    });
    m_baseMenu->insertAction(first, none);
}

void TMidiMenuBase::UserChoosing() {
    // The device named for this run gives way to what the user picks, which is remembered; a
    // run device still awaited is not waited for any longer.
    if (m_keepStored && m_awaitedDevice == m_runDevice) m_awaitedDevice.clear();
    m_keepStored = false;
}

void TMidiMenuBase::LoadFromRegPath() {
    if (m_regPath.empty() || m_regPath == MidiMenuSettings::kUnsetRegPath || !OpenRegPathStore)
        return;
    try {
        std::unique_ptr<TSettingsStore> store = OpenRegPathStore();
        if (store) LoadSettings(*store);
    } catch (...) {
        // A missing or unreadable store leaves the devices as they are.
    }
}

void TMidiMenuBase::LoadSettings(TSettingsStore& store) {
    using namespace MidiMenuSettings;
    CloseReporting();
    std::string value = store.ReadString(m_regKey, ValueName(), "");
    if (!m_runDevice.empty()) {
        m_storedValue = value;
        m_keepStored = true;
        value = m_runDevice;
    }
    if (m_baseMenu && !value.empty() && value != kNoneValue && value != kMapperValue) {
        for (QAction* a : m_baseMenu->actions()) {
            int tag = a->data().toInt();
            if (IsConsidered(a) && tag != NoDevice && SameDeviceName(EntryName(a), value)) {
                ItemClick(a);
                break;
            }
        }
    } else if ((value.empty() && m_defaultMidiMapper) || value == kMapperValue) {
        ItemClick(FindEntry(kMidiMapperId));
    }
    // The mapper is not a device that gets plugged in: a missing one is not waited for.
    if (IsClosed() && value != kNoneValue && value != kMapperValue) m_awaitedDevice = value;
}

void TMidiMenuBase::SaveSettings(TSettingsStore& store) {
    using namespace MidiMenuSettings;
    std::string value;
    if (m_keepStored)
        value = m_storedValue;
    else if (IsClosed())
        value = m_awaitedDevice.empty() ? std::string(kNoneValue) : m_awaitedDevice;
    else if (DeviceId() == kMidiMapperId)
        value = kMapperValue;
    else
        value = DeviceName();
    store.WriteString(m_regKey, ValueName(), value);
}

TMidiOutMenu::TMidiOutMenu(TMidiOutService& service, QObject* parent)
    : TMidiMenuBase(parent), m_service(service), m_output(service) {
    m_service.AddChangeListener(this, [this] { DevicesChanged(); });
}

TMidiOutMenu::~TMidiOutMenu() { m_service.RemoveChangeListener(this); }

void TMidiOutMenu::LoadSettings(TSettingsStore& store) {
    TMidiMenuBase::LoadSettings(store);
    SendWaitingText();
    m_output.SetDetectMidiLoop(
        store.ReadBool(RegKey(), MidiMenuSettings::kDetectMidiLoop, m_output.DetectMidiLoop()));
}

void TMidiOutMenu::SaveSettings(TSettingsStore& store) {
    TMidiMenuBase::SaveSettings(store);
    // Only false is written, so that a false stored by hand stays until changed there.
    if (!m_output.DetectMidiLoop())
        store.WriteBool(RegKey(), MidiMenuSettings::kDetectMidiLoop, false);
}

TMidiInMenu::TMidiInMenu(TMidiInService& service, QObject* parent)
    : TMidiMenuBase(parent), m_service(service), m_input(service) {
    m_input.SetActiveSensing(m_activeSensing);
    m_input.SetTimingClock(m_timingClock);
    m_input.SetSysExOnly(m_sysExOnly);
    m_service.AddChangeListener(this, [this] { DevicesChanged(); });
}

TMidiInMenu::~TMidiInMenu() { m_service.RemoveChangeListener(this); }

void TMidiInMenu::SetActiveSensing(bool on) {
    m_activeSensing = on;
    m_input.SetActiveSensing(on);
}

void TMidiInMenu::SetTimingClock(bool on) {
    m_timingClock = on;
    m_input.SetTimingClock(on);
}

void TMidiInMenu::SetSysExOnly(bool on) {
    m_sysExOnly = on;
    m_input.SetSysExOnly(on);
}

void TMidiInMenu::OpenOwnedDevice() {
    if (m_input.Open()) m_input.Start();
}

void TMidiInMenu::CloseOwnedDevice() {
    // A device that refuses to stop must still be closed; the stop's failure is reported after.
    std::exception_ptr stopFailure;
    try {
        m_input.Stop();
    } catch (...) {
        stopFailure = std::current_exception();
    }
    m_input.Close();
    if (stopFailure) std::rethrow_exception(stopFailure);
}

void TMidiInMenu::LoadSettings(TSettingsStore& store) {
    using namespace MidiMenuSettings;
    TMidiMenuBase::LoadSettings(store);
    SendWaitingText();
    SetActiveSensing(store.ReadBool(RegKey(), kActiveSensing, m_activeSensing));
    SetTimingClock(store.ReadBool(RegKey(), kTimingClock, m_timingClock));
    SetSysExOnly(store.ReadBool(RegKey(), kSysExOnly, m_sysExOnly));
    m_input.SetDetectMidiLoop(store.ReadBool(RegKey(), kDetectMidiLoop, m_input.DetectMidiLoop()));
}

void TMidiInMenu::SaveSettings(TSettingsStore& store) {
    using namespace MidiMenuSettings;
    TMidiMenuBase::SaveSettings(store);
    store.WriteBool(RegKey(), kActiveSensing, m_activeSensing);
    store.WriteBool(RegKey(), kTimingClock, m_timingClock);
    store.WriteBool(RegKey(), kSysExOnly, m_sysExOnly);
    if (!m_input.DetectMidiLoop()) store.WriteBool(RegKey(), kDetectMidiLoop, false);
}
