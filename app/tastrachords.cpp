#include <QApplication>
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
        Keyboard1->SetChord(static_cast<TChord>(i));
        return;
    }
    const int k = i - kBuiltinCount;
    if (k >= m_chordList.Count()) {
        Keyboard1->SetChord(chNone);
        CBChord->setCurrentIndex(0);
        return;
    }
    Keyboard1->SetCustomChord(m_chordList.Item(k).KeyboardOffsets(), true);
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
    int reselect = -1;
    for (int k = 0; k < m_chordList.Count(); ++k) {
        const QString name = m_chordList.Item(k).Name();
        CBChord->addItem(name);
        if (reselect < 0 && !remembered.isEmpty() && SameChordName(name, remembered))
            reselect = kBuiltinCount + k;
    }
    if (selected >= 0 && selected < kBuiltinCount)
        CBChord->setCurrentIndex(selected);
    else
        CBChord->setCurrentIndex(reselect >= 0 ? reselect : 0);
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

void TTastra2::LoadCustomChord(TSettingsStore& store) {
    if (Keyboard1->Chord() != chCustom) return;
    int index = store.ReadInteger(RegKey().toStdString(), keys::kCustomChord, m_customChordIndex);
    if (index < 0 || index >= m_chordList.Count()) index = 0;
    const int item = kBuiltinCount + index;
    if (index < m_chordList.Count() && item < CBChord->count()) {
        CBChord->setCurrentIndex(item);
        Keyboard1->SetCustomChord(m_chordList.Item(index).KeyboardOffsets(), true);
        m_customChordIndex = index;
    } else {
        Keyboard1->SetChord(chNone);
        CBChord->setCurrentIndex(0);
    }
}

bool TTastra2::eventFilter(QObject* watched, QEvent* event) {
    // The window sees keys before the focused control, like a form that previews keys; the key
    // still reaches the control.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this &&
        watched == QApplication::focusWidget()) {
        auto* ke = static_cast<QKeyEvent*>(event);
        FormKeyDown(ke->key(), ke->modifiers());
    }
    return TTastra::eventFilter(watched, event);
}

void TTastra2::FormKeyDown(int key, Qt::KeyboardModifiers mods) {
    if (key == Qt::Key_Home) StepChord(-1);
    if (key == Qt::Key_End) StepChord(1);
    // Page Up/Down step through the patches; with Shift through the program numbers.
    if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
        const int d = key == Qt::Key_PageUp ? -1 : 1;
        if (mods & Qt::ShiftModifier)
            StepProgram(d);
        else
            StepPatch(d);
    }
}
