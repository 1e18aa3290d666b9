#pragma once

#include <QCoreApplication>
#include <QDialog>

class QCheckBox;
class QLabel;
class QRadioButton;
class QStackedWidget;

// The small modal window that explains an export or import command before it runs. Its index is
// the command's: 0-3 export settings, knob presets, knob snapshots, chords; 4-7 the imports in
// the same order. For the knob preset and chord imports (5, 7) it asks whether the file
// replaces or adds to what exists; for the others it offers "Don't show this again".
class TExImHelp : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TExImHelp)

public:
    explicit TExImHelp(QWidget* owner);

    // Shows the explanation for index modally; true when the user chose OK. On OK flag becomes
    // the overwrite choice (5, 7) or the state of the check box (the others); otherwise it is
    // left as it was.
    bool Explain(int index, bool& flag);

    // Prepares the window for index without showing it (Explain does this first).
    void Prepare(int index, bool flag);
    // The flag the window's controls stand for now.
    bool FlagFromControls() const;

    QLabel* LTitle = nullptr;
    QStackedWidget* Notebook1 = nullptr;
    QLabel* PanelExportHint = nullptr;
    QCheckBox* CBDontShow = nullptr;
    QRadioButton* RBKnobPresetOverwrite = nullptr;
    QRadioButton* RBKnobPresetAdd = nullptr;
    QRadioButton* RBChordOverwrite = nullptr;
    QRadioButton* RBChordAdd = nullptr;

private:
    QWidget* m_exportSettingsTexts[2] = {};
    QWidget* m_importSettingsTexts[2] = {};
    int m_index = 0;
};
