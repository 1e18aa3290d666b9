#include "keyboard/keylabels.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "keyboard/keyboardmath.h"

namespace keylabels {

namespace {

// Flat names of the black keys C# D# F# G# A# as written in each language.
const char* const kFlatNames[3][5] = {{"Db", "Eb", "Gb", "Ab", "Bb"},
                                      {"Des", "Es", "Ges", "As", "B"},
                                      {"Reb", "Mib", "Solb", "Lab", "Sib"}};

// Middle lightness across the hues: contrast of at least 2.4 to white and to black.
const char* const kDefaultColours[16] = {"#E6194B", "#3CB44B", "#4363D8", "#F58231",
                                         "#911EB4", "#1FA3C4", "#D926C9", "#7A9A01",
                                         "#D35D8B", "#469990", "#8F6FD8", "#9A6324",
                                         "#C9A100", "#B03A2E", "#2E9E6E", "#5A5AB5"};

}  // namespace

QString NoteLabel(int note, int language, bool flats, int middleC, bool withOctave) {
    note = std::clamp(note, 0, 127);
    language = std::clamp(language, 0, 2);
    middleC = std::clamp(middleC, kMiddleCLowest, kMiddleCHighest);
    const int pc = note % 12;
    const int black = keymath::BlackIndex(pc);
    QString name = flats && black >= 0 ? QString::fromLatin1(kFlatNames[language][black])
                                       : QString::fromLatin1(keymath::PitchName(language, pc));
    if (withOctave) name += QString::number(note / 12 - 5 + middleC);
    return name;
}

TChannelPalette DefaultPalette() {
    TChannelPalette palette;
    for (int i = 0; i < 16; ++i) palette[i] = QColor(QString::fromLatin1(kDefaultColours[i]));
    return palette;
}

QString PaletteText(const TChannelPalette& palette) {
    QStringList parts;
    for (const QColor& c : palette) parts << c.name().mid(1).toUpper();
    return parts.join(QLatin1Char(','));
}

TChannelPalette PaletteFromText(const QString& text) {
    TChannelPalette palette = DefaultPalette();
    const QStringList parts = text.split(QLatin1Char(','));
    for (int i = 0; i < 16 && i < parts.size(); ++i) {
        const QString hex = parts[i].trimmed();
        const bool digits = hex.size() == 6 && std::all_of(hex.begin(), hex.end(), [](QChar c) {
                                return c.isDigit() || (c.toLower() >= 'a' && c.toLower() <= 'f');
                            });
        if (digits) palette[i] = QColor::fromRgb(hex.toUInt(nullptr, 16));
    }
    return palette;
}

QColor TextColourOn(const QColor& fill) {
    // Relative luminance; black text wins from about the middle grey up.
    auto lin = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const double l = 0.2126 * lin(fill.redF()) + 0.7152 * lin(fill.greenF()) +
                     0.0722 * lin(fill.blueF());
    return (l + 0.05) / 0.05 >= 1.05 / (l + 0.05) ? QColor(Qt::black) : QColor(Qt::white);
}

QRect LabelRoom(const QRect& face, const std::vector<QRect>& obstacles) {
    int top = face.bottom() + 1, bottom = face.top() - 1;
    for (const QRect& o : obstacles) {
        if (!o.intersects(face)) continue;
        top = std::min(top, o.top());
        bottom = std::max(bottom, o.bottom());
    }
    if (top > bottom) return face;
    const QRect above(face.left(), face.top(), face.width(), top - face.top());
    const QRect below(face.left(), bottom + 1, face.width(), face.bottom() - bottom);
    return above.height() >= below.height() ? above : below;
}

QFont LabelFont(const QFont& base, int pixels) {
    QFont f = base;
    f.setPixelSize(pixels);
    return f;
}

QRect LinesInk(const QStringList& lines, const QFont& base, int pixels) {
    const QFontMetrics fm(LabelFont(base, pixels));
    QRect ink;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const int advance = fm.horizontalAdvance(lines[i]);
        const int top = i * fm.height();
        // The line's box keeps the lines apart; its glyphs may reach beyond it (an accent over a
        // capital, a bearing at either end).
        ink |= QRect(-advance / 2, top, advance, fm.height());
        ink |= fm.boundingRect(lines[i]).translated(-advance / 2, top + fm.ascent());
    }
    return ink;
}

QSize LinesSize(const QStringList& lines, const QFont& base, int pixels) {
    return LinesInk(lines, base, pixels).size();
}

bool FitLabel(const std::vector<QStringList>& candidates, const QSize& room, const QFont& base,
              int maxPixels, TFitted& fitted) {
    if (room.width() <= 0 || room.height() <= 0 || maxPixels < kMinPixels) return false;
    auto fits = [&](const QStringList& lines, int px) {
        const QSize need = LinesSize(lines, base, px);
        return need.width() <= room.width() && need.height() <= room.height();
    };
    for (const QStringList& lines : candidates) {
        if (lines.isEmpty() || !fits(lines, kMinPixels)) continue;
        // The largest size that fits: text grows with the size, so halve the interval.
        int lo = kMinPixels, hi = maxPixels;
        while (lo < hi) {
            const int mid = (lo + hi + 1) / 2;
            if (fits(lines, mid))
                lo = mid;
            else
                hi = mid - 1;
        }
        fitted = {lines, lo};
        return true;
    }
    return false;
}

}  // namespace keylabels
