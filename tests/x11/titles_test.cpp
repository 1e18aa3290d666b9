// What the window manager is told each window is called: the main window carries the program's
// title, every tool window its own title alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "support/windowcatalog.h"
#include "x11/xdisplay.h"

namespace {

TEST(WindowTitles, ToolWindowsCarryTheirOwnTitleAndTheMainWindowTheProgramsTitle) {
    if (!XServerError().empty()) GTEST_SKIP() << XServerError();
    TShowcase showcase(1);
    TTastra2& main = showcase.Main();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    EXPECT_EQ(XWindowTitle(main.winId()), "Zorvik's Tastra");
    int tools = 0;
    for (const TWindowView& view : WindowViews()) {
        QWidget* window = view.open(main);
        if (!window || window == &main || window->windowTitle().isEmpty()) continue;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window)) << view.name.toStdString();
        EXPECT_EQ(XWindowTitle(window->winId()), window->windowTitle().toStdString())
            << view.name.toStdString();
        ++tools;
        window->close();
        QApplication::processEvents();
    }
    EXPECT_GE(tools, 8);
}

}  // namespace
