#include "platform/settings/inifile.h"

#include "platform/settings/atomicfile.h"

TIniFile::TIniFile(const std::string& fileName) : m_fileName(fileName) {
    std::string text;
    // A missing or unreadable file reads as empty: every value gives its default.
    if (ReadWholeFile(fileName, text) == TReadResult::Ok) m_doc.Parse(text);
}

TIniFile::~TIniFile() = default;

bool TIniFile::UpdateFile() {
    if (!m_dirty) return true;
    std::string reason;
    if (!WriteFileAtomically(m_fileName, m_doc.Serialize(), &reason)) {
        m_failure = "\"" + m_fileName + "\": " + reason;
        return false;
    }
    m_dirty = false;
    m_failure.clear();
    return true;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& name,
                                 const std::string& def) {
    std::string v;
    return m_doc.Find(section, name, v) ? v : def;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& name, int def) {
    std::string v;
    int n;
    return m_doc.Find(section, name, v) && ParseDecimalInt(v, n) ? n : def;
}

void TIniFile::WriteString(const std::string& section, const std::string& name,
                           const std::string& value) {
    m_doc.Set(section, name, value);
    m_dirty = true;
}

void TIniFile::WriteInteger(const std::string& section, const std::string& name, int value) {
    WriteString(section, name, std::to_string(value));
}

void TIniFile::DeleteKey(const std::string& section, const std::string& name) {
    m_doc.Delete(section, name);
    m_dirty = true;
}

void TIniFile::EraseSection(const std::string& section) {
    m_doc.EraseSection(section);
    m_dirty = true;
}

std::vector<std::string> TIniFile::ReadSections() { return m_doc.Sections(); }

std::vector<std::string> TIniFile::ReadSection(const std::string& section) {
    return m_doc.Names(section);
}
