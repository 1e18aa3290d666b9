#include "app/disableditem.h"

#include <QAction>
#include <QMenu>
#include <QProxyStyle>

namespace {

// Lets a menu's disabled items be hovered, so that their status tips and tooltips, which say
// why they are disabled, are shown.
class THoverDisabledStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_Menu_AllowActiveAndDisabled) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

}  // namespace

void DisableWithReason(QAction* action, const QString& reason) {
    action->setEnabled(false);
    action->setStatusTip(reason);
    action->setToolTip(reason);
    for (QObject* o : action->associatedObjects()) {
        auto* menu = qobject_cast<QMenu*>(o);
        if (!menu) continue;
        menu->setToolTipsVisible(true);
        if (dynamic_cast<THoverDisabledStyle*>(menu->style())) continue;
        auto* style = new THoverDisabledStyle;
        style->setParent(menu);
        menu->setStyle(style);
    }
}
