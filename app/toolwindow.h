#pragma once

#include <QWidget>

// Shows a tool window in front of the others and gives it the focus.
inline void BringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}
