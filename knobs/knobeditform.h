#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <memory>

#include "knobs/knoblist.h"
#include "platform/settings/settingsstore.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabBar;
class QToolButton;

// Section and value prefix of the set-up window's position, exactly as stored.
inline constexpr const char* kKnobEditFormSection = "KnobEditForm";
inline constexpr const char* kKnobEditFormPrefix = "Form";

// How far one step of a held up-down button moves: 1 for the first two seconds, then 5, and 10
// once the button has been held for five seconds.
int UpDownStep(qint64 heldMs);

// A pair of arrow buttons stepping an integer within a range. Setting the position from code
// raises nothing; the buttons raise OnClick after the position moved.
class TKnobUpDown : public QWidget {
public:
    explicit TKnobUpDown(QWidget* parent = nullptr);

    std::function<void(TKnobUpDown*)> OnClick;

    int Position() const { return m_position; }
    void SetPosition(int v);
    void SetRange(int min, int max);
    // Steps faster while a button is held (see UpDownStep).
    void SetAccelerated(bool on) { m_accelerated = on; }
    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Step(int direction);

    QToolButton* m_up;
    QToolButton* m_down;
    QElapsedTimer m_held;
    bool m_accelerated = false;
    int m_position = 0;
    int m_min = 0;
    int m_max = 100;
};

// What the set-up window needs from the window whose knobs it edits.
struct TKnobEditHost {
    // The knob list shown by the owner; Apply copies the edited knobs into it.
    TKnobList* knobs = nullptr;
    // The store of the knob presets, one section per preset.
    TStoreOpener openPresets;
    // The settings root, where the window keeps its position.
    TStoreOpener openSettingsRoot;
    // The owner's current preset name ("Default", "Current" or a stored name).
    std::function<QString()> presetName;
    // A preset was saved or deleted: the owner rebuilds its preset menu.
    std::function<void()> onPresetsChanged;
    // Apply replaced the owner's knobs with an unsaved set-up.
    std::function<void()> onKnobsChanged;
    // Apply without changes: the owner loads this stored preset.
    std::function<void(const QString& name)> selectPreset;
    // Added to controller numbers where they are shown: 0 or 1.
    std::function<int()> controllerOffset;
};

// The tool window in which the user sets up the knobs (how many, their names, controllers,
// display ranges and default values) and keeps named knob presets. It edits a private copy of
// the owner's knobs and hands it over only on Apply or OK. The window frees itself when closed.
class TKnobEditForm : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TKnobEditForm)

public:
    explicit TKnobEditForm(TKnobEditHost host, QWidget* owner = nullptr);
    ~TKnobEditForm() override;

    // Fill the fields from the selected knob / write them back into it.
    void LoadTab();
    void CommitTab();
    // Makes the tab count equal the knob count.
    void SyncTabs();
    // Offers to save unsaved changes; false when the user cancels.
    bool ConfirmSave();
    // False (after telling the user) when the preset could not be written.
    bool SavePresetFromEditor(const QString& name);
    void LoadPresetIntoEditor(const QString& name);
    void Apply();
    // A controller message went through the owner: while the controller list has the focus, it
    // selects that controller.
    void LearnController(int number);

    const TKnobList& EditedList() const { return m_list; }
    bool Changed() const { return m_changed; }
    // The default value as shown: 0..127, or value - 64 with a sign for the relative range.
    static QString DefaultValueText(bool relative, int value);

    // Message boxes and the name question go through these; tests answer them instead.
    std::function<void(const QString& text)> OnError;
    std::function<QMessageBox::StandardButton(QMessageBox::Icon icon, const QString& text,
                                              QMessageBox::StandardButtons buttons)>
        OnQuestion;
    // Asks for a preset name (name holds the proposal); false on cancel.
    std::function<bool(QString& name)> OnPresetName;

    QLabel* Label9 = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* GBKnobCount = nullptr;
    QLineEdit* EKnobCount = nullptr;
    TKnobUpDown* UDKnobCount = nullptr;
    QGroupBox* GBKnobPresets = nullptr;
    QComboBox* CBPresets = nullptr;
    QPushButton* BNewPreset = nullptr;
    QPushButton* BSavePreset = nullptr;
    QPushButton* BDeletePreset = nullptr;
    QLabel* Panel1 = nullptr;
    QWidget* KnobTabControl = nullptr;
    QTabBar* KnobTabs = nullptr;
    QLineEdit* EKnobName = nullptr;
    QComboBox* CBKnobCtrl = nullptr;
    QRadioButton* RBKnobPos = nullptr;
    QRadioButton* RBKnobNeg = nullptr;
    QLineEdit* EDefaultValue = nullptr;
    TKnobUpDown* UDDefaultValue = nullptr;
    QPushButton* BOK = nullptr;
    QPushButton* BCancel = nullptr;
    QPushButton* BApply = nullptr;

    // False only when the new preset could not be saved (giving up the name counts as done).
    bool BNewPresetClick();
    void BSavePresetClick();
    void BDeletePresetClick();
    void BOKClick();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FitToContents();
    void WrappedTextsTakeTheirLines();
    void BuildLayout();
    void FormShow();
    void FillPresets();
    void SelectPresetIndex(int index);
    int InsertPresetSorted(const QString& name);
    void CBPresetsChange(int index);
    void KnobTabChange(int index);
    void UDKnobCountClick();
    void EKnobNameChange();
    void CBKnobCtrlChange(int index);
    void DisplayRangeClick();
    void UDDefaultValueClick();
    void ShowDefaultValue();
    void SetChanged();
    void SavePlacement();
    QString SelectedPresetName() const;

    TKnobEditHost m_host;
    TKnobList m_list;
    bool m_changed = false;
    bool m_loading = false;
    bool m_commitEnabled = false;
    // The knob the fields belong to (the tab selected when they were loaded).
    int m_tabIndex = -1;
    // The preset selected in CBPresets when it was last confirmed.
    int m_presetIndex = -1;
    bool m_shown = false;
    bool m_closed = false;
};
