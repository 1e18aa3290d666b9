#include "midi/controllernames.h"

#include <gtest/gtest.h>

TEST(ControllerNames, TableHasExactlyTheNamedEntriesWithTheirQuirks) {
    int named = 0;
    for (int c = 0; c < 128; ++c) named += ControllerName(c).empty() ? 0 : 1;
    EXPECT_EQ(named, 56);
    // The MSB partners of named LSB controllers stay unnamed; "off" keeps its lower case.
    for (int c : {3, 9, 12, 13, 16, 19, 46, 47, 119}) EXPECT_EQ(ControllerName(c), "") << c;
    EXPECT_EQ(ControllerName(120), "All Sound off");
    EXPECT_EQ(ControllerName(97), "Data Entry -1");
    EXPECT_EQ(ControllerName(-1), "");
    EXPECT_EQ(ControllerName(128), "");
}

TEST(ControllerNames, EntryTextsCarryTheDisplayOffsetAndAllNumbers) {
    EXPECT_EQ(ControllerEntryText(7, 0), "007 Channel Volume");
    EXPECT_EQ(ControllerEntryText(3, 0), "003 Undefined");
    EXPECT_EQ(ControllerEntryText(7, 1), "008 Channel Volume");
    EXPECT_EQ(ControllerEntryText(3, 1), "004 Undefined");
    EXPECT_EQ(ControllerEntryText(127, 1), "128 Poly Mode On");
    const auto list = ControllerEntryTexts(0);
    ASSERT_EQ(list.size(), 128u);
    EXPECT_EQ(list[0], "000 Bank Select MSB");
    EXPECT_EQ(list[12], "012 Undefined");
}
