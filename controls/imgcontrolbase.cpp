#include "controls/imgcontrolbase.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <set>

#include "controls/screencolor.h"

TImgControlBase::TImgControlBase(QWidget* parent) : QWidget(parent) {
    resize(47, 47);
    m_color = palette().color(QPalette::Window);
    setFocusPolicy(Qt::TabFocus);  // clicks take the focus by hand, only when user control is on
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

TImgControlBase::~TImgControlBase() {
    if (m_image) m_image->RemoveClient(this);
}

void TImgControlBase::SetFrameImage(TFrameImage* image) {
    if (image == m_image) return;
    TFrameImage* old = m_image;
    m_image = image;
    if (old) old->RemoveClient(this);
    if (m_image)
        m_image->AttachClient(this);
    else
        ImageChanged();
}

void TImgControlBase::ImageGone(TSharedImage* image) {
    if (image != m_image) return;
    m_image = nullptr;
    ImageChanged();
}

void TImgControlBase::ImageChanged() { update(); }

void TImgControlBase::SetTransparent(bool v) {
    if (v == m_transparent) return;
    m_transparent = v;
    // A transparent control lets its parent show through wherever it does not paint.
    setAttribute(Qt::WA_OpaquePaintEvent, !v);
    update();
}

void TImgControlBase::SetTabStop(bool v) {
    m_tabStop = v;
    setFocusPolicy(v ? Qt::TabFocus : Qt::NoFocus);
}

void TImgControlBase::SetColor(const QColor& c) {
    if (c == m_color) return;
    m_color = c;
    update();
}

void TImgControlBase::DisplayChange(int oldBits, int newBits) {
    if (!CrossesPaletteDepth(oldBits, newBits)) return;
    if (m_image) m_image->LoadResourceBitmap();
    update();
}

void TImgControlBase::mouseDoubleClickEvent(QMouseEvent* e) {
    // The press half of a double click still counts as a press.
    mousePressEvent(e);
    if (OnDblClick) OnDblClick(this);
}

void TImgControlBase::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
    if (OnEnter) OnEnter(this);
}

void TImgControlBase::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
    if (OnExit) OnExit(this);
}

void TImgControlBase::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange) update();
    QWidget::changeEvent(e);
}

bool TImgControlBase::FireKeyDown(QKeyEvent* e, int& key) {
    key = e->key();
    if (OnKeyDown) OnKeyDown(this, key, e->modifiers());
    if (key != 0 && OnKeyPress && !e->text().isEmpty()) {
        QChar c = e->text().at(0);
        OnKeyPress(this, c);
    }
    return key != 0;
}

bool TImgControlBase::FireKeyUp(QKeyEvent* e, int& key) {
    key = e->key();
    if (OnKeyUp) OnKeyUp(this, key, e->modifiers());
    return key != 0;
}

void TImgControlBase::FireMouseDown(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (OnMouseDown) OnMouseDown(this, e->button(), e->modifiers(), p.x(), p.y());
}

void TImgControlBase::FireMouseMove(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (OnMouseMove) OnMouseMove(this, e->modifiers(), p.x(), p.y());
}

void TImgControlBase::FireMouseUp(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (OnMouseUp) OnMouseUp(this, e->button(), e->modifiers(), p.x(), p.y());
}

void TImgControlBase::PaintBackground(QPainter& p) {
    if (!m_transparent) p.fillRect(rect(), m_color);
}

void TImgControlBase::PaintFocus(QPainter& p) {
    if (!hasFocus()) return;
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect();
    option.backgroundColor = m_color;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
}

void ApplyDisplayChange(int newBits, const QList<TImgControlBase*>& controls) {
    const int oldBits = ScreenColorBits();
    SetScreenColorBits(newBits);
    if (!CrossesPaletteDepth(oldBits, newBits)) return;
    std::set<TFrameImage*> reloaded;
    for (TImgControlBase* c : controls) {
        if (!c) continue;
        TFrameImage* image = c->FrameImage();
        if (image && reloaded.insert(image).second) image->LoadResourceBitmap();
        c->update();
    }
}

void ApplyDisplayChange(int newBits, QWidget* root) {
    if (!root) return;
    QList<TImgControlBase*> controls = root->findChildren<TImgControlBase*>();
    if (auto* self = dynamic_cast<TImgControlBase*>(root)) controls.prepend(self);
    ApplyDisplayChange(newBits, controls);
}
