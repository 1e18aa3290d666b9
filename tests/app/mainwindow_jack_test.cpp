// The whole road of a note, from a mouse event on the window to the bytes arriving at a JACK MIDI
// port of another program, against a private JACK server.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>

#include "app/tastra.h"
#include "controls/imgcontrol.h"
#include "keyboard/keyboard.h"
#include "midi/midioutput.h"
#include "platform/midi/systemmidi.h"
#include "support/jacktest.h"
#include "support/testwindow.h"

namespace {

using TBytes = std::vector<std::vector<uint8_t>>;

class MainWindowJack : public TJackTest {
protected:
    void SetUp() override {
        TJackTest::SetUp();
        if (IsSkipped()) return;
        m_rx = NewReceiver();
        m_service = CreateSystemMidiOutService("TastraE2E");
        m_inService = CreateSystemMidiInService("TastraE2E");
        TTastraServices services;
        services.midiOut = m_service.get();
        services.midiIn = m_inService.get();
        m_window = StartTestWindow(services, m_prompts, 5000);
        ASSERT_TRUE(m_window->StartupDone());
        // Play into the test's port instead of the synthesizer.
        PlayInto(m_window->MidiOut(), m_rx->PortName());
    }

    void TearDown() override {
        m_window.reset();
        m_rx.reset();
        m_service.reset();
        m_inService.reset();
    }

    QPoint KeyPoint(int note) {
        TKeyboard* k = m_window->Keyboard1;
        const int left = k->KeyLeft(note) - k->ScrollOffset();
        return {left + k->KeyWidth() / 2, k->height() - 6};
    }

    static TBytes Notes(std::initializer_list<std::array<int, 3>> list) {
        TBytes out;
        for (const auto& m : list) out.push_back({uint8_t(m[0]), uint8_t(m[1]), uint8_t(m[2])});
        return out;
    }

    std::unique_ptr<TJackReceiver> m_rx;
    std::unique_ptr<TMidiOutService> m_service;
    std::unique_ptr<TMidiInService> m_inService;
    TScriptedPrompts m_prompts;
    std::unique_ptr<TTastra2> m_window;
};

TEST_F(MainWindowJack, ClickedNoteArrivesAndItsReleaseIsAZeroVelocityNoteOn) {
    const QPoint p = KeyPoint(60);
    QTest::mousePress(m_window->Keyboard1, Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseRelease(m_window->Keyboard1, Qt::LeftButton, Qt::NoModifier, p);
    EXPECT_EQ(m_rx->WaitFor(2, 2000), Notes({{0x90, 0x3C, 0x64}, {0x90, 0x3C, 0x00}}));
}

TEST_F(MainWindowJack, ChordAndTranspositionArriveInOrder) {
    m_window->CBChord->setCurrentIndex(chPower);
    m_window->CBChordClick();
    m_window->Keyboard1->Player().SetTranspose(2);
    const QPoint p = KeyPoint(60);
    QTest::mousePress(m_window->Keyboard1, Qt::LeftButton, Qt::ShiftModifier, p);
    // Power chord on 60 transposed by 2: root, fifth, octave, octave below; Shift velocity 60.
    EXPECT_EQ(m_rx->WaitFor(4, 2000),
              Notes({{0x90, 62, 60}, {0x90, 69, 60}, {0x90, 74, 60}, {0x90, 50, 60}}));
    QTest::mouseRelease(m_window->Keyboard1, Qt::LeftButton, Qt::NoModifier, p);
    const TBytes all = m_rx->WaitFor(8, 2000);
    ASSERT_EQ(all.size(), 8u);
    EXPECT_EQ(TBytes(all.begin() + 4, all.end()),
              Notes({{0x90, 62, 0}, {0x90, 69, 0}, {0x90, 74, 0}, {0x90, 50, 0}}));
}

TEST_F(MainWindowJack, ClosingTheWindowLeavesNoNoteSounding) {
    // A latched chord, a held special-mode note with a bend, and a thru note.
    m_window->CBChord->setCurrentIndex(chMajor);
    m_window->CBChordClick();
    const QPoint a = KeyPoint(48);
    QTest::mousePress(m_window->Keyboard1, Qt::LeftButton, Qt::NoModifier, a);
    QTest::mouseRelease(m_window->Keyboard1, Qt::LeftButton, Qt::ControlModifier, a);
    m_window->Player().MidiThruInput(0x92, 70, true, 90);
    m_window->close();
    const TBytes all = m_rx->WaitFor(8, 2000);
    std::map<std::pair<int, int>, int> sounding;
    for (const auto& m : all) {
        if ((m[0] & 0xF0) != 0x90) continue;
        sounding[{m[0] & 15, m[1]}] += m[2] > 0 ? 1 : -1;
    }
    EXPECT_GE(all.size(), 8u);
    for (const auto& [key, count] : sounding)
        EXPECT_EQ(count, 0) << "channel " << key.first << " note " << key.second;
}

TEST_F(MainWindowJack, DraggingThePitchWheelSendsBendAndSpringsBack) {
    TImgControl* wheel = m_window->ICPitch;
    const QPoint start(wheel->width() / 2, wheel->height() / 2);
    QTest::mousePress(wheel, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(wheel, start - QPoint(0, 8));  // up 8: past the 5-pixel detent, 3 x 96
    const TBytes bent = m_rx->WaitFor(1, 2000);
    ASSERT_FALSE(bent.empty());
    EXPECT_EQ(bent.back()[0], 0xE0);
    EXPECT_EQ((bent.back()[2] << 7 | bent.back()[1]) - 8192, 288);
    QTest::mouseRelease(wheel, Qt::LeftButton, Qt::NoModifier, start - QPoint(0, 8));
    // Back to the centre: the last message is 00 40.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const TBytes r = m_rx->Received();
            return !r.empty() && r.back() == std::vector<uint8_t>{0xE0, 0x00, 0x40};
        },
        2000));
}

}  // namespace
