#include "app/programendings.h"

#include <QCoreApplication>
#include <cstdio>
#include <exception>
#include <string>

#include "app/tastra.h"
#include "midi/midioutput.h"

namespace {

void Report(const std::string& failure) {
    if (!failure.empty()) std::fprintf(stderr, "Tastra: %s\n", failure.c_str());
}

}  // namespace

std::unique_ptr<TEndings> WatchEndings(TTastra2& window) {
    TEndings::THandlers handlers;
    handlers.signalled = [&window](int signal) {
        Report(window.ReleaseAndSave());
        QCoreApplication::exit(128 + signal);
    };
    handlers.displayLost = [&window] {
        Report(window.ReleaseAndSave());
        // The display's library ends the process as soon as this returns: closing the output
        // lets the note-offs just sent leave before that (a queued JACK event would be lost).
        try {
            window.MidiOut().Close();
        } catch (const std::exception& e) {
            Report(e.what());
        }
    };
    handlers.sessionEnds = [&window] {
        Report(window.KeepRecording());
        Report(window.StoreSettings());
    };
    return std::make_unique<TEndings>(std::move(handlers));
}
