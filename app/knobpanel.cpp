#include "app/knobpanel.h"

#include <QAction>
#include <QActionGroup>
#include <QCollator>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <exception>

#include "app/displayoffsets.h"
#include "app/texts.h"
#include "app/toolwindow.h"
#include "app/userprompts.h"
#include "controls/wheel.h"
#include "knobs/guiknoblist.h"
#include "knobs/knobeditform.h"
#include "knobs/knobnames.h"
#include "platform/settings/settingsstore.h"

namespace {

const char kKnobPresetsKey[] = "KnobPresets";
const char kSnapshotsSection[] = "Snapshots";

// Whether the store holds a snapshot slot as a defined snapshot or not at all (rather than a
// name without values, or values of the wrong type).
bool StoredWhole(TSettingsStore& store, const std::string& name, const std::string& values) {
    try {
        return !store.ReadString(kSnapshotsSection, values, "").empty() ||
               (!store.ValueExists(kSnapshotsSection, name) &&
                !store.ValueExists(kSnapshotsSection, values));
    } catch (const ESettingsTypeError&) {
        return false;
    }
}

const char kDefaultPreset[] = "Default";
const char kCurrentPreset[] = "Current";
const char kVolumeCaption[] = "Volume";
constexpr int kVolumeController = 7;
constexpr int kVolumeValue = 100;

bool SameText(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// A menu caption shows "&" as the mark of the access key; a literal one is doubled.
QString MenuText(const QString& name) {
    QString t = name;
    return t.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

TKnobPanel::TKnobPanel(TKnobPanelHost host) : m_host(std::move(host)) {
    m_presetName = QString::fromLatin1(kDefaultPreset);
    CreateKnobs();
    CreateMenu();
}

TKnobPanel::~TKnobPanel() = default;

void TKnobPanel::CreateKnobs() {
    QFont small(QStringLiteral("Small Fonts"));
    small.setPixelSize(9);
    auto* label = new QLabel(m_host.area);
    label->setObjectName(QStringLiteral("LKnob1"));
    label->setFont(small);
    // The pattern's heights and sizes place every knob; Arrange gives them their columns.
    label->setGeometry(0, 6, 43, 11);  // its last line just above the knob
    auto* caption = new QLabel(m_host.area);
    caption->setObjectName(QStringLiteral("LKnobCap1"));
    caption->setFont(small);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    caption->setGeometry(28, 33, 24, 11);
    auto* wheel = new TWheel(m_host.area);
    wheel->setObjectName(QStringLiteral("Wheel1"));
    wheel->SetBounds(0, 17, 27, 27);
    wheel->SetFocusAction(faFocusColor);
    wheel->SetPositionMax(127);
    wheel->SetScale(false);
    wheel->SetPointerDistance(0);
    wheel->SetScaleColor(Qt::white);
    wheel->SetScaleLength(1);
    wheel->SetWheelColor(Qt::black);
    wheel->SetFocusColor(Qt::blue);
    wheel->SetShowTrackHint(true);

    m_knobList = std::make_unique<TGUIKnobList>(label, caption, wheel);
    m_knobList->OnKnobChange = [this](TGUIKnobList*, int controller, int value) {
        SendKnobValue(controller, value);
    };
    // No knobs until the preset is chosen on the first showing.
    m_knobList->Clear();
}

void TKnobPanel::CreateMenu() {
    QMenuBar* bar = m_host.menuBar;
    auto* knobs = new QMenu(tr("&Knobs"), bar);
    knobs->setObjectName(QStringLiteral("Knobs1"));
    bar->insertMenu(m_host.menuBefore->menuAction(), knobs);
    m_presetsMenu = knobs->addMenu(tr("&Presets"));
    m_presetsMenu->setObjectName(QStringLiteral("Presets1"));
    // Optional exclusion: while the knobs are an unsaved set-up, no preset is checked.
    m_presetGroup = new QActionGroup(m_presetsMenu);
    m_presetGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);

    QMenu* snapshots = knobs->addMenu(tr("&Snapshots"));
    snapshots->setObjectName(QStringLiteral("Snapshots1"));
    QAction* separator = snapshots->addSeparator();
    separator->setObjectName(QStringLiteral("N5"));
    QMenu* define = snapshots->addMenu(tr("&Define"));
    define->setObjectName(QStringLiteral("Define1"));
    for (int n = 1; n <= 8; ++n) {
        auto* recall = new QAction(tr("&%1 Snapshot %1").arg(n), snapshots);
        recall->setObjectName(QStringLiteral("Snapshot%1").arg(n));
        recall->setShortcut(QKeySequence(Qt::Key_F4 + n));
        recall->setVisible(false);
        connect(recall, &QAction::triggered, this, [this, n] { RecallSnapshot(n); });
        snapshots->insertAction(separator, recall);
        m_snapshotItems[static_cast<size_t>(n - 1)] = recall;

        QAction* item = define->addAction(tr("Define Snapshot &%1").arg(n));
        item->setObjectName(QStringLiteral("DefineSnapshot%1").arg(n));
        item->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_F4 + n)));
        connect(item, &QAction::triggered, this, [this, n] { DefineSnapshot(n); });
    }

    knobs->addSeparator()->setObjectName(QStringLiteral("N4"));
    QAction* setup = knobs->addAction(tr("Set &up..."));
    setup->setObjectName(QStringLiteral("Setup1"));
    setup->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(setup, &QAction::triggered, this, [this] { OpenSetup(); });
}

void TKnobPanel::Arrange(int left, int right) { m_knobList->SetArea(left, right - left); }

void TKnobPanel::ShowControllerValue(int controller, int value) {
    m_knobList->ShowControllerValue(controller, value);
    if (m_editForm && m_editForm->isVisible()) m_editForm->LearnController(controller);
}

void TKnobPanel::SendKnobValue(int controller, int value) {
    m_host.send(static_cast<uint8_t>(0xB0 + m_host.channel()),
                static_cast<uint8_t>(controller & 127), static_cast<uint8_t>(value & 127));
}

TStoreOpener TKnobPanel::PresetsStore() const {
    if (!m_host.openSettingsKey) return {};
    const auto open = m_host.openSettingsKey;
    return [open] { return open(kKnobPresetsKey); };
}

std::string TKnobPanel::StoreCurrentPreset() {
    if (m_presetName != QLatin1String(kCurrentPreset)) return {};
    return m_knobList->SavePreset(PresetsStore(), kCurrentPreset);
}

bool TKnobPanel::KnobsAreCurrent() const { return SameText(m_presetName, kCurrentPreset); }

void TKnobPanel::RebuildPresetMenu() {
    QStringList names;
    for (const std::string& n : TKnobList::ReadPresetNames(PresetsStore()))
        names << QString::fromStdString(n);
    names << QString::fromLatin1(kDefaultPreset);
    const bool known = std::any_of(names.begin(), names.end(),
                                   [this](const QString& n) { return SameText(n, m_presetName); });
    if (!KnobsAreCurrent() && !known) m_presetName = QString::fromLatin1(kDefaultPreset);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), collator);

    for (QAction* a : m_presetGroup->actions()) {
        m_presetGroup->removeAction(a);
        a->deleteLater();
    }
    m_presetsMenu->clear();
    for (const QString& name : names) {
        QAction* a = m_presetsMenu->addAction(MenuText(ShownPresetName(name)));
        a->setData(name);
        a->setCheckable(true);
        m_presetGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, name] {
            if (SameText(name, m_presetName))
                UpdatePresetChecks();  // a click on the checked item keeps it checked
            else
                SelectPreset(name);
        });
    }
    UpdatePresetChecks();
}

void TKnobPanel::UpdatePresetChecks() {
    for (QAction* a : m_presetGroup->actions())
        a->setChecked(SameText(a->data().toString(), m_presetName));
}

void TKnobPanel::SelectPreset(const QString& name) {
    bool ok = true;
    if (!KnobsAreCurrent()) {
        const auto items = m_presetGroup->actions();
        ok = std::any_of(items.begin(), items.end(),
                         [&](QAction* a) { return SameText(a->data().toString(), name); });
    }
    if (ok) {
        ok = false;
        const std::string wanted = name.toStdString();
        if (const auto open = PresetsStore()) {
            try {
                if (std::unique_ptr<TSettingsStore> store = open())
                    for (const std::string& s : store->ReadSections())
                        ok = ok || TSettingsStore::SameName(s, wanted);
            } catch (const std::exception&) {
                ok = false;
            }
        }
    }
    m_presetName = ok ? name : QString::fromLatin1(kDefaultPreset);
    UpdatePresetChecks();
    if (!SameText(m_presetName, kDefaultPreset)) {
        m_knobList->LoadPreset(PresetsStore(), m_presetName.toStdString());
    } else {
        m_knobList->Clear();
        m_knobList->Add(QString::fromLatin1(kVolumeCaption), kVolumeController, 0, kVolumeValue);
    }
}

void TKnobPanel::Start(bool firstTime) {
    RebuildPresetMenu();
    SelectPreset(m_presetName);
    if (firstTime && m_knobList->Count() == 0)
        m_knobList->Add(QString::fromLatin1(kVolumeCaption), kVolumeController, 0, kVolumeValue);
}

void TKnobPanel::LoadSettings(TSettingsStore& store, const std::string& section) {
    m_presetName = QString::fromStdString(
        store.ReadString(section, keys::kKnobPreset, m_presetName.toStdString()));
    // Snapshots belong to this computer's settings; they travel only in their own export file.
    if (store.IsRegistry()) ReadSnapshots(store);
}

void TKnobPanel::SaveSettings(TSettingsStore& store, const std::string& section) {
    m_presetSaveFailure.clear();
    if (QAction* checked = m_presetGroup->checkedAction()) {
        m_presetName = checked->data().toString();
    } else {
        // Knobs set up but not saved under a name are kept as "Current" for the next start.
        m_presetName = QString::fromLatin1(kCurrentPreset);
        if (store.IsRegistry())
            m_presetSaveFailure = m_knobList->SavePreset(PresetsStore(), kCurrentPreset);
    }
    store.WriteString(section, keys::kKnobPreset, m_presetName.toStdString());
    if (store.IsRegistry()) WriteSnapshots(store);
}

QString TKnobPanel::SnapshotValues(int n) const {
    if (n < 1 || n > 8) return {};
    return m_snapshots[static_cast<size_t>(n - 1)];
}

bool TKnobPanel::HasSnapshots() const {
    return std::any_of(m_snapshots.begin(), m_snapshots.end(),
                       [](const QString& s) { return !s.isEmpty(); });
}

void TKnobPanel::DefineSnapshot(int n) {
    if (n < 1 || n > 8 || m_knobList->Count() == 0) return;
    QAction* item = m_snapshotItems[static_cast<size_t>(n - 1)];
    // The caption without its "&n " prefix.
    QString name = item->text().mid(3);
    if (!m_host.prompts->SnapshotName(name)) return;
    item->setText(QStringLiteral("&%1 ").arg(n) + name);
    const QString values =
        QString::fromStdString(SnapshotValueString(m_knobList->ControllerValues()));
    m_snapshots[static_cast<size_t>(n - 1)] = values;
    item->setStatusTip(values);
    item->setVisible(true);
}

void TKnobPanel::RecallSnapshot(int n) {
    const QString values = SnapshotValues(n);
    if (values.isEmpty()) return;
    const auto status = static_cast<uint8_t>(0xB0 + m_host.channel());
    for (const auto& [controller, value] : DecodeSnapshot(values.toStdString())) {
        // A stored string may have been edited by hand: bytes that are no MIDI data are skipped
        // rather than sent as a status byte in disguise.
        if (controller > 127 || value > 127) continue;
        m_host.send(status, static_cast<uint8_t>(controller), static_cast<uint8_t>(value));
    }
}

int TKnobPanel::ReadSnapshots(TSettingsStore& store) {
    int count = 0;
    for (int n = 1; n <= 8; ++n) {
        const std::string values =
            store.ReadString(kSnapshotsSection, "Values" + std::to_string(n), "");
        if (values.empty()) continue;
        QAction* item = m_snapshotItems[static_cast<size_t>(n - 1)];
        item->setText(QString::fromStdString(store.ReadString(
            kSnapshotsSection, "Name" + std::to_string(n), item->text().toStdString())));
        item->setVisible(true);
        m_snapshots[static_cast<size_t>(n - 1)] = QString::fromStdString(values);
        item->setStatusTip(m_snapshots[static_cast<size_t>(n - 1)]);
        ++count;
    }
    if (store.IsRegistry()) SnapshotsStored();
    return count;
}

QString TKnobPanel::SnapshotState(int n) const {
    const QString& values = m_snapshots[static_cast<size_t>(n - 1)];
    return values.isEmpty()
               ? QString()
               : m_snapshotItems[static_cast<size_t>(n - 1)]->text() + QLatin1Char('\n') + values;
}

void TKnobPanel::SnapshotsStored() {
    for (int n = 1; n <= 8; ++n) m_storedSnapshots[static_cast<size_t>(n - 1)] = SnapshotState(n);
}

int TKnobPanel::WriteSnapshots(TSettingsStore& store) {
    int count = 0;
    for (int n = 1; n <= 8; ++n) {
        const std::string name = "Name" + std::to_string(n);
        const std::string values = "Values" + std::to_string(n);
        const QString& snapshot = m_snapshots[static_cast<size_t>(n - 1)];
        if (!snapshot.isEmpty()) ++count;
        // Into the registry only what this copy of the program changed goes: another running
        // copy may have defined this snapshot since. Half-stored entries are cleared all the same.
        if (store.IsRegistry() &&
            SnapshotState(n) == m_storedSnapshots[static_cast<size_t>(n - 1)] &&
            StoredWhole(store, name, values))
            continue;
        if (snapshot.isEmpty()) {
            store.DeleteKey(kSnapshotsSection, name);
            store.DeleteKey(kSnapshotsSection, values);
            continue;
        }
        store.WriteString(kSnapshotsSection, name,
                          m_snapshotItems[static_cast<size_t>(n - 1)]->text().toStdString());
        store.WriteString(kSnapshotsSection, values, snapshot.toStdString());
    }
    return count;
}

void TKnobPanel::OpenSetup() {
    if (!m_editForm) {
        TKnobEditHost host;
        host.knobs = m_knobList.get();
        host.openPresets = PresetsStore();
        host.openSettingsRoot = m_host.openSettingsRoot;
        host.presetName = [this] { return m_presetName; };
        host.onPresetsChanged = [this] { RebuildPresetMenu(); };
        host.onKnobsChanged = [this] {
            // The knobs are now a set-up of their own: no preset is checked, and saving the
            // settings keeps them as "Current".
            for (QAction* a : m_presetGroup->actions()) a->setChecked(false);
            m_presetName = QString::fromLatin1(kCurrentPreset);
        };
        host.selectPreset = [this](const QString& name) { SelectPreset(name); };
        const TDisplayOffsets* offsets = m_host.offsets;
        host.controllerOffset = [offsets] { return offsets->controller; };
        m_editForm = new TKnobEditForm(std::move(host), m_host.window);
    }
    BringToFront(m_editForm);
}

TKnobEditForm* TKnobPanel::SetupForm() const { return m_editForm; }

void TKnobPanel::CloseSetup() {
    if (m_editForm) m_editForm->close();
}
