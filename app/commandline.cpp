#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace {

const char* const kDescription = QT_TRANSLATE_NOOP(
    "TCommandLine",
    "A MIDI keyboard: play notes with the mouse and the computer keyboard and send them, with\n"
    "controllers, program and bank changes, to a MIDI output device.");

// In the language of the translations installed, when an application object carries them.
QString Shown(const char* text) { return QCoreApplication::translate("TCommandLine", text); }

// Options that QGuiApplication and QApplication take from the command line themselves. They are
// known here only so that they are not refused; they stay out of the help text.
const char* const kToolkitValueOptions[] = {"platform",        "platformpluginpath",
                                            "platformtheme",   "plugin",
                                            "qwindowgeometry", "geometry",
                                            "qwindowicon",     "icon",
                                            "qwindowtitle",    "title",
                                            "display",         "name",
                                            "session",         "style",
                                            "stylesheet"};
const char* const kToolkitFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void AddHidden(QCommandLineParser& parser, const QString& name, const QString& valueName) {
    QCommandLineOption option(name);
    if (!valueName.isEmpty()) option.setValueName(valueName);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

}  // namespace

TCommandLine ParseCommandLine(const QStringList& arguments) {
    TCommandLine result;
    QCommandLineParser parser;
    // "-platform offscreen" is one option with a value, as the toolkit reads it, not six flags.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(Shown(kDescription));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        Shown(QT_TRANSLATE_NOOP("TCommandLine", "Show this help and exit.")));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        Shown(QT_TRANSLATE_NOOP("TCommandLine", "Show the version and exit.")));
    parser.addOption(help);
    parser.addOption(version);
    const QCommandLineOption midiOut(
        QStringLiteral("midi-out"),
        Shown(QT_TRANSLATE_NOOP(
            "TCommandLine",
            "Open the MIDI output <name> for this run, as named in the Midi Out menu (letter "
            "case and spaces do not matter). The remembered output stays remembered unless "
            "another one is chosen in the menu.")),
        Shown(QT_TRANSLATE_NOOP("TCommandLine", "name")));
    const QCommandLineOption midiIn(
        QStringLiteral("midi-in"),
        Shown(QT_TRANSLATE_NOOP(
            "TCommandLine",
            "Open the MIDI input <name> for this run, as named in the Midi In menu. The "
            "remembered input stays remembered unless another one is chosen in the menu.")),
        Shown(QT_TRANSLATE_NOOP("TCommandLine", "name")));
    parser.addOption(midiOut);
    parser.addOption(midiIn);
    for (const char* name : kToolkitValueOptions)
        AddHidden(parser, QString::fromLatin1(name), QStringLiteral("value"));
    for (const char* name : kToolkitFlagOptions) AddHidden(parser, QString::fromLatin1(name), {});

    const QString program =
        arguments.isEmpty() ? QStringLiteral("tastra") : QFileInfo(arguments.first()).fileName();
    auto usageError = [&](const QString& text) {
        result.run = false;
        result.exitCode = 2;
        result.error = Shown(QT_TRANSLATE_NOOP("TCommandLine",
                                               "%1: %2\nTry '%1 --help' for more information.\n"))
                           .arg(program, text);
        return result;
    };
    if (!parser.parse(arguments)) return usageError(parser.errorText());
    if (parser.isSet(help)) {
        result.run = false;
        // The parser names the program only once an application object exists; this runs before.
        const QString text = parser.helpText();
        result.output =
            Shown(QT_TRANSLATE_NOOP("TCommandLine", "Usage: %1 [options]")).arg(program) +
            text.mid(text.indexOf(QLatin1Char('\n')));
        return result;
    }
    if (parser.isSet(version)) {
        result.run = false;
        result.output = QStringLiteral("Tastra %1\n").arg(QStringLiteral(TASTRA_VERSION));
        return result;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(Shown(QT_TRANSLATE_NOOP("TCommandLine", "Unexpected argument '%1'."))
                              .arg(parser.positionalArguments().first()));
    result.midiOut = parser.value(midiOut);
    result.midiIn = parser.value(midiIn);
    return result;
}
