#pragma once

#include <QLabel>
#include <QString>

// A small frameless window beside a control that shows its value while it is dragged. It never
// takes the focus, so the drag goes on undisturbed.
class TMovingHint : public QLabel {
public:
    // Longest line before the text wraps.
    static constexpr int kMaxTextWidth = 100;

    explicit TMovingHint(QWidget* owner = nullptr);

    // Places the hint 2 pixels right of the control's top-right corner and shows text there.
    void ShowAt(QWidget* control, const QString& text);
    bool IsShowing() const { return isVisible(); }
    void ReleaseHandle() { hide(); }
    const QString& Text() const { return m_text; }

private:
    QString m_text;
};
