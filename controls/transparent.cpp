#include "controls/transparent.h"

TTransparent::TTransparent(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TTransparent::SetTransparent(bool v) {
    if (v == m_transparent) return;
    m_transparent = v;
    setAutoFillBackground(!v);
    update();
}

void TTransparent::Changed() {
    if (OnChange) OnChange(this);
}
