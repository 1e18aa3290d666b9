#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/commandline.h"
#include "app/errform.h"
#include "app/programendings.h"
#include "app/startupprobe.h"
#include "app/tastra.h"
#include "app/texts.h"
#include "app/userprompts.h"
#include "platform/joystick/sdljoystick.h"
#include "platform/midi/systemmidi.h"
#include "platform/registry/registrystore.h"
#include "platform/settings/programpaths.h"
#include "platform/shell/datafolder.h"

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const TCommandLine commandLine = ParseCommandLine(arguments);
    if (!commandLine.run) {
        std::fputs(commandLine.output.toLocal8Bit().constData(), stdout);
        std::fputs(commandLine.error.toLocal8Bit().constData(), stderr);
        return commandLine.exitCode;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tastra"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(texts::kProgramTitle));
    // Wayland compositors find the window's icon and menu entry through this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("tastra"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tastra")));

    // The synthesizer starts loading its soundfont in the background here, so the window shows
    // without waiting for it.
    std::unique_ptr<TMidiOutService> midiOut = CreateSystemMidiOutService("Tastra");
    std::unique_ptr<TMidiInService> midiIn = CreateSystemMidiInService("Tastra");
    TSdlJoystickService joystick;

    TTastraServices services;
    services.midiOut = midiOut.get();
    services.midiIn = midiIn.get();
    services.joystick = &joystick;
    services.runMidiOut = commandLine.midiOut.toStdString();
    services.runMidiIn = commandLine.midiIn.toStdString();
    // A settings file of which nothing could be read is renamed and the program starts afresh;
    // the window tells the user where the old file went.
    TTastra2* shown = nullptr;
    const auto noticeSetAside = [&shown](const std::string& copy) {
        if (shown) shown->SettingsFileSetAside(copy);
    };
    const std::string hive = TRegistryIniFile::DefaultHivePath();
    services.openSettingsRoot = [&] {
        return std::unique_ptr<TSettingsStore>(
            new TRegistryIniFile(SettingsRootPath(), hive, noticeSetAside));
    };
    services.openSettingsKey = [&](const std::string& subKey) {
        return std::unique_ptr<TSettingsStore>(
            new TRegistryIniFile(SettingsRootPath() + "\\" + subKey, hive, noticeSetAside));
    };
    auto window = std::make_unique<TTastra2>(services);
    shown = window.get();
    // Created now and kept hidden until a patch script has something to report.
    auto warnings = std::make_unique<TErrForm>(window.get());
    warnings->hide();
    std::unique_ptr<TEndings> endings = WatchEndings(*window);

    InstallStartupProbe(window.get());
    window->show();
    if (!DataFolderFound()) {
        // Without it the program would start with an empty patch list and no help, silently.
        const QString message = QString::fromStdString(MissingDataFolderMessage());
        std::fprintf(stderr, "Tastra: %s\n", message.toLocal8Bit().constData());
        QTimer::singleShot(0, window.get(),
                           [w = window.get(), message] { w->Prompts().Error(message); });
    }
    const int rc = app.exec();
    endings.reset();
    warnings.reset();
    // The stores the closing window opens have no window to tell any more.
    shown = nullptr;
    window.reset();
    return rc;
}
