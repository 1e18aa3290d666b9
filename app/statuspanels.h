#pragma once

#include <QLabel>
#include <QStatusBar>
#include <array>

// A status panel whose text, when wider than the panel, is cut with "…" and shown whole in the
// panel's tooltip: the window keeps its width however long a device name is.
class TElidedLabel : public QLabel {
public:
    explicit TElidedLabel(QWidget* parent = nullptr) : QLabel(parent) {}
    void SetFullText(const QString& text);
    const QString& FullText() const { return m_full; }
    // Shown in the tooltip below the text (the whole text where it is cut).
    void SetHint(const QString& hint);
    const QString& Hint() const { return m_hint; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Elide();
    QString m_full;
    QString m_hint;
};

// The main window's status bar with its five panels: 0 hint or status text, 1 note under the
// mouse, 2 base note, 3 octave, 4 patch mode group.
class TStatusPanels : public QStatusBar {
public:
    explicit TStatusPanels(QWidget* parent = nullptr);

    void SetPanelText(int panel, const QString& text);
    // The whole text, also where the panel shows it cut.
    QString PanelText(int panel) const;
    // A line the panel's tooltip shows whatever its text.
    void SetPanelHint(int panel, const QString& hint);
    QString PanelHint(int panel) const;
    int PanelWidth(int panel) const;
    // Measures panels 1..4 from their widest texts (once it succeeds) and gives panel 0 the rest.
    void Layout();
    // A panel right of the others that stays hidden while its text is empty.
    void SetNotice(const QString& text);
    QString Notice() const;
    // The recorder's and the file player's panel, right of the notice; hidden while empty.
    void SetRecordText(const QString& text);
    QString RecordText() const;

private:
    void Measure();
    std::array<TElidedLabel*, 5> m_panels{};
    QLabel* m_notice = nullptr;
    QLabel* m_record = nullptr;
    bool m_measured = false;
};
