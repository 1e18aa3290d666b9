// The send path: a mouse press and release delivered to the keyboard until the bytes reach the
// MIDI service, against calling the service directly with the same two messages.

#include <QMouseEvent>

#include "app/tastra.h"
#include "bench/qtbenchmain.h"
#include "keyboard/keyboard.h"
#include "midi/midioutput.h"
#include "support/scriptedprompts.h"
#include "support/virtualmidi.h"

namespace {

void BM_ServiceDirect(benchmark::State& state) {
    TVirtualMidiService service({"Synth"});
    MidiHandle h = 0;
    service.OutOpen(0, h);
    for (auto _ : state) {
        service.OutShortMsg(h, 0x643C90);
        service.OutShortMsg(h, 0x003C90);
        if (service.Sent().size() > 100000) service.ClearSent();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_ServiceDirect);

void BM_MousePressToService(benchmark::State& state) {
    TVirtualMidiService service({"Synth"});
    TVirtualMidiInService inService;
    TScriptedPrompts prompts;
    TTastraServices services;
    services.midiOut = &service;
    services.midiIn = &inService;
    services.prompts = &prompts;
    TTastra2 window(services);
    window.MidiOut().SetDeviceId(0);
    window.MidiOut().Open();
    TKeyboard* k = window.Keyboard1;
    k->resize(600, k->height());
    const QPointF p(k->KeyWidth() * 14 + k->KeyWidth() / 2, k->height() - 5);
    for (auto _ : state) {
        QMouseEvent press(QEvent::MouseButtonPress, p, k->mapToGlobal(p), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(k, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, p, k->mapToGlobal(p), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(k, &release);
        if (service.Sent().size() > 100000) service.ClearSent();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_MousePressToService);

}  // namespace

TASTRA_QT_BENCHMARK_MAIN()
