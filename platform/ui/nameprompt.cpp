#include "platform/ui/nameprompt.h"

#include <QInputDialog>

bool AskForName(QWidget* parent, const QString& title, const QString& label, QString& name) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, label, QLineEdit::Normal, name, &ok);
    if (ok) name = text;
    return ok;
}
