#pragma once

#include <QColor>
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
// How far apart two colours are to the eye: the ratio of their relative luminances, each plus
// 0.05 (1 for equal, 21 for black on white).
double Contrast(const QColor& a, const QColor& b);
// What a pressed key is filled with when pressed keys are filled and channels keep no colours.
QColor DefaultPressedColour();

// The part of `face` a label may use: where obstacles (the dots) cross the face, the taller of
// the parts above and below them.
QRect LabelRoom(const QRect& face, const std::vector<QRect>& obstacles);

}  // namespace keylabels
