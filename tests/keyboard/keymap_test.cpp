#include "keyboard/keymap.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <map>

#include "keyboard/scanmap.h"

using keymap::ParseKeyMap;
using keymap::TKeyMap;
using keymap::TParseError;

TEST(KeyMap, ReadsCommentsLineEndsAndLetterCaseAndWritesBackTheSameMap) {
    const std::string text =
        "\xEF\xBB\xBF; my map\r\n"
        "[map]\r\n"
        "  name = Two C keys \r\n"
        "\n"
        "# keys\n"
        "[KEYS]\n"
        "44 = 0   ; Z plays C\n"
        "16=0\n"
        "30=-5\n"
        "127=+127";  // no line end at the end
    TKeyMap map;
    TParseError error;
    ASSERT_TRUE(ParseKeyMap(text, map, error)) << error.line << ": " << error.message.toStdString();
    EXPECT_EQ(map.name, "Two C keys");
    EXPECT_EQ(map.keys, (std::map<int, int>{{16, 0}, {30, -5}, {44, 0}, {127, 127}}));

    TKeyMap back;
    ASSERT_TRUE(ParseKeyMap(keymap::WriteKeyMap(map), back, error));
    EXPECT_EQ(back, map);
}

TEST(KeyMap, DamagedTextsNameTheLineAndTheFault) {
    using namespace std::string_literals;
    struct TCase {
        std::string text;
        int line;
        const char* says;
    };
    const TCase cases[] = {
        {"[Keys]\n16=12\nQ=3\n", 3, "\"Q\" is not a scan code"},
        {"[Keys]\n0=1\n", 2, "\"0\" is not a scan code"},
        {"[Keys]\n128=1\n", 2, "\"128\" is not a scan code"},
        {"[Keys]\n99999999999=1\n", 2, "is not a scan code"},
        {"[Keys]\n16=x\n", 2, "\"x\" is not a note offset"},
        {"[Keys]\n16=-128\n", 2, "\"-128\" is not a note offset"},
        {"[Keys]\n16=\n", 2, "\"\" is not a note offset"},
        {"[Keys]\n16=1\n\n16=2\n", 4, "scan code 16 was given a note on line 2 already"},
        {"16=1\n[Keys]\n", 1, "before the first section"},
        {"[Keyz]\n16=1\n", 1, "unknown section \"[Keyz]\""},
        {"[Keys\n", 1, "must end with"},
        {"[Keys]\n1=1\n[keys]\n", 3, "comes twice (first on line 1)"},
        {"[Map]\nTitle=x\n[Keys]\n1=1\n", 2, "unknown value \"Title\" in [Map]"},
        {"[Keys]\njust words\n", 2, "is not of the form NAME=VALUE"},
        {"[Map]\nName=x\n", 0, "there is no [Keys] section"},
        {"", 0, "there is no [Keys] section"},
        {"[Map]\n[Keys]\n; nothing\n", 2, "[Keys] names no key"},
        {"[Keys]\n16=1\0\n"s, 2, "zero byte"},
    };
    for (const TCase& c : cases) {
        TKeyMap map;
        map.keys[5] = 5;  // a failed read leaves the map alone
        TParseError error;
        EXPECT_FALSE(ParseKeyMap(c.text, map, error)) << c.text;
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_TRUE(error.message.contains(QString::fromLatin1(c.says)))
            << c.text << " -> " << error.message.toStdString();
        EXPECT_EQ(map.keys, (std::map<int, int>{{5, 5}}));
    }
}

TEST(KeyMap, FilesReportTheirNameAndLineAndAreWrittenWhole) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("none.ini");
    TKeyMap map;
    QString message;
    EXPECT_FALSE(keymap::LoadKeyMapFile(missing, map, message));
    EXPECT_EQ(message, "Key map \"" + missing + "\": the file does not exist");

    const QString path = dir.filePath("mine.ini");
    TKeyMap mine{"Mine", {{16, 0}, {17, 0}, {2, -12}}};
    ASSERT_TRUE(keymap::SaveKeyMapFile(path, mine, message)) << message.toStdString();
    TKeyMap read;
    ASSERT_TRUE(keymap::LoadKeyMapFile(path, read, message)) << message.toStdString();
    EXPECT_EQ(read, mine);

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("\n17=oops\n");
    f.close();
    EXPECT_FALSE(keymap::LoadKeyMapFile(path, read, message));
    EXPECT_TRUE(message.startsWith("Key map \"" + path + "\", line 10: \"oops\" is not a note"))
        << message.toStdString();

    // A folder cannot be written over: the failure says so and names the file.
    EXPECT_FALSE(keymap::SaveKeyMapFile(dir.path(), mine, message));
    EXPECT_TRUE(message.startsWith("Key map \"" + dir.path() + "\" could not be saved: "));
}

// The maps that come with the program.
class ShippedKeyMap : public ::testing::Test {
protected:
    static TKeyMap Load(const char* name) {
        TKeyMap map;
        QString message;
        EXPECT_TRUE(keymap::LoadKeyMapFile(
            QStringLiteral(TASTRA_SOURCE_DIR "/data/keymaps/") + name, map, message))
            << message.toStdString();
        return map;
    }
};

TEST_F(ShippedKeyMap, TwoRowsIsTheTableWithoutAMap) {
    EXPECT_EQ(scanmap::MapOfKeys(Load("two-rows.ini").keys), scanmap::DefaultScanMap());
}

TEST_F(ShippedKeyMap, AccordionHasTwoKeysForEveryInnerNote) {
    std::map<int, int> keysOfNote;
    for (const auto& [scan, offset] : Load("accordion.ini").keys) ++keysOfNote[offset];
    ASSERT_FALSE(keysOfNote.empty());
    const int low = keysOfNote.begin()->first, high = keysOfNote.rbegin()->first;
    EXPECT_GE(high - low, 20);
    for (int note = low + 2; note < high; ++note) EXPECT_EQ(keysOfNote[note], 2) << note;
}

TEST_F(ShippedKeyMap, LaptopLeavesTheNumberRowAloneAndPlaysEverySemitoneOfItsHomeRow) {
    const TKeyMap map = Load("laptop.ini");
    std::map<int, int> keysOfNote;
    for (const auto& [scan, offset] : map.keys) {
        EXPECT_FALSE(scan >= 2 && scan <= 13) << "number row key " << scan;
        ++keysOfNote[offset];
    }
    for (int note = 12; note <= 30; ++note) EXPECT_GE(keysOfNote[note], 1) << note;
}
