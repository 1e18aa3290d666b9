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
    // Stores what was changed here since base (the list as it was loaded) without losing what
    // another running copy stored meanwhile: the stored list follows this list's order; a chord
    // unchanged here keeps what is stored now (also another copy's change, or its removal);
    // chords another copy added follow at the end. stored, when given, receives the list as it
    // was written. Returns the number written.
    int SaveChanges(TSettingsStore& store, const TChordList& base,
                    TChordList* stored = nullptr) const;

    // True when store holds exactly list, spelled alike and in its order: a cheap check, before
    // comparing names the locale's way, that nobody else changed the stored chords.
    static bool IsStoredIn(TSettingsStore& store, const TChordList& list);

    // The same against the user's registry store. Loading swallows every failure (also failing
    // to open the store) and reports it only by the result. Saving writes the changes since base
    // when given, else the whole list; stored, when given, receives the list as written. It
    // returns an empty string when the chords were written, else the message for the user (which
    // file, and why).
    bool LoadFromRegistry(const TStoreOpener& openRegistry);
    std::string SaveToRegistry(const TStoreOpener& openRegistry, const TChordList* base = nullptr,
                               TChordList* stored = nullptr) const;

private:
    // Copies of the chords that have notes: what a save writes.
    TChordList WithNotes() const;
    // This list's changes since base joined with what store holds now.
    TChordList MergedWith(TSettingsStore& store, const TChordList& base) const;

    std::vector<std::unique_ptr<TChordEntry>> m_items;
};
