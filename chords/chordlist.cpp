#include "chords/chordlist.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <string>

#include "platform/settings/settingsstore.h"

bool SameChordName(const QString& a, const QString& b) {
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator.compare(a, b) == 0;
}

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
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (size_t i = 0; i < m_items.size(); ++i)
        if (collator.compare(m_items[i]->Name(), name) == 0) return static_cast<int>(i);
    return -1;
}

int TChordList::Load(TSettingsStore& store, bool append) {
    if (!append) Clear();
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
            // The older chord is looked up before the new one joins, and goes even when the new
            // one turns out unusable: a load always has the last word on a name.
            const int old = IndexOfName(qname);
            TChordEntry* older = old >= 0 ? m_items[old].get() : nullptr;
            auto entry = std::make_unique<TChordEntry>(qname, QString::fromStdString(text));
            if (entry->Count() > 0) {
                Add(std::move(entry));
                ++added;
            }
            if (older) Remove(older);
        }
    } catch (const ESettingsTypeError&) {
        // A value of the wrong type ends the load; what was read so far stays.
    }
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

int TChordList::SaveChanges(TSettingsStore& store, const TChordList& base) const {
    TChordList stored;
    stored.Load(store, false);
    for (const auto& old : base.m_items)
        if (IndexOfName(old->Name()) < 0) {
            const int at = stored.IndexOfName(old->Name());
            if (at >= 0) stored.m_items.erase(stored.m_items.begin() + at);
        }
    for (const auto& e : m_items) {
        const int was = base.IndexOfName(e->Name());
        if (was >= 0 && base.Item(was).Name() == e->Name() &&
            base.Item(was).ToText() == e->ToText())
            continue;  // unchanged here: what is stored now stands
        auto copy = std::make_unique<TChordEntry>(*e);
        const int at = stored.IndexOfName(e->Name());
        if (at >= 0)
            stored.m_items[static_cast<size_t>(at)] = std::move(copy);
        else
            stored.m_items.push_back(std::move(copy));
    }
    return stored.Save(store);
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

std::string TChordList::SaveToRegistry(const TStoreOpener& openRegistry,
                                       const TChordList* base) const {
    try {
        std::unique_ptr<TSettingsStore> store = openRegistry ? openRegistry() : nullptr;
        if (!store) return std::string();
        if (base)
            SaveChanges(*store, *base);
        else
            Save(*store);
        return FlushStore(*store);
    } catch (const std::exception& e) {
        return e.what();
    }
}
