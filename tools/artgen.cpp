// Artwork generator: draws every bitmap the program compiles in (keyboard octave strips, wheel
// and arrow strips, window background tile) and writes them as PNG files.
//
// Regenerate the committed images after changing this file:
//   cmake --build build --target tastra_artgen && ./build/tools/tastra_artgen resources/images
// Add "--preview /tmp/artwork-preview.png" to also get a 3x enlarged overview of everything.
//
// The output is deterministic: every pixel is computed from its coordinates (noise comes from
// an integer hash), so the same source always gives the same files.

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QVector>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Linear RGB-ish colour in 0..255 units; kept in double so shading can be chained before the
// single rounding step.
struct TRgb {
    double r = 0, g = 0, b = 0;
};

TRgb operator*(const TRgb& c, double f) { return {c.r * f, c.g * f, c.b * f}; }
TRgb operator*(const TRgb& c, const TRgb& f) {
    return {c.r * f.r / 255.0, c.g * f.g / 255.0, c.b * f.b / 255.0};
}
TRgb operator+(const TRgb& a, const TRgb& b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
TRgb Mix(const TRgb& a, const TRgb& b, double t) { return a * (1.0 - t) + b * t; }
TRgb Grey(double v) { return {v, v, v}; }

int Channel(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }
QRgb ToQRgb(const TRgb& c) { return qRgb(Channel(c.r), Channel(c.g), Channel(c.b)); }

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
double SmoothStep(double e0, double e1, double x) {
    const double t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0 - 2.0 * t);
}

// Averages a colour function over n x n sample points inside each pixel, which gives clean
// anti-aliased edges for the curved and slanted shapes without depending on a rasteriser.
using TShader = std::function<TRgb(double x, double y)>;
QImage RenderSupersampled(int width, int height, int n, const TShader& shade) {
    QImage img(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            TRgb sum;
            for (int sy = 0; sy < n; ++sy)
                for (int sx = 0; sx < n; ++sx)
                    sum = sum + shade(x + (sx + 0.5) / n, y + (sy + 0.5) / n);
            img.setPixel(x, y, ToQRgb(sum * (1.0 / (n * n))));
        }
    }
    return img;
}

// ---------------------------------------------------------------------------------------------
// Keyboard octave strips

struct TKeyGeometry {
    const char* name;
    int whiteWidth;
    std::array<int, 5> blackOffsets;
    int blackWidth;
};

constexpr int kKeyHeight = 76;
constexpr int kBlackHeight = 41;

const std::array<TKeyGeometry, 3> kKeySizes = {{
    {"SMALL", 15, {9, 28, 54, 71, 88}, 8},
    {"NORMAL", 20, {12, 37, 72, 95, 117}, 11},
    {"BIG", 27, {16, 50, 97, 128, 158}, 15},
}};

const TRgb kIvory{250, 246, 233};
// Pressed white keys take a cool tint and lose brightness, so a played key reads at a glance.
const TRgb kPressedTint{214, 224, 246};

// First row of the front face ("lip") of a white key; a pressed key shows less of it.
int WhiteLipTop(bool pressed) { return pressed ? 72 : 69; }

TRgb WhiteKeyPixel(int lx, int y, int width, bool pressed, bool underBlack) {
    const int lipTop = WhiteLipTop(pressed);
    if (lx == width - 1) {
        // Gap between two white keys: dark, darkest where the lips meet.
        return y >= lipTop ? TRgb{38, 34, 32} : TRgb{72, 66, 60};
    }
    TRgb c = kIvory;
    if (y >= lipTop) {
        // Front face: a bright edge where it meets the top, then falling off towards the floor.
        const int depth = y - lipTop;
        const int lipHeight = kKeyHeight - lipTop;
        if (depth == 0) {
            c = c * 1.0 + Grey(4);
        } else {
            c = c * (0.80 - 0.22 * depth / std::max(1, lipHeight - 1));
        }
    } else {
        // Top surface: shadow under the cover strip at the top, a soft even light further down,
        // a touch darker just before the front edge.
        double f = 0.93 + 0.07 * SmoothStep(0.0, 34.0, y);
        if (y == 0) f *= 0.72;
        if (y == 1) f *= 0.88;
        if (y >= lipTop - 2) f *= 0.975;
        if (pressed) f *= 0.80 + 0.20 * SmoothStep(0.0, 30.0, y);
        // Slight roundness across the key: lit left edge, shaded right edge.
        if (lx == 0) f *= 1.02;
        if (lx == width - 2) f *= 0.92;
        c = c * f;
        // The black keys cast a short shadow onto the white key below them.
        if (underBlack && y >= kBlackHeight && y < kBlackHeight + 3) {
            c = c * (0.80 + 0.07 * (y - kBlackHeight));
        }
    }
    if (pressed) c = c * kPressedTint;
    return c;
}

TRgb BlackKeyPixel(int bx, int y, int width, bool pressed) {
    // A pressed black key sits lower, so less of its front face shows.
    const int faceTop = kBlackHeight - (pressed ? 4 : 7);
    const int bevel = width >= 11 ? 2 : 1;
    TRgb c;
    if (bx == 0 || bx == width - 1 || y == kBlackHeight - 1) {
        c = Grey(6);
    } else if (y >= faceTop) {
        // Front face, lit from above: bright edge, then darker towards the bottom.
        const double t = double(y - faceTop) / std::max(1, kBlackHeight - 2 - faceTop);
        c = y == faceTop ? Grey(112) : Grey(78 - 38 * t);
        if (bx <= bevel || bx >= width - 1 - bevel) c = c * 0.8;
    } else if (bx <= bevel) {
        c = Grey(bx == 1 ? 64 : 48);  // left bevel catches the light
    } else if (bx >= width - 1 - bevel) {
        c = Grey(bx == width - 2 ? 30 : 40);  // right bevel in shade
    } else {
        // Top surface: dark with a gloss stripe a third of the way across, fading out near the
        // back and the front of the key.
        const int left = bevel + 1;
        const int surface = width - 2 * bevel - 2;
        const double u = (bx - left + 0.5) / surface;
        const double stripe = std::exp(-std::pow((u - 0.32) / 0.16, 2.0));
        const double along =
            SmoothStep(1.0, 8.0, y) * (1.0 - SmoothStep(faceTop - 6.0, faceTop, y));
        c = Grey(20 + 14.0 * y / faceTop) + Grey(70 * stripe * along);
    }
    c.b *= 1.08;  // black lacquer reads slightly cool
    if (pressed) c = Mix(c, TRgb{40, 56, 104}, 0.38) * 1.05;
    return c;
}

QImage DrawKeyStrip(const TKeyGeometry& g, bool pressed) {
    const int width = 7 * g.whiteWidth;
    QImage img(width, kKeyHeight, QImage::Format_RGB32);
    for (int y = 0; y < kKeyHeight; ++y) {
        for (int x = 0; x < width; ++x) {
            int black = -1;
            for (int k = 0; k < 5; ++k)
                if (x >= g.blackOffsets[k] && x < g.blackOffsets[k] + g.blackWidth) black = k;
            TRgb c;
            if (black >= 0 && y < kBlackHeight)
                c = BlackKeyPixel(x - g.blackOffsets[black], y, g.blackWidth, pressed);
            else
                c = WhiteKeyPixel(x % g.whiteWidth, y, g.whiteWidth, pressed, black >= 0);
            img.setPixel(x, y, ToQRgb(c));
        }
    }
    return img;
}

// ---------------------------------------------------------------------------------------------
// Wheel strip: 41 frames of a wheel in a slot, seen from the front

constexpr int kWheelFrames = 41;
constexpr int kWheelFrameWidth = 20;
constexpr int kStripHeight = 76;

const TRgb kPanel{28, 29, 34};

TRgb WheelPixel(int frame, double x, double y) {
    const double cy = kStripHeight / 2.0;
    const int px = static_cast<int>(x);
    const int py = static_cast<int>(y);
    // Centre ticks on the panel beside the slot.
    if ((px <= 1 || px >= 18) && (py == 37 || py == 38)) return Grey(150);
    // Slot: x 3..16, y 1..74, sunk into the panel (dark upper-left edge, lit lower-right edge).
    if (px < 3 || px > 16 || py < 1 || py > 74) return kPanel;
    if (px == 3 || py == 1) return Grey(8);
    if (px == 16 || py == 74) return TRgb{76, 78, 86};

    // The wheel: a cylinder of radius R with a horizontal axis, 10 px wide. Its angle of
    // rotation runs from -1 rad (frame 0, mark low) through 0 (frame 20, mark centred) to +1 rad
    // (frame 40, mark high).
    const double radius = 34.0;
    const double s = (cy - y) / radius;
    if (x < 5.0 || x >= 15.0 || std::fabs(s) >= 1.0) return Grey(5);
    const double a = std::asin(s);
    const double phi = (frame - 20) / 20.0;
    const double u = a - phi;  // angle on the wheel's own surface

    // Light from the front and a little from above; edges of the wheel fall off sideways too.
    double light = 0.12 + 0.88 * std::pow(std::max(0.0, std::cos(a - 0.3)), 1.3);
    const double across = (x - 5.0) / 10.0;
    light *= 0.72 + 0.28 * std::sin(across * kPi);
    TRgb base{118, 121, 131};

    // Ridges every 10 degrees: a dark groove with a lit rim on its upper side.
    const double step = 10.0 * kPi / 180.0;
    const double k = std::round(u / step);
    const double d = u - k * step;  // signed surface angle from the nearest ridge
    TRgb c = base * light;
    if (std::fabs(d) < 0.022)
        c = c * 0.35;
    else if (d >= 0.022 && d < 0.05)
        c = c * 1.3;
    // Centre mark: a bright band across the wheel at surface angle 0.
    if (std::fabs(u) < 0.05) c = Mix(TRgb{250, 246, 238}, TRgb{250, 246, 238} * light, 0.35);
    return c;
}

QImage DrawWheelStrip() {
    QImage strip(kWheelFrames * kWheelFrameWidth, kStripHeight, QImage::Format_RGB32);
    QPainter p(&strip);
    for (int f = 0; f < kWheelFrames; ++f) {
        const QImage frame =
            RenderSupersampled(kWheelFrameWidth, kStripHeight, 4,
                               [f](double x, double y) { return WheelPixel(f, x, y); });
        p.drawImage(f * kWheelFrameWidth, 0, frame);
    }
    return strip;
}

// ---------------------------------------------------------------------------------------------
// Arrow buttons: frame 0 released, frame 1 pressed

constexpr int kArrowFrameWidth = 16;

// Signed area test: true when (x, y) lies inside the triangle (a, b, c), either winding.
bool InTriangle(double x, double y, const std::array<QPointF, 3>& t) {
    auto side = [&](const QPointF& p, const QPointF& q) {
        return (q.x() - p.x()) * (y - p.y()) - (q.y() - p.y()) * (x - p.x());
    };
    const double d1 = side(t[0], t[1]), d2 = side(t[1], t[2]), d3 = side(t[2], t[0]);
    const bool neg = d1 < 0 || d2 < 0 || d3 < 0;
    const bool pos = d1 > 0 || d2 > 0 || d3 > 0;
    return !(neg && pos);
}

TRgb ArrowPixel(bool pointsLeft, bool pressed, double x, double y) {
    const int w = kArrowFrameWidth, h = kStripHeight;
    const int px = static_cast<int>(x), py = static_cast<int>(y);
    // Two-pixel bevel: raised when released, sunken when pressed.
    const TRgb outerLight{150, 153, 163}, innerLight{98, 101, 112};
    const TRgb outerDark{8, 8, 10}, innerDark{34, 35, 40};
    const bool topLeftOuter = px == 0 || py == 0;
    const bool bottomRightOuter = px == w - 1 || py == h - 1;
    const bool topLeftInner = px == 1 || py == 1;
    const bool bottomRightInner = px == w - 2 || py == h - 2;
    if (bottomRightOuter) return pressed ? outerLight : outerDark;
    if (topLeftOuter) return pressed ? outerDark : outerLight;
    if (bottomRightInner) return pressed ? innerLight : innerDark;
    if (topLeftInner) return pressed ? innerDark : innerLight;

    // Face with a gentle vertical gradient; the pressed face is darker and the arrow moves one
    // pixel down and right, as if pushed in.
    const double shift = pressed ? 1.0 : 0.0;
    TRgb face = Grey(pressed ? 50 : 66) * (1.06 - 0.12 * y / h);
    face.b *= 1.1;
    const double cx = w / 2.0 + shift, cy = h / 2.0 + shift;
    const double tip = pointsLeft ? cx - 4.0 : cx + 4.0;
    const double back = pointsLeft ? cx + 3.0 : cx - 3.0;
    const std::array<QPointF, 3> tri = {QPointF(tip, cy), QPointF(back, cy - 7.0),
                                        QPointF(back, cy + 7.0)};
    // A soft dark drop shadow under the arrow keeps it crisp on the grey face.
    const std::array<QPointF, 3> shadow = {QPointF(tip + 1, cy + 1), QPointF(back + 1, cy - 6.0),
                                           QPointF(back + 1, cy + 8.0)};
    if (InTriangle(x, y, tri)) return pressed ? TRgb{205, 212, 230} : TRgb{236, 238, 244};
    if (InTriangle(x, y, shadow)) return face * 0.45;
    return face;
}

QImage DrawArrowStrip(bool pointsLeft) {
    QImage strip(2 * kArrowFrameWidth, kStripHeight, QImage::Format_RGB32);
    QPainter p(&strip);
    for (int f = 0; f < 2; ++f) {
        const bool pressed = f == 1;
        const QImage frame = RenderSupersampled(
            kArrowFrameWidth, kStripHeight, 4,
            [=](double x, double y) { return ArrowPixel(pointsLeft, pressed, x, y); });
        p.drawImage(f * kArrowFrameWidth, 0, frame);
    }
    return strip;
}

// ---------------------------------------------------------------------------------------------
// Window background tile: dark brushed texture that wraps at its edges

constexpr int kTileWidth = 47;
constexpr int kTileHeight = 42;

// Integer hash (a variant of the "lowbias32" finaliser): stable noise without a generator
// whose sequence could change between library versions.
double Noise(uint32_t x, uint32_t y, uint32_t seed) {
    uint32_t h = x * 0x9E3779B1u ^ (y + 0x7F4A7C15u) * 0x85EBCA77u ^ seed * 0xC2B2AE3Du;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0x1000000);
}

// Box blur with wrap-around, so the tile stays seamless in both directions.
std::vector<double> WrapBlur(const std::vector<double>& v, int rx, int ry) {
    std::vector<double> out(v.size());
    for (int y = 0; y < kTileHeight; ++y) {
        for (int x = 0; x < kTileWidth; ++x) {
            double sum = 0;
            for (int dy = -ry; dy <= ry; ++dy)
                for (int dx = -rx; dx <= rx; ++dx) {
                    const int sx = (x + dx + kTileWidth) % kTileWidth;
                    const int sy = (y + dy + kTileHeight) % kTileHeight;
                    sum += v[sy * kTileWidth + sx];
                }
            out[y * kTileWidth + x] = sum / ((2 * rx + 1) * (2 * ry + 1));
        }
    }
    return out;
}

QImage DrawBackgroundTile() {
    std::vector<double> coarse(kTileWidth * kTileHeight), fine(coarse.size());
    for (int y = 0; y < kTileHeight; ++y)
        for (int x = 0; x < kTileWidth; ++x) {
            coarse[y * kTileWidth + x] = Noise(x, y, 1);
            fine[y * kTileWidth + x] = Noise(x, y, 2);
        }
    // Long horizontal streaks (brushed metal) plus a soft cloudy variation.
    const std::vector<double> streaks = WrapBlur(WrapBlur(fine, 6, 0), 3, 0);
    const std::vector<double> clouds = WrapBlur(WrapBlur(coarse, 3, 3), 3, 3);
    QImage img(kTileWidth, kTileHeight, QImage::Format_RGB32);
    for (int i = 0; i < kTileWidth * kTileHeight; ++i) {
        // Blurred uniform noise clusters around 0.5; stretch it back out before use. A single
        // integer level per pixel keeps the tile to a few dozen colours.
        const double s = Clamp01(0.5 + (streaks[i] - 0.5) * 5.0);
        const double c = Clamp01(0.5 + (clouds[i] - 0.5) * 6.0);
        const int level = static_cast<int>(std::lround(17 + 8 * s + 5 * c));
        img.setPixel(i % kTileWidth, i / kTileWidth, qRgb(level, level + 1, level + 5));
    }
    return img;
}

// ---------------------------------------------------------------------------------------------
// Output

struct TArtwork {
    QString name;
    QImage image;
    bool withPaletteVariant;
};

std::vector<TArtwork> DrawAll() {
    std::vector<TArtwork> art;
    for (const TKeyGeometry& g : kKeySizes) {
        art.push_back({QStringLiteral("UP") + g.name, DrawKeyStrip(g, false), true});
        art.push_back({QStringLiteral("DOWN") + g.name, DrawKeyStrip(g, true), true});
    }
    art.push_back({QStringLiteral("WHEEL"), DrawWheelStrip(), true});
    art.push_back({QStringLiteral("LEFTARROW"), DrawArrowStrip(true), false});
    art.push_back({QStringLiteral("RIGHTARROW"), DrawArrowStrip(false), false});
    art.push_back({QStringLiteral("BACKGROUND"), DrawBackgroundTile(), true});
    return art;
}

// Median cut: splits the image's colours (weighted by pixel count) into at most maxColours
// boxes and returns the mean colour of each. Used where an image has too many shades for an
// exact palette; the fixed palette Qt falls back to has only six grey levels, which turns the
// wheel's smooth shading into coarse dither noise.
QVector<QRgb> MedianCutPalette(const QImage& img, int maxColours) {
    struct TEntry {
        QRgb rgb;
        int count;
    };
    std::vector<TEntry> colours;
    {
        std::vector<QRgb> px;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) px.push_back(img.pixel(x, y) | 0xFF000000u);
        std::sort(px.begin(), px.end());
        for (QRgb c : px) {
            if (!colours.empty() && colours.back().rgb == c)
                ++colours.back().count;
            else
                colours.push_back({c, 1});
        }
    }
    auto channel = [](QRgb c, int ch) {
        return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c);
    };
    struct TBox {
        size_t begin, end;  // range in colours
    };
    auto widest = [&](const TBox& b, int* range) {
        int best = 0;
        *range = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (size_t i = b.begin; i < b.end; ++i) {
                lo = std::min(lo, channel(colours[i].rgb, ch));
                hi = std::max(hi, channel(colours[i].rgb, ch));
            }
            if (hi - lo > *range) {
                *range = hi - lo;
                best = ch;
            }
        }
        return best;
    };
    std::vector<TBox> boxes = {{0, colours.size()}};
    while (static_cast<int>(boxes.size()) < maxColours) {
        // Split the box with the widest channel range that still holds two colours.
        int pick = -1, pickRange = 0, pickChannel = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2) continue;
            int range = 0;
            const int ch = widest(boxes[i], &range);
            if (range > pickRange) {
                pick = static_cast<int>(i);
                pickRange = range;
                pickChannel = ch;
            }
        }
        if (pick < 0) break;
        TBox& b = boxes[pick];
        std::stable_sort(colours.begin() + b.begin, colours.begin() + b.end,
                         [&](const TEntry& l, const TEntry& r) {
                             return channel(l.rgb, pickChannel) < channel(r.rgb, pickChannel);
                         });
        long total = 0;
        for (size_t i = b.begin; i < b.end; ++i) total += colours[i].count;
        size_t mid = b.begin + 1;
        for (long seen = colours[b.begin].count; mid < b.end - 1 && seen * 2 < total; ++mid)
            seen += colours[mid].count;
        const TBox upper{mid, b.end};
        b.end = mid;
        boxes.push_back(upper);
    }
    QVector<QRgb> palette;
    for (const TBox& b : boxes) {
        double r = 0, g = 0, bl = 0, n = 0;
        for (size_t i = b.begin; i < b.end; ++i) {
            r += qRed(colours[i].rgb) * double(colours[i].count);
            g += qGreen(colours[i].rgb) * double(colours[i].count);
            bl += qBlue(colours[i].rgb) * double(colours[i].count);
            n += colours[i].count;
        }
        palette.push_back(qRgb(Channel(r / n), Channel(g / n), Channel(bl / n)));
    }
    return palette;
}

// The 256-colour form for palette displays. Images with at most 256 colours convert exactly;
// the others are mapped to the nearest colour of a median-cut palette.
QImage ToPalette(const QImage& img) {
    QSet<QRgb> seen;
    for (int y = 0; y < img.height() && seen.size() <= 256; ++y)
        for (int x = 0; x < img.width(); ++x) seen.insert(img.pixel(x, y));
    if (seen.size() <= 256) return img.convertToFormat(QImage::Format_Indexed8);
    return img.convertToFormat(QImage::Format_Indexed8, MedianCutPalette(img, 256),
                               Qt::ThresholdDither);
}

// Puts the tiles of a two-octave keyboard together the way the keyboard control does (white
// tiles cut at multiples of the tile width, black-key images pasted at their offsets), with a
// few keys pressed, so the preview shows how the strips look in use.
QImage ComposeKeyboard(const QImage& up, const QImage& down, const TKeyGeometry& g) {
    const int w = g.whiteWidth, bw = g.blackWidth;
    const QImage upBlack = up.copy(g.blackOffsets[0], 0, bw, kBlackHeight);
    const QImage downBlack = down.copy(g.blackOffsets[0], 0, bw, kBlackHeight);
    QImage upStrip = up, downStrip = down;
    {
        QPainter pu(&upStrip), pd(&downStrip);
        for (int off : g.blackOffsets) {
            pu.drawImage(off, 0, upBlack);
            pd.drawImage(off, 0, upBlack);
        }
    }
    // Semitones held down in each octave: a chord in the first, single keys in the second.
    const std::array<std::vector<int>, 2> held = {{{0, 4, 7, 10}, {1, 5, 11}}};
    const std::array<int, 7> whiteSemis = {0, 2, 4, 5, 7, 9, 11};
    const std::array<int, 5> blackSemis = {1, 3, 6, 8, 10};
    QImage kb(14 * w, kKeyHeight, QImage::Format_RGB32);
    QPainter p(&kb);
    for (int o = 0; o < 2; ++o) {
        auto isHeld = [&](int semi) {
            return std::find(held[o].begin(), held[o].end(), semi) != held[o].end();
        };
        for (int i = 0; i < 7; ++i) {
            const QImage& src = isHeld(whiteSemis[i]) ? downStrip : upStrip;
            p.drawImage((o * 7 + i) * w, 0, src.copy(i * w, 0, w, kKeyHeight));
        }
        for (int k = 0; k < 5; ++k)
            p.drawImage(o * 7 * w + g.blackOffsets[k], 0,
                        isHeld(blackSemis[k]) ? downBlack : upBlack);
    }
    return kb;
}

QImage DrawPreview(const std::vector<TArtwork>& art) {
    constexpr int kScale = 3, kGap = 12;
    std::vector<QImage> rows;
    for (const TArtwork& a : art) {
        if (a.name.startsWith(QLatin1String("UP"))) {
            // Released and pressed strips of one size side by side, then the assembled keyboard.
            const auto& down = *std::find_if(art.begin(), art.end(), [&](const TArtwork& b) {
                return b.name == QStringLiteral("DOWN") + a.name.mid(2);
            });
            const TKeyGeometry& g = *std::find_if(
                kKeySizes.begin(), kKeySizes.end(),
                [&](const TKeyGeometry& k) { return a.name.mid(2) == QLatin1String(k.name); });
            const QImage kb = ComposeKeyboard(a.image, down.image, g);
            const QImage kb256 =
                ComposeKeyboard(ToPalette(a.image).convertToFormat(QImage::Format_RGB32),
                                ToPalette(down.image).convertToFormat(QImage::Format_RGB32), g);
            QImage row(a.image.width() * 2 + kb.width() * 2 + 3 * kGap, kKeyHeight,
                       QImage::Format_RGB32);
            row.fill(QColor(128, 128, 128));
            QPainter p(&row);
            p.drawImage(0, 0, a.image);
            p.drawImage(a.image.width() + kGap, 0, down.image);
            p.drawImage(2 * (a.image.width() + kGap), 0, kb);
            p.drawImage(2 * (a.image.width() + kGap) + kb.width() + kGap, 0, kb256);
            rows.push_back(row);
        } else if (a.name == QLatin1String("WHEEL")) {
            // Frames 0..40 in two rows so the preview stays a reasonable width.
            for (int half = 0; half < 2; ++half) {
                const int first = half * 21, count = half == 0 ? 21 : 20;
                rows.push_back(a.image.copy(first * kWheelFrameWidth, 0, count * kWheelFrameWidth,
                                            kStripHeight));
            }
        } else if (a.name == QLatin1String("LEFTARROW")) {
            const auto& right = art[&a - &art[0] + 1];
            QImage tiled(kTileWidth * 5, kTileHeight * 2, QImage::Format_RGB32);
            const auto& bg = art.back();
            {
                QPainter p(&tiled);
                for (int ty = 0; ty < 2; ++ty)
                    for (int tx = 0; tx < 5; ++tx)
                        p.drawImage(tx * kTileWidth, ty * kTileHeight, bg.image);
                p.setPen(Qt::white);
                p.drawText(QRect(0, 0, tiled.width(), tiled.height()), Qt::AlignCenter,
                           QStringLiteral("Channel 1"));
            }
            QImage row(2 * 32 + kGap + tiled.width() + kGap, kStripHeight, QImage::Format_RGB32);
            row.fill(QColor(128, 128, 128));
            QPainter p(&row);
            p.drawImage(0, 0, a.image);
            p.drawImage(32 + kGap / 2, 0, right.image);
            p.drawImage(64 + kGap, 0, tiled);
            rows.push_back(row);
        }
    }
    int width = 0, height = kGap;
    for (const QImage& r : rows) {
        width = std::max(width, r.width() * kScale);
        height += r.height() * kScale + kGap;
    }
    QImage preview(width + 2 * kGap, height, QImage::Format_RGB32);
    preview.fill(QColor(128, 128, 128));
    QPainter p(&preview);
    int y = kGap;
    for (const QImage& r : rows) {
        p.drawImage(kGap, y,
                    r.scaled(r.size() * kScale, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        y += r.height() * kScale + kGap;
    }
    return preview;
}

}  // namespace

int main(int argc, char** argv) {
    // Text in the preview needs fonts, hence a GUI application; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    QString outDir, preview;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--preview") && i + 1 < args.size())
            preview = args[++i];
        else if (outDir.isEmpty() && !args[i].startsWith(QLatin1String("--")))
            outDir = args[i];
        else {
            outDir.clear();
            break;
        }
    }
    if (outDir.isEmpty()) {
        err << "usage: tastra_artgen OUTPUT_FOLDER [--preview PREVIEW.png]\n";
        return 2;
    }
    if (!QDir().mkpath(outDir)) {
        err << "cannot create folder " << outDir << "\n";
        return 1;
    }
    const std::vector<TArtwork> art = DrawAll();
    for (const TArtwork& a : art) {
        QList<std::pair<QString, QImage>> files = {{a.name, a.image}};
        if (a.withPaletteVariant)
            files.append({a.name + QStringLiteral("256"), ToPalette(a.image)});
        for (const auto& [name, image] : files) {
            const QString path = QDir(outDir).filePath(name + QStringLiteral(".png"));
            if (!image.save(path, "PNG")) {
                err << "cannot write " << path << "\n";
                return 1;
            }
        }
    }
    if (!preview.isEmpty() && !DrawPreview(art).save(preview, "PNG")) {
        err << "cannot write " << preview << "\n";
        return 1;
    }
    return 0;
}
