// The program itself under a fake session manager and a private JACK server: its JACK clients
// take the session's client id and its settings go to the session's folder.
#include <gtest/gtest.h>
#include <jack/jack.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "platform/midi/jackmonitor.h"
#include "support/fakesession.h"
#include "support/jacktest.h"

namespace {

using F = TFakeSessionManager;
constexpr int kWaitMs = 15000;

// A client id of 63 characters is the longest a manager may give: every JACK client of the
// program must still be made.
class SessionJack : public TJackTest, public ::testing::WithParamInterface<std::string> {};

bool ClientExists(jack_client_t* jack, const char* name) {
    char* uuid = jack_get_uuid_for_client_name(jack, name);
    if (!uuid) return false;
    jack_free(uuid);
    return true;
}

TEST_P(SessionJack, ProgramNamesItsJackClientsByTheClientIdAndSavesInTheSessionFolder) {
    const std::string id = GetParam();
    QTemporaryDir sessions;
    QTemporaryDir home;
    const QString folder = sessions.path() + QStringLiteral("/Tastra.nSJT");
    F fake;
    fake.session = {folder.toStdString(), "Gig", id};

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("NSM_URL"), QString::fromStdString(fake.Url()));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(TASTRA_PROGRAM), {});
    ASSERT_TRUE(program.waitForStarted());

    jack_status_t status;
    jack_client_t* jack = jack_client_open("tastra-session-test", JackNoStartServer, &status);
    ASSERT_NE(jack, nullptr);
    // The built-in synth plays into JACK under the id; the input and the output each watch the
    // server with a client of their own, the second named "-01" by the server.
    const std::string synth = JackClientName(id, ""), monitor = JackClientName(id, "monitor");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return ClientExists(jack, synth.c_str()) && ClientExists(jack, monitor.c_str()) &&
                   ClientExists(jack, (monitor + "-01").c_str());
        },
        kWaitMs));
    EXPECT_FALSE(ClientExists(jack, kDefaultClientName));
    jack_client_close(jack);

    fake.Send(F::Message("/nsm/client/save"));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !fake.Answers("/nsm/client/save").empty(); }, kWaitMs));
    EXPECT_EQ(fake.Answers("/nsm/client/save")[0].path, "/reply");
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/registry.reg")));
    EXPECT_FALSE(QFile::exists(home.path() + QStringLiteral("/Ostrel/registry.reg")));

    // The manager ends its clients with SIGTERM.
    program.terminate();
    EXPECT_TRUE(program.waitForFinished(kWaitMs));
}

INSTANTIATE_TEST_SUITE_P(Ids, SessionJack,
                         ::testing::Values(std::string("nSJT"), std::string(63, 'L')));

}  // namespace
