#pragma once

#include <QLineEdit>
#include <functional>
#include <memory>

#include "platform/keys/keydata.h"
#include "platform/keys/keysequence.h"

class TKeyboardHook;

// A read-only field that, while it has the focus, records the keys pressed into it as a key
// sequence and shows the sequence's text. Keys are taken through a keyboard hook, so they are
// seen before any widget and shortcuts cannot steal them.
class TVKEdit : public QLineEdit {
    Q_OBJECT
public:
    using TVKEditAllowEvent =
        std::function<void(TVKEdit* sender, const TKeyData& keyData, bool& doAdd)>;
    using TVKEditStringEvent = std::function<void(TVKEdit* sender, const QString& text)>;

    explicit TVKEdit(QWidget* parent = nullptr);
    ~TVKEdit() override;

    // Tab is recorded instead of moving the focus.
    bool WantTab() const { return m_wantTab; }
    void SetWantTab(bool v) { m_wantTab = v; }
    // Backspace is recorded instead of removing the last key.
    bool WantBackspace() const { return m_wantBackspace; }
    void SetWantBackspace(bool v) { m_wantBackspace = v; }
    // End, Home and the arrow keys are recorded (otherwise they move the text cursor).
    bool WantSpecialChars() const { return m_wantSpecialChars; }
    void SetWantSpecialChars(bool v) { m_wantSpecialChars = v; }
    // The field holds one key press at most.
    bool OnlyOneChar() const { return m_sequence.OnlyOneChar(); }
    void SetOnlyOneChar(bool v) { m_sequence.SetOnlyOneChar(v); }

    // Asked before a key is recorded; clearing doAdd drops it (the key is still kept from the
    // other widgets).
    TVKEditAllowEvent OnKeyEvent;
    TVKEditStringEvent OnDebug;

    void Clear() { m_sequence.Clear(); }
    TKeySequence& Sequence() { return m_sequence; }
    const TKeySequence& Sequence() const { return m_sequence; }

    // Makes a field that takes one key, Backspace included, and only keys of the main block whose
    // scan code `accept` allows (the piano rows' C keys).
    void CaptureOneKey(std::function<bool(int scanCode)> accept);
    // Shows one pressed key given by its scan code.
    void SetKey(int scanCode, bool extended = false);
    // Scan code of the one key the field holds; -1 when it holds none or several events.
    int KeyScanCode() const;

    // Whether this field's hook is taking keys now.
    bool Capturing() const;
    // The key handler the hook calls; handled keeps the key from every widget.
    void HandleKey(const TKeyData& key, bool& handled);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void RefreshText();

    TKeySequence m_sequence;
    std::unique_ptr<TKeyboardHook> m_hook;
    bool m_wantTab = false;
    bool m_wantBackspace = false;
    bool m_wantSpecialChars = true;
};
