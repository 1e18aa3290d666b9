#include <QAction>

#include "app/tastra.h"
#include "app/texts.h"
#include "keyboard/keyboard.h"
#include "midi/midimenu.h"
#include "platform/settings/settingsstore.h"

void TTastra2::LoadSettings(TSettingsStore& store) {
    TTastra::LoadSettings(store);
    const std::string s = RegKey().toStdString();
    m_midiThru = store.ReadBool(s, keys::kMidiThru, m_midiThru);
    FindAction(QStringLiteral("MidiThru1"))->setChecked(m_midiThru);
    m_firstTime = store.ReadBool(s, keys::kFirstTime, true);
    m_program = std::clamp(store.ReadInteger(s, keys::kProgram, 0), -1, 127);
    m_bank = std::clamp(store.ReadInteger(s, keys::kBank, 0), -1, 16383);
    ShowProgram();
    ShowBank();
    const int wheel = store.ReadInteger(s, keys::kMouseWheelController, m_wheelController);
    if (wheel >= 0 && wheel <= 129) SetWheelController(wheel);
    SetWheelSensitivity(store.ReadInteger(s, keys::kMouseWheelSensitivity, m_wheelSensitivity));
    SetStayOnTop(store.ReadBool(s, keys::kStayOnTop, m_stayOnTop));
    m_dontRemindTranspose = store.ReadBool(s, keys::kDontRemindTranspose, m_dontRemindTranspose);
    LoadCustomChord(store);
    for (int i = 0; i < 8; ++i)
        m_importExportFlags[i] =
            store.ReadBool(s, keys::kImportExportFlags[i], m_importExportFlags[i]);
    LoadJoystickSettings(store);
    LoadKnobSettings(store);
}

void TTastra2::SaveSettings(TSettingsStore& store) {
    TTastra::SaveSettings(store);
    const std::string s = RegKey().toStdString();
    // The devices belong to this computer: they go to the registry, never into an export file.
    if (store.IsRegistry()) {
        MidiInMenu1->SaveSettings(store);
        MidiOutMenu1->SaveSettings(store);
    }
    store.WriteBool(s, keys::kMidiThru, m_midiThru);
    store.WriteBool(s, keys::kFirstTime, false);
    m_firstTime = false;
    store.WriteInteger(s, keys::kProgram, m_program);
    store.WriteInteger(s, keys::kBank, m_bank);
    store.WriteInteger(s, keys::kMouseWheelController, m_wheelController);
    store.WriteInteger(s, keys::kMouseWheelSensitivity, m_wheelSensitivity);
    store.WriteBool(s, keys::kStayOnTop, m_stayOnTop);
    store.WriteBool(s, keys::kDontRemindTranspose, m_dontRemindTranspose);
    SavePatchSettings(store);
    if (Keyboard1->Chord() == chCustom)
        store.WriteInteger(s, keys::kCustomChord, m_customChordIndex);
    for (int i = 0; i < 8; ++i)
        store.WriteBool(s, keys::kImportExportFlags[i], m_importExportFlags[i]);
    SaveJoystickSettings(store);
    SaveKnobSettings(store);
}

void TTastra2::RefreshNumbers() {
    TTastra::RefreshNumbers();
    ShowProgram();
    ShowBank();
    RebuildPatchBox();
}
