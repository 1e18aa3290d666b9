#include <QAction>
#include <QMetaObject>
#include <QString>
#include <exception>
#include <optional>

#include "app/directthrulink.h"
#include "app/knobpanel.h"
#include "app/outputsender.h"
#include "app/soundselection.h"
#include "app/tastra.h"
#include "controls/imgcontrol.h"
#include "controls/wheelcontrols.h"
#include "joystick/joysticktable.h"
#include "keyboard/keyboard.h"
#include "midi/midiinput.h"
#include "midi/midioutput.h"
#include "platform/keys/keyboardhook.h"
#include "platform/keys/keystamps.h"
#include "platform/lib/steadyclock.h"

void TTastra2::SendAndShow(uint8_t status, uint8_t data1, uint8_t data2) {
    if (const std::int64_t moment = RawKeyMoment()) {
        SendForReadKey(status, data1, data2, moment);
        return;
    }
    // Thru has set the moment of the incoming message already.
    std::optional<TEventTimeScope> pressed;
    TMidiFrameTime moment;
    if (!MidiOut().EventTime().Known() && KeyMoment(moment)) pressed.emplace(MidiOut(), moment);
    m_sender->Send(status, data1, data2);
    ReflectMessage(status, data1, data2);
    if ((status >> 4) == 9) ChordEditorNoteIn(data1, data2);
}

void TTastra2::SendForReadKey(uint8_t status, uint8_t data1, uint8_t data2, std::int64_t moment) {
    // On the thread that read the key: the message leaves now, and the window shows it (and
    // reports a failure) when it gets to it.
    TMidiFrameTime time;
    time.SteadyNs = moment;
    QString failure;
    try {
        MidiOut().SendShortAt(status, data1, data2, time);
    } catch (const std::exception& e) {
        failure = QString::fromStdString(e.what());
    }
    QMetaObject::invokeMethod(
        this,
        [this, status, data1, data2, time, failure] {
            const TEventTimeScope pressed(MidiOut(), time);
            m_sender->Sent(status, data1, data2, failure);
            ReflectMessage(status, data1, data2);
            if ((status >> 4) == 9) ChordEditorNoteIn(data1, data2);
        },
        Qt::QueuedConnection);
}

bool TTastra2::KeyMoment(TMidiFrameTime& time) {
    quint32 code = 0;
    bool release = false;
    quint64 serverTime = 0;
    if (!m_services.keyStamps || !TKeyboardHook::KeyBeingHandled(code, release, serverTime))
        return false;
    TKeyMoment& last = m_keyMoment;
    if (code != last.code || release != last.release || serverTime != last.serverTime) {
        last = {code, release, serverTime, false, 0};
        last.known = m_services.keyStamps->SeenAt(code, release, serverTime, last.steadyNs);
        if (!last.known) {
            // Its raw event is not read yet (or never comes): the server's time of the key
            // tells its moment all the same, where it is this machine's clock.
            const std::int64_t now = SteadyNowNs();
            last.steadyNs = KeyEventMoment(serverTime, now);
            last.known = last.steadyNs != now;
        }
    }
    if (!last.known) return false;
    time = TMidiFrameTime();
    time.SteadyNs = last.steadyNs;
    return true;
}

void TTastra2::ReflectMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    const int d1 = data1 & 127;
    const int d2 = data2 & 127;
    switch (status >> 4) {
        case 0xE:
            ICPitch->SetPosition(PitchFromBytes(data1, data2));
            SettingsLearn(kControllerPitchBend);
            break;
        case 0xB:
            if (d1 == ModulationController()) ICMW->SetPosition(d2);
            if (d1 == m_wheelController) m_wheelValue = d2;
            m_player.ControllerFeedback(d1, d2);
            m_knobs->ShowControllerValue(d1, d2);
            SettingsLearn(d1);
            break;
        default:
            break;
    }
    m_sound->Reflect(status, data1, data2);
}

void TTastra2::PlayFileMessage(uint8_t status, uint8_t data1, uint8_t data2,
                               std::int64_t dueNs) {
    TMidiFrameTime due;
    due.SteadyNs = dueNs;
    TEventTimeScope scope(MidiOut(), due);
    m_sender->Send(status, data1, data2);
    // Its notes light the keys as incoming notes do; the rest moves the controls.
    if ((status & 0xF0) == 0x90)
        m_player.ShowIncomingNote(data1 & 127, data2 & 127, status & 15);
    else
        ReflectMessage(status, data1, data2);
}

void TTastra2::MidiInput(TMidiInput* input) {
    while (input->MessageCount() > 0) {
        std::unique_ptr<TMyMidiEvent> ev = input->GetMidiEvent();
        if (!ev) break;
        if (ev->MidiMessage >= 0xF0) continue;  // system messages are not passed on
        // What thru sends for it keeps the time it arrived at.
        TEventTimeScope arrival(MidiOut(), ev->FrameTime);
        uint8_t status = ev->MidiMessage;
        uint8_t velocity = ev->Data2;
        // A note-off is a note-on with velocity 0 from here on.
        if ((status & 0xF0) == 0x80) {
            status = static_cast<uint8_t>(0x90 | (status & 0x0F));
            velocity = 0;
        }
        const int kind = status & 0xF0;
        // Passed on in the server's cycle already: here it only lights the keys.
        const bool passed = m_midiThru && m_directThru->PassedOn(ev->FrameTime);
        if (passed)
            m_player.ShowThruInput(status, ev->Data1, velocity);
        else if (m_midiThru)
            m_player.MidiThruInput(status, ev->Data1, true, velocity);
        if (kind != 0x90) {
            // Thru sent it already, and the send path showed it; without thru only show it.
            if (!m_midiThru || passed) ReflectMessage(status, ev->Data1, velocity);
        } else if (!m_midiThru) {
            m_player.ShowIncomingNote(ev->Data1 & 127, velocity & 127, status & 15);
            ChordEditorNoteIn(ev->Data1 & 127, velocity & 127);
            if (velocity > 0) Keyboard1->ReportHover(ev->Data1 & 127);
        }
    }
    // A lost note-off would leave its note sounding (and its key lit) for good: what thru holds
    // is let go of, as for a source that went away.
    if (input->TakeLost() > 0) {
        SetStatusText(tr("Some incoming MIDI messages were lost: they came faster than they could "
                         "be taken."));
        m_player.ReleaseThruNotes();
        Keyboard1->Player().ClearThruDisplay();
    }
}
