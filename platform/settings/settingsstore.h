#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// An INI-style settings store: sections holding named integer, boolean and string values.
// Two real stores implement it (the per-user registry hive and INI files); every component
// loads and saves itself through this interface without knowing which one it was given.
//
// Reads return the default for a missing section or value. A value stored with a type that the
// read does not accept (a string read from a DWORD value) throws ESettingsTypeError, which ends
// that whole load: callers wrap loads in one try block and keep what was applied before.
class ESettingsTypeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TSettingsStore {
public:
    virtual ~TSettingsStore() = default;

    virtual std::string ReadString(const std::string& section, const std::string& name,
                                   const std::string& def) = 0;
    // The integer value; def when missing or not a decimal number.
    virtual int ReadInteger(const std::string& section, const std::string& name, int def) = 0;
    // ReadInteger with 0/1 as default; true when not 0.
    virtual bool ReadBool(const std::string& section, const std::string& name, bool def) {
        return ReadInteger(section, name, def ? 1 : 0) != 0;
    }

    virtual void WriteString(const std::string& section, const std::string& name,
                             const std::string& value) = 0;
    virtual void WriteInteger(const std::string& section, const std::string& name, int value) = 0;
    // Booleans are written as the strings "0" and "1" in every store.
    virtual void WriteBool(const std::string& section, const std::string& name, bool value) {
        WriteString(section, name, value ? "1" : "0");
    }

    virtual void DeleteKey(const std::string& section, const std::string& name) = 0;
    virtual void EraseSection(const std::string& section) = 0;
    virtual std::vector<std::string> ReadSections() = 0;
    // Names of the values in one section, in stored order.
    virtual std::vector<std::string> ReadSection(const std::string& section) = 0;

    bool ValueExists(const std::string& section, const std::string& name) {
        for (const auto& n : ReadSection(section))
            if (SameName(n, name)) return true;
        return false;
    }

    // Writes what was changed through this store to where it is kept. False when that failed:
    // FailureText then names the file and the system's reason, and the changes stay pending for
    // another attempt. Nothing is written when a store is destroyed, so every writer flushes.
    virtual bool Flush() { return true; }
    virtual std::string FailureText() const { return std::string(); }

    // True for the user's own registry store; false for export files. Some owners (the device
    // menus) write only to the registry.
    virtual bool IsRegistry() const { return false; }

    // Section and value names compare ignoring ASCII case in every store.
    static bool SameName(const std::string& a, const std::string& b);
};

// Opens a store for one load or save: the settings root, or a key below it. Each open sees what
// earlier ones flushed.
using TStoreOpener = std::function<std::unique_ptr<TSettingsStore>()>;

// A store held in memory, with the registry's value types: used by tests and as a scratch store.
class TMemSettingsStore : public TSettingsStore {
public:
    enum class Kind { Integer, String };
    struct Value {
        std::string name;
        Kind kind = Kind::String;
        int number = 0;
        std::string text;
    };
    struct Section {
        std::string name;
        std::vector<Value> values;
    };

    explicit TMemSettingsStore(bool registry = false) : m_registry(registry) {}

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
    bool IsRegistry() const override { return m_registry; }

    const Value* Find(const std::string& section, const std::string& name) const;
    const std::vector<Section>& Sections() const { return m_sections; }

private:
    Section* FindSection(const std::string& section);
    Value& Slot(const std::string& section, const std::string& name, bool* created);

    std::vector<Section> m_sections;
    bool m_registry;
};

// Writes store's changes. Returns an empty string when they were written, else the one message
// a user gets about it: which file and the system's reason.
std::string FlushStore(TSettingsStore& store);

// Parses a whole decimal integer (optional sign, surrounding blanks allowed); false otherwise.
bool ParseDecimalInt(const std::string& text, int& value);
