#include <QHash>
#include <QPaintEvent>
#include <QPainter>
#include <QThread>
#include <algorithm>

#include "keyboard/keyboard.h"
#include "keyboard/keyboardmath.h"

using namespace keymath;

namespace {

// Black-key x offsets inside one octave of artwork and the black-key width, per image size.
const int kBlackOffsets[3][5] = {
    {9, 28, 54, 71, 88}, {12, 37, 72, 95, 117}, {16, 50, 97, 128, 158}};
const int kBlackWidths[3] = {8, 11, 15};
const char* const kSizeNames[3] = {"SMALL", "NORMAL", "BIG"};

const QColor kPressedDot(0x80, 0x80, 0x80);
const QColor kMarkedDot(0xC0, 0xC0, 0xC0);

// The colour that covers most of the lower half of a piece of artwork: its key's face.
QRgb FaceColour(const QImage& image) {
    QHash<QRgb, int> counts;
    for (int y = image.height() / 2; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y) & RGB_MASK];
    QRgb face = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            face = it.key();
        }
    return face;
}

// Artwork lit in a colour: its face, and the gentle shading across it, take exactly `colour`, as
// a drawn key does; what is clearly darker or lighter (edges, highlights) stays darker or lighter,
// black stays black and white white.
QImage Tinted(const QImage& art, QRgb face, const QColor& colour) {
    // Shading within this many grey levels of the face counts as face.
    constexpr int kBand = 16;
    QImage out = art.convertToFormat(QImage::Format_RGB32);
    const int f = qGray(face);
    const int lo = std::max(f - kBand, 1), hi = std::min(f + kBand, 254);
    const int c[3] = {colour.red(), colour.green(), colour.blue()};
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int v = qGray(line[x]);
            int o[3];
            for (int i = 0; i < 3; ++i)
                o[i] = v < lo ? c[i] * v / lo
                       : v > hi ? c[i] + (255 - c[i]) * (v - hi) / (255 - hi)
                                : c[i];
            line[x] = qRgb(o[0], o[1], o[2]);
        }
    }
    return out;
}

}  // namespace

QPixmap TKeyboard::TintedArt(int piece, bool pressed, const QColor& colour) {
    const quint64 key = (static_cast<quint64>(piece * 2 + pressed) << 32) | colour.rgb();
    auto cached = m_tinted.constFind(key);
    if (cached != m_tinted.constEnd()) return *cached;
    const QPixmap& art = piece < 7 ? (pressed ? m_downTiles[piece] : m_upTiles[piece])
                                   : (pressed ? m_blackDown : m_blackUp);
    const QImage image = art.toImage();
    const QRgb face = piece < 7 ? FaceColour(image)
                                : FaceColour(image.copy(0, 0, image.width(), image.height() / 2));
    if (m_tinted.size() > 512) m_tinted.clear();
    return *m_tinted.insert(key, QPixmap::fromImage(Tinted(image, face, colour)));
}

const int* TKeyboard::BlackOffsets() const {
    return (m_paintStyle == psImage && m_imagesLoaded) ? kBlackOffsets[m_imageSize] : nullptr;
}

int TKeyboard::BlackWidth() const {
    return BlackOffsets() ? kBlackWidths[m_imageSize] : m_keyWidth;
}

// ---------------------------------------------------------------------------------------------
// Style, images

void TKeyboard::SetPaintStyle(TPaintStyle v) {
    if (v != psDraw && v != psImage) return;
    int oldKeyWidth = m_keyWidth;
    if (!m_imagesAvailable) v = psDraw;
    if (v == m_paintStyle) return;
    m_paintStyle = v;
    if (v == psImage)
        LoadImages();  // falls back to psDraw when the artwork is missing
    else
        FreeImages();
    ApplyBaseNote(m_baseNote, m_keyWidth != oldKeyWidth);
    ApplyBounds();
    update();
}

void TKeyboard::SetImageSize(TImageSize v) {
    if (v < isSmall || v > isBig || v == m_imageSize) return;
    m_imageSize = v;
    if (!m_imagesLoaded) return;
    LoadImages();
    ApplyBaseNote(m_baseNote, true);
    ApplyBounds();
    update();
}

void TKeyboard::DisplayDepthChanged(int depth) {
    int old = m_depth;
    m_depth = depth;
    m_imagesAvailable = depth > 7;
    bool crossed = (old <= 8) != (depth <= 8);
    if (!crossed || m_paintStyle != psImage) return;
    LoadImages();
    ApplyBaseNote(m_baseNote, true);
    ApplyBounds();
    update();
}

void TKeyboard::FreeImages() {
    for (auto& t : m_upTiles) t = QPixmap();
    for (auto& t : m_downTiles) t = QPixmap();
    m_blackUp = m_blackDown = QPixmap();
    m_tinted.clear();
    m_noteMap.clear();
    m_imagesLoaded = false;
}

void TKeyboard::LoadImages() {
    FreeImages();
    if (!m_imagesAvailable) {
        m_paintStyle = psDraw;
        return;
    }
    const int* offsets = kBlackOffsets[m_imageSize];
    const int blackWidth = kBlackWidths[m_imageSize];
    const QString suffix = (m_depth >= 8 && m_depth <= 14) ? QStringLiteral("256") : QString();
    const QString size = QString::fromLatin1(kSizeNames[m_imageSize]);

    // Artwork that cannot hold the black keys at their offsets counts as missing.
    auto usable = [&](const QImage& img) {
        return !img.isNull() && img.width() / 7 >= 4 && img.height() >= kImageBlackHeight &&
               offsets[4] + blackWidth <= img.width();
    };
    // Cuts the seven white-key tiles; F and B share the C and E tiles, whose black halves sit
    // at the same places.
    auto cutTiles = [](const QImage& strip, int tileWidth, QPixmap* tiles) {
        for (int i = 0; i < 7; ++i) {
            if (i == 3 || i == 6) continue;
            tiles[i] = QPixmap::fromImage(strip.copy(i * tileWidth, 0, tileWidth, strip.height()));
        }
        tiles[3] = tiles[0];
        tiles[6] = tiles[2];
    };
    auto drawBlackKeys = [&](QImage& strip, const QImage& black) {
        QPainter p(&strip);
        for (int k = 0; k < 5; ++k) p.drawImage(offsets[k], 0, black);
    };

    QImage up = m_artwork.image(QStringLiteral(":/keys/UP%1%2.png").arg(size, suffix));
    bool downLoaded = false;
    int tileWidth = 0;
    if (usable(up)) {
        up = up.convertToFormat(QImage::Format_RGB32);
        QImage blackUp = up.copy(offsets[0], 0, blackWidth, kImageBlackHeight);
        drawBlackKeys(up, blackUp);
        tileWidth = up.width() / 7;
        cutTiles(up, tileWidth, m_upTiles);
        m_blackUp = QPixmap::fromImage(blackUp);
        m_keyWidth = tileWidth;

        QImage down = m_artwork.image(QStringLiteral(":/keys/DOWN%1%2.png").arg(size, suffix));
        if (usable(down) && down.width() / 7 == tileWidth) {
            down = down.convertToFormat(QImage::Format_RGB32);
            m_blackDown =
                QPixmap::fromImage(down.copy(offsets[0], 0, blackWidth, kImageBlackHeight));
            // Pressed white tiles show their black neighbours released; a pressed black
            // neighbour is drawn over them separately.
            drawBlackKeys(down, blackUp);
            cutTiles(down, tileWidth, m_downTiles);
            m_imageHeight = std::min(up.height(), down.height());
            downLoaded = true;
        }
    }
    if (!downLoaded) {
        FreeImages();
        m_imagesAvailable = false;
        m_paintStyle = psDraw;
        return;
    }
    m_noteMap.assign(7 * tileWidth, 0);
    for (int i = 0; i < 7; ++i)
        for (int x = 0; x < tileWidth; ++x) m_noteMap[i * tileWidth + x] = kWhiteSemitones[i];
    for (int k = 0; k < 5; ++k)
        for (int x = offsets[k]; x < offsets[k] + blackWidth && x < 7 * tileWidth; ++x)
            m_noteMap[x] = kBlackSemitones[k];
    m_imagesLoaded = true;
}

// ---------------------------------------------------------------------------------------------
// Hit test and repaint

int TKeyboard::NoteAtAbsolute(int a, int y) const {
    if (m_paintStyle == psImage && m_imagesLoaded) return HitTestImage(a, y, m_keyWidth, m_noteMap);
    return HitTestDrawn(a, y, height(), m_keyWidth);
}

int TKeyboard::NoteAt(int x, int y) {
    m_lastHitNote = NoteAtAbsolute(x + m_offset, y);
    return m_lastHitNote;
}

QRect TKeyboard::KeyRect(int n) const {
    int x = KeyLeft(n) - m_offset;
    if (!IsBlack(n % 12)) return QRect(x, 0, m_keyWidth, height());
    // In image style the marked dot of a black key lies below the key, so take the full height.
    if (BlackOffsets()) return QRect(x, 0, BlackWidth(), height());
    return QRect(x, 0, m_keyWidth, height() * 3 / 5);
}

void TKeyboard::KeyChanged(int n, bool struck) {
    if (n < 0 || n > 127) return;
    // A key played where it was read: drawn once the window thread gets to it.
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, n] { update(KeyRect(n).intersected(rect())); }, Qt::QueuedConnection);
        return;
    }
    // Only the first press and the last release change how a key looks.
    const int sum = m_player.LocalCount(n) + m_player.ThruCount(n);
    // With channel colours a key can change its colour while it stays down.
    if (sum != (struck ? 1 : 0) && !m_channelColours && !m_pressedFill) return;
    QRect r = KeyRect(n).intersected(rect());
    if (!r.isEmpty()) update(r);
}

void TKeyboard::ScrollTo(int oldOffset, int newOffset) {
    m_offset = newOffset;
    if (newOffset == oldOffset) return;
    if (std::abs(newOffset - oldOffset) > width() - 20)
        update();
    else
        scroll(oldOffset - newOffset, 0);  // Qt repaints only the strip the move uncovers
}

// ---------------------------------------------------------------------------------------------
// Painting

void TKeyboard::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect area = event->rect();
    const int kw = m_keyWidth;
    const int a0 = area.left() + m_offset;
    const int a1 = area.right() + m_offset;
    if (a1 >= FullWidth())
        p.fillRect(QRect(FullWidth() - m_offset, 0, a1 - FullWidth() + 1, height()), Qt::black);
    // One white key of margin on both sides brings in the black keys that reach into the area.
    int w0 = std::clamp(FloorDiv(a0, kw) - 1, 0, kWhiteKeysTotal - 1);
    int w1 = std::clamp(FloorDiv(a1, kw) + 1, 0, kWhiteKeysTotal - 1);
    int first = NoteOfWhiteIndex(w0);
    int last = std::min(NoteOfWhiteIndex(w1) + 1, 127);
    if (m_paintStyle == psImage && m_imagesLoaded)
        PaintImages(p, area, first, last);
    else
        PaintDrawn(p, area, first, last);
    DrawLabels(p, area);
    if (TabStop() && hasFocus() && m_paintStyle == psDraw) {
        QPen pen(palette().color(QPalette::Window));
        pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TKeyboard::PaintDrawn(QPainter& p, const QRect& area, int first, int last) {
    for (int n = first; n <= last; ++n)
        if (KeyRect(n).intersects(area)) DrawKeyDrawn(p, n);
}

void TKeyboard::DrawKeyDrawn(QPainter& p, int n) {
    const int kw = m_keyWidth;
    const int h = height();
    const int lower = h * 3 / 5;
    const int x = KeyLeft(n) - m_offset;
    const int pc = n % 12;
    const QColor lit = KeyColour(n);
    if (IsBlack(pc)) {
        const int bottom = lower;
        p.fillRect(QRect(x, 0, kw, bottom), lit.isValid() ? lit : QColor(Qt::black));
        const int s = std::min(m_shadowWidth, std::max(kw - 2, 0));
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
    if ((m_player.Sounding(n) && !lit.isValid()) || n == m_markNote) DrawDot(p, n, lit.isValid());
}

void TKeyboard::DrawDot(QPainter& p, int n, bool filled) {
    const bool pressed = m_player.Sounding(n) && !filled;
    const QColor colour = pressed ? kPressedDot : (n == m_markNote ? kMarkedDot : QColor());
    if (!colour.isValid()) return;
    p.setPen(colour);
    p.setBrush(colour);
    p.drawEllipse(PressedDotRect(n));
}

void TKeyboard::PaintImages(QPainter& p, const QRect& area, int first, int last) {
    for (int n = first; n <= last; ++n) {
        if (IsBlack(n % 12) || !KeyRect(n).intersects(area)) continue;
        const bool pressed = m_player.Sounding(n);
        const int i = WhiteIndexAtOrBelow(n % 12);
        const int x = KeyLeft(n) - m_offset;
        const QColor lit = KeyColour(n);
        p.drawPixmap(
            x, 0,
            lit.isValid() ? TintedArt(i, pressed, lit) : (pressed ? m_downTiles[i] : m_upTiles[i]));
    }
    // The tiles hold released black halves; every black key in range is drawn over them so a
    // pressed one shows wherever a neighbouring tile was just redrawn.
    for (int n = first; n <= last; ++n) {
        if (!IsBlack(n % 12)) continue;
        const bool pressed = m_player.Sounding(n);
        const int x = KeyLeft(n) - m_offset;
        const QColor lit = KeyColour(n);
        p.drawPixmap(
            x, 0, lit.isValid() ? TintedArt(7, pressed, lit) : (pressed ? m_blackDown : m_blackUp));
    }
    if (m_markNote >= first && m_markNote <= last) {
        p.setPen(kMarkedDot);
        p.setBrush(kMarkedDot);
        p.drawEllipse(MarkDotRect(m_player.Sounding(m_markNote)));
    }
    if (m_imageHeight < height())
        p.fillRect(QRect(area.left(), m_imageHeight, area.width(), height() - m_imageHeight),
                   Qt::black);
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
