// The File menu's import and export of settings, knob presets, knob snapshots and chords as INI
// files.
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <algorithm>
#include <exception>

#include "app/eximhelp.h"
#include "app/tastra.h"
#include "app/texts.h"
#include "controls/guiknoblist.h"
#include "platform/settings/atomicfile.h"
#include "platform/settings/inifile.h"

namespace {

enum TImpExpKind { ieSettings, ieKnobPresets, ieSnapshots, ieChords };
enum TImpExpCommand {
    icExportSettings,
    icExportKnobPresets,
    icExportSnapshots,
    icExportChords,
    icImportSettings,
    icImportKnobPresets,
    icImportSnapshots,
    icImportChords
};

const char* const kDefaultFileNames[4] = {"KeyboardSettings.ini", "KeyboardKnobPresets.ini",
                                          "KeyboardSnapshots.ini", "KeyboardChords.ini"};
const char kFileFilter[] = "Ini files (*.ini);;All files (*.*)";

// A result message: the nothing-done text for n = 0, else the counted one.
QString CountMessage(int n, const char* none, const char* counted) {
    return n == 0 ? QString::fromLatin1(none) : QString::fromLatin1(counted).arg(n);
}

QString CannotRead(const QString& file) {
    return QStringLiteral("The file \"%1\" could not be read. Nothing was imported.")
        .arg(QDir::toNativeSeparators(file));
}

QString CannotWrite(const QString& file) {
    return QStringLiteral("The file \"%1\" could not be written.")
        .arg(QDir::toNativeSeparators(file));
}

// The sections of a knob preset file that name presets.
std::vector<std::string> PresetSections(TSettingsStore& store) {
    std::vector<std::string> names;
    for (const std::string& s : store.ReadSections())
        if (!s.empty() && !TKnobList::IsReservedPresetName(s)) names.push_back(s);
    return names;
}

}  // namespace

void TTastra2::CreateImportExportMenus(QMenu* file) {
    auto item = [this](QMenu* menu, const char* name, const char* caption, void (TTastra2::*h)()) {
        QAction* a = menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, h] { (this->*h)(); });
    };
    QMenu* imports = file->addMenu(QStringLiteral("&Import"));
    imports->setObjectName(QStringLiteral("Import1"));
    imports->menuAction()->setStatusTip(QStringLiteral("Import previously exported ini file."));
    item(imports, "ImportSettings", "&Settings", &TTastra2::ImportSettingsClick);
    item(imports, "ImportKnobPresets", "Knob &Presets...", &TTastra2::ImportKnobPresetsClick);
    item(imports, "ImportKnobSnapshots", "&Knob Snapshots", &TTastra2::ImportKnobSnapshotsClick);
    item(imports, "ImportChords", "&Chords...", &TTastra2::ImportChordsClick);
    QMenu* exports = file->addMenu(QStringLiteral("&Export"));
    exports->setObjectName(QStringLiteral("Export1"));
    exports->menuAction()->setStatusTip(QStringLiteral("Export to an ini file."));
    item(exports, "ExportSettings", "&Settings", &TTastra2::ExportSettingsClick);
    item(exports, "ExportKnobPresets", "Knob &Presets", &TTastra2::ExportKnobPresetsClick);
    item(exports, "ExportKnobSnapshots", "&Knob Snapshots", &TTastra2::ExportKnobSnapshotsClick);
    item(exports, "ExportChords", "&Chords", &TTastra2::ExportChordsClick);
    connect(exports, &QMenu::aboutToShow, this, [this] { Export1Click(); });

    OnExplain = [this](int index, bool& flag) {
        TExImHelp help(this);
        return help.Explain(index, flag);
    };
    OnInformation = [this](const QString& text) {
        QMessageBox box(QMessageBox::Information, texts::kProgramTitle, text, QMessageBox::Ok,
                        this);
        box.exec();
    };
    OnChooseFile = [this](bool forExport, const QString& startFile) {
        QFileDialog dialog(this, forExport ? QStringLiteral("Select export file")
                                           : QStringLiteral("Select import file"));
        dialog.setNameFilter(QString::fromLatin1(kFileFilter));
        dialog.setDefaultSuffix(QStringLiteral("ini"));
        dialog.setAcceptMode(forExport ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(forExport ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        const QFileInfo start(startFile);
        if (!start.path().isEmpty()) dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
}

bool TTastra2::ImportExportFlag(int index) const {
    return index >= 0 && index < 8 && m_importExportFlags[static_cast<size_t>(index)];
}

void TTastra2::Export1Click() {
    FindAction(QStringLiteral("ExportKnobPresets"))->setEnabled(m_knobList->Count() > 0);
    FindAction(QStringLiteral("ExportKnobSnapshots"))
        ->setEnabled(std::any_of(m_snapshots.begin(), m_snapshots.end(),
                                 [](const QString& s) { return !s.isEmpty(); }));
    FindAction(QStringLiteral("ExportChords"))->setEnabled(m_chordList.Count() > 0);
    FindAction(QStringLiteral("ExportSettings"))->setEnabled(true);
}

QString TTastra2::ExportFolder() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) documents = QDir::homePath();
    const QString folder = QDir(documents).filePath(QString::fromLatin1(texts::kProgramTitle));
    QDir().mkpath(folder);
    return folder + QLatin1Char('/');
}

bool TTastra2::PassGuard(int index) {
    bool& flag = m_importExportFlags[static_cast<size_t>(index)];
    // For these two the flag is the remembered overwrite choice, so the question always comes.
    const bool asks = index == icImportKnobPresets || index == icImportChords;
    if (!asks && flag) return true;
    return OnExplain && OnExplain(index, flag);
}

QString TTastra2::ChooseFileName(bool forExport, QString& remembered, const QString& defaultName) {
    QString& dialogFile = forExport ? m_exportDialogFile : m_importDialogFile;
    QString start;
    if (!remembered.isEmpty()) {
        start = remembered;
    } else {
        const QString folder = dialogFile.isEmpty()
                                   ? ExportFolder()
                                   : QFileInfo(dialogFile).absolutePath() + QLatin1Char('/');
        start = folder + defaultName;
    }
    const QString chosen = OnChooseFile ? OnChooseFile(forExport, start) : QString();
    if (chosen.isEmpty()) return {};
    dialogFile = chosen;
    remembered = chosen;
    return chosen;
}

std::unique_ptr<TIniFile> TTastra2::ChooseExportFile(QString& remembered,
                                                     const QString& defaultName) {
    const QString name = ChooseFileName(true, remembered, defaultName);
    if (name.isEmpty()) return nullptr;
    auto file = std::make_unique<TIniFile>(name.toStdString());
    // The user agreed to replace the file: nothing of its old contents may stay in it (an old
    // settings file could otherwise carry this computer's devices along).
    for (const std::string& s : file->ReadSections()) file->EraseSection(s);
    return file;
}

std::unique_ptr<TIniFile> TTastra2::ChooseImportFile(QString& remembered,
                                                     const QString& defaultName) {
    const QString name = ChooseFileName(false, remembered, defaultName);
    if (name.isEmpty()) return nullptr;
    // The INI store reads a missing or unreadable file as empty; an import must say so instead.
    std::string text;
    if (ReadWholeFile(name.toStdString(), text) != TReadResult::Ok) {
        ShowError(CannotRead(name));
        return nullptr;
    }
    return std::make_unique<TIniFile>(name.toStdString());
}

bool TTastra2::FinishExport(TIniFile& file) {
    if (file.UpdateFile()) return true;
    ShowError(CannotWrite(QString::fromStdString(file.FileName())));
    return false;
}

void TTastra2::Inform(const QString& text) {
    if (OnInformation) OnInformation(text);
}

void TTastra2::ExportSettingsClick() {
    if (!PassGuard(icExportSettings)) return;
    auto file = ChooseExportFile(m_rememberedFiles[ieSettings], kDefaultFileNames[ieSettings]);
    if (!file) return;
    try {
        SaveSettings(*file);
        // Knobs not saved under a name travel as "Current": the registry must hold that preset
        // too, or the name in the file would point at nothing.
        if (!file->IsRegistry() && m_knobPresetName == QLatin1String("Current")) {
            const std::string failure = m_knobList->SavePreset(KnobPresetsStore(), "Current");
            if (!failure.empty()) ShowError(QString::fromStdString(failure));
        }
        if (FinishExport(*file)) Inform(QStringLiteral("Settings saved successfully."));
    } catch (const std::exception& e) {
        ShowError(QString::fromLocal8Bit(e.what()));
    }
}

void TTastra2::ExportKnobPresetsClick() {
    if (!PassGuard(icExportKnobPresets)) return;
    auto file =
        ChooseExportFile(m_rememberedFiles[ieKnobPresets], kDefaultFileNames[ieKnobPresets]);
    if (!file) return;
    try {
        const auto names = TKnobList::ReadPresetNames(KnobPresetsStore());
        TKnobList scratch;
        for (const std::string& name : names) {
            scratch.LoadPreset(KnobPresetsStore(), name);
            scratch.WriteToIni(*file, name);
        }
        if (FinishExport(*file))
            Inform(CountMessage(static_cast<int>(names.size()), "No knob presets could be saved.",
                                "%1 knob presets saved successfully."));
    } catch (const std::exception& e) {
        ShowError(QString::fromLocal8Bit(e.what()));
    }
}

void TTastra2::ExportKnobSnapshotsClick() {
    if (!PassGuard(icExportSnapshots)) return;
    auto file = ChooseExportFile(m_rememberedFiles[ieSnapshots], kDefaultFileNames[ieSnapshots]);
    if (!file) return;
    try {
        const int n = WriteSnapshots(*file);
        if (FinishExport(*file))
            Inform(CountMessage(n, "No knob snapshots could be saved.",
                                "%1 knob snapshots saved successfully."));
    } catch (const std::exception& e) {
        ShowError(QString::fromLocal8Bit(e.what()));
    }
}

void TTastra2::ExportChordsClick() {
    if (!PassGuard(icExportChords)) return;
    auto file = ChooseExportFile(m_rememberedFiles[ieChords], kDefaultFileNames[ieChords]);
    if (!file) return;
    try {
        const int n = m_chordList.Save(*file);
        if (FinishExport(*file))
            Inform(CountMessage(n, "No custom chords could be saved.",
                                "%1 custom chords saved successfully."));
    } catch (const std::exception& e) {
        ShowError(QString::fromLocal8Bit(e.what()));
    }
}

void TTastra2::ImportSettingsClick() {
    if (!PassGuard(icImportSettings)) return;
    auto file = ChooseImportFile(m_rememberedFiles[ieSettings], kDefaultFileNames[ieSettings]);
    if (!file) return;
    // A file of another kind (or no INI file at all) would "load" nothing but the current
    // values; say so rather than report a success.
    if (file->ReadSection(RegKey().toStdString()).empty()) {
        ShowError(QStringLiteral("The file \"%1\" holds no settings. Nothing was imported.")
                      .arg(QDir::toNativeSeparators(QString::fromStdString(file->FileName()))));
        return;
    }
    try {
        // Program and bank are taken over for the next start; the running ones stay as shown.
        const int program = m_program;
        const int bank = m_bank;
        LoadSettings(*file);
        const int newProgram = m_program;
        const int newBank = m_bank;
        m_program = program;
        m_bank = bank;
        ShowProgram();
        ShowBank();
        m_program = newProgram;
        m_bank = newBank;
        Inform(QStringLiteral("Settings loaded successfully."));
    } catch (const std::exception& e) {
        ShowError(QString::fromLocal8Bit(e.what()));
    }
}

void TTastra2::ImportKnobPresetsClick() {
    if (!PassGuard(icImportKnobPresets)) return;
    const bool overwrite = m_importExportFlags[icImportKnobPresets];
    auto file =
        ChooseImportFile(m_rememberedFiles[ieKnobPresets], kDefaultFileNames[ieKnobPresets]);
    if (!file) return;
    try {
        // Read every preset first: a file with nothing usable must not cost the user the
        // presets an overwrite would erase.
        std::vector<std::pair<std::string, std::unique_ptr<TKnobList>>> presets;
        for (const std::string& name : PresetSections(*file)) {
            auto knobs = std::make_unique<TKnobList>();
            knobs->ReadFromIni(*file, name);
            if (knobs->Count() > 0) presets.emplace_back(name, std::move(knobs));
        }
        int n = 0;
        const auto open = KnobPresetsStore();
        std::unique_ptr<TSettingsStore> registry = open ? open() : nullptr;
        if (registry && !presets.empty()) {
            if (overwrite)
                for (const std::string& s : registry->ReadSections()) registry->EraseSection(s);
            for (const auto& [name, knobs] : presets) knobs->WriteToIni(*registry, name);
            n = static_cast<int>(presets.size());
        }
        const std::string failure = registry ? FlushStore(*registry) : std::string();
        registry.reset();
        if (!failure.empty())
            ShowError(QString::fromStdString(failure));
        else
            Inform(CountMessage(n, "No knob presets could be loaded.",
                                "%1 knob presets loaded successfully."));
    } catch (const std::exception& e) {
        ShowError(QString::fromLocal8Bit(e.what()));
    }
    RebuildPresetMenu();
    SelectKnobPreset(m_knobPresetName);
}

void TTastra2::ImportKnobSnapshotsClick() {
    if (!PassGuard(icImportSnapshots)) return;
    auto file = ChooseImportFile(m_rememberedFiles[ieSnapshots], kDefaultFileNames[ieSnapshots]);
    if (!file) return;
    try {
        const int n = ReadSnapshots(*file);
        Inform(CountMessage(n, "No knob snapshots could be loaded.",
                            "%1 knob snapshots loaded successfully."));
    } catch (const std::exception& e) {
        ShowError(QString::fromLocal8Bit(e.what()));
    }
}

void TTastra2::ImportChordsClick() {
    if (!PassGuard(icImportChords)) return;
    const bool overwrite = m_importExportFlags[icImportChords];
    auto file = ChooseImportFile(m_rememberedFiles[ieChords], kDefaultFileNames[ieChords]);
    if (!file) return;
    try {
        // Load into a copy so that a file without chords leaves the list as it was, also when
        // overwrite was chosen.
        TChordList chords = overwrite ? TChordList() : m_chordList;
        const int n = chords.Load(*file, !overwrite);
        if (n == 0) {
            Inform(QStringLiteral("No custom chords could be loaded."));
        } else {
            // Added chords join what is stored now (another running copy may have stored some
            // since this one read them); a replacing import replaces everything.
            const TChordList before = std::move(m_chordList);
            m_chordList = std::move(chords);
            const std::string failure = m_chordList.SaveToRegistry(m_services.openSettingsRoot,
                                                                   overwrite ? nullptr : &before);
            if (!failure.empty())
                ShowError(QString::fromStdString(failure));
            else
                Inform(QStringLiteral("%1 custom chords loaded successfully.").arg(n));
        }
    } catch (const std::exception& e) {
        ShowError(QString::fromLocal8Bit(e.what()));
    }
    RebuildChordItems();
}
