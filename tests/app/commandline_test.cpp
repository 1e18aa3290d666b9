#include "app/commandline.h"

#include <gtest/gtest.h>

namespace {

struct TArgsCase {
    const char* name;
    QStringList args;  // after the program's name
    bool run;
    int exitCode;
    const char* midiOut;
    const char* midiIn;
    const char* output;  // expected in standard output ("" for none)
    const char* error;   // expected in standard error ("" for none)
};

class CommandLineTest : public ::testing::TestWithParam<TArgsCase> {};

}  // namespace

TEST_P(CommandLineTest, ParsesIntoRunOrExit) {
    const TArgsCase& c = GetParam();
    const TCommandLine cl =
        ParseCommandLine(QStringList{QStringLiteral("/usr/bin/tastra")} + c.args);
    EXPECT_EQ(cl.run, c.run);
    EXPECT_EQ(cl.exitCode, c.exitCode);
    EXPECT_EQ(cl.midiOut.toStdString(), c.midiOut);
    EXPECT_EQ(cl.midiIn.toStdString(), c.midiIn);
    if (*c.output)
        EXPECT_TRUE(cl.output.contains(QString::fromUtf8(c.output))) << cl.output.toStdString();
    else
        EXPECT_TRUE(cl.output.isEmpty()) << cl.output.toStdString();
    if (*c.error)
        EXPECT_TRUE(cl.error.contains(QString::fromUtf8(c.error))) << cl.error.toStdString();
    else
        EXPECT_TRUE(cl.error.isEmpty()) << cl.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineTest,
    ::testing::Values(
        TArgsCase{"Nothing", {}, true, 0, "", "", "", ""},
        TArgsCase{"Devices",
                  {"--midi-out", "FLUID Synth", "--midi-in=USB Keyboard"},
                  true,
                  0,
                  "FLUID Synth",
                  "USB Keyboard",
                  "",
                  ""},
        TArgsCase{"Help", {"--midi-out", "x", "--help"}, false, 0, "", "", "--midi-in <name>", ""},
        TArgsCase{"ShortHelp", {"-h"}, false, 0, "", "", "--version", ""},
        TArgsCase{
            "ToolkitOptionsPass", {"-platform", "offscreen", "-reverse"}, true, 0, "", "", "", ""},
        TArgsCase{"UnknownOption",
                  {"--midi-thru"},
                  false,
                  2,
                  "",
                  "",
                  "",
                  "tastra: Unknown option 'midi-thru'."},
        TArgsCase{"MissingValue", {"--midi-out"}, false, 2, "", "", "", "--midi-out"},
        TArgsCase{"StrayArgument", {"song.mid"}, false, 2, "", "", "", "'song.mid'"}),
    [](const ::testing::TestParamInfo<TArgsCase>& info) { return std::string(info.param.name); });
