// Which soundfont the built-in synth plays, what it says about the ones it cannot, and the order
// in which it tries them.
#include "platform/midi/soundfonts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/midi/builtinsynth.h"

namespace {

class Soundfonts : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return m_dir.filePath(name).toStdString(); }
    void Write(const char* name, const QByteArray& bytes) {
        QFile f(m_dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // A link to the installed soundfont, under another name; false when there is none.
    bool LinkGood(const char* name) {
        const std::string good = FindGeneralMidiSoundfont();
        return !good.empty() && QFile::link(QString::fromStdString(good), m_dir.filePath(name));
    }
    std::string Folder() const { return m_dir.path().toStdString(); }

    QTemporaryDir m_dir;
};

}  // namespace

TEST_F(Soundfonts, ProblemsAreNamedByALookAtTheFile) {
    Write("empty.sf2", "");
    Write("text.sf2", "This is not a soundfont at all.");
    Write("wave.sf2", QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16));
    Write("header.sf2", QByteArray("RIFF\x10\0\0\0sfbkLIST", 16));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder.sf2"));
    ASSERT_TRUE(QFile::link(m_dir.filePath("loop.sf2"), m_dir.filePath("loop.sf2")));
    // Opening a pipe without a writer would wait for one for good.
    ASSERT_EQ(mkfifo(Path("pipe.sf2").c_str(), 0600), 0);
    const std::pair<const char*, const char*> files[] = {
        {"pipe.sf2", "f is not a soundfont"}, {"/dev/null", "f is not a soundfont"},
        {"missing.sf2", "f does not exist"}, {"empty.sf2", "f is empty"},
        {"text.sf2", "f is not a soundfont"}, {"wave.sf2", "f is not a soundfont"},
        {"folder.sf2", "f is a folder"},     {"header.sf2", ""}};
    for (const auto& [name, says] : files)
        EXPECT_EQ(SoundfontProblem(name[0] == '/' ? name : Path(name)).About("f"), says) << name;
    // There but not readable is not missing (a loop of links stands in for a file without
    // permission, which root could read all the same).
    EXPECT_EQ(SoundfontProblem(Path("loop.sf2")).About("f").rfind("f cannot be read (", 0), 0u);

    EXPECT_EQ(SoundfontFolderProblem(Path("nowhere")).About("d"), "d does not exist");
    EXPECT_EQ(SoundfontFolderProblem(Path("loop.sf2")).About("d").rfind("d cannot be read (", 0),
              0u);
    EXPECT_FALSE(SoundfontFolderProblem(Folder()));
}

// A damaged default-GM.sf2 must not keep a good TimGM6mb.sf2 beside it from playing; the chosen
// file comes first, and a file reached twice through a link is tried once.
TEST_F(Soundfonts, DamagedDefaultFallsBackToTheNextCandidate) {
    Write("default-GM.sf2", "");
    if (!LinkGood("TimGM6mb.sf2")) GTEST_SKIP() << "no General MIDI soundfont installed";
    Write("FluidR3_GM.sf2", QByteArray("RIFF\x10\0\0\0sfbk", 12) + QByteArray(500, 'x'));
    ASSERT_TRUE(QFile::link(m_dir.filePath("TimGM6mb.sf2"), m_dir.filePath("again.sf2")));

    const std::vector<std::string> files = SoundfontCandidates(Path("mine.sf2"), Folder());
    EXPECT_EQ(files, (std::vector<std::string>{Path("mine.sf2"), Path("default-GM.sf2"),
                                               Path("TimGM6mb.sf2"), Path("FluidR3_GM.sf2")}));
    EXPECT_EQ(SoundfontCandidates(Path("again.sf2"), Folder()),
              (std::vector<std::string>{Path("again.sf2"), Path("default-GM.sf2"),
                                        Path("FluidR3_GM.sf2")}));

    TBuiltinSynth synth(48000);
    TSoundfontChoice choice = LoadFirstSoundfont(synth, files);
    EXPECT_EQ(choice.loaded, 2);
    EXPECT_EQ(choice.failures,
              (std::vector<std::string>{"mine.sf2 does not exist", "default-GM.sf2 is empty"}));
    EXPECT_TRUE(synth.HasSoundfont());

    // Nothing loads: every file says why, and the synthesizer keeps what it had.
    choice = LoadFirstSoundfont(synth, {Path("default-GM.sf2"), Path("FluidR3_GM.sf2")});
    EXPECT_EQ(choice.loaded, -1);
    EXPECT_EQ(choice.failures,
              (std::vector<std::string>{"default-GM.sf2 is empty", "FluidR3_GM.sf2 is damaged"}));
    EXPECT_TRUE(synth.HasSoundfont());
}
