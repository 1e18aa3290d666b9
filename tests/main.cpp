#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // Widgets need an application object; tests run on the offscreen platform unless told
    // otherwise, with one screen large enough for every window at twice the font size.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM",
                "offscreen:configfile=" TASTRA_SOURCE_DIR "/tests/support/largescreen.json");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
