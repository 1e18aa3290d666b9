#include "app/anywindowkeys.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <vector>

#include "app/disableditem.h"
#include "app/statuspanels.h"
#include "app/texts.h"
#include "keyboard/keyboard.h"
#include "platform/keys/keylistener.h"
#include "platform/settings/settingsstore.h"

namespace {

// The window's commands on function keys, by set-1 scan code: F3/F4 change the octave, F5..F12
// recall the eight knob snapshots.
struct TKeyCommand {
    int scan;
    const char* action;
};
constexpr TKeyCommand kKeyCommands[] = {{61, "OctaveDown1"}, {62, "OctaveUp1"}, {63, "Snapshot1"},
                                        {64, "Snapshot2"},   {65, "Snapshot3"}, {66, "Snapshot4"},
                                        {67, "Snapshot5"},   {68, "Snapshot6"}, {87, "Snapshot7"},
                                        {88, "Snapshot8"}};

const char* CommandOfKey(int scan) {
    for (const TKeyCommand& c : kKeyCommands)
        if (c.scan == scan) return c.action;
    return nullptr;
}

}  // namespace

TAnyWindowKeys::TAnyWindowKeys(TAnyWindowHost host) : m_host(std::move(host)) {
    std::vector<int> commandKeys;
    for (const TKeyCommand& c : kKeyCommands) commandKeys.push_back(c.scan);
    m_host.keyboard->Keys().SetKeysLeftToCommands(std::move(commandKeys));
    m_action = new QAction(texts::Shown(texts::kPlayFromAnyWindow), m_host.menu);
    m_action->setObjectName(QStringLiteral("PlayFromAnyWindow1"));
    m_action->setCheckable(true);
    m_host.menu->insertAction(m_host.before, m_action);
    m_action->setStatusTip(texts::Shown(texts::kPlayFromAnyWindowHint));
    connect(m_action, &QAction::triggered, this, [this](bool checked) { SetOn(checked); });
    if (!m_host.listener) return;
    m_host.listener->OnKey = [this](const TListenedKey& key) { HeardKey(key); };
    m_host.listener->OnLost = [this](const QString& why) { Lost(why); };
}

TAnyWindowKeys::~TAnyWindowKeys() {
    Shutdown();
    if (!m_host.listener) return;
    m_host.listener->OnKey = nullptr;
    m_host.listener->OnLost = nullptr;
}

bool TAnyWindowKeys::On() const { return m_host.listener && m_host.listener->Listening(); }

void TAnyWindowKeys::SetOn(bool on) {
    m_wanted = on;
    if (on && !Start()) m_wanted = false;
    // Where it cannot hear every key, the user who switches it on is told which it misses.
    if (on && m_wanted && !m_host.listener->Limits().isEmpty())
        m_host.statusText(m_host.listener->Limits());
    if (!on && m_host.listener) m_host.listener->Stop();
    Show();
}

void TAnyWindowKeys::CheckAvailable() {
    if (m_checked) return;
    m_checked = true;
    const QString unavailable =
        m_host.listener ? m_host.listener->Unavailable()
                        : QCoreApplication::translate(
                              "texts", "This program was started without a key listener.");
    if (!unavailable.isEmpty()) DisableWithReason(m_action, unavailable);
}

bool TAnyWindowKeys::Start() {
    CheckAvailable();
    if (!m_host.listener || !m_action->isEnabled()) return false;
    if (m_host.listener->Start()) return true;
    m_host.statusText(m_host.listener->Failure());
    return false;
}

void TAnyWindowKeys::Shutdown() {
    if (!On()) return;
    m_host.listener->Stop();
    Show();
}

void TAnyWindowKeys::LoadSettings(TSettingsStore& store, const std::string& section) {
    // Where listening cannot work the stored choice is kept for a session where it can.
    m_wanted = store.ReadBool(section, keys::kPlayFromAnyWindow, m_wanted);
    if (m_wanted)
        Start();
    else if (m_host.listener)
        m_host.listener->Stop();
    Show();
}

void TAnyWindowKeys::SaveSettings(TSettingsStore& store, const std::string& section) {
    store.WriteBool(section, keys::kPlayFromAnyWindow, m_wanted);
}

void TAnyWindowKeys::HeardKey(const TListenedKey& key) {
    if (key.extended) return;  // arrows, keypad keys and the like share codes with the piano rows
    if (const char* command = CommandOfKey(key.scanCode)) {
        const Qt::KeyboardModifiers held =
            key.modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        if (key.release || held || m_host.listener->FocusInOwnWindow()) return;
        if (QAction* action = m_host.findAction(QString::fromLatin1(command))) action->trigger();
        return;
    }
    // Where keys play as they are read, that thread played the press already. A release is
    // passed on all the same: it stops only what its press started, and the releases this
    // listener makes up when it stops must end the notes.
    if (!key.release && m_host.keyboard->Keys().PlaysWhereRead()) return;
    m_host.keyboard->Keys().PlayHeardKey(key.scanCode, key.release, key.modifiers,
                                         [this] { return m_host.listener->FocusInOwnWindow(); });
}

void TAnyWindowKeys::Lost(const QString& why) {
    m_host.statusText(why);
    Show();
}

void TAnyWindowKeys::Show() {
    const bool on = On();
    m_action->setChecked(on);
    if (on == m_host.keyboard->Keys().KeysHeardElsewhere()) return;
    m_host.status->SetNotice(on ? texts::Shown(texts::kPlayingFromAnyWindow) : QString());
    m_host.statusPanelsChanged();
    m_host.keyboard->Keys().SetKeysHeardElsewhere(on);
    // Off, the capture follows the window again: a window without the keys releases what they
    // were holding.
    m_host.keyboard->Keys().SetCaptureKeyboard(on || m_host.windowHasKeys());
}
