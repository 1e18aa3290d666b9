#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <array>
#include <vector>

#include "joystick/joysticktable.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class TKeysPage;
class TLabelsPage;
class TSynthPage;
class TTouchGroup;
class TTastra2;
class TUpDown;
class TVKEdit;

// One entry of the joystick action list: which joystick, axis and button slot it assigns.
struct TJoyAction {
    int slot;
    int joystick;
    TJoyAxis axis;
};

// The 30 joystick actions in list order (button slot, then joystick, then axis) with their texts.
std::vector<TJoyAction> JoyActions();
QString JoyActionText(const TJoyAction& action);

// Controller lists that start with "(none)" and "Pitch Wheel": list index <-> assignment value.
int ControllerListIndex(int value);
int ControllerListValue(int index);

// The Shift velocity factor shown as a percentage louder or quieter, and back. The factor never
// drops below 0.01.
int ShiftPercent(double factor, bool& louder);
double ShiftFactor(int percent, bool louder);

// The settings window: edits the main window's keyboard and its wheel, joystick and number-display
// settings. Most edits wait for "&Apply" or "&OK"; paint style, arrow buttons and key width act at
// once and "Cancel" puts them back. It borrows the main window's key-width bar while it is open
// and frees itself when closed.
class TSettings : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TSettings)

public:
    explicit TSettings(TTastra2& owner);
    ~TSettings() override;

    QTabWidget* PageControl = nullptr;
    QWidget* GeneralTab = nullptr;
    QWidget* TSPlaying = nullptr;
    QWidget* CtrlTab = nullptr;
    QWidget* JoystickTab = nullptr;
    QWidget* MouseWheelTab = nullptr;
    TLabelsPage* LabelsTab = nullptr;
    TKeysPage* KeysTab = nullptr;
    TSynthPage* SynthTab = nullptr;

    QRadioButton* RBNoteInternational = nullptr;
    QRadioButton* RBNoteGerman = nullptr;
    QRadioButton* RBNoteItalian = nullptr;
    QLabel* LKeyWidth = nullptr;
    QCheckBox* CBOldStyle = nullptr;
    QCheckBox* CBShowBasenote = nullptr;
    QCheckBox* CBStartWithOneController = nullptr;
    QCheckBox* CBStartWithOneProgram = nullptr;
    QCheckBox* CBStartWithOneBank = nullptr;
    QCheckBox* CBStartWithOneChannel = nullptr;

    TVKEdit* VKUpper = nullptr;
    TVKEdit* VKLower = nullptr;
    QPushButton* BDefaultUpperKey = nullptr;
    QPushButton* BDefaultLowerKey = nullptr;
    QLineEdit* EVelocity = nullptr;
    TUpDown* UDVelocity = nullptr;
    QLineEdit* EShiftVel = nullptr;
    TUpDown* UDShiftVel = nullptr;
    QRadioButton* RBShiftVelLouder = nullptr;
    QRadioButton* RBShiftVelQuieter = nullptr;
    TTouchGroup* GBTouch = nullptr;

    QComboBox* CBUpDown = nullptr;
    QComboBox* CBLeftRight = nullptr;
    QComboBox* CBMW = nullptr;

    QComboBox* CBJoyAction = nullptr;
    QComboBox* CBJoyController = nullptr;
    QCheckBox* CBDisableJoySetCtrl = nullptr;

    QComboBox* CBMouseWheel = nullptr;
    QSlider* TBMouseWheelSensitivity = nullptr;

    QPushButton* BOK = nullptr;
    QPushButton* BApply = nullptr;
    QPushButton* BCancel = nullptr;

    void ShowGeneralPage();
    // Hands the edited values to the main window and its keyboard.
    void BApplyClick();
    void BOKClick();
    // Puts back what acted at once and closes without applying.
    void BCancelClick();
    // A controller (0..127) or pitch bend (kControllerPitchBend) went through the main window: it
    // becomes the choice of the list the user is working in.
    void LearnController(int number);
    const TJoystickTable& JoystickWorkingCopy() const { return m_joyTable; }

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* CreateGeneralPage();
    QWidget* CreatePlayingPage();
    QWidget* CreateControllerPage();
    QWidget* CreateJoystickPage();
    QWidget* CreateMouseWheelPage();
    void BuildControllerLists();
    void BuildJoyActions();
    void RememberImmediateState();
    void ReturnKeyWidthBar();
    void CommitNumberField(QLineEdit* edit, TUpDown* upDown);
    void CBJoyActionChange();
    void CBJoyControllerChange();
    void StoreJoyController(int value);

    TTastra2& m_owner;
    QSlider* m_keyWidthBar = nullptr;
    std::vector<TJoyAction> m_joyActions;
    TJoystickTable m_joyTable{};
    bool m_listsBuilt = false;
    bool m_centred = false;
    bool m_barReturned = false;
    bool m_showingJoyAction = false;
    // Restored by "Cancel".
    int m_savedBarPosition = 0;
    bool m_savedArrows = true;
    bool m_savedDrawStyle = true;
};
