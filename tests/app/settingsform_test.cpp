// The settings window through the main window: what it applies, what "Cancel" restores and how
// moving a controller picks it.
#include "app/settingsform.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

#include "app/joystickrouter.h"
#include "app/tastra.h"
#include "keyboard/keyboard.h"
#include "keyboard/updown.h"
#include "keyboard/vkedit.h"
#include "midi/midioutput.h"
#include "support/keyevents.h"
#include "support/testwindow.h"

namespace {

constexpr int kA = 30, kZ = 44, kX = 45;

class SettingsWindow : public TWindowTest {
protected:
    void SetUp() override {
        AddDevices("Synth");
        Start();
    }

    TSettings* Open() {
        w->FindAction(QStringLiteral("Settings1"))->trigger();
        TSettings* f = w->SettingsForm();
        if (f) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(f));
        }
        return f;
    }
};

}  // namespace

TEST(SettingsLists, IndexValueMappingAndJoystickActions) {
    for (int v : {0, 5, 127, kControllerPitchBend, kControllerNone})
        EXPECT_EQ(ControllerListValue(ControllerListIndex(v)), v);
    EXPECT_EQ(ControllerListIndex(kControllerNone), 0);
    EXPECT_EQ(ControllerListIndex(kControllerPitchBend), 1);
    EXPECT_EQ(ControllerListValue(-1), kControllerNone);

    const std::vector<TJoyAction> actions = JoyActions();
    ASSERT_EQ(actions.size(), 30u);
    EXPECT_EQ(JoyActionText(actions[0]), "Joystick 0 left/right");
    EXPECT_EQ(JoyActionText(actions[5]), "Joystick 1 Z-layer");
    EXPECT_EQ(JoyActionText(actions[7]), "Joystick 0 up/down button 1 pressed");
    EXPECT_EQ(JoyActionText(actions[29]), "Joystick 1 Z-layer button 4 pressed");
}

TEST(SettingsLists, ShiftFactorAsPercentAndBack) {
    bool louder = true;
    EXPECT_EQ(ShiftPercent(0.6, louder), 40);
    EXPECT_FALSE(louder);
    EXPECT_EQ(ShiftPercent(1.25, louder), 25);
    EXPECT_TRUE(louder);
    EXPECT_DOUBLE_EQ(ShiftFactor(30, true), 1.3);
    EXPECT_DOUBLE_EQ(ShiftFactor(100, false), 0.01);
}

TEST_F(SettingsWindow, OpensOnGeneralPageOnceAndCloseGivesTheKeyWidthBarBack) {
    TSettings* f = Open();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "Settings");
    EXPECT_EQ(f->PageControl->count(), 8);  // with Labels, Keys and Built-in Synth
    EXPECT_TRUE(f->isAncestorOf(w->TBKeyWidth));
    EXPECT_TRUE(w->TBKeyWidth->isVisible());
    f->PageControl->setCurrentWidget(f->JoystickTab);
    EXPECT_EQ(Open(), f);  // the open window is reused and switched back
    EXPECT_EQ(f->PageControl->currentWidget(), f->GeneralTab);
    EXPECT_EQ(f->CBUpDown->count(), 130);
    EXPECT_EQ(f->CBUpDown->itemText(1), "Pitch Wheel");
    EXPECT_EQ(f->CBMW->count(), 128);

    f->BCancel->click();
    // Reopened before the closed window is freed: a new one borrows the bar.
    TSettings* again = Open();
    ASSERT_NE(again, f);
    EXPECT_TRUE(again->isAncestorOf(w->TBKeyWidth));
    again->BOK->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w->SettingsForm(), nullptr);
    EXPECT_EQ(w->TBKeyWidth->parentWidget(), w->ClientArea());
    EXPECT_TRUE(w->TBKeyWidth->isHidden());
}

TEST_F(SettingsWindow, OldStyleBoxChangesOnlyThePaintStyle) {
    TKeyboard& kb = *w->Keyboard1;
    ASSERT_TRUE(kb.ImagesAvailable());
    ASSERT_EQ(kb.PaintStyle(), psImage);
    const int keyWidth = kb.KeyWidth();
    TSettings* f = Open();
    f->CBOldStyle->click();
    EXPECT_EQ(kb.PaintStyle(), psDraw);
    EXPECT_EQ(kb.KeyWidth(), keyWidth);  // not the bar's narrowest 7 pixels
}

TEST_F(SettingsWindow, CancelRestoresWhatActedAtOnceAndDropsOtherEdits) {
    TKeyboard& kb = *w->Keyboard1;
    ASSERT_TRUE(kb.ImagesAvailable());
    kb.SetPaintStyle(psDraw);
    w->UpdateControls();
    w->TBKeyWidthChange();  // drawn keys settle on the bar's width
    const int keyWidth = kb.KeyWidth();
    const int velocity = kb.Player().Velocity();
    TSettings* f = Open();
    f->CBOldStyle->click();
    EXPECT_EQ(kb.PaintStyle(), psImage);
    w->TBKeyWidth->setValue(w->TBKeyWidth->value() == 10 ? 1 : 10);
    f->CBShowBasenote->click();
    EXPECT_FALSE(w->ArrowsVisible());
    f->UDVelocity->SetPosition(velocity == 1 ? 2 : 1);

    f->BCancel->click();
    EXPECT_EQ(kb.PaintStyle(), psDraw);
    EXPECT_EQ(kb.KeyWidth(), keyWidth);
    EXPECT_TRUE(w->ArrowsVisible());
    EXPECT_EQ(kb.Player().Velocity(), velocity);
}

TEST_F(SettingsWindow, VelocityFieldsAndShiftFactor) {
    w->Keyboard1->Player().SetVelocityShiftFactor(0.6);
    TSettings* f = Open();
    EXPECT_TRUE(f->RBShiftVelQuieter->isChecked());
    EXPECT_EQ(f->EShiftVel->text(), "40");

    // Enter takes typed text (limited to the range); Escape puts the shown value back.
    f->EVelocity->setText(QStringLiteral("300"));
    QTest::keyClick(f->EVelocity, Qt::Key_Return);
    EXPECT_EQ(f->UDVelocity->Position(), 127);
    EXPECT_TRUE(f->isVisible());
    f->EVelocity->setText(QStringLiteral("abc"));
    QTest::keyClick(f->EVelocity, Qt::Key_Escape);
    EXPECT_EQ(f->EVelocity->text(), "127");
    EXPECT_TRUE(f->isVisible());

    f->EShiftVel->setText(QStringLiteral("30"));  // still being typed when Apply comes
    f->RBShiftVelLouder->setChecked(true);
    f->BApply->click();
    EXPECT_DOUBLE_EQ(w->Keyboard1->Player().VelocityShiftFactor(), 1.3);
    EXPECT_EQ(w->Keyboard1->Player().Velocity(), 127);
    f->UDShiftVel->SetPosition(100);
    f->RBShiftVelQuieter->setChecked(true);
    f->BApply->click();
    EXPECT_DOUBLE_EQ(w->Keyboard1->Player().VelocityShiftFactor(), 0.01);
}

TEST_F(SettingsWindow, LowerCKeyTakesOnlyItsRowAndThenPlaysC) {
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    keytest::Press(w->windowHandle(), kZ, Qt::Key_Z);
    keytest::Release(w->windowHandle(), kZ, Qt::Key_Z);
    const std::vector<uint32_t> zPlayed = Sent();
    ASSERT_EQ(zPlayed.size(), 2u);
    out.ClearSent();

    TSettings* f = Open();
    f->PageControl->setCurrentWidget(f->TSPlaying);
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    EXPECT_EQ(f->VKLower->text(), "Z");
    f->VKLower->setFocus();
    ASSERT_TRUE(f->VKLower->Capturing());
    keytest::Press(f->windowHandle(), kA, Qt::Key_A);
    keytest::Release(f->windowHandle(), kA, Qt::Key_A);
    EXPECT_EQ(f->VKLower->KeyScanCode(), kZ);
    keytest::Press(f->windowHandle(), kX, Qt::Key_X);
    keytest::Release(f->windowHandle(), kX, Qt::Key_X);
    EXPECT_EQ(f->VKLower->KeyScanCode(), kX);
    EXPECT_EQ(w->Keyboard1->Player().LowerCScanCode(), kZ);  // nothing applied yet
    f->BOK->click();
    EXPECT_EQ(w->Keyboard1->Player().LowerCScanCode(), kX);

    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    out.ClearSent();
    keytest::Press(w->windowHandle(), kX, Qt::Key_X);
    keytest::Release(w->windowHandle(), kX, Qt::Key_X);
    EXPECT_EQ(Sent(), zPlayed);
}

TEST_F(SettingsWindow, MovingAControllerPicksItWhereTheUserIsWorking) {
    TSettings* f = Open();
    f->PageControl->setCurrentWidget(f->CtrlTab);
    f->CBLeftRight->setFocus();
    w->SendPitchBend(500);  // the pitch strip moved
    EXPECT_EQ(f->CBLeftRight->currentText(), "Pitch Wheel");
    f->CBMW->setFocus();
    w->SendPitchBend(0);  // the modulation list has no pitch bend
    w->SendController(11, 64);
    EXPECT_EQ(f->CBMW->currentIndex(), 11);

    f->PageControl->setCurrentWidget(f->JoystickTab);
    f->CBJoyAction->setFocus();
    f->CBJoyAction->setCurrentIndex(7);  // joystick 0 up/down with button 1
    w->SendController(10, 1);
    EXPECT_EQ(f->CBJoyController->currentIndex(), ControllerListIndex(10));
    f->CBDisableJoySetCtrl->setChecked(true);
    w->SendController(12, 1);
    EXPECT_EQ(f->CBJoyController->currentIndex(), ControllerListIndex(10));

    f->PageControl->setCurrentWidget(f->MouseWheelTab);
    w->SendController(7, 1);
    f->BOK->click();
    EXPECT_EQ(w->Keyboard1->Player().LeftRightController(), kControllerPitchBend);
    EXPECT_EQ(w->ModulationController(), 11);
    EXPECT_EQ(w->Joysticks().Table()[0][jaY][1], 10);
    EXPECT_EQ(w->WheelController(), 7);

    // The wheel now drives controller 7.
    out.ClearSent();
    const QPointF p(20, 20);
    QWheelEvent e(p, w->Keyboard1->mapToGlobal(p), QPoint(), QPoint(0, 120), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w->Keyboard1, &e);
    ASSERT_FALSE(Sent().empty());
    EXPECT_EQ((Sent().back() >> 8) & 0xFF, 7u);
}

TEST_F(SettingsWindow, NumberOffsetsRenumberTheChannelAndControllerLists) {
    w->Keyboard1->Player().SetChannel(0);
    TSettings* f = Open();
    EXPECT_TRUE(f->CBStartWithOneChannel->isChecked());
    EXPECT_TRUE(f->CBUpDown->itemText(2).startsWith("001 "));
    f->CBUpDown->setCurrentIndex(9);
    f->CBStartWithOneChannel->setChecked(false);
    f->CBStartWithOneController->setChecked(false);
    f->BApply->click();
    EXPECT_EQ(w->DisplayOffsets().channel, 0);
    EXPECT_EQ(w->EChannel->text(), "0");
    EXPECT_TRUE(f->CBUpDown->itemText(2).startsWith("000 "));
    EXPECT_TRUE(f->CBJoyController->itemText(2).startsWith("000 "));
    EXPECT_EQ(f->CBUpDown->currentIndex(), 9);  // the choice survives the renumbering
    f->CBStartWithOneChannel->setChecked(true);
    f->BApply->click();
    EXPECT_EQ(w->EChannel->text(), "1");
}
