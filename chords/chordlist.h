#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chords/chordentry.h"
#include "platform/settings/settingsstore.h"

// Settings section and value names of the chord list, exactly as stored.
inline constexpr const char* kChordsSection = "Chords";
inline constexpr const char* kChordNameValue = "Name";
inline constexpr const char* kChordTextValue = "Chord";
// Name given to fresh chords; further ones get " 2", " 3", ... appended.
inline constexpr const char* kNewChordText = "New chord";

// The user's custom chords in user order. Copies are deep, so an editor can work on a copy and
// hand it back.
class TChordList {
public:
    TChordList() = default;
    TChordList(const TChordList& other);
    TChordList& operator=(const TChordList& other);
    TChordList(TChordList&&) = default;
    TChordList& operator=(TChordList&&) = default;

    int Count() const { return static_cast<int>(m_items.size()); }
    TChordEntry& Item(int index) { return *m_items.at(index); }
    const TChordEntry& Item(int index) const { return *m_items.at(index); }

    // Appends an empty chord named "New chord", or "New chord N" with the first free N from 2.
    TChordEntry& NewChord();
    // Appends an entry taken over by the list.
    TChordEntry& Add(std::unique_ptr<TChordEntry> entry);
    // Takes the entry out and frees it; false when it is not in this list.
    bool Remove(const TChordEntry* entry);
    void Clear() { m_items.clear(); }
    int IndexOf(const TChordEntry* entry) const;
    // First entry whose name equals the given one, compared locale-aware and ignoring case.
    int IndexOfName(const QString& name) const;

    // Reads section "Chords" (Name1/Chord1, Name2/Chord2, ... up to the first gap). A chord
    // replaces one of the same name already present and moves to the end; entries without
    // offsets are skipped. Without append the list is cleared first. Returns the number added.
    // A value of the wrong type in the store ends the reading there.
    int Load(TSettingsStore& store, bool append);
    // Replaces section "Chords" with the list, numbered from 1 without gaps; chords without
    // notes are left out. Returns the number written.
    int Save(TSettingsStore& store) const;
    // Stores only what was changed here since base (the list as it was loaded): chords another
    // running copy added or changed meanwhile stay, unless this list removed or changed them
    // too. A changed chord keeps its stored place; a new one goes to the end.
    int SaveChanges(TSettingsStore& store, const TChordList& base) const;

    // The same against the user's registry store. Loading swallows every failure (also failing
    // to open the store) and reports it only by the result. Saving writes the changes since base
    // when given, else the whole list, and returns an empty string when the chords were written,
    // else the message for the user (which file, and why).
    bool LoadFromRegistry(const TStoreOpener& openRegistry);
    std::string SaveToRegistry(const TStoreOpener& openRegistry,
                               const TChordList* base = nullptr) const;

private:
    std::vector<std::unique_ptr<TChordEntry>> m_items;
};

// Locale-aware whole-string equality ignoring case, as used for chord names.
bool SameChordName(const QString& a, const QString& b);
