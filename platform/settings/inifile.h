#pragma once

#include <string>
#include <vector>

#include "platform/settings/inidocument.h"
#include "platform/settings/settingsstore.h"

// The settings store on an INI file (export and import files). The file is read when the store
// is opened; changes are written, atomically and with CR LF line ends, by UpdateFile (Flush);
// destroying the store writes nothing. Integers and booleans are stored as decimal text.
class TIniFile : public TSettingsStore {
public:
    explicit TIniFile(const std::string& fileName);
    ~TIniFile() override;

    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

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

    // Writes pending changes; false when the file could not be written (they stay pending).
    bool UpdateFile();
    bool Flush() override { return UpdateFile(); }
    std::string FailureText() const override { return m_failure; }

    const std::string& FileName() const { return m_fileName; }

private:
    std::string m_fileName;
    TIniDocument m_doc;
    bool m_dirty = false;
    std::string m_failure;
};
