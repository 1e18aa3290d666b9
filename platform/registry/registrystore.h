#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/registry/hive.h"
#include "platform/settings/atomicfile.h"
#include "platform/settings/settingsstore.h"

// The settings store on one key of the current user's registry hive, a REGEDIT4 text file at
// $XDG_CONFIG_HOME/Ostrel/registry.reg (~/.config when the variable is unset).
//
// keyPath is a path below the user's root, like "\Software\Ostrel\Zorvik's Tastra\Tastra";
// each section is a subkey of it. Opening creates the key when it is missing (and saves that at
// once). Reads come from the hive as it was when the store was opened (or last flushed), with the
// store's own writes applied.
//
// Writes are recorded as operations and applied to the file's current content under a file lock
// when the store is flushed (UpdateFile or Flush; destroying the store writes nothing), the way
// each registry write lands on its own: two stores, in one process or in two, that save one after
// the other keep each other's values. A hive file that cannot be parsed is renamed to
// <hive>.broken-<time> and the store starts from an empty hive. A hive in a folder where no lock
// file can be made is read all the same; saving it fails.
class TRegistryIniFile : public TSettingsStore {
public:
    explicit TRegistryIniFile(const std::string& keyPath);
    TRegistryIniFile(const std::string& keyPath, const std::string& hivePath);
    ~TRegistryIniFile() override;

    TRegistryIniFile(const TRegistryIniFile&) = delete;
    TRegistryIniFile& operator=(const TRegistryIniFile&) = delete;

    std::string ReadString(const std::string& section, const std::string& name,
                           const std::string& def) override;
    int ReadInteger(const std::string& section, const std::string& name, int def) override;
    void WriteString(const std::string& section, const std::string& name,
                     const std::string& value) override;
    void WriteInteger(const std::string& section, const std::string& name, int value) override;
    void DeleteKey(const std::string& section, const std::string& name) override;
    void EraseSection(const std::string& section) override;
    std::vector<std::string> ReadSections() override;
    std::vector<std::string> ReadSection(const std::string& section) override;
    bool IsRegistry() const override { return true; }

    // Applies the pending changes to the hive file. False when the file could not be written;
    // the changes then stay pending for the next attempt and FailureText says why.
    bool UpdateFile();
    bool Flush() override { return UpdateFile(); }
    std::string FailureText() const override { return m_failure; }
    // Follows the writing of the hive file on each update (see WriteFileAtomically).
    void SetWriteProgress(TWriteProgress progress) { m_progress = std::move(progress); }

    const std::string& HivePath() const { return m_hivePath; }
    // The full path of the store's key inside the hive ("HKEY_CURRENT_USER\Software\...").
    const std::string& KeyPath() const { return m_root; }

    // $XDG_CONFIG_HOME/Ostrel/registry.reg, or ~/.config/Ostrel/registry.reg.
    static std::string DefaultHivePath();

private:
    enum class TOpKind { CreateKey, SetString, SetInteger, DeleteValue, DeleteKey };
    struct TOp {
        TOpKind kind;
        std::string key;
        std::string name;
        std::string text;
        int number = 0;
    };

    void Open();
    bool Failed(const std::string& reason);
    void Record(TOp op);
    static void Apply(hive::THive& h, const TOp& op);
    std::string SectionKey(const std::string& section) const;
    const hive::TValue* Find(const std::string& section, const std::string& name) const;

    std::string m_hivePath;
    std::string m_root;
    hive::THive m_hive;
    std::vector<TOp> m_ops;
    std::string m_failure;
    TWriteProgress m_progress;
};

// Loads the hive file while the caller holds the hive's lock. A file that does not parse is moved
// aside (its name gets ".broken-<time>"), and h becomes empty. False when the file could not be
// read or a broken file could not be moved: it must not be overwritten then.
bool LoadHiveFileLocked(const std::string& hivePath, hive::THive& h, std::string* reason = nullptr);
