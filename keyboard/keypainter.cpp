#include "keyboard/keypainter.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>

#include "keyboard/computerkeys.h"
#include "keyboard/keyart.h"
#include "keyboard/keyboard.h"
#include "keyboard/keyboardmath.h"
#include "platform/keys/keylegends.h"

using namespace keymath;

namespace {

const QColor kPressedDot(0x80, 0x80, 0x80);
const QColor kMarkedDot(0xC0, 0xC0, 0xC0);

}  // namespace

TKeyPainter::TKeyPainter(const TKeyboard& keyboard, TKeyArt& art)
    : m_keyboard(keyboard), m_art(art) {}

TKeyPainter::~TKeyPainter() = default;

// ---------------------------------------------------------------------------------------------
// Geometry

QRect TKeyPainter::KeyRect(int n) const {
    const int x = m_keyboard.KeyLeft(n) - m_keyboard.ScrollOffset();
    const int h = m_keyboard.height();
    if (!IsBlack(n % 12)) return QRect(x, 0, m_keyboard.KeyWidth(), h);
    // In image style the marked dot of a black key lies below the key, so take the full height.
    if (m_art.Loaded()) return QRect(x, 0, BlackWidth(), h);
    return QRect(x, 0, m_keyboard.KeyWidth(), h * 3 / 5);
}

int TKeyPainter::NoteAtAbsolute(int a, int y) const {
    if (m_art.Loaded()) return m_art.NoteAt(a, y);
    return HitTestDrawn(a, y, m_keyboard.height(), m_keyboard.KeyWidth());
}

int TKeyPainter::KeyLength(int n) const {
    if (IsBlack(n % 12)) return m_art.Loaded() ? kImageBlackHeight : m_keyboard.height() * 3 / 5;
    return m_keyboard.ImageHeight();
}

int TKeyPainter::BlackWidth() const {
    return m_art.Loaded() ? m_art.BlackWidth() : m_keyboard.KeyWidth();
}

QColor TKeyPainter::KeyColour(int n) const {
    return m_keyboard.Look().KeyColour(m_keyboard.Player(), n);
}

QRect TKeyPainter::PressedDotRect(int n) const {
    const int h = m_keyboard.height();
    const int b = m_keyboard.KeyLeft(n) - m_keyboard.ScrollOffset() + m_keyboard.KeyWidth() / 2;
    if (IsBlack(n % 12)) {
        const int c = h * 3 / 5 - h / 7;
        return QRect(b - 2, c - 5, 6, 6);
    }
    const int c = h - h / 7;
    return QRect(b - 3, c - 4, 6, 6);
}

QRect TKeyPainter::MarkDotRect(bool pressed) const {
    const int imageHeight = m_art.Height();
    const int e = imageHeight * 2 / 3 + (pressed ? imageHeight / 7 : 0);
    const int xm = m_keyboard.KeyLeft(m_keyboard.Look().markNote) - m_keyboard.ScrollOffset() +
                   m_keyboard.KeyWidth() / 2;
    return QRect(xm - 3, e - 4, 6, 6);
}

std::vector<QRect> TKeyPainter::DotRects(int n) const {
    if (!m_art.Loaded()) return {PressedDotRect(n)};
    return {MarkDotRect(false), MarkDotRect(true)};
}

// ---------------------------------------------------------------------------------------------
// Keys

void TKeyPainter::Paint(QPainter& p, const QRect& area) {
    const int kw = m_keyboard.KeyWidth();
    const int offset = m_keyboard.ScrollOffset();
    const int fullWidth = m_keyboard.FullWidth();
    const int a0 = area.left() + offset;
    const int a1 = area.right() + offset;
    if (a1 >= fullWidth)
        p.fillRect(QRect(fullWidth - offset, 0, a1 - fullWidth + 1, m_keyboard.height()),
                   Qt::black);
    // One white key of margin on both sides brings in the black keys that reach into the area.
    int w0 = std::clamp(FloorDiv(a0, kw) - 1, 0, kWhiteKeysTotal - 1);
    int w1 = std::clamp(FloorDiv(a1, kw) + 1, 0, kWhiteKeysTotal - 1);
    int first = NoteOfWhiteIndex(w0);
    int last = std::min(NoteOfWhiteIndex(w1) + 1, 127);
    if (m_art.Loaded())
        PaintImages(p, area, first, last);
    else
        PaintDrawn(p, area, first, last);
    DrawLabels(p, area);
}

void TKeyPainter::PaintDrawn(QPainter& p, const QRect& area, int first, int last) {
    for (int n = first; n <= last; ++n)
        if (KeyRect(n).intersects(area)) DrawKeyDrawn(p, n);
}

void TKeyPainter::DrawKeyDrawn(QPainter& p, int n) {
    const int kw = m_keyboard.KeyWidth();
    const int h = m_keyboard.height();
    const int lower = h * 3 / 5;
    const int x = m_keyboard.KeyLeft(n) - m_keyboard.ScrollOffset();
    const int pc = n % 12;
    const QColor lit = KeyColour(n);
    if (IsBlack(pc)) {
        const int bottom = lower;
        p.fillRect(QRect(x, 0, kw, bottom), lit.isValid() ? lit : QColor(Qt::black));
        const int s = std::min(m_keyboard.ShadowWidth(), std::max(kw - 2, 0));
        if (s > 0) {
            // A highlight down the left side and along the bottom.
            QPen pen(Qt::white, s, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
            p.setPen(pen);
            const int lx = x + s / 2 + 1;
            const int by = bottom - 3 * s / 2 - 1;
            const QPoint line[3] = {QPoint(lx, 0), QPoint(lx, by), QPoint(x + kw - s / 2 - 1, by)};
            p.drawPolyline(line, 3);
        }
    } else {
        const bool rightOnly = (pc == 0 || pc == 5) && n != 127;
        const bool leftOnly = pc == 4 || pc == 11 || n == 127;
        const QColor face = lit.isValid() ? lit : QColor(Qt::white);
        if (rightOnly) p.fillRect(QRect(x, 0, kw / 2, lower), face);
        p.fillRect(QRect(x, lower, kw - 1, h - lower), face);
        if (leftOnly) p.fillRect(QRect(x + kw / 2, 0, kw - 1 - kw / 2, lower), face);
        const int top = leftOnly ? 0 : lower;
        p.fillRect(QRect(x + kw - 1, top, 1, h - top), Qt::black);
    }
    // A filled key needs no dot to say it is down; the marked key keeps its own.
    if ((m_keyboard.Player().Sounding(n) && !lit.isValid()) || n == m_keyboard.Look().markNote)
        DrawDot(p, n, lit.isValid());
}

void TKeyPainter::DrawDot(QPainter& p, int n, bool filled) {
    const bool pressed = m_keyboard.Player().Sounding(n) && !filled;
    const QColor colour =
        pressed ? kPressedDot : (n == m_keyboard.Look().markNote ? kMarkedDot : QColor());
    if (!colour.isValid()) return;
    p.setPen(colour);
    p.setBrush(colour);
    p.drawEllipse(PressedDotRect(n));
}

void TKeyPainter::PaintImages(QPainter& p, const QRect& area, int first, int last) {
    const TNotePlayer& player = m_keyboard.Player();
    const int offset = m_keyboard.ScrollOffset();
    for (int n = first; n <= last; ++n) {
        if (IsBlack(n % 12) || !KeyRect(n).intersects(area)) continue;
        const bool pressed = player.Sounding(n);
        const int i = WhiteIndexAtOrBelow(n % 12);
        const int x = m_keyboard.KeyLeft(n) - offset;
        const QColor lit = KeyColour(n);
        p.drawPixmap(x, 0, lit.isValid() ? m_art.Tinted(i, pressed, lit) : m_art.Tile(i, pressed));
    }
    // The tiles hold released black halves; every black key in range is drawn over them so a
    // pressed one shows wherever a neighbouring tile was just redrawn.
    for (int n = first; n <= last; ++n) {
        if (!IsBlack(n % 12)) continue;
        const bool pressed = player.Sounding(n);
        const int x = m_keyboard.KeyLeft(n) - offset;
        const QColor lit = KeyColour(n);
        p.drawPixmap(x, 0, lit.isValid() ? m_art.Tinted(7, pressed, lit) : m_art.Black(pressed));
    }
    const int markNote = m_keyboard.Look().markNote;
    if (markNote >= first && markNote <= last) {
        p.setPen(kMarkedDot);
        p.setBrush(kMarkedDot);
        p.drawEllipse(MarkDotRect(player.Sounding(markNote)));
    }
    const int h = m_keyboard.height();
    if (m_art.Height() < h)
        p.fillRect(QRect(area.left(), m_art.Height(), area.width(), h - m_art.Height()), Qt::black);
}

// ---------------------------------------------------------------------------------------------
// Labels

QRect TKeyPainter::LabelFace(int n) const {
    const int kw = m_keyboard.KeyWidth();
    const int x = m_keyboard.KeyLeft(n) - m_keyboard.ScrollOffset();
    const bool black = IsBlack(n % 12);
    if (m_art.Loaded()) {
        if (black) return QRect(x + 1, 1, BlackWidth() - 2, kImageBlackHeight - 3);
        return QRect(x + 1, kImageBlackHeight + 1, kw - 3, m_art.Height() - kImageBlackHeight - 2);
    }
    const int h = m_keyboard.height();
    const int lower = h * 3 / 5;
    if (!black) return QRect(x + 1, lower + 1, kw - 3, h - lower - 2);
    // Inside the highlight down the left side and along the bottom.
    const int s = std::min(m_keyboard.ShadowWidth(), std::max(kw - 2, 0));
    const int bottom = s > 0 ? lower - 3 * s / 2 - 1 - (s + 1) / 2 - 1 : lower - 2;
    return QRect(QPoint(x + s + 1, 1), QPoint(x + kw - 2, bottom));
}

QRect TKeyPainter::LabelRoom(int n) const {
    // A pixel's gap around each dot keeps the text from touching it.
    std::vector<QRect> dots = DotRects(n);
    for (QRect& dot : dots) dot.adjust(-1, -1, 2, 2);
    return keylabels::LabelRoom(LabelFace(n), dots);
}

QStringList TKeyPainter::LegendsOf(int n) const {
    QStringList legends;
    TKeyLegends* source = m_keyboard.Keys().KeyLegends();
    if (!m_keyboard.Look().legends || !source) return legends;
    // The key that lights for a computer key is the sent note when the display follows the
    // transposition.
    const TNotePlayer& player = m_keyboard.Player();
    const int played = player.DisplayTransposed() ? n - player.Transpose() : n;
    for (int scan : player.ScanCodesOf(played)) {
        const QString legend = source->Legend(scan);
        if (!legend.isEmpty() && !legends.contains(legend)) legends << legend;
    }
    return legends;
}

TLabelLayout& TKeyPainter::LabelLayout() const {
    if (!m_labelLayout) m_labelLayout = std::make_unique<TLabelLayout>(m_keyboard.font());
    return *m_labelLayout;
}

std::vector<TLabelKey> TKeyPainter::LabelKeys() const {
    std::vector<TLabelKey> keys;
    const TKeyLook& look = m_keyboard.Look();
    if (look.labels == klNever && !(look.legends && m_keyboard.Keys().KeyLegends())) return keys;
    const QRect area = m_keyboard.rect();
    const int kw = m_keyboard.KeyWidth();
    const int offset = m_keyboard.ScrollOffset();
    const int first = NoteOfWhiteIndex(
        std::clamp(FloorDiv(area.left() + offset, kw) - 1, 0, kWhiteKeysTotal - 1));
    const int last = std::min(NoteOfWhiteIndex(std::clamp(FloorDiv(area.right() + offset, kw) + 1,
                                                          0, kWhiteKeysTotal - 1)) +
                                  1,
                              127);
    const int language = static_cast<int>(m_keyboard.Names().Language());
    for (int n = first; n <= last; ++n) {
        // A key only partly in sight is labelled as the others: its room is whole, and what
        // lies outside is simply not drawn.
        if (!KeyRect(n).intersects(area)) continue;
        TLabelKey key;
        key.note = n;
        key.black = IsBlack(n % 12);
        key.room = LabelRoom(n);
        key.legends = LegendsOf(n);
        const bool named = look.labels == klAlways || look.labels == klPressed ||
                           (look.labels == klCKeys && n % 12 == 0);
        if (named) {
            key.name = keylabels::NoteLabel(n, language, look.flats, look.middleC, true);
            key.shortName = keylabels::NoteLabel(n, language, look.flats, look.middleC, false);
            key.nameHidden = look.labels == klPressed && !m_keyboard.Player().Sounding(n);
        }
        key.marked = m_art.Loaded() && n == look.markNote;
        // A hidden name shows nothing now but sizes its kind.
        if (!key.legends.isEmpty() || !key.name.isEmpty()) keys.push_back(key);
    }
    return keys;
}

std::vector<TKeyLabel> TKeyPainter::Labels(const QRect& area) const {
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

void TKeyPainter::DrawLabels(QPainter& p, const QRect& area) {
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

QString TKeyPainter::ToolTip(int n) const {
    const QStringList legends = n >= 0 && n <= 127 ? LegendsOf(n) : QStringList();
    if (legends.isEmpty()) return {};
    const TKeyLook& look = m_keyboard.Look();
    const QString name = keylabels::NoteLabel(n, static_cast<int>(m_keyboard.Names().Language()),
                                              look.flats, look.middleC, true);
    return QCoreApplication::translate("TKeyboard", "%1, played by %2")
        .arg(name, legends.join(QStringLiteral(", ")));
}
