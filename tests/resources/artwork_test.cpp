#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <array>
#include <cstdlib>
#include <ostream>
#include <vector>

#include "resources/decodedart.h"

namespace {

struct TResourceSize {
    const char* path;
    int width;
    int height;
};

class ArtworkResourceTest : public ::testing::TestWithParam<TResourceSize> {};

TEST_P(ArtworkResourceTest, LoadsWithExactSize) {
    const TResourceSize& r = GetParam();
    const QImage img(QString::fromLatin1(r.path));
    ASSERT_FALSE(img.isNull()) << r.path;
    EXPECT_EQ(img.width(), r.width) << r.path;
    EXPECT_EQ(img.height(), r.height) << r.path;
}

INSTANTIATE_TEST_SUITE_P(AllBitmaps, ArtworkResourceTest,
                         ::testing::Values(TResourceSize{":/keys/UPSMALL.png", 105, 76},
                                           TResourceSize{":/keys/DOWNSMALL.png", 105, 76},
                                           TResourceSize{":/keys/UPSMALL256.png", 105, 76},
                                           TResourceSize{":/keys/DOWNSMALL256.png", 105, 76},
                                           TResourceSize{":/keys/UPNORMAL.png", 140, 76},
                                           TResourceSize{":/keys/DOWNNORMAL.png", 140, 76},
                                           TResourceSize{":/keys/UPNORMAL256.png", 140, 76},
                                           TResourceSize{":/keys/DOWNNORMAL256.png", 140, 76},
                                           TResourceSize{":/keys/UPBIG.png", 189, 76},
                                           TResourceSize{":/keys/DOWNBIG.png", 189, 76},
                                           TResourceSize{":/keys/UPBIG256.png", 189, 76},
                                           TResourceSize{":/keys/DOWNBIG256.png", 189, 76},
                                           TResourceSize{":/strips/WHEEL.png", 820, 76},
                                           TResourceSize{":/strips/WHEEL256.png", 820, 76},
                                           TResourceSize{":/strips/LEFTARROW.png", 32, 76},
                                           TResourceSize{":/strips/RIGHTARROW.png", 32, 76},
                                           TResourceSize{":/background/BACKGROUND.png", 47, 42},
                                           TResourceSize{":/background/BACKGROUND256.png", 47,
                                                         42}));

int Lum(const QImage& img, int x, int y) { return qGray(img.pixel(x, y)); }

double MeanLum(const QImage& img, int x0, int y0, int x1, int y1) {
    double sum = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) sum += Lum(img, x, y);
    return sum / ((x1 - x0 + 1) * (y1 - y0 + 1));
}

// ---------------------------------------------------------------------------------------------
// Key strips: the keyboard cuts tiles of (width / 7) columns and pastes the black-key image
// cut at the first offset, so the black keys must sit exactly in their columns and rows.

struct TKeyStrip {
    const char* size;
    int whiteWidth;
    std::array<int, 5> offsets;
    int blackWidth;
};

void PrintTo(const TKeyStrip& g, std::ostream* os) { *os << g.size; }

constexpr int kBlackRows = 41;
constexpr int kLowerTop = 45;     // white-key area below the black keys and their shadow
constexpr int kLowerBottom = 66;  // above the front lip

class KeyStripTest : public ::testing::TestWithParam<std::tuple<TKeyStrip, const char*>> {
protected:
    QImage Load() const {
        const auto& [g, variant] = GetParam();
        return QImage(QStringLiteral(":/keys/%1%2%3.png")
                          .arg(QLatin1String(variant).startsWith(QLatin1String("UP"))
                                   ? QStringLiteral("UP")
                                   : QStringLiteral("DOWN"),
                               QLatin1String(g.size),
                               QLatin1String(variant).endsWith(QLatin1String("256"))
                                   ? QStringLiteral("256")
                                   : QString()))
            .convertToFormat(QImage::Format_RGB32);
    }
};

TEST_P(KeyStripTest, BlackKeysAreDarkExactlyInTheirColumnsAndRows) {
    const TKeyStrip& g = std::get<0>(GetParam());
    const QImage img = Load();
    ASSERT_FALSE(img.isNull());
    for (int off : g.offsets) {
        for (int x = off; x < off + g.blackWidth; ++x)
            for (int y = 0; y < kBlackRows; ++y)
                ASSERT_LT(Lum(img, x, y), 130) << "x " << x << " y " << y;
        EXPECT_LT(MeanLum(img, off, 0, off + g.blackWidth - 1, kBlackRows - 1), 70) << off;
        // The columns just beside the key and the row just below it are white-key surface.
        EXPECT_GT(Lum(img, off - 1, 20), 150) << "left of " << off;
        EXPECT_GT(Lum(img, off + g.blackWidth, 20), 150) << "right of " << off;
        EXPECT_GT(Lum(img, off + g.blackWidth / 2, kBlackRows), 130) << "below " << off;
    }
}

TEST_P(KeyStripTest, WhiteKeysAreLightWithDarkSeparatorsAtTileEdges) {
    const TKeyStrip& g = std::get<0>(GetParam());
    const QImage img = Load();
    ASSERT_EQ(img.width(), 7 * g.whiteWidth);
    for (int key = 0; key < 7; ++key) {
        const int left = key * g.whiteWidth;
        const int sep = left + g.whiteWidth - 1;
        for (int y = kLowerTop; y <= kLowerBottom; ++y) {
            for (int x = left; x < sep; ++x) ASSERT_GT(Lum(img, x, y), 150) << x << "," << y;
            ASSERT_LT(Lum(img, sep, y), Lum(img, sep - 1, y) - 60) << "separator " << sep;
        }
        // The front lip is darker than the key's top surface.
        EXPECT_LT(Lum(img, left + 2, 75), Lum(img, left + 2, kLowerBottom) - 30);
    }
}

const std::array<TKeyStrip, 3> kStrips = {{
    {"SMALL", 15, {9, 28, 54, 71, 88}, 8},
    {"NORMAL", 20, {12, 37, 72, 95, 117}, 11},
    {"BIG", 27, {16, 50, 97, 128, 158}, 15},
}};

INSTANTIATE_TEST_SUITE_P(AllKeyStrips, KeyStripTest,
                         ::testing::Combine(::testing::ValuesIn(kStrips),
                                            ::testing::Values("UP", "DOWN", "UP256", "DOWN256")));

class KeyPressedLookTest : public ::testing::TestWithParam<TKeyStrip> {};

TEST_P(KeyPressedLookTest, PressedKeysLookClearlyDifferent) {
    const TKeyStrip& g = GetParam();
    const QImage up(QStringLiteral(":/keys/UP%1.png").arg(QLatin1String(g.size)));
    const QImage down(QStringLiteral(":/keys/DOWN%1.png").arg(QLatin1String(g.size)));
    ASSERT_FALSE(up.isNull());
    ASSERT_FALSE(down.isNull());
    const int w = 7 * g.whiteWidth;
    // Pressed white keys are shaded darker; pressed black keys are lighter.
    EXPECT_LT(MeanLum(down, 0, kLowerTop, w - 1, kLowerBottom),
              MeanLum(up, 0, kLowerTop, w - 1, kLowerBottom) - 10);
    const int off = g.offsets[0];
    EXPECT_GT(MeanLum(down, off, 0, off + g.blackWidth - 1, kBlackRows - 1),
              MeanLum(up, off, 0, off + g.blackWidth - 1, kBlackRows - 1) + 5);
}

INSTANTIATE_TEST_SUITE_P(AllSizes, KeyPressedLookTest, ::testing::ValuesIn(kStrips));

// ---------------------------------------------------------------------------------------------
// Palette forms

class PaletteVariantTest : public ::testing::TestWithParam<const char*> {};

TEST_P(PaletteVariantTest, IsIndexedAndCloseToTheTrueColourForm) {
    const QString base = QLatin1String(GetParam());
    const QImage full(base + QStringLiteral(".png"));
    const QImage pal(base + QStringLiteral("256.png"));
    ASSERT_FALSE(full.isNull());
    ASSERT_FALSE(pal.isNull());
    EXPECT_EQ(pal.format(), QImage::Format_Indexed8);
    EXPECT_GT(pal.colorCount(), 0);
    EXPECT_LE(pal.colorCount(), 256);
    ASSERT_EQ(pal.size(), full.size());
    // A broken palette (wrong colours, dither noise) shows up as a large mean difference.
    double diff = 0;
    for (int y = 0; y < full.height(); ++y)
        for (int x = 0; x < full.width(); ++x) {
            const QRgb a = full.pixel(x, y), b = pal.pixel(x, y);
            diff += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                    std::abs(qBlue(a) - qBlue(b));
        }
    EXPECT_LT(diff / (3.0 * full.width() * full.height()), 4.0);
}

INSTANTIATE_TEST_SUITE_P(AllPaletteForms, PaletteVariantTest,
                         ::testing::Values(":/keys/UPSMALL", ":/keys/DOWNSMALL", ":/keys/UPNORMAL",
                                           ":/keys/DOWNNORMAL", ":/keys/UPBIG", ":/keys/DOWNBIG",
                                           ":/strips/WHEEL", ":/background/BACKGROUND"));

// ---------------------------------------------------------------------------------------------
// Wheel and arrows

constexpr int kWheelFrame = 20;

// Row of the wheel's brightest band (the marking) inside one frame.
int BrightestRow(const QImage& strip, int frame) {
    int best = 0;
    double bestLum = -1;
    for (int y = 0; y < strip.height(); ++y) {
        const double l = MeanLum(strip, frame * kWheelFrame + 6, y, frame * kWheelFrame + 13, y);
        if (l > bestLum) {
            bestLum = l;
            best = y;
        }
    }
    return best;
}

bool FramesEqual(const QImage& strip, int frameWidth, int a, int b) {
    return strip.copy(a * frameWidth, 0, frameWidth, strip.height()) ==
           strip.copy(b * frameWidth, 0, frameWidth, strip.height());
}

class WheelStripTest : public ::testing::TestWithParam<const char*> {};

TEST_P(WheelStripTest, MarkMovesFromBottomThroughCentreToTop) {
    const QImage wheel = QImage(QLatin1String(GetParam())).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(wheel.width(), 41 * kWheelFrame);
    EXPECT_FALSE(FramesEqual(wheel, kWheelFrame, 20, 0));
    EXPECT_FALSE(FramesEqual(wheel, kWheelFrame, 20, 40));
    EXPECT_FALSE(FramesEqual(wheel, kWheelFrame, 0, 40));
    const int centre = BrightestRow(wheel, 20);
    EXPECT_NEAR(centre, 38, 3);
    EXPECT_GT(BrightestRow(wheel, 0), centre + 20);
    EXPECT_LT(BrightestRow(wheel, 40), centre - 20);
    // Monotonic: each frame's mark is at or above the previous one's.
    for (int f = 1; f < 41; ++f) EXPECT_LE(BrightestRow(wheel, f), BrightestRow(wheel, f - 1)) << f;
}

INSTANTIATE_TEST_SUITE_P(BothForms, WheelStripTest,
                         ::testing::Values(":/strips/WHEEL.png", ":/strips/WHEEL256.png"));

// Column with the most bright (arrow) pixels in a frame: the flat back of the triangle.
int ArrowBackColumn(const QImage& strip, int frame) {
    int best = 0, bestCount = -1;
    for (int x = 0; x < 16; ++x) {
        int count = 0;
        for (int y = 0; y < strip.height(); ++y) count += Lum(strip, frame * 16 + x, y) > 180;
        if (count > bestCount) {
            bestCount = count;
            best = x;
        }
    }
    return best;
}

TEST(ArrowStripTest, FramesDifferAndArrowsPointTheirWay) {
    const QImage left(":/strips/LEFTARROW.png");
    const QImage right(":/strips/RIGHTARROW.png");
    ASSERT_FALSE(left.isNull());
    ASSERT_FALSE(right.isNull());
    EXPECT_FALSE(FramesEqual(left, 16, 0, 1));
    EXPECT_FALSE(FramesEqual(right, 16, 0, 1));
    for (int frame = 0; frame < 2; ++frame) {
        EXPECT_GT(ArrowBackColumn(left, frame), 8) << frame;
        EXPECT_LT(ArrowBackColumn(right, frame), 8) << frame;
    }
}

TEST(BackgroundTileTest, IsDarkAndTilesWithoutVisibleSeams) {
    const QImage tile = QImage(":/background/BACKGROUND.png").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(tile.isNull());
    EXPECT_LT(MeanLum(tile, 0, 0, tile.width() - 1, tile.height() - 1), 50);
    // The step across the wrap edge must be no larger than a typical step inside the tile.
    auto colStep = [&](int a, int b) {
        double s = 0;
        for (int y = 0; y < tile.height(); ++y) s += std::abs(Lum(tile, a, y) - Lum(tile, b, y));
        return s / tile.height();
    };
    auto rowStep = [&](int a, int b) {
        double s = 0;
        for (int x = 0; x < tile.width(); ++x) s += std::abs(Lum(tile, x, a) - Lum(tile, x, b));
        return s / tile.width();
    };
    double inner = 0;
    for (int x = 1; x < tile.width(); ++x) inner = std::max(inner, colStep(x - 1, x));
    EXPECT_LE(colStep(tile.width() - 1, 0), inner);
    inner = 0;
    for (int y = 1; y < tile.height(); ++y) inner = std::max(inner, rowStep(y - 1, y));
    EXPECT_LE(rowStep(tile.height() - 1, 0), inner);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Artwork decoded at build time

// Every picture decoded while building is the PNG it stands for, pixel for pixel: a stale or
// misread conversion would show the wrong keys or wheel.
TEST(DecodedArt, EveryPictureIsItsPngAndUnknownPathsDecodeTheResource) {
    ASSERT_GT(kDecodedArtCount, 0);
    for (int i = 0; i < kDecodedArtCount; ++i) {
        const QString path = QString::fromLatin1(kDecodedArt[i].resource);
        const QImage decoded = ArtImage(path);
        const QImage png = QImage(path).convertToFormat(decoded.format());
        ASSERT_FALSE(png.isNull()) << kDecodedArt[i].resource;
        EXPECT_EQ(decoded, png) << kDecodedArt[i].resource;
    }
    // The 256-colour variants are not decoded in advance: they come from the resource.
    const QImage palette = ArtImage(QStringLiteral(":/strips/WHEEL256.png"));
    EXPECT_EQ(palette.size(), QSize(820, 76));
    EXPECT_TRUE(ArtImage(QStringLiteral(":/keys/NOSUCH.png")).isNull());
}
