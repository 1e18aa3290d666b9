#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTest>

#include "app/tastra.h"
#include "midi/midioutput.h"
#include "support/countingmidi.h"
#include "support/scriptedprompts.h"
#include "support/storeview.h"

// Regression: building the main window listed the MIDI devices, which on a real system connects
// to the JACK server and waits for it before the window can show. The lists are read after the
// first paint, and the stored device is still opened from them.
TEST(MainWindowStartup, DevicesAreListedAfterTheFirstPaint) {
    TCountingOut out({"Synth A"});
    TCountingIn in({"Keys A"});
    TMemSettingsStore store(true);
    TScriptedPrompts prompts;
    TTastraServices services;
    services.midiOut = &out;
    services.midiIn = &in;
    services.prompts = &prompts;
    services.openSettingsRoot = [&] { return std::make_unique<TSharedStoreView>(store); };
    TTastra2 window(services);
    EXPECT_EQ(out.Looks, 0);
    EXPECT_EQ(in.Looks, 0);

    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.StartupDone(); }, 3000));
    QStringList entries;
    for (QAction* a : window.FindMenu(QStringLiteral("MidiOut1"))->actions()) entries << a->text();
    EXPECT_TRUE(entries.contains(QStringLiteral("Synth A")));
    EXPECT_FALSE(window.MidiOut().IsClosed());  // the mapper, as on every first start
}
