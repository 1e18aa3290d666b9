#include "keyboard/updown.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QToolButton>

namespace {
// An arrow button that draws its own small triangle: the style's arrows vanish in buttons only
// eleven pixels high.
class TArrowButton : public QToolButton {
public:
    TArrowButton(bool up, QWidget* parent) : QToolButton(parent), m_up(up) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QStyleOptionToolButton opt;
        initStyleOption(&opt);
        opt.arrowType = Qt::NoArrow;
        opt.text.clear();
        style()->drawComplexControl(QStyle::CC_ToolButton, &opt, &p, this);
        const qreal cx = width() / 2.0, cy = height() / 2.0;
        const qreal w = std::min(7.0, width() - 6.0), h = std::min(4.0, height() - 4.0);
        QPolygonF tri;
        if (m_up)
            tri << QPointF(cx - w / 2, cy + h / 2) << QPointF(cx + w / 2, cy + h / 2)
                << QPointF(cx, cy - h / 2);
        else
            tri << QPointF(cx - w / 2, cy - h / 2) << QPointF(cx + w / 2, cy - h / 2)
                << QPointF(cx, cy + h / 2);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::ButtonText));
        p.drawPolygon(tri);
    }

private:
    bool m_up;
};
}  // namespace

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
    m_up = new TArrowButton(true, this);
    m_down = new TArrowButton(false, this);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setAutoRepeatDelay(400);
        b->setAutoRepeatInterval(80);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::pressed, this, [this] { m_held.start(); });
    }
    connect(m_up, &QToolButton::clicked, this,
            [this] { Step(AccelerationStep(m_held.isValid() ? m_held.elapsed() : 0)); });
    connect(m_down, &QToolButton::clicked, this,
            [this] { Step(-AccelerationStep(m_held.isValid() ? m_held.elapsed() : 0)); });
    // Laid out by a layout it keeps room for its arrows.
    setMinimumSize(16, 20);
}

void TUpDown::SetPosition(int v) {
    m_position = std::clamp(v, m_min, m_max);
    ShowInAssociate();
}

void TUpDown::SetAssociate(QLineEdit* edit) {
    m_associate = edit;
    ShowInAssociate();
}

void TUpDown::ShowInAssociate() {
    if (m_associate) m_associate->setText(QString::number(m_position));
}

void TUpDown::SetRange(int min, int max) {
    m_min = min;
    m_max = std::max(min, max);
    m_position = std::clamp(m_position, m_min, m_max);
    ShowInAssociate();
}

int TUpDown::AccelerationStep(qint64 ms) { return ms < 2000 ? 1 : (ms < 5000 ? 5 : 10); }

int TUpDown::Stepped(int position, int delta, int min, int max, bool wrap) {
    const long long v = static_cast<long long>(position) + delta;
    if (v > max) return wrap ? min : max;
    if (v < min) return wrap ? max : min;
    return static_cast<int>(v);
}

void TUpDown::Step(int delta) {
    if (!isEnabled()) return;
    m_position = Stepped(m_position, delta, m_min, m_max, m_wrap);
    ShowInAssociate();
    if (OnClick) OnClick(this);
}

void TUpDown::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

TNumberEdit::TNumberEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::returnPressed, this, [this] {
        if (OnExit) OnExit();
    });
}

void TNumberEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (OnEscape) OnEscape();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TNumberEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A popup (the edit's own context menu) or another program taking over does not leave the
    // field.
    const Qt::FocusReason r = event->reason();
    if (r != Qt::PopupFocusReason && r != Qt::ActiveWindowFocusReason && OnExit) OnExit();
}
