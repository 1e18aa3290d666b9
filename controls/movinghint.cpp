#include "controls/movinghint.h"

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
}

void TMovingHint::ShowAt(QWidget* control, const QString& text) {
    if (!control) return;
    m_text = text;
    // One line when it fits the longest line, else wrapped at that width; the label measures
    // itself, so the box always holds the lines it draws.
    setWordWrap(false);
    setText(text);
    QSize size = sizeHint();
    const int maxWidth = kMaxTextWidth + 2 * (kPadding + frameWidth());
    if (size.width() > maxWidth) {
        setWordWrap(true);
        size = QSize(maxWidth, heightForWidth(maxWidth));
    }
    resize(size);
    move(control->mapToGlobal(QPoint(control->width() + 2, 0)));
    if (!isVisible()) show();
    raise();
}
