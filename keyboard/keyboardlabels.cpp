#include <QEvent>
#include <QFontInfo>
#include <QPainter>
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
        m_fitCache.clear();
        update();
    } else if (event->type() == QEvent::FontChange) {
        m_fitCache.clear();
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

std::vector<TKeyboard::TLabelText> TKeyboard::LabelCandidates(int n) const {
    const bool name = m_keyLabels == klAlways || (m_keyLabels == klCKeys && n % 12 == 0) ||
                      (m_keyLabels == klPressed && m_player.Sounding(n));
    QStringList legends;
    if (m_showLegends && m_legends) {
        // The key that lights for a computer key is the sent note when the display follows the
        // transposition.
        const int played = m_player.DisplayTransposed() ? n - m_player.Transpose() : n;
        for (int scan : m_player.ScanCodesOf(played)) {
            const QString legend = m_legends->Legend(scan);
            if (!legend.isEmpty() && !legends.contains(legend)) legends << legend;
        }
    }
    std::vector<TLabelText> candidates;
    if (!name && legends.isEmpty()) return candidates;
    QStringList names, legendLines;
    const int language = static_cast<int>(m_language);
    if (name) {
        names << keylabels::NoteLabel(n, language, m_labelFlats, m_middleC, true);
        // On C keys only the octave is the point of the label.
        if (m_keyLabels != klCKeys)
            names << keylabels::NoteLabel(n, language, m_labelFlats, m_middleC, false);
    }
    if (!legends.isEmpty()) {
        legendLines << legends.join(QLatin1Char(' '));
        if (legends.size() > 1) legendLines << legends.first();
    }
    for (const QString& nm : names)
        for (const QString& lg : legendLines) candidates.push_back({{lg, nm}, true, true});
    for (const QString& nm : names) candidates.push_back({{nm}, false, true});
    for (const QString& lg : legendLines) candidates.push_back({{lg}, true, false});
    return candidates;
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

int TKeyboard::LabelPixels(bool black, bool legend, bool name) const {
    const int fontPixels = QFontInfo(font()).pixelSize();
    // A typical label of the kind: the widest letter and a note name of the usual length.
    QStringList lines;
    if (legend) lines << QStringLiteral("W");
    if (name) {
        const int note = black ? 68 : (m_keyLabels == klCKeys ? 60 : 67);
        lines << keylabels::NoteLabel(note, static_cast<int>(m_language), m_labelFlats, m_middleC,
                                      true);
    }
    // A key of the kind away from the marked one (whose dot may take room in image style).
    int n = black ? 66 : 65;
    if (n == m_markNote) n += 12;
    const QSize room = LabelRoom(n).size();
    // Every paint asks for each kind: the answer is kept with the fitted labels.
    const QString key = QStringLiteral("kind %1x%2/%3|").arg(room.width()).arg(room.height()).arg(
                            fontPixels) +
                        lines.join(QLatin1Char('\n'));
    auto cached = m_fitCache.constFind(key);
    if (cached == m_fitCache.constEnd()) {
        keylabels::TFitted fitted;
        if (!keylabels::FitLabel({lines}, room, font(), fontPixels, fitted))
            fitted.pixels = keylabels::kMinPixels;
        cached = m_fitCache.insert(key, fitted);
    }
    return cached->pixels;
}

QColor TKeyboard::KeyColour(int n) const {
    // The user's own presses keep the look they always had.
    if (!m_channelColours || m_player.LocalCount(n) > 0) return {};
    const int channel = m_player.ThruChannel(n);
    return channel >= 0 ? m_palette[channel] : QColor();
}

std::vector<TKeyboard::TKeyLabel> TKeyboard::Labels(const QRect& area) const {
    std::vector<TKeyLabel> labels;
    if (m_keyLabels == klNever && !(m_showLegends && m_legends)) return labels;
    const int kw = m_keyWidth;
    const int first = NoteOfWhiteIndex(
        std::clamp(FloorDiv(area.left() + m_offset, kw) - 1, 0, kWhiteKeysTotal - 1));
    const int last = std::min(
        NoteOfWhiteIndex(
            std::clamp(FloorDiv(area.right() + m_offset, kw) + 1, 0, kWhiteKeysTotal - 1)) +
            1,
        127);
    int kindPixels[2][2][2];
    for (int b = 0; b < 2; ++b)
        for (int l = 0; l < 2; ++l)
            for (int m = 0; m < 2; ++m) kindPixels[b][l][m] = l || m ? LabelPixels(b, l, m) : 0;
    for (int n = first; n <= last; ++n) {
        if (!KeyRect(n).intersects(area)) continue;
        const std::vector<TLabelText> candidates = LabelCandidates(n);
        if (candidates.empty()) continue;
        const bool black = IsBlack(n % 12);
        const QRect room = LabelRoom(n);

        QString key = QStringLiteral("%1x%2").arg(room.width()).arg(room.height());
        for (const TLabelText& c : candidates)
            key += QStringLiteral("|%1:").arg(kindPixels[black][c.legend][c.name]) +
                   c.lines.join(QLatin1Char('\n'));
        auto cached = m_fitCache.constFind(key);
        if (cached == m_fitCache.constEnd()) {
            keylabels::TFitted fitted;
            // A shorter text at the size its neighbours have reads better than the whole text
            // smaller: only when none fits at that size does a text shrink.
            for (const TLabelText& c : candidates) {
                const int pixels = kindPixels[black][c.legend][c.name];
                const QSize need = keylabels::LinesSize(c.lines, font(), pixels);
                if (need.width() <= room.width() && need.height() <= room.height()) {
                    fitted = {c.lines, pixels};
                    break;
                }
            }
            for (const TLabelText& c : candidates)
                if (fitted.pixels == 0 &&
                    keylabels::FitLabel({c.lines}, room.size(), font(),
                                        kindPixels[black][c.legend][c.name], fitted))
                    break;
            if (m_fitCache.size() > 4096) m_fitCache.clear();
            cached = m_fitCache.insert(key, fitted);
        }
        if (cached->pixels == 0) continue;

        QColor text;
        if (const QColor fill = KeyColour(n); fill.isValid())
            text = keylabels::TextColourOn(fill);
        else
            text = IsBlack(n % 12) ? QColor(Qt::white) : QColor(Qt::black);
        labels.push_back({n, room, cached->lines, cached->pixels, text});
    }
    return labels;
}

void TKeyboard::DrawLabels(QPainter& p, const QRect& area) {
    for (const TKeyLabel& label : Labels(area)) {
        const QFont f = keylabels::LabelFont(font(), label.pixels);
        const QFontMetrics fm(f);
        // The ink is centred in the room and stands on its bottom.
        const QRect ink = keylabels::LinesInk(label.lines, font(), label.pixels);
        const int x = label.room.left() + (label.room.width() - ink.width()) / 2 - ink.left();
        const int y = label.room.bottom() + 1 - ink.height() - ink.top();
        p.setFont(f);
        p.setPen(label.colour);
        for (int i = 0; i < static_cast<int>(label.lines.size()); ++i)
            p.drawText(QPoint(x - fm.horizontalAdvance(label.lines[i]) / 2,
                              y + i * fm.height() + fm.ascent()),
                       label.lines[i]);
    }
}
