#pragma once

#include <QTest>
#include <functional>
#include <memory>

#include "app/tastra.h"

// A main window for tests: dialogs answered quietly, shown, and past its posted start-up steps.
// `prepare` runs before the window is shown, to install the test's own hooks.
inline std::unique_ptr<TTastra2> StartTestWindow(
    const TTastraServices& services, const std::function<void(TTastra2&)>& prepare = {}) {
    auto w = std::make_unique<TTastra2>(services);
    w->OnError = [](const QString&) {};
    w->OnReminder = [](const QString&, bool) { return true; };
    if (prepare) prepare(*w);
    w->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->StartupDone(); }, 3000));
    return w;
}
