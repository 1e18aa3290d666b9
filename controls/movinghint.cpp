#include "controls/movinghint.h"

#include <QFontMetrics>

namespace {

constexpr int kPadding = 2;

}  // namespace

TMovingHint::TMovingHint(QWidget* owner)
    : QLabel(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                        Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setMargin(kPadding);
    setWordWrap(true);
}

void TMovingHint::ShowAt(QWidget* control, const QString& text) {
    if (!control) return;
    m_text = text;
    setText(text);
    const QRect bounds = fontMetrics().boundingRect(QRect(0, 0, kMaxTextWidth, 0),
                                                    Qt::TextWordWrap | Qt::TextExpandTabs, text);
    const int extra = 2 * (kPadding + frameWidth());
    resize(bounds.width() + extra, bounds.height() + extra);
    move(control->mapToGlobal(QPoint(control->width() + 2, 0)));
    if (!isVisible()) show();
    raise();
}
