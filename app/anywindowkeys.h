#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

class QAction;
class QMenu;
class TKeyboard;
class TKeyListener;
class TSettingsStore;
class TStatusPanels;
struct TListenedKey;

namespace texts {
inline constexpr const char* kPlayFromAnyWindow =
    QT_TRANSLATE_NOOP("texts", "Play From &Any Window");
inline constexpr const char* kPlayFromAnyWindowHint = QT_TRANSLATE_NOOP(
    "texts",
    "Play the computer keys while another program has the focus; that program still receives "
    "every key");
inline constexpr const char* kPlayingFromAnyWindow =
    QT_TRANSLATE_NOOP("texts", "Playing from any window");
}  // namespace texts

namespace keys {
inline constexpr const char* kPlayFromAnyWindow = "PlayFromAnyWindow";
}

// What Options › Play From Any Window works with.
struct TAnyWindowHost {
    // Hears the keys wherever the focus is. Null: the item stays disabled.
    TKeyListener* listener = nullptr;
    TKeyboard* keyboard = nullptr;
    TStatusPanels* status = nullptr;
    QMenu* menu = nullptr;
    QAction* before = nullptr;  // the item is inserted above this one; null: at the end
    // The window's command of that name (octave and snapshot keys), or null.
    std::function<QAction*(const QString& name)> findAction;
    // Whether the window's own key events play at this moment (active, no menu open).
    std::function<bool()> windowHasKeys;
    std::function<void(const QString&)> statusText;
    // The status bar gained or lost a panel.
    std::function<void()> statusPanelsChanged;
};

// Options › Play From Any Window: while it is on, the listener hears the piano rows, the octave
// keys and the snapshot keys whichever program has the focus, and the window keeps its keyboard
// capture when it loses the focus or opens a menu. The notes come from the listener alone, also
// while the window is active, so a key the window receives as well plays once. The octave and
// snapshot keys are left to the window's own shortcuts while the focus is in this program.
class TAnyWindowKeys : public QObject {
public:
    explicit TAnyWindowKeys(TAnyWindowHost host);
    ~TAnyWindowKeys() override;

    bool On() const;
    // The user's choice: starts or stops listening. A start that fails says why in the status
    // bar and leaves the option off.
    void SetOn(bool on);
    // Stops listening (releasing what the keys hold) and keeps the choice for the next start.
    void Shutdown();
    void LoadSettings(TSettingsStore& store, const std::string& section);
    void SaveSettings(TSettingsStore& store, const std::string& section);
    // Disables the item, with the reason, where listening cannot work. Asked once, after the
    // window's first picture (finding out opens a connection to the window system), or at the
    // first start of listening if that comes sooner.
    void CheckAvailable();

private:
    bool Start();
    void HeardKey(const TListenedKey& key);
    void Lost(const QString& why);
    // Brings the menu item, the status bar and the keyboard in line with the listener.
    void Show();

    TAnyWindowHost m_host;
    QAction* m_action = nullptr;
    bool m_wanted = false;
    bool m_checked = false;
};
