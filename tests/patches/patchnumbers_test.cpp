#include "patches/patchnumbers.h"

#include <gtest/gtest.h>

TEST(PatchNumbers, ProgramMessagesOrderAndChannel) {
    using M = TPatchMessage;
    EXPECT_EQ(ProgramMessages(3, 7, 130, true),
              (std::vector<M>{{0xB3, 0, 1}, {0xB3, 32, 2}, {0xC3, 7, 0}}));
    EXPECT_EQ(ProgramMessages(0, 0, 16383, false),
              (std::vector<M>{{0xB0, 32, 127}, {0xB0, 0, 127}, {0xC0, 0, 0}}));
    EXPECT_EQ(ProgramMessages(15, 127, -1, true), (std::vector<M>{{0xCF, 127, 0}}));
    EXPECT_TRUE(ProgramMessages(0, -1, 5, true).empty());
}

TEST(PatchNumbers, TypedTextAndDisplay) {
    int v = 99;
    EXPECT_TRUE(ParseProgramText("0", 1, v));
    EXPECT_EQ(v, -1);
    EXPECT_TRUE(ParseProgramText("NONE", 1, v));
    EXPECT_EQ(v, -1);
    EXPECT_TRUE(ParseProgramText("127", 0, v));
    EXPECT_FALSE(ParseProgramText("129", 1, v));
    EXPECT_FALSE(ParseProgramText("12a", 1, v));
    EXPECT_FALSE(ParseProgramText("", 1, v));
    EXPECT_FALSE(ParseProgramText("-1", 1, v));
    EXPECT_FALSE(ParseBankText("None", 1, v));
    EXPECT_TRUE(ParseBankText("16384", 1, v));
    EXPECT_EQ(v, 16383);
    EXPECT_FALSE(ParseBankText("16384", 0, v));
    EXPECT_FALSE(ParseBankText("99999999999", 0, v));
    EXPECT_EQ(BankHint(130, 1), "Bank: 131 (MSB: 1 LSB: 2)");
    EXPECT_EQ(BankHint(-1, 1), "");
    EXPECT_EQ(NumberText(-1, 1), "none");
    EXPECT_EQ(NumberText(0, 0), "0");
}

TEST(PatchNumbers, SteppingWrapsAtBothEnds) {
    EXPECT_EQ(StepProgramNumber(127, 1), -1);
    EXPECT_EQ(StepProgramNumber(-1, 1), 0);
    EXPECT_EQ(StepProgramNumber(-1, -1), 127);
    EXPECT_EQ(WrapIndex(0, -1, 5), 4);
    EXPECT_EQ(WrapIndex(4, 1, 5), 0);
    EXPECT_EQ(WrapIndex(0, 1, 0), -1);
}
