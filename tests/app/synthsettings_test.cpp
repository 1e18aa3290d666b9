// The built-in synth's settings in the main window: stored with the others, shown and applied
// on their page, and what the synth tells (status texts, errors, a start that failed).
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include "app/settingsform.h"
#include "app/statuspanels.h"
#include "app/synthlink.h"
#include "app/synthpage.h"
#include "midi/midioutput.h"
#include "support/testwindow.h"

namespace {

// Stands in for the built-in synth: records what it is given, tells what the test says.
class TFakeSynth : public TSynthControl {
public:
    void Restore(const TSynthSettings& s) override {
        restored.push_back(s);
        settings = s;
    }
    std::string Apply(const TSynthSettings& s) override {
        applied.push_back(s);
        if (refusal.empty()) settings = s;
        return refusal;
    }
    TSynthSettings Settings() const override { return settings; }
    TSynthStatus Status() const override { return status; }
    std::vector<TSynthNotice> TakeNotices() override {
        std::vector<TSynthNotice> taken;
        taken.swap(notices);
        return taken;
    }
    void SetOnChange(std::function<void()> handler) override { onChange = std::move(handler); }
    // As from the synth's own thread: the window takes it from its event loop.
    void Tell(TSynthNotice::TKind kind, const std::string& text) {
        notices.push_back({kind, text});
        onChange();
        QCoreApplication::processEvents();
    }

    TSynthSettings settings;
    TSynthStatus status;
    std::string refusal;
    std::vector<TSynthSettings> restored, applied;
    std::vector<TSynthNotice> notices;
    std::function<void()> onChange;
};

// JACK with the given soundfont, buffer, gain and effects.
TSynthSettings JackSettings(const char* soundfont, int frames, int buffers, double gain,
                            bool reverb, bool chorus) {
    TSynthSettings s;
    s.Soundfont = soundfont;
    s.Output = TSynthOutput::Jack;
    s.BufferFrames = frames;
    s.Buffers = buffers;
    s.Gain = gain;
    s.Reverb = reverb;
    s.Chorus = chorus;
    return s;
}

class SynthSettingsWindow : public TWindowTest {
protected:
    TTastra2* StartWithSynth() {
        Stop();
        TTastraServices s;
        s.midiOut = &out;
        s.midiIn = &in;
        s.openSettingsRoot = [this] { return std::make_unique<TSharedStoreView>(store); };
        s.synth = &synth;
        w = StartTestWindow(s, prompts);
        return w.get();
    }
    int Stored(const char* name) {
        const TMemSettingsStore::Value* v = store.Find(SynthSettingsKeys::kSection, name);
        return v ? v->number : -1;
    }
    TSynthPage* OpenPage() {
        w->FindAction(QStringLiteral("Settings1"))->trigger();
        TSettings* f = w->SettingsForm();
        EXPECT_NE(f, nullptr);
        f->PageControl->setCurrentWidget(f->SynthTab);
        return f->SynthTab;
    }

    TFakeSynth synth;
};

}  // namespace

TEST_F(SynthSettingsWindow, StoredAfterTodaysValuesAndRestoredAtTheNextStart) {
    StartWithSynth();
    Stop();
    // A first start writes them, after everything the window wrote before they existed.
    ASSERT_FALSE(store.Sections().empty());
    EXPECT_EQ(store.Sections().back().name, SynthSettingsKeys::kSection);
    EXPECT_EQ(Stored(SynthSettingsKeys::kBufferSize), 256);
    EXPECT_EQ(Stored(SynthSettingsKeys::kBuffers), 2);
    EXPECT_EQ(Stored(SynthSettingsKeys::kGain), 50);

    using namespace SynthSettingsKeys;
    store.WriteString(kSection, kSoundfont, "/music/Piano.sf2");
    store.WriteInteger(kSection, kAudioOutput, 2);
    store.WriteInteger(kSection, kBufferSize, 128);
    store.WriteInteger(kSection, kBuffers, 3);
    store.WriteInteger(kSection, kReverb, 1);
    store.WriteInteger(kSection, kGain, 75);
    synth.restored.clear();
    StartWithSynth();
    ASSERT_EQ(synth.restored.size(), 1u);
    EXPECT_EQ(synth.restored[0], JackSettings("/music/Piano.sf2", 128, 3, 0.75, true, false));

    // Values edited by hand beyond their ranges come back inside them.
    Stop();
    store.WriteInteger(kSection, kBufferSize, 5);
    store.WriteInteger(kSection, kAudioOutput, 9);
    store.WriteInteger(kSection, kGain, 100000);
    StartWithSynth();
    EXPECT_EQ(synth.restored.back().BufferFrames, kMinSynthBufferFrames);
    EXPECT_EQ(synth.restored.back().Output, TSynthOutput::Automatic);
    EXPECT_EQ(synth.restored.back().Gain, kMaxSynthGain);
}

TEST_F(SynthSettingsWindow, PageShowsAppliesAndStoresTheSettings) {
    StartWithSynth();
    synth.settings.Soundfont = "/music/Piano.sf2";
    TSynthPage* page = OpenPage();
    EXPECT_EQ(page->ESoundfont->text(), "/music/Piano.sf2");
    // The delay every note gets, for the buffer chosen.
    page->CBBufferSize->setCurrentIndex(page->CBBufferSize->findData(512));
    EXPECT_EQ(page->LDelay->text(),
              "Each note sounds one buffer later: 512 frames, 10.7 ms at 48000 Hz; on the desktop "
              "sound server, later by its queue as well.");

    page->ChooseSoundfont = [](const QString& start) {
        EXPECT_EQ(start, "/music");
        return QStringLiteral("/music/Organ.sf2");
    };
    page->BBrowseSoundfont->click();
    EXPECT_EQ(page->ESoundfont->text(), "/music/Organ.sf2");
    page->CBAudioOutput->setCurrentIndex(2);
    page->SEBuffers->setValue(3);
    page->CBChorus->setChecked(true);
    page->SEGain->setValue(1.25);
    w->SettingsForm()->BApply->click();
    ASSERT_EQ(synth.applied.size(), 1u);
    EXPECT_EQ(synth.applied[0], JackSettings("/music/Organ.sf2", 512, 3, 1.25, false, true));
    // Applied, not saved: they are saved with the other settings when the window closes.
    EXPECT_EQ(Stored(SynthSettingsKeys::kGain), -1);
    w->SaveToRegistry();
    EXPECT_EQ(Stored(SynthSettingsKeys::kGain), 125);
    EXPECT_EQ(store.ReadString(SynthSettingsKeys::kSection, SynthSettingsKeys::kSoundfont, ""),
              "/music/Organ.sf2");

    // A file the synth refuses: the user is told why, and the stored one stays.
    synth.refusal =
        "The soundfont /music/Empty.sf2 is empty. The Built-in Synth keeps its "
        "soundfont.";
    page->ESoundfont->setText("/music/Empty.sf2");
    w->SettingsForm()->BApply->click();
    ASSERT_FALSE(prompts.errors.isEmpty());
    EXPECT_EQ(prompts.errors.back().toStdString(), synth.refusal);
    w->SaveToRegistry();
    EXPECT_EQ(store.ReadString(SynthSettingsKeys::kSection, SynthSettingsKeys::kSoundfont, ""),
              "/music/Organ.sf2");
    page->BDefaultSoundfont->click();
    EXPECT_EQ(page->ESoundfont->text(), "");
}

TEST_F(SynthSettingsWindow, NoticesAreShownAndAFailedStartClosesTheOutputPlayingThroughIt) {
    AddDevices("Built-in Synth");
    StartWithSynth();
    ASSERT_FALSE(w->MidiOut().IsClosed());
    // What it plays through is read on hover: the start's own text stays.
    auto* bar = static_cast<TStatusPanels*>(w->statusBar());
    const QString opened = bar->PanelText(0);
    synth.Tell(TSynthNotice::Status, "Built-in Synth: TimGM6mb.sf2 through JACK.");
    EXPECT_EQ(bar->PanelText(0), opened);
    EXPECT_EQ(bar->PanelHint(0), "Built-in Synth: TimGM6mb.sf2 through JACK.");
    EXPECT_NE(bar->findChild<QLabel*>("StatusPanel0")->toolTip().indexOf("through JACK"), -1);
    synth.Tell(TSynthNotice::Error, "The soundfont x.sf2 could not be loaded.");
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_EQ(prompts.errors[0], "The soundfont x.sf2 could not be loaded.");
    EXPECT_FALSE(w->MidiOut().IsClosed());

    synth.Tell(TSynthNotice::Failed, "No audio output could be opened.");
    EXPECT_TRUE(w->MidiOut().IsClosed());
    ASSERT_EQ(prompts.errors.size(), 2);
    EXPECT_EQ(prompts.errors[1],
              "Cannot open MIDI output device \"Built-in Synth\":\r\nNo audio output could be "
              "opened.");
    EXPECT_EQ(static_cast<TStatusPanels*>(w->statusBar())->PanelText(0), "No audio output could be opened.");
}

TEST_F(SynthSettingsWindow, AFailedStartLeavesAnotherOutputAlone) {
    AddDevices("Synth");
    StartWithSynth();
    synth.Tell(TSynthNotice::Failed, "No audio output could be opened.");
    EXPECT_FALSE(w->MidiOut().IsClosed());
    EXPECT_TRUE(prompts.errors.isEmpty());
}

// Soundfont paths and audio outputs belong to this computer: an exported or imported settings
// file neither carries nor changes them.
TEST(SynthLink, SettingsStayOutOfExportFiles) {
    TSynthLink link({});
    TMemSettingsStore file(false);
    link.SaveSettings(file);
    EXPECT_TRUE(file.Sections().empty());
    file.WriteInteger(SynthSettingsKeys::kSection, SynthSettingsKeys::kGain, 100);
    link.LoadSettings(file);
    EXPECT_EQ(link.Settings(), TSynthSettings());
}
