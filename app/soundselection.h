#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/midi/shortmessage.h"
#include "platform/settings/settingsstore.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QMenuBar;
class QWidget;
class TErrForm;
class TKeyboard;
class TNumberEdit;
class TPatchList;
class TPatchModeGroup;
class TPatchProgram;
class TPatchSetChooser;
class TSettingsStore;
class TStatusPanels;
class TUpDown;
class TUserPrompts;
struct TDisplayOffsets;

// What the sound selection is given by its window.
struct TSoundHost {
    QWidget* window = nullptr;  // owns the warnings window and the patch set chooser
    QWidget* area = nullptr;    // where the fields sit
    QMenuBar* menuBar = nullptr;
    TKeyboard* keyboard = nullptr;
    TStatusPanels* status = nullptr;
    TUserPrompts* prompts = nullptr;
    const TDisplayOffsets* offsets = nullptr;
    // Sends straight to the output (program changes are not mirrored in the controls).
    TSendShort send;
    TStoreOpener openSettingsRoot;
    // The shipped files: the default patch script and the "Patch Sets" (see datafolder.h).
    std::string dataFolder;
};

// The sound that plays: the patch box, the program and bank fields, the Patches menu with the
// modes of the loaded patch script, the patch set chooser and the loading of patch scripts.
class TSoundSelection : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TSoundSelection)

public:
    explicit TSoundSelection(TSoundHost host);
    ~TSoundSelection() override;

    int Program() const { return m_program; }
    int Bank() const { return m_bank; }
    void SetProgram(int program, bool send);
    void SetBank(int bank, bool send);
    // Bank select and program change on the keyboard's channel; notes sounding are released.
    void SendProgram();
    void ShowProgram();
    void ShowBank();
    // The display offsets changed.
    void RefreshNumbers();
    void StepPatch(int d);
    void StepProgram(int d);
    // A message sent or received: a bank select (both halves) followed by a program change
    // moves the fields.
    void Reflect(uint8_t status, uint8_t data1, uint8_t data2);

    // Loads a patch script and installs it; true when loading failed. Problems are listed in the
    // warnings window, which is shown when showErrors is set.
    bool LoadPatchSet(const QString& fileName, bool selectFirstMode, bool showErrors);
    void InstallPatchList(std::unique_ptr<TPatchList> list, bool selectFirstMode);
    void DropPatchList();
    void SelectPatch(TPatchProgram* patch, bool force, bool send);
    void SelectModeGroup(TPatchModeGroup* group, bool force);
    // Start-up: the remembered script, else the default one.
    void ReadPatchList();
    void EnsurePatchSelected();
    void LoadDefaultPatchSet();
    TPatchList* PatchList() const { return m_patchList.get(); }
    TPatchModeGroup* CurrentModeGroup() const { return m_modeGroup; }
    TPatchProgram* CurrentPatch() const { return m_patch; }
    QString DefaultPatchScriptPath() const;
    // The "Warnings and Errors" window: the one created beside the window, or a new one.
    TErrForm* ErrForm();

    // The patch set chooser: created on demand, freed when closed.
    void ChoosePatchSet();
    TPatchSetChooser* PatchSetChooser() const;
    void CloseChooser();

    // The right edge of the fields, where the knob area begins.
    int FieldsRight() const;
    // The fields left to right: program and bank in the top row, the patch box in the row below.
    std::vector<QWidget*> TopRowFields() const;
    std::vector<QWidget*> PatchRowFields() const;
    void LoadSettings(TSettingsStore& store, const std::string& section);
    // Program and bank.
    void SaveSettings(TSettingsStore& store, const std::string& section);
    // The patch script and its mode group; nothing before the patch list was first read.
    void SavePatchScript(TSettingsStore& store, const std::string& section);
    // Runs load so that the program and bank it reads are kept for the next start only; the
    // running ones stay as shown.
    void LoadForNextStart(const std::function<void()>& load);

private:
    void CreateControls();
    void CreateMenu();
    void RebuildPatchBox();
    void ShowCurrentPatch();
    void MatchPatchToNumbers();
    void AddPatchMenuItems(QMenu* menu, TPatchModeGroup* group);
    void AddPatchBoxItems(TPatchModeGroup* group, int& currentIndex);
    TPatchProgram* PatchAt(int index) const;
    void PatchBoxClick();
    void ShowBankHint();

    TSoundHost m_host;
    QLabel* m_patchLabel = nullptr;
    QComboBox* m_patchBox = nullptr;
    TUpDown* m_patchUpDown = nullptr;
    QLabel* m_programLabel = nullptr;
    TNumberEdit* m_programEdit = nullptr;
    TUpDown* m_programUpDown = nullptr;
    QLabel* m_bankLabel = nullptr;
    TNumberEdit* m_bankEdit = nullptr;
    TUpDown* m_bankUpDown = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_modesEnd = nullptr;
    QAction* m_loadDefault = nullptr;
    QPointer<TPatchSetChooser> m_chooser;

    int m_program = -1;
    int m_bank = -1;
    int m_bankMsbMemo = -1;
    int m_bankLsbMemo = -1;
    std::unique_ptr<TPatchList> m_patchList;
    // Until the stored patch script has been read, saving must not overwrite its name.
    bool m_patchListRead = false;
    TPatchModeGroup* m_modeGroup = nullptr;
    TPatchProgram* m_patch = nullptr;
    bool m_msbFirst = false;
};
