#include "keyboard/keyboard.h"

#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "keyboard/keyboardmath.h"
#include "platform/keys/keyboardhook.h"
#include "platform/settings/settingsstore.h"
#include "resources/decodedart.h"

using namespace keymath;

namespace {

int PrimaryScreenDepth() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 32;
}

}  // namespace

TKeyboard::TKeyboard(TNotePlayer& player, QWidget* parent, TKeyArtwork artwork)
    : QWidget(parent),
      m_player(player),
      m_artwork(std::move(artwork)),
      m_hook(std::make_unique<TKeyboardHook>()) {
    if (!m_artwork.image) m_artwork.image = ArtImage;
    m_player.SetObserver(this);
    m_hook->OnKey = [this](const TKeyData& key, bool& handled) { handled = HandleKey(key); };
    // Every pixel is painted by the keys, so Qt need not clear the background first; this also
    // lets scroll() move pixels instead of repainting everything.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    SetTabStop(true);
    m_depth = m_artwork.screenDepth >= 0 ? m_artwork.screenDepth : PrimaryScreenDepth();
    m_imagesAvailable = m_depth > 7;
    setMinimumSize(10, 5);
    ApplyBounds();
    resize(100, 30);
    ApplyBaseNote(m_baseNote, true);
}

TKeyboard::~TKeyboard() {
    SetKeyStamps(nullptr);
    m_hook.reset();  // no key may reach a half-destroyed keyboard
    m_player.SetObserver(nullptr);
    FreeImages();
}

// ---------------------------------------------------------------------------------------------
// Properties

void TKeyboard::SetKeyWidth(int v) {
    if (m_paintStyle == psImage) return;  // the artwork fixes the key width
    v = std::clamp(v, 4, 100);
    if (v == m_keyWidth) return;
    m_keyWidth = v;
    ApplyBaseNote(m_baseNote, true);
    ApplyBounds();
    update();
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

void TKeyboard::SetMarkNote(int v) {
    v = std::clamp(v, 0, 127);
    if (v == m_markNote) return;
    m_markNote = v;
    update();
}

void TKeyboard::SetLanguage(TLanguage v) {
    if (static_cast<int>(v) < 0 || static_cast<int>(v) > 2) return;
    m_language = v;
}

void TKeyboard::KeyOctaveChanged() {
    if (m_showLegends) update();  // the legends move with the octave
    if (OnOctaveChange) OnOctaveChange(this);
}

// ---------------------------------------------------------------------------------------------
// Names

QString TKeyboard::NoteName(int n) const {
    n = std::clamp(n, 0, 127);
    return QString::fromLatin1(PitchName(static_cast<int>(m_language), n % 12)) +
           QString::number(n / 12 - 2);
}

QString TKeyboard::DisplayNoteName(int n) const {
    n = std::clamp(n, 0, 127);
    if (m_noteNames.size() >= 128 && !m_noteNames[n].isEmpty()) return m_noteNames[n];
    return NoteName(n);
}

void TKeyboard::SetNoteNames(const QStringList& names) {
    if (names.size() >= 128)
        m_noteNames = names.mid(0, 128);
    else
        m_noteNames.clear();
}

// ---------------------------------------------------------------------------------------------
// Geometry and base note

int TKeyboard::VisibleNotes() const { return std::min(width() * 12 / (m_keyWidth * 7), 128); }

int TKeyboard::ImageHeight() const { return m_imagesLoaded ? m_imageHeight : height(); }

int TKeyboard::KeyLeft(int note) const {
    return keymath::KeyLeft(std::clamp(note, 0, 127), m_keyWidth, BlackOffsets());
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
    if (OnBaseNoteChange) OnBaseNoteChange(this, NoteName(m_baseNote));
    return true;
}

void TKeyboard::ApplyBounds() { setMaximumWidth(FullWidth()); }

void TKeyboard::SetBoundsChecked(int x, int y, int w, int h) {
    setGeometry(x, y, std::clamp(w, 10, std::max(FullWidth(), 10)), std::max(h, 5));
}

void TKeyboard::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    int oldOffset = m_offset;
    ApplyBaseNote(m_baseNote, false);
    if (oldOffset != m_offset) update();
}

// ---------------------------------------------------------------------------------------------
// Settings

void TKeyboard::LoadSettings(TSettingsStore& store) {
    const std::string s = m_regKey.toStdString();
    TNotePlayer& p = m_player;
    SetBaseNote(store.ReadInteger(s, "BaseNote", m_baseNote));
    p.SetChannel(store.ReadInteger(s, "Channel", p.Channel()));
    // Enumerations from the store are taken only when they name a value; anything else keeps
    // the current one (a bad Language would index past the name tables).
    const int chord = store.ReadInteger(s, "Chord", p.Chord());
    if (chord >= chNone && chord <= chCustom) p.SetChord(static_cast<TChord>(chord));
    const int keyWidth = store.ReadInteger(s, "KeyWidth", m_keyWidth);
    SetKeyWidth(keyWidth);
    const int language = store.ReadInteger(s, "Language", static_cast<int>(m_language));
    if (language >= 0 && language <= 2) m_language = static_cast<TLanguage>(language);
    SetMarkNote(store.ReadInteger(s, "MarkNote", m_markNote));
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
    const int labels = store.ReadInteger(s, "KeyLabels", m_keyLabels);
    if (labels >= klNever && labels <= klAlways) SetKeyLabels(static_cast<TKeyLabels>(labels));
    SetLabelFlats(store.ReadBool(s, "KeyLabelFlats", m_labelFlats));
    SetMiddleCOctave(store.ReadInteger(s, "MiddleCOctave", m_middleC));
    SetShowKeyLegends(store.ReadBool(s, "KeyLegends", m_showLegends));
    SetChannelColours(store.ReadBool(s, "ChannelColours", m_channelColours));
    SetChannelPalette(keylabels::PaletteFromText(QString::fromStdString(
        store.ReadString(s, "ChannelPalette", keylabels::PaletteText(m_palette).toStdString()))));
    const QString map =
        QString::fromStdString(store.ReadString(s, "KeyMapFile", m_keyMapFile.toStdString()));
    if (map != m_keyMapFile || !map.isEmpty()) SetKeyMapFile(map);
    SetVelocityFromHeight(store.ReadBool(s, "VelocityFromHeight", m_velocityFromHeight));
    SetVelocityRange(store.ReadInteger(s, "VelocityMin", m_velocityMin),
                     store.ReadInteger(s, "VelocityMax", m_velocityMax));
    SetTouchPressure(store.ReadBool(s, "TouchPressure", m_touchPressure));
    p.SetKeyPressure(store.ReadInteger(s, "KeyPressure", p.KeyPressure()));
    SetMultiTouch(store.ReadBool(s, "MultiTouch", m_multiTouch));
    SetPressedFill(store.ReadBool(s, "PressedFill", m_pressedFill));
    const QColor pressed(
        QStringLiteral("#") +
        QString::fromStdString(store.ReadString(
            s, "PressedColour", m_pressedColour.name().mid(1).toUpper().toStdString())));
    SetPressedColour(pressed);
}

void TKeyboard::SaveSettings(TSettingsStore& store) {
    const std::string s = m_regKey.toStdString();
    const TNotePlayer& p = m_player;
    store.WriteInteger(s, "BaseNote", m_baseNote);
    store.WriteInteger(s, "Channel", p.Channel());
    store.WriteInteger(s, "Chord", p.Chord());
    store.WriteInteger(s, "KeyWidth", m_keyWidth);
    store.WriteInteger(s, "Language", static_cast<int>(m_language));
    store.WriteInteger(s, "MarkNote", m_markNote);
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
    store.WriteInteger(s, "KeyLabels", m_keyLabels);
    store.WriteBool(s, "KeyLabelFlats", m_labelFlats);
    store.WriteInteger(s, "MiddleCOctave", m_middleC);
    store.WriteBool(s, "KeyLegends", m_showLegends);
    store.WriteBool(s, "ChannelColours", m_channelColours);
    store.WriteString(s, "ChannelPalette", keylabels::PaletteText(m_palette).toStdString());
    store.WriteString(s, "KeyMapFile", m_keyMapFile.toStdString());
    store.WriteBool(s, "VelocityFromHeight", m_velocityFromHeight);
    store.WriteInteger(s, "VelocityMin", m_velocityMin);
    store.WriteInteger(s, "VelocityMax", m_velocityMax);
    store.WriteBool(s, "TouchPressure", m_touchPressure);
    store.WriteInteger(s, "KeyPressure", p.KeyPressure());
    store.WriteBool(s, "MultiTouch", m_multiTouch);
    store.WriteBool(s, "PressedFill", m_pressedFill);
    store.WriteString(s, "PressedColour", m_pressedColour.name().mid(1).toUpper().toStdString());
}
