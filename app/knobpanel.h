#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/midi/shortmessage.h"
#include "platform/settings/settingsstore.h"

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QWidget;
class TGUIKnobList;
class TKnobEditForm;
class TSettingsStore;
class TUserPrompts;
struct TDisplayOffsets;

// What the knob panel is given by its window.
struct TKnobPanelHost {
    QWidget* window = nullptr;  // owns the set-up window
    QWidget* area = nullptr;    // where the knobs sit
    QMenuBar* menuBar = nullptr;
    QMenu* menuBefore = nullptr;  // the Knobs menu goes in front of it
    TUserPrompts* prompts = nullptr;
    const TDisplayOffsets* offsets = nullptr;
    // The window's send path.
    TSendShort send;
    std::function<int()> channel;
    TStoreOpener openSettingsRoot;
    // Opens the store of a key below the settings root; unset: knob presets are not kept.
    std::function<std::unique_ptr<TSettingsStore>(const std::string& subKey)> openSettingsKey;
};

// The row of knobs, their named presets (Knobs › Presets), the eight snapshots of their values
// (Knobs › Snapshots, F5..F12 and Ctrl+F5..F12) and the set-up window (Knobs › Set up...).
class TKnobPanel : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TKnobPanel)

public:
    explicit TKnobPanel(TKnobPanelHost host);
    ~TKnobPanel() override;

    TGUIKnobList& KnobList() { return *m_knobList; }
    // The knobs fill left..right of the window's client area.
    void Arrange(int left, int right);
    // A controller value sent or received: a knob on it and an open set-up window show it.
    void ShowControllerValue(int controller, int value);
    // Chooses the preset on the first showing; a first start without one gets a volume knob.
    void Start(bool firstTime);

    const QString& PresetName() const { return m_presetName; }
    bool KnobsAreCurrent() const;
    void RebuildPresetMenu();
    void SelectPreset(const QString& name);
    TStoreOpener PresetsStore() const;
    // Knobs not saved under a name travel in an exported settings file as the preset "Current":
    // the presets must hold it too. The failure's message; empty when stored or not needed.
    std::string StoreCurrentPreset();

    // Snapshots n = 1..8.
    void DefineSnapshot(int n);
    void RecallSnapshot(int n);
    QString SnapshotValues(int n) const;
    bool HasSnapshots() const;
    int ReadSnapshots(TSettingsStore& store);
    // Into the registry only the snapshots changed here since SnapshotsStored are written, so
    // that two running copies keep each other's; an export file gets them all.
    int WriteSnapshots(TSettingsStore& store);
    // The snapshots as they are now are what the registry holds from this copy.
    void SnapshotsStored();

    // The set-up window: created on demand, freed when closed.
    void OpenSetup();
    TKnobEditForm* SetupForm() const;
    void CloseSetup();

    void LoadSettings(TSettingsStore& store, const std::string& section);
    void SaveSettings(TSettingsStore& store, const std::string& section);
    // Why the "Current" preset could not be written by the last SaveSettings; empty when it was.
    const std::string& PresetSaveFailure() const { return m_presetSaveFailure; }

private:
    void CreateKnobs();
    void CreateMenu();
    void UpdatePresetChecks();
    void SendKnobValue(int controller, int value);
    // Caption and values of snapshot n; empty when it is undefined.
    QString SnapshotState(int n) const;

    TKnobPanelHost m_host;
    std::unique_ptr<TGUIKnobList> m_knobList;
    QString m_presetName;
    QMenu* m_presetsMenu = nullptr;
    QActionGroup* m_presetGroup = nullptr;
    std::array<QString, 8> m_snapshots;
    std::array<QAction*, 8> m_snapshotItems{};
    // Each snapshot's SnapshotState as the registry last had it from this copy.
    std::array<QString, 8> m_storedSnapshots;
    std::string m_presetSaveFailure;
    QPointer<TKnobEditForm> m_editForm;
};
