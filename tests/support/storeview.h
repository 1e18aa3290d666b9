#pragma once

#include "platform/settings/settingsstore.h"

// A registry-like store that writes through to one in-memory store owned by the test, so each
// "open the settings root" of a window sees what earlier ones and the test wrote.
class TSharedStoreView : public TSettingsStore {
public:
    explicit TSharedStoreView(TMemSettingsStore& m) : m_store(m) {}
    std::string ReadString(const std::string& s, const std::string& n,
                           const std::string& d) override {
        return m_store.ReadString(s, n, d);
    }
    int ReadInteger(const std::string& s, const std::string& n, int d) override {
        return m_store.ReadInteger(s, n, d);
    }
    void WriteString(const std::string& s, const std::string& n, const std::string& v) override {
        m_store.WriteString(s, n, v);
    }
    void WriteInteger(const std::string& s, const std::string& n, int v) override {
        m_store.WriteInteger(s, n, v);
    }
    void DeleteKey(const std::string& s, const std::string& n) override { m_store.DeleteKey(s, n); }
    void EraseSection(const std::string& s) override { m_store.EraseSection(s); }
    std::vector<std::string> ReadSections() override { return m_store.ReadSections(); }
    std::vector<std::string> ReadSection(const std::string& s) override {
        return m_store.ReadSection(s);
    }
    bool IsRegistry() const override { return true; }

private:
    TMemSettingsStore& m_store;
};
