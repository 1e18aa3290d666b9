#include "controls/wheel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include "controls/movinghint.h"
#include "controls/wheelmath.h"

using namespace wheelmath;

TEST(WheelMath, ScaleRunsFromLowerLeftOverTheTopToLowerRight) {
    // 320 degrees leave a 40-degree gap centred at the bottom (screen y grows downward).
    EXPECT_DOUBLE_EQ(Angle(320, 0), -250.0);
    EXPECT_DOUBLE_EQ(Angle(320, 50), -90.0);
    EXPECT_DOUBLE_EQ(Angle(320, 100), 70.0);
    EXPECT_EQ(PointAt(13, 13, 10, 10, Angle(320, 50)), QPoint(13, 3));
    const QPoint start = PointAt(13, 13, 10, 10, Angle(320, 0));
    const QPoint end = PointAt(13, 13, 10, 10, Angle(320, 100));
    EXPECT_LT(start.x(), 13);
    EXPECT_GT(start.y(), 13);
    EXPECT_GT(end.x(), 13);
    EXPECT_EQ(end.y(), start.y());
    EXPECT_DOUBLE_EQ(Percent(64, 0, 128), 50.0);
    EXPECT_DOUBLE_EQ(Percent(0, -7, 7), 50.0);
}

TEST(WheelMath, SnapCountsFromZeroAndRoundsHalvesUp) {
    EXPECT_EQ(ClampAndSnap(12, 0, 100, 5), 10);
    EXPECT_EQ(ClampAndSnap(13, 0, 100, 5), 15);
    EXPECT_EQ(ClampAndSnap(-3, 0, 100, 5), 0);
    EXPECT_EQ(ClampAndSnap(3, -7, 7, 7), 0);
    EXPECT_EQ(ClampAndSnap(4, -7, 7, 7), 7);
    EXPECT_EQ(ClampAndSnap(-4, -7, 7, 7), -7);
    EXPECT_EQ(SnapToStep(-5, 10), 0);  // half a step goes toward +inf
    EXPECT_EQ(SnapToStep(5, 10), 10);
    // A grid that misses the bounds: the bounds themselves are never left.
    EXPECT_EQ(ClampAndSnap(2, 1, 11, 5), 1);
    EXPECT_EQ(ClampAndSnap(INT32_MAX, INT32_MIN, INT32_MAX - 1, 1), INT32_MAX - 1);
}

TEST(WheelMath, DragWheelAndSize) {
    EXPECT_EQ(DragPosition(60, 100, 90), 70);
    EXPECT_EQ(WheelDelta(120, false, 1, 10), 10);
    EXPECT_EQ(WheelDelta(120, true, 1, 10), 1);
    EXPECT_EQ(WheelDelta(-60, false, 1, 5), -2);  // -2.5 rounds to even
    EXPECT_EQ(KnobSize(QSize(27, 27), QSize(28, 28), true), QSize(29, 29));
    EXPECT_EQ(KnobSize(QSize(27, 27), QSize(40, 27), true), QSize(41, 41));
    EXPECT_EQ(KnobSize(QSize(27, 27), QSize(27, 40), true), QSize(41, 41));
    EXPECT_EQ(KnobSize(QSize(27, 27), QSize(40, 30), false), QSize(41, 31));
    EXPECT_EQ(BalanceMagnitude(0, 100), 100);
    EXPECT_EQ(BalanceMagnitude(-20, 100), 20);
    EXPECT_EQ(BalanceMagnitude(INT32_MIN, 0), 1073741823);
}

class WheelTest : public ::testing::Test {
protected:
    void SetUp() override {
        host = std::make_unique<QWidget>();
        host->resize(200, 200);
        w = new TWheel(host.get());
        w->SetBounds(20, 20, 27, 27);
        w->OnPosChange = [this](QObject*) { ++posChanges; };
        w->OnTrack = [this](QObject*) { tracked.push_back(w->Position()); };
        w->OnSelect = [this](QObject*) { ++selects; };
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    }

    void Move(int y) {
        QMouseEvent e(QEvent::MouseMove, QPointF(13, y), QPointF(w->mapToGlobal(QPoint(13, y))),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    void Turn(int delta, Qt::KeyboardModifiers mods) {
        QWheelEvent e(QPointF(5, 5), QPointF(w->mapToGlobal(QPoint(5, 5))), QPoint(),
                      QPoint(0, delta), Qt::NoButton, mods, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    }

    std::unique_ptr<QWidget> host;
    TWheel* w = nullptr;
    int posChanges = 0;
    int selects = 0;
    std::vector<int> tracked;
};

TEST_F(WheelTest, PositionEventsFollowTheSetterRules) {
    w->SetPositionMax(127);
    w->SetPosition(127);
    posChanges = 0;
    w->SetPosition(127);  // equal: the event only
    EXPECT_EQ(posChanges, 1);
    w->SetPosition(200);  // clamps to the same value: nothing
    EXPECT_EQ(posChanges, 1);
    w->SetPositionMax(100);
    w->SetPositionStep(5);
    w->SetPosition(13);
    EXPECT_EQ(w->Position(), 15);
    EXPECT_TRUE(tracked.empty());
    EXPECT_EQ(selects, 0);  // code never fires the user's events
}

TEST_F(WheelTest, RefusedLimitsKeepTheirValuesAndShrinkingBoundsMovesThePosition) {
    w->SetPositionStep(3);  // 100 is no multiple of 3
    EXPECT_EQ(w->PositionStep(), 1);
    w->SetPositionStep(101);
    w->SetPositionStep(0);
    EXPECT_EQ(w->PositionStep(), 1);
    w->SetPositionMax(0);  // not above the minimum
    EXPECT_EQ(w->PositionMax(), 100);
    w->SetScaleDegrees(361);
    w->SetScaleTicks(1);
    EXPECT_EQ(w->ScaleDegrees(), 320);
    EXPECT_EQ(w->ScaleTicks(), 10);
    w->SetPosition(90);
    w->SetPositionMax(50);
    EXPECT_EQ(w->Position(), 50);
    w->SetPositionStep(25);
    w->SetPositionMax(10);  // a step wider than the range becomes the range
    EXPECT_EQ(w->PositionStep(), 10);
}

TEST_F(WheelTest, BalanceMakesASymmetricRange) {
    w->SetPositionMin(-20);
    w->SetPosition(50);
    w->SetBalance(true);
    EXPECT_EQ(w->PositionMin(), -20);
    EXPECT_EQ(w->PositionMax(), 20);
    EXPECT_EQ(w->Position(), 20);
    w->SetPositionMax(0);  // refused in balance mode
    w->SetPositionMax(-5);
    EXPECT_EQ(w->PositionMin(), -5);
    EXPECT_EQ(w->PositionMax(), 5);
}

TEST_F(WheelTest, DraggingMovesOneUnitPerPixelAndEscapeCancels) {
    w->SetPositionStep(5);
    w->SetPosition(60);
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(13, 13));
    EXPECT_EQ(tracked, std::vector<int>({60}));
    EXPECT_TRUE(w->hasFocus());
    Move(3);  // 10 pixels up
    EXPECT_EQ(w->Position(), 70);
    Move(11);  // 62 snaps to 60
    EXPECT_EQ(w->Position(), 60);
    Move(20);
    EXPECT_EQ(w->Position(), 55);
    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_EQ(w->Position(), 60);
    EXPECT_FALSE(w->Dragging());
    Move(0);  // moves after the cancel do nothing
    EXPECT_EQ(w->Position(), 60);
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(13, 0));
    EXPECT_EQ(tracked.size(), 4u);
}

TEST_F(WheelTest, TrackHintShowsWhileDraggingAndHidesOnRelease) {
    w->SetShowTrackHint(true);
    w->OnGetTrackHint = [](QObject*, QString& c) { c = QStringLiteral("hint"); };
    QTest::mousePress(w, Qt::RightButton, {}, QPoint(13, 13));
    Move(5);
    EXPECT_TRUE(w->Hint()->IsShowing());
    EXPECT_EQ(w->Hint()->Text(), "hint");
    QTest::mouseRelease(w, Qt::RightButton, {}, QPoint(13, 5));
    EXPECT_FALSE(w->Hint()->IsShowing());
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(w->Position(), 8);
}

TEST_F(WheelTest, KeysAndWheelStepAndSelect) {
    w->setFocus();
    w->SetPosition(50);
    QTest::keyClick(w, Qt::Key_PageUp);
    EXPECT_EQ(w->Position(), 60);
    QTest::keyClick(w, Qt::Key_Down);
    EXPECT_EQ(w->Position(), 59);
    QTest::keyClick(w, Qt::Key_End);
    EXPECT_EQ(w->Position(), 100);
    QTest::keyClick(w, Qt::Key_Home);
    EXPECT_EQ(w->Position(), 0);
    QTest::keyClick(w, Qt::Key_A);  // other keys do nothing
    EXPECT_EQ(selects, 4);
    Turn(120, Qt::NoModifier);
    EXPECT_EQ(w->Position(), 10);
    Turn(120, Qt::ShiftModifier);
    EXPECT_EQ(w->Position(), 11);
    Turn(-240, Qt::NoModifier);
    EXPECT_EQ(w->Position(), 0);
    EXPECT_EQ(selects, 7);
}

TEST_F(WheelTest, ForcedSquareSizesAreOdd) {
    w->SetBounds(0, 0, 28, 28);
    EXPECT_EQ(w->size(), QSize(29, 29));
    w->resize(40, 40);
    QApplication::processEvents();
    EXPECT_EQ(w->size(), QSize(41, 41));
    w->SetForceSquare(false);
    w->SetBounds(0, 0, 30, 20);
    EXPECT_EQ(w->size(), QSize(31, 21));
}
