#include "app/programendings.h"

#include <QCoreApplication>
#include <cstdio>
#include <string>

#include "app/tastra.h"

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
    handlers.displayLost = [&window] { Report(window.ReleaseAndSave()); };
    handlers.sessionEnds = [&window] { Report(window.StoreSettings()); };
    return std::make_unique<TEndings>(std::move(handlers));
}
