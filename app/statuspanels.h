#pragma once

#include <QLabel>
#include <QStatusBar>
#include <array>

// The main window's status bar with its five panels: 0 hint or status text, 1 note under the
// mouse, 2 base note, 3 octave, 4 patch mode group.
class TStatusPanels : public QStatusBar {
public:
    explicit TStatusPanels(QWidget* parent = nullptr);

    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;
    int PanelWidth(int panel) const;
    // Measures panels 1..4 from their widest texts (once it succeeds) and gives panel 0 the rest.
    void Layout();
    // Width of a status bar whose panel 0 shows text whole.
    int WidthToShow(const QString& text);
    // A panel right of the others that stays hidden while its text is empty.
    void SetNotice(const QString& text);
    QString Notice() const;

private:
    void Measure();
    std::array<QLabel*, 5> m_panels{};
    QLabel* m_notice = nullptr;
    bool m_measured = false;
};
