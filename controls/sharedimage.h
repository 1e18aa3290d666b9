#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "controls/framemath.h"

class QPainter;
class TImgControlBase;

using TNotifyEvent = std::function<void(QObject* sender)>;

// One bitmap shown by any number of controls. The controls are not owned; a control that dies
// detaches itself, and an image that dies leaves its controls without an image.
class TSharedImage : public QObject {
public:
    explicit TSharedImage(QObject* parent = nullptr);
    ~TSharedImage() override;

    // Copies the image; clients are told.
    void SetBitmap(const QImage& bitmap);
    const QImage& Bitmap() const { return m_bitmap; }
    int BitmapWidth() const { return m_bitmap.width(); }
    int BitmapHeight() const { return m_bitmap.height(); }
    int Width() const { return BitmapWidth(); }
    int Height() const { return BitmapHeight(); }

    bool AlwaysDisplayEmpty() const { return m_alwaysDisplayEmpty; }
    void SetAlwaysDisplayEmpty(bool v);

    // Resource names of the full-colour and the 256-colour strip. A bare name such as "WHEEL"
    // means ":/strips/WHEEL.png"; a name starting with ':' or '/' is used as a path.
    const QString& ResBitmap() const { return m_resBitmap; }
    void SetResBitmap(const QString& name);
    const QString& ResBitmap256() const { return m_resBitmap256; }
    void SetResBitmap256(const QString& name);

    // Loads the strip fitting the screen's colour depth; a strip that cannot be read leaves
    // the image as it was. Returns whether a bitmap was loaded.
    bool LoadResourceBitmap();

    // While loading, property setters do not recompute or load; EndLoad does it all once.
    void BeginLoad() { m_loading = true; }
    virtual void EndLoad();
    bool IsLoading() const { return m_loading; }

    void AttachClient(TImgControlBase* control);
    void DetachClient(TImgControlBase* control);
    const std::vector<TImgControlBase*>& Clients() const { return m_clients; }
    // Fires OnChange, then tells every client.
    void NotifyClients();

    // Copies the bitmap to (x, y); draws the empty cross when there is nothing to show.
    virtual void Draw(QPainter& painter, int x, int y, int w, int h) const;

    TNotifyEvent OnChange;

protected:
    virtual void BitmapChanged();
    virtual bool HasSomethingToShow() const;
    static void DrawEmpty(QPainter& painter, int x, int y, int w, int h);
    // Replaces the bitmap without running BitmapChanged.
    void AssignBitmapQuietly(const QImage& bitmap) { m_bitmap = bitmap; }
    void SetLoadingFlag(bool loading) { m_loading = loading; }
    // The strip named for the current colour depth; a null image when none can be read.
    QImage ResourceImage() const;

private:
    friend class TImgControlBase;
    // Used by a dying control: no notification back into it.
    void RemoveClient(TImgControlBase* control);

    QImage m_bitmap;
    std::vector<TImgControlBase*> m_clients;
    bool m_alwaysDisplayEmpty = false;
    QString m_resBitmap;
    QString m_resBitmap256;
    bool m_loading = false;
};

// Path of a named strip resource (see ResBitmap).
QString StripResourcePath(const QString& name);

// A bitmap cut into Count equally sized frames laid side by side or stacked.
class TFrameImage : public TSharedImage {
public:
    explicit TFrameImage(QObject* parent = nullptr);

    // Frame size; negative values are refused.
    int Width() const { return m_geometry.frameWidth; }
    void SetWidth(int v);
    int Height() const { return m_geometry.frameHeight; }
    void SetHeight(int v);
    int Count() const { return m_geometry.count; }
    void SetCount(int v);
    TScrollKind Orientation() const { return m_orientation; }
    void SetOrientation(TScrollKind v);
    bool Button() const { return m_button; }
    void SetButton(bool v);
    bool TwoState() const { return m_twoState; }
    void SetTwoState(bool v);
    int SeparatorSize() const { return m_separatorSize; }
    void SetSeparatorSize(int v);

    void EndLoad() override;

    // Top-left corner of frame i in the bitmap.
    int FrameX(int frame) const;
    int FrameY(int frame) const;

    // Copies frame to (x, y), at most one frame's size; the cross when nothing can be shown.
    void Draw(QPainter& painter, int frame, int x, int y, int w, int h) const;
    using TSharedImage::Draw;

protected:
    void BitmapChanged() override;
    bool HasSomethingToShow() const override;

private:
    bool CanCompute() const { return !IsLoading() && !Bitmap().isNull(); }
    void DoClampFrameSize();
    void DoFrameSizeFromCount();
    void DoCountFromFrameSize();

    TFrameGeometry m_geometry;
    TScrollKind m_orientation = TScrollKind::sbHorizontal;
    bool m_button = false;
    bool m_twoState = false;
    int m_separatorSize = 0;
};
