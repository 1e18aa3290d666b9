#include "chords/chordlist.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <map>
#include <string>

#include "platform/settings/settingsstore.h"

namespace {

// Chord names in the order of the user's locale, ignoring case. Two names are the same chord name
// exactly when neither comes before the other, so a map ordered this way finds a name among n in
// log n comparisons instead of comparing it with every chord.
class TNameOrder {
public:
    TNameOrder() : m_collator(QLocale()) { m_collator.setCaseSensitivity(Qt::CaseInsensitive); }
    bool operator()(const QString& a, const QString& b) const {
        return m_collator.compare(a, b) < 0;
    }
    bool Same(const QString& a, const QString& b) const { return m_collator.compare(a, b) == 0; }

private:
    QCollator m_collator;
};

// Position of each name in a list of chords; the first of equal names, as IndexOfName finds it.
using TNameIndex = std::map<QString, size_t, TNameOrder>;

TNameIndex IndexNames(const std::vector<std::unique_ptr<TChordEntry>>& items) {
    TNameIndex index;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i]) index.emplace(items[i]->Name(), i);
    return index;
}

int Find(const TNameIndex& index, const QString& name) {
    const auto it = index.find(name);
    return it == index.end() ? -1 : static_cast<int>(it->second);
}

}  // namespace

TChordList::TChordList(const TChordList& other) { *this = other; }

TChordList& TChordList::operator=(const TChordList& other) {
    if (this == &other) return *this;
    std::vector<std::unique_ptr<TChordEntry>> items;
    items.reserve(other.m_items.size());
    for (const auto& e : other.m_items) items.push_back(std::make_unique<TChordEntry>(*e));
    m_items = std::move(items);
    return *this;
}

TChordEntry& TChordList::NewChord() {
    const QString base = QString::fromLatin1(kNewChordText);
    QString name = base;
    for (int n = 2; IndexOfName(name) >= 0; ++n)
        name = base + QLatin1Char(' ') + QString::number(n);
    return Add(std::make_unique<TChordEntry>(name));
}

TChordEntry& TChordList::Add(std::unique_ptr<TChordEntry> entry) {
    m_items.push_back(std::move(entry));
    return *m_items.back();
}

int TChordList::IndexOf(const TChordEntry* entry) const {
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].get() == entry) return static_cast<int>(i);
    return -1;
}

bool TChordList::Remove(const TChordEntry* entry) {
    const int i = IndexOf(entry);
    if (i < 0) return false;
    m_items.erase(m_items.begin() + i);
    return true;
}

int TChordList::IndexOfName(const QString& name) const {
    const TNameOrder order;
    for (size_t i = 0; i < m_items.size(); ++i)
        if (order.Same(m_items[i]->Name(), name)) return static_cast<int>(i);
    return -1;
}

int TChordList::Load(TSettingsStore& store, bool append) {
    if (!append) Clear();
    // Replaced chords leave an empty slot behind until the end, so that a long list is not
    // shifted once per replaced chord.
    std::vector<std::unique_ptr<TChordEntry>> items = std::move(m_items);
    TNameIndex index = IndexNames(items);
    int added = 0;
    try {
        for (int n = 1;; ++n) {
            const std::string num = std::to_string(n);
            const std::string name =
                store.ReadString(kChordsSection, kChordNameValue + num, std::string());
            const std::string text =
                store.ReadString(kChordsSection, kChordTextValue + num, std::string());
            if (name.empty() || text.empty()) break;

            const QString qname = QString::fromStdString(name);
            // The older chord goes even when the new one turns out unusable: a load always has
            // the last word on a name.
            const auto older = index.find(qname);
            if (older != index.end()) {
                items[older->second].reset();
                index.erase(older);
            }
            auto entry = std::make_unique<TChordEntry>(qname, QString::fromStdString(text));
            if (entry->Count() > 0) {
                index.emplace(qname, items.size());
                items.push_back(std::move(entry));
                ++added;
            }
        }
    } catch (const ESettingsTypeError&) {
        // A value of the wrong type ends the load; what was read so far stays.
    }
    m_items.clear();
    m_items.reserve(items.size());
    for (auto& e : items)
        if (e) m_items.push_back(std::move(e));
    return added;
}

int TChordList::Save(TSettingsStore& store) const {
    store.EraseSection(kChordsSection);
    int n = 0;
    for (const auto& e : m_items) {
        // A chord without notes would be stored as an empty text, which ends the stored list on
        // loading and would hide every chord after it.
        if (e->Count() == 0) continue;
        ++n;
        const std::string num = std::to_string(n);
        store.WriteString(kChordsSection, kChordNameValue + num, e->Name().toStdString());
        store.WriteString(kChordsSection, kChordTextValue + num, e->ToText().toStdString());
    }
    return n;
}

int TChordList::SaveChanges(TSettingsStore& store, const TChordList& base,
                            TChordList* stored) const {
    // Usually no other copy stored chords since base was read: then this list is the result.
    TChordList merged = IsStoredIn(store, base) ? WithNotes() : MergedWith(store, base);
    const int n = merged.Save(store);
    if (stored) *stored = std::move(merged);
    return n;
}

TChordList TChordList::WithNotes() const {
    TChordList out;
    out.m_items.reserve(m_items.size());
    for (const auto& e : m_items)
        if (e->Count() > 0) out.Add(std::make_unique<TChordEntry>(*e));
    return out;
}

TChordList TChordList::MergedWith(TSettingsStore& store, const TChordList& base) const {
    TChordList now;
    now.Load(store, false);
    const TNameIndex inBase = IndexNames(base.m_items);
    const TNameIndex inStore = IndexNames(now.m_items);
    std::vector<bool> placed(now.m_items.size(), false);
    TChordList merged;
    merged.m_items.reserve(m_items.size() + now.m_items.size());
    for (const auto& e : m_items) {
        const int was = Find(inBase, e->Name());
        const int at = Find(inStore, e->Name());
        if (at >= 0) placed[static_cast<size_t>(at)] = true;
        if (e->Count() == 0) continue;  // cleared here: not written, and not kept either
        const bool unchanged = was >= 0 && base.Item(was).Name() == e->Name() &&
                               base.Item(was).ToText() == e->ToText();
        if (!unchanged)
            merged.Add(std::make_unique<TChordEntry>(*e));
        else if (at >= 0)  // what is stored now stands, in this list's place
            merged.m_items.push_back(std::move(now.m_items[static_cast<size_t>(at)]));
        // else: unchanged here and removed by another copy
    }
    // Chords another copy stored meanwhile follow; those this copy had and removed stay out.
    for (size_t i = 0; i < now.m_items.size(); ++i)
        if (!placed[i] && Find(inBase, now.m_items[i]->Name()) < 0)
            merged.m_items.push_back(std::move(now.m_items[i]));
    return merged;
}

bool TChordList::IsStoredIn(TSettingsStore& store, const TChordList& list) {
    try {
        for (size_t i = 0;; ++i) {
            const std::string num = std::to_string(i + 1);
            const std::string name =
                store.ReadString(kChordsSection, kChordNameValue + num, std::string());
            const std::string text =
                store.ReadString(kChordsSection, kChordTextValue + num, std::string());
            if (name.empty() || text.empty()) return i == list.m_items.size();
            if (i >= list.m_items.size() || list.m_items[i]->Name().toStdString() != name ||
                list.m_items[i]->ToText().toStdString() != text)
                return false;
        }
    } catch (const ESettingsTypeError&) {
        return false;
    }
}

bool TChordList::LoadFromRegistry(const TStoreOpener& openRegistry) {
    try {
        std::unique_ptr<TSettingsStore> store = openRegistry ? openRegistry() : nullptr;
        if (!store) return false;
        Load(*store, false);
        return true;
    } catch (...) {
        return false;
    }
}

std::string TChordList::SaveToRegistry(const TStoreOpener& openRegistry, const TChordList* base,
                                       TChordList* stored) const {
    try {
        std::unique_ptr<TSettingsStore> store = openRegistry ? openRegistry() : nullptr;
        if (!store) return std::string();
        TChordList written;
        if (base) {
            SaveChanges(*store, *base, &written);
        } else {
            written = WithNotes();
            written.Save(*store);
        }
        std::string failure = FlushStore(*store);
        if (failure.empty() && stored) *stored = std::move(written);
        return failure;
    } catch (const std::exception& e) {
        return e.what();
    }
}
