#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "midi/midiinput.h"
#include "midi/midioutput.h"
#include "platform/settings/settingsstore.h"

class QAction;
#include <QMenu>
class QTimer;
class TMidiMenuBase;

// Where the device menus keep their choice in the settings store, written exactly as stored.
namespace MidiMenuSettings {
inline constexpr const char* kSection = "MidiDevices";
inline constexpr const char* kMidiOut = "MidiOut";
inline constexpr const char* kMidiIn = "MidiIn";
inline constexpr const char* kActiveSensing = "ActiveSensing";
inline constexpr const char* kTimingClock = "TimingClock";
inline constexpr const char* kSysExOnly = "SysExOnly";
inline constexpr const char* kDetectMidiLoop = "DetectMidiLoop";
// Stored instead of a device name when nothing is open and nothing is awaited.
inline constexpr const char* kNoneValue = "(none)";
// Stored for the mapper, whatever the product name the service gives it.
inline constexpr const char* kMapperValue = "MIDI Mapper";
// RegPath's default, meaning that no path was set.
inline constexpr const char* kUnsetRegPath = "Company\\Program Name";
}  // namespace MidiMenuSettings

// Caption of the entry that closes the device, and the tag of the separator below it.
inline constexpr const char* kNoneCaption = QT_TRANSLATE_NOOP("TMidiMenu", "none");
constexpr int kSeparatorTag = -23;
// Interval of the periodic device recheck.
constexpr int kRecheckIntervalMs = 10000;

using TMidiStringEvent = std::function<void(TMidiMenuBase* sender, const std::string& text)>;
using TMidiNotifyEvent = std::function<void(TMidiMenuBase* sender)>;
using TMidiInputEvent = std::function<void(TMidiInput* sender)>;

// Fills a submenu with the MIDI devices of one direction, opens the one the user clicks, checks
// the open one and remembers it by name in the settings store. A remembered device that is
// missing stays awaited and is opened by the first rebuild that lists it. The service's notices
// (a port came or went, a connection changed) refresh the entries at once; where a system gives
// none, the entries are rechecked every 10 seconds while a submenu is bound. Window thread only,
// except DevicesChanged.
class TMidiMenuBase : public QObject {
public:
    explicit TMidiMenuBase(QObject* parent = nullptr);
    ~TMidiMenuBase() override;
    TMidiMenuBase(const TMidiMenuBase&) = delete;
    TMidiMenuBase& operator=(const TMidiMenuBase&) = delete;

    // The owned device.
    virtual int DeviceId() const = 0;
    virtual void SetDeviceId(int id) = 0;
    virtual int DeviceCount() = 0;
    virtual std::string DeviceName() const = 0;
    virtual void SetOnMidiInput(TMidiInputEvent handler) = 0;
    virtual TMidiInputEvent GetOnMidiInput() const = 0;
    // Closes the open device (with texts and OnBeforeClose) and selects none; always true.
    virtual bool CloseDevice();
    // Closes, selects `id` and opens it; throws std::exception subclasses on failure.
    virtual void OpenDevice(int id);
    // Value name of the device under RegKey.
    virtual const char* ValueName() const = 0;
    virtual void ListDevices(std::vector<TMidiDeviceEntry>& list) = 0;
    virtual void CheckDevicePresent() = 0;
    virtual bool IsClosed() const = 0;
    // The device service's notice about the MIDI system as a whole, once.
    virtual std::string TakeSystemNotice() = 0;
    // True once after a port that fed the open device went away (inputs only).
    virtual bool TakeSourceLost() { return false; }
    // Cuts connections that would loop the program's output back into the open device (inputs
    // only); the names of the ports cut off.
    virtual std::vector<std::string> BreakLoops() { return {}; }
    virtual void LoadSettings(TSettingsStore& store);
    virtual void SaveSettings(TSettingsStore& store);

    // The submenu receiving the entries. Binding another one moves the entries there and
    // rebuilds; hidden entries placed in a submenu beforehand are left alone.
    QMenu* BaseMenu() const { return m_baseMenu; }
    void SetBaseMenu(QMenu* menu);

    const std::string& RegKey() const { return m_regKey; }
    void SetRegKey(const std::string& key) { m_regKey = key; }
    const std::string& RegPath() const { return m_regPath; }
    void SetRegPath(const std::string& path) { m_regPath = path; }
    // Opens the settings store at RegPath for LoadFromRegPath.
    TStoreOpener OpenRegPathStore;

    bool DefaultMidiMapper() const { return m_defaultMidiMapper; }
    void SetDefaultMidiMapper(bool on) { m_defaultMidiMapper = on; }

    // Name of a remembered device that is not open yet; empty when none.
    const std::string& AwaitedDevice() const { return m_awaitedDevice; }

    // A device for this run only (named on the command line): LoadSettings opens (or awaits) it
    // instead of the stored one, matched the same way, and SaveSettings keeps writing the stored
    // one until the user chooses an entry of the menu. Empty: the stored device.
    void SetRunDevice(const std::string& name) { m_runDevice = name; }

    // Rebuilds the entries when the devices changed since the last rebuild; with `recheck`,
    // (re)starts the periodic recheck.
    void Refresh(bool recheck);
    // The open device called `name` was found gone and closed while in use (a send failed)
    // before a recheck saw it go: it is awaited as a recheck would have, unless another device
    // was opened meanwhile.
    void AwaitVanished(const std::string& name);
    // Click handlers of the entries; errors go to OnError, never out.
    void ItemClick(QAction* item);
    void NoneClick();
    // Closes with the hourglass cursor; errors go to OnError.
    void CloseWithCursor();
    void UpdateChecks();
    // Loads from the store that OpenRegPathStore opens, when RegPath is set; swallows errors.
    void LoadFromRegPath();

    // The service's notice that devices or connections changed; any thread. The entries are
    // refreshed on the window thread soon after.
    void DevicesChanged();

    // The entry with this tag (device number, NoDevice for "none"), or nullptr.
    QAction* FindEntry(int tag) const;
    QTimer* RecheckTimer() const { return m_recheckTimer; }

    // After OpenDevice opened a device.
    TMidiNotifyEvent OnAfterOpen;
    // Before CloseDevice closes the open device; also when a rebuild finds that the open device
    // vanished, after its port was let go, and when a port that fed the open input went away, so
    // that the owner can forget sounding notes without sending to the gone port.
    TMidiNotifyEvent OnBeforeClose;
    // The message of a failure during a click, a close or a load.
    TMidiStringEvent OnError;
    // Progress texts for the status bar ("Opened MIDI OUT: ..." and the like).
    TMidiStringEvent OnTextMessage;

protected:
    void customEvent(QEvent* event) override;
    // "MIDI OUT" or "MIDI IN", for the texts shown to the user (the source of its translation).
    virtual const char* DirectionLabel() const = 0;
    // Open and close the owned device itself (input: also start and stop it).
    virtual void OpenOwnedDevice() = 0;
    virtual void CloseOwnedDevice() = 0;

    void SendText(const std::string& text);
    void SendError(const std::string& text);
    // The "waiting for ... to be plugged in" text for the awaited device, after notice (if any).
    void SendWaitingText(const std::string& notice = std::string());

private:
    // True for the entries this component created and handles (device and none entries).
    bool IsConsidered(const QAction* action) const;
    void Rebuild(int count, const std::vector<TMidiDeviceEntry>& list);
    void AwaitGone(const std::string& name, const std::string& notice);
    void DeleteVisibleEntries(QMenu* menu);
    QAction* AddDeviceEntry(const TMidiDeviceEntry& entry);
    void AddNoneItem();
    // Before a click on an entry by the user: ends the run device's stand-in.
    void UserChoosing();
    // CloseDevice reporting its failure through OnError.
    void CloseReporting();
    void StartRecheckTimer();

    QPointer<QMenu> m_baseMenu;
    std::string m_regKey = MidiMenuSettings::kSection;
    std::string m_regPath = MidiMenuSettings::kUnsetRegPath;
    bool m_defaultMidiMapper = false;
    int m_lastDeviceCount = -1;
    std::vector<TMidiDeviceEntry> m_lastDevices;
    QTimer* m_recheckTimer = nullptr;
    std::string m_awaitedDevice;
    std::string m_runDevice;
    // What LoadSettings read while a run device stood in for it; written back by SaveSettings
    // as long as m_keepStored holds, i.e. until the user picks an entry.
    std::string m_storedValue;
    bool m_keepStored = false;
    // Set while a click or a rebuild runs: a recheck arriving then (from a message box's event
    // loop) must not delete the entries under the running handler.
    int m_busy = 0;
    // A notice is on its way to the window thread; more notices meanwhile add nothing.
    std::atomic<bool> m_noticePending{false};
};

// The menu of output devices; owns the program's one output.
class TMidiOutMenu : public TMidiMenuBase {
public:
    explicit TMidiOutMenu(TMidiOutService& service, QObject* parent = nullptr);
    ~TMidiOutMenu() override;

    TMidiOutput& Output() { return m_output; }

    int DeviceId() const override { return m_output.DeviceId(); }
    void SetDeviceId(int id) override { m_output.SetDeviceId(id); }
    int DeviceCount() override { return m_output.DeviceCount(); }
    std::string DeviceName() const override { return m_output.DeviceName(); }
    void SetOnMidiInput(TMidiInputEvent) override {}
    TMidiInputEvent GetOnMidiInput() const override { return {}; }
    const char* ValueName() const override { return MidiMenuSettings::kMidiOut; }
    void ListDevices(std::vector<TMidiDeviceEntry>& list) override { m_output.ListDevices(list); }
    void CheckDevicePresent() override { m_output.CheckDevicePresent(); }
    std::string TakeSystemNotice() override { return m_output.TakeSystemNotice(); }
    bool IsClosed() const override { return m_output.IsClosed(); }
    void LoadSettings(TSettingsStore& store) override;
    void SaveSettings(TSettingsStore& store) override;

protected:
    const char* DirectionLabel() const override {
        return QT_TRANSLATE_NOOP("TMidiMenu", "MIDI OUT");
    }
    void OpenOwnedDevice() override { m_output.Open(); }
    void CloseOwnedDevice() override { m_output.Close(); }

private:
    TMidiOutService& m_service;
    TMidiOutput m_output;
};

// The menu of input devices; owns the program's one input, started whenever it is open.
class TMidiInMenu : public TMidiMenuBase {
public:
    explicit TMidiInMenu(TMidiInService& service, QObject* parent = nullptr);
    ~TMidiInMenu() override;

    TMidiInput& Input() { return m_input; }

    int DeviceId() const override { return m_input.DeviceId(); }
    void SetDeviceId(int id) override { m_input.SetDeviceId(id); }
    int DeviceCount() override { return m_input.DeviceCount(); }
    std::string DeviceName() const override { return m_input.DeviceName(); }
    void SetOnMidiInput(TMidiInputEvent handler) override { m_input.OnMidiInput = handler; }
    TMidiInputEvent GetOnMidiInput() const override { return m_input.OnMidiInput; }
    const char* ValueName() const override { return MidiMenuSettings::kMidiIn; }
    void ListDevices(std::vector<TMidiDeviceEntry>& list) override { m_input.ListDevices(list); }
    void CheckDevicePresent() override { m_input.CheckDevicePresent(); }
    std::string TakeSystemNotice() override { return m_input.TakeSystemNotice(); }
    bool TakeSourceLost() override { return m_input.TakeSourceLost(); }
    std::vector<std::string> BreakLoops() override { return m_input.BreakLoops(); }
    bool IsClosed() const override { return m_input.IsClosed(); }
    void LoadSettings(TSettingsStore& store) override;
    void SaveSettings(TSettingsStore& store) override;

    // Filters of the input, kept here so that they hold for every device opened later.
    bool ActiveSensing() const { return m_activeSensing; }
    void SetActiveSensing(bool on);
    bool TimingClock() const { return m_timingClock; }
    void SetTimingClock(bool on);
    bool SysExOnly() const { return m_sysExOnly; }
    void SetSysExOnly(bool on);

protected:
    const char* DirectionLabel() const override {
        return QT_TRANSLATE_NOOP("TMidiMenu", "MIDI IN");
    }
    void OpenOwnedDevice() override;
    void CloseOwnedDevice() override;

private:
    TMidiInService& m_service;
    TMidiInput m_input;
    bool m_activeSensing = false;
    bool m_timingClock = false;
    bool m_sysExOnly = false;
};

// The name of the device an entry opens, as devices are named and remembered (not as shown).
std::string EntryName(const QAction* action);

// How a device's name is shown: the devices the program makes itself (the built-in synth, its own
// port) in the user's language, every other device by the name its system gives it.
QString ShownDeviceName(const std::string& name);
