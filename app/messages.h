#pragma once

#include <QMessageBox>
#include <QString>

#include "platform/settings/placement.h"  // CenterOnForm

class QWidget;

// A standard message dialog with a check box below its text ("Don't show this again" and the
// like), centred on owner, the main window (on the work area when owner is nullptr). The check
// box starts as checked says and checked receives its state when the dialog closes. Returns the
// button that closed the dialog.
QMessageBox::StandardButton MessageWithCheckbox(
    QWidget* owner, const QString& text, const QString& checkText, bool& checked,
    QMessageBox::Icon icon = QMessageBox::Information,
    QMessageBox::StandardButtons buttons = QMessageBox::Ok);
