#include <QApplication>
#include <memory>

#include "app/errform.h"
#include "app/startupprobe.h"
#include "app/tastra.h"
#include "app/texts.h"
#include "platform/joystick/sdljoystick.h"
#include "platform/midi/systemmidi.h"
#include "platform/registry/registrystore.h"
#include "platform/settings/placement.h"
#include "platform/settings/programpaths.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tastra"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(texts::kProgramTitle));

    // The synthesizer starts loading its soundfont in the background here, so the window shows
    // without waiting for it.
    std::unique_ptr<TMidiOutService> midiOut = CreateSystemMidiOutService("Tastra");
    std::unique_ptr<TMidiInService> midiIn = CreateSystemMidiInService("Tastra");
    TSdlJoystickService joystick;

    TTastraServices services;
    services.midiOut = midiOut.get();
    services.midiIn = midiIn.get();
    services.joystick = &joystick;
    services.openSettingsRoot = [] {
        return std::unique_ptr<TSettingsStore>(new TRegistryIniFile(SettingsRootPath()));
    };
    services.openSettingsKey = [](const std::string& subKey) {
        return std::unique_ptr<TSettingsStore>(
            new TRegistryIniFile(SettingsRootPath() + "\\" + subKey));
    };
    auto window = std::make_unique<TTastra2>(services);
    SetApplicationMainWindow(window.get());
    // Created now and kept hidden until a patch script has something to report.
    auto warnings = std::make_unique<TErrForm>(window.get());
    warnings->hide();

    InstallStartupProbe(window.get());
    window->show();
    const int rc = app.exec();
    warnings.reset();
    window.reset();
    return rc;
}
