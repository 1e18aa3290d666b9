#include <gtest/gtest.h>

#include "platform/settings/settingsstore.h"

TEST(MemSettingsStore, ReadRulesFollowTheRegistry) {
    TMemSettingsStore s(true);
    EXPECT_EQ(s.ReadInteger("A", "x", 7), 7);
    s.WriteBool("A", "b", true);
    EXPECT_TRUE(s.ReadBool("a", "B", false));  // names ignore case
    s.WriteString("A", "t", "abc");
    EXPECT_EQ(s.ReadInteger("A", "t", 9), 9);  // not a number: default
    s.WriteString("A", "n", " -12 ");
    EXPECT_EQ(s.ReadInteger("A", "n", 0), -12);
    s.WriteInteger("A", "d", 10);
    EXPECT_THROW(s.ReadString("A", "d", ""), ESettingsTypeError);
    // An integer written over an existing string keeps the string type.
    s.WriteInteger("A", "t", 5);
    EXPECT_EQ(s.ReadString("A", "t", ""), "5");
    s.WriteString("A", "e", "");
    s.WriteInteger("A", "e", 3);
    EXPECT_EQ(s.ReadString("A", "e", "x"), "3");
}

TEST(MemSettingsStore, DeleteAndEraseAndListing) {
    TMemSettingsStore s;
    s.WriteInteger("One", "a", 1);
    s.WriteInteger("One", "b", 2);
    s.WriteInteger("Two", "c", 3);
    s.DeleteKey("ONE", "A");
    EXPECT_EQ(s.ReadSection("One"), std::vector<std::string>{"b"});
    s.EraseSection("two");
    EXPECT_EQ(s.ReadSections(), std::vector<std::string>{"One"});
    EXPECT_TRUE(s.ValueExists("one", "B"));
    EXPECT_FALSE(s.ValueExists("two", "c"));
}

TEST(ParseDecimalInt, RejectsWhatIsNotAWholeNumber) {
    int v = 0;
    EXPECT_FALSE(ParseDecimalInt("", v));
    EXPECT_FALSE(ParseDecimalInt("-", v));
    EXPECT_FALSE(ParseDecimalInt("1x", v));
    EXPECT_FALSE(ParseDecimalInt("99999999999", v));
    EXPECT_TRUE(ParseDecimalInt("+42", v));
    EXPECT_EQ(v, 42);
    EXPECT_TRUE(ParseDecimalInt("-2147483648", v));
    EXPECT_EQ(v, INT32_MIN);
}
