#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "keyboard/keylabels.h"
#include "keyboard/labellayout.h"
#include "keyboard/noteplayer.h"
#include "platform/keys/keystamps.h"

class TSettingsStore;
class TKeyboard;
class TKeyboardHook;
class TKeyLegends;
struct TKeyData;

enum class TLanguage { International, German, Italian };
enum TPaintStyle { psDraw, psImage };
enum TImageSize { isSmall, isNormal, isBig };

using TStringEvent = std::function<void(TKeyboard* sender, const QString& text)>;
using TMouseNoteEvent = std::function<void(TKeyboard* sender, int& note, Qt::MouseButton button,
                                           Qt::KeyboardModifiers shift)>;

// Where the key artwork comes from and how many bits a pixel the screen has. Unset: the
// program's resources and the primary screen.
struct TKeyArtwork {
    std::function<QImage(const QString& name)> image;
    int screenDepth = -1;
};

// The on-screen piano keyboard: 128 keys of which a scrollable stretch is visible. It draws the
// keys of a note player and turns the mouse and the computer keys into calls of that player; the
// notes, and everything they send, are the player's. It never talks to a MIDI device.
class TKeyboard : public QWidget, private TNotePlayerObserver, private TRawKeyPlayer {
public:
    // The player (and the scan map it reads) outlive the keyboard.
    explicit TKeyboard(TNotePlayer& player, QWidget* parent = nullptr, TKeyArtwork artwork = {});
    ~TKeyboard() override;

    TNotePlayer& Player() { return m_player; }
    const TNotePlayer& Player() const { return m_player; }

    std::function<void(TKeyboard*)> OnOctaveChange;
    TStringEvent OnBaseNoteChange, OnNoteHover;
    TMouseNoteEvent OnMousePress, OnMouseDrag, OnMouseRelease;

    // Properties of the picture and the mouse: each setter applies its limits and ignores a
    // value equal to the current one.
    int KeyWidth() const { return m_keyWidth; }
    void SetKeyWidth(int v);
    int ShadowWidth() const { return m_shadowWidth; }
    void SetShadowWidth(int v);
    int BaseNote() const { return m_baseNote; }
    void SetBaseNote(int v);
    int MarkNote() const { return m_markNote; }
    void SetMarkNote(int v);
    TLanguage Language() const { return m_language; }
    void SetLanguage(TLanguage v);
    QString RegPath() const { return m_regPath; }
    void SetRegPath(const QString& v) { m_regPath = v; }
    QString RegKey() const { return m_regKey; }
    void SetRegKey(const QString& v) { m_regKey = v; }
    TPaintStyle PaintStyle() const { return m_paintStyle; }
    void SetPaintStyle(TPaintStyle v);
    TImageSize ImageSize() const { return m_imageSize; }
    void SetImageSize(TImageSize v);
    // Whether the screen can show the key artwork (psImage is refused otherwise).
    bool ImagesAvailable() const { return m_imagesAvailable; }
    // While on, the computer keyboard plays notes whichever widget has the focus; switching it
    // off releases every note played locally first, so no key release can be lost.
    bool CaptureKeyboard() const { return m_captureKeyboard; }
    void SetCaptureKeyboard(bool v);
    bool EnableSpecialMode() const { return m_enableSpecialMode; }
    void SetEnableSpecialMode(bool v) { m_enableSpecialMode = v; }
    bool EnableBaseNoteDrag() const { return m_enableBaseNoteDrag; }
    void SetEnableBaseNoteDrag(bool v) { m_enableBaseNoteDrag = v; }
    // Playing beyond the one velocity of the settings; all of it is off until chosen.
    // With VelocityFromHeight, the mouse and the fingers play a key loudest at its front edge
    // (the bottom of the picture) and softest at its back edge, from VelocityMax down to
    // VelocityMin; Shift scales that as it scales Velocity.
    bool VelocityFromHeight() const { return m_velocityFromHeight; }
    void SetVelocityFromHeight(bool v) { m_velocityFromHeight = v; }
    int VelocityMin() const { return m_velocityMin; }
    int VelocityMax() const { return m_velocityMax; }
    // Each is kept within 1..127; given the wrong way round, the two are swapped.
    void SetVelocityRange(int softest, int loudest);
    // The velocity a press at height y on key `note` plays.
    int StrikeVelocity(int note, int y, bool shift) const;
    // With MultiTouch, every finger on a touch screen plays its own key (up to kMaxTouches at
    // once) and glides on its own, and two fingers swiped sideways together scroll the keyboard;
    // without it, the system turns the first finger into the mouse. Touch points raise none of
    // the mouse events.
    static constexpr int kMaxTouches = 10;
    bool MultiTouch() const { return m_multiTouch; }
    void SetMultiTouch(bool v);
    // A finger's velocity from how hard it presses, where the screen reports that (and the
    // velocity does not come from the height).
    bool TouchPressure() const { return m_touchPressure; }
    void SetTouchPressure(bool v) { m_touchPressure = v; }
    // What a held key sends as it is pressed (the player's KeyPressure) comes from the finger's
    // pressure where the screen reports it (and TouchPressure is on), else from moving up on
    // the key, as the special mode's up/down controller does.

    // A tab stop takes the focus when clicked and can be reached with Tab.
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool v) { setFocusPolicy(v ? Qt::TabFocus : Qt::NoFocus); }

    // Labels on the keys, all off by default: note names (sharps or flats, middle C named C3,
    // C4 or C5, in Language), the legends of the computer keys that play each key, and a colour
    // per incoming channel for keys lit by MIDI input.
    TKeyLabels KeyLabels() const { return m_keyLabels; }
    void SetKeyLabels(TKeyLabels v);
    bool LabelFlats() const { return m_labelFlats; }
    void SetLabelFlats(bool v);
    int MiddleCOctave() const { return m_middleC; }
    void SetMiddleCOctave(int v);
    bool ShowKeyLegends() const { return m_showLegends; }
    void SetShowKeyLegends(bool v);
    // Where the legends come from (not owned; null: no legends).
    void SetKeyLegends(TKeyLegends* legends);
    TKeyLegends* KeyLegends() const { return m_legends; }
    bool ChannelColours() const { return m_channelColours; }
    void SetChannelColours(bool v);
    const TChannelPalette& ChannelPalette() const { return m_palette; }
    void SetChannelPalette(const TChannelPalette& palette);
    // Off by default: a pressed key shows only its dot. On: it is filled with PressedColour, or
    // with its channel's colour while ChannelColours is on.
    bool PressedFill() const { return m_pressedFill; }
    void SetPressedFill(bool v);
    QColor PressedColour() const { return m_pressedColour; }
    void SetPressedColour(const QColor& v);
    // The colour key n is filled with now; invalid when it keeps its black or white.
    QColor KeyColour(int n) const;

    // The key map file the computer keys play through; empty for the two piano rows.
    QString KeyMapFile() const { return m_keyMapFile; }
    // Reads the file and plays through it. A file that cannot be used keeps (or brings back) the
    // piano rows, sets KeyMapError (naming the file and the line), raises OnKeyMapError and
    // returns false; the name is kept, so the file is tried again at the next start.
    bool SetKeyMapFile(const QString& path);
    QString KeyMapError() const { return m_keyMapError; }
    TStringEvent OnKeyMapError;

    using TKeyLabel = ::TKeyLabel;
    // The labels of the keys that reach into `area` (control coordinates).
    std::vector<TKeyLabel> Labels(const QRect& area) const;
    // Where a dot may be drawn on key n (the pressed-key dot; in image style the marked key's
    // dot, up or down): a label leaves these free.
    std::vector<QRect> DotRects(int n) const;

    // Computer keys: whether a scan code may play C in the lower or upper row.
    static bool IsValidLowerC(int scan) { return scanmap::IsValidLowerC(scan); }
    static bool IsValidUpperC(int scan) { return scanmap::IsValidUpperC(scan); }
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

    QString NoteName(int n) const;
    QString DisplayNoteName(int n) const;
    void SetNoteNames(const QStringList& names);

    int VisibleNotes() const;
    int FullWidth() const { return 75 * m_keyWidth; }
    int ImageHeight() const;
    void SetBaseNoteByWhiteKey(int w);
    int BaseNoteWhiteKey() const;
    bool ApplyBaseNote(int n, bool force);
    // Hit test in control coordinates; also remembered as the last hit note.
    int NoteAt(int x, int y);
    int ScrollOffset() const { return m_offset; }
    // Absolute left x of a key (pixels from the left edge of note 0's key).
    int KeyLeft(int note) const;

    // Sets the bounds with the width limited to the full keyboard width, at least 10 x 5.
    void SetBoundsChecked(int x, int y, int w, int h);
    // Moves the picture to a new scroll offset, repainting only what the move uncovers.
    void ScrollTo(int oldOffset, int newOffset);
    // Base-note drag: the picture follows the mouse pixel by pixel.
    void DragTo(int x);
    // Scrolls to an offset, kept within the keyboard; the base note follows the left edge.
    void ScrollDragged(int offset);
    // Shows the hand cursor while a base-note drag is possible (Alt held, no button) or running.
    void UpdateCursor(Qt::KeyboardModifiers shift);
    // The screen's colour depth changed (bits per pixel).
    void DisplayDepthChanged(int depth);

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
    // Follows what decides whether keys play here: the active window, menus, key fields.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class TMouseMode { None, LeftPlay, Special, BaseNoteDrag };

    // What the player changed.
    void KeyChanged(int note, bool struck) override;
    void AllKeysChanged() override { update(); }
    void MousePlayEnded() override { m_mouseMode = TMouseMode::None; }
    void KeyOctaveChanged() override;

    // Keys played where they are read, on the reading thread.
    bool TakesRawKey(const TRawKey& key) override;
    void PlayRawKey(const TRawKey& key) override;
    // Whether the window would play a key now, for the reading thread.
    void UpdateRawKeyGate();
    // Whether the reading thread plays the key event being handled.
    bool KeyPlayedOnRead() const;

    void SetMouseMode(TMouseMode mode);
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void ReportHover(int note);
    // Touch points; false for events that are not about touches.
    bool TouchEvent(QEvent* event);
    void TouchDown(int id, QPointF pos, double pressure, bool shift);
    void TouchMove(int id, QPointF pos, double pressure, bool shift);
    void TouchUp(int id);
    // Ends every note a finger plays: the touches were cancelled or the window lost the focus.
    void EndTouches();
    // Two fingers moving sideways together become a swipe that scrolls the keyboard.
    void CheckSwipe();
    // A finger's velocity: from the height, else from its pressure (0..1, NaN: none reported),
    // else the setting.
    int TouchVelocity(int note, int y, double pressure, bool shift) const;
    // The pressure value of a held key: from the finger's pressure (0..1, NaN: none reported),
    // else from moving `up` pixels since the note began.
    int HeldPressure(double pressure, int up) const;
    void ApplyBounds();
    // The focused widget of the keyboard's window is a one-line text field.
    bool FocusInLineEdit() const;
    static bool CapturingField();

    // Painting.
    QRect KeyRect(int n) const;
    int NoteAtAbsolute(int a, int y) const;
    void LoadImages();
    void FreeImages();
    void PaintDrawn(QPainter& p, const QRect& area, int first, int last);
    void PaintImages(QPainter& p, const QRect& area, int first, int last);
    void DrawKeyDrawn(QPainter& p, int n);
    void DrawDot(QPainter& p, int n, bool filled);
    // Artwork lit in a colour (piece 0-6: the white tiles C..B, 7: the black key), its face
    // taking exactly that colour; kept until the artwork changes.
    QPixmap TintedArt(int piece, bool pressed, const QColor& colour);
    // The dot of a pressed key in drawn style, and the marked key's dot in image style.
    QRect PressedDotRect(int n) const;
    QRect MarkDotRect(bool pressed) const;
    // The part of a key a label may take, before the dots are left out.
    QRect LabelFace(int n) const;
    // The face less the dots that may be drawn on it.
    QRect LabelRoom(int n) const;
    // The legends of the computer keys that play key n, as shown.
    QStringList LegendsOf(int n) const;
    // The visible keys as the label layout sees them.
    std::vector<TLabelKey> LabelKeys() const;
    TLabelLayout& LabelLayout() const;
    bool ShowKeyToolTip(const QPoint& pos);
    void DrawLabels(QPainter& p, const QRect& area);
    const int* BlackOffsets() const;
    int BlackWidth() const;

    TNotePlayer& m_player;
    TKeyArtwork m_artwork;

    int m_keyWidth = 15;
    int m_shadowWidth = 1;
    int m_baseNote = 28;
    int m_markNote = 60;
    TLanguage m_language = TLanguage::International;
    QString m_regPath = QStringLiteral("Company\\Program Name");
    QString m_regKey = QStringLiteral("Keyboard");
    TPaintStyle m_paintStyle = psDraw;
    TImageSize m_imageSize = isSmall;
    bool m_captureKeyboard = false;
    bool m_enableSpecialMode = true;
    bool m_enableBaseNoteDrag = true;
    QStringList m_noteNames;
    TKeyLabels m_keyLabels = klNever;
    bool m_labelFlats = false;
    int m_middleC = keylabels::kMiddleCLowest;
    bool m_showLegends = false;
    TKeyLegends* m_legends = nullptr;
    bool m_channelColours = false;
    TChannelPalette m_palette = keylabels::DefaultPalette();
    QString m_keyMapFile;
    QString m_keyMapError;
    bool m_pressedFill = false;
    QColor m_pressedColour = keylabels::DefaultPressedColour();
    // Made on first use with the widget's font; it keeps the texts it measured.
    mutable std::unique_ptr<TLabelLayout> m_labelLayout;

    int m_offset = 0;
    TMouseMode m_mouseMode = TMouseMode::None;
    Qt::MouseButtons m_buttons;
    int m_lastHitNote = 0;
    int m_lastMouseNote = -1;
    int m_pressX = 0;
    int m_pressY = 0;
    int m_dragStartX = 0;
    int m_dragStartOffset = 0;
    bool m_handCursor = false;
    // Where the mouse's note began, for its pressure.
    int m_pressureY = 0;

    bool m_velocityFromHeight = false;
    int m_velocityMin = 30;
    int m_velocityMax = 127;
    bool m_multiTouch = false;
    bool m_touchPressure = false;
    // A finger on the keyboard: where it came down and where its note began. A finger that plays
    // nothing (beyond the limit, come down or gone outside, part of a swipe) is kept until it
    // lifts, so that it stays silent.
    struct TTouch {
        QPointF start;
        QPointF pos;
        int noteY = 0;
        int note = -1;
        bool playing = false;
    };
    std::map<int, TTouch> m_touches;
    bool m_swiping = false;
    int m_swipeStartX = 0;
    int m_swipeStartOffset = 0;

    int m_depth = 32;
    bool m_imagesAvailable = true;
    bool m_imagesLoaded = false;
    int m_imageHeight = 0;
    QPixmap m_upTiles[7], m_downTiles[7];
    QPixmap m_blackUp, m_blackDown;
    std::vector<uint8_t> m_noteMap;
    QHash<quint64, QPixmap> m_tinted;

    std::unique_ptr<TKeyboardHook> m_hook;
    bool m_keysHeardElsewhere = false;
    TKeyStamps* m_stamps = nullptr;
    // Set and cleared on the window thread, read on the reading thread.
    std::atomic<bool> m_rawKeysPlay{false};
    std::atomic<bool> m_rawKeysElsewhere{false};
    bool m_gateCheckPosted = false;
    std::vector<int> m_commandKeys;
};
