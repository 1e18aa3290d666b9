#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <memory>
#include <string>

#include "support/westonserver.h"
#include "wayland/waylandtest.h"

namespace {
std::string g_error;
}

const std::string& WaylandError() { return g_error; }

int main(int argc, char** argv) {
    // These tests need a native Wayland platform, so the program starts its own compositor
    // before the application object connects to it.
    bool listing = false;
    for (int i = 1; i < argc; ++i)
        listing = listing || std::string(argv[i]) == "--gtest_list_tests";
    const bool platform =
        QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                          QStringLiteral("/platforms/libqwayland-generic.so"));
    std::unique_ptr<TWestonServer> server;
    if (!listing && platform) server = std::make_unique<TWestonServer>();
    if (server && server->Running()) {
        qputenv("QT_QPA_PLATFORM", "wayland");
    } else {
        g_error = !platform ? "Qt's Wayland platform is not installed (package qt6-wayland)"
                  : server  ? "no Wayland compositor for this test: " + server->Error()
                            : "not started";
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int rc = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        rc = RUN_ALL_TESTS();
    }
    return rc;
}
