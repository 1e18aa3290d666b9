#include <QComboBox>
#include <QKeyEvent>

#include "app/tastra.h"
#include "app/texts.h"
#include "keyboard/keyboard.h"
#include "platform/settings/settingsstore.h"

namespace {
constexpr int kBuiltinCount = 8;
}

void TTastra2::CBChordClick() {
    const int i = CBChord->currentIndex();
    if (i < 0) return;
    if (i < kBuiltinCount) {
        Keyboard1->Player().SetChord(static_cast<TChord>(i));
        return;
    }
    const int k = i - kBuiltinCount;
    if (k >= m_chordList.Count()) {
        Keyboard1->Player().SetChord(chNone);
        CBChord->setCurrentIndex(0);
        return;
    }
    Keyboard1->Player().SetCustomChord(m_chordList.Item(k).KeyboardOffsets(), true);
    m_customChordIndex = k;
}

void TTastra2::ReloadChords() {
    m_chordList.LoadFromRegistry(m_services.openSettingsRoot);
    RebuildChordItems();
}

void TTastra2::RebuildChordItems() {
    const int selected = CBChord->currentIndex();
    QString remembered;
    if (selected >= kBuiltinCount) remembered = CBChord->itemText(selected);
    while (CBChord->count() > kBuiltinCount) CBChord->removeItem(CBChord->count() - 1);
    QStringList names;
    names.reserve(m_chordList.Count());
    for (int k = 0; k < m_chordList.Count(); ++k) names << m_chordList.Item(k).Name();
    CBChord->addItems(names);
    const int found = remembered.isEmpty() ? -1 : m_chordList.IndexOfName(remembered);
    if (selected >= 0 && selected < kBuiltinCount)
        CBChord->setCurrentIndex(selected);
    else
        CBChord->setCurrentIndex(found >= 0 ? kBuiltinCount + found : 0);
    CBChordClick();
}

void TTastra2::StepChord(int d) {
    const int n = CBChord->count();
    if (n == 0) return;
    int i = CBChord->currentIndex() + d;
    if (i < 0) i = n - 1;
    if (i >= n) i = 0;
    CBChord->setCurrentIndex(i);
    CBChordClick();
}

int TTastra2::StoredCustomChordIndex(TSettingsStore& store) const {
    // Another running copy may have removed or added chords since this one read them: the
    // position is counted in the list as it is stored, so that it names the chord shown here.
    if (!store.IsRegistry() || m_customChordIndex >= m_chordList.Count() ||
        TChordList::IsStoredIn(store, m_chordList))
        return m_customChordIndex;
    TChordList stored;
    stored.Load(store, false);
    const int at = stored.IndexOfName(m_chordList.Item(m_customChordIndex).Name());
    return at >= 0 ? at : m_customChordIndex;
}

void TTastra2::LoadCustomChord(TSettingsStore& store) {
    if (Keyboard1->Player().Chord() != chCustom) return;
    int index = store.ReadInteger(RegKey().toStdString(), keys::kCustomChord, m_customChordIndex);
    if (index < 0 || index >= m_chordList.Count()) index = 0;
    const int item = kBuiltinCount + index;
    if (index < m_chordList.Count() && item < CBChord->count()) {
        CBChord->setCurrentIndex(item);
        Keyboard1->Player().SetCustomChord(m_chordList.Item(index).KeyboardOffsets(), true);
        m_customChordIndex = index;
    } else {
        Keyboard1->Player().SetChord(chNone);
        CBChord->setCurrentIndex(0);
    }
}
