#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <chrono>
#include <filesystem>

#include "platform/registry/hive.h"
#include "platform/registry/registrystore.h"
#include "tempdir.h"

namespace {

const std::string kRoot = "\\Software\\Ostrel\\Zorvik's Tastra\\Tastra";

std::vector<std::string> BrokenFiles(const std::string& folder) {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        if (e.path().filename().string().find(".broken-") != std::string::npos)
            out.push_back(e.path().string());
    return out;
}

}  // namespace

TEST(RegistryHive, FirstOpenCreatesTheEmptyKeyWithItsParents) {
    TTempConfigHome home;
    {
        TRegistryIniFile s(kRoot);
        EXPECT_EQ(s.ReadInteger("KeyboardForm", "Width", 640), 640);
        EXPECT_TRUE(s.ReadSections().empty());
    }
    std::string text = ReadFileText(home.HivePath());
    EXPECT_EQ(text.rfind("REGEDIT4\r\n", 0), 0u);
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Ostrel\\Zorvik's Tastra\\Tastra]\r\n"),
              std::string::npos);
    // The keys above it exist through it.
    EXPECT_EQ(TRegistryIniFile("\\Software\\Ostrel").ReadSections(),
              std::vector<std::string>{"Zorvik's Tastra"});
}

TEST(RegistryHive, ValuesTypesAndReadRules) {
    TTempConfigHome home;
    {
        TRegistryIniFile s(kRoot);
        s.WriteInteger("KeyboardForm", "Width", 760);
        s.WriteBool("KeyboardForm", "First Time", false);
        s.WriteString("KeyboardForm", "Knob Preset", "Default");
        s.WriteString("KeyboardForm", "Wrong", "abc");
        s.WriteString("KeyboardForm", "Neg", "-5");
        ASSERT_TRUE(s.Flush());
    }
    std::string text = ReadFileText(home.HivePath());
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Ostrel\\Zorvik's Tastra\\Tastra\\"
                        "KeyboardForm]\r\n\"Width\"=dword:000002f8\r\n\"First Time\"=\"0\"\r\n"),
              std::string::npos)
        << text;

    TRegistryIniFile s(kRoot);
    EXPECT_EQ(s.ReadInteger("keyboardform", "WIDTH", 0), 760);
    EXPECT_FALSE(s.ReadBool("KeyboardForm", "First Time", true));
    EXPECT_EQ(s.ReadInteger("KeyboardForm", "Wrong", 17), 17);
    EXPECT_EQ(s.ReadInteger("KeyboardForm", "Neg", 0), -5);
    EXPECT_THROW(s.ReadString("KeyboardForm", "Width", ""), ESettingsTypeError);
    EXPECT_EQ(s.ReadString("Missing", "x", "d"), "d");

    // Both a DWORD 1 and a string "1" are true.
    s.WriteInteger("B", "dw", 1);
    s.WriteString("B", "str", "1");
    EXPECT_TRUE(s.ReadBool("B", "dw", false));
    EXPECT_TRUE(s.ReadBool("B", "str", false));

    // An integer written over an existing string stays a string.
    s.WriteInteger("KeyboardForm", "Knob Preset", 12);
    EXPECT_EQ(s.ReadString("KeyboardForm", "Knob Preset", ""), "12");
    EXPECT_EQ(s.ReadSections(), std::vector<std::string>({"B", "KeyboardForm"}));
    EXPECT_EQ(s.ReadSection("KeyboardForm"),
              std::vector<std::string>({"Width", "First Time", "Knob Preset", "Wrong", "Neg"}));
}

TEST(RegistryHive, NegativeIntegersSurviveAsDwords) {
    TTempConfigHome home;
    {
        TRegistryIniFile s(kRoot);
        s.WriteInteger("S", "Top", -10000);
        ASSERT_TRUE(s.Flush());
    }
    EXPECT_NE(ReadFileText(home.HivePath()).find("\"Top\"=dword:ffffd8f0"), std::string::npos);
    EXPECT_EQ(TRegistryIniFile(kRoot).ReadInteger("S", "Top", 0), -10000);
}

TEST(RegistryHive, AwkwardStringsRoundTrip) {
    TTempConfigHome home;
    const std::vector<std::string> samples = {"say \"hi\"",
                                              "C:\\dir\\file",
                                              "ends with \\",
                                              "line1\nline2\r\nline3",
                                              "\\n literal",
                                              "Grüße, 音楽 ♪",
                                              "",
                                              "  blanks  ",
                                              "[not a key]",
                                              "\"=dword:00000001"};
    {
        TRegistryIniFile s(kRoot);
        for (size_t i = 0; i < samples.size(); ++i) {
            s.WriteString("Texts", "v" + std::to_string(i), samples[i]);
            s.WriteString("Texts", samples[i] + "#name", "n");  // value names escape too
        }
        ASSERT_TRUE(s.Flush());
    }
    TRegistryIniFile s(kRoot);
    for (size_t i = 0; i < samples.size(); ++i) {
        EXPECT_EQ(s.ReadString("Texts", "v" + std::to_string(i), "?"), samples[i]);
        EXPECT_EQ(s.ReadString("Texts", samples[i] + "#name", "?"), "n");
    }
    // The file has no raw line break inside a value.
    std::string text = ReadFileText(home.HivePath());
    EXPECT_NE(text.find("\"v3\"=\"line1\\nline2\\r\\nline3\""), std::string::npos);
}

TEST(RegistryHive, DeleteEraseAndSubkeyStores) {
    TTempConfigHome home;
    {
        TRegistryIniFile s(kRoot);
        s.WriteInteger("KnobPresets\\Default", "Count", 4);
        s.WriteInteger("KnobPresets\\Loud", "Count", 8);
        s.WriteInteger("Chords", "a", 1);
        s.WriteInteger("Chords", "b", 2);
        s.DeleteKey("chords", "A");
        ASSERT_TRUE(s.Flush());
    }
    {
        TRegistryIniFile presets(kRoot + "\\KnobPresets");
        EXPECT_EQ(presets.ReadSections(), std::vector<std::string>({"Default", "Loud"}));
        EXPECT_EQ(presets.ReadInteger("loud", "count", 0), 8);
        presets.EraseSection("Default");
        ASSERT_TRUE(presets.Flush());
    }
    TRegistryIniFile s(kRoot);
    EXPECT_EQ(s.ReadSection("Chords"), std::vector<std::string>{"b"});
    EXPECT_EQ(s.ReadSections(), std::vector<std::string>({"Chords", "KnobPresets"}));
    s.EraseSection("KnobPresets");  // takes the presets below it along
    s.Flush();
    EXPECT_EQ(TRegistryIniFile(kRoot + "\\KnobPresets").ReadSections().size(), 0u);
}

TEST(RegistryHive, StoresOpenedOneAfterTheOtherAndInterleaved) {
    TTempConfigHome home;
    {
        TRegistryIniFile first(kRoot);
        first.WriteInteger("S", "first", 1);
        ASSERT_TRUE(first.Flush());
    }
    {
        TRegistryIniFile second(kRoot);
        EXPECT_EQ(second.ReadInteger("S", "first", 0), 1);
    }
    // Two copies of the program that save one after the other lose nothing of each other.
    auto a = std::make_unique<TRegistryIniFile>(kRoot);
    auto b = std::make_unique<TRegistryIniFile>(kRoot);
    a->WriteInteger("S", "x", 10);
    b->WriteInteger("S", "y", 20);
    b->WriteString("S", "first", "from b");
    a->DeleteKey("S", "gone");
    ASSERT_TRUE(a->Flush());
    ASSERT_TRUE(b->Flush());
    b.reset();
    a.reset();
    TRegistryIniFile c(kRoot);
    EXPECT_EQ(c.ReadInteger("S", "x", 0), 10);
    EXPECT_EQ(c.ReadInteger("S", "y", 0), 20);
    EXPECT_EQ(c.ReadString("S", "first", ""), "from b");
}

TEST(RegistryHive, IntegerOverStringIsDecidedAgainstTheFileAtSaveTime) {
    TTempConfigHome home;
    TRegistryIniFile a(kRoot);
    {
        TRegistryIniFile b(kRoot);
        b.WriteString("S", "n", "7");
        ASSERT_TRUE(b.Flush());
    }
    a.WriteInteger("S", "n", 8);  // a has not seen the string yet
    a.Flush();
    EXPECT_EQ(TRegistryIniFile(kRoot).ReadString("S", "n", ""), "8");
}

TEST(RegistryHive, ExplicitHivePathAndHandMadeFile) {
    QTemporaryDir dir;
    std::string path = dir.path().toStdString() + "/sub/my.reg";
    ASSERT_TRUE(EnsureParentFolder(path));
    ASSERT_TRUE(
        WriteFileAtomically(path,
                            "REGEDIT4\n\n; edited by hand\n[HKEY_CURRENT_USER\\Software\\X]\n"
                            "\"Blob\"=hex:01,02,\\\n  03\n\"Path\"=\"C:\\dir\"\n@=\"default\"\n"));
    {
        TRegistryIniFile s("\\Software\\X", path);
        EXPECT_THROW(s.ReadInteger("", "Blob", 0), ESettingsTypeError);
        EXPECT_THROW(s.ReadString("", "Blob", ""), ESettingsTypeError);
        EXPECT_EQ(s.ReadString("", "Path", ""), "C:\\dir");
        EXPECT_EQ(s.ReadString("", "", ""), "default");
        s.WriteInteger("", "n", 1);
        ASSERT_TRUE(s.Flush());
    }
    std::string text = ReadFileText(path);
    EXPECT_NE(text.find("\"Blob\"=hex:01,02,03\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Path\"=\"C:\\\\dir\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("@=\"default\"\r\n"), std::string::npos);
}

// A key thousands of levels deep costs its own length in the file, not the square of it.
TEST(RegistryHive, DeepKeyPathsStayLinearInTheFile) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/deep.reg";
    std::string deep = "HKEY_CURRENT_USER\\Software\\T";
    for (int i = 0; i < 5000; ++i) deep += "\\k";
    const std::string text = "REGEDIT4\r\n\r\n[" + deep + "]\r\n\"v\"=dword:00000001\r\n\r\n";
    ASSERT_TRUE(WriteFileAtomically(path, text));
    {
        TRegistryIniFile s("\\Software\\T", path);
        EXPECT_EQ(s.ReadSections(), std::vector<std::string>{"k"});
        s.WriteInteger("Other", "n", 2);
        ASSERT_TRUE(s.Flush());
    }
    const std::string saved = ReadFileText(path);
    EXPECT_LT(saved.size(), 2 * text.size());
    EXPECT_EQ(TRegistryIniFile("\\Software\\T\\k\\k\\k", path).ReadSections(),
              std::vector<std::string>{"k"});
    // Erasing a key that exists only through its subkeys takes them along.
    TRegistryIniFile s("\\Software\\T", path);
    s.EraseSection("k\\k");
    ASSERT_TRUE(s.Flush());
    EXPECT_EQ(TRegistryIniFile("\\Software\\T\\k", path).ReadSections().size(), 0u);
}

// A hive kept elsewhere and linked into place (a dotfiles folder) stays linked.
TEST(RegistryHive, ASymlinkedHiveIsWrittenThroughTheLink) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    std::filesystem::create_directories(folder + "/dotfiles");
    std::filesystem::create_directories(folder + "/Ostrel");
    const std::string link = folder + "/Ostrel/registry.reg";
    std::filesystem::create_symlink("../dotfiles/registry.reg", link);
    for (int round = 1; round <= 2; ++round) {  // the target missing, then present
        TRegistryIniFile s("\\Software\\T", link);
        s.WriteInteger("S", "round", round);
        ASSERT_TRUE(s.Flush());
        EXPECT_TRUE(std::filesystem::is_symlink(link));
        EXPECT_EQ(TRegistryIniFile("\\Software\\T", folder + "/dotfiles/registry.reg")
                      .ReadInteger("S", "round", 0),
                  round);
    }
}

// A folder the user may not write to, without a lock file: the settings are read all the same,
// and saving reports why it cannot be done.
TEST(RegistryHive, AReadOnlyFolderIsReadAndSavingIsReportedImpossible) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/Ostrel";
    const std::string path = folder + "/registry.reg";
    std::filesystem::create_directories(folder);
    ASSERT_TRUE(WriteFileAtomically(
        path, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\T\\S]\r\n\"n\"=dword:00000007\r\n"));
    ::chmod(dir.path().toStdString().c_str(), 0755);
    ::chmod(path.c_str(), 0644);
    ::chmod(folder.c_str(), 0555);
    // Checked in a child that is no superuser (the superuser may write anywhere).
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(10);
        TRegistryIniFile s("\\Software\\T", path);
        if (s.ReadInteger("S", "n", 0) != 7) _exit(11);
        s.WriteInteger("S", "n", 8);
        if (s.Flush()) _exit(12);
        if (s.FailureText().find(path) == std::string::npos ||
            s.FailureText().find("Permission denied") == std::string::npos)
            _exit(13);
        _exit(0);
    }
    int status = -1;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ::chmod(folder.c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_FALSE(std::filesystem::exists(path + ".lock"));
}

// A line that cannot be read is kept where it stood and written back as it was; only a text with
// neither a header nor a key is refused.
TEST(RegistryHive, ParserKeepsTheLinesItCannotRead) {
    hive::THive h;
    for (const std::string& bad :
         std::vector<std::string>{"REGEDIT", "junk\n\"a\"=\"b\"", std::string(300, '\0')})
        EXPECT_FALSE(hive::ParseHive(bad, h)) << bad;
    for (const char* kept : {"\"a\"=\"b", "\"a\"=dword:123", "\"a\"=dword:0000000g", "\"a\"=hex:1",
                             "[K", "[]", "a=1", "\"a\"\"b\"", "\"a\"=\"b\" x", "; a comment"}) {
        const std::string text = std::string("REGEDIT4\n[K]\n") + kept + "\n\"z\"=dword:00000001";
        ASSERT_TRUE(hive::ParseHive(text, h)) << kept;
        const std::string once = hive::SerializeHive(h);
        EXPECT_NE(once.find(std::string("\r\n") + kept + "\r\n"), std::string::npos) << once;
        hive::THive again;
        ASSERT_TRUE(hive::ParseHive(once, again));
        EXPECT_TRUE(again == h) << kept;
    }
    EXPECT_TRUE(hive::ParseHive("", h));
    // Regression: a key whose name starts with '-' must read back after a save.
    ASSERT_TRUE(hive::ParseHive("REGEDIT4\n[\\-K]\n", h));
    hive::THive again;
    ASSERT_TRUE(hive::ParseHive(hive::SerializeHive(h), again));
    EXPECT_TRUE(again == h);
    EXPECT_TRUE(hive::ParseHive("\xEF\xBB\xBFREGEDIT4\r\n", h));
}

// What follows a key line that names no key belongs to no key; a value the program adds to the
// key before it must not end up there when the file is read again.
TEST(RegistryHive, AValueAddedAfterABrokenKeyLineStaysInItsKey) {
    hive::THive h;
    ASSERT_TRUE(hive::ParseHive("REGEDIT4\n[K]\n[K2\n\"orphan\"=dword:00000002\n", h));
    EXPECT_EQ(h.FindValue("K", "orphan"), nullptr);
    h.SetValue("K", hive::TValue::Dword("added", 3));
    hive::THive again;
    ASSERT_TRUE(hive::ParseHive(hive::SerializeHive(h), again));
    ASSERT_NE(again.FindValue("K", "added"), nullptr);
    EXPECT_EQ(again.FindValue("K", "added")->Number(), 3u);
    EXPECT_EQ(again.FindValue("K", "orphan"), nullptr);
    EXPECT_TRUE(again == h);
}

// Regression: a hive with CR-only line ends, in UTF-16, with a line of NUL bytes or with a
// comment after a value was set aside whole, and every setting was gone.
TEST(RegistryHive, DamagedHivesAreReadLineByLine) {
    const std::string head = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\T\\S]\r\n";
    const std::string values = "\"KeyWidth\"=dword:0000000f\r\n\"Name\"=\"Grüße\"\r\n";
    const auto utf16 = [&](bool bigEndian) {
        const QString text = QString::fromUtf8(head + values);
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (QChar c : text) {
            const char hi = static_cast<char>(c.unicode() >> 8),
                       lo = static_cast<char>(c.unicode());
            bytes += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
        }
        return bytes;
    };
    std::string crOnly = head + values;
    for (size_t at; (at = crOnly.find("\r\n")) != std::string::npos;) crOnly.erase(at + 1, 1);
    const std::string unreadable = "\"Broken\"=dword:xyz";
    const std::vector<std::string> files = {
        crOnly,
        utf16(false),
        utf16(true),
        head + std::string(512, '\0') + "\r\n" + values,
        head + "\"KeyWidth\"=dword:0000000f ; comment\r\n\"Name\"=\"Grüße\" ; ok\r\n",
        head + unreadable + "\r\n" + values,
    };
    for (size_t i = 0; i < files.size(); ++i) {
        QTemporaryDir dir;
        const std::string path = dir.path().toStdString() + "/registry.reg";
        ASSERT_TRUE(WriteFileAtomically(path, files[i]));
        {
            TRegistryIniFile s("\\Software\\T", path);
            EXPECT_EQ(s.ReadInteger("S", "KeyWidth", 0), 15) << i;
            EXPECT_EQ(s.ReadString("S", "Name", ""), "Grüße") << i;
            s.WriteInteger("S", "After", 1);
            ASSERT_TRUE(s.Flush());
        }
        EXPECT_TRUE(BrokenFiles(dir.path().toStdString()).empty()) << i;
        // The line that could not be read is still there for the user to mend.
        if (files[i].find(unreadable) != std::string::npos) {
            EXPECT_NE(ReadFileText(path).find(unreadable + "\r\n"), std::string::npos);
        }
        TRegistryIniFile again("\\Software\\T", path);
        EXPECT_EQ(again.ReadInteger("S", "KeyWidth", 0), 15) << i;
        EXPECT_EQ(again.ReadInteger("S", "After", 0), 1) << i;
    }
}

// Only a file of which nothing can be read is set aside, and the store says so once, with the
// copy's name; a hive reached through a link is set aside by renaming the file it points to.
TEST(RegistryHive, AnUnreadableLinkedHiveIsSetAsideByItsTarget) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    std::filesystem::create_directories(folder + "/dotfiles");
    std::filesystem::create_directories(folder + "/Ostrel");
    const std::string junk = std::string(4096, '\0') + "\x89PNG\r\n\x1a\n";
    ASSERT_TRUE(WriteFileAtomically(folder + "/dotfiles/registry.reg", junk));
    const std::string link = folder + "/Ostrel/registry.reg";
    std::filesystem::create_symlink("../dotfiles/registry.reg", link);
    std::vector<std::string> copies;
    const auto notice = [&copies](const std::string& copy) { copies.push_back(copy); };
    for (int round = 1; round <= 2; ++round) {
        TRegistryIniFile s("\\Software\\T", link, notice);
        s.WriteInteger("S", "n", round);
        ASSERT_TRUE(s.Flush());
    }
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(std::filesystem::path(copies[0]).parent_path(),
              std::filesystem::path(folder + "/dotfiles"));
    EXPECT_EQ(ReadFileText(copies[0]), junk);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(TRegistryIniFile("\\Software\\T", folder + "/dotfiles/registry.reg")
                  .ReadInteger("S", "n", 0),
              2);
}

// A hive cut off anywhere either still loads or is moved aside whole; the store then works.
TEST(RegistryHive, TruncatedHiveAtEveryOffsetLoadsOrIsSetAside) {
    QTemporaryDir dir;
    std::string path = dir.path().toStdString() + "/registry.reg";
    {
        TRegistryIniFile s("\\Software\\T", path);
        s.WriteInteger("Form", "Width", 0x2f8);
        s.WriteString("Form", "Name", "a \"quoted\"\nline");
        s.WriteString("Other", "x", "y");
        ASSERT_TRUE(s.Flush());
    }
    const std::string full = ReadFileText(path);
    for (size_t cut = 0; cut <= full.size(); ++cut) {
        std::filesystem::remove_all(dir.path().toStdString());
        std::filesystem::create_directories(dir.path().toStdString());
        std::string part = full.substr(0, cut);
        ASSERT_TRUE(WriteFileAtomically(path, part));
        hive::THive h;
        bool parses = hive::ParseHive(part, h);
        {
            TRegistryIniFile s("\\Software\\T", path);
            int w = s.ReadInteger("Form", "Width", -1);
            EXPECT_TRUE(w == -1 || w == 0x2f8) << cut;
            s.WriteInteger("Form", "After", 1);
            EXPECT_TRUE(s.Flush()) << cut;
        }
        auto broken = BrokenFiles(dir.path().toStdString());
        if (parses) {
            EXPECT_TRUE(broken.empty()) << cut;
        } else {
            ASSERT_EQ(broken.size(), 1u) << cut;
            EXPECT_EQ(ReadFileText(broken[0]), part) << cut;
        }
        EXPECT_EQ(TRegistryIniFile("\\Software\\T", path).ReadInteger("Form", "After", 0), 1);
    }
}

// Forks a writer that fills a large section and saves it. It dies at its killAtCall-th write
// step when that is >= 1; it reports on the pipe just before saving.
pid_t StartBigWriter(const std::string& path, int values, int killAtCall, int& readyFd) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        TRegistryIniFile s("\\Software\\T", path);
        for (int i = 0; i < values; ++i)
            s.WriteString("Big", "Value" + std::to_string(i), std::string(40, 'x'));
        int calls = 0;
        s.SetWriteProgress([&calls, killAtCall](size_t) {
            if (++calls == killAtCall) kill(getpid(), SIGKILL);
        });
        char c = 1;
        if (write(fds[1], &c, 1) != 1) _exit(2);
        s.Flush();
        _exit(0);
    }
    close(fds[1]);
    readyFd = fds[0];
    return pid;
}

void WaitReady(int fd) {
    char c;
    while (read(fd, &c, 1) < 0 && errno == EINTR) {
    }
    close(fd);
}

// A writer killed at any moment of its save leaves the old or the new hive, both complete:
// first at every step of the file write, then at moments spread over a whole save.
TEST(RegistryHive, SaveKilledAtAnyMomentLeavesACompleteHive) {
    QTemporaryDir dir;
    std::string path = dir.path().toStdString() + "/registry.reg";
    const int kValues = 20000;
    {
        TRegistryIniFile s("\\Software\\T", path);
        s.WriteString("Old", "v", "old");
        ASSERT_TRUE(s.Flush());
    }
    const std::string oldText = ReadFileText(path);

    // One undisturbed run gives the new hive and tells how long a save takes.
    int fd = -1;
    pid_t pid = StartBigWriter(path, kValues, 0, fd);
    ASSERT_GT(pid, 0);
    WaitReady(fd);
    auto t0 = std::chrono::steady_clock::now();
    waitpid(pid, nullptr, 0);
    auto saveUs =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - t0)
            .count();
    const std::string newText = ReadFileText(path);
    ASSERT_NE(newText, oldText);

    const int kSteps = static_cast<int>(newText.size() / 65536) + 2;
    const int kTimedRounds = 10;
    for (int round = 1; round <= kSteps + kTimedRounds; ++round) {
        ASSERT_TRUE(WriteFileAtomically(path, oldText));
        bool timed = round > kSteps;
        pid = StartBigWriter(path, kValues, timed ? 0 : round, fd);
        ASSERT_GT(pid, 0);
        WaitReady(fd);
        if (timed) {
            usleep(static_cast<useconds_t>(saveUs * (round - kSteps) / kTimedRounds));
            kill(pid, SIGKILL);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!timed) {
            EXPECT_TRUE(WIFSIGNALED(status)) << "step " << round;
        }
        std::string text = ReadFileText(path);
        EXPECT_TRUE(text == oldText || text == newText) << "round " << round;
        EXPECT_TRUE(BrokenFiles(dir.path().toStdString()).empty());
    }
    // Leftover temporary files of killed writers are cleared by the next save.
    {
        TRegistryIniFile s("\\Software\\T", path);
        s.WriteString("Old", "v", "again");
        ASSERT_TRUE(s.Flush());
    }
    for (const auto& e : std::filesystem::directory_iterator(dir.path().toStdString()))
        EXPECT_EQ(e.path().filename().string().find(".tmp-"), std::string::npos);
}
