#include "platform/ui/textfit.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVariant>
#include <algorithm>

namespace textfit {

namespace {

constexpr char kDesignProperty[] = "textfitDesign";

QString Shown(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

bool IsLabel(const QWidget* w) { return qobject_cast<const QLabel*>(w) != nullptr; }

}  // namespace

QSize NeededSize(const QWidget* w) {
    w->ensurePolished();  // style sheets may change the font
    const QFontMetrics fm = w->fontMetrics();
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->wordWrap() || l->text().isEmpty()) return {};
        const int frame = 2 * (l->frameWidth() + l->margin()) + l->indent() * (l->indent() > 0);
        QSize s = fm.size(0, Shown(l->text()));
        return {s.width() + frame, s.height() + frame};
    }
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w))
        return w->sizeHint();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        if (b->text().isEmpty()) return {};
        return {fm.horizontalAdvance(Shown(b->text())) + 12, fm.height() + 6};
    }
    if (auto* g = qobject_cast<const QGroupBox*>(w))
        return {fm.horizontalAdvance(Shown(g->title())) + 16, 0};
    if (qobject_cast<const QAbstractSpinBox*>(w)) return w->minimumSizeHint();
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w))
        return {0, w->sizeHint().height()};
    return {};
}

QRect DesignGeometry(QWidget* w) {
    const QVariant v = w->property(kDesignProperty);
    if (v.isValid()) return v.toRect();
    w->setProperty(kDesignProperty, w->geometry());
    return w->geometry();
}

int FitRow(const std::vector<QWidget*>& row, int top) {
    // Measuring a text box or a spin box lays out its texts: once per control is enough.
    std::vector<QSize> need;
    need.reserve(row.size());
    int height = 0;
    for (QWidget* w : row) {
        need.push_back(NeededSize(w));
        const int h = need.back().height();
        height = std::max(height, IsLabel(w) ? h : std::max(h, DesignGeometry(w).height()));
    }
    int shift = 0;  // how far the controls so far were pushed right
    for (std::size_t i = 0; i < row.size(); ++i) {
        QWidget* w = row[i];
        const QRect design = DesignGeometry(w);
        const int width = std::max(design.width(), need[i].width());
        const int x = design.x() + shift;
        shift += width - design.width();
        if (IsLabel(w)) {
            const int h = std::max(design.height(), need[i].height());
            w->setGeometry(x, top + (height - h) / 2, width, h);
        } else {
            w->setGeometry(x, top, width, height);
        }
    }
    return height;
}

}  // namespace textfit
