#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// Which keys carry their note name.
enum TKeyLabels { klNever, klCKeys, klPressed, klAlways };

using TChannelPalette = std::array<QColor, 16>;

// The texts on the keys and where they go: note names, the computer keys' legends and the
// colours of incoming channels. Free functions, so the rules are testable without a widget.
namespace keylabels {

constexpr int kMiddleCLowest = 3;
constexpr int kMiddleCHighest = 5;
// Smaller text is not readable; a label that would need it is left out.
constexpr int kMinPixels = 6;

// The note name on a key: the pitch in the language (0 International, 1 German, 2 Italian) with
// sharps or flats as musicians write them there (C#/Db, Cis/Des, Do#/Reb), then, when asked
// for, the octave counted so that middle C (note 60) is C`middleC`.
QString NoteLabel(int note, int language, bool flats, int middleC, bool withOctave);

// Sixteen colours, one per MIDI channel, each far enough from both white and black that a lit
// key of either colour shows.
TChannelPalette DefaultPalette();
// "RRGGBB" per channel, separated by commas; unreadable entries keep the defaults' colour.
QString PaletteText(const TChannelPalette& palette);
TChannelPalette PaletteFromText(const QString& text);
// Black or white, whichever reads better on `fill`.
QColor TextColourOn(const QColor& fill);

// The part of `face` a label may use: where obstacles (the dots) cross the face, the taller of
// the parts above and below them.
QRect LabelRoom(const QRect& face, const std::vector<QRect>& obstacles);

// The first candidate (lines top to bottom) that fits `room` with `base`'s family at a pixel
// size of at least kMinPixels and at most maxPixels, at the largest size it fits. Returns false
// when none fits.
struct TFitted {
    QStringList lines;
    int pixels = 0;
};
bool FitLabel(const std::vector<QStringList>& candidates, const QSize& room, const QFont& base,
              int maxPixels, TFitted& fitted);
// Where the lines' pixels lie at `pixels` when drawn one under the other, each centred on x = 0
// with its baseline at the font's ascent below the top of its line, the first line's top at 0.
QRect LinesInk(const QStringList& lines, const QFont& base, int pixels);
// The size the lines need at `pixels`: their ink's.
QSize LinesSize(const QStringList& lines, const QFont& base, int pixels);
QFont LabelFont(const QFont& base, int pixels);

}  // namespace keylabels
