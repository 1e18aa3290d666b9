#include "platform/settings/inifile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/settings/inidocument.h"
#include "tempdir.h"

TEST(IniDocument, ReadsLikeTheProfileFunctions) {
    TIniDocument d;
    d.Parse(
        "; exported\r\n[Keyboard]\r\n  Width = 12  \r\nName=\" padded \"\r\nname=second\r\n"
        "junk line\r\n[keyboard]\r\nWidth=99\n[Other]\nx=\n");
    std::string v;
    ASSERT_TRUE(d.Find("KEYBOARD", "width", v));
    EXPECT_EQ(v, "12");
    ASSERT_TRUE(d.Find("Keyboard", "NAME", v));
    EXPECT_EQ(v, " padded ");
    ASSERT_TRUE(d.Find("Other", "x", v));
    EXPECT_EQ(v, "");
    EXPECT_FALSE(d.Find("Other", "y", v));
    EXPECT_FALSE(d.Find("Nowhere", "x", v));
    EXPECT_EQ(d.Sections(), std::vector<std::string>({"Keyboard", "Other"}));
    EXPECT_EQ(d.Names("keyboard"), std::vector<std::string>({"Width", "Name"}));
}

TEST(IniDocument, EditsKeepUntouchedLines) {
    TIniDocument d;
    d.Parse("; head\n\n[A]\n; note\nx=1\n\ny=2\n\n[B]\nz=3\n");
    d.Set("a", "X", "10");   // in place
    d.Set("A", "new", "n");  // after the last value of A
    d.Set("C", "c", "c");    // new section at the end
    d.Delete("B", "Z");
    d.Set("B", "w", "w");
    EXPECT_EQ(d.Serialize(),
              "; head\r\n\r\n[A]\r\n; note\r\nX=10\r\n\r\ny=2\r\nnew=n\r\n\r\n[B]\r\nw=w\r\n"
              "\r\n[C]\r\nc=c\r\n");
    // Reads after edits that moved lines find the values where they are now.
    std::string v;
    EXPECT_TRUE(d.Find("b", "W", v) && v == "w");
    EXPECT_TRUE(d.Find("A", "y", v) && v == "2");
    EXPECT_FALSE(d.Find("B", "z", v));
    d.EraseSection("a");
    EXPECT_EQ(d.Serialize(), "; head\r\n\r\n[B]\r\nw=w\r\n\r\n[C]\r\nc=c\r\n");
    EXPECT_FALSE(d.Find("A", "new", v));
    EXPECT_TRUE(d.Find("C", "c", v) && v == "c");
    d.Set("C", "d", "4");
    EXPECT_TRUE(d.Find("c", "D", v) && v == "4");
}

TEST(IniDocument, ByteOrderMarkIsSkippedForReadingAndKept) {
    // Regression: a second mark after the first one changed on every save.
    const std::string text = "\xEF\xBB\xBF\xEF\xBB\xBF\r\n[A]\r\nk=v\r\n";
    TIniDocument d;
    d.Parse(text);
    std::string v;
    EXPECT_TRUE(d.Find("A", "k", v));
    EXPECT_EQ(d.Serialize(), text);
}

TEST(IniDocument, WrittenValuesReadBackUnchanged) {
    TIniDocument d;
    for (const std::string v :
         {"  lead", "trail ", "\"quoted\"", "\"", "a=b", "x;y", "", "Grüße"}) {
        d.Set("S", "k", v);
        std::string back;
        ASSERT_TRUE(d.Find("S", "k", back));
        EXPECT_EQ(back, v);
    }
    // A line break cannot open a new section behind the program's back.
    d.Set("S", "k", "a\r\n[Evil]\r\nx=1");
    EXPECT_EQ(d.Sections(), std::vector<std::string>{"S"});
}

TEST(IniFile, StoreRoundTripAndAtomicCrLfFile) {
    QTemporaryDir dir;
    std::string path = dir.path().toStdString() + "/export.ini";
    ASSERT_TRUE(WriteFileAtomically(path, "[Keep]\n# mine\nv=1\n"));
    {
        TIniFile f(path);
        EXPECT_FALSE(f.IsRegistry());
        f.WriteInteger("Settings", "Width", -3);
        f.WriteBool("Settings", "Thru", true);
        f.WriteString("Settings", "Name", "text");
        f.WriteString("Settings", "Bad", "12x");
        EXPECT_EQ(f.ReadInteger("Settings", "Name", 5), 5);
        EXPECT_EQ(f.ReadInteger("Settings", "Bad", 5), 5);
        EXPECT_EQ(f.ReadString("Settings", "Width", ""), "-3");
        ASSERT_TRUE(f.Flush());
    }
    EXPECT_EQ(ReadFileText(path),
              "[Keep]\r\n# mine\r\nv=1\r\n\r\n[Settings]\r\nWidth=-3\r\nThru=1\r\nName=text\r\n"
              "Bad=12x\r\n");
    TIniFile f(path);
    EXPECT_EQ(f.ReadInteger("settings", "width", 0), -3);
    EXPECT_TRUE(f.ReadBool("Settings", "Thru", false));
    EXPECT_TRUE(f.ValueExists("keep", "V"));
}

TEST(IniFile, MissingFileReadsDefaultsAndFailedWriteIsReported) {
    QTemporaryDir dir;
    TIniFile f(dir.path().toStdString() + "/no/such/folder/x.ini");
    EXPECT_EQ(f.ReadString("A", "b", "def"), "def");
    EXPECT_TRUE(f.ReadSections().empty());
    f.WriteString("A", "b", "c");
    EXPECT_FALSE(f.UpdateFile());
}
