#include <QString>

#include "app/statuspanels.h"
#include "app/tastra.h"
#include "controls/imgcontrol.h"
#include "controls/wheelcontrols.h"
#include "keyboard/keyboard.h"
#include "midi/midioutput.h"

void TTastra2::SendAndShow(uint8_t status, uint8_t data1, uint8_t data2) {
    try {
        m_midiOut->SendShort(status, data1, data2);
    } catch (const std::exception& e) {
        // A device that fails while playing (unplugged, its server gone) would otherwise raise
        // one error per note of a glide: the first failure since the device opened gets a box,
        // later ones only the status bar.
        const QString text = QString::fromStdString(e.what());
        m_midiOut->CheckDevicePresent();
        SetStatusText(text.section(QLatin1Char('\n'), -1).trimmed());
        if (!m_sendErrorShown) {
            m_sendErrorShown = true;
            ShowError(text);
        }
    }
    ReflectMessage(status, data1, data2);
}

void TTastra2::ReflectMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    const int d1 = data1 & 127;
    const int d2 = data2 & 127;
    switch (status >> 4) {
        case 0xE:
            ICPitch->SetPosition(PitchFromBytes(data1, data2));
            break;
        case 0xB:
            if (d1 == 0) m_bankMsbMemo = d2;
            if (d1 == 32) m_bankLsbMemo = d2;
            if (d1 == ModulationController()) ICMW->SetPosition(d2);
            if (d1 == m_wheelController) m_wheelValue = d2;
            Keyboard1->ControllerFeedback(d1, d2);
            break;
        case 0xC:
            // A bank select (both halves) followed by a program change moves the bank with it;
            // a program change alone keeps the bank.
            if (m_bankMsbMemo >= 0 && m_bankMsbMemo <= 127 && m_bankLsbMemo >= 0 &&
                m_bankLsbMemo <= 127)
                m_bank = m_bankMsbMemo * 128 + m_bankLsbMemo;
            m_program = d1;
            m_bankMsbMemo = m_bankLsbMemo = -1;
            break;
        default:
            break;
    }
}
