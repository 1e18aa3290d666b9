#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "midi/midioutput.h"
#include "support/jackserver.h"

// Tests that need a JACK server: one per suite, since starting one takes a moment, at a period it
// keeps up with. Each test is skipped, with the reason, where the server could not start.
class TJackTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_server = new TJackServer; }
    static void TearDownTestSuite() {
        delete s_server;
        s_server = nullptr;
    }
    void SetUp() override {
        if (!s_server->Running()) GTEST_SKIP() << "JACK tests skipped: " << s_server->Error();
    }
    // A receiving port of the test's own; one that cannot be made fails the test.
    static std::unique_ptr<TJackReceiver> NewReceiver() {
        auto rx = std::make_unique<TJackReceiver>();
        EXPECT_TRUE(rx->Ok()) << rx->Error();
        return rx;
    }
    // The number an input or output lists the port called name under; NoDevice when none.
    template <class TDevice>
    static int FindDevice(TDevice& device, const std::string& name) {
        std::vector<TMidiDeviceEntry> list;
        device.ListDevices(list);
        for (const auto& e : list)
            if (e.Name == name) return e.Id;
        return NoDevice;
    }

    // Points `out` at the port called name and opens it; a port that is not listed or does not
    // open fails the test (check HasFatalFailure).
    static void PlayInto(TMidiOutput& out, const std::string& name) {
        out.Close();
        const int id = FindDevice(out, name);
        ASSERT_NE(id, NoDevice) << name << " not listed";
        out.SetDeviceId(id);
        ASSERT_TRUE(out.Open());
    }

    static inline TJackServer* s_server = nullptr;
};

// For a suite that wants many cycles in little time and counts no message on its way: a server
// at 128 frames, which may miss cycles (see TJackServer::kSteadyPeriod).
class TQuickJackTest : public TJackTest {
protected:
    static void SetUpTestSuite() { s_server = new TJackServer(128); }
};
