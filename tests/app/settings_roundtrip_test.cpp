// Everything the main window and its keyboard keep comes back after a restart on the same hive.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include "app/tastra.h"
#include "controls/imgcontrol.h"
#include "keyboard/keyboard.h"
#include "platform/registry/registrystore.h"
#include "platform/settings/programpaths.h"
#include "support/testwindow.h"

namespace {

class SettingsRoundTrip : public TWindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_hive = m_dir.filePath("registry.reg").toStdString();
        m_program = m_dir.filePath("Tastra").toStdString();
        out.AddDevice("Synth");
        openRoot = [this] { return std::unique_ptr<TSettingsStore>(Open()); };
    }
    std::unique_ptr<TRegistryIniFile> Open() {
        return std::make_unique<TRegistryIniFile>(SettingsRootPath(m_program), m_hive);
    }

    QTemporaryDir m_dir;
    std::string m_hive;
    // The program file the settings key is named after.
    std::string m_program;
};

TEST_F(SettingsRoundTrip, FirstStartCreatesTheKeyAndTheFirstCloseWritesFirstTimeAsText) {
    auto w = Start();
    EXPECT_TRUE(w->FirstTime());
    w->close();
    auto store = Open();
    EXPECT_EQ(store->ReadString("KeyboardForm", "First Time", "?"), "0");
    EXPECT_EQ(store->ReadInteger("Keyboard", "BaseNote", -1), 36);
}

TEST_F(SettingsRoundTrip, KeyboardAndWindowValuesComeBack) {
    {
        auto w = Start();
        TKeyboard* k = w->Keyboard1;
        k->SetPaintStyle(psDraw);
        k->SetKeyWidth(20);
        k->SetBaseNote(40);
        k->Player().SetChannel(9);
        k->Player().SetChord(chMajor7);
        k->Names().SetLanguage(TLanguage::German);
        TKeyLook look = k->Look();
        look.markNote = 64;
        k->SetLook(look);
        k->SetShadowWidth(2);
        k->Player().SetVelocityShiftFactor(0.25);
        k->Player().SetVelocity(77);
        k->Player().SetUpDownController(7);
        k->Player().SetLeftRightController(129);
        k->Player().SetKeyOctave(6);
        k->Player().SetLowerCScanCode(46);
        k->Player().SetUpperCScanCode(20);
        k->Player().SetTranspose(-7);
        k->Player().SetDisplayTransposed(true);
        k->Player().SetTransposeThru(false);
        w->SetArrowsVisible(false);
        w->resize(640, w->height());
        w->close();
    }
    auto w = Start();
    TKeyboard* k = w->Keyboard1;
    EXPECT_EQ(k->PaintStyle(), psDraw);
    EXPECT_EQ(k->KeyWidth(), 20);
    EXPECT_EQ(k->BaseNote(), 40);
    EXPECT_EQ(k->Player().Channel(), 9);
    EXPECT_EQ(k->Player().Chord(), chMajor7);
    EXPECT_EQ(k->Names().Language(), TLanguage::German);
    EXPECT_EQ(k->Look().markNote, 64);
    EXPECT_EQ(k->ShadowWidth(), 2);
    EXPECT_DOUBLE_EQ(k->Player().VelocityShiftFactor(), 0.25);
    EXPECT_EQ(k->Player().Velocity(), 77);
    EXPECT_EQ(k->Player().UpDownController(), 7);
    EXPECT_EQ(k->Player().LeftRightController(), 129);
    EXPECT_EQ(k->Player().KeyOctave(), 6);
    EXPECT_EQ(k->Player().LowerCScanCode(), 46);
    EXPECT_EQ(k->Player().UpperCScanCode(), 20);
    EXPECT_EQ(k->Player().Transpose(), -7);
    EXPECT_TRUE(k->Player().DisplayTransposed());
    EXPECT_FALSE(k->Player().TransposeThru());
    EXPECT_FALSE(w->ArrowsVisible());
    EXPECT_EQ(w->width(), 640);
}

TEST_F(SettingsRoundTrip, MainWindowValuesWithoutTheirOwnWindowsYetSurviveARestart) {
    {
        auto store = Open();
        store->WriteInteger("KeyboardForm", "MWCtrl", 11);
        store->WriteBool("KeyboardForm", "Midi Thru", false);
        store->WriteInteger("KeyboardForm", "Program", 17);
        store->WriteInteger("KeyboardForm", "Bank", 300);
        store->WriteInteger("KeyboardForm", "MouseWheelController", 128);
        store->WriteInteger("KeyboardForm", "MouseWheelSensitivity", 9);
        store->WriteBool("KeyboardForm", "StayOnTop", true);
        store->WriteBool("KeyboardForm", "DontRemindTranspose", true);
        for (const char* flag :
             {"DontShowExSettings", "ImKnobPresetsOverwrite", "ImChordsOverwrite"})
            store->WriteBool("KeyboardForm", flag, true);
        ASSERT_TRUE(store->Flush());
    }
    Start()->close();
    auto store = Open();
    EXPECT_EQ(store->ReadInteger("KeyboardForm", "MWCtrl", 0), 11);
    EXPECT_FALSE(store->ReadBool("KeyboardForm", "Midi Thru", true));
    EXPECT_EQ(store->ReadInteger("KeyboardForm", "Program", 0), 17);
    EXPECT_EQ(store->ReadInteger("KeyboardForm", "Bank", 0), 300);
    EXPECT_EQ(store->ReadInteger("KeyboardForm", "MouseWheelController", 0), 128);
    EXPECT_EQ(store->ReadInteger("KeyboardForm", "MouseWheelSensitivity", 0), 9);
    EXPECT_TRUE(store->ReadBool("KeyboardForm", "StayOnTop", false));
    EXPECT_TRUE(store->ReadBool("KeyboardForm", "DontRemindTranspose", false));
    EXPECT_TRUE(store->ReadBool("KeyboardForm", "DontShowExSettings", false));
    EXPECT_FALSE(store->ReadBool("KeyboardForm", "DontShowExChords", true));
    EXPECT_TRUE(store->ReadBool("KeyboardForm", "ImChordsOverwrite", false));
}

TEST_F(SettingsRoundTrip, ARenamedProgramFileStartsFromFreshSettings) {
    {
        auto w = Start();
        w->Keyboard1->Player().SetChannel(5);
        w->close();
    }
    m_program = m_dir.filePath("Tastra2.bin").toStdString();
    auto w = Start();
    EXPECT_EQ(w->Keyboard1->Player().Channel(), 0);
    EXPECT_TRUE(w->FirstTime());
}

TEST_F(SettingsRoundTrip, AStoreThatFailsMidLoadKeepsWhatWasReadAndTheRest) {
    {
        auto store = Open();
        store->WriteInteger("Keyboard", "BaseNote", 40);
        // A string read as an integer is only a default, but a DWORD where a string is expected
        // fails the load from there on.
        store->WriteString("Keyboard", "Channel", "abc");
        ASSERT_TRUE(store->Flush());
    }
    auto w = Start();
    EXPECT_EQ(w->Keyboard1->BaseNote(), 40);
    EXPECT_EQ(w->Keyboard1->Player().Channel(), 0);
}

}  // namespace
