#include "keyboard/keyart.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "keyboard/keyboardmath.h"
#include "resources/decodedart.h"

using namespace keymath;

namespace {

// Black-key x offsets inside one octave of artwork and the black-key width, per image size.
const int kBlackOffsets[3][5] = {
    {9, 28, 54, 71, 88}, {12, 37, 72, 95, 117}, {16, 50, 97, 128, 158}};
const int kBlackWidths[3] = {8, 11, 15};
const char* const kSizeNames[3] = {"SMALL", "NORMAL", "BIG"};

int PrimaryScreenDepth() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 32;
}

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
QImage TintedImage(const QImage& art, QRgb face, const QColor& colour) {
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

TKeyArt::TKeyArt(TKeyArtwork source) : m_source(std::move(source)) {
    if (!m_source.image) m_source.image = ArtImage;
    m_depth = m_source.screenDepth >= 0 ? m_source.screenDepth : PrimaryScreenDepth();
    m_available = m_depth > 7;
}

bool TKeyArt::SetDepth(int depth) {
    const int old = m_depth;
    m_depth = depth;
    m_available = depth > 7;
    return (old <= 8) != (depth <= 8);
}

const int* TKeyArt::BlackOffsets() const { return m_loaded ? kBlackOffsets[m_size] : nullptr; }

int TKeyArt::BlackWidth() const { return m_loaded ? kBlackWidths[m_size] : 0; }

QPixmap TKeyArt::Tinted(int piece, bool pressed, const QColor& colour) {
    const quint64 key = (static_cast<quint64>(piece * 2 + pressed) << 32) | colour.rgb();
    auto cached = m_tinted.constFind(key);
    if (cached != m_tinted.constEnd()) return *cached;
    const QPixmap& art = piece < 7 ? Tile(piece, pressed) : Black(pressed);
    const QImage image = art.toImage();
    const QRgb face = piece < 7 ? FaceColour(image)
                                : FaceColour(image.copy(0, 0, image.width(), image.height() / 2));
    if (m_tinted.size() > 512) m_tinted.clear();
    return *m_tinted.insert(key, QPixmap::fromImage(TintedImage(image, face, colour)));
}

int TKeyArt::NoteAt(int a, int y) const { return HitTestImage(a, y, m_tileWidth, m_noteMap); }

void TKeyArt::Free() {
    for (auto& t : m_upTiles) t = QPixmap();
    for (auto& t : m_downTiles) t = QPixmap();
    m_blackUp = m_blackDown = QPixmap();
    m_tinted.clear();
    m_noteMap.clear();
    m_loaded = false;
}

bool TKeyArt::Load(TImageSize size) {
    Free();
    m_tileWidth = 0;
    if (!m_available) return false;
    m_size = size;
    const int* offsets = kBlackOffsets[size];
    const int blackWidth = kBlackWidths[size];
    const QString suffix = (m_depth >= 8 && m_depth <= 14) ? QStringLiteral("256") : QString();
    const QString name = QString::fromLatin1(kSizeNames[size]);

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

    QImage up = m_source.image(QStringLiteral(":/keys/UP%1%2.png").arg(name, suffix));
    bool downLoaded = false;
    int tileWidth = 0;
    if (usable(up)) {
        up = up.convertToFormat(QImage::Format_RGB32);
        QImage blackUp = up.copy(offsets[0], 0, blackWidth, kImageBlackHeight);
        drawBlackKeys(up, blackUp);
        tileWidth = up.width() / 7;
        cutTiles(up, tileWidth, m_upTiles);
        m_blackUp = QPixmap::fromImage(blackUp);
        m_tileWidth = tileWidth;

        QImage down = m_source.image(QStringLiteral(":/keys/DOWN%1%2.png").arg(name, suffix));
        if (usable(down) && down.width() / 7 == tileWidth) {
            down = down.convertToFormat(QImage::Format_RGB32);
            m_blackDown =
                QPixmap::fromImage(down.copy(offsets[0], 0, blackWidth, kImageBlackHeight));
            // Pressed white tiles show their black neighbours released; a pressed black
            // neighbour is drawn over them separately.
            drawBlackKeys(down, blackUp);
            cutTiles(down, tileWidth, m_downTiles);
            m_height = std::min(up.height(), down.height());
            downLoaded = true;
        }
    }
    if (!downLoaded) {
        Free();
        m_available = false;
        return false;
    }
    m_noteMap.assign(7 * tileWidth, 0);
    for (int i = 0; i < 7; ++i)
        for (int x = 0; x < tileWidth; ++x) m_noteMap[i * tileWidth + x] = kWhiteSemitones[i];
    for (int k = 0; k < 5; ++k)
        for (int x = offsets[k]; x < offsets[k] + blackWidth && x < 7 * tileWidth; ++x)
            m_noteMap[x] = kBlackSemitones[k];
    m_loaded = true;
    return true;
}
