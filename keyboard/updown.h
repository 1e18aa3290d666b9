#pragma once

#include <QWidget>
#include <functional>

class QLineEdit;
class QToolButton;

// A pair of arrow buttons that steps an integer position within a range and writes it into an
// attached edit field. Setting the position from code updates the field but raises no event;
// only the buttons raise OnClick, after the position moved.
class TUpDown : public QWidget {
public:
    explicit TUpDown(QWidget* parent = nullptr);

    std::function<void(TUpDown*)> OnClick;

    int Position() const { return m_position; }
    // Clamps to the range; always rewrites the attached field.
    void SetPosition(int v);
    void SetRange(int min, int max);
    int Min() const { return m_min; }
    int Max() const { return m_max; }
    void SetAssociate(QLineEdit* edit);

    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Step(int d);

    QToolButton* m_up;
    QToolButton* m_down;
    QLineEdit* m_associate = nullptr;
    int m_position = 0;
    int m_min = 0;
    int m_max = 100;
};
