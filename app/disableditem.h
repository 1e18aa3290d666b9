#pragma once

#include <QString>

class QAction;

// Disables a menu item for a reason the user can read whole: the reason is the item's status
// tip (the status bar shows it while the item is hovered) and its tooltip (the menu shows it
// beside the item, however long it is). The item's menus let disabled items be hovered.
void DisableWithReason(QAction* action, const QString& reason);
