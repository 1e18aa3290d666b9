#include "controls/imgcontrol.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "controls/movinghint.h"

TImgControl::TImgControl(QWidget* parent) : TImgControlBase(parent) {
    m_hint = new TMovingHint(this);
}

TImgControl::~TImgControl() = default;

void TImgControl::SetPosition(int v) {
    v = std::clamp(v, m_min, m_max);
    if (v == m_position) return;
    m_position = v;
    m_caption = QString::number(v);
    RedrawFrame(false);
    if (OnChange) OnChange(this);
    UpdateScrollHint(false);
}

void TImgControl::ChangePosition(int v) {
    v = std::clamp(v, m_min, m_max);
    if (v == m_position) return;
    if (OnScroll) OnScroll(this, v);
    SetPosition(v);
}

void TImgControl::SetMax(int v) {
    if (v == m_max || v < m_min) return;
    if (v < m_position) SetPosition(v);
    m_max = v;
    update();
}

void TImgControl::SetMin(int v) {
    if (v == m_min || v > m_max) return;
    if (v > m_position) SetPosition(v);
    m_min = v;
    update();
}

void TImgControl::SetAutoSize(bool v) {
    if (v == m_autoSize) return;
    m_autoSize = v;
    FitToImage();
}

void TImgControl::SetCaptionShow(bool v) {
    if (v == m_captionShow) return;
    m_captionShow = v;
    FitToImage();
    update();
}

void TImgControl::SetCaptionLayout(TCaptionLayout v) {
    if (v == m_captionLayout) return;
    m_captionLayout = v;
    update();
}

void TImgControl::SetAlignment(TAlignment v) {
    if (v == m_alignment) return;
    m_alignment = v;
    update();
}

int TImgControl::FrameIndex() const {
    const TFrameImage* image = FrameImage();
    if (!image) return -1;
    return ::FrameIndex(m_position, m_min, m_max, image->Count());
}

void TImgControl::FitToImage() {
    if (!m_autoSize) return;
    const TFrameImage* image = FrameImage();
    if (!image || image->Width() < 1 || image->Height() < 1) return;
    QSize size(image->Width(), image->Height());
    if (m_captionShow) size.rheight() += fontMetrics().height();
    if (this->size() == size)
        update();
    else
        resize(size);
}

void TImgControl::ImageChanged() {
    m_lastFrame = -1;
    FitToImage();
    TImgControlBase::ImageChanged();
}

void TImgControl::UpdateScrollHint(bool force) {
    if (!m_showScrollHint) return;
    if (!force && !m_hint->IsShowing()) return;
    QString text;
    if (OnGetScrollHint)
        OnGetScrollHint(this, text);
    else
        text = QString::number(m_position);
    m_hint->ShowAt(this, text);
}

void TImgControl::RedrawFrame(bool force) {
    // Dragging across a wide range changes the value far more often than the frame; only a new
    // frame (or a caption showing the value) is worth drawing.
    if (force || m_captionShow || FrameIndex() != m_lastFrame) repaint();
}

int TImgControl::FrameHeightForCaption() const {
    const TFrameImage* image = FrameImage();
    return image ? image->Height() : 0;
}

void TImgControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintBackground(p);
    const int frame = FrameIndex();
    m_lastFrame = frame;
    if (TFrameImage* image = FrameImage()) image->Draw(p, frame, 0, 0, width(), height());

    if (m_captionShow && !m_caption.isEmpty()) {
        // The caption always sits under the frame, whatever CaptionLayout says.
        QRect r = rect();
        r.setTop(FrameHeightForCaption());
        if (!Transparent()) p.fillRect(r, Color());
        int flags = Qt::TextExpandTabs | Qt::AlignTop;
        switch (m_alignment) {
            case TAlignment::taLeftJustify:
                flags |= Qt::AlignLeft;
                break;
            case TAlignment::taRightJustify:
                flags |= Qt::AlignRight;
                break;
            case TAlignment::taCenter:
                flags |= Qt::AlignHCenter;
                break;
        }
        p.setFont(font());
        if (isEnabled()) {
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(r, flags, m_caption);
        } else {
            // The etched look of disabled text.
            p.setPen(palette().color(QPalette::Light));
            p.drawText(r.translated(1, 1), flags, m_caption);
            p.setPen(palette().color(QPalette::Dark));
            p.drawText(r, flags, m_caption);
        }
    }
    PaintFocus(p);
}

void TImgControl::changeEvent(QEvent* e) {
    TImgControlBase::changeEvent(e);
    if (e->type() == QEvent::FontChange) FitToImage();
}
