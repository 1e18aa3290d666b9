#include "keyboard/labellayout.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetricsF>
#include <map>
#include <set>

namespace {

// The program's font at a size that lets labels grow beyond the smallest.
QFont BaseFont() {
    QFont f;
    f.setPixelSize(40);
    return f;
}

TLabelKey Key(int note, QRect room, QStringList legends, QString name = {},
              QString shortName = {}) {
    TLabelKey k;
    k.note = note;
    k.black = false;
    k.room = room;
    k.legends = std::move(legends);
    k.name = std::move(name);
    k.shortName = std::move(shortName);
    return k;
}

std::map<int, QStringList> Texts(const std::vector<TKeyLabel>& labels) {
    std::map<int, QStringList> texts;
    for (const TKeyLabel& l : labels) texts[l.note] = l.Texts();
    return texts;
}

}  // namespace

TEST(LabelLayout, EveryLineReadsAndEachKindTakesOneSize) {
    const TLabelLayout layout(BaseFont());
    EXPECT_GE(QFontMetricsF(layout.Font(layout.MinPixels())).capHeight(),
              TLabelLayout::kMinCapHeight);
    EXPECT_LT(QFontMetricsF(layout.Font(layout.MinPixels() - 1)).capHeight(),
              TLabelLayout::kMinCapHeight);
    // A narrow letter and a wide one, a short name and a long one, on keys of one width: the
    // wide texts set the size of their kind, the narrow ones do not grow beside them.
    const QRect room(0, 0, 18, 200);
    std::vector<TLabelKey> keys = {Key(60, room, {"I"}, "C4", "C"), Key(62, room, {"W"}, "D4", "D"),
                                   Key(64, room.translated(18, 0), {"1"}, "E-1", "E")};
    const std::vector<TKeyLabel> labels = layout.Layout(keys);
    ASSERT_EQ(labels.size(), 3u);
    std::map<bool, std::set<int>> sizes;
    for (const TKeyLabel& l : labels)
        for (const TLabelLine& line : l.lines) {
            sizes[line.legend].insert(line.pixels);
            EXPECT_GE(line.pixels, layout.MinPixels());
            EXPECT_LE(line.pixels, layout.MaxPixels());
        }
    EXPECT_EQ(sizes[true].size(), 1u);
    EXPECT_EQ(sizes[false].size(), 1u);
    EXPECT_EQ(*sizes[true].begin(), layout.KindPixels(keys, false, true));
    // The sizes are as large as the widest text allows.
    EXPECT_GT(layout.LineInk("W", *sizes[true].begin() + 1).width(), room.width());
}

TEST(LabelLayout, TextsThatDoNotFitAreShortenedInOrderThenLeftOut) {
    const TLabelLayout layout(BaseFont());
    const int px = layout.MinPixels();
    const int line = layout.LineInk("C", px).height();
    const int gap = TLabelLayout::Gap(px);
    const int wideName = layout.LineInk("C-2", px).width();
    struct TCase {
        const char* what;
        int width, lines;  // the room: a width, and a height of so many lines
        bool marked;
        QStringList legends;
        QStringList expected;  // empty: left out
    };
    const int narrow = wideName - 1;
    const TCase cases[] = {
        {"all fits", 3 * wideName, 2, false, {"Q", "A"}, {"Q A", "C-2"}},
        {"octave on its own line", narrow, 3, false, {"Q"}, {"Q", "C", "-2"}},
        {"legends stacked", narrow, 4, false, {"Q", "A"}, {"Q", "A", "C", "-2"}},
        {"name goes before the legend", narrow, 1, false, {"Q"}, {"Q"}},
        {"first legend marked as shortened",
         layout.LineInk(QString("Q") + QChar(0x2026), px).width(),
         1,
         false,
         {"Q", "A", ","},
         {QString("Q") + QChar(0x2026)}},
        {"marked key: legend alone", 3 * wideName, 3, true, {"Q"}, {"Q"}},
        {"marked key without legend: its name", 3 * wideName, 1, true, {}, {"C-2"}},
        {"a name without room for its octave", narrow, 1, false, {}, {}},
        {"too narrow for anything", layout.LineInk("Q", px).width() - 1, 3, false, {"Q"}, {}},
        {"too low for anything", 3 * wideName, 0, false, {"Q"}, {}},
    };
    for (const TCase& c : cases) {
        TLabelKey key = Key(0, QRect(0, 0, c.width, c.lines * line + (c.lines - 1) * gap),
                            c.legends, "C-2", "C");
        key.marked = c.marked;
        // A key that has room for a "W" at the smallest size only keeps both kinds there.
        const TLabelKey other =
            Key(2, QRect(100, 0, layout.LineInk("W", px).width(), 4 * line), {"W"}, "W", "W");
        const auto texts = Texts(layout.Layout({key, other}));
        const auto it = texts.find(0);
        EXPECT_EQ(it == texts.end() ? QStringList() : it->second, c.expected) << c.what;
    }
}

TEST(LabelLayout, LinesStandInsideTheRoomOnItsBottom) {
    const TLabelLayout layout(BaseFont());
    const QRect room(30, 10, 24, 70);
    TLabelKey key = Key(61, room, {"\u00dc", "q"}, "Sol#4", "Sol#");
    key.black = true;
    const std::vector<TKeyLabel> labels = layout.Layout({key});
    ASSERT_EQ(labels.size(), 1u);
    const TKeyLabel& label = labels[0];
    const std::vector<QPoint> origins = layout.Origins(label);
    ASSERT_EQ(origins.size(), label.lines.size());
    int bottom = 0;
    for (size_t i = 0; i < origins.size(); ++i) {
        const QRect ink =
            layout.LineInk(label.lines[i].text, label.lines[i].pixels).translated(origins[i]);
        EXPECT_TRUE(room.contains(ink)) << label.lines[i].text.toStdString();
        if (i > 0) {
            EXPECT_GT(ink.top(), bottom) << "lines overlap";
        }
        bottom = ink.bottom();
    }
    EXPECT_EQ(bottom, room.bottom());
}
