// The session manager protocol against a fake manager that runs on its own thread.
#include "platform/session/nsmclient.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "support/fakesession.h"

namespace {

using TAnswer = TFakeSessionManager::TAnswer;

constexpr int kWaitMs = 5000;

class NsmClient : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        fake.session = {Folder(), "Gig", "nTST"};
    }
    std::string Folder() const { return m_dir.path().toStdString() + "/Tastra.nTST"; }
    bool Start(TNsmClient& client, int waitMs = kWaitMs) {
        return client.Announce(fake.Url(), "Tastra", "tastra", 4242) && client.WaitForOpen(waitMs);
    }
    bool WaitForMessages(const std::string& path, size_t n) {
        return QTest::qWaitFor([&] { return fake.Received(path).size() >= n; }, kWaitMs);
    }

    QTemporaryDir m_dir;
    TFakeSessionManager fake;
};

TEST_F(NsmClient, AnnouncesItselfAndTakesTheSessionFolderAndClientId) {
    TNsmClient client;
    ASSERT_TRUE(Start(client));
    const auto announce = fake.Received("/nsm/server/announce");
    ASSERT_EQ(announce.size(), 1u);
    EXPECT_EQ(announce[0].types, "sssiii");
    EXPECT_EQ(announce[0].strings,
              (std::vector<std::string>{"Tastra", ":optional-gui:dirty:", "tastra"}));
    EXPECT_EQ(announce[0].ints, (std::vector<int>{1, 1, 4242}));

    EXPECT_EQ(client.Place().clientName, "nTST");
    EXPECT_EQ(client.Place().hivePath, Folder() + "/registry.reg");
    EXPECT_TRUE(QFileInfo(QString::fromStdString(Folder())).isDir());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !fake.Answers("/nsm/client/open").empty(); }, kWaitMs));
    EXPECT_EQ(fake.Answers("/nsm/client/open")[0].path, "/reply");
}

// A client id that cannot name a JACK or ALSA client, or a folder that cannot be made, is
// refused with an error the manager can show; the program goes on without a session.
TEST_F(NsmClient, OpenThatCannotBeKeptIsRefused) {
    const std::string file = m_dir.path().toStdString() + "/plain-file";
    QFile(QString::fromStdString(file)).open(QIODevice::WriteOnly);
    const std::vector<TNsmSession> sessions = {
        {Folder(), "Gig", "n:TST"},
        {Folder(), "Gig", ""},
        {Folder(), "Gig", std::string(64, 'n')},
        {"relative/folder", "Gig", "nTST"},
        {file + "/below-a-file", "Gig", "nTST"},
    };
    for (const TNsmSession& session : sessions) {
        SCOPED_TRACE(session.path + " " + session.clientId);
        TFakeSessionManager refused;
        refused.session = session;
        TNsmClient client;
        ASSERT_TRUE(client.Announce(refused.Url(), "Tastra", "tastra", 1));
        EXPECT_FALSE(client.WaitForOpen(kWaitMs));
        EXPECT_EQ(client.State(), TNsmClient::TState::Failed);
        EXPECT_EQ(client.Place().clientName, kDefaultClientName);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return !refused.Answers("/nsm/client/open").empty(); }, kWaitMs));
        const auto answer = refused.Answers("/nsm/client/open")[0];
        EXPECT_EQ(answer.path, "/error");
        EXPECT_EQ(answer.ints, std::vector<int>{TNsmClient::kErrCreateFailed});
    }
}

TEST_F(NsmClient, ManagerThatRefusesOrNeverAnswersLeavesNoSession) {
    for (TAnswer answer : {TAnswer::Error, TAnswer::Silence}) {
        TFakeSessionManager manager(answer);
        TNsmClient client;
        std::string status;
        client.OnStatus = [&](const std::string& text) { status = text; };
        ASSERT_TRUE(client.Announce(manager.Url(), "Tastra", "tastra", 1));
        EXPECT_FALSE(client.WaitForOpen(300));
        EXPECT_EQ(client.State(), TNsmClient::TState::Failed);
        EXPECT_NE(status.find(answer == TAnswer::Error ? "not welcome" : "does not answer"),
                  std::string::npos)
            << status;
        // An open that comes after the program went on alone is refused, not taken halfway.
        manager.Send(TFakeSessionManager::Message("/nsm/client/open", {Folder(), "Gig", "nTST"}));
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return !manager.Answers("/nsm/client/open").empty(); }, kWaitMs));
        EXPECT_EQ(manager.Answers("/nsm/client/open")[0].ints,
                  std::vector<int>{TNsmClient::kErrNotNow});
        EXPECT_FALSE(client.SessionOpen());
    }
}

TEST_F(NsmClient, AddressThatIsNoManagersFailsAtOnce) {
    for (const char* url : {"", "nonsense", "osc.tcp://127.0.0.1:9/", "osc.udp://127.0.0.1/"}) {
        SCOPED_TRACE(url);
        TNsmClient client;
        EXPECT_FALSE(client.Announce(url, "Tastra", "tastra", 1));
        EXPECT_FALSE(client.WaitForOpen(kWaitMs));
        EXPECT_NE(client.StatusText().find("NSM_URL"), std::string::npos);
    }
}

TEST_F(NsmClient, GarbageIsSurvivedAndWrongArgumentsAreAnswered) {
    using F = TFakeSessionManager;
    fake.beforeOpen = {
        {'\x01', '\x02', 'x'},                              // no OSC at all
        F::TDatagram(4096, '/'),                            // an endless path
        F::Message("/nsm/client/open", {1, 2, 3}),          // numbers for strings
        F::Message("/nsm/client/save", {"now"}),            // an argument where none belongs
        F::Message("/reply", {}),                           // an answer to nothing
        F::Message("/error", {7, "/nsm/server/announce"}),  // an error in the wrong shape
        F::Message("/nsm/client/unknown", {"x"}),
    };
    TNsmClient client;
    ASSERT_TRUE(Start(client));
    // The answer to the good open is the last thing sent.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return fake.Answers("/nsm/client/open").size() == 2; }, kWaitMs));
    ASSERT_EQ(fake.Answers("/nsm/client/save").size(), 1u);
    EXPECT_EQ(fake.Answers("/nsm/client/save")[0].path, "/error");
    const auto open = fake.Answers("/nsm/client/open");
    EXPECT_EQ(open[0].path, "/error");
    EXPECT_EQ(open[1].path, "/reply");
}

TEST_F(NsmClient, DirtyAndGuiStateAreSentOncePerChange) {
    TNsmClient client;
    client.SetDirty(true);  // before the session: nothing to tell
    ASSERT_TRUE(Start(client));
    for (bool dirty : {true, true, false, false, true}) client.SetDirty(dirty);
    for (bool shown : {false, false, true}) client.SetGuiShown(shown);
    ASSERT_TRUE(WaitForMessages("/nsm/client/gui_is_shown", 1));
    ASSERT_TRUE(WaitForMessages("/nsm/client/is_dirty", 2));
    EXPECT_EQ(fake.Received("/nsm/client/is_clean").size(), 1u);
    EXPECT_EQ(fake.Received("/nsm/client/gui_is_hidden").size(), 1u);
}

}  // namespace
