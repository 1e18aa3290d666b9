// The main window's patch set chooser: its menu item, opening it and loading what it picks.
#include <QAction>
#include <QMenu>

#include "app/tastra.h"
#include "patches/patchsetdialog.h"

void TTastra2::CreateChooserMenuItem() {
    // The chooser's item stands between the mode submenus' separator and the default set.
    ChoosePatchSet1 = new QAction(QStringLiteral("&Choose Patch Set..."), Patches1);
    ChoosePatchSet1->setObjectName(QStringLiteral("ChoosePatchSet1"));
    ChoosePatchSet1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Patches1->insertAction(LoadDefaultPatchSet1, ChoosePatchSet1);
    connect(ChoosePatchSet1, &QAction::triggered, this, [this] { ChoosePatchSet1Click(); });
}

TPatchSetChooser* TTastra2::PatchSetChooser() const { return m_patchSetChooser; }

void TTastra2::ChoosePatchSet1Click() {
    if (!m_patchSetChooser) {
        m_patchSetChooser = new TPatchSetChooser(m_services.openSettingsRoot, this);
        // A script that fails to load leaves the loaded one in place.
        m_patchSetChooser->OnLoadPatchSet = [this](const QString& fileName) {
            return LoadPatchSet(fileName, true, true);
        };
    }
    if (m_patchSetChooser->isMinimized()) m_patchSetChooser->showNormal();
    m_patchSetChooser->show();
    m_patchSetChooser->raise();
    m_patchSetChooser->activateWindow();
}

void TTastra2::ClosePatchSetChooser() {
    if (m_patchSetChooser) m_patchSetChooser->close();
}
