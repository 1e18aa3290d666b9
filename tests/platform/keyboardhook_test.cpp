#include "platform/keys/keyboardhook.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <memory>
#include <stdexcept>
#include <vector>

#include "support/keyevents.h"

using keytest::TKeyRecorder;

namespace {

constexpr int kQ = 16;

// A shown window whose focused widget is either a recorder or a line edit; each hook appends
// its number to `calls` and sets handled as told.
struct KeyboardHook : ::testing::Test {
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    QWidget* parent = new QWidget;
    TKeyRecorder* recorder = new TKeyRecorder(parent);
    QLineEdit* edit = new QLineEdit;
    std::vector<int> calls;
    std::vector<TKeyData> seen;

    void SetUp() override {
        auto* layout = new QVBoxLayout(form.get());
        layout->addWidget(parent);
        layout->addWidget(edit);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    std::unique_ptr<TKeyboardHook> Hook(int number, bool handles) {
        auto hook = std::make_unique<TKeyboardHook>(
            [this, number, handles](const TKeyData& k, bool& handled) {
                calls.push_back(number);
                seen.push_back(k);
                if (handles) handled = true;
            });
        hook->Install();
        return hook;
    }
    void Type(int evdev, int key, const QString& text) {
        keytest::Press(form->windowHandle(), evdev, key, {}, text);
        keytest::Release(form->windowHandle(), evdev, key, {}, text);
    }
};

}  // namespace

TEST_F(KeyboardHook, SharedFilterLivesFromFirstInstallToLastUninstall) {
    EXPECT_FALSE(TKeyboardHook::HookSet());
    auto a = Hook(1, false);
    {
        auto b = Hook(2, false);
        b->Install();  // a second install does not list it twice
        EXPECT_TRUE(a->IsInstalled() && b->IsInstalled());
        a->Uninstall();
        EXPECT_FALSE(a->IsInstalled());
        EXPECT_TRUE(TKeyboardHook::HookSet());
        Type(kQ, Qt::Key_Q, "q");
        EXPECT_EQ(calls, (std::vector<int>{2, 2}));
    }  // destroying b uninstalls it, and with it the filter
    EXPECT_FALSE(TKeyboardHook::HookSet());
    Type(kQ, Qt::Key_Q, "q");
    EXPECT_EQ(calls.size(), 2u);
}

TEST_F(KeyboardHook, EveryHandlerSeesEachKeyOnceAndAHandledKeyNeverReachesTheEdit) {
    edit->setFocus();
    auto a = Hook(1, false);
    auto b = Hook(2, true);
    auto c = Hook(3, false);
    Type(kQ, Qt::Key_Q, "q");
    EXPECT_EQ(calls, (std::vector<int>{1, 2, 3, 1, 2, 3}));
    EXPECT_EQ(edit->text(), "");
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen[0].scanCode, 16);
    EXPECT_FALSE(seen[0].transition);
    EXPECT_TRUE(seen[3].transition);

    b->Uninstall();
    calls.clear();
    Type(kQ, Qt::Key_Q, "q");
    EXPECT_EQ(calls, (std::vector<int>{1, 3, 1, 3}));
    EXPECT_EQ(edit->text(), "q");
}

TEST_F(KeyboardHook, KeyIgnoredByTheFocusedWidgetTravelsOnWithoutRunningTheHandlersAgain) {
    recorder->setFocus();
    recorder->ignoreKeys = true;
    auto a = Hook(1, false);
    keytest::Press(form->windowHandle(), kQ, Qt::Key_Q, {}, "q");
    keytest::Press(recorder, kQ, Qt::Key_Q, {}, "q");  // sent to the widget directly
    EXPECT_EQ(calls, (std::vector<int>{1, 1}));
    EXPECT_EQ(recorder->presses, 2);
}

TEST_F(KeyboardHook, RepeatReleasesAreNoKeyUps) {
    recorder->setFocus();
    auto a = Hook(1, true);
    QWindow* win = form->windowHandle();
    keytest::Send(win, QEvent::KeyPress, kQ, Qt::Key_Q);
    keytest::Send(win, QEvent::KeyRelease, kQ, Qt::Key_Q, {}, {}, true);
    keytest::Send(win, QEvent::KeyPress, kQ, Qt::Key_Q, {}, {}, true);
    keytest::Send(win, QEvent::KeyRelease, kQ, Qt::Key_Q);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_FALSE(seen[0].previousState);
    EXPECT_TRUE(seen[1].IsAutoRepeat());
    EXPECT_TRUE(seen[2].IsRelease());
    EXPECT_EQ(recorder->releases, 1);  // the repeat's release goes on; the others were handled
}

TEST_F(KeyboardHook, HandlersThatRemoveHooksOrThrowEndTheRoundSafely) {
    recorder->setFocus();
    std::unique_ptr<TKeyboardHook> second;
    auto first = std::make_unique<TKeyboardHook>([&](const TKeyData&, bool& handled) {
        calls.push_back(1);
        second.reset();  // e.g. a field losing the focus while a key is handled
        handled = true;
    });
    first->Install();
    second = Hook(2, false);
    keytest::Press(form->windowHandle(), kQ, Qt::Key_Q);
    EXPECT_EQ(calls, (std::vector<int>{1}));
    EXPECT_EQ(recorder->presses, 0);

    bool discard = false;
    first->OnKey = [&](const TKeyData&, bool& handled) {
        handled = discard;
        throw std::runtime_error("handler failed");
    };
    auto third = Hook(3, false);
    calls.clear();
    keytest::Press(form->windowHandle(), kQ, Qt::Key_Q);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(recorder->presses, 1);
    discard = true;  // what the failing handler decided before it threw still counts
    keytest::Press(form->windowHandle(), kQ, Qt::Key_Q);
    EXPECT_EQ(recorder->presses, 1);
}

TEST_F(KeyboardHook, ModifierStateIsThatOfTheKeyBeingHandled) {
    recorder->setFocus();
    Qt::KeyboardModifiers during;
    TKeyboardHook hook([&](const TKeyData&, bool&) { during = TKeyboardHook::ModifierState(); });
    hook.Install();
    keytest::Press(form->windowHandle(), kQ, Qt::Key_Q,
                   Qt::ShiftModifier | Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(during, Qt::ShiftModifier | Qt::ControlModifier);
}
