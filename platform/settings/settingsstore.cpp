#include "platform/settings/settingsstore.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "platform/lib/translatedtext.h"

bool TSettingsStore::SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool ParseDecimalInt(const std::string& text, int& value) {
    size_t b = 0, e = text.size();
    while (b < e && std::isspace(static_cast<unsigned char>(text[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(text[e - 1]))) --e;
    if (b == e) return false;
    std::string t = text.substr(b, e - b);
    size_t digits = (t[0] == '-' || t[0] == '+') ? 1 : 0;
    if (digits == t.size()) return false;
    for (size_t i = digits; i < t.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(t[i]))) return false;
    errno = 0;
    long long v = std::strtoll(t.c_str(), nullptr, 10);
    if (errno == ERANGE || v < INT32_MIN || v > INT32_MAX) return false;
    value = static_cast<int>(v);
    return true;
}

TMemSettingsStore::Section* TMemSettingsStore::FindSection(const std::string& section) {
    for (auto& s : m_sections)
        if (SameName(s.name, section)) return &s;
    return nullptr;
}

const TMemSettingsStore::Value* TMemSettingsStore::Find(const std::string& section,
                                                        const std::string& name) const {
    for (const auto& s : m_sections)
        if (SameName(s.name, section))
            for (const auto& v : s.values)
                if (SameName(v.name, name)) return &v;
    return nullptr;
}

TMemSettingsStore::Value& TMemSettingsStore::Slot(const std::string& section,
                                                  const std::string& name, bool* created) {
    if (created) *created = false;
    Section* s = FindSection(section);
    if (!s) {
        m_sections.push_back({section, {}});
        s = &m_sections.back();
    }
    for (auto& v : s->values)
        if (SameName(v.name, name)) return v;
    if (created) *created = true;
    s->values.push_back({name, Kind::String, 0, {}});
    return s->values.back();
}

std::string TMemSettingsStore::ReadString(const std::string& section, const std::string& name,
                                          const std::string& def) {
    const Value* v = Find(section, name);
    if (!v) return def;
    if (v->kind != Kind::String) throw ESettingsTypeError("Invalid data type for '" + name + "'");
    return v->text;
}

int TMemSettingsStore::ReadInteger(const std::string& section, const std::string& name, int def) {
    const Value* v = Find(section, name);
    if (!v) return def;
    if (v->kind == Kind::Integer) return v->number;
    int n;
    return ParseDecimalInt(v->text, n) ? n : def;
}

void TMemSettingsStore::WriteString(const std::string& section, const std::string& name,
                                    const std::string& value) {
    Value& v = Slot(section, name, nullptr);
    v.kind = Kind::String;
    v.text = value;
}

void TMemSettingsStore::WriteInteger(const std::string& section, const std::string& name,
                                     int value) {
    bool created;
    Value& v = Slot(section, name, &created);
    // Like the registry: an existing string value is overwritten with the decimal text.
    if (!created && v.kind == Kind::String) {
        v.text = std::to_string(value);
        return;
    }
    v.kind = Kind::Integer;
    v.number = value;
    v.text.clear();
}

void TMemSettingsStore::DeleteKey(const std::string& section, const std::string& name) {
    Section* s = FindSection(section);
    if (!s) return;
    for (auto it = s->values.begin(); it != s->values.end(); ++it)
        if (SameName(it->name, name)) {
            s->values.erase(it);
            return;
        }
}

void TMemSettingsStore::EraseSection(const std::string& section) {
    for (auto it = m_sections.begin(); it != m_sections.end(); ++it)
        if (SameName(it->name, section)) {
            m_sections.erase(it);
            return;
        }
}

std::vector<std::string> TMemSettingsStore::ReadSections() {
    std::vector<std::string> out;
    for (const auto& s : m_sections) out.push_back(s.name);
    return out;
}

std::vector<std::string> TMemSettingsStore::ReadSection(const std::string& section) {
    std::vector<std::string> out;
    if (Section* s = FindSection(section))
        for (const auto& v : s->values) out.push_back(v.name);
    return out;
}

std::string FlushStore(TSettingsStore& store) {
    if (store.Flush()) return std::string();
    return TranslatedText("Settings",
                          QT_TRANSLATE_NOOP("Settings", "The settings could not be saved to %1."),
                          store.FailureText());
}
