#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "patches/patchlist.h"
#include "patches/patchscriptparser.h"

namespace {

const char* const kHead =
    "[cubase parse file]\n[parser version 0001]\n[device name]Synth X\n[define patchnames]\n";

std::unique_ptr<TPatchList> Load(const QByteArray& text, QStringList* messages = nullptr) {
    return TPatchList::LoadFromBytes(text, QStringLiteral("x.txt"), messages, false);
}

// The message of whatever loading text raises; empty when it loads.
std::string LoadError(const QByteArray& text, QStringList* messages = nullptr) {
    try {
        Load(text, messages);
    } catch (const std::exception& e) {
        return e.what();
    }
    return {};
}

TEST(PatchScriptStart, OnlyAnOpeningBracketAndLowerCaseCMayStartAScript) {
    EXPECT_TRUE(TPatchScriptParser::StartLooksRight("\r\n\r\n  [cubase parse file]"));
    EXPECT_TRUE(TPatchScriptParser::StartLooksRight("\b[ \bcomment]"));
    EXPECT_FALSE(TPatchScriptParser::StartLooksRight("\t[cubase parse file]"));
    EXPECT_FALSE(TPatchScriptParser::StartLooksRight("[Cubase parse file]"));
    EXPECT_FALSE(TPatchScriptParser::StartLooksRight("["));
    EXPECT_FALSE(TPatchScriptParser::StartLooksRight(""));
    EXPECT_EQ(LoadError("\t[cubase parse file]"), "Script is not a Cubase Parse File.");
}

TEST(PatchScriptHeader, BrokenHeadersFailWithTheLineOfTheFault) {
    QStringList messages;
    EXPECT_EQ(LoadError("[comment]", &messages), "Line 1: Error: Empty patch script file.");
    EXPECT_EQ(messages, (QStringList{"Line 1: Warning: [end] command not found.",
                                     "Line 1: Error: Empty patch script file."}));
    EXPECT_EQ(LoadError("[cubase parse file]\n[parser version 2]"),
              "Line 2: Error: Wrong version number.");
    EXPECT_EQ(LoadError("[cubase parse file]\n\n[version 1]"),
              "Line 3: Error: Version Number not found.");
    EXPECT_EQ(LoadError("[cubase parse file]\n[parser version x]"),
              "Line 2: Error: Number expected.");
    EXPECT_EQ(LoadError("[cubase parse file]"),
              "Line 1: Error: Premature end of Cubase Parse File.");
    EXPECT_EQ(LoadError("[comment]\n[cubase script]"),
              "Line 2: Error: Script is not a Cubase Parse File.");
    EXPECT_EQ(LoadError("[cubase parse file]\n[parser version 1]\n[device name]A\n[end]\n[define "
                        "patchnames]"),
              "No \"define patchnames\" section !");
}

TEST(PatchScriptHeader, ValuesFlagsAndWarningsAreRead) {
    QStringList messages;
    auto list = Load(
        "[cubase parse file]\n[parser version 1]\n[creators first name] Ann \n[device "
        "manufacturer]Maker\n[script version]2\n[bank: do swap value bytes]\n[bank: do send msb "
        "first]\n[bank: do send only one byte]\n[colour]red\nstray text\n[define "
        "patchnames]\n[end]",
        &messages);
    EXPECT_EQ(list->CreatorFirstName, "Ann");
    EXPECT_EQ(list->DeviceManufacturer, "Maker");
    EXPECT_EQ(list->ScriptVersion, "2");
    EXPECT_TRUE(list->SwapValueBytes);
    EXPECT_TRUE(list->SendMsbFirst);
    EXPECT_TRUE(list->SendOnlyOneByte);
    EXPECT_EQ(messages,
              (QStringList{"Line 8: Warning: Function [bank: do send only one byte] is not "
                           "implemented and ignored.",
                           "Line 9: Warning: Unknown command \"colour\" is ignored.",
                           "Line 10: Warning: Syntax error."}));
    // The header load reports nothing and stops at the patch names, broken or not.
    auto header =
        TPatchList::LoadFromBytes(QByteArray(kHead) + "[p9, 1, 1]X", "h.txt", nullptr, true);
    EXPECT_EQ(header->DeviceName, "Synth X");
    EXPECT_EQ(header->ModeCount(), 0);
}

struct TBankCase {
    const char* line;
    bool swap;
    int bank;
};

class PatchScriptBank : public ::testing::TestWithParam<TBankCase> {};

TEST_P(PatchScriptBank, PatchLineGivesBank) {
    const TBankCase& c = GetParam();
    QByteArray text = "[cubase parse file]\n[parser version 1]\n";
    if (c.swap) text += "[bank: do swap value bytes]\n";
    text += QByteArray("[define patchnames]\n[mode]M\n") + c.line;
    auto list = Load(text);
    ASSERT_EQ(list->Mode(0)->ProgramCount(), 1);
    EXPECT_EQ(list->Mode(0)->Program(0)->Program(), 5);
    EXPECT_EQ(list->Mode(0)->Program(0)->Bank(), c.bank);
}

INSTANTIATE_TEST_SUITE_P(Values, PatchScriptBank,
                         ::testing::Values(TBankCase{"[p1, 5, 1, 2]X", false, 130},
                                           TBankCase{"[p1, 5, 1, 2]X", true, 257},
                                           TBankCase{"[p1,5,200]X", false, 200},
                                           TBankCase{"[p1, 5, -1]X", false, -1},
                                           TBankCase{"[p1, 5, -1, 0]X", false, 127 * 128},
                                           TBankCase{"[p1, 5, 16383]X", false, 16383}));

TEST(PatchScriptNames, OutOfRangeAndMalformedPatchLinesFail) {
    const std::pair<const char*, const char*> cases[] = {
        {"[mode]M\n[p1, 128, 0]X", "Line 6: Error: Program number out of bounds (0..127)"},
        {"[mode]M\n[p1, 0, 128, 0]X", "Line 6: Error: MSB out of bounds (-1..127)"},
        {"[mode]M\n[p1, 0, 0, -2]X", "Line 6: Error: LSB out of bounds (-1..127)"},
        {"[mode]M\n[p1, 0, 16384]X", "Line 6: Error: Bank number out of bounds (0..16383)"},
        {"[mode]M\n[p1 0, 0]X", "Line 6: Error: Syntax error."},
        {"[mode]M\n[p1, 0 0]X", "Line 6: Error: Syntax error."},
        {"[mode]M\n[p1, , 0]X", "Line 6: Error: Number expected."},
        {"[mode]M\n[p1, 99999999999, 0]X", "Line 6: Error: Number expected."},
        {"[mode]M\n[px, 0, 0]X", "Line 6: Error: Syntax error."},
        {"[mode]M\n[p1, 0, 0]", "Line 6: Error: Name is missing."},
        {"[mode]M\n[p2, 0, 0]X", "Line 6: Error: Sub group does not exist. Lower the level."},
        {"[mode]M\n[g2]X", "Line 6: Error: Sub group does not exist. Lower the level."},
        {"[p1, 0, 0]X", "Line 5: Error: Sub group does not exist. Lower the level."},
        {"[mode]M\n[k 3]X", "Line 6: Error: No program defined for key."},
        {"[mode]M\n[p1, 0, 0]X\n[k 128]Y", "Line 7: Error: Key out of bounds (0..127)"},
        {"[mode 17]M", "Line 5: Error: Midi channel out of bounds."},
    };
    for (const auto& [body, error] : cases)
        EXPECT_EQ(LoadError(QByteArray(kHead) + body), error) << body;
    // With swapped halves the first value is the LSB and is named so.
    EXPECT_EQ(LoadError("[cubase parse file]\n[parser version 1]\n[bank: do swap value bytes]\n"
                        "[define patchnames]\n[mode]M\n[p1, 0, 200, 0]X"),
              "Line 6: Error: LSB out of bounds (-1..127)");
}

TEST(PatchScriptNames, ModesGroupsKeysAndWarningsBuildTheTree) {
    QStringList messages;
    auto list = Load(QByteArray(kHead) +
                         "[g1]Early\n[p2, 1, 0]First\n[mode 10]Drums\n[sorted]\n[mode 0]Other\n"
                         "[g1]A\n[g2]B\n[p3, 2, 3]Deep\n[k 36]Kick\n[k 36]Bass Drum\n[k 38 extra]"
                         "Snare\n[p3, 4, 5]Second\n[x]Y\n[what]Z\n[g1]C\n[p2, 6, 7, 8 9]Late",
                     &messages);
    ASSERT_EQ(list->ModeCount(), 3);
    // A group before any mode opens a mode named after the device.
    EXPECT_EQ(list->Mode(0)->Name(), "Synth X");
    EXPECT_EQ(list->Mode(0)->Subgroup(0)->Program(0)->Name(), "First");
    EXPECT_EQ(list->Mode(1)->MidiChannel(), 9);
    EXPECT_EQ(list->Mode(2)->MidiChannel(), -1);
    EXPECT_EQ(list->FindMode("drums"), list->Mode(1));
    EXPECT_EQ(list->FindMode("Drum"), nullptr);

    TPatchModeGroup* b = list->Mode(2)->Subgroup(0)->Subgroup(0);
    ASSERT_EQ(b->ProgramCount(), 2);
    TPatchProgram* deep = b->Program(0);
    EXPECT_EQ(deep->TopMode(), list->Mode(2));
    ASSERT_NE(deep->KeyNames(), nullptr);
    EXPECT_EQ(deep->KeyNames()->size(), 128);
    EXPECT_EQ(deep->KeyNames()->at(36), "Bass Drum");
    EXPECT_EQ(deep->KeyNames()->at(37), "");
    EXPECT_EQ(b->Program(1)->KeyNames(), nullptr);
    EXPECT_EQ(list->Mode(2)->Subgroup(1)->Program(0)->Bank(), 7 * 128 + 8);
    EXPECT_THROW(b->Program(2), std::out_of_range);
    EXPECT_THROW(deep->SetKeyName(128, "x"), std::out_of_range);

    EXPECT_EQ(messages, (QStringList{
                            "Line 8: Warning: No group defined for sorted property. Ignored.",
                            "Line 15: Warning: Ignoring remaining \"extra\" in command.",
                            "Line 17: Warning: Unknown command \"x\" is ignored.",
                            "Line 18: Warning: Unknown command \"what\" is ignored.",
                            "Line 20: Warning: Ignoring remaining \"9\" in command.",
                            "Line 20: Warning: [end] command not found.",
                        }));
}

TEST(PatchScriptNames, SortedGroupsOrderByNameIgnoringCaseOthersKeepFileOrder) {
    auto list = Load(QByteArray(kHead) +
                     "[mode]M\n[g1]Sorted\n[sorted]\n[p2, 0, 0]Beta\n[p2, 1, 0]alpha\n[g2]zed\n"
                     "[g2]Mid\n[g1]Plain\n[p2, 2, 0]Beta\n[p2, 3, 0]alpha\n[end]\n[garbage");
    TPatchModeGroup* sorted = list->Mode(0)->Subgroup(0);
    EXPECT_EQ(sorted->Program(0)->Name(), "alpha");
    EXPECT_EQ(sorted->Program(1)->Name(), "Beta");
    EXPECT_EQ(sorted->Subgroup(0)->Name(), "Mid");
    TPatchModeGroup* plain = list->Mode(0)->Subgroup(1);
    EXPECT_EQ(plain->Program(0)->Name(), "Beta");
}

TEST(PatchDisplayText, NumbersArePaddedAndCountFromTheBankBase) {
    EXPECT_EQ(TPatchProgram::FormatDisplayText("Piano", 0, 0, 1), "Piano 001:00001");
    EXPECT_EQ(TPatchProgram::FormatDisplayText("Piano", 127, 16383, 0), "Piano 127:16383");
    EXPECT_EQ(TPatchProgram::FormatDisplayText("Kit", 5, -1, 1), "Kit 006:-----");
}

// What is no regular file is refused like a missing one; a FIFO once blocked the start forever.
TEST(PatchScriptFile, MissingFifoAndFolderAreReportedWithoutBlocking) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("script.fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const std::pair<QString, const char*> cases[] = {
        {"/nonexistent/folder/script.txt", "No such file or directory"},
        {fifo, "Not a regular file"},
        {dir.path(), "Is a directory"}};
    for (const auto& [path, reason] : cases)
        for (bool header : {false, true}) {
            try {
                if (header)
                    TPatchList::LoadHeaderFromFile(path);
                else
                    TPatchList::LoadFromFile(path, nullptr);
                ADD_FAILURE() << "no exception for " << path.toStdString();
            } catch (const std::runtime_error& e) {
                const std::string text = e.what();
                EXPECT_NE(text.find("Cannot open file \"" + path.toStdString() + "\""),
                          std::string::npos)
                    << text;
                EXPECT_NE(text.find(reason), std::string::npos) << text;
            }
        }
}

TEST(PatchScriptFile, ShippedGeneralMidiScriptsLoadCleanly) {
    for (const char* name : {"/default_patchscript.txt", "/Patch Sets/General MIDI.txt"}) {
        QStringList messages;
        auto list = TPatchList::LoadFromFile(QStringLiteral(TASTRA_SOURCE_DIR) + name, &messages);
        EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
        ASSERT_EQ(list->ModeCount(), 2);
        TPatchModeGroup* gm = list->Mode(0);
        ASSERT_EQ(gm->SubgroupCount(), 16);
        int program = 0;
        for (int g = 0; g < 16; ++g)
            for (int i = 0; i < gm->Subgroup(g)->ProgramCount(); ++i)
                EXPECT_EQ(gm->Subgroup(g)->Program(i)->Program(), program++);
        EXPECT_EQ(program, 128);
        EXPECT_EQ(gm->Subgroup(0)->Program(0)->Name(), "Acoustic Grand Piano");
        TPatchProgram* standard = list->Mode(1)->Program(0);
        ASSERT_NE(standard->KeyNames(), nullptr);
        EXPECT_EQ(standard->KeyNames()->at(36), "Bass Drum 1");
        EXPECT_EQ(standard->KeyNames()->at(81), "Open Triangle");
    }
}

// Damaged scripts: random bytes, and the shipped script with bytes flipped, lines dropped or cut
// short. Loading either works or raises; it never crashes or hangs.
TEST(PatchScriptFuzz, DamagedInputNeverCrashes) {
    QFile file(QStringLiteral(TASTRA_SOURCE_DIR "/default_patchscript.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    std::mt19937 rng(20240611);
    const QByteArray alphabet = "[]pgkmode sorted,-0123456789\r\n\b\t\xff";
    int loaded = 0, failed = 0;
    for (int round = 0; round < 1500; ++round) {
        QByteArray data;
        switch (round % 3) {
            case 0: {
                data = "[c";
                const int n = rng() % 300;
                for (int i = 0; i < n; ++i)
                    data += round % 2 ? alphabet[rng() % alphabet.size()] : char(rng() % 256);
                break;
            }
            case 1:
                data = good;
                for (int i = 0; i < 8; ++i) data[int(rng() % data.size())] = char(rng() % 256);
                break;
            default:
                data = good.left(int(rng() % good.size()));
                break;
        }
        QStringList messages;
        try {
            auto list = Load(data, &messages);
            ++loaded;
            for (int m = 0; m < list->ModeCount(); ++m) list->Mode(m)->TopMode();
        } catch (const std::runtime_error&) {
            ++failed;
        }
    }
    EXPECT_GT(loaded, 0);
    EXPECT_GT(failed, 0);
}

}  // namespace
