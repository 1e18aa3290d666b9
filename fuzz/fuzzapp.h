#pragma once

#include <QApplication>

// The application object the widget targets need, made once per process on the offscreen
// platform; Qt's own warnings are silenced so that the fuzzer's output stays readable.
inline QApplication& FuzzApplication() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtFatalMsg) {
                fprintf(stderr, "%s\n", qPrintable(text));
                abort();
            }
        });
        return new QApplication(argc, argv);
    }();
    return *app;
}
