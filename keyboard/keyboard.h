#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "keyboard/scanmap.h"

class TSettingsStore;
class TKeyboard;
class TKeyboardHook;
struct TKeyData;

enum class TLanguage { International, German, Italian };
enum TChord { chNone, chMajor, chMinor, chMajor7, chMinor7, chFifths, chOctave, chPower, chCustom };
enum TPaintStyle { psDraw, psImage };
enum TImageSize { isSmall, isNormal, isBig };

using TNoteEvent = std::function<void(TKeyboard* sender, uint8_t typ, uint8_t note, uint8_t vel)>;
using TStringEvent = std::function<void(TKeyboard* sender, const QString& text)>;
using TMouseNoteEvent = std::function<void(TKeyboard* sender, int& note, Qt::MouseButton button,
                                           Qt::KeyboardModifiers shift)>;

// The on-screen piano keyboard: 128 keys of which a scrollable stretch is visible. It never talks
// to a MIDI device; everything it plays leaves through OnNote (controller moves made with the
// mouse also through OnDisplayEvent), and the host feeds incoming MIDI back in.
class TKeyboard : public QWidget {
public:
    explicit TKeyboard(QWidget* parent = nullptr);
    ~TKeyboard() override;

    TNoteEvent OnNote, OnDisplayEvent;
    std::function<void(TKeyboard*)> OnOctaveChange;
    TStringEvent OnBaseNoteChange, OnNoteHover;
    TMouseNoteEvent OnMousePress, OnMouseDrag, OnMouseRelease;

    // Properties: each setter applies its limits and ignores a value equal to the current one.
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
    TChord Chord() const { return m_chord; }
    void SetChord(TChord v);
    int Channel() const { return m_channel; }
    void SetChannel(int v);
    int Velocity() const { return m_velocity; }
    void SetVelocity(int v);
    double VelocityShiftFactor() const { return m_velocityShiftFactor; }
    void SetVelocityShiftFactor(double v);
    QString RegPath() const { return m_regPath; }
    void SetRegPath(const QString& v) { m_regPath = v; }
    QString RegKey() const { return m_regKey; }
    void SetRegKey(const QString& v) { m_regKey = v; }
    int UpDownController() const { return m_axis[0].assignment; }
    void SetUpDownController(int v);
    int LeftRightController() const { return m_axis[1].assignment; }
    void SetLeftRightController(int v);
    int KeyOctave() const { return m_keyOctave; }
    void SetKeyOctave(int v);
    TPaintStyle PaintStyle() const { return m_paintStyle; }
    void SetPaintStyle(TPaintStyle v);
    TImageSize ImageSize() const { return m_imageSize; }
    // Whether the screen can show the key artwork (psImage is refused otherwise).
    bool ImagesAvailable() const { return m_imagesAvailable; }
    void SetImageSize(TImageSize v);
    int UpperCScanCode() const { return m_upperCScanCode; }
    void SetUpperCScanCode(int v);
    int LowerCScanCode() const { return m_lowerCScanCode; }
    void SetLowerCScanCode(int v);
    // While on, the computer keyboard plays notes whichever widget has the focus; switching it
    // off releases every note played locally first, so no key release can be lost.
    bool CaptureKeyboard() const { return m_captureKeyboard; }
    void SetCaptureKeyboard(bool v);
    int Transpose() const { return m_transpose; }
    void SetTranspose(int v);
    bool DisplayTransposed() const { return m_displayTransposed; }
    void SetDisplayTransposed(bool v);
    bool TransposeThru() const { return m_transposeThru; }
    void SetTransposeThru(bool v);
    bool EnableSpecialMode() const { return m_enableSpecialMode; }
    void SetEnableSpecialMode(bool v) { m_enableSpecialMode = v; }
    bool EnableBaseNoteDrag() const { return m_enableBaseNoteDrag; }
    void SetEnableBaseNoteDrag(bool v) { m_enableBaseNoteDrag = v; }
    // A tab stop takes the focus when clicked and can be reached with Tab.
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool v) { setFocusPolicy(v ? Qt::TabFocus : Qt::NoFocus); }

    // Note core.
    void PlayNote(int channel, int note, bool local, int velocity);
    void SendNote(int channel, int note, bool local, int velocity);
    void MidiThruInput(uint8_t status, uint8_t data1, bool useMessageChannel, uint8_t data2);
    void ShowIncomingNote(int note, int velocity);
    void EmitControl(uint8_t status, uint8_t data1, uint8_t data2);
    void ControllerFeedback(int controller, int value);
    void SetCustomChord(const std::vector<int8_t>& offsets, bool select);
    std::vector<int8_t> CustomChord() const;
    void ResetPitchBend();

    void AllLocalNotesOff();
    void ResetPlaying();
    void ClearThruDisplay();
    void ReleaseThruNotes();
    void ResetAll();
    void RestrikeLatched();
    void OctaveUp();
    void OctaveDown();

    // Computer keys: whether a scan code may play C in the lower or upper row.
    static bool IsValidLowerC(int scan);
    static bool IsValidUpperC(int scan);
    // Plays or releases the note of a computer key; true when the key is to be discarded.
    bool HandleKey(const TKeyData& key);

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
    int LocalCount(int note) const;
    int ThruCount(int note) const;
    int ScrollOffset() const { return m_offset; }
    // Absolute left x of a key (pixels from the left edge of note 0's key).
    int KeyLeft(int note) const;

    // Sets the bounds with the width limited to the full keyboard width, at least 10 x 5.
    void SetBoundsChecked(int x, int y, int w, int h);
    // Moves the picture to a new scroll offset, repainting only what the move uncovers.
    void ScrollTo(int oldOffset, int newOffset);
    // Base-note drag: the picture follows the mouse pixel by pixel.
    void DragTo(int x);
    // Shows the hand cursor while a base-note drag is possible (Alt held, no button) or running.
    void UpdateCursor(Qt::KeyboardModifiers shift);
    // The screen's colour depth changed (bits per pixel).
    void DisplayDepthChanged(int depth);

    // Loads settings from the section named by RegKey. A type error from the store ends the load
    // (the store's contract); what was applied before stays.
    void LoadSettings(TSettingsStore& store);
    void SaveSettings(TSettingsStore& store);

    // Where key artwork comes from: by default the program's resources; tests substitute their own.
    using TImageSource = std::function<QImage(const QString& name)>;
    static void SetImageSource(TImageSource source);
    // Bits per pixel of the screen; a value >= 0 overrides the real screen (tests), -1 restores.
    static int ScreenDepth();
    static void SetScreenDepthForTest(int depth);

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

private:
    enum class TMouseMode { None, LeftPlay, Special, BaseNoteDrag };
    struct TAxis {
        int assignment;
        int value = 0;
        int valueAtPress = 0;
    };
    // One tone a press produced: the key it lit and the note it sent (-1: nothing was sent).
    struct TTone {
        int displayed;
        int sent;
    };
    // What one press emitted, so that its release undoes exactly that even when the channel,
    // transposition or chord changed while it was held.
    struct TPress {
        int channel;
        bool displayed;  // false once the display counts were cleared under it
        std::vector<TTone> tones;
    };
    using TPressKey = std::tuple<bool, int, int>;  // local, key channel, played note

    // keyChannel identifies the press for its release: the played channel, or for thru input the
    // incoming message's channel, which stays the same when the keyboard's Channel changes.
    void Strike(int channel, int keyChannel, int note, bool local, int velocity,
                const std::vector<int>& offsets);
    void Release(int keyChannel, int note, bool local);
    std::vector<int> ChordTones() const;
    void ReleaseAllOf(bool local);
    void ForgetDisplayOf(bool local);
    void ChangeChord(TChord v);
    int MouseVelocity(Qt::KeyboardModifiers shift) const;
    void SetMouseMode(TMouseMode mode);
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void MouseControllers(int x, int y);
    void ReportHover(int note);
    void ApplyBounds();
    // The focused widget of the keyboard's window is a one-line text field.
    bool FocusInLineEdit() const;
    static bool CapturingField();

    // Painting.
    // Repaints key n when a press or release changed its look.
    void RepaintKey(int n, bool struck);
    QRect KeyRect(int n) const;
    int NoteAtAbsolute(int a, int y) const;
    void LoadImages();
    void FreeImages();
    void PaintDrawn(QPainter& p, const QRect& area, int first, int last);
    void PaintImages(QPainter& p, const QRect& area, int first, int last);
    void DrawKeyDrawn(QPainter& p, int n);
    void DrawDot(QPainter& p, int n);
    const int* BlackOffsets() const;
    int BlackWidth() const;

    int m_keyWidth = 15;
    int m_shadowWidth = 1;
    int m_baseNote = 28;
    int m_markNote = 60;
    TLanguage m_language = TLanguage::International;
    TChord m_chord = chNone;
    int m_channel = 0;
    int m_velocity = 100;
    double m_velocityShiftFactor = 0.5;
    QString m_regPath = QStringLiteral("Company\\Program Name");
    QString m_regKey = QStringLiteral("Keyboard");
    std::array<TAxis, 2> m_axis{TAxis{1}, TAxis{128}};
    int m_keyOctave = 4;
    TPaintStyle m_paintStyle = psDraw;
    TImageSize m_imageSize = isSmall;
    int m_upperCScanCode = 16;
    int m_lowerCScanCode = 44;
    bool m_captureKeyboard = false;
    int m_transpose = 0;
    bool m_displayTransposed = false;
    bool m_transposeThru = true;
    bool m_enableSpecialMode = true;
    bool m_enableBaseNoteDrag = true;

    std::array<int, 128> m_localCount{};
    std::array<int, 128> m_thruCount{};
    std::map<TPressKey, std::deque<TPress>> m_presses;
    int8_t m_customChord[16] = {};
    QStringList m_noteNames;

    int m_offset = 0;
    TMouseMode m_mouseMode = TMouseMode::None;
    Qt::MouseButtons m_buttons;
    int m_mouseNote = 0;
    int m_mouseVelocity = 0;
    bool m_latched = false;
    bool m_latchedBefore = false;
    int m_lastHitNote = 0;
    int m_lastMouseNote = -1;
    int m_pressX = 0;
    int m_pressY = 0;
    int m_dragStartX = 0;
    int m_dragStartOffset = 0;
    bool m_handCursor = false;

    int m_depth = 32;
    bool m_imagesAvailable = true;
    bool m_imagesLoaded = false;
    int m_imageHeight = 0;
    QPixmap m_upTiles[7], m_downTiles[7];
    QPixmap m_blackUp, m_blackDown;
    std::vector<uint8_t> m_noteMap;

    std::unique_ptr<TKeyboardHook> m_hook;
    // Note each computer key (by scan code) is sounding, -1 for none: a release stops the note
    // its own press started, whatever the key map says by then.
    std::array<int, scanmap::kMapSize> m_keyNotes;
};
