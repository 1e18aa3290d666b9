#include <QEvent>
#include <QFontInfo>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "keyboard/keyboard.h"
#include "keyboard/keyboardmath.h"
#include "keyboard/keymap.h"
#include "platform/keys/keylegends.h"

using namespace keymath;

// ---------------------------------------------------------------------------------------------
// Properties

void TKeyboard::SetKeyLabels(TKeyLabels v) {
    if (v < klNever || v > klAlways || v == m_keyLabels) return;
    m_keyLabels = v;
    update();
}

void TKeyboard::SetLabelFlats(bool v) {
    if (v == m_labelFlats) return;
    m_labelFlats = v;
    update();
}

void TKeyboard::SetMiddleCOctave(int v) {
    if (v < keylabels::kMiddleCLowest || v > keylabels::kMiddleCHighest || v == m_middleC) return;
    m_middleC = v;
    update();
}

void TKeyboard::SetShowKeyLegends(bool v) {
    if (v == m_showLegends) return;
    m_showLegends = v;
    update();
}

void TKeyboard::SetKeyLegends(TKeyLegends* legends) {
    m_legends = legends;
    update();
}

void TKeyboard::SetChannelColours(bool v) {
    if (v == m_channelColours) return;
    m_channelColours = v;
    update();
}

void TKeyboard::SetChannelPalette(const TChannelPalette& palette) {
    m_palette = palette;
    update();
}

void TKeyboard::SetPressedFill(bool v) {
    if (v == m_pressedFill) return;
    m_pressedFill = v;
    update();
}

void TKeyboard::SetPressedColour(const QColor& v) {
    if (!v.isValid() || v == m_pressedColour) return;
    m_pressedColour = v;
    update();
}

bool TKeyboard::SetKeyMapFile(const QString& path) {
    m_keyMapFile = path;
    m_keyMapError.clear();
    keymap::TKeyMap map;
    QString message;
    if (path.isEmpty()) {
        m_player.UsePianoRows();
    } else if (keymap::LoadKeyMapFile(path, map, message)) {
        m_player.UseKeyMap(scanmap::MapOfKeys(map.keys));
    } else {
        m_player.UsePianoRows();
        m_keyMapError =
            message + QLatin1Char('\n') + tr("The computer keys play the two piano rows.");
    }
    update();
    if (!m_keyMapError.isEmpty() && OnKeyMapError) OnKeyMapError(this, m_keyMapError);
    return m_keyMapError.isEmpty();
}

bool TKeyboard::event(QEvent* event) {
    if (TouchEvent(event)) return true;
    if (event->type() == QEvent::KeyboardLayoutChange && m_legends) {
        m_legends->Reload();
        update();
    } else if (event->type() == QEvent::FontChange) {
        m_labelLayout.reset();
    } else if (event->type() == QEvent::ToolTip) {
        // Every computer key that plays the key, also those its label has no room for.
        if (!ShowKeyToolTip(static_cast<QHelpEvent*>(event)->pos())) {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

// ---------------------------------------------------------------------------------------------
// Geometry

QRect TKeyboard::PressedDotRect(int n) const {
    const int h = height();
    const int b = KeyLeft(n) - m_offset + m_keyWidth / 2;
    if (IsBlack(n % 12)) {
        const int c = h * 3 / 5 - h / 7;
        return QRect(b - 2, c - 5, 6, 6);
    }
    const int c = h - h / 7;
    return QRect(b - 3, c - 4, 6, 6);
}

QRect TKeyboard::MarkDotRect(bool pressed) const {
    const int e = m_imageHeight * 2 / 3 + (pressed ? m_imageHeight / 7 : 0);
    const int xm = KeyLeft(m_markNote) - m_offset + m_keyWidth / 2;
    return QRect(xm - 3, e - 4, 6, 6);
}

QRect TKeyboard::LabelFace(int n) const {
    const int kw = m_keyWidth;
    const int x = KeyLeft(n) - m_offset;
    const bool black = IsBlack(n % 12);
    if (BlackOffsets()) {
        if (black) return QRect(x + 1, 1, BlackWidth() - 2, kImageBlackHeight - 3);
        return QRect(x + 1, kImageBlackHeight + 1, kw - 3, m_imageHeight - kImageBlackHeight - 2);
    }
    const int h = height();
    const int lower = h * 3 / 5;
    if (!black) return QRect(x + 1, lower + 1, kw - 3, h - lower - 2);
    // Inside the highlight down the left side and along the bottom.
    const int s = std::min(m_shadowWidth, std::max(kw - 2, 0));
    const int bottom = s > 0 ? lower - 3 * s / 2 - 1 - (s + 1) / 2 - 1 : lower - 2;
    return QRect(QPoint(x + s + 1, 1), QPoint(x + kw - 2, bottom));
}

// ---------------------------------------------------------------------------------------------
// Texts and colours

QStringList TKeyboard::LegendsOf(int n) const {
    QStringList legends;
    if (!m_showLegends || !m_legends) return legends;
    // The key that lights for a computer key is the sent note when the display follows the
    // transposition.
    const int played = m_player.DisplayTransposed() ? n - m_player.Transpose() : n;
    for (int scan : m_player.ScanCodesOf(played)) {
        const QString legend = m_legends->Legend(scan);
        if (!legend.isEmpty() && !legends.contains(legend)) legends << legend;
    }
    return legends;
}

std::vector<QRect> TKeyboard::DotRects(int n) const {
    if (!BlackOffsets()) return {PressedDotRect(n)};
    return {MarkDotRect(false), MarkDotRect(true)};
}

QRect TKeyboard::LabelRoom(int n) const {
    // A pixel's gap around each dot keeps the text from touching it.
    std::vector<QRect> dots = DotRects(n);
    for (QRect& dot : dots) dot.adjust(-1, -1, 2, 2);
    return keylabels::LabelRoom(LabelFace(n), dots);
}

QColor TKeyboard::KeyColour(int n) const {
    if (!m_player.Sounding(n)) return {};
    const bool local = m_player.LocalCount(n) > 0;
    const int thru = m_player.ThruChannel(n);
    if (m_channelColours) {
        // The user's own presses keep the look they always had, unless pressed keys are filled.
        if (local) return m_pressedFill ? m_palette[m_player.Channel() & 15] : QColor();
        if (thru >= 0) return m_palette[thru];
    }
    return m_pressedFill ? m_pressedColour : QColor();
}

TLabelLayout& TKeyboard::LabelLayout() const {
    if (!m_labelLayout) m_labelLayout = std::make_unique<TLabelLayout>(font());
    return *m_labelLayout;
}

std::vector<TLabelKey> TKeyboard::LabelKeys() const {
    std::vector<TLabelKey> keys;
    if (m_keyLabels == klNever && !(m_showLegends && m_legends)) return keys;
    const QRect area = rect();
    const int kw = m_keyWidth;
    const int first = NoteOfWhiteIndex(
        std::clamp(FloorDiv(area.left() + m_offset, kw) - 1, 0, kWhiteKeysTotal - 1));
    const int last = std::min(
        NoteOfWhiteIndex(
            std::clamp(FloorDiv(area.right() + m_offset, kw) + 1, 0, kWhiteKeysTotal - 1)) +
            1,
        127);
    const int language = static_cast<int>(m_language);
    for (int n = first; n <= last; ++n) {
        // A key only partly in sight is labelled as the others: its room is whole, and what
        // lies outside is simply not drawn.
        if (!KeyRect(n).intersects(area)) continue;
        TLabelKey key;
        key.note = n;
        key.black = IsBlack(n % 12);
        key.room = LabelRoom(n);
        key.legends = LegendsOf(n);
        const bool named = m_keyLabels == klAlways || m_keyLabels == klPressed ||
                           (m_keyLabels == klCKeys && n % 12 == 0);
        if (named) {
            key.name = keylabels::NoteLabel(n, language, m_labelFlats, m_middleC, true);
            key.shortName = keylabels::NoteLabel(n, language, m_labelFlats, m_middleC, false);
            key.nameHidden = m_keyLabels == klPressed && !m_player.Sounding(n);
        }
        key.marked = BlackOffsets() && n == m_markNote;
        // A hidden name shows nothing now but sizes its kind.
        if (!key.legends.isEmpty() || !key.name.isEmpty()) keys.push_back(key);
    }
    return keys;
}

std::vector<TKeyLabel> TKeyboard::Labels(const QRect& area) const {
    std::vector<TKeyLabel> labels;
    for (TKeyLabel& label : LabelLayout().Layout(LabelKeys())) {
        if (!label.room.intersects(area)) continue;
        const int n = label.note;
        if (const QColor fill = KeyColour(n); fill.isValid())
            label.colour = keylabels::TextColourOn(fill);
        else
            label.colour = IsBlack(n % 12) ? QColor(Qt::white) : QColor(Qt::black);
        labels.push_back(std::move(label));
    }
    return labels;
}

void TKeyboard::DrawLabels(QPainter& p, const QRect& area) {
    const TLabelLayout& layout = LabelLayout();
    for (const TKeyLabel& label : Labels(area)) {
        p.setPen(label.colour);
        const std::vector<QPoint> origins = layout.Origins(label);
        for (size_t i = 0; i < label.lines.size(); ++i) {
            p.setFont(layout.Font(label.lines[i].pixels));
            p.drawText(origins[i], label.lines[i].text);
        }
    }
}

bool TKeyboard::ShowKeyToolTip(const QPoint& pos) {
    const int n = NoteAtAbsolute(pos.x() + m_offset, pos.y());
    const QStringList legends = n >= 0 && n <= 127 ? LegendsOf(n) : QStringList();
    if (legends.isEmpty()) return false;
    const QString name = keylabels::NoteLabel(n, static_cast<int>(m_language), m_labelFlats,
                                              m_middleC, true);
    QToolTip::showText(mapToGlobal(pos),
                       tr("%1, played by %2").arg(name, legends.join(QStringLiteral(", "))), this,
                       KeyRect(n));
    return true;
}
