#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <string>
#include <vector>

class TSettingsStore;

// The languages the program is translated into, by code and by their own name, as the Language
// menu offers them. English is the language of the source texts and has no translation file.
struct TUiLanguage {
    const char* code;
    const char* ownName;
};
inline constexpr TUiLanguage kLanguages[] = {{"de", "Deutsch"},
                                             {"en", "English"},
                                             {"es", "Español"},
                                             {"fr", "Français"},
                                             {"it", "Italiano"}};

// The folder of the translation files, in the data folder.
inline constexpr const char* kTranslationsFolder = "translations";
// The copy the program carries, used for a language the data folder has no file for: so that
// the program speaks the user's language even when its data folder is missing, and the message
// that says so is read in that language too.
inline constexpr const char* kBuiltInTranslations = ":/translations";

// The language to show, from the user's preferred languages in order (QLocale::uiLanguages():
// LANGUAGE first, then LC_ALL, LC_MESSAGES, LANG) or a stored choice (non-empty overrides them).
// The first preferred language that is English or has a translation wins, so "LANGUAGE=en"
// keeps English even when a German LANG is set; no match gives English ("en").
QString PickLanguage(const QString& stored, const QStringList& preferred,
                     const QStringList& translated);

// The codes of the languages with a translation file (tastra_<code>.qm) in folder or among the
// program's own.
QStringList TranslatedLanguages(const QString& folder);

// The stored choice: empty follows the desktop.
QString StoredLanguage(TSettingsStore& root);

// Loads the program's translation for language from folder (else its own copy) and Qt's own (standard dialogs,
// context menus) from Qt's translations, and installs them in the application. Nothing is
// installed for English. Keep the result for as long as the application runs.
std::vector<std::unique_ptr<QTranslator>> InstallTranslations(const QString& language,
                                                              const QString& folder);
// Numbers are written from now on as `language` writes them (the decimal comma in German).
void UseLanguageNumbers(const QString& language);

// The help page in the language the windows are shown in, relative to dataFolder
// ("help/help_de.html"), or the English one when that language has none.
std::string HelpPage(const std::string& dataFolder);
