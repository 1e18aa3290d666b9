#pragma once

#include <QString>

class QWidget;

// Asks for a name in a one-line dialog offering `name`; on OK `name` takes the typed text.
// Returns false when the dialog was cancelled (and leaves `name` as it was).
bool AskForName(QWidget* parent, const QString& title, const QString& label, QString& name);
