// The program on a native Wayland platform, under a headless compositor of the test's own.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolTip>
#include <QWindow>

#include "keyboard/keyboard.h"
#include "platform/keys/keylistener.h"
#include "support/windowcatalog.h"
#include "wayland/waylandtest.h"

namespace {

class WaylandWindow : public ::testing::Test {
protected:
    void SetUp() override {
        if (!WaylandError().empty()) GTEST_SKIP() << WaylandError();
        ASSERT_TRUE(QGuiApplication::platformName().startsWith(QLatin1String("wayland")));
        m_listener = CreateKeyListener();
        m_showcase = std::make_unique<TShowcase>(1, m_listener.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Main()));
    }
    TTastra2& Main() { return m_showcase->Main(); }
    // Opens a menu of the menu bar as a click would; null when it does not show.
    QMenu* Open(const char* name) {
        QMenu* menu = Main().FindMenu(QString::fromLatin1(name));
        Main().menuBar()->setActiveAction(menu->menuAction());
        return QTest::qWaitForWindowExposed(menu) ? menu : nullptr;
    }
    // The tooltip the menu shows while the pointer rests on an item.
    static QString TipOf(QMenu* menu, QAction* action) {
        const QPoint at = menu->actionGeometry(action).center();
        QHelpEvent help(QEvent::ToolTip, at, menu->mapToGlobal(at));
        QApplication::sendEvent(menu, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    std::unique_ptr<TKeyListener> m_listener;
    std::unique_ptr<TShowcase> m_showcase;
};

}  // namespace

// The compositor takes the window at the size its layout asks for, and the menus open.
TEST_F(WaylandWindow, StartsAtItsOwnSizeAndItsMenusOpen) {
    TTastra2& w = Main();
    const QSize laidOut = w.size();
    QTest::qWait(200);  // a compositor that resized would have said so by now
    EXPECT_EQ(w.size(), laidOut);
    EXPECT_EQ(w.windowHandle()->size(), laidOut);
    EXPECT_TRUE(w.rect().contains(w.Keyboard1->geometry()));
    for (const char* name : {"File1", "MidiOut1", "Options1", "Help1"}) {
        QMenu* menu = Open(name);
        ASSERT_TRUE(menu) << name << " did not open";
        EXPECT_FALSE(menu->actions().isEmpty()) << name;
        menu->close();
        QApplication::processEvents();
    }
}

// No Wayland request keeps a window on top or lets a program hear other windows' keys: both
// items are disabled, and the menu shows why, whole.
TEST_F(WaylandWindow, WhatWaylandForbidsIsDisabledWithItsWholeReason) {
    QMenu* options = Open("Options1");
    ASSERT_TRUE(options);
    const struct {
        const char* item;
        QString reason;
    } cases[] = {
        {"StayonTop1", "Wayland lets no program keep its window above the others."},
        {"PlayFromAnyWindow1",
         "Wayland lets no program hear keys typed into other windows; start this one in an X11 "
         "session to use it."},
    };
    for (const auto& c : cases) {
        QAction* action = Main().FindAction(QString::fromLatin1(c.item));
        ASSERT_TRUE(action) << c.item;
        EXPECT_FALSE(action->isEnabled()) << c.item;
        EXPECT_EQ(action->statusTip(), c.reason) << c.item;
        EXPECT_EQ(TipOf(options, action), c.reason) << c.item;
        // Chosen anyway (a stored choice, a shortcut): it stays off.
        action->trigger();
        EXPECT_FALSE(action->isChecked()) << c.item;
    }
    options->close();
}
