#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "keyboard/computerkeys.h"
#include "keyboard/keyart.h"
#include "keyboard/keylook.h"
#include "keyboard/keypainter.h"
#include "keyboard/notenames.h"
#include "keyboard/noteplayer.h"
#include "keyboard/playoptions.h"

class TSettingsStore;
class TKeyboard;
class TKeyMouse;
class TKeyTouches;

enum TPaintStyle { psDraw, psImage };

using TStringEvent = std::function<void(TKeyboard* sender, const QString& text)>;
using TMouseNoteEvent = std::function<void(TKeyboard* sender, int& note, Qt::MouseButton button,
                                           Qt::KeyboardModifiers shift)>;

// The on-screen piano keyboard: 128 keys of which a scrollable stretch is visible. It draws the
// keys of a note player and turns the mouse, the fingers and the computer keys into calls of that
// player; the notes, and everything they send, are the player's. It never talks to a MIDI device.
class TKeyboard : public QWidget, private TNotePlayerObserver {
public:
    // The player (and the scan map it reads) outlive the keyboard.
    explicit TKeyboard(TNotePlayer& player, QWidget* parent = nullptr, TKeyArtwork artwork = {});
    ~TKeyboard() override;

    TNotePlayer& Player() { return m_player; }
    const TNotePlayer& Player() const { return m_player; }
    // The computer keys: capture, key map file, legends, keys heard outside the window.
    TComputerKeys& Keys() { return *m_keys; }
    const TComputerKeys& Keys() const { return *m_keys; }
    // The language of the note names, and the names a sound gives its keys.
    TNoteNames& Names() { return m_names; }
    const TNoteNames& Names() const { return m_names; }
    // What is drawn where: the keys, their dots and their labels.
    const TKeyPainter& Painter() const { return m_painter; }

    std::function<void(TKeyboard*)> OnOctaveChange;
    TStringEvent OnBaseNoteChange, OnNoteHover;
    TMouseNoteEvent OnMousePress, OnMouseDrag, OnMouseRelease;

    // Properties of the picture: each setter applies its limits and ignores a value equal to the
    // current one.
    int KeyWidth() const { return m_keyWidth; }
    void SetKeyWidth(int v);
    int ShadowWidth() const { return m_shadowWidth; }
    void SetShadowWidth(int v);
    int BaseNote() const { return m_baseNote; }
    void SetBaseNote(int v);
    QString RegPath() const { return m_regPath; }
    void SetRegPath(const QString& v) { m_regPath = v; }
    QString RegKey() const { return m_regKey; }
    void SetRegKey(const QString& v) { m_regKey = v; }
    TPaintStyle PaintStyle() const { return m_paintStyle; }
    void SetPaintStyle(TPaintStyle v);
    TImageSize ImageSize() const { return m_imageSize; }
    void SetImageSize(TImageSize v);
    // Whether the screen can show the key artwork (psImage is refused otherwise).
    bool ImagesAvailable() const { return m_art.Available(); }
    // The screen's colour depth changed (bits per pixel).
    void DisplayDepthChanged(int depth);
    // A tab stop takes the focus when clicked and can be reached with Tab.
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool v) { setFocusPolicy(v ? Qt::TabFocus : Qt::NoFocus); }

    // The marked key, the labels and the colours of pressed keys; repainted once for a change.
    const TKeyLook& Look() const { return m_look; }
    void SetLook(const TKeyLook& v);
    // Velocity from the height, touch and the mouse's special mode and base-note drag.
    const TPlayOptions& PlayOptions() const { return m_playOptions; }
    void SetPlayOptions(const TPlayOptions& v);

    // Names the note in OnNoteHover; a note outside 0..127 names none.
    void ReportHover(int note);

    int VisibleNotes() const;
    int FullWidth() const { return 75 * m_keyWidth; }
    int ImageHeight() const;
    void SetBaseNoteByWhiteKey(int w);
    int BaseNoteWhiteKey() const;
    // Hit test in control coordinates; also remembered as the last hit note.
    int NoteAt(int x, int y);
    int ScrollOffset() const { return m_offset; }
    // Absolute left x of a key (pixels from the left edge of note 0's key).
    int KeyLeft(int note) const;

    // Sets the bounds with the width limited to the full keyboard width, at least 10 x 5.
    void SetBoundsChecked(int x, int y, int w, int h);
    // Moves the picture to a new scroll offset, repainting only what the move uncovers.
    void ScrollTo(int oldOffset, int newOffset);
    // Scrolls to an offset, kept within the keyboard; the base note follows the left edge.
    void ScrollDragged(int offset);

    // Loads settings from the section named by RegKey, the player's with the picture's. A type
    // error from the store ends the load (the store's contract); what was applied before stays.
    void LoadSettings(TSettingsStore& store);
    void SaveSettings(TSettingsStore& store);

    QSize sizeHint() const override { return {100, 30}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    // What the player changed.
    void KeyChanged(int note, bool struck) override;
    void AllKeysChanged() override { update(); }
    void MousePlayEnded() override;
    void KeyOctaveChanged() override;

    bool ApplyBaseNote(int n, bool force);
    // Reads the artwork while the image style is chosen (falling back to the drawn style when it
    // is missing) or frees it, then fits the picture: the base note (forced, or when the key
    // width changed), the bounds and a repaint.
    void ApplyPicture(bool force);

    TNotePlayer& m_player;
    TNoteNames m_names;
    TKeyLook m_look;
    TPlayOptions m_playOptions;
    TKeyArt m_art;
    TKeyPainter m_painter;
    std::unique_ptr<TKeyMouse> m_mouse;
    std::unique_ptr<TKeyTouches> m_touches;
    std::unique_ptr<TComputerKeys> m_keys;

    int m_keyWidth = 15;
    int m_shadowWidth = 1;
    int m_baseNote = 28;
    QString m_regPath = QStringLiteral("Company\\Program Name");
    QString m_regKey = QStringLiteral("Keyboard");
    TPaintStyle m_paintStyle = psDraw;
    TImageSize m_imageSize = isSmall;
    int m_offset = 0;
    int m_lastHitNote = 0;
};
