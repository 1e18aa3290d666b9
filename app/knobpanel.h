#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

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
    std::function<void(uint8_t status, uint8_t data1, uint8_t data2)> send;
    std::function<int()> channel;
    std::function<std::unique_ptr<TSettingsStore>()> openSettingsRoot;
    // Opens the store of a key below the settings root; unset: knob presets are not kept.
    std::function<std::unique_ptr<TSettingsStore>(const std::string& subKey)> openSettingsKey;
};

// The row of knobs, their named presets (Knobs › Presets), the eight snapshots of their values
// (Knobs › Snapshots, F5..F12 and Ctrl+F5..F12) and the set-up window (Knobs › Set up...).
class TKnobPanel : public QObject {
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
    std::function<std::unique_ptr<TSettingsStore>()> PresetsStore() const;

    // Snapshots n = 1..8.
    void DefineSnapshot(int n);
    void RecallSnapshot(int n);
    QString SnapshotValues(int n) const;
    bool HasSnapshots() const;
    int ReadSnapshots(TSettingsStore& store);
    int WriteSnapshots(TSettingsStore& store);

    // The set-up window: created on demand, freed when closed.
    void OpenSetup();
    TKnobEditForm* SetupForm() const;
    void CloseSetup();

    void LoadSettings(TSettingsStore& store, const std::string& section);
    void SaveSettings(TSettingsStore& store, const std::string& section);

private:
    void CreateKnobs();
    void CreateMenu();
    void UpdatePresetChecks();
    void SendKnobValue(int controller, int value);

    TKnobPanelHost m_host;
    std::unique_ptr<TGUIKnobList> m_knobList;
    QString m_presetName;
    QMenu* m_presetsMenu = nullptr;
    QActionGroup* m_presetGroup = nullptr;
    std::array<QString, 8> m_snapshots;
    std::array<QAction*, 8> m_snapshotItems{};
    QPointer<TKnobEditForm> m_editForm;
};
