#include "knobs/knoblist.h"

#include <algorithm>
#include <cstdio>
#include <exception>

#include "platform/settings/settingsstore.h"

namespace {

const char kCaption[] = "Caption";
const char kDisplayMode[] = "DisplayMode";
const char kDefaultValue[] = "DefaultValue";
const char kController[] = "IUser";

std::string Key(const char* name, int n) { return name + std::to_string(n); }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

TKnobEntry::TKnobEntry(const QString& caption, int controller, int displayMode, int defaultValue)
    : Controller(controller),
      DisplayMode(displayMode),
      DefaultValue(defaultValue),
      m_caption(caption) {}

TKnobList::~TKnobList() = default;

void TKnobList::CreateEntry(const QString& caption, int controller, int displayMode,
                            int defaultValue) {
    m_items.push_back(std::make_unique<TKnobEntry>(caption, controller, displayMode, defaultValue));
}

int TKnobList::Add(const QString& caption, int controller, int displayMode, int defaultValue) {
    if (Count() >= kMaxKnobs) return Count();
    CreateEntry(caption, controller, displayMode, defaultValue);
    ListChanged();
    return Count();
}

void TKnobList::Assign(const TKnobList& source) {
    if (&source == this) return;
    Clear();
    for (int i = 0; i < source.Count() && Count() < kMaxKnobs; ++i) {
        const TKnobEntry* e = source.Items(i);
        if (e->GetCaption().isEmpty()) continue;
        CreateEntry(e->GetCaption(), e->Controller, e->DisplayMode, e->DefaultValue);
    }
    ListChanged();
}

void TKnobList::DeleteEntry(TKnobEntry* entry) {
    auto it = std::find_if(m_items.begin(), m_items.end(),
                           [entry](const auto& p) { return p.get() == entry; });
    if (it != m_items.end()) m_items.erase(it);
}

void TKnobList::Clear() {
    while (!m_items.empty()) DeleteEntry(m_items.back().get());
}

namespace {

// Whether knob n of a stored list is there: a list ends at the first knob without a caption or
// with a display mode out of range.
bool KnobStored(TSettingsStore& store, const std::string& section, int n, std::string& caption,
                int& mode) {
    caption = store.ReadString(section, Key(kCaption, n), "");
    mode = store.ReadInteger(section, Key(kDisplayMode, n), -1);
    return !caption.empty() && mode >= 0 && mode <= 127;
}

}  // namespace

bool TKnobList::HasKnobs(TSettingsStore& store, const std::string& section) {
    std::string caption;
    int mode = 0;
    return KnobStored(store, section, 1, caption, mode);
}

void TKnobList::ReadFromIni(TSettingsStore& store, const std::string& section) {
    Clear();
    std::string caption;
    int mode = 0;
    for (int n = 1; n <= kMaxKnobs; ++n) {
        const int controller = store.ReadInteger(section, Key(kController, n), 0);
        const int value = store.ReadInteger(section, Key(kDefaultValue, n), 0);
        if (!KnobStored(store, section, n, caption, mode)) break;
        // Numbers from a file may be anything: a knob only ever sends 7-bit data.
        CreateEntry(QString::fromStdString(caption), std::clamp(controller, 0, 127), mode,
                    std::clamp(value, 0, 127));
    }
    ListChanged();
}

void TKnobList::WriteToIni(TSettingsStore& store, const std::string& section) const {
    store.EraseSection(section);
    for (int i = 0; i < Count(); ++i) {
        const int n = i + 1;
        store.WriteString(section, Key(kCaption, n), Caption(i).toStdString());
        store.WriteInteger(section, Key(kDisplayMode, n), DisplayMode(i));
        store.WriteInteger(section, Key(kDefaultValue, n), DefaultValue(i));
        store.WriteInteger(section, Key(kController, n), Controller(i));
    }
}

void TKnobList::LoadPreset(const TStoreOpener& open, const std::string& section) {
    if (!open) return;
    try {
        std::unique_ptr<TSettingsStore> store = open();
        if (store) ReadFromIni(*store, section);
    } catch (const std::exception&) {
        ListChanged();
    }
}

std::string TKnobList::SavePreset(const TStoreOpener& open, const std::string& section) const {
    if (!open) return std::string();
    try {
        std::unique_ptr<TSettingsStore> store = open();
        if (!store) return std::string();
        WriteToIni(*store, section);
        return FlushStore(*store);
    } catch (const std::exception& e) {
        return e.what();
    }
}

bool TKnobList::IsReservedPresetName(const std::string& name) {
    return TSettingsStore::SameName(name, "Default") || TSettingsStore::SameName(name, "Current");
}

std::vector<std::string> TKnobList::ReadPresetNames(const TStoreOpener& open) {
    std::vector<std::string> names;
    if (!open) return names;
    try {
        std::unique_ptr<TSettingsStore> store = open();
        if (!store) return names;
        for (const std::string& s : store->ReadSections())
            if (!s.empty() && !IsReservedPresetName(s)) names.push_back(s);
    } catch (const std::exception&) {
    }
    return names;
}

std::string SnapshotValueString(const std::vector<std::pair<int, int>>& controllerValues) {
    std::string out;
    std::vector<int> seen;
    for (const auto& [controller, value] : controllerValues) {
        if (std::find(seen.begin(), seen.end(), controller) != seen.end()) continue;
        seen.push_back(controller);
        char pair[8];
        std::snprintf(pair, sizeof pair, "%02X%02X", controller & 0xFF, value & 0xFF);
        out += pair;
    }
    return out;
}

std::vector<std::pair<int, int>> DecodeSnapshot(const std::string& text) {
    std::vector<int> bytes;
    for (size_t i = 0; i + 1 < text.size(); i += 2) {
        const int hi = HexDigit(text[i]);
        const int lo = HexDigit(text[i + 1]);
        if (hi < 0 || lo < 0) break;
        bytes.push_back(hi * 16 + lo);
    }
    std::vector<std::pair<int, int>> pairs;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) pairs.emplace_back(bytes[i], bytes[i + 1]);
    return pairs;
}
