#include "platform/keys/keystamps.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t kMs = 1000000;

struct TMomentCase {
    const char* what;
    std::int64_t readNs;
    quint64 serverTimeMs;
    bool serverTimeUsed;  // false: the moment of reading stands
};

}  // namespace

// A key read late is dated back to the server's millisecond of it; a server time that cannot be
// this machine's clock is never trusted, and a moment is never later than the reading.
TEST(KeyEventMoment, DatesALateReadBackToTheServersMillisecondOnly) {
    constexpr std::int64_t kUptime = 3'600'000 * kMs;  // an hour after boot
    const TMomentCase cases[] = {
        {"read within the server's millisecond", kUptime + 300'000, 3'600'000, false},
        {"read 6 ms late", kUptime + 6 * kMs + 400'000, 3'600'000, true},
        {"read 900 ms late", kUptime + 900 * kMs, 3'600'000, true},
        {"the server's time wrapped to 32 bits",
         (std::int64_t{1} << 32) * kMs + 5 * kMs, 0xFFFFFFFEu, true},
        {"a time after the reading", kUptime + 300'000, 3'600'004, false},
        {"more than a second before", kUptime + 2000 * kMs, 3'600'000, false},
        {"another machine's clock", kUptime, 17, false},
        {"no reading", 0, 0, false},
    };
    for (const TMomentCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::int64_t moment = KeyEventMoment(c.serverTimeMs, c.readNs);
        if (!c.serverTimeUsed) {
            EXPECT_EQ(moment, c.readNs);
            continue;
        }
        const std::int64_t serverMs =
            c.readNs / kMs - static_cast<std::uint32_t>(c.readNs / kMs - c.serverTimeMs);
        EXPECT_LT(moment, c.readNs);
        EXPECT_GE(moment, serverMs * kMs);
        EXPECT_LE(moment, (serverMs + 2) * kMs);  // its millisecond, a coarse tick behind
    }
}
