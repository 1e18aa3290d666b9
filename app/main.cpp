#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>

#include "app/commandline.h"
#include "app/errform.h"
#include "app/firstpaint.h"
#include "app/language.h"
#include "app/programendings.h"
#include "app/sessionlink.h"
#include "app/startupprobe.h"
#include "app/tastra.h"
#include "app/userprompts.h"
#include "platform/joystick/sdljoystick.h"
#include "platform/keys/keylistener.h"
#include "platform/keys/keystamps.h"
#include "platform/midi/jackwarmup.h"
#include "platform/midi/synthdevice.h"
#include "platform/midi/systemmidi.h"
#include "platform/settings/programpaths.h"
#include "platform/shell/datafolder.h"
#include "platform/ui/toolkitwarmup.h"

int main(int argc, char** argv) {
    StartupStep("main");
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const TCommandLine commandLine = ParseCommandLine(arguments);
    if (!commandLine.run) {
        // Help and usage errors are told in the desktop's language. A core application, which
        // needs no display, carries the translations; the stored choice is not read for this.
        QCoreApplication core(argc, argv);
        const QString folder = QString::fromStdString(DataFolder() + "/" + kTranslationsFolder);
        const auto translators = InstallTranslations(
            PickLanguage({}, QLocale::system().uiLanguages(), TranslatedLanguages(folder)), folder);
        const TCommandLine told = ParseCommandLine(arguments);
        std::fputs(told.output.toLocal8Bit().constData(), stdout);
        std::fputs(told.error.toLocal8Bit().constData(), stderr);
        return told.exitCode;
    }

    // The font configuration is read beside the toolkit's start, the fonts are listed beside the
    // settings, and the image readers are loaded beside the window's making.
    TToolkitWarmUp warmUp;
    QApplication app(argc, argv);
    warmUp.ToolkitStarted();
    StartupStep("toolkit");
    QApplication::setApplicationName(QStringLiteral("Tastra"));
    // Wayland compositors find the window's icon and menu entry through this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("tastra"));
    StartupStep("application");

    // Under a session manager the session decides where the settings live and what the MIDI
    // clients are called, so it is waited for (briefly) before they are made.
    std::unique_ptr<TSessionLink> session;
    TRunPlace place;
    const QString sessionUrl = qEnvironmentVariable("NSM_URL");
    if (!sessionUrl.isEmpty()) {
        session = std::make_unique<TSessionLink>(
            sessionUrl.toStdString(), QFileInfo(arguments.first()).fileName().toStdString());
        place = session->Place();
    }

    // The built-in synth starts in the background when its device is opened: the window never
    // waits for the soundfont or the audio output.
    TSynthDevice synth(place.clientName);
    std::unique_ptr<TMidiOutService> midiOut = CreateSystemMidiOutService(place.clientName, &synth);
    std::unique_ptr<TMidiInService> midiIn = CreateSystemMidiInService(place.clientName);
    StartupStep("midi-services");
    TSdlJoystickService joystick;
    StartupStep("joysticks");
    // Connected at the first paint, ahead of the device lists read after it (made beside the
    // window, it took the processor from the window's first picture).
    std::optional<TJackWarmUp> jackWarmUp;

    TTastraServices services;
    services.midiOut = midiOut.get();
    services.midiIn = midiIn.get();
    services.joystick = &joystick;
    services.synth = &synth;
    services.startupDone = [&jackWarmUp] {
        if (jackWarmUp) jackWarmUp->Release();
    };
    services.runMidiOut = commandLine.midiOut.toStdString();
    services.runMidiIn = commandLine.midiIn.toStdString();
    // Recordings nobody saved are kept in the user's data folder ($XDG_DATA_HOME).
    services.recordingsFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() + "/" +
        kCompanyKey + "/Tastra/Kept recordings";
    // A settings file of which nothing could be read is renamed and the program starts afresh;
    // the window tells the user where the old file went.
    // The language is read from the settings before the window exists, so a renaming found
    // then is told once the window is there.
    TTastra2* shown = nullptr;
    std::string setAsideEarly;
    const auto noticeSetAside = [&shown, &setAsideEarly](const std::string& copy) {
        if (shown)
            shown->SettingsFileSetAside(copy);
        else
            setAsideEarly = copy;
    };
    OpenSettingsAt(services, place, noticeSetAside);
    StartupStep("settings");
    // Every text is made in the language chosen here: it needs a new start to change.
    const QString translations = QString::fromStdString(DataFolder() + "/" + kTranslationsFolder);
    const QString language =
        PickLanguage(StoredLanguage(*services.openSettingsRoot()), QLocale::system().uiLanguages(),
                     TranslatedLanguages(translations));
    const auto translators = InstallTranslations(language, translations);
    UseLanguageNumbers(language);
    StartupStep("translations");
    // Made in the language chosen: it tells why it cannot listen, where it cannot.
    std::unique_ptr<TKeyListener> keyListener = CreateKeyListener();
    services.keyListener = keyListener.get();
    StartupStep("key-listener");
    warmUp.WaitForFonts();
    StartupStep("fonts");
    auto window = std::make_unique<TTastra2>(services);
    StartupStep("window");
    shown = window.get();
    if (!setAsideEarly.empty()) shown->SettingsFileSetAside(setAsideEarly);
    // Created now and kept hidden until a patch script has something to report.
    auto warnings = std::make_unique<TErrForm>(window.get());
    warnings->hide();
    std::unique_ptr<TEndings> endings = WatchEndings(*window);
    StartupStep("warnings-and-endings");

    // What the first picture does not need comes after it: the JACK connection held while the
    // device lists are read, the key stamps' thread and its connection to the display, and the
    // window's icon (looked up in the icon theme).
    std::unique_ptr<TKeyStamps> keyStamps;
    RunAfterFirstPaint(window.get(), [&jackWarmUp, &keyStamps, &place, w = window.get()] {
        if (!w->StartupDone()) jackWarmUp.emplace(place.clientName);
        QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tastra")));
        keyStamps = CreateKeyStamps();
        if (keyStamps) w->UseKeyStamps(keyStamps.get());
    });
    InstallStartupProbe(window.get());
    if (session) {
        session->Attach(*window);
        session->ShowWindow();
    } else {
        window->show();
    }
    if (!DataFolderFound()) {
        // Without it the program would start with an empty patch list and no help, silently.
        const QString message = QString::fromStdString(DataFolderProblemMessage());
        std::fprintf(stderr, "Tastra: %s\n", message.toLocal8Bit().constData());
        QTimer::singleShot(0, window.get(),
                           [w = window.get(), message] { w->Prompts().Error(message); });
    }
    StartupStep("shown");
    const int rc = app.exec();
    warmUp.Finish();
    endings.reset();
    warnings.reset();
    // The stores the closing window opens have no window to tell any more.
    shown = nullptr;
    window.reset();
    keyStamps.reset();
    session.reset();
    return rc;
}
