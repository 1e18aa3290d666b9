#include "keyboard/keylabels.h"

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

namespace {

double Luminance(const QColor& c) {
    auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

}  // namespace

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor TextColourOn(const QColor& fill) {
    // Black text wins from about the middle grey up; one of the two always reaches 4.5:1.
    return Contrast(fill, Qt::black) >= Contrast(fill, Qt::white) ? QColor(Qt::black)
                                                                  : QColor(Qt::white);
}

QColor DefaultPressedColour() {
    // A light blue: the dot of a marked key (silver) and the black keys still show on it.
    return QColor(0x7F, 0xB2, 0xE8);
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

}  // namespace keylabels
