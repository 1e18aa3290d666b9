// The translations: every text of the sources is translated in each language declared complete,
// the translations keep the sources' placeholders and access keys, the language is chosen as the
// desktop and the stored choice say, and a German run shows German menus.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include "app/knobpanel.h"
#include "app/language.h"
#include "app/synthpage.h"
#include "keyboard/keyboard.h"
#include "keyboard/keymap.h"
#include "knobs/guiknoblist.h"
#include "midi/midimenu.h"
#include "patches/patchlist.h"
#include "patches/patchnumbers.h"
#include "platform/lib/translatedtext.h"
#include "platform/midi/soundfonts.h"
#include "platform/midi/synthaudio.h"
#include "platform/midi/systemmidi.h"
#include "platform/session/runplace.h"
#include "platform/shell/datafolder.h"
#include "support/virtualmidi.h"
#include "support/windowcatalog.h"

namespace {

// The languages whose translation is complete: any text without a translation there is a fault.
const char* const kCompleteLanguages[] = {"de", "es", "fr", "it"};

// The placeholders (%1, %2 ...) and whether an access key (&) is marked.
QString Markers(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) found << it.next().captured();
    found.sort();
    QString plain = text;
    plain.remove(QStringLiteral("&&"));
    return found.join(',') + (plain.contains('&') ? "&" : "");
}

// What is wrong with the messages of a .ts file: a text without a finished translation, or one
// whose translation loses a placeholder or the access key. count is set to the number of
// messages in use.
QStringList Faults(const QString& tsFile, int& count) {
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly)) return {tsFile + " cannot be read"};
    QXmlStreamReader xml(&file);
    QStringList faults;
    QString source;
    count = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value("type").toString();
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete")) continue;
            ++count;
            if (type == QLatin1String("unfinished") || text.isEmpty())
                faults << "untranslated: " + source;
            else if (Markers(text) != Markers(source))
                faults << "placeholders or access key differ: " + source + " -> " + text;
        }
    }
    if (xml.hasError()) faults << tsFile + ": " + xml.errorString();
    return faults;
}

class CompleteTranslation : public ::testing::TestWithParam<const char*> {};

TEST_P(CompleteTranslation, EveryTextOfTheSourcesIsTranslated) {
    // lupdate brings into a copy the texts the code holds now: one added or changed since the
    // file was last updated comes in unfinished.
    QTemporaryDir dir;
    const QString name = QStringLiteral("tastra_%1.ts").arg(GetParam());
    const QString copy = dir.filePath(name);
    ASSERT_TRUE(QFile::copy(QStringLiteral(TASTRA_SOURCE_DIR "/translations/") + name, copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QProcess lupdate;
    QStringList arguments = QStringLiteral(TASTRA_LUPDATE_ARGS).split('|');
    arguments << QStringLiteral("-ts") << copy;
    lupdate.start(QStringLiteral(TASTRA_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(-1));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    int count = 0;
    const QStringList faults = Faults(copy, count);
    EXPECT_GT(count, 300) << "lupdate found too few texts: were the sources scanned?";
    EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, CompleteTranslation, ::testing::ValuesIn(kCompleteLanguages));

struct TPickCase {
    const char* stored;
    QStringList preferred;
    const char* expected;
};

TEST(PickLanguage, FollowsTheFirstPreferredLanguageThatCanBeShownUnlessOneIsStored) {
    const QStringList translated{"de", "fr"};
    const TPickCase cases[] = {
        {"", {"de-DE", "en-US"}, "de"},
        {"", {"de_AT"}, "de"},
        // English is always there: "LANGUAGE=en" keeps a German LANG from translating.
        {"", {"en", "de-DE"}, "en"},
        {"", {"pt-BR", "fr-CA"}, "fr"},
        {"", {"ja"}, "en"},
        {"", {"C"}, "en"},
        {"", {}, "en"},
        {"fr", {"de-DE"}, "fr"},
        {"en", {"de-DE"}, "en"},
        // A stored language this installation cannot show gives English, not the desktop's.
        {"it", {"de-DE"}, "en"},
    };
    for (const TPickCase& c : cases)
        EXPECT_EQ(PickLanguage(c.stored, c.preferred, translated), QString(c.expected))
            << "stored \"" << c.stored << "\", preferred " << c.preferred.join(',').toStdString();
}

TEST(GermanRun, ShowsGermanMenus) {
    const auto translators = InstallTranslations("de", TASTRA_TRANSLATIONS_DIR);
    ASSERT_FALSE(translators.empty()) << "no tastra_de.qm in " TASTRA_TRANSLATIONS_DIR;
    TShowcase showcase(0);
    QStringList titles;
    for (QAction* a : showcase.Main().menuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles.join(' ').toStdString(),
              "&Datei Midi-&Eingang Midi-&Ausgang &Patches &Regler Auf&nahme &Optionen &Hilfe");
    const QMenu* language = showcase.Main().menuBar()->findChild<QMenu*>("Language1");
    ASSERT_NE(language, nullptr);
    EXPECT_EQ(language->title(), QStringLiteral("&Sprache"));
}

// The layers below the windows build their texts from translated formats, the values put in as
// they are.
TEST(GermanRun, NoticesFromBelowTheWindowsAreGerman) {
    const auto translators = InstallTranslations("de", TASTRA_TRANSLATIONS_DIR);
    ASSERT_FALSE(translators.empty());
    EXPECT_EQ(SynthOutputDisplayName(TSynthOutput::Automatic), QStringLiteral("Automatisch"));
    EXPECT_EQ(NoAudioOutputText(),
              "Es ließ sich keine Audioausgabe öffnen (PulseAudio, ALSA und "
              "JACK wurden versucht).");
    // A value holding "%2" stays as it is instead of taking the next value's place.
    EXPECT_EQ(TranslatedText("TNsmClient",
                             "The session manager at %1 cannot be reached (%2): going on without "
                             "a session.",
                             std::string("osc.udp://host:1/%2"), std::string("refused")),
              "Der Sitzungsmanager unter osc.udp://host:1/%2 ist nicht erreichbar (refused): Es "
              "geht ohne Sitzung weiter.");
    keymap::TKeyMap map;
    QString message;
    EXPECT_FALSE(keymap::LoadKeyMapFile(QStringLiteral("/nonexistent/map.ini"), map, message));
    EXPECT_EQ(message, QStringLiteral("Tastenbelegung „/nonexistent/map.ini“: Die Datei existiert "
                                      "nicht"));
    // The keyboard widget's own sentences too, though it is no object of the meta-object system.
    TNotePlayer player;
    TKeyboard keyboard(player);
    EXPECT_FALSE(keyboard.Keys().SetKeyMapFile(QStringLiteral("/nonexistent/map.ini")));
    EXPECT_TRUE(
        keyboard.Keys().KeyMapError().endsWith("Die Computertasten spielen die zwei Klavierreihen."))
        << keyboard.Keys().KeyMapError().toStdString();
    QStringList lines;
    try {
        TPatchList::LoadFromBytes("[cubase parse file]\n[parser version 0002]\n",
                                  QStringLiteral("x.txt"), &lines, false);
        ADD_FAILURE() << "a script of another version was taken";
    } catch (const std::exception&) {
    }
    EXPECT_EQ(lines.join('|'), QStringLiteral("Zeile 2: Fehler: Falsche Versionsnummer."));
    // A sentence about a soundfont is whole in each language, not glued from English pieces.
    TSoundfontProblem empty;
    empty.kind = TSoundfontProblem::Empty;
    EXPECT_EQ(empty.About("mine.sf2"), "mine.sf2 ist leer");
    const std::string missing = DataFolderProblemMessage("/nonexistent/bin");
    EXPECT_EQ(missing.rfind("Der Datenordner von Tastra wurde weder in /nonexistent/bin noch", 0),
              0u)
        << missing;
    // A session is refused in English to its manager and in the user's language to the user.
    TRunPlace place;
    TPlaceError refused;
    EXPECT_FALSE(SessionPlace({"relative/%2", "Studio", "tastra"}, place, refused));
    EXPECT_EQ(refused.English(), "The session folder \"relative/%2\" is not an absolute path.");
    EXPECT_EQ(refused.Translated(), "Der Sitzungsordner „relative/%2“ ist kein absoluter Pfad.");
}

// The words the program stores in English (device names, the preset and the first knob's name)
// show in German and are stored as they were; numbers are written the German way.
TEST(GermanRun, StoredWordsShowInGermanAndStayAsStored) {
    const auto translators = InstallTranslations("de", TASTRA_TRANSLATIONS_DIR);
    ASSERT_FALSE(translators.empty());
    TVirtualMidiService service;
    service.AddDevice(kBuiltinSynthName);
    service.AddDevice("Tastra (own port)");
    QMenu menu;
    TMidiOutMenu out(service);
    out.SetBaseMenu(&menu);
    TMemSettingsStore store(true);
    store.WriteString(MidiMenuSettings::kSection, MidiMenuSettings::kMidiOut, "tastra (OWN port)");
    out.LoadSettings(store);
    QStringList captions;
    for (QAction* a : menu.actions())
        if (!a->isSeparator()) captions << a->text();
    // "MIDI Mapper" is the name of a device, the same in every language.
    EXPECT_EQ(captions.join('|').toStdString(),
              "keins|MIDI Mapper|Eingebauter Synth|Tastra (eigener Port)");
    TMemSettingsStore saved(true);
    out.SaveSettings(saved);
    EXPECT_EQ(saved.ReadString(MidiMenuSettings::kSection, MidiMenuSettings::kMidiOut, ""),
              "Tastra (own port)");

    int bank = 0;
    EXPECT_EQ(NumberText(-1, 1), QStringLiteral("keine"));
    EXPECT_TRUE(ParseBankText(QStringLiteral("keine"), 1, bank) && bank == -1);
    EXPECT_TRUE(ParseBankText(QStringLiteral("none"), 1, bank) && bank == -1);

    TShowcase showcase(0);
    TKnobPanel& knobs = showcase.Main().Knobs();
    knobs.SelectPreset(QStringLiteral("Default"));
    ASSERT_EQ(knobs.KnobList().Count(), 1);
    EXPECT_EQ(knobs.KnobList().Entry(0)->CaptionLabel->text(), QStringLiteral("Lautst\u00e4rke"));
    EXPECT_EQ(knobs.KnobList().Caption(0), QStringLiteral("Volume"));
    QStringList presets;
    for (QAction* a : showcase.Main().findChildren<QAction*>())
        if (a->data().toString() == QLatin1String("Default")) presets << a->text();
    EXPECT_EQ(presets, QStringList{"Standard"});

    const QLocale before;
    UseLanguageNumbers("de");
    const QString delay = SynthDelayText(256, 48000);
    QLocale::setDefault(before);
    EXPECT_TRUE(delay.contains(QStringLiteral("5,3 ms"))) << delay.toStdString();
    EXPECT_TRUE(delay.contains(QStringLiteral("48000 Hz"))) << delay.toStdString();
}

// The program carries its translations, so it speaks German even without its data folder (whose
// absence it then has to explain).
TEST(GermanRun, ProgramWithoutItsDataFolderStillSpeaksTheUsersLanguage) {
    QTemporaryDir alone;
    const QString copy = alone.filePath(QStringLiteral("Tastra"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TASTRA_PROGRAM), copy));
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
    program.setProcessEnvironment(env);
    program.start(copy, {QStringLiteral("--help")});
    ASSERT_TRUE(program.waitForFinished(-1));
    EXPECT_TRUE(QString::fromLocal8Bit(program.readAllStandardOutput())
                    .contains(QStringLiteral("Diese Hilfe zeigen und beenden.")));
}

TEST(GermanRun, OpensTheGermanHelpPageWhereThereIsOne) {
    QTemporaryDir withPage, without;
    ASSERT_TRUE(QDir(withPage.path()).mkpath(QStringLiteral("help")));
    QFile page(withPage.filePath(QStringLiteral("help/help_de.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    const std::string folder = withPage.path().toStdString();
    EXPECT_EQ(HelpPage(folder), "help/help.html") << "an English run";
    const auto translators = InstallTranslations("de", TASTRA_TRANSLATIONS_DIR);
    ASSERT_FALSE(translators.empty());
    EXPECT_EQ(HelpPage(folder), "help/help_de.html");
    EXPECT_EQ(HelpPage(TASTRA_SOURCE_DIR), "help/help_de.html") << "the German page ships";
    EXPECT_EQ(HelpPage(without.path().toStdString()), "help/help.html");
}

// The ids and in-page links of a help page, in order.
QStringList Anchors(const QString& file) {
    QFile page(file);
    if (!page.open(QIODevice::ReadOnly)) return {file + " cannot be read"};
    static const QRegularExpression anchor(QStringLiteral("(id|href)=\"#?([^\"]*)\""));
    QStringList found;
    const QString text = QString::fromUtf8(page.readAll());
    for (auto it = anchor.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        found << m.captured(1) + ':' + m.captured(2);
    }
    return found;
}

// Every translated help page ships, is the one its language opens, and keeps the English page's
// sections and links, so the table of contents works in every language.
TEST(TranslatedHelp, EachLanguageOpensItsOwnPageWithTheSameSectionsAndLinks) {
    const QString source = QStringLiteral(TASTRA_SOURCE_DIR "/help/");
    const QStringList english = Anchors(source + "help.html");
    ASSERT_GT(english.size(), 20);
    for (const char* code : kCompleteLanguages) {
        SCOPED_TRACE(code);
        const auto translators = InstallTranslations(code, TASTRA_TRANSLATIONS_DIR);
        const std::string page = "help/help_" + std::string(code) + ".html";
        EXPECT_EQ(HelpPage(TASTRA_SOURCE_DIR), page);
        EXPECT_EQ(Anchors(source + "help_" + code + ".html"), english);
    }
}

// --help answers before the window system starts, so it carries its own translations.
TEST(GermanRun, HelpFollowsTheDesktopLanguage) {
    const auto help = [](const QString& language) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LANGUAGE"), language);
        env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LC_MESSAGES"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(TASTRA_PROGRAM), {QStringLiteral("--help")});
        program.waitForFinished(-1);
        return QString::fromLocal8Bit(program.readAllStandardOutput());
    };
    EXPECT_TRUE(help("de").contains(QStringLiteral("Diese Hilfe zeigen und beenden.")));
    EXPECT_TRUE(help("en").contains(QStringLiteral("Show this help and exit.")));
}

}  // namespace
