#include "app/messages.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "app/errform.h"

namespace {

// Runs action on the modal dialog as soon as it is shown.
void OnModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        action(w);
    });
}

}  // namespace

TEST(MessageWithCheckbox, ReturnsTheButtonAndTheCheckBoxState) {
    QWidget owner;
    owner.setGeometry(200, 100, 800, 600);
    owner.show();

    bool checked = false;
    QPoint centre;
    OnModal([&](QWidget* dlg) {
        auto* check = dlg->findChild<QCheckBox*>("checkbox");
        ASSERT_NE(check, nullptr);
        EXPECT_FALSE(check->isChecked());
        EXPECT_EQ(check->text(), "Don't show again");
        check->setChecked(true);
        centre = dlg->frameGeometry().center();
        static_cast<QMessageBox*>(dlg)->button(QMessageBox::No)->click();
    });
    auto r = MessageWithCheckbox(&owner, "Overwrite?", "Don't show again", checked,
                                 QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(r, QMessageBox::No);
    EXPECT_TRUE(checked);
    EXPECT_LE((centre - owner.frameGeometry().center()).manhattanLength(), 8);

    OnModal([](QWidget* dlg) {
        auto* check = dlg->findChild<QCheckBox*>("checkbox");
        EXPECT_TRUE(check->isChecked());
        check->setChecked(false);
        static_cast<QMessageBox*>(dlg)->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(MessageWithCheckbox(&owner, "Done.", "Don't show again", checked), QMessageBox::Ok);
    EXPECT_FALSE(checked);
}

TEST(CenterOnForm, CentresOnAVisibleFormElseOnTheWorkAreaAndStaysReachable) {
    const QRect area(0, 0, 1000, 800);
    QWidget form, window;
    window.resize(200, 100);
    CenterOnForm(&window, &form, area);  // form hidden: the work area
    EXPECT_EQ(window.pos(), QPoint(400, 350));
    form.setGeometry(-900, -300, 400, 300);
    form.show();
    CenterOnForm(&window, &form, area);
    QRect f = form.frameGeometry();
    ASSERT_LT(f.x() + f.width() / 2 - 100 + 200 - 30, 0);
    EXPECT_EQ(window.pos(), QPoint(-200 + 30, 0));  // 30 pixels stay on it, top inside
    EXPECT_EQ(window.size(), QSize(200, 100));
}

TEST(ErrForm, ShowsTheMessagesAndClosesWithOk) {
    TErrForm form;
    EXPECT_EQ(form.windowTitle(), "Warnings and Errors");
    auto labels = form.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->text(), " The following warnings and/or errors occured:");
    EXPECT_TRUE(form.MemoError()->isReadOnly());
    EXPECT_EQ(form.BClose()->text(), "Close");

    form.SetLines({"Line 3: Warning: x", "Line 9: Error: y"});
    form.AddLine("Line 10: Warning: z");
    EXPECT_EQ(form.Lines(),
              QStringList({"Line 3: Warning: x", "Line 9: Error: y", "Line 10: Warning: z"}));
    form.Clear();
    EXPECT_TRUE(form.Lines().isEmpty());

    OnModal([&](QWidget* dlg) {
        EXPECT_EQ(dlg, &form);
        EXPECT_EQ(form.focusWidget(), form.BClose());
        form.BClose()->click();
    });
    EXPECT_EQ(form.exec(), QDialog::Accepted);
}
