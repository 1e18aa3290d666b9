// The knob row, knob presets and snapshots of the main window.
#include <QAction>
#include <QActionGroup>
#include <QCollator>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <exception>

#include "app/tastra.h"
#include "app/texts.h"
#include "controls/guiknoblist.h"
#include "controls/wheel.h"
#include "keyboard/keyboard.h"
#include "keyboard/updown.h"
#include "platform/settings/settingsstore.h"

namespace {

// Left edge of the knob area: right of the channel field and the selectors beside it.
// The knob area starts this far right of the patch selector's up-down.
constexpr int kKnobAreaOffset = 6;
// The area ends this far before the Panic panel (or the client area's right edge).
constexpr int kKnobAreaGap = 2;

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

void TTastra2::CreateKnobs() {
    m_knobPresetName = QString::fromLatin1(kDefaultPreset);
    QFont small(QStringLiteral("Small Fonts"));
    small.setPixelSize(9);
    LKnob1 = new QLabel(ClientArea());
    LKnob1->setObjectName(QStringLiteral("LKnob1"));
    LKnob1->setFont(small);
    LKnob1->setGeometry(KnobAreaLeft(), 7, 43, 11);
    LKnobCap1 = new QLabel(ClientArea());
    LKnobCap1->setObjectName(QStringLiteral("LKnobCap1"));
    LKnobCap1->setFont(small);
    LKnobCap1->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    LKnobCap1->setGeometry(KnobAreaLeft() + 28, 33, 24, 11);
    Wheel1 = new TWheel(ClientArea());
    Wheel1->setObjectName(QStringLiteral("Wheel1"));
    Wheel1->SetBounds(KnobAreaLeft(), 17, 27, 27);
    Wheel1->SetFocusAction(faFocusColor);
    Wheel1->SetPositionMax(127);
    Wheel1->SetScale(false);
    Wheel1->SetPointerDistance(0);
    Wheel1->SetScaleColor(Qt::white);
    Wheel1->SetScaleLength(1);
    Wheel1->SetWheelColor(Qt::black);
    Wheel1->SetFocusColor(Qt::blue);
    Wheel1->SetShowTrackHint(true);

    m_knobList = std::make_unique<TGUIKnobList>(LKnob1, LKnobCap1, Wheel1);
    m_knobList->OnKnobChange = [this](TGUIKnobList*, int controller, int value) {
        SendKnobValue(controller, value);
    };
    // No knobs until the preset is chosen on the first showing.
    m_knobList->Clear();
    ArrangeKnobs();

    OnSnapshotName = [this](QString& name) {
        bool ok = false;
        const QString text = QInputDialog::getText(
            this, QStringLiteral("Snapshot name"),
            QStringLiteral("Please enter a name for this Snapshot:"), QLineEdit::Normal, name, &ok);
        if (ok) name = text;
        return ok;
    };
}

void TTastra2::CreateKnobMenu(QMenuBar* bar, QMenu* before) {
    auto* knobs = new QMenu(QStringLiteral("&Knobs"), bar);
    knobs->setObjectName(QStringLiteral("Knobs1"));
    bar->insertMenu(before->menuAction(), knobs);
    m_presetsMenu = knobs->addMenu(QStringLiteral("&Presets"));
    m_presetsMenu->setObjectName(QStringLiteral("Presets1"));
    // Optional exclusion: while the knobs are an unsaved set-up, no preset is checked.
    m_presetGroup = new QActionGroup(m_presetsMenu);
    m_presetGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);

    QMenu* snapshots = knobs->addMenu(QStringLiteral("&Snapshots"));
    snapshots->setObjectName(QStringLiteral("Snapshots1"));
    QAction* separator = snapshots->addSeparator();
    separator->setObjectName(QStringLiteral("N5"));
    QMenu* define = snapshots->addMenu(QStringLiteral("&Define"));
    define->setObjectName(QStringLiteral("Define1"));
    for (int n = 1; n <= 8; ++n) {
        auto* recall = new QAction(QStringLiteral("&%1 Snapshot %1").arg(n), snapshots);
        recall->setObjectName(QStringLiteral("Snapshot%1").arg(n));
        recall->setShortcut(QKeySequence(Qt::Key_F4 + n));
        recall->setVisible(false);
        connect(recall, &QAction::triggered, this, [this, n] { RecallSnapshot(n); });
        snapshots->insertAction(separator, recall);
        m_snapshotItems[static_cast<size_t>(n - 1)] = recall;

        QAction* item = define->addAction(QStringLiteral("Define Snapshot &%1").arg(n));
        item->setObjectName(QStringLiteral("DefineSnapshot%1").arg(n));
        item->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_F4 + n)));
        connect(item, &QAction::triggered, this, [this, n] { DefineSnapshot(n); });
    }
    CreateKnobSetupItem(knobs);
}

int TTastra2::KnobAreaLeft() const {
    return UDProgramPatch ? UDProgramPatch->geometry().right() + 1 + kKnobAreaOffset : 480;
}

void TTastra2::ArrangeKnobs() {
    if (!m_knobList) return;
    const int right = (PPanic ? PPanic->x() : ClientArea()->width()) - kKnobAreaGap;
    m_knobList->SetArea(KnobAreaLeft(), right - KnobAreaLeft());
}

void TTastra2::SendKnobValue(int controller, int value) {
    SendAndShow(static_cast<uint8_t>(0xB0 + Keyboard1->Channel()),
                static_cast<uint8_t>(controller & 127), static_cast<uint8_t>(value & 127));
}

std::function<std::unique_ptr<TSettingsStore>()> TTastra2::KnobPresetsStore() const {
    if (!m_services.openSettingsKey) return {};
    const auto open = m_services.openSettingsKey;
    return [open] { return open(kKnobPresetsKey); };
}

void TTastra2::RebuildPresetMenu() {
    QStringList names;
    for (const std::string& n : TKnobList::ReadPresetNames(KnobPresetsStore()))
        names << QString::fromStdString(n);
    names << QString::fromLatin1(kDefaultPreset);
    const bool known = std::any_of(names.begin(), names.end(), [this](const QString& n) {
        return SameText(n, m_knobPresetName);
    });
    if (!SameText(m_knobPresetName, kCurrentPreset) && !known)
        m_knobPresetName = QString::fromLatin1(kDefaultPreset);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), collator);

    for (QAction* a : m_presetGroup->actions()) {
        m_presetGroup->removeAction(a);
        a->deleteLater();
    }
    m_presetsMenu->clear();
    for (const QString& name : names) {
        QAction* a = m_presetsMenu->addAction(MenuText(name));
        a->setData(name);
        a->setCheckable(true);
        m_presetGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, name] {
            if (SameText(name, m_knobPresetName))
                UpdatePresetChecks();  // a click on the checked item keeps it checked
            else
                SelectKnobPreset(name);
        });
    }
    UpdatePresetChecks();
}

void TTastra2::UpdatePresetChecks() {
    for (QAction* a : m_presetGroup->actions())
        a->setChecked(SameText(a->data().toString(), m_knobPresetName));
}

void TTastra2::SelectKnobPreset(const QString& name) {
    bool ok = true;
    if (!SameText(m_knobPresetName, kCurrentPreset)) {
        const auto items = m_presetGroup->actions();
        ok = std::any_of(items.begin(), items.end(),
                         [&](QAction* a) { return SameText(a->data().toString(), name); });
    }
    if (ok) {
        ok = false;
        const std::string wanted = name.toStdString();
        if (const auto open = KnobPresetsStore()) {
            try {
                if (std::unique_ptr<TSettingsStore> store = open())
                    for (const std::string& s : store->ReadSections())
                        ok = ok || TSettingsStore::SameName(s, wanted);
            } catch (const std::exception&) {
                ok = false;
            }
        }
    }
    m_knobPresetName = ok ? name : QString::fromLatin1(kDefaultPreset);
    UpdatePresetChecks();
    if (!SameText(m_knobPresetName, kDefaultPreset)) {
        m_knobList->LoadPreset(KnobPresetsStore(), m_knobPresetName.toStdString());
    } else {
        m_knobList->Clear();
        m_knobList->Add(QString::fromLatin1(kVolumeCaption), kVolumeController, 0, kVolumeValue);
    }
}

void TTastra2::StartKnobs() {
    RebuildPresetMenu();
    SelectKnobPreset(m_knobPresetName);
    if (m_firstTime && m_knobList->Count() == 0)
        m_knobList->Add(QString::fromLatin1(kVolumeCaption), kVolumeController, 0, kVolumeValue);
}

void TTastra2::LoadKnobSettings(TSettingsStore& store) {
    m_knobPresetName = QString::fromStdString(store.ReadString(
        RegKey().toStdString(), keys::kKnobPreset, m_knobPresetName.toStdString()));
    // Snapshots belong to this computer's settings; they travel only in their own export file.
    if (store.IsRegistry()) ReadSnapshots(store);
}

void TTastra2::SaveKnobSettings(TSettingsStore& store) {
    if (QAction* checked = m_presetGroup->checkedAction()) {
        m_knobPresetName = checked->data().toString();
    } else {
        // Knobs set up but not saved under a name are kept as "Current" for the next start.
        m_knobPresetName = QString::fromLatin1(kCurrentPreset);
        if (store.IsRegistry())
            m_presetSaveFailure = m_knobList->SavePreset(KnobPresetsStore(), kCurrentPreset);
    }
    store.WriteString(RegKey().toStdString(), keys::kKnobPreset, m_knobPresetName.toStdString());
    if (store.IsRegistry()) WriteSnapshots(store);
}

QString TTastra2::SnapshotValues(int n) const {
    if (n < 1 || n > 8) return {};
    return m_snapshots[static_cast<size_t>(n - 1)];
}

void TTastra2::DefineSnapshot(int n) {
    if (n < 1 || n > 8 || m_knobList->Count() == 0) return;
    QAction* item = m_snapshotItems[static_cast<size_t>(n - 1)];
    // The caption without its "&n " prefix.
    QString name = item->text().mid(3);
    if (!OnSnapshotName || !OnSnapshotName(name)) return;
    item->setText(QStringLiteral("&%1 ").arg(n) + name);
    const QString values =
        QString::fromStdString(SnapshotValueString(m_knobList->ControllerValues()));
    m_snapshots[static_cast<size_t>(n - 1)] = values;
    item->setStatusTip(values);
    item->setVisible(true);
}

void TTastra2::RecallSnapshot(int n) {
    const QString values = SnapshotValues(n);
    if (values.isEmpty()) return;
    const auto status = static_cast<uint8_t>(0xB0 + Keyboard1->Channel());
    for (const auto& [controller, value] : DecodeSnapshot(values.toStdString())) {
        // A stored string may have been edited by hand: bytes that are no MIDI data are skipped
        // rather than sent as a status byte in disguise.
        if (controller > 127 || value > 127) continue;
        SendAndShow(status, static_cast<uint8_t>(controller), static_cast<uint8_t>(value));
    }
}

int TTastra2::ReadSnapshots(TSettingsStore& store) {
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

QString TTastra2::SnapshotState(int n) const {
    const QString& values = m_snapshots[static_cast<size_t>(n - 1)];
    return values.isEmpty()
               ? QString()
               : m_snapshotItems[static_cast<size_t>(n - 1)]->text() + QLatin1Char('\n') + values;
}

void TTastra2::SnapshotsStored() {
    for (int n = 1; n <= 8; ++n) m_storedSnapshots[static_cast<size_t>(n - 1)] = SnapshotState(n);
}

int TTastra2::WriteSnapshots(TSettingsStore& store) {
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
