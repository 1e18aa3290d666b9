#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/settings/settingsstore.h"

// One knob definition: its name, the controller it sends, how its value is shown and the value
// it starts at (and returns to on a double click).
class TKnobEntry {
public:
    TKnobEntry(const QString& caption, int controller, int displayMode, int defaultValue);
    virtual ~TKnobEntry() = default;

    virtual QString GetCaption() const { return m_caption; }
    virtual void SetCaption(const QString& caption) { m_caption = caption; }

    int Controller;
    // 0: values 0..127; 1: value - 64 with a sign; anything else: no value text.
    int DisplayMode;
    int DefaultValue;

private:
    QString m_caption;
};

// An ordered list of at most 20 knob definitions, stored in an INI-style section as
// Caption<n>, DisplayMode<n>, DefaultValue<n>, IUser<n> for n = 1..Count.
class TKnobList {
public:
    static constexpr int kMaxKnobs = 20;

    TKnobList() = default;
    TKnobList(const TKnobList&) = delete;
    TKnobList& operator=(const TKnobList&) = delete;
    virtual ~TKnobList();

    // Appends a knob; refused when the list is full. Returns the count.
    virtual int Add(const QString& caption, int controller, int displayMode, int defaultValue);
    // Copies source, dropping knobs with an empty caption.
    virtual void Assign(const TKnobList& source);
    virtual void DeleteEntry(TKnobEntry* entry);
    virtual void Clear();
    // Replaces the list with the one stored in section; the stored list ends at the first empty
    // caption or display mode outside 0..127, and after 20 knobs.
    virtual void ReadFromIni(TSettingsStore& store, const std::string& section);
    // Whether ReadFromIni would find at least one knob there, without reading the list.
    static bool HasKnobs(TSettingsStore& store, const std::string& section);
    // Erases section and writes every knob into it.
    virtual void WriteToIni(TSettingsStore& store, const std::string& section) const;

    int Count() const { return static_cast<int>(m_items.size()); }
    TKnobEntry* Items(int index) const { return m_items[static_cast<size_t>(index)].get(); }
    QString Caption(int index) const { return Items(index)->GetCaption(); }
    int Controller(int index) const { return Items(index)->Controller; }
    int DisplayMode(int index) const { return Items(index)->DisplayMode; }
    int DefaultValue(int index) const { return Items(index)->DefaultValue; }

    // ReadFromIni/WriteToIni on the store of the knob presets (one section per preset), opened
    // for the one call; without an opener, or one that gives nullptr, there are none. A store that
    // cannot be opened or read leaves the list as far as it was read. SavePreset returns an empty
    // string when the preset was written, else the message for the user (which file, and why).
    void LoadPreset(const TStoreOpener& open, const std::string& section);
    std::string SavePreset(const TStoreOpener& open, const std::string& section) const;
    // The stored preset names, without "Default" and "Current".
    static std::vector<std::string> ReadPresetNames(const TStoreOpener& open);
    static bool IsReservedPresetName(const std::string& name);

protected:
    // Creates the entry for a new knob and appends it.
    virtual void CreateEntry(const QString& caption, int controller, int displayMode,
                             int defaultValue);
    virtual void ListChanged() {}

    std::vector<std::unique_ptr<TKnobEntry>> m_items;
};

// A snapshot stores each controller once, with the value of the first knob on it, as pairs of
// two uppercase hexadecimal digits: controller 7 at 100 and 10 at 64 give "07640A40".
std::string SnapshotValueString(const std::vector<std::pair<int, int>>& controllerValues);
// The (controller, value) pairs of a snapshot string: hexadecimal digit pairs up to the first
// other character, taken two bytes at a time; a last unpaired byte is ignored.
std::vector<std::pair<int, int>> DecodeSnapshot(const std::string& text);
