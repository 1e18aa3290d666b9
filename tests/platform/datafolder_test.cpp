#include "platform/shell/datafolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/settings/programpaths.h"

namespace {

// A program at <root>/usr/bin/Tastra; each case puts shipped files next to it, into the installed
// data folder <root>/usr/share/tastra, into both or nowhere.
struct TDataCase {
    const char* name;
    const char* besideProgram;  // shipped file next to the program, or nullptr
    const char* installed;      // shipped file in share/tastra, or nullptr
    const char* expected;       // folder found, relative to the root; nullptr: none found
};

class DataFolderTest : public ::testing::TestWithParam<TDataCase> {
protected:
    void Put(const QString& relative) {
        const QString path = m_root.filePath(relative);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    QTemporaryDir m_root;
};

}  // namespace

TEST_P(DataFolderTest, FolderIsFoundBesideTheProgramFirstThenInstalled) {
    const TDataCase& c = GetParam();
    ASSERT_TRUE(QDir().mkpath(m_root.filePath("usr/bin")));
    if (c.besideProgram) Put(QStringLiteral("usr/bin/") + c.besideProgram);
    if (c.installed) Put(QStringLiteral("usr/share/tastra/") + c.installed);
    const std::string root = QDir(m_root.path()).canonicalPath().toStdString();
    const std::string program = ProgramFolder(root + "/usr/bin/Tastra");

    if (c.expected) {
        EXPECT_TRUE(DataFolderFound(program));
        EXPECT_EQ(DataFolder(program), root + "/" + c.expected);
    } else {
        // Names still point next to the program, and the message says where it looked.
        EXPECT_FALSE(DataFolderFound(program));
        EXPECT_EQ(DataFolder(program), root + "/usr/bin");
        const std::string message = DataFolderProblemMessage(program);
        EXPECT_NE(message.find(root + "/usr/bin"), std::string::npos) << message;
        EXPECT_NE(message.find(root + "/usr/share/tastra"), std::string::npos) << message;
    }
}

// A data folder that is there but cannot be read (here: a link that loops, which even root
// cannot follow) is reported as unreadable: reinstalling would not bring it back.
TEST_F(DataFolderTest, UnreadableFolderIsNotReportedAsMissing) {
    ASSERT_TRUE(QDir().mkpath(m_root.filePath("usr/bin")));
    ASSERT_TRUE(QDir().mkpath(m_root.filePath("usr/share")));
    ASSERT_TRUE(
        QFile::link(m_root.filePath("usr/share/loop"), m_root.filePath("usr/share/tastra")));
    ASSERT_TRUE(
        QFile::link(m_root.filePath("usr/share/tastra"), m_root.filePath("usr/share/loop")));
    const std::string root = QDir(m_root.path()).canonicalPath().toStdString();
    const std::string program = ProgramFolder(root + "/usr/bin/Tastra");
    EXPECT_FALSE(DataFolderFound(program));
    const std::string message = DataFolderProblemMessage(program);
    EXPECT_NE(message.find("/usr/share/tastra, cannot be read ("), std::string::npos) << message;
    EXPECT_EQ(message.find("not found"), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, DataFolderTest,
    ::testing::Values(
        TDataCase{"BuildFolder", "default_patchscript.txt", nullptr, "usr/bin"},
        TDataCase{"Installed", nullptr, "default_patchscript.txt", "usr/share/tastra"},
        TDataCase{"InstalledWithOnlyTheHelp", nullptr, "help/help.html", "usr/share/tastra"},
        TDataCase{"InstalledWithOnlyPatchSets", nullptr, "Patch Sets/gm.txt", "usr/share/tastra"},
        TDataCase{"BothPreferTheProgramsOwn", "Patch Sets/x.txt", "default_patchscript.txt",
                  "usr/bin"},
        TDataCase{"Missing", nullptr, nullptr, nullptr}),
    [](const ::testing::TestParamInfo<TDataCase>& info) { return std::string(info.param.name); });
