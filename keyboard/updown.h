#pragma once

#include <QElapsedTimer>
#include <QLineEdit>
#include <QWidget>
#include <functional>

class QToolButton;

// An up-down control: two arrow buttons that move a position within a range, wrapping around
// when asked to. Held buttons repeat and speed up. Setting the position from code raises nothing.
// An attached edit field always shows the position.
class TUpDown : public QWidget {
public:
    explicit TUpDown(QWidget* parent = nullptr);

    int Position() const { return m_position; }
    void SetPosition(int v);
    int Min() const { return m_min; }
    int Max() const { return m_max; }
    void SetRange(int min, int max);
    void SetAssociate(QLineEdit* edit);
    bool Wrap() const { return m_wrap; }
    void SetWrap(bool v) { m_wrap = v; }
    // Moves by delta as a click of the arrows does (wrapping or clamping), then raises OnClick.
    void Step(int delta);

    // The step of a held button after ms milliseconds: 1, then 5 after 2 s, 10 after 5 s.
    static int AccelerationStep(qint64 ms);
    // Position after moving by delta within min..max: past either end it wraps to the other end,
    // or stays at the end without wrap.
    static int Stepped(int position, int delta, int min, int max, bool wrap);

    std::function<void(TUpDown*)> OnClick;

    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowInAssociate();

    QToolButton* m_up;
    QLineEdit* m_associate = nullptr;
    QToolButton* m_down;
    QElapsedTimer m_held;
    int m_position = 0;
    int m_min = 0;
    int m_max = 100;
    bool m_wrap = false;
};

// A number field: Enter and leaving the field raise OnExit, Escape raises OnEscape and is eaten.
class TNumberEdit : public QLineEdit {
public:
    explicit TNumberEdit(QWidget* parent = nullptr);

    std::function<void()> OnExit;
    std::function<void()> OnEscape;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
