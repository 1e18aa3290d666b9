#pragma once

#include <QColor>
#include <QString>
#include <functional>

#include "controls/imgcontrolbase.h"
#include "controls/transparent.h"

class QPainter;
class TMovingHint;

enum TFocusAction { faNone, faFocusRect, faFocusColor, faBoth };
enum TFillScheme { Raised, Lowered, Flat };
enum TFaceStyle { fsWin95, fsWin31, fsSpeedButton, fsSingleBevel };

using TGetTrackHintEvent = std::function<void(QObject* sender, QString& caption)>;

// A round knob drawn with lines and arcs: a circle, an optional scale of ticks around it and a
// pointer from the centre. Turned by dragging vertically (any button), by keys and by the mouse
// wheel. Setters clamp or refuse values out of range silently; setting the position from code
// fires OnPosChange but never OnTrack or OnSelect, so reflected values are not sent again.
class TWheel : public TTransparent {
public:
    explicit TWheel(QWidget* parent = nullptr);
    ~TWheel() override;

    bool Balance() const { return m_balance; }
    void SetBalance(bool v);
    int Position() const { return m_position; }
    void SetPosition(int v);
    bool ForceSquare() const { return m_forceSquare; }
    void SetForceSquare(bool v);
    TFocusAction FocusAction() const { return m_focusAction; }
    void SetFocusAction(TFocusAction v);
    int PositionMax() const { return m_max; }
    void SetPositionMax(int v);
    int PositionMin() const { return m_min; }
    void SetPositionMin(int v);
    int PositionStep() const { return m_step; }
    void SetPositionStep(int v);
    int PosLargeStep() const { return m_largeStep; }
    void SetPosLargeStep(int v);
    int PointerDistance() const { return m_pointerDistance; }
    void SetPointerDistance(int v);
    bool Scale() const { return m_scale; }
    void SetScale(bool v);
    QColor ScaleColor() const { return m_scaleColor; }
    void SetScaleColor(const QColor& c);
    int ScaleLength() const { return m_scaleLength; }
    void SetScaleLength(int v);
    int ScaleWidth() const { return m_scaleWidth; }
    void SetScaleWidth(int v);
    int ScaleDegrees() const { return m_scaleDegrees; }
    void SetScaleDegrees(int v);
    int ScaleTicks() const { return m_scaleTicks; }
    void SetScaleTicks(int v);
    TFillScheme WheelStyle() const { return m_wheelStyle; }
    void SetWheelStyle(TFillScheme v);
    TFaceStyle WheelFrame() const { return m_wheelFrame; }
    void SetWheelFrame(TFaceStyle v);
    QColor WheelColor() const { return m_wheelColor; }
    void SetWheelColor(const QColor& c);
    QColor DisabledColor() const { return m_disabledColor; }
    void SetDisabledColor(const QColor& c);
    QColor FocusColor() const { return m_focusColor; }
    void SetFocusColor(const QColor& c);
    bool ShowTrackHint() const { return m_showTrackHint; }
    void SetShowTrackHint(bool v) { m_showTrackHint = v; }
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool v);

    // Moves and sizes the knob at once, with the squaring and odd sides applied.
    void SetBounds(int x, int y, int w, int h);

    bool Dragging() const { return m_dragging; }
    const TMovingHint* Hint() const { return m_hint; }

    TGetTrackHintEvent OnGetTrackHint;
    TNotifyEvent OnTrack;
    TNotifyEvent OnSelect;
    TNotifyEvent OnPosChange;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TKeyEvent OnKeyDown;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;

    virtual void Select();
    virtual void Track();
    virtual void PosChange();
    virtual void DrawScale(QPainter& p);
    virtual void DrawPointer(QPainter& p);

private:
    void StartDrag(QMouseEvent* e);
    void Reapply();
    void ApplyBounds(int lo, int hi);
    int Inset() const;
    int SquareSize() const;
    bool ShowsFocusColor() const;
    QColor FillColor() const;
    void DrawCircle(QPainter& p);

    bool m_balance = false;
    int m_position = 0;
    bool m_forceSquare = true;
    TFocusAction m_focusAction = faFocusRect;
    int m_max = 100;
    int m_min = 0;
    int m_step = 1;
    int m_largeStep = 10;
    int m_pointerDistance = 1;
    bool m_scale = true;
    QColor m_scaleColor = Qt::black;
    int m_scaleLength = 5;
    int m_scaleWidth = 1;
    int m_scaleDegrees = 320;
    int m_scaleTicks = 10;
    TFillScheme m_wheelStyle = Raised;
    TFaceStyle m_wheelFrame = fsWin95;
    QColor m_wheelColor;
    QColor m_disabledColor;
    QColor m_focusColor;
    bool m_showTrackHint = false;

    int m_startPosition = 0;
    int m_startY = 0;
    bool m_dragging = false;
    bool m_inResize = false;
    TMovingHint* m_hint = nullptr;
};
