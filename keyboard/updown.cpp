#include "keyboard/updown.h"

#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
    m_up = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
    resize(16, 22);
}

void TUpDown::SetPosition(int v) {
    m_position = std::clamp(v, m_min, m_max);
    if (m_associate) m_associate->setText(QString::number(m_position));
}

void TUpDown::SetRange(int min, int max) {
    if (min > max) return;
    m_min = min;
    m_max = max;
    SetPosition(m_position);
}

void TUpDown::SetAssociate(QLineEdit* edit) {
    m_associate = edit;
    SetPosition(m_position);
}

void TUpDown::Step(int d) {
    const int v = std::clamp(m_position + d, m_min, m_max);
    if (v == m_position) return;
    SetPosition(v);
    if (OnClick) OnClick(this);
}

void TUpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}
