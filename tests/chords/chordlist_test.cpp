#include "chords/chordlist.h"

#include <gtest/gtest.h>

#include "platform/settings/settingsstore.h"
#include "support/storeview.h"

namespace {

std::vector<QString> Names(const TChordList& l) {
    std::vector<QString> v;
    for (int i = 0; i < l.Count(); ++i) v.push_back(l.Item(i).Name());
    return v;
}

// A list of (name, chord text) pairs.
TChordList ListOf(std::initializer_list<std::pair<const char*, const char*>> chords) {
    TChordList l;
    for (const auto& [name, text] : chords) l.Add(std::make_unique<TChordEntry>(name, text));
    return l;
}

void Put(TSettingsStore& s, int n, const std::string& name, const std::string& chord) {
    s.WriteString("Chords", "Name" + std::to_string(n), name);
    s.WriteString("Chords", "Chord" + std::to_string(n), chord);
}

// A store that fails on every access, standing in for a registry that cannot be used.
class TBrokenStore : public TMemSettingsStore {
public:
    std::string ReadString(const std::string&, const std::string&, const std::string&) override {
        throw std::runtime_error("broken");
    }
    void EraseSection(const std::string&) override { throw std::runtime_error("broken"); }
};

}  // namespace

TEST(ChordList, NewChordTakesTheFirstFreeName) {
    TChordList l;
    EXPECT_EQ(l.NewChord().Name(), "New chord");
    EXPECT_EQ(l.NewChord().Name(), "New chord 2");
    EXPECT_EQ(l.NewChord().Name(), "New chord 3");
    l.Remove(&l.Item(1));
    EXPECT_EQ(l.NewChord().Name(), "New chord 2");
    l.Item(0).SetName("NEW CHORD");  // names compare ignoring case
    EXPECT_EQ(l.NewChord().Name(), "New chord 4");
    EXPECT_TRUE(l.Item(3).IsEmpty());
}

TEST(ChordList, RemoveAndIndexOfName) {
    TChordList l;
    TChordEntry& a = l.NewChord();
    a.SetName(QString::fromUtf8("Größe"));
    l.NewChord().SetName("Dur");
    EXPECT_EQ(l.IndexOfName(QString::fromUtf8("GRÖßE")), 0);
    EXPECT_EQ(l.IndexOfName("dur"), 1);
    EXPECT_EQ(l.IndexOfName("du"), -1);  // whole strings only
    TChordEntry stranger;
    EXPECT_FALSE(l.Remove(&stranger));
    EXPECT_TRUE(l.Remove(&a));
    EXPECT_EQ(l.IndexOfName("dur"), 0);
}

TEST(ChordList, SaveThenLoadRoundTrips) {
    TChordList l;
    l.Add(std::make_unique<TChordEntry>("Maj", "3c0407"));
    l.Add(std::make_unique<TChordEntry>("Low", "30F4"));
    TMemSettingsStore s;
    Put(s, 7, "stale", "3C01");  // old values beyond the list must not survive a save
    EXPECT_EQ(l.Save(s), 2);
    EXPECT_EQ(s.ReadString("Chords", "Chord1", ""), "3C0407");
    EXPECT_EQ(s.ReadString("Chords", "Name2", ""), "Low");
    EXPECT_FALSE(s.ValueExists("Chords", "Name7"));

    TChordList m;
    m.NewChord();
    EXPECT_EQ(m.Load(s, false), 2);
    EXPECT_EQ(Names(m), (std::vector<QString>{"Maj", "Low"}));
    EXPECT_EQ(m.Item(1).KeyboardOffsets(), (std::vector<int8_t>{-12, 0}));
}

TEST(ChordList, LoadReplacesByNameAndSkipsUnusableEntries) {
    TChordList l;
    l.Add(std::make_unique<TChordEntry>("foo", "3C07"));
    l.Add(std::make_unique<TChordEntry>("bar", "3C05"));
    l.Add(std::make_unique<TChordEntry>("baz", "3C03"));
    TMemSettingsStore s;
    Put(s, 1, "Foo", "3C04");
    Put(s, 2, "BAZ", "3C");  // unusable, but still pushes out the older baz
    Put(s, 3, "New", "zz");
    EXPECT_EQ(l.Load(s, true), 1);
    EXPECT_EQ(Names(l), (std::vector<QString>{"bar", "Foo"}));
    EXPECT_EQ(l.Item(1).Offsets(), (std::vector<int8_t>{4}));
}

TEST(ChordList, LoadStopsAtTheFirstGap) {
    TMemSettingsStore s;
    Put(s, 1, "a", "3C04");
    Put(s, 2, "b", "3C05");
    Put(s, 4, "d", "3C07");
    s.WriteString("Chords", "Name5", "e");  // without its chord
    TChordList l;
    EXPECT_EQ(l.Load(s, false), 2);

    TMemSettingsStore t;
    Put(t, 1, "a", "3C04");
    t.WriteString("Chords", "Name2", "b");
    t.WriteInteger("Chords", "Chord2", 5);  // a number where text belongs ends the load
    TChordList m;
    EXPECT_EQ(m.Load(t, false), 1);
    EXPECT_EQ(Names(m), std::vector<QString>{"a"});
}

TEST(ChordList, AnEmptyChordDoesNotHideTheChordsAfterIt) {
    TChordList l;
    l.Add(std::make_unique<TChordEntry>("a", "3C04"));
    l.NewChord();  // not played in yet
    l.Add(std::make_unique<TChordEntry>("c", "3C07"));
    TMemSettingsStore store(true);
    EXPECT_EQ(l.Save(store), 2);
    EXPECT_EQ(store.ReadSection("Chords"),
              (std::vector<std::string>{"Name1", "Chord1", "Name2", "Chord2"}));
    TChordList m;
    EXPECT_EQ(m.Load(store, false), 2);
    EXPECT_EQ(Names(m), (std::vector<QString>{"a", "c"}));
}

// Two running copies: what the other one stored after this one read the list survives.
TEST(ChordList, SavingChangesKeepsWhatAnotherCopyStoredMeanwhile) {
    const TChordList base = ListOf({{"keep", "3C04"}, {"drop", "3C05"}, {"edit", "3C06"}});
    TMemSettingsStore store(true);
    base.Save(store);
    TChordList other = base;  // the other copy changes "keep" and adds "theirs"
    other.Item(0).Parse("keep", "3C0407");
    other.Add(std::make_unique<TChordEntry>("theirs", "3C08"));
    other.Save(store);

    TChordList mine = base;
    mine.Remove(&mine.Item(1));
    mine.Item(1).Parse("edit", "3C09");
    mine.Add(std::make_unique<TChordEntry>("mine", "3C0A"));
    TChordList written;
    EXPECT_EQ(mine.SaveChanges(store, base, &written), 4);
    TChordList stored;
    stored.Load(store, false);
    // This copy's order first, what the other one added after it.
    EXPECT_EQ(Names(stored), (std::vector<QString>{"keep", "edit", "mine", "theirs"}));
    EXPECT_EQ(stored.Item(0).ToText(), "3C0407");
    EXPECT_EQ(stored.Item(1).ToText(), "3C09");
    EXPECT_EQ(Names(written), Names(stored));
}

// The stored order is the order the list shows: a renamed chord and one replaced by a load in
// other letter case (which moves it to the end) are stored where the list has them.
TEST(ChordList, SavingChangesStoresTheListsOwnOrder) {
    const TChordList base = ListOf({{"Triad", "3C0407"}, {"Fifth", "3C07"}, {"Sixth", "3C09"}});
    TMemSettingsStore store(true);
    base.Save(store);

    TChordList renamed = base;
    renamed.Item(0).SetName("Major");
    renamed.SaveChanges(store, base);
    TChordList stored;
    stored.Load(store, false);
    EXPECT_EQ(Names(stored), (std::vector<QString>{"Major", "Fifth", "Sixth"}));

    TMemSettingsStore file;
    Put(file, 1, "fifth", "3C0707");
    TChordList imported = stored;
    imported.Load(file, true);
    imported.SaveChanges(store, stored);
    stored.Load(store, false);
    EXPECT_EQ(Names(stored), (std::vector<QString>{"Major", "Sixth", "fifth"}));
}

TEST(ChordList, LoadFailuresAreSwallowedSaveFailuresReported) {
    TChordList l;
    l.Add(std::make_unique<TChordEntry>("a", "3C04"));
    auto broken = []() -> std::unique_ptr<TSettingsStore> {
        return std::make_unique<TBrokenStore>();
    };
    EXPECT_EQ(l.SaveToRegistry(broken), "broken");
    EXPECT_FALSE(l.LoadFromRegistry(broken));
    EXPECT_EQ(l.Count(), 0);  // a failed replacing load leaves the list empty

    l.Add(std::make_unique<TChordEntry>("a", "3C04"));
    auto failingOpen = []() -> std::unique_ptr<TSettingsStore> {
        throw std::runtime_error("cannot open");
    };
    EXPECT_FALSE(l.LoadFromRegistry(failingOpen));
    EXPECT_EQ(l.SaveToRegistry(failingOpen), "cannot open");
    EXPECT_EQ(l.Count(), 1);  // nothing was read, nothing was lost

    TMemSettingsStore shared(true);
    auto open = [&shared]() -> std::unique_ptr<TSettingsStore> {
        return std::make_unique<TSharedStoreView>(shared);
    };
    EXPECT_EQ(l.SaveToRegistry(open), "");
    TChordList m;
    EXPECT_TRUE(m.LoadFromRegistry(open));
    EXPECT_EQ(Names(m), std::vector<QString>{"a"});
}

TEST(ChordList, CopiesAreIndependent) {
    TChordList l;
    l.Add(std::make_unique<TChordEntry>("a", "3C04"));
    TChordList copy = l;
    copy.Item(0).ToggleNote(67);
    copy.NewChord();
    EXPECT_EQ(l.Count(), 1);
    EXPECT_EQ(l.Item(0).ToText(), "3C04");
    l = copy;
    EXPECT_EQ(l.Item(0).ToText(), "3C0407");
    EXPECT_EQ(l.Count(), 2);
}
