// The main window under a fake session manager: settings in the session's folder, saving on
// request, dirty reports, showing and hiding, and a manager that refuses or goes away.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/sessionlink.h"
#include "app/statuspanels.h"
#include "app/tastra.h"
#include "keyboard/keyboard.h"
#include "keyboard/transposeform.h"
#include "midi/midioutput.h"
#include "platform/tempdir.h"
#include "support/fakesession.h"
#include "support/scriptedprompts.h"
#include "support/virtualmidi.h"

namespace {

using F = TFakeSessionManager;
constexpr int kWaitMs = 5000;

class SessionWindow : public ::testing::Test {
protected:
    void SetUp() override { fake.session = {Folder(), "Gig", "nWIN"}; }
    void TearDown() override {
        window.reset();
        link.reset();
    }
    std::string Folder() const { return m_dir.path().toStdString() + "/Tastra.nWIN"; }
    std::string SessionHive() const { return ReadFileText(Folder() + "/registry.reg"); }

    void Start(F& manager, int openWaitMs = kWaitMs) {
        link = std::make_unique<TSessionLink>(manager.Url(), "tastra", openWaitMs,
                                              [this] { return alive; });
        TTastraServices services;
        services.midiOut = &out;
        services.midiIn = &in;
        services.prompts = &prompts;
        OpenSettingsAt(services, link->Place(), nullptr);
        window = std::make_unique<TTastra2>(services);
        link->Attach(*window);
        link->ShowWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->StartupDone(); }, kWaitMs));
    }
    bool WaitFor(const std::string& path, size_t n) {
        return QTest::qWaitFor([&] { return fake.Received(path).size() >= n; }, kWaitMs);
    }
    // Asks for a save and waits for its answer, which also means that everything the client
    // sent before it has arrived.
    std::string Save() {
        const size_t before = fake.Answers("/nsm/client/save").size();
        fake.Send(F::Message("/nsm/client/save"));
        if (!QTest::qWaitFor([&] { return fake.Answers("/nsm/client/save").size() > before; },
                             kWaitMs))
            return "no answer";
        return fake.Answers("/nsm/client/save").back().path;
    }
    QString Status() const {
        return static_cast<TStatusPanels*>(window->statusBar())->PanelText(0);
    }

    TTempConfigHome home;  // the user's own settings, which a session must not touch
    QTemporaryDir m_dir;
    F fake;
    TVirtualMidiService out{{"Synth A"}};
    TVirtualMidiInService in;
    TScriptedPrompts prompts;
    bool alive = true;
    std::unique_ptr<TSessionLink> link;
    std::unique_ptr<TTastra2> window;
};

TEST_F(SessionWindow, SettingsAreSavedInTheSessionFolderOnRequestOnly) {
    Start(fake);
    EXPECT_TRUE(Status().contains(QString::fromStdString(Folder()))) << Status().toStdString();
    window->Keyboard1->Player().SetChannel(5);
    EXPECT_EQ(Save(), "/reply");
    EXPECT_NE(SessionHive().find("\"Channel\"=dword:00000005"), std::string::npos);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(home.HivePath())));

    // Closing only hides; ending the program does not save what changed since.
    window->close();
    EXPECT_FALSE(window->isVisible());
    window->Keyboard1->Player().SetChannel(7);
    window.reset();
    EXPECT_NE(SessionHive().find("\"Channel\"=dword:00000005"), std::string::npos);
}

TEST_F(SessionWindow, DirtyFollowsWhatASaveWouldWrite) {
    Start(fake);
    ASSERT_TRUE(WaitFor("/nsm/client/is_clean", 1));
    const int channel = window->Keyboard1->Player().Channel();
    window->Keyboard1->Player().SetChannel(channel + 1);
    ASSERT_TRUE(WaitFor("/nsm/client/is_dirty", 1));
    window->Keyboard1->Player().SetChannel(channel);  // back to what the folder holds
    ASSERT_TRUE(WaitFor("/nsm/client/is_clean", 2));
    window->Keyboard1->Player().SetChannel(channel + 2);
    ASSERT_TRUE(WaitFor("/nsm/client/is_dirty", 2));
    EXPECT_EQ(Save(), "/reply");
    ASSERT_TRUE(WaitFor("/nsm/client/is_clean", 3));
}

TEST_F(SessionWindow, HidingAndShowingKeepTheWindowsAndTellTheManager) {
    Start(fake);
    window->FindAction(QStringLiteral("Transpose1"))->trigger();
    ASSERT_TRUE(window->TransposeForm() && window->TransposeForm()->isVisible());
    window->Keyboard1->Player().PlayNote(0, 60, true, 100);
    out.ClearSent();
    fake.Send(F::Message("/nsm/client/hide_optional_gui"));
    ASSERT_TRUE(WaitFor("/nsm/client/gui_is_hidden", 1));
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->TransposeForm()->isVisible());
    // A note held by the mouse or the keys would hang with no window to release it.
    ASSERT_FALSE(out.Sent().empty());
    EXPECT_EQ(out.Sent()[0].Packed, 0x003C90u);

    fake.Send(F::Message("/nsm/client/show_optional_gui"));
    ASSERT_TRUE(WaitFor("/nsm/client/gui_is_shown", 2));
    EXPECT_TRUE(window->isVisible());
    ASSERT_TRUE(window->TransposeForm());
    EXPECT_TRUE(window->TransposeForm()->isVisible());

    window->close();
    EXPECT_EQ(Save(), "/reply");
    std::vector<std::string> told;
    for (const auto& m : fake.Received())
        if (m.path.find("/nsm/client/gui_is_") == 0) told.push_back(m.path.substr(19));
    EXPECT_EQ(told, (std::vector<std::string>{"shown", "hidden", "shown", "hidden"}));
}

TEST_F(SessionWindow, StartsHiddenWhenTheManagerSaysSoBeforeTheOpen) {
    fake.beforeOpen = {F::Message("/nsm/client/hide_optional_gui")};
    Start(fake);
    EXPECT_FALSE(window->isVisible());
    ASSERT_TRUE(WaitFor("/nsm/client/gui_is_hidden", 1));
    EXPECT_TRUE(fake.Received("/nsm/client/gui_is_shown").empty());
    EXPECT_FALSE(window->MidiOut().IsClosed());  // started all the same: the devices are open
}

TEST_F(SessionWindow, ManagerThatGoesAwayGivesTheWindowBackAndClosingSaves) {
    Start(fake);
    fake.Send(F::Message("/nsm/client/hide_optional_gui"));
    ASSERT_TRUE(WaitFor("/nsm/client/gui_is_hidden", 1));
    alive = false;
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isVisible(); }, kWaitMs));
    EXPECT_TRUE(Status().contains("gone")) << Status().toStdString();
    window->Keyboard1->Player().SetChannel(9);
    window->close();
    EXPECT_NE(SessionHive().find("\"Channel\"=dword:00000009"), std::string::npos);
}

TEST_F(SessionWindow, ManagerThatRefusesOrIsSilentLeavesTheUsualPlace) {
    for (F::TAnswer answer : {F::TAnswer::Error, F::TAnswer::Silence}) {
        F manager(answer);
        Start(manager, 300);
        EXPECT_TRUE(link->Place().hivePath.empty());
        EXPECT_EQ(link->Place().clientName, kDefaultClientName);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(
            Status().contains(answer == F::TAnswer::Error ? "not welcome" : "does not answer"))
            << Status().toStdString();
        TearDown();
    }
}

}  // namespace
