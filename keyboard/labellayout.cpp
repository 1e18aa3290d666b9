#include "keyboard/labellayout.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

QStringList TKeyLabel::Texts() const {
    QStringList texts;
    for (const TLabelLine& line : lines) texts << line.text;
    return texts;
}

TLabelLayout::TLabelLayout(const QFont& base) : m_base(base) {
    // A face that is narrower at the same height gives a key's few pixels more letters.
    m_base.setStretch(QFont::Condensed);
    m_minPixels = 6;
    while (m_minPixels < 64 && QFontMetricsF(Font(m_minPixels)).capHeight() < kMinCapHeight)
        ++m_minPixels;
    m_maxPixels = std::max(QFontInfo(base).pixelSize(), m_minPixels);
}

QFont TLabelLayout::Font(int pixels) const {
    QFont f = m_base;
    f.setPixelSize(pixels);
    return f;
}

QRect TLabelLayout::LineInk(const QString& text, int pixels) const {
    const QString key = text + QLatin1Char('\x1f') + QString::number(pixels);
    auto cached = m_inks.constFind(key);
    if (cached != m_inks.constEnd()) return *cached;
    const QFontMetrics fm(Font(pixels));
    const QRect r = fm.boundingRect(text);
    const int capTop = -static_cast<int>(std::ceil(QFontMetricsF(Font(pixels)).capHeight()));
    const int top = std::min(r.top(), capTop);
    const int bottom = std::max(r.bottom(), 0);
    const QRect ink(r.left(), top, r.width(), bottom - top + 1);
    if (m_inks.size() > 8192) m_inks.clear();
    m_inks.insert(key, ink);
    return ink;
}

QSize TLabelLayout::BlockSize(const std::vector<TLabelLine>& lines) const {
    int width = 0, height = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const QRect ink = LineInk(lines[i].text, lines[i].pixels);
        width = std::max(width, ink.width());
        height += ink.height() + (i > 0 ? Gap(lines[i].pixels) : 0);
    }
    return {width, height};
}

bool TLabelLayout::FitsWidth(const QString& text, int pixels, int width) const {
    return LineInk(text, pixels).width() <= width;
}

int TLabelLayout::KindPixels(const std::vector<TLabelKey>& keys, bool black, bool legend) const {
    int pixels = 0;
    bool any = false;
    for (const TLabelKey& key : keys) {
        if (key.black != black) continue;
        // The largest size at which `text` fits in width and in `height`; 0 when it does not
        // fit even at the smallest.
        auto largest = [&](const QString& text, int height, int upTo) {
            auto fits = [&](int px) {
                const QRect ink = LineInk(text, px);
                return ink.width() <= key.room.width() && ink.height() <= height;
            };
            if (!fits(m_minPixels)) return 0;
            int lo = m_minPixels, hi = upTo;
            while (lo < hi) {
                const int mid = (lo + hi + 1) / 2;
                if (fits(mid))
                    lo = mid;
                else
                    hi = mid - 1;
            }
            return lo;
        };
        QStringList texts;
        int height = key.room.height();
        if (key.marked) {
            // The marked key has room for one line: its legend, else its name. That line
            // stands at the kind's size too, so the kind is no larger than it allows.
            bool legendFits = false;
            for (const QString& l : key.legends)
                legendFits = legendFits || largest(l, height, m_maxPixels) > 0;
            if (legend)
                texts = key.legends;
            else if (!legendFits && !key.name.isEmpty())
                texts << key.name;
        } else {
            texts = legend ? key.legends
                           : (key.name.isEmpty() ? QStringList() : QStringList{key.name});
            // A key that carries both kinds shares its height between a line of each.
            if (!key.legends.isEmpty() && !key.name.isEmpty())
                height = (height - Gap(m_maxPixels)) / 2;
        }
        for (const QString& text : texts) {
            any = true;
            // A text that does not fit even at the smallest size is shortened; it does not
            // make the others smaller.
            const int px = largest(text, height, pixels > 0 ? pixels : m_maxPixels);
            if (px > 0) pixels = px;
        }
    }
    if (!any) return 0;
    return pixels > 0 ? pixels : m_minPixels;
}

std::vector<std::vector<TLabelLine>> TLabelLayout::Candidates(const TLabelKey& key,
                                                              int legendPixels,
                                                              int namePixels) const {
    using TLines = std::vector<TLabelLine>;
    std::vector<TLines> legendForms, nameForms;
    const QStringList& legends = key.legends;
    if (!legends.isEmpty()) {
        auto legendLine = [&](const QString& text) { return TLabelLine{text, legendPixels, true}; };
        legendForms.push_back({legendLine(legends.join(QLatin1Char(' ')))});
        if (legends.size() > 1) {
            TLines stacked;
            for (const QString& l : legends) stacked.push_back(legendLine(l));
            legendForms.push_back(stacked);
            legendForms.push_back({legendLine(legends.first() + QChar(0x2026))});
            // One of them alone, the first that fits; the tooltip names them all.
            for (const QString& l : legends) legendForms.push_back({legendLine(l)});
        }
    }
    if (!key.name.isEmpty() && !key.nameHidden) {
        auto nameLine = [&](const QString& text) { return TLabelLine{text, namePixels, false}; };
        nameForms.push_back({nameLine(key.name)});
        if (!key.shortName.isEmpty() && key.shortName != key.name) {
            // Never without it: "C" alone could be any of the octaves.
            nameForms.push_back(
                {nameLine(key.shortName), nameLine(key.name.mid(key.shortName.size()))});
        }
    }
    std::vector<TLines> candidates;
    if (!key.marked)
        for (const TLines& name : nameForms)
            for (const TLines& legend : legendForms) {
                TLines both = legend;
                both.insert(both.end(), name.begin(), name.end());
                candidates.push_back(both);
            }
    candidates.insert(candidates.end(), legendForms.begin(), legendForms.end());
    candidates.insert(candidates.end(), nameForms.begin(), nameForms.end());
    return candidates;
}

std::vector<TKeyLabel> TLabelLayout::Layout(const std::vector<TLabelKey>& keys) const {
    if (!keys.empty() && keys == m_lastKeys) return m_lastLabels;
    int pixels[2][2];  // [black][legend]
    for (int b = 0; b < 2; ++b)
        for (int l = 0; l < 2; ++l) pixels[b][l] = KindPixels(keys, b, l);
    std::vector<TKeyLabel> labels;
    for (const TLabelKey& key : keys) {
        if (key.room.width() <= 0 || key.room.height() <= 0) continue;
        for (const auto& lines : Candidates(key, pixels[key.black][1], pixels[key.black][0])) {
            bool fits = true;
            for (const TLabelLine& line : lines)
                fits = fits && line.pixels >= m_minPixels &&
                       FitsWidth(line.text, line.pixels, key.room.width());
            if (!fits || BlockSize(lines).height() > key.room.height()) continue;
            labels.push_back({key.note, key.room, lines, QColor()});
            break;
        }
    }
    m_lastKeys = keys;
    m_lastLabels = labels;
    return labels;
}

std::vector<QPoint> TLabelLayout::Origins(const TKeyLabel& label) const {
    // The block stands on the bottom of the room; each line is centred on the room by its ink.
    std::vector<QPoint> origins;
    const QSize block = BlockSize(label.lines);
    int y = label.room.bottom() + 1 - block.height();
    const int centre2 = 2 * label.room.left() + label.room.width();
    for (size_t i = 0; i < label.lines.size(); ++i) {
        const QRect ink = LineInk(label.lines[i].text, label.lines[i].pixels);
        if (i > 0) y += Gap(label.lines[i].pixels);
        origins.push_back(QPoint((centre2 - ink.width()) / 2 - ink.left(), y - ink.top()));
        y += ink.height();
    }
    return origins;
}
