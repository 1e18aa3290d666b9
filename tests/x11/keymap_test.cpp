// Key maps and key legends on a real X server: keys pressed at the server play the notes a map
// file gives them, all the way to a JACK port, and the legends are the names the server's own
// keymap gives the keys.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>

#include "app/tastra.h"
#include "keyboard/keyboard.h"
#include "midi/midioutput.h"
#include "platform/keys/keylegends.h"
#include "platform/midi/systemmidi.h"
#include "support/jacktest.h"
#include "support/testwindow.h"
#include "x11/xdisplay.h"

namespace {

// X key codes are set-1 scan codes + 8.
constexpr int kXKeycodeOffset = 8;
constexpr int kScanQ = 16, kScanY = 21, kScanA = 30, kScanZ = 44;

class XKeyMapJack : public TJackTest {
protected:
    void SetUp() override {
        if (!XServerError().empty()) GTEST_SKIP() << XServerError();
        TJackTest::SetUp();
    }
    void TearDown() override {
        m_window.reset();
        m_rx.reset();
        m_out.reset();
        m_in.reset();
    }

    void Tap(int scan) {
        m_keys.Press(scan + kXKeycodeOffset);
        QTest::qWait(60);
        m_keys.Release(scan + kXKeycodeOffset);
        QTest::qWait(60);
    }

    TXTestKeys m_keys;
    std::unique_ptr<TJackReceiver> m_rx;
    std::unique_ptr<TMidiOutService> m_out;
    std::unique_ptr<TMidiInService> m_in;
    TScriptedPrompts m_prompts;
    std::unique_ptr<TTastra2> m_window;
};

TEST_F(XKeyMapJack, KeysPlayTheNotesOfTheMapFileOnAJackPort) {
    ASSERT_TRUE(m_keys.Ok()) << "the X server has no XTEST extension";
    m_rx = NewReceiver();
    m_out = CreateSystemMidiOutService("TastraKeyMap");
    m_in = CreateSystemMidiInService("TastraKeyMap");
    TTastraServices services;
    services.midiOut = m_out.get();
    services.midiIn = m_in.get();
    m_window = StartTestWindow(services, m_prompts, 5000);
    PlayInto(m_window->MidiOut(), m_rx->PortName());
    if (HasFatalFailure()) return;
    TKeyboard& kb = *m_window->Keyboard1;
    ASSERT_TRUE(
        kb.Keys().SetKeyMapFile(QStringLiteral(TASTRA_SOURCE_DIR "/data/keymaps/laptop.ini")))
        << kb.Keys().KeyMapError().toStdString();
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    QTest::qWait(100);

    // A plays the C above the lower row's (no note on the two piano rows); Q plays A#, not C.
    Tap(kScanA);
    Tap(kScanQ);
    const uint8_t base = static_cast<uint8_t>(12 * kb.Player().KeyOctave());
    const uint8_t v = static_cast<uint8_t>(kb.Player().Velocity());
    const std::vector<std::vector<uint8_t>> expected{{0x90, uint8_t(base + 12), v},
                                                     {0x90, uint8_t(base + 12), 0},
                                                     {0x90, uint8_t(base + 10), v},
                                                     {0x90, uint8_t(base + 10), 0}};
    EXPECT_EQ(m_rx->WaitFor(4, 3000), expected);
}

// Sets the X server's layout; false when setxkbmap could not.
bool SetServerLayout(const char* layout) {
    return QProcess::execute(QStringLiteral("setxkbmap"), {QString::fromLatin1(layout)}) == 0;
}

TEST(XKeyLegends, AreTheNamesOfTheServersLayoutAndFollowItsChanges) {
    if (!XServerError().empty()) GTEST_SKIP() << XServerError();
    ASSERT_TRUE(SetServerLayout("us"));
    std::unique_ptr<TKeyLegends> legends = CreateLayoutKeyLegends();
    EXPECT_EQ(legends->Legend(kScanY), "Y");
    EXPECT_EQ(legends->Legend(kScanZ), "Z");
    EXPECT_EQ(legends->Legend(2), "1");

    ASSERT_TRUE(SetServerLayout("de"));
    EXPECT_EQ(legends->Legend(kScanY), "Y");  // read once, until the layout is said to change
    legends->Reload();
    EXPECT_EQ(legends->Legend(kScanY), "Z");
    EXPECT_EQ(legends->Legend(kScanZ), "Y");
    EXPECT_EQ(legends->Legend(12), QString::fromUtf8("\u00df"));
    EXPECT_TRUE(SetServerLayout("us"));
}

}  // namespace
