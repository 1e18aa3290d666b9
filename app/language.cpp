#include "app/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/texts.h"
#include "platform/settings/settingsstore.h"

namespace {

// "de_DE", "de-AT" and "de" all name German.
QString LanguageCode(const QString& name) {
    return name.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
}

}  // namespace

QString PickLanguage(const QString& stored, const QStringList& preferred,
                     const QStringList& translated) {
    const QStringList wanted = stored.isEmpty() ? preferred : QStringList{stored};
    for (const QString& name : wanted) {
        const QString code = LanguageCode(name);
        if (code == QLatin1String("en") || translated.contains(code)) return code;
    }
    return QStringLiteral("en");
}

QStringList TranslatedLanguages(const QString& folder) {
    QStringList codes;
    const QDir dir(folder);
    const QDir builtIn(QString::fromLatin1(kBuiltInTranslations));
    for (const TUiLanguage& language : kLanguages) {
        const QString code = QString::fromLatin1(language.code);
        const QString file = QStringLiteral("tastra_%1.qm").arg(code);
        if (dir.exists(file) || builtIn.exists(file)) codes << code;
    }
    return codes;
}

QString StoredLanguage(TSettingsStore& root) {
    return QString::fromStdString(root.ReadString(keys::kKeyboardForm, keys::kLanguage, ""));
}

std::vector<std::unique_ptr<QTranslator>> InstallTranslations(const QString& language,
                                                              const QString& folder) {
    std::vector<std::unique_ptr<QTranslator>> installed;
    if (language == QLatin1String("en")) return installed;
    const auto install = [&installed](const QString& name, const QString& dir,
                                      const QString& otherwise) {
        auto translator = std::make_unique<QTranslator>();
        const bool loaded = translator->load(name, dir) ||
                            (!otherwise.isEmpty() && translator->load(name, otherwise));
        if (loaded && QCoreApplication::installTranslator(translator.get()))
            installed.push_back(std::move(translator));
    };
    install(QStringLiteral("tastra_") + language, folder,
            QString::fromLatin1(kBuiltInTranslations));
    install(QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath), QString());
    return installed;
}

void UseLanguageNumbers(const QString& language) {
    // Where the windows speak the desktop's language, its own conventions hold.
    const QLocale system = QLocale::system();
    QLocale::setDefault(QLocale(language).language() == system.language() ? system
                                                                          : QLocale(language));
}

std::string HelpPage(const std::string& dataFolder) {
    // Each translation names its own language, so the page follows the texts actually shown.
    const QString code = QCoreApplication::translate(
        "HelpPage", "en", "The code of this translation's language, as in help/help_<code>.html");
    if (code == QLatin1String("en")) return texts::kHelpPage;
    const std::string page = "help/help_" + code.toStdString() + ".html";
    return QFileInfo::exists(QString::fromStdString(dataFolder + "/" + page)) ? page
                                                                              : texts::kHelpPage;
}
