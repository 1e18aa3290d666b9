#include "controls/sharedimage.h"

#include <QPainter>
#include <algorithm>

#include "controls/imgcontrolbase.h"
#include "controls/screencolor.h"
#include "resources/decodedart.h"

QString StripResourcePath(const QString& name) {
    if (name.startsWith(QLatin1Char(':')) || name.startsWith(QLatin1Char('/'))) return name;
    return QStringLiteral(":/strips/") + name + QStringLiteral(".png");
}

TSharedImage::TSharedImage(QObject* parent) : QObject(parent) {}

TSharedImage::~TSharedImage() {
    // Controls outliving their image are left without one rather than with a dangling pointer.
    const std::vector<TImgControlBase*> clients = m_clients;
    m_clients.clear();
    for (TImgControlBase* c : clients) c->ImageGone(this);
}

void TSharedImage::SetBitmap(const QImage& bitmap) {
    m_bitmap = bitmap;
    if (!m_loading) BitmapChanged();
}

void TSharedImage::SetAlwaysDisplayEmpty(bool v) {
    if (v == m_alwaysDisplayEmpty) return;
    m_alwaysDisplayEmpty = v;
    NotifyClients();
}

void TSharedImage::SetResBitmap(const QString& name) {
    if (name == m_resBitmap) return;
    m_resBitmap = name;
    if (!m_loading) LoadResourceBitmap();
}

void TSharedImage::SetResBitmap256(const QString& name) {
    if (name == m_resBitmap256) return;
    m_resBitmap256 = name;
    if (!m_loading) LoadResourceBitmap();
}

QImage TSharedImage::ResourceImage() const {
    QString name = m_resBitmap256;
    if (IsHighColor(ScreenColorBits()) && !m_resBitmap.isEmpty()) name = m_resBitmap;
    if (name.isEmpty()) return QImage();
    return ArtImage(StripResourcePath(name));
}

bool TSharedImage::LoadResourceBitmap() {
    const QImage image = ResourceImage();
    if (image.isNull()) return false;
    SetBitmap(image);
    return true;
}

void TSharedImage::EndLoad() {
    m_loading = false;
    LoadResourceBitmap();
}

void TSharedImage::BitmapChanged() { NotifyClients(); }

void TSharedImage::AttachClient(TImgControlBase* control) {
    if (!control) return;
    if (std::find(m_clients.begin(), m_clients.end(), control) == m_clients.end())
        m_clients.push_back(control);
    control->ImageChanged();
}

void TSharedImage::DetachClient(TImgControlBase* control) {
    RemoveClient(control);
    if (control) control->ImageChanged();
}

void TSharedImage::RemoveClient(TImgControlBase* control) {
    m_clients.erase(std::remove(m_clients.begin(), m_clients.end(), control), m_clients.end());
}

void TSharedImage::NotifyClients() {
    if (OnChange) OnChange(this);
    // A client may detach itself while being told; work on a copy.
    const std::vector<TImgControlBase*> clients = m_clients;
    for (TImgControlBase* c : clients)
        if (std::find(m_clients.begin(), m_clients.end(), c) != m_clients.end()) c->ImageChanged();
}

bool TSharedImage::HasSomethingToShow() const {
    return !m_alwaysDisplayEmpty && !m_bitmap.isNull();
}

void TSharedImage::DrawEmpty(QPainter& painter, int x, int y, int w, int h) {
    if (w <= 0 || h <= 0) return;
    painter.drawLine(x, y, x + w - 1, y + h - 1);
    painter.drawLine(x, y + h - 1, x + w - 1, y);
}

void TSharedImage::Draw(QPainter& painter, int x, int y, int w, int h) const {
    if (!HasSomethingToShow()) {
        DrawEmpty(painter, x, y, w, h);
        return;
    }
    painter.drawImage(QPoint(x, y), m_bitmap, QRect(0, 0, w, h));
}

TFrameImage::TFrameImage(QObject* parent) : TSharedImage(parent) {}

void TFrameImage::DoClampFrameSize() {
    if (CanCompute()) ClampFrameSize(m_geometry, BitmapWidth(), BitmapHeight());
}

void TFrameImage::DoFrameSizeFromCount() {
    if (CanCompute())
        FrameSizeFromCount(m_geometry, BitmapWidth(), BitmapHeight(), m_orientation,
                           m_separatorSize);
}

void TFrameImage::DoCountFromFrameSize() {
    if (CanCompute())
        CountFromFrameSize(m_geometry, BitmapWidth(), BitmapHeight(), m_orientation,
                           m_separatorSize);
}

void TFrameImage::SetWidth(int v) {
    if (v == m_geometry.frameWidth || v < 0) return;
    m_geometry.frameWidth = v;
    DoClampFrameSize();
    DoCountFromFrameSize();
    NotifyClients();
}

void TFrameImage::SetHeight(int v) {
    if (v == m_geometry.frameHeight || v < 0) return;
    m_geometry.frameHeight = v;
    DoClampFrameSize();
    DoCountFromFrameSize();
    NotifyClients();
}

void TFrameImage::SetCount(int v) {
    if (v == m_geometry.count || v < 0) return;
    m_geometry.count = v;
    DoFrameSizeFromCount();
    NotifyClients();
}

void TFrameImage::SetOrientation(TScrollKind v) {
    if (v == m_orientation) return;
    m_orientation = v;
    DoFrameSizeFromCount();
    DoCountFromFrameSize();
    NotifyClients();
}

void TFrameImage::SetSeparatorSize(int v) {
    // A negative gap could make frame plus gap zero wide; it is refused like negative sizes.
    if (v == m_separatorSize || v < 0) return;
    m_separatorSize = v;
    DoFrameSizeFromCount();
    DoCountFromFrameSize();
    NotifyClients();
}

void TFrameImage::SetButton(bool v) { m_button = v; }

void TFrameImage::SetTwoState(bool v) { m_twoState = v; }

void TFrameImage::BitmapChanged() {
    if (m_geometry.count <= 0)
        DoClampFrameSize();
    else
        DoFrameSizeFromCount();
    NotifyClients();
}

void TFrameImage::EndLoad() {
    // The bitmap arrives without BitmapChanged, so the stored frame size decides the count
    // rather than a count left over from before.
    const QImage image = ResourceImage();
    if (!image.isNull()) AssignBitmapQuietly(image);
    SetLoadingFlag(false);
    DoClampFrameSize();
    DoCountFromFrameSize();
    NotifyClients();
}

int TFrameImage::FrameX(int frame) const {
    return m_orientation == TScrollKind::sbHorizontal
               ? frame * (m_geometry.frameWidth + m_separatorSize)
               : 0;
}

int TFrameImage::FrameY(int frame) const {
    return m_orientation == TScrollKind::sbVertical
               ? frame * (m_geometry.frameHeight + m_separatorSize)
               : 0;
}

bool TFrameImage::HasSomethingToShow() const {
    return TSharedImage::HasSomethingToShow() && m_geometry.count > 0;
}

void TFrameImage::Draw(QPainter& painter, int frame, int x, int y, int w, int h) const {
    if (!HasSomethingToShow() || frame < 0 || frame >= m_geometry.count) {
        DrawEmpty(painter, x, y, w, h);
        return;
    }
    // Never more than one frame, so a control larger than its frame does not show a neighbour.
    const QRect source(FrameX(frame), FrameY(frame), std::min(w, m_geometry.frameWidth),
                       std::min(h, m_geometry.frameHeight));
    painter.drawImage(QPoint(x, y), Bitmap(), source);
}
