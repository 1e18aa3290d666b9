#include <gtest/gtest.h>

#include "midi/midiinput.h"
#include "midi/midioutput.h"
#include "support/countingmidi.h"

// Regression: every device object started by listing the devices, so the main window connected
// to the MIDI system twice before it could show.
TEST(NoDevice, SettlingOnNoDeviceListsNothing) {
    TCountingOut outService({"Synth A"});
    TCountingIn inService({"Keys A"});
    TMidiOutput out(outService);
    TMidiInput in(inService);
    out.SetDeviceId(NoDevice);
    in.SetDeviceId(NoDevice);
    EXPECT_EQ(outService.Looks, 0);
    EXPECT_EQ(inService.Looks, 0);
    // A real choice still checks the number against the list.
    out.SetDeviceId(0);
    in.SetDeviceId(0);
    EXPECT_EQ(out.DeviceName(), "Synth A");
    EXPECT_EQ(in.DeviceName(), "Keys A");
    EXPECT_GT(outService.Looks, 0);
    EXPECT_GT(inService.Looks, 0);
}
