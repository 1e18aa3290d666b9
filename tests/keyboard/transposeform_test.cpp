#include "keyboard/transposeform.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "keyboard/keyboard.h"
#include "keyboard/updown.h"
#include "support/storeview.h"

namespace {

class TransposeFormTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (form) form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TTransposeForm* Open() {
        form = new TTransposeForm(keyboard,
                                  [this] { return std::make_unique<TSharedStoreView>(store); });
        form->show();
        return form;
    }

    void Type(const QString& text, Qt::Key key) {
        form->ETranspose->clear();
        QTest::keyClicks(form->ETranspose, text);
        QTest::keyClick(form->ETranspose, key);
    }

    TNotePlayer player;
    TKeyboard keyboard{player};
    TMemSettingsStore store{true};
    QPointer<TTransposeForm> form;
};

TEST_F(TransposeFormTest, ShowsTheKeyboardsValuesAndKeepIsCheckedWhileTransposed) {
    keyboard.Player().SetTranspose(5);
    keyboard.Player().SetDisplayTransposed(true);
    keyboard.Player().SetTransposeThru(false);
    Open();
    EXPECT_EQ(form->UDTranspose->Position(), 5);
    EXPECT_EQ(form->ETranspose->text(), "5");
    EXPECT_TRUE(form->CBDisplayBeforeKeyb->isChecked());
    EXPECT_FALSE(form->CBThru->isChecked());
    EXPECT_TRUE(form->CBKeepTranspose->isChecked());
}

TEST_F(TransposeFormTest, TypedValuesOutsideTheRangeOrNotNumbersChangeNothing) {
    keyboard.Player().SetTranspose(3);
    Open();
    Type("150", Qt::Key_Return);
    EXPECT_EQ(keyboard.Player().Transpose(), 3);
    EXPECT_EQ(form->UDTranspose->Position(), 3);
    EXPECT_EQ(form->ETranspose->text(), "3");
    Type("-99", Qt::Key_Return);
    EXPECT_EQ(keyboard.Player().Transpose(), -99);
    Type("-100", Qt::Key_Enter);
    EXPECT_EQ(keyboard.Player().Transpose(), -99);
    Type("x7", Qt::Key_Return);
    EXPECT_EQ(keyboard.Player().Transpose(), -99);
    EXPECT_EQ(form->ETranspose->text(), "x7");  // the field keeps what is not a number
    // Enter is the field's own: the window's default button must not close it.
    EXPECT_TRUE(form && form->isVisible());
}

TEST_F(TransposeFormTest, EscapeInTheFieldRestoresTheTextWithoutClosing) {
    keyboard.Player().SetTranspose(-4);
    Open();
    form->ETranspose->setText("12");
    QTest::keyClick(form->ETranspose, Qt::Key_Escape);
    EXPECT_EQ(form->ETranspose->text(), "-4");
    EXPECT_EQ(keyboard.Player().Transpose(), -4);
    EXPECT_TRUE(form && form->isVisible());
    // Elsewhere Escape is the cancel button.
    QTest::keyClick(form, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
}

TEST_F(TransposeFormTest, ArrowsAndBoxesTakeEffectAtOnce) {
    Open();
    form->UDTranspose->UpButton()->click();
    form->UDTranspose->UpButton()->click();
    EXPECT_EQ(keyboard.Player().Transpose(), 2);
    EXPECT_EQ(form->ETranspose->text(), "2");
    form->UDTranspose->DownButton()->click();
    EXPECT_EQ(keyboard.Player().Transpose(), 1);
    form->CBDisplayBeforeKeyb->click();
    EXPECT_TRUE(keyboard.Player().DisplayTransposed());
    form->CBThru->click();
    EXPECT_FALSE(keyboard.Player().TransposeThru());

    keyboard.Player().SetTranspose(99);
    form->UDTranspose->SetPosition(99);
    form->UDTranspose->UpButton()->click();
    EXPECT_EQ(keyboard.Player().Transpose(), 99);
}

TEST_F(TransposeFormTest, ClosingResetsTheTranspositionUnlessKeptAndFreesTheWindow) {
    keyboard.Player().SetTranspose(5);
    Open();
    form->CBKeepTranspose->click();  // unchecked now
    form->BClose->click();
    EXPECT_EQ(keyboard.Player().Transpose(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());

    keyboard.Player().SetTranspose(7);
    Open();
    form->close();
    EXPECT_EQ(keyboard.Player().Transpose(), 7);
}

// Leaving the field applies it, but closing the window (which also takes the focus) must not
// bring typed text back after the reset.
TEST_F(TransposeFormTest, LeavingTheFieldAppliesItButClosingDoesNot) {
    Open();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    form->ETranspose->setFocus();
    ASSERT_TRUE(form->ETranspose->hasFocus());
    form->ETranspose->setText("6");
    form->CBThru->setFocus();
    EXPECT_EQ(keyboard.Player().Transpose(), 6);
    form->ETranspose->setFocus();
    form->ETranspose->setText("9");
    form->close();
    EXPECT_EQ(keyboard.Player().Transpose(), 0);
}

TEST_F(TransposeFormTest, HelpPanelTogglesAndBothItAndThePositionAreRemembered) {
    Open();
    const int tall = form->height();
    EXPECT_TRUE(form->HelpVisible());
    form->BHelp->click();
    EXPECT_FALSE(form->HelpPanel->isVisible());
    EXPECT_EQ(form->BHelp->text(), "Show Help");
    EXPECT_LT(form->height(), tall);
    EXPECT_EQ(form->BHelp->y(), form->BClose->y());
    EXPECT_EQ(form->BClose->y(), form->HelpPanel->y());
    form->move(321, 123);
    form->close();
    EXPECT_EQ(store.ReadInteger("TransposeForm", "FormLeft", 0), 321);
    EXPECT_EQ(store.ReadInteger("TransposeForm", "FormTop", 0), 123);
    EXPECT_FALSE(store.ReadBool("TransposeForm", "ShowHelp", true));

    Open();
    EXPECT_EQ(form->pos(), QPoint(321, 123));
    EXPECT_FALSE(form->HelpPanel->isVisible());
    EXPECT_EQ(form->height(), form->BClose->y() + form->BClose->height() + 8);
    form->BHelp->click();
    EXPECT_TRUE(form->HelpPanel->isVisible());
    EXPECT_EQ(form->BHelp->text(), "Hide help");
    EXPECT_EQ(form->height(), tall);
}

}  // namespace
