#pragma once

#include <QPoint>
#include <QString>
#include <functional>

#include "controls/imgcontrolbase.h"

class QTimer;
class TMovingHint;

// The handler may change the value about to be taken.
using TOnImgScrollEvent = std::function<void(QObject* sender, int& scrollPos)>;
using TOnGetScrollHint = std::function<void(QObject* sender, QString& caption)>;

enum class TCaptionLayout { caLeft, caRight, caTop, caBottom };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// A slider or button drawn from a frame strip: Position in Min..Max picks the frame. User
// actions go through ChangePosition (which fires OnScroll first); SetPosition is for code that
// mirrors a value and never fires OnScroll.
class TImgControl : public TImgControlBase {
public:
    explicit TImgControl(QWidget* parent = nullptr);
    ~TImgControl() override;

    int Position() const { return m_position; }
    void SetPosition(int v);
    // The path of every mouse and key action.
    void ChangePosition(int v);
    int Max() const { return m_max; }
    // Refused when below Min.
    void SetMax(int v);
    int Min() const { return m_min; }
    // Refused when above Max.
    void SetMin(int v);
    int SmallChange() const { return m_smallChange; }
    void SetSmallChange(int v) { m_smallChange = v; }
    int LargeChange() const { return m_largeChange; }
    void SetLargeChange(int v) { m_largeChange = v; }
    TScrollKind Kind() const { return m_kind; }
    void SetKind(TScrollKind v) { m_kind = v; }
    int MiddlePos() const { return m_middlePos; }
    void SetMiddlePos(int v) { m_middlePos = v; }
    int MiddleSnap() const { return m_middleSnap; }
    void SetMiddleSnap(int v) { m_middleSnap = v; }
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool v);
    bool CaptionShow() const { return m_captionShow; }
    void SetCaptionShow(bool v);
    TCaptionLayout CaptionLayout() const { return m_captionLayout; }
    void SetCaptionLayout(TCaptionLayout v);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment v);
    bool ShowScrollHint() const { return m_showScrollHint; }
    void SetShowScrollHint(bool v) { m_showScrollHint = v; }
    bool AutoRepeat() const { return m_autoRepeat; }
    void SetAutoRepeat(bool v) { m_autoRepeat = v; }
    int AutoRepeatInitDelay() const { return m_autoRepeatInitDelay; }
    void SetAutoRepeatInitDelay(int ms) { m_autoRepeatInitDelay = ms; }
    int AutoRepeatDelay() const { return m_autoRepeatDelay; }
    void SetAutoRepeatDelay(int ms) { m_autoRepeatDelay = ms; }
    // The caption: the decimal Position.
    const QString& Caption() const { return m_caption; }

    // Frame for the current position; -1 without an image.
    int FrameIndex() const;
    // Sizes the control to one frame (plus the caption line) when AutoSize is on.
    void FitToImage();
    // Shows or refreshes the moving hint (forced, or when it already shows).
    void UpdateScrollHint(bool force);
    // Draws now when forced or when the frame differs from the one drawn last.
    void RedrawFrame(bool force);
    // A button image looks pressed while the pointer is inside its frame.
    void TrackButton(int x, int y);

    bool IsDragging() const { return m_dragging; }
    TMovingHint* MovingHint() const { return m_hint; }
    // Created on the first auto-repeating press.
    const QTimer* RepeatTimer() const { return m_repeatTimer; }
    int LastFrameDrawn() const { return m_lastFrame; }

    void ImageChanged() override;

    TOnImgScrollEvent OnScroll;
    TNotifyEvent OnButtonClick;
    TOnGetScrollHint OnGetScrollHint;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    bool IsButtonImage() const;
    bool IsTwoState() const;
    bool InsideFrame(int x, int y) const;
    int FrameHeightForCaption() const;
    void StartRepeat();
    void StopRepeat();
    void RepeatTick();
    void CancelDrag();
    void FireButtonClick();

    int m_position = 0;
    int m_max = 100;
    int m_min = 0;
    int m_smallChange = 1;
    int m_largeChange = 10;
    TScrollKind m_kind = TScrollKind::sbVertical;
    int m_middlePos = 0;
    int m_middleSnap = 5;
    bool m_autoSize = true;
    bool m_captionShow = false;
    TCaptionLayout m_captionLayout = TCaptionLayout::caBottom;
    TAlignment m_alignment = TAlignment::taLeftJustify;
    bool m_showScrollHint = false;
    bool m_autoRepeat = false;
    int m_autoRepeatInitDelay = 700;
    int m_autoRepeatDelay = 200;

    QString m_caption = QStringLiteral("0");
    bool m_dragging = false;
    int m_startPosition = 0;
    QPoint m_anchor;
    bool m_fineMode = false;
    int m_lastFrame = -1;
    TMovingHint* m_hint = nullptr;
    QTimer* m_repeatTimer = nullptr;
};
