#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "platform/settings/settingsstore.h"

class QMenu;
class TChordList;
class TIniFile;
class TUserPrompts;

// What import and export are given by their window: the few operations on its settings, knobs
// and chords that the commands need.
struct TImportExportHost {
    TUserPrompts* prompts = nullptr;
    // The window's section in the settings.
    std::string section;
    // The window's whole settings written into an export file, and read from an imported one
    // (program and bank then wait for the next start).
    std::function<void(TSettingsStore&)> saveSettings;
    std::function<void(TSettingsStore&)> importSettings;
    // The store of the knob presets; unset: none are kept.
    TStoreOpener openPresets;
    // Stores the knobs as the preset "Current" when they were not saved under a name, since an
    // exported settings file names that preset. The failure's message; empty when stored or not
    // needed.
    std::function<std::string()> storeCurrentKnobs;
    // The stored knob presets changed.
    std::function<void()> presetsChanged;
    // The knob snapshots written to and read from a file: how many.
    std::function<int(TSettingsStore&)> writeSnapshots;
    std::function<int(TSettingsStore&)> readSnapshots;
    // Whether there are knobs and snapshots to export.
    std::function<bool()> hasKnobs;
    std::function<bool()> hasSnapshots;
    // The custom chords, kept under the settings root, and what follows their change.
    TChordList* chords = nullptr;
    TStoreOpener openSettingsRoot;
    std::function<void()> chordsChanged;
};

// File › Import and File › Export: settings, knob presets, knob snapshots and chords as INI
// files. Commands by index: 0-3 export settings, knob presets, knob snapshots, chords; 4-7 the
// imports in the same order. Each is explained first unless its flag says otherwise.
class TImportExport : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TImportExport)

public:
    TImportExport(TImportExportHost host, QMenu* fileMenu);

    void ExportSettingsClick();
    void ExportKnobPresetsClick();
    void ExportKnobSnapshotsClick();
    void ExportChordsClick();
    void ImportSettingsClick();
    void ImportKnobPresetsClick();
    void ImportKnobSnapshotsClick();
    void ImportChordsClick();
    // Enables the "Export" submenu's entries that have something to export.
    void UpdateExportMenu();
    bool Flag(int index) const;
    void LoadFlags(TSettingsStore& store);
    void SaveFlags(TSettingsStore& store);
    // The folder first offered: the program's folder in the user's documents, created if needed.
    static QString ExportFolder();

private:
    bool PassGuard(int index);
    // Run the file dialog offering the remembered name, else the default name in the folder of
    // the dialog's last file (or ExportFolder). nullptr when cancelled or, for an import, when
    // the file cannot be read (after telling the user).
    std::unique_ptr<TIniFile> ChooseExportFile(int kind);
    std::unique_ptr<TIniFile> ChooseImportFile(int kind);
    QString ChooseFileName(bool forExport, int kind);
    bool FinishExport(TIniFile& file);
    // Explains command, lets the user choose its file and runs work on it. Work returns the
    // message of success (empty: nothing to tell), shown once an export file was written; what
    // it throws is reported. False when the command did not come to run.
    bool Run(int command, const std::function<QString(TIniFile&)>& work);

    TImportExportHost m_host;
    QMenu* m_exports = nullptr;
    std::array<bool, 8> m_flags{};
    // Last file per kind (settings, knob presets, snapshots, chords), for this run only.
    std::array<QString, 4> m_rememberedFiles;
    // The file last chosen in the export and in the import dialog, for any kind.
    QString m_exportDialogFile;
    QString m_importDialogFile;
};
