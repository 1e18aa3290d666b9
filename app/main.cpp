#include <QApplication>
#include <memory>

#include "app/startupprobe.h"
#include "app/tastra.h"
#include "app/texts.h"
#include "platform/midi/systemmidi.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tastra"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(texts::kProgramTitle));

    // The synthesizer starts loading its soundfont in the background here, so the window shows
    // without waiting for it.
    std::unique_ptr<TMidiOutService> midiOut = CreateSystemMidiOutService("Tastra");

    TTastraServices services;
    services.midiOut = midiOut.get();
    auto window = std::make_unique<TTastra2>(services);
    InstallStartupProbe(window.get());
    window->show();
    const int rc = app.exec();
    window.reset();
    return rc;
}
