#include "app/importexport.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#include <exception>

#include "app/texts.h"
#include "app/userprompts.h"
#include "chords/chordlist.h"
#include "knobs/knoblist.h"
#include "platform/settings/atomicfile.h"
#include "platform/settings/inifile.h"

namespace {

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

// A result message: the nothing-done text for n = 0, else the counted one.
QString CountMessage(int n, const char* none, const char* counted) {
    return n == 0 ? TImportExport::tr(none) : TImportExport::tr(counted).arg(n);
}

QString FileMessage(const char* text, const QString& file) {
    return TImportExport::tr(text).arg(QDir::toNativeSeparators(file));
}

// The sections of a knob preset file that name presets.
std::vector<std::string> PresetSections(TSettingsStore& store) {
    std::vector<std::string> names;
    for (const std::string& s : store.ReadSections())
        if (!s.empty() && !TKnobList::IsReservedPresetName(s)) names.push_back(s);
    return names;
}

}  // namespace

TImportExport::TImportExport(TImportExportHost host, QMenu* file) : m_host(std::move(host)) {
    auto item = [this](QMenu* menu, const char* name, const char* caption,
                       void (TImportExport::*h)()) {
        QAction* a = menu->addAction(tr(caption));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, h] { (this->*h)(); });
    };
    QMenu* imports = file->addMenu(tr("&Import"));
    imports->setObjectName(QStringLiteral("Import1"));
    imports->menuAction()->setStatusTip(tr("Import previously exported ini file."));
    item(imports, "ImportSettings", QT_TR_NOOP("&Settings"), &TImportExport::ImportSettingsClick);
    item(imports, "ImportKnobPresets", QT_TR_NOOP("Knob &Presets..."),
         &TImportExport::ImportKnobPresetsClick);
    item(imports, "ImportKnobSnapshots", QT_TR_NOOP("&Knob Snapshots"),
         &TImportExport::ImportKnobSnapshotsClick);
    item(imports, "ImportChords", QT_TR_NOOP("&Chords..."), &TImportExport::ImportChordsClick);
    m_exports = file->addMenu(tr("&Export"));
    m_exports->setObjectName(QStringLiteral("Export1"));
    m_exports->menuAction()->setStatusTip(tr("Export to an ini file."));
    item(m_exports, "ExportSettings", QT_TR_NOOP("&Settings"), &TImportExport::ExportSettingsClick);
    item(m_exports, "ExportKnobPresets", QT_TR_NOOP("Knob &Presets"),
         &TImportExport::ExportKnobPresetsClick);
    item(m_exports, "ExportKnobSnapshots", QT_TR_NOOP("&Knob Snapshots"),
         &TImportExport::ExportKnobSnapshotsClick);
    item(m_exports, "ExportChords", QT_TR_NOOP("&Chords"), &TImportExport::ExportChordsClick);
    connect(m_exports, &QMenu::aboutToShow, this, [this] { UpdateExportMenu(); });
}

bool TImportExport::Flag(int index) const {
    return index >= 0 && index < 8 && m_flags[static_cast<size_t>(index)];
}

void TImportExport::LoadFlags(TSettingsStore& store) {
    for (size_t i = 0; i < m_flags.size(); ++i)
        m_flags[i] = store.ReadBool(m_host.section, keys::kImportExportFlags[i], m_flags[i]);
}

void TImportExport::SaveFlags(TSettingsStore& store) {
    for (size_t i = 0; i < m_flags.size(); ++i)
        store.WriteBool(m_host.section, keys::kImportExportFlags[i], m_flags[i]);
}

void TImportExport::UpdateExportMenu() {
    auto enable = [this](const char* name, bool on) {
        m_exports->findChild<QAction*>(QString::fromLatin1(name))->setEnabled(on);
    };
    enable("ExportKnobPresets", m_host.hasKnobs());
    enable("ExportKnobSnapshots", m_host.hasSnapshots());
    enable("ExportChords", m_host.chords->Count() > 0);
    enable("ExportSettings", true);
}

QString TImportExport::ExportFolder() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) documents = QDir::homePath();
    const QString folder = QDir(documents).filePath(QString::fromLatin1(texts::kProgramTitle));
    QDir().mkpath(folder);
    return folder + QLatin1Char('/');
}

bool TImportExport::PassGuard(int index) {
    bool& flag = m_flags[static_cast<size_t>(index)];
    // For these two the flag is the remembered overwrite choice, so the question always comes.
    const bool asks = index == icImportKnobPresets || index == icImportChords;
    if (!asks && flag) return true;
    return m_host.prompts->Explain(index, flag);
}

QString TImportExport::ChooseFileName(bool forExport, int kind) {
    QString& dialogFile = forExport ? m_exportDialogFile : m_importDialogFile;
    QString& remembered = m_rememberedFiles[static_cast<size_t>(kind)];
    QString start;
    if (!remembered.isEmpty()) {
        start = remembered;
    } else {
        const QString folder = dialogFile.isEmpty()
                                   ? ExportFolder()
                                   : QFileInfo(dialogFile).absolutePath() + QLatin1Char('/');
        start = folder + QString::fromLatin1(kDefaultFileNames[kind]);
    }
    const QString chosen = m_host.prompts->ChooseFile(forExport, start);
    if (chosen.isEmpty()) return {};
    dialogFile = chosen;
    remembered = chosen;
    return chosen;
}

std::unique_ptr<TIniFile> TImportExport::ChooseExportFile(int kind) {
    const QString name = ChooseFileName(true, kind);
    if (name.isEmpty()) return nullptr;
    auto file = std::make_unique<TIniFile>(name.toStdString());
    // The user agreed to replace the file: nothing of its old contents may stay in it (an old
    // settings file could otherwise carry this computer's devices along).
    for (const std::string& s : file->ReadSections()) file->EraseSection(s);
    return file;
}

std::unique_ptr<TIniFile> TImportExport::ChooseImportFile(int kind) {
    const QString name = ChooseFileName(false, kind);
    if (name.isEmpty()) return nullptr;
    // The INI store reads a missing or unreadable file as empty; an import must say so instead.
    std::string text;
    if (ReadWholeFile(name.toStdString(), text) != TReadResult::Ok) {
        m_host.prompts->Error(FileMessage(
            QT_TR_NOOP("The file \"%1\" could not be read. Nothing was imported."), name));
        return nullptr;
    }
    return std::make_unique<TIniFile>(name.toStdString());
}

bool TImportExport::FinishExport(TIniFile& file) {
    if (file.UpdateFile()) return true;
    m_host.prompts->Error(FileMessage(QT_TR_NOOP("The file \"%1\" could not be written."),
                                      QString::fromStdString(file.FileName())));
    return false;
}

bool TImportExport::Run(int command, const std::function<QString(TIniFile&)>& work) {
    if (!PassGuard(command)) return false;
    const bool forExport = command < icImportSettings;
    auto file =
        forExport ? ChooseExportFile(command) : ChooseImportFile(command - icImportSettings);
    if (!file) return false;
    try {
        const QString done = work(*file);
        if (!done.isEmpty() && (!forExport || FinishExport(*file)))
            m_host.prompts->Information(done);
    } catch (const std::exception& e) {
        m_host.prompts->Error(QString::fromLocal8Bit(e.what()));
    }
    return true;
}

void TImportExport::ExportSettingsClick() {
    Run(icExportSettings, [this](TIniFile& file) {
        m_host.saveSettings(file);
        const std::string failure = m_host.storeCurrentKnobs();
        if (!failure.empty()) m_host.prompts->Error(QString::fromStdString(failure));
        return tr("Settings saved successfully.");
    });
}

void TImportExport::ExportKnobPresetsClick() {
    Run(icExportKnobPresets, [this](TIniFile& file) {
        const auto& open = m_host.openPresets;
        const auto names = TKnobList::ReadPresetNames(open);
        TKnobList scratch;
        for (const std::string& name : names) {
            scratch.LoadPreset(open, name);
            scratch.WriteToIni(file, name);
        }
        return CountMessage(static_cast<int>(names.size()),
                            QT_TR_NOOP("No knob presets could be saved."),
                            QT_TR_NOOP("%1 knob presets saved successfully."));
    });
}

void TImportExport::ExportKnobSnapshotsClick() {
    Run(icExportSnapshots, [this](TIniFile& file) {
        return CountMessage(m_host.writeSnapshots(file),
                            QT_TR_NOOP("No knob snapshots could be saved."),
                            QT_TR_NOOP("%1 knob snapshots saved successfully."));
    });
}

void TImportExport::ExportChordsClick() {
    Run(icExportChords, [this](TIniFile& file) {
        return CountMessage(m_host.chords->Save(file),
                            QT_TR_NOOP("No custom chords could be saved."),
                            QT_TR_NOOP("%1 custom chords saved successfully."));
    });
}

void TImportExport::ImportSettingsClick() {
    Run(icImportSettings, [this](TIniFile& file) {
        // A file of another kind (or no INI file at all) would "load" nothing but the current
        // values; say so rather than report a success.
        if (file.ReadSection(m_host.section).empty()) {
            m_host.prompts->Error(
                FileMessage(QT_TR_NOOP("The file \"%1\" holds no settings. Nothing was imported."),
                            QString::fromStdString(file.FileName())));
            return QString();
        }
        // Program and bank are taken over for the next start; the running ones stay as shown.
        m_host.importSettings(file);
        return tr("Settings loaded successfully.");
    });
}

void TImportExport::ImportKnobPresetsClick() {
    const bool ran = Run(icImportKnobPresets, [this](TIniFile& file) {
        // A file with nothing usable must not cost the user the presets an overwrite would
        // erase: which presets it holds is known before anything is erased. Each is read only
        // to be stored (holding them all meanwhile would cost more than the file).
        std::vector<std::string> names;
        TKnobList knobs;
        for (const std::string& name : PresetSections(file))
            if (TKnobList::HasKnobs(file, name)) names.push_back(name);
        int n = 0;
        const auto& open = m_host.openPresets;
        std::unique_ptr<TSettingsStore> registry = open ? open() : nullptr;
        if (registry && !names.empty()) {
            if (m_flags[icImportKnobPresets])  // overwrite
                for (const std::string& s : registry->ReadSections()) registry->EraseSection(s);
            for (const std::string& name : names) {
                knobs.ReadFromIni(file, name);
                knobs.WriteToIni(*registry, name);
            }
            n = static_cast<int>(names.size());
        }
        const std::string failure = registry ? FlushStore(*registry) : std::string();
        if (!failure.empty()) {
            m_host.prompts->Error(QString::fromStdString(failure));
            return QString();
        }
        return CountMessage(n, QT_TR_NOOP("No knob presets could be loaded."),
                            QT_TR_NOOP("%1 knob presets loaded successfully."));
    });
    if (ran) m_host.presetsChanged();
}

void TImportExport::ImportKnobSnapshotsClick() {
    Run(icImportSnapshots, [this](TIniFile& file) {
        return CountMessage(m_host.readSnapshots(file),
                            QT_TR_NOOP("No knob snapshots could be loaded."),
                            QT_TR_NOOP("%1 knob snapshots loaded successfully."));
    });
}

void TImportExport::ImportChordsClick() {
    const bool ran = Run(icImportChords, [this](TIniFile& file) {
        // Load into a copy so that a file without chords leaves the list as it was, also when
        // overwrite was chosen.
        const bool overwrite = m_flags[icImportChords];
        TChordList chords = overwrite ? TChordList() : *m_host.chords;
        const int n = chords.Load(file, !overwrite);
        if (n > 0) {
            // Added chords join what is stored now (another running copy may have stored some
            // since this one read them); a replacing import replaces everything. The list then
            // holds what was stored, in the stored order.
            const TChordList before = std::move(*m_host.chords);
            TChordList stored;
            const std::string failure = chords.SaveToRegistry(
                m_host.openSettingsRoot, overwrite ? nullptr : &before, &stored);
            if (!failure.empty()) {
                // They stay to be played in this run; the message says they were not stored.
                *m_host.chords = std::move(chords);
                m_host.prompts->Error(QString::fromStdString(failure));
                return QString();
            }
            *m_host.chords = std::move(stored);
        }
        return CountMessage(n, QT_TR_NOOP("No custom chords could be loaded."),
                            QT_TR_NOOP("%1 custom chords loaded successfully."));
    });
    if (ran) m_host.chordsChanged();
}
