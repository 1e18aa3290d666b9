#pragma once

#include <QColor>
#include <QList>
#include <QWidget>
#include <functional>

#include "controls/sharedimage.h"

using TMouseEvent = std::function<void(QObject* sender, Qt::MouseButton button,
                                       Qt::KeyboardModifiers shift, int x, int y)>;
using TMouseMoveEvent =
    std::function<void(QObject* sender, Qt::KeyboardModifiers shift, int x, int y)>;
// The handler may set key to 0 to keep the control from acting on it.
using TKeyEvent = std::function<void(QObject* sender, int& key, Qt::KeyboardModifiers shift)>;
using TKeyPressEvent = std::function<void(QObject* sender, QChar& key)>;

// A control drawn from one frame strip. Handles the image link, transparency, focus and the
// plain mouse and key events; what the position means is up to TImgControl.
class TImgControlBase : public QWidget {
public:
    explicit TImgControlBase(QWidget* parent = nullptr);
    ~TImgControlBase() override;

    TFrameImage* FrameImage() const { return m_image; }
    // Detaches from the old image and attaches to the new one (nullptr: none).
    void SetFrameImage(TFrameImage* image);

    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool v);
    // When off, mouse and keys are ignored (the plain events still fire).
    bool AllowUserControl() const { return m_allowUserControl; }
    void SetAllowUserControl(bool v) { m_allowUserControl = v; }
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool v);
    QColor Color() const { return m_color; }
    void SetColor(const QColor& c);

    // Called by the image whenever it changed; the base repaints.
    virtual void ImageChanged();
    // The screen depth changed from oldBits to newBits: crossing the palette depth reloads
    // the strip, which may differ between the two.
    void DisplayChange(int oldBits, int newBits);

    TNotifyEvent OnChange;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;

    // Fires the plain key events; false when a handler swallowed the key.
    bool FireKeyDown(QKeyEvent* e, int& key);
    bool FireKeyUp(QKeyEvent* e, int& key);
    void FireMouseDown(QMouseEvent* e);
    void FireMouseMove(QMouseEvent* e);
    void FireMouseUp(QMouseEvent* e);
    // Background (unless transparent) and the focus rectangle.
    void PaintBackground(QPainter& p);
    void PaintFocus(QPainter& p);

private:
    friend class TSharedImage;
    // The image is being destroyed: drop the link without telling it.
    void ImageGone(TSharedImage* image);

    TFrameImage* m_image = nullptr;
    bool m_transparent = false;
    bool m_allowUserControl = true;
    bool m_tabStop = true;
    QColor m_color;
};

// A display-mode change: records the new depth and, when it crosses the palette depth, reloads
// each distinct strip once and repaints the controls.
void ApplyDisplayChange(int newBits, const QList<TImgControlBase*>& controls);
// The same for every image control below root (root included).
void ApplyDisplayChange(int newBits, QWidget* root);
