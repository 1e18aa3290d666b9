#include <gtest/gtest.h>

#include <QApplication>
#include <memory>
#include <string>

#include "support/xvfbserver.h"
#include "x11/xdisplay.h"

namespace {
std::string g_error;
}

const std::string& XServerError() { return g_error; }

int main(int argc, char** argv) {
    // These tests need what only a real X server shows (key auto-repeat, the xcb platform), so
    // the program starts its own before the application object connects to it.
    bool listing = false;
    for (int i = 1; i < argc; ++i)
        listing = listing || std::string(argv[i]) == "--gtest_list_tests";
    std::unique_ptr<TXvfbServer> server;
    if (!listing) server = std::make_unique<TXvfbServer>();
    if (server && server->Running()) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else {
        g_error = "no X server for this test: " + (server ? server->Error() : "not started");
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
