#include "keyboard/keyboard.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QThread>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "keyboard/keyboardmath.h"
#include "keyboard/keymouse.h"
#include "keyboard/keytouches.h"
#include "platform/keys/keylegends.h"
#include "platform/settings/settingsstore.h"

using namespace keymath;

TKeyboard::TKeyboard(TNotePlayer& player, QWidget* parent, TKeyArtwork artwork)
    : QWidget(parent),
      m_player(player),
      m_art(std::move(artwork)),
      m_painter(*this, m_art),
      m_mouse(std::make_unique<TKeyMouse>(*this)),
      m_touches(std::make_unique<TKeyTouches>(*this)),
      m_keys(std::make_unique<TComputerKeys>(*this, *m_mouse)) {
    m_player.SetObserver(this);
    // Every pixel is painted by the keys, so Qt need not clear the background first; this also
    // lets scroll() move pixels instead of repainting everything.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    SetTabStop(true);
    setMinimumSize(10, 5);
    setMaximumWidth(FullWidth());
    resize(100, 30);
    ApplyBaseNote(m_baseNote, true);
}

TKeyboard::~TKeyboard() {
    m_keys.reset();  // first: they stop the keys read on another thread
    m_player.SetObserver(nullptr);
}

// ---------------------------------------------------------------------------------------------
// Properties

void TKeyboard::SetKeyWidth(int v) {
    if (m_paintStyle == psImage) return;  // the artwork fixes the key width
    v = std::clamp(v, 4, 100);
    if (v == m_keyWidth) return;
    m_keyWidth = v;
    ApplyPicture(true);
}

void TKeyboard::SetShadowWidth(int v) {
    v = std::clamp(v, 0, std::max(m_keyWidth - 2, 0));
    if (v == m_shadowWidth) return;
    m_shadowWidth = v;
    update();
}

void TKeyboard::SetBaseNote(int v) {
    int oldOffset = m_offset;
    if (ApplyBaseNote(v, true))
        ScrollTo(oldOffset, m_offset);
    else if (oldOffset != m_offset)
        update();  // same base note, but a drag had left the picture between keys
}

void TKeyboard::SetPaintStyle(TPaintStyle v) {
    if (v != psDraw && v != psImage) return;
    if (!m_art.Available()) v = psDraw;
    if (v == m_paintStyle) return;
    m_paintStyle = v;
    ApplyPicture(false);  // falls back to psDraw when the artwork is missing
}

void TKeyboard::SetImageSize(TImageSize v) {
    if (v < isSmall || v > isBig || v == m_imageSize) return;
    m_imageSize = v;
    if (m_art.Loaded()) ApplyPicture(true);
}

void TKeyboard::DisplayDepthChanged(int depth) {
    if (m_art.SetDepth(depth) && m_paintStyle == psImage) ApplyPicture(true);
}

void TKeyboard::ApplyPicture(bool force) {
    const int oldKeyWidth = m_keyWidth;
    // The artwork is loaded exactly while the image style is shown, and fixes the key width.
    if (m_paintStyle == psImage) {
        if (!m_art.Load(m_imageSize)) m_paintStyle = psDraw;
        if (m_art.TileWidth() > 0) m_keyWidth = m_art.TileWidth();
    } else {
        m_art.Free();
    }
    ApplyBaseNote(m_baseNote, force || m_keyWidth != oldKeyWidth);
    setMaximumWidth(FullWidth());
    update();
}

void TKeyboard::SetLook(const TKeyLook& v) {
    const TKeyLook look = m_look.Limited(v);
    if (look == m_look) return;
    m_look = look;
    update();
}

void TKeyboard::SetPlayOptions(const TPlayOptions& v) {
    const TPlayOptions options = v.Limited();
    const bool touchChanged = options.multiTouch != m_playOptions.multiTouch;
    if (touchChanged) m_touches->End();
    m_playOptions = options;
    // Without multiTouch, touches reach the keyboard as the system's mouse.
    if (touchChanged) setAttribute(Qt::WA_AcceptTouchEvents, options.multiTouch);
}

// ---------------------------------------------------------------------------------------------
// What the player changed

void TKeyboard::KeyChanged(int n, bool struck) {
    if (n < 0 || n > 127) return;
    // A key played where it was read: drawn once the window thread gets to it.
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, n] { update(m_painter.KeyRect(n).intersected(rect())); },
            Qt::QueuedConnection);
        return;
    }
    // Only the first press and the last release change how a key looks.
    const int sum = m_player.LocalCount(n) + m_player.ThruCount(n);
    // With channel colours a key can change its colour while it stays down.
    if (sum != (struck ? 1 : 0) && !m_look.channelColours && !m_look.pressedFill) return;
    QRect r = m_painter.KeyRect(n).intersected(rect());
    if (!r.isEmpty()) update(r);
}

void TKeyboard::MousePlayEnded() { m_mouse->PlayEnded(); }

void TKeyboard::KeyOctaveChanged() {
    if (m_look.legends) update();  // the legends move with the octave
    if (OnOctaveChange) OnOctaveChange(this);
}

void TKeyboard::ReportHover(int note) {
    if (!OnNoteHover) return;
    OnNoteHover(this, note >= 0 && note <= 127 ? m_names.DisplayNoteName(note) : QString());
}

// ---------------------------------------------------------------------------------------------
// Geometry and base note

int TKeyboard::VisibleNotes() const { return std::min(width() * 12 / (m_keyWidth * 7), 128); }

int TKeyboard::ImageHeight() const { return m_art.Loaded() ? m_art.Height() : height(); }

int TKeyboard::KeyLeft(int note) const {
    return keymath::KeyLeft(std::clamp(note, 0, 127), m_keyWidth, m_art.BlackOffsets());
}

void TKeyboard::SetBaseNoteByWhiteKey(int w) { SetBaseNote(w < 0 ? 0 : NoteOfWhiteIndex(w)); }

int TKeyboard::BaseNoteWhiteKey() const {
    return (m_baseNote / 12) * 7 + WhiteIndexAtOrBelow(m_baseNote % 12);
}

bool TKeyboard::ApplyBaseNote(int n, bool force) {
    int limit = 128 - VisibleNotes();
    if (n > limit) n = limit;
    if (n < 0) n = 0;
    if (n == m_baseNote && !force) return false;
    int previous = m_baseNote;
    m_baseNote = n;
    m_offset = KeyLeft(n);
    if (n == previous) return false;
    if (OnBaseNoteChange) OnBaseNoteChange(this, m_names.NoteName(m_baseNote));
    return true;
}

int TKeyboard::NoteAt(int x, int y) {
    m_lastHitNote = m_painter.NoteAtAbsolute(x + m_offset, y);
    return m_lastHitNote;
}

void TKeyboard::SetBoundsChecked(int x, int y, int w, int h) {
    setGeometry(x, y, std::clamp(w, 10, std::max(FullWidth(), 10)), std::max(h, 5));
}

void TKeyboard::ScrollTo(int oldOffset, int newOffset) {
    m_offset = newOffset;
    if (newOffset == oldOffset) return;
    if (std::abs(newOffset - oldOffset) > width() - 20)
        update();
    else
        scroll(oldOffset - newOffset, 0);  // Qt repaints only the strip the move uncovers
}

void TKeyboard::ScrollDragged(int offset) {
    if (offset < 0)
        offset = 0;
    else if (FullWidth() - offset < width())
        offset = std::max(FullWidth() - width(), 0);
    if (offset == m_offset) return;
    const int old = m_offset;
    // The base note follows the key at the left edge on the bottom row.
    ApplyBaseNote(m_painter.NoteAtAbsolute(offset, height()), false);
    ScrollTo(old, offset);
}

// ---------------------------------------------------------------------------------------------
// Events

void TKeyboard::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    m_painter.Paint(p, event->rect());
    if (TabStop() && hasFocus() && m_paintStyle == psDraw) {
        QPen pen(palette().color(QPalette::Window));
        pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TKeyboard::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    int oldOffset = m_offset;
    ApplyBaseNote(m_baseNote, false);
    if (oldOffset != m_offset) update();
}

void TKeyboard::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    m_mouse->Down(event->button(), event->modifiers(), pos.x(), pos.y());
}

void TKeyboard::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    m_mouse->Move(event->modifiers(), pos.x(), pos.y());
}

void TKeyboard::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    m_mouse->Up(event->button(), event->modifiers(), pos.x(), pos.y());
}

void TKeyboard::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    // Name the key the mouse came in over, not the one it last touched elsewhere.
    const QPoint p = event->position().toPoint();
    if (rect().contains(p)) NoteAt(p.x(), p.y());
    ReportHover(m_lastHitNote);
}

void TKeyboard::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (OnNoteHover) OnNoteHover(this, QString());
}

void TKeyboard::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TKeyboard::focusOutEvent(QFocusEvent* event) {
    // The computer keys' notes end with the keyboard capture; the notes an external keyboard
    // holds through thru end with their own note-offs.
    QWidget::focusOutEvent(event);
    update();
}

bool TKeyboard::event(QEvent* event) {
    if (m_touches->Event(event)) return true;
    if (event->type() == QEvent::KeyboardLayoutChange && m_keys->KeyLegends()) {
        m_keys->KeyLegends()->Reload();
        update();
    } else if (event->type() == QEvent::FontChange) {
        m_painter.FontChanged();
    } else if (event->type() == QEvent::ToolTip) {
        const QPoint pos = static_cast<QHelpEvent*>(event)->pos();
        const int n = m_painter.NoteAtAbsolute(pos.x() + m_offset, pos.y());
        const QString tip = m_painter.ToolTip(n);
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(mapToGlobal(pos), tip, this, m_painter.KeyRect(n));
        }
        return true;
    }
    return QWidget::event(event);
}

// ---------------------------------------------------------------------------------------------
// Settings

void TKeyboard::LoadSettings(TSettingsStore& store) {
    const std::string s = m_regKey.toStdString();
    TNotePlayer& p = m_player;
    // The look and the play options, too, take each value as it is read: a type error leaves
    // what came before it applied.
    const auto look = [this](auto change) {
        TKeyLook v = m_look;
        change(v);
        SetLook(v);
    };
    const auto play = [this](auto change) {
        TPlayOptions v = m_playOptions;
        change(v);
        SetPlayOptions(v);
    };
    SetBaseNote(store.ReadInteger(s, "BaseNote", m_baseNote));
    p.SetChannel(store.ReadInteger(s, "Channel", p.Channel()));
    // Enumerations from the store are taken only when they name a value; anything else keeps
    // the current one (a bad Language would index past the name tables).
    const int chord = store.ReadInteger(s, "Chord", p.Chord());
    if (chord >= chNone && chord <= chCustom) p.SetChord(static_cast<TChord>(chord));
    const int keyWidth = store.ReadInteger(s, "KeyWidth", m_keyWidth);
    SetKeyWidth(keyWidth);
    const int language = store.ReadInteger(s, "Language", static_cast<int>(m_names.Language()));
    if (language >= 0 && language <= 2) m_names.SetLanguage(static_cast<TLanguage>(language));
    look([&](TKeyLook& v) { v.markNote = store.ReadInteger(s, "MarkNote", v.markNote); });
    SetShadowWidth(store.ReadInteger(s, "ShadowWidth", m_shadowWidth));
    const int factor =
        store.ReadInteger(s, "VelShiftFactor", RoundHalfEven(p.VelocityShiftFactor() * 100));
    p.SetVelocityShiftFactor(factor / 100.0);
    p.SetVelocity(store.ReadInteger(s, "Velocity", p.Velocity()));
    p.SetUpDownController(store.ReadInteger(s, "UpDownController", p.UpDownController()));
    p.SetLeftRightController(store.ReadInteger(s, "LeftRightController", p.LeftRightController()));
    p.SetKeyOctave(store.ReadInteger(s, "KeyOctave", p.KeyOctave()));
    const int imageSize = store.ReadInteger(s, "ImageSize", m_imageSize);
    if (imageSize >= isSmall && imageSize <= isBig)
        SetImageSize(static_cast<TImageSize>(imageSize));
    p.SetLowerCScanCode(store.ReadInteger(s, "LowerCKey", p.LowerCScanCode()));
    p.SetUpperCScanCode(store.ReadInteger(s, "UpperCKey", p.UpperCScanCode()));
    const int style = store.ReadInteger(s, "PaintStyle", m_paintStyle);
    if (style == psDraw || style == psImage) SetPaintStyle(static_cast<TPaintStyle>(style));
    // The width is read before the style; a keyboard that was painting images ignored it then,
    // so a stored drawn width is applied again once the drawn style is back.
    if (m_paintStyle == psDraw && keyWidth != m_keyWidth) {
        const int base = store.ReadInteger(s, "BaseNote", m_baseNote);
        SetKeyWidth(keyWidth);
        SetBaseNote(base);
    }
    p.SetTranspose(store.ReadInteger(s, "Transpose", p.Transpose()));
    p.SetDisplayTransposed(store.ReadBool(s, "DisplayTranspose", p.DisplayTransposed()));
    p.SetTransposeThru(store.ReadBool(s, "TransposeThru", p.TransposeThru()));
    look([&](TKeyLook& v) {
        const int labels = store.ReadInteger(s, "KeyLabels", v.labels);
        if (labels >= klNever && labels <= klAlways) v.labels = static_cast<TKeyLabels>(labels);
    });
    look([&](TKeyLook& v) { v.flats = store.ReadBool(s, "KeyLabelFlats", v.flats); });
    look([&](TKeyLook& v) { v.middleC = store.ReadInteger(s, "MiddleCOctave", v.middleC); });
    look([&](TKeyLook& v) { v.legends = store.ReadBool(s, "KeyLegends", v.legends); });
    look([&](TKeyLook& v) {
        v.channelColours = store.ReadBool(s, "ChannelColours", v.channelColours);
    });
    look([&](TKeyLook& v) {
        v.palette = keylabels::PaletteFromText(QString::fromStdString(store.ReadString(
            s, "ChannelPalette", keylabels::PaletteText(v.palette).toStdString())));
    });
    const QString mapFile = m_keys->KeyMapFile();
    const QString map =
        QString::fromStdString(store.ReadString(s, "KeyMapFile", mapFile.toStdString()));
    if (map != mapFile || !map.isEmpty()) m_keys->SetKeyMapFile(map);
    play([&](TPlayOptions& v) {
        v.velocityFromHeight = store.ReadBool(s, "VelocityFromHeight", v.velocityFromHeight);
    });
    play([&](TPlayOptions& v) {
        v.velocityMin = store.ReadInteger(s, "VelocityMin", v.velocityMin);
        v.velocityMax = store.ReadInteger(s, "VelocityMax", v.velocityMax);
    });
    play([&](TPlayOptions& v) {
        v.touchPressure = store.ReadBool(s, "TouchPressure", v.touchPressure);
    });
    p.SetKeyPressure(store.ReadInteger(s, "KeyPressure", p.KeyPressure()));
    play([&](TPlayOptions& v) { v.multiTouch = store.ReadBool(s, "MultiTouch", v.multiTouch); });
    look([&](TKeyLook& v) { v.pressedFill = store.ReadBool(s, "PressedFill", v.pressedFill); });
    look([&](TKeyLook& v) {
        v.pressedColour =
            QColor(QStringLiteral("#") +
                   QString::fromStdString(store.ReadString(
                       s, "PressedColour", v.pressedColour.name().mid(1).toUpper().toStdString())));
    });
}

void TKeyboard::SaveSettings(TSettingsStore& store) {
    const std::string s = m_regKey.toStdString();
    const TNotePlayer& p = m_player;
    store.WriteInteger(s, "BaseNote", m_baseNote);
    store.WriteInteger(s, "Channel", p.Channel());
    store.WriteInteger(s, "Chord", p.Chord());
    store.WriteInteger(s, "KeyWidth", m_keyWidth);
    store.WriteInteger(s, "Language", static_cast<int>(m_names.Language()));
    store.WriteInteger(s, "MarkNote", m_look.markNote);
    store.WriteInteger(s, "ShadowWidth", m_shadowWidth);
    store.WriteInteger(s, "VelShiftFactor", RoundHalfEven(p.VelocityShiftFactor() * 100));
    store.WriteInteger(s, "Velocity", p.Velocity());
    store.WriteInteger(s, "UpDownController", p.UpDownController());
    store.WriteInteger(s, "LeftRightController", p.LeftRightController());
    store.WriteInteger(s, "KeyOctave", p.KeyOctave());
    store.WriteInteger(s, "ImageSize", m_imageSize);
    store.WriteInteger(s, "LowerCKey", p.LowerCScanCode());
    store.WriteInteger(s, "UpperCKey", p.UpperCScanCode());
    store.WriteInteger(s, "PaintStyle", m_paintStyle);
    store.WriteInteger(s, "Transpose", p.Transpose());
    store.WriteBool(s, "DisplayTranspose", p.DisplayTransposed());
    store.WriteBool(s, "TransposeThru", p.TransposeThru());
    store.WriteInteger(s, "KeyLabels", m_look.labels);
    store.WriteBool(s, "KeyLabelFlats", m_look.flats);
    store.WriteInteger(s, "MiddleCOctave", m_look.middleC);
    store.WriteBool(s, "KeyLegends", m_look.legends);
    store.WriteBool(s, "ChannelColours", m_look.channelColours);
    store.WriteString(s, "ChannelPalette", keylabels::PaletteText(m_look.palette).toStdString());
    store.WriteString(s, "KeyMapFile", m_keys->KeyMapFile().toStdString());
    store.WriteBool(s, "VelocityFromHeight", m_playOptions.velocityFromHeight);
    store.WriteInteger(s, "VelocityMin", m_playOptions.velocityMin);
    store.WriteInteger(s, "VelocityMax", m_playOptions.velocityMax);
    store.WriteBool(s, "TouchPressure", m_playOptions.touchPressure);
    store.WriteInteger(s, "KeyPressure", p.KeyPressure());
    store.WriteBool(s, "MultiTouch", m_playOptions.multiTouch);
    store.WriteBool(s, "PressedFill", m_look.pressedFill);
    store.WriteString(s, "PressedColour",
                      m_look.pressedColour.name().mid(1).toUpper().toStdString());
}
