// Opens one window of the program as the user sees it, for taking its picture:
//   tastra_showcase --list       names of the windows
//   tastra_showcase NAME         opens it and prints "x y width height" of the window on screen
#include <QApplication>
#include <QLocale>
#include <QTimer>
#include <cstdio>

#include "app/language.h"
#include "support/windowcatalog.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The language follows the desktop, as in the program (LANG=de_DE.UTF-8 for German).
    const QString translations = QStringLiteral(TASTRA_TRANSLATIONS_DIR);
    const QString language =
        PickLanguage(QString(), QLocale::system().uiLanguages(), TranslatedLanguages(translations));
    const auto translators = InstallTranslations(language, translations);
    UseLanguageNumbers(language);
    const QStringList args = QApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: tastra_showcase --list | NAME\n");
        return 2;
    }
    for (const TWindowView& view : WindowViews()) {
        if (args[1] == QLatin1String("--list")) {
            std::printf("%s\n", qPrintable(view.name));
            continue;
        }
        if (view.name != args[1]) continue;
        TShowcase showcase(view.knobs);
        QWidget* window = view.open(showcase.Main());
        if (!window) return 1;
        // Let the window system place and paint it before telling where it is.
        QTimer::singleShot(1000, [window] {
            const QRect r = window->frameGeometry();
            std::printf("%d %d %d %d\n", r.x(), r.y(), r.width(), r.height());
            std::fflush(stdout);
        });
        return app.exec();
    }
    if (args[1] == QLatin1String("--list")) return 0;
    std::fprintf(stderr, "no window named %s\n", qPrintable(args[1]));
    return 1;
}
