#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "keyboard/scanmap.h"
#include "platform/keys/keystamps.h"

class TKeyboard;
class TKeyboardHook;
class TKeyLegends;
class TKeyMouse;
class TNotePlayer;
struct TKeyData;

// The computer keys of a keyboard: which notes they play (the two piano rows or a key map file),
// from the window's key events, where the keys are read, or from a listener that hears them
// whichever program has the focus; and the legends printed on them.
class TComputerKeys : public QObject, private TRawKeyPlayer {
public:
    // The keyboard and its mouse outlive the keys.
    TComputerKeys(TKeyboard& keyboard, TKeyMouse& mouse);
    ~TComputerKeys() override;

    // Whether a scan code may play C in the lower or upper row.
    static bool IsValidLowerC(int scan) { return scanmap::IsValidLowerC(scan); }
    static bool IsValidUpperC(int scan) { return scanmap::IsValidUpperC(scan); }

    // While on, the computer keyboard plays notes whichever widget has the focus; switching it
    // off releases every note played locally first, so no key release can be lost.
    bool CaptureKeyboard() const { return m_captureKeyboard; }
    void SetCaptureKeyboard(bool v);

    // The key map file the computer keys play through; empty for the two piano rows.
    QString KeyMapFile() const { return m_keyMapFile; }
    // Reads the file and plays through it. A file that cannot be used keeps (or brings back) the
    // piano rows, sets KeyMapError (naming the file and the line), raises OnKeyMapError and
    // returns false; the name is kept, so the file is tried again at the next start.
    bool SetKeyMapFile(const QString& path);
    QString KeyMapError() const { return m_keyMapError; }
    std::function<void(TKeyboard* sender, const QString& text)> OnKeyMapError;

    // Where the legends come from (not owned; null: no legends).
    void SetKeyLegends(TKeyLegends* legends);
    TKeyLegends* KeyLegends() const { return m_legends; }

    // Plays or releases the note of a computer key; true when the key is to be discarded.
    bool HandleKey(const TKeyData& key);
    // Computer keys play where `stamps` reads them, the moment they are read, whenever this
    // window would play them; HandleKey then only decides whether the key is discarded. Null
    // (the default): they play from the window's key events only.
    void SetKeyStamps(TKeyStamps* stamps);
    // Whether keys are being played where they are read (the stamps are reading).
    bool PlaysWhereRead() const { return m_stamps && m_stamps->Reading(); }
    // While set, the computer keys' notes come from a listener that hears the keyboard wherever
    // the focus is (PlayHeardKey), and HandleKey only decides whether a key is discarded: a key
    // this window also receives then plays once, whichever of the two sees it first.
    bool KeysHeardElsewhere() const { return m_keysHeardElsewhere; }
    void SetKeysHeardElsewhere(bool v);
    // The keys that are the window's commands while heard elsewhere: they play no note then.
    // Set on the window thread before keys are heard elsewhere.
    void SetKeysLeftToCommands(std::vector<int> scans);
    // A key heard by that listener plays as in HandleKey while another program has the focus.
    // While the focus is in this program (`ownFocus`, asked only when that matters) the window's
    // own rules hold: a key pressed while one of its menus, dialogs or other windows has the
    // keys is theirs and does not play.
    void PlayHeardKey(int scan, bool release, Qt::KeyboardModifiers mods,
                      const std::function<bool()>& ownFocus);

protected:
    // Follows what decides whether keys play here: the active window, menus, key fields.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Keys played where they are read, on the reading thread.
    bool TakesRawKey(const TRawKey& key) override;
    void PlayRawKey(const TRawKey& key) override;
    // Whether the window would play a key now, for the reading thread.
    void UpdateRawKeyGate();
    // Whether the reading thread plays the key event being handled.
    bool KeyPlayedOnRead() const;
    // The focused widget of the keyboard's window is a one-line text field.
    bool FocusInLineEdit() const;
    static bool CapturingField();

    TKeyboard& m_keyboard;
    TNotePlayer& m_player;
    TKeyMouse& m_mouse;
    bool m_captureKeyboard = false;
    QString m_keyMapFile;
    QString m_keyMapError;
    TKeyLegends* m_legends = nullptr;

    std::unique_ptr<TKeyboardHook> m_hook;
    bool m_keysHeardElsewhere = false;
    TKeyStamps* m_stamps = nullptr;
    // Set and cleared on the window thread, read on the reading thread.
    std::atomic<bool> m_rawKeysPlay{false};
    std::atomic<bool> m_rawKeysElsewhere{false};
    bool m_gateCheckPosted = false;
    std::vector<int> m_commandKeys;
};
