// The suite's JACK servers must not outlive a test process that is killed: JACK keeps at most 8
// servers per user, and each one left behind takes a place until the machine restarts.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "support/jackserver.h"

extern char** environ;

namespace {

const char kChildVariable[] = "TASTRA_JACK_FIXTURE_CHILD";

// A process that ended counts as gone while nobody has reaped it yet.
bool Gone(pid_t pid) {
    if (kill(pid, 0) != 0) return true;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string id, name, state;
    stat >> id >> name >> state;
    return state == "Z" || state == "X";
}

// Runs only as the child of the test below: starts a server, says which jackd runs it, and
// waits to be killed.
TEST(JackFixtureChild, HoldsAServerUntilKilled) {
    const char* fd = getenv(kChildVariable);
    if (!fd) GTEST_SKIP() << "runs as the child of JackFixture.ServerOfAKilledTestStops";
    TJackServer server;
    const std::string pid = std::to_string(server.Running() ? server.ServerPid() : -1) + "\n";
    if (write(std::atoi(fd), pid.data(), pid.size()) < 0) return;
    for (;;) pause();
}

TEST(JackFixture, ServerOfAKilledTestStops) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const std::string variable = std::string(kChildVariable) + "=" + std::to_string(fds[1]);
    const std::string filter = "--gtest_filter=JackFixtureChild.HoldsAServerUntilKilled";
    std::vector<char*> env;
    for (char** e = environ; *e; ++e) env.push_back(*e);
    env.push_back(const_cast<char*>(variable.c_str()));
    env.push_back(nullptr);
    const char* argv[] = {"/proc/self/exe", filter.c_str(), nullptr};
    pid_t child = -1;
    ASSERT_EQ(posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, const_cast<char**>(argv),
                          env.data()),
              0);
    close(fds[1]);
    std::string answer;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') answer += c;
    close(fds[0]);
    const pid_t jackd = std::atoi(answer.c_str());
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    if (jackd <= 0) GTEST_SKIP() << "JACK tests skipped: the child's server did not start";

    bool gone = false;
    for (int i = 0; i < 500 && !gone; ++i) {
        gone = Gone(jackd);
        if (!gone) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(gone) << "jackd " << jackd << " outlived the test that started it";
}

}  // namespace
