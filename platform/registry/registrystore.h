#pragma once

#include <sys/types.h>

#include <ctime>
#include <functional>
#include <string>
#include <unordered_map>
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
// the other keep each other's values. A hive file of which nothing can be read is renamed to
// <hive>.broken-<time> (its target, when the hive is a symbolic link) and the store starts from
// an empty hive; a file with some damaged lines is read without them, and they are kept. A hive
// in a folder where no lock file can be made is read all the same; saving it fails.
class TRegistryIniFile : public TSettingsStore {
public:
    // Told the full name of the copy a hive that could not be read was renamed to.
    using TSetAsideNotice = std::function<void(const std::string& copy)>;

    explicit TRegistryIniFile(const std::string& keyPath);
    TRegistryIniFile(const std::string& keyPath, const std::string& hivePath,
                     TSetAsideNotice setAside = nullptr);
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
    enum class TOpKind : char { CreateKey, SetString, SetInteger, DeleteValue, DeleteKey };
    struct TOp {
        TOpKind kind;
        std::string key;
        std::string name;
        std::string text;
        int number = 0;
    };
    // What identifies one version of the hive file: every save makes a new file.
    struct TFileStamp {
        bool present = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec modified{};
        timespec changed{};
        bool operator==(const TFileStamp& other) const;
    };

    void Open();
    // Loads the hive file while the hive's lock is held. A file of which nothing can be read is
    // moved aside and h becomes empty. False when the file could not be read or a broken file
    // could not be moved: it must not be overwritten then.
    bool LoadLocked(hive::THive& h, std::string* reason);
    static TFileStamp StampOf(const std::string& path);
    bool Failed(const std::string& reason);
    void Record(const TOp& op);
    static void Apply(hive::THive& h, const TOp& op);
    // Applies the operations recorded since the last save to h, in order.
    void Replay(hive::THive& h) const;
    std::string SectionKey(const std::string& section) const;
    const hive::TValue* Find(const std::string& section, const std::string& name) const;

    std::string m_hivePath;
    std::string m_root;
    hive::THive m_hive;
    // The version of the file m_hive was read from or last written as.
    TFileStamp m_stamp;
    // The operations not saved yet, in order: for each its kind and the numbers of its key and
    // of its value's name; the values written are those in m_hive. An import writes hundreds of
    // thousands of values, which as separate strings would cost several times the hive's size.
    std::string m_journal;
    std::vector<std::string> m_journalKeys;
    std::vector<std::string> m_journalNames;
    std::unordered_map<std::string, uint32_t> m_journalNameNumbers;
    std::string m_failure;
    TWriteProgress m_progress;
    TSetAsideNotice m_setAside;
};
