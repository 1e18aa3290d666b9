#include <QAction>
#include <QMenu>

#include "app/anywindowkeys.h"
#include "app/directthrulink.h"
#include "app/importexport.h"
#include "app/joystickrouter.h"
#include "app/knobpanel.h"
#include "app/soundselection.h"
#include "app/synthlink.h"
#include "app/tastra.h"
#include "app/texts.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"
#include "midi/midimenu.h"
#include "platform/settings/settingsstore.h"

void TTastra2::LoadSettings(TSettingsStore& store) {
    TTastra::LoadSettings(store);
    const std::string s = RegKey().toStdString();
    m_midiThru = store.ReadBool(s, keys::kMidiThru, m_midiThru);
    FindAction(QStringLiteral("MidiThru1"))->setChecked(m_midiThru);
    m_firstTime = store.ReadBool(s, keys::kFirstTime, true);
    m_sound->LoadSettings(store, s);
    const int wheel = store.ReadInteger(s, keys::kMouseWheelController, m_wheelController);
    if (wheel >= 0 && wheel <= kControllerNone) SetWheelController(wheel);
    SetWheelSensitivity(store.ReadInteger(s, keys::kMouseWheelSensitivity, m_wheelSensitivity));
    SetStayOnTop(store.ReadBool(s, keys::kStayOnTop, m_stayOnTop));
    m_dontRemindTranspose = store.ReadBool(s, keys::kDontRemindTranspose, m_dontRemindTranspose);
    LoadCustomChord(store);
    m_impExp->LoadFlags(store);
    m_joysticks->LoadSettings(store);
    m_knobs->LoadSettings(store, s);
    m_synth->LoadSettings(store);
    m_anyWindow->LoadSettings(store, s);
    m_language =
        QString::fromStdString(store.ReadString(s, keys::kLanguage, m_language.toStdString()));
    m_directThru->LoadSettings(store, s);
    for (QAction* a : FindMenu(QStringLiteral("Language1"))->actions())
        a->setChecked(a->data().toString() == m_language);
}

void TTastra2::SaveSettings(TSettingsStore& store) {
    TTastra::SaveSettings(store);
    const std::string s = RegKey().toStdString();
    // The devices belong to this computer: they go to the registry, never into an export file.
    if (store.IsRegistry() && m_devicesRead) {
        MidiInMenu1->SaveSettings(store);
        MidiOutMenu1->SaveSettings(store);
    }
    store.WriteBool(s, keys::kMidiThru, m_midiThru);
    store.WriteBool(s, keys::kFirstTime, false);
    m_firstTime = false;
    m_sound->SaveSettings(store, s);
    store.WriteInteger(s, keys::kMouseWheelController, m_wheelController);
    store.WriteInteger(s, keys::kMouseWheelSensitivity, m_wheelSensitivity);
    store.WriteBool(s, keys::kStayOnTop, m_stayOnTop);
    store.WriteBool(s, keys::kDontRemindTranspose, m_dontRemindTranspose);
    m_sound->SavePatchScript(store, s);
    if (Keyboard1->Player().Chord() == chCustom)
        store.WriteInteger(s, keys::kCustomChord, StoredCustomChordIndex(store));
    m_knobs->SaveSettings(store, s);
    m_impExp->SaveFlags(store);
    m_joysticks->SaveSettings(store);
    m_synth->SaveSettings(store);
    m_anyWindow->SaveSettings(store, s);
    store.WriteString(s, keys::kLanguage, m_language.toStdString());
    m_directThru->SaveSettings(store, s);
}

void TTastra2::RefreshNumbers() {
    TTastra::RefreshNumbers();
    m_sound->RefreshNumbers();
}

TMemSettingsStore TTastra2::SettingsImage() {
    // Written like an export file, which touches no file (the "Current" knob preset goes to the
    // presets only on a registry save); what only the registry gets is added below.
    TMemSettingsStore image(false);
    const bool firstTime = m_firstTime;
    SaveSettings(image);
    m_firstTime = firstTime;
    if (m_devicesRead) {
        MidiInMenu1->SaveSettings(image);
        MidiOutMenu1->SaveSettings(image);
    }
    m_knobs->WriteSnapshots(image);
    if (m_knobs->KnobsAreCurrent()) m_knobs->KnobList().WriteToIni(image, "Current knobs");
    return image;
}
