#include "midi/mididevice.h"

#include <gtest/gtest.h>

TEST(MidiDeviceNames, SameDeviceNameIgnoresCaseAndBlanks) {
    EXPECT_TRUE(SameDeviceName("USB Midi  Cable", "usbmidicable"));
    EXPECT_TRUE(SameDeviceName(" A B ", "ab"));
    EXPECT_TRUE(SameDeviceName("", "   "));
    EXPECT_TRUE(SameDeviceName("Ärger Synth", "ärgersynth"));
    EXPECT_FALSE(SameDeviceName("Synth 1", "Synth 2"));
    EXPECT_FALSE(SameDeviceName("Synth", "Synth-"));
    EXPECT_FALSE(SameDeviceName("Synth\t1", "Synth1"));  // only spaces are ignored
}

TEST(MidiDeviceNames, LoopbackPrefixesMatchAtTheStartIgnoringCase) {
    EXPECT_TRUE(IsLoopbackName("LB1"));
    EXPECT_TRUE(IsLoopbackName("lb4 out"));
    EXPECT_TRUE(IsLoopbackName("midi yoke junction: 3"));
    EXPECT_TRUE(IsLoopbackName("MIDI Yoke NT:  8"));
    EXPECT_FALSE(IsLoopbackName("LB"));
    EXPECT_FALSE(IsLoopbackName("LB5"));
    EXPECT_FALSE(IsLoopbackName("My LB1"));
    EXPECT_FALSE(IsLoopbackName("MIDI Yoke NT 1"));
    EXPECT_FALSE(IsLoopbackName(""));
}

TEST(OpenDeviceRecord, HoldsEachNameOnceAndTestsTheOtherDirection) {
    RecordOpen(mdInput, "LB1 Port");
    RecordOpen(mdInput, "lb1 port");
    EXPECT_EQ(RecordedOpenNames(mdInput), std::vector<std::string>{"LB1 Port"});
    EXPECT_TRUE(WouldCreateLoop(mdOutput, "LB1 PORT"));
    EXPECT_FALSE(WouldCreateLoop(mdInput, "LB1 Port"));    // same direction is no loop
    EXPECT_FALSE(WouldCreateLoop(mdOutput, "LB1  Port"));  // the record compares full names

    RecordOpen(mdOutput, "Synth");
    EXPECT_FALSE(WouldCreateLoop(mdInput, "Synth"));  // not a loopback driver

    RecordClosed(mdInput, "Lb1 pOrt");
    EXPECT_FALSE(WouldCreateLoop(mdOutput, "LB1 Port"));
    RecordClosed(mdInput, "never opened");
    RecordClosed(mdOutput, "Synth");
    EXPECT_TRUE(RecordedOpenNames(mdInput).empty());
    EXPECT_TRUE(RecordedOpenNames(mdOutput).empty());
}

TEST(MidiErrorMessage, ContextLineThenServiceText) {
    EXPECT_EQ(MidiErrorMessage("Context:", true, "Text."), "Context:\r\nText.");
    EXPECT_EQ(MidiErrorMessage("", true, "Text."), "Text.");
    EXPECT_EQ(MidiErrorMessage("Context:", false, "ignored"), "Context:\r\nUnspecified error");
    EXPECT_EQ(MidiErrorMessage("", false, ""), "Unspecified error");
}
