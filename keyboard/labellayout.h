#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <vector>

// What a key's label may say and where it may go, as the keyboard sees it.
struct TLabelKey {
    int note = 0;
    bool black = false;
    // The part of the key the text may take (the dots left free).
    QRect room;
    // The legends of the computer keys that play the key, in order; empty: none shown.
    QStringList legends;
    // The note name with its octave and without; empty: no name shown.
    QString name;
    QString shortName;
    // The key would carry `name` in another state (pressed): it sizes the names of its kind,
    // so that a size does not change as keys go down and up, but shows none now.
    bool nameHidden = false;
    // The key's room is kept short by a mark: one line, and the legend before the name.
    bool marked = false;
    bool operator==(const TLabelKey& o) const {
        return note == o.note && black == o.black && room == o.room && legends == o.legends &&
               name == o.name && shortName == o.shortName && nameHidden == o.nameHidden &&
               marked == o.marked;
    }
};

// One line of a placed label.
struct TLabelLine {
    QString text;
    int pixels = 0;
    bool legend = false;
};

// A key's label as it is painted: its lines top to bottom, stacked at the bottom of `room`.
struct TKeyLabel {
    int note = 0;
    QRect room;
    std::vector<TLabelLine> lines;
    QColor colour;
    QStringList Texts() const;
};

// Lays out the labels of the visible keys. Four kinds of line (legends and note names, on white
// and on black keys) each take one size across the keys, as large as the font and the keys of the
// kind allow; no line is drawn with capitals shorter than kMinCapHeight. A text that does not fit
// at its kind's size is shortened, and when nothing fits the label is left out, never shrunk:
//   - a note name's octave moves to a line of its own; a name never shows without it;
//   - several legends stand one under the other, then the first stands with "…";
//   - the note name goes before the legend (the name can be read from the key's place, the key
//     that plays it cannot), and on a marked key, whose mark keeps room for one line, only the
//     legend stays;
//   - black keys, the narrowest, lose their labels first as keys grow narrower.
class TLabelLayout {
public:
    static constexpr double kMinCapHeight = 7.0;

    // base: the widget's font; labels are drawn in its condensed face and at most its size.
    explicit TLabelLayout(const QFont& base);

    QFont Font(int pixels) const;
    int MinPixels() const { return m_minPixels; }
    int MaxPixels() const { return m_maxPixels; }

    // The labels of `keys` (the keys of the whole visible stretch, so that the sizes do not
    // depend on which part is painted). Colours are left for the caller.
    std::vector<TKeyLabel> Layout(const std::vector<TLabelKey>& keys) const;

    // The size the kind of line takes across `keys`; 0 when no key carries one.
    int KindPixels(const std::vector<TLabelKey>& keys, bool black, bool legend) const;

    // Where a line's pixels lie at `pixels`, relative to its baseline at x = 0; capitals without
    // accents share one top, so lines of neighbouring keys stand on one baseline.
    QRect LineInk(const QString& text, int pixels) const;
    // The block the lines need, stacked with the gap between them.
    QSize BlockSize(const std::vector<TLabelLine>& lines) const;
    static int Gap(int pixels) { return std::max(1, pixels / 6); }
    // Where each line of a label is drawn from (its baseline's left end).
    std::vector<QPoint> Origins(const TKeyLabel& label) const;

private:
    bool FitsWidth(const QString& text, int pixels, int width) const;
    // The texts a key may show at the kind sizes, most complete first.
    std::vector<std::vector<TLabelLine>> Candidates(const TLabelKey& key, int legendPixels,
                                                    int namePixels) const;

    QFont m_base;
    // The last keys laid out and their labels: a repaint of one key asks again for the same.
    mutable std::vector<TLabelKey> m_lastKeys;
    mutable std::vector<TKeyLabel> m_lastLabels;
    int m_minPixels = 0;
    int m_maxPixels = 0;
    mutable QHash<QString, QRect> m_inks;
};
