// The knob set-up window of the main window: its menu item, its creation and what it is told.
#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "app/tastra.h"
#include "controls/guiknoblist.h"
#include "controls/knobeditform.h"

int& TTastra2::ControllerDisplayOffset() {
    static int offset = 1;
    return offset;
}

void TTastra2::CreateKnobSetupItem(QMenu* knobs) {
    knobs->addSeparator()->setObjectName(QStringLiteral("N4"));
    QAction* setup = knobs->addAction(QStringLiteral("Set &up..."));
    setup->setObjectName(QStringLiteral("Setup1"));
    setup->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(setup, &QAction::triggered, this, [this] { Setup1Click(); });
}

TKnobEditForm* TTastra2::KnobEditForm() const { return m_knobEditForm; }

void TTastra2::Setup1Click() {
    if (!m_knobEditForm) {
        TKnobEditHost host;
        host.knobs = m_knobList.get();
        host.openPresets = KnobPresetsStore();
        host.openSettingsRoot = m_services.openSettingsRoot;
        host.presetName = [this] { return m_knobPresetName; };
        host.onPresetsChanged = [this] { RebuildPresetMenu(); };
        host.onKnobsChanged = [this] {
            // The knobs are now a set-up of their own: no preset is checked, and saving the
            // settings keeps them as "Current".
            for (QAction* a : m_presetGroup->actions()) a->setChecked(false);
            m_knobPresetName = QStringLiteral("Current");
        };
        host.selectPreset = [this](const QString& name) { SelectKnobPreset(name); };
        host.controllerOffset = [] { return ControllerDisplayOffset(); };
        m_knobEditForm = new TKnobEditForm(std::move(host), this);
    }
    m_knobEditForm->show();
    m_knobEditForm->raise();
    m_knobEditForm->activateWindow();
}

void TTastra2::KnobSetupLearn(int controller) {
    if (m_knobEditForm && m_knobEditForm->isVisible()) m_knobEditForm->LearnController(controller);
}
