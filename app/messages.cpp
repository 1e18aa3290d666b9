#include "app/messages.h"

#include <QCheckBox>

#include "app/texts.h"

QMessageBox::StandardButton MessageWithCheckbox(QWidget* owner, const QString& text,
                                                const QString& checkText, bool& checked,
                                                QMessageBox::Icon icon,
                                                QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, QString::fromUtf8(texts::kProgramTitle), text, buttons, owner);
    auto* check = new QCheckBox(checkText);  // owned by the box
    check->setObjectName("checkbox");
    check->setChecked(checked);
    box.setCheckBox(check);
    box.adjustSize();
    CenterOnForm(&box, owner);
    int result = box.exec();
    checked = check->isChecked();
    QAbstractButton* clicked = box.clickedButton();
    return clicked ? box.standardButton(clicked) : static_cast<QMessageBox::StandardButton>(result);
}
