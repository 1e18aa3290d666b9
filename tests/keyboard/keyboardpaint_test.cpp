#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QTest>

#include "keyboard/keyboard.h"
#include "keyboardtestutil.h"

namespace {

// Collects the regions of the paint events a widget receives.
class TPaintSpy : public QObject {
public:
    explicit TPaintSpy(QWidget* w) { w->installEventFilter(this); }
    int count = 0;
    QRegion region;
    void Reset() {
        QCoreApplication::processEvents();
        count = 0;
        region = QRegion();
    }
    void Flush() { QCoreApplication::processEvents(); }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            ++count;
            region += static_cast<QPaintEvent*>(e)->region();
        }
        return false;
    }
};

QRgb PixelAt(TKeyboard& kb, int x, int y) { return kb.grab().toImage().pixel(x, y) & 0xFFFFFF; }

}  // namespace

TEST(KeyboardImages, LowColourDepthRefusesImageStyle) {
    kbtest::TPlayedKeyboard played(kbtest::StandInArtwork(4));
    TKeyboard& kb = played.kb;
    kb.SetPaintStyle(psImage);
    EXPECT_EQ(kb.PaintStyle(), psDraw);
    EXPECT_EQ(kb.KeyWidth(), 15);
}

TEST(KeyboardImages, ImageStyleTakesTheKeyWidthOfTheArtwork) {
    kbtest::TPlayedKeyboard played(kbtest::StandInArtwork());
    TKeyboard& kb = played.kb;
    kb.SetImageSize(isNormal);
    kb.SetPaintStyle(psImage);
    ASSERT_EQ(kb.PaintStyle(), psImage);
    EXPECT_EQ(kb.KeyWidth(), 20);
    EXPECT_EQ(kb.ImageHeight(), 76);
    kb.SetKeyWidth(30);
    EXPECT_EQ(kb.KeyWidth(), 20);
    kb.SetImageSize(isBig);
    EXPECT_EQ(kb.KeyWidth(), 27);
    EXPECT_EQ(kb.FullWidth(), 75 * 27);
    // Black keys sit at the artwork's offsets: C# of the big artwork spans 16..30.
    kb.resize(500, 76);
    kb.SetBaseNote(0);
    EXPECT_EQ(kb.NoteAt(15, 10), 0);
    EXPECT_EQ(kb.NoteAt(16, 10), 1);
    EXPECT_EQ(kb.NoteAt(30, 41), 1);
    EXPECT_EQ(kb.NoteAt(31, 10), 2);
    EXPECT_EQ(kb.NoteAt(16, 42), 0);
    EXPECT_EQ(kb.KeyLeft(13), 189 + 16);
}

TEST(KeyboardImages, MissingArtworkFallsBackToDrawnKeys) {
    QStringList asked;
    kbtest::TPlayedKeyboard played({[&](const QString& name) {
                                        asked << name;
                                        return name.contains("DOWN") ? QImage()
                                                                     : kbtest::StandInImage(name);
                                    },
                                    12});
    TKeyboard& kb = played.kb;
    kb.SetPaintStyle(psImage);
    EXPECT_EQ(kb.PaintStyle(), psDraw);
    EXPECT_EQ(asked, (QStringList{":/keys/UPSMALL256.png", ":/keys/DOWNSMALL256.png"}));
    // Once missing, the artwork is not asked for again.
    kb.SetPaintStyle(psImage);
    EXPECT_EQ(asked.size(), 2);
}

TEST(KeyboardImages, PressedKeysUseThePressedArtwork) {
    kbtest::TPlayedKeyboard played(kbtest::StandInArtwork());
    TKeyboard& kb = played.kb;
    kb.SetPaintStyle(psImage);
    kb.resize(210, 80);
    kb.SetBaseNote(0);
    kbtest::ChangeLook(kb, [](TKeyLook& l) { l.markNote = 100; });
    kb.Player().PlayNote(0, 2, true, 100);  // D
    kb.Player().PlayNote(0, 3, true, 100);  // D#
    EXPECT_EQ(PixelAt(kb, 20, 60), QColor(200, 200, 255).rgb() & 0xFFFFFF);
    EXPECT_EQ(PixelAt(kb, 5, 60), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(kb, 30, 10), QColor(60, 60, 120).rgb() & 0xFFFFFF);
    EXPECT_EQ(PixelAt(kb, 12, 10), 0u);  // released C#
    EXPECT_EQ(PixelAt(kb, 20, 78), 0u);  // below the artwork
}

TEST(KeyboardDrawn, TopKeyAndDotsAreDrawn) {
    kbtest::TPlayedKeyboard played;
    TKeyboard& kb = played.kb;
    kb.resize(1125, 50);
    kb.SetBaseNote(127);
    const int x = kb.KeyLeft(127) - kb.ScrollOffset();
    EXPECT_EQ(PixelAt(kb, x + 12, 2), 0xFFFFFFu);  // no black key to the right of note 127
    EXPECT_EQ(PixelAt(kb, x + 14, 2), 0u);         // full-height separator
    EXPECT_EQ(PixelAt(kb, x + 2, 2), 0u);          // F# to the left

    kb.resize(300, 50);
    kb.SetBaseNote(60);
    const int b = kb.KeyLeft(60) - kb.ScrollOffset() + 7;
    const int c = 50 - 50 / 7;
    EXPECT_EQ(PixelAt(kb, b, c - 1), 0xC0C0C0u);  // marked
    kb.Player().PlayNote(0, 60, true, 100);
    EXPECT_EQ(PixelAt(kb, b, c - 1), 0x808080u);  // pressed
    kb.Player().PlayNote(0, 60, true, 0);
    kbtest::ChangeLook(kb, [](TKeyLook& l) { l.markNote = 61; });
    EXPECT_EQ(PixelAt(kb, b, c - 1), 0xFFFFFFu);
}

TEST(KeyboardRepaint, AKeyHeldTwiceIsRedrawnOnlyOnItsLastRelease) {
    kbtest::TPlayedKeyboard played;
    TKeyboard& kb = played.kb;
    kb.SetTabStop(false);  // keep focus changes from repainting everything
    kb.resize(300, 50);
    kb.SetBaseNote(0);
    kb.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&kb));
    TPaintSpy spy(&kb);
    spy.Reset();

    QTest::mousePress(&kb, Qt::LeftButton, {}, QPoint(20, 40));
    spy.Flush();
    EXPECT_EQ(spy.count, 1);
    EXPECT_TRUE(QRegion(QRect(15, 0, 15, 50)).contains(spy.region.boundingRect()));

    spy.Reset();
    played.player.MidiThruInput(0x90, 2, true, 100);
    QTest::mouseRelease(&kb, Qt::LeftButton, {}, QPoint(20, 40));
    spy.Flush();
    EXPECT_EQ(spy.count, 0);

    played.player.MidiThruInput(0x90, 2, true, 0);
    spy.Flush();
    EXPECT_EQ(spy.count, 1);
}

TEST(KeyboardRepaint, SmallScrollsRepaintOnlyTheUncoveredStrip) {
    kbtest::TPlayedKeyboard played;
    TKeyboard& kb = played.kb;
    kb.SetTabStop(false);
    kb.resize(300, 50);
    kb.SetBaseNote(36);
    kb.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&kb));
    TPaintSpy spy(&kb);
    spy.Reset();

    kb.ScrollTo(kb.ScrollOffset(), kb.ScrollOffset() + 1);
    spy.Flush();
    EXPECT_GE(spy.count, 1);
    EXPECT_LE(spy.region.boundingRect().width(), 2);
    EXPECT_EQ(spy.region.boundingRect().right(), 299);

    spy.Reset();
    kb.SetBaseNote(35);  // 16 px to the left
    spy.Flush();
    EXPECT_LE(spy.region.boundingRect().width(), 16);
    EXPECT_EQ(spy.region.boundingRect().left(), 0);

    spy.Reset();
    kb.SetBaseNote(80);
    spy.Flush();
    EXPECT_EQ(spy.region.boundingRect(), kb.rect());
}
