// The one way out to the MIDI output, and its one way of reporting a failure.
#include "app/outputsender.h"

#include <gtest/gtest.h>

#include "midi/midioutput.h"
#include "support/scriptedprompts.h"
#include "support/virtualmidi.h"

// A device that fails while playing (a glide sends a note per key) gets one box until a device
// opens again; the status bar shows each failure's last line; a device that is gone is closed.
TEST(OutputSender, AFailingDeviceIsReportedOnceUntilOneOpensAgain) {
    TVirtualMidiService service({"Synth"});
    TMidiOutput out(service);
    out.SetDeviceId(0);
    ASSERT_TRUE(out.Open());
    TScriptedPrompts prompts;
    QStringList status;
    TOutputSender sender([&]() -> TMidiOutput& { return out; }, prompts,
                         [&](const QString& text) { status << text; });
    EXPECT_TRUE(sender.Send(0x90, 60, 100));
    service.SetSendError(kMidiErrError);
    EXPECT_FALSE(sender.Send(0x90, 62, 100));
    EXPECT_FALSE(sender.Send(0x90, 64, 100));
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_EQ(status, QStringList(2, prompts.errors[0].section('\n', -1).trimmed()));
    EXPECT_FALSE(status[0].isEmpty());
    EXPECT_FALSE(out.IsClosed());

    sender.DeviceOpened();
    service.RemoveDevice(0);
    EXPECT_FALSE(sender.Send(0x90, 65, 100));
    EXPECT_EQ(prompts.errors.size(), 2);
    EXPECT_TRUE(out.IsClosed());
}
