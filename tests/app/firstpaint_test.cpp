#include "app/firstpaint.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>
#include <QWidget>

namespace {

class TPaintedWidget : public QWidget {
public:
    int Paints = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Qt::white);
        ++Paints;
    }
};

}  // namespace

TEST(FirstPaint, RunsOnceAfterTheWindowIsPainted) {
    TPaintedWidget window;
    window.resize(200, 100);
    int runs = 0;
    int paintsSeen = -1;
    RunAfterFirstPaint(
        &window,
        [&] {
            ++runs;
            paintsSeen = window.Paints;
        },
        60000);
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return runs > 0; }, 5000));
    EXPECT_GE(paintsSeen, 1);
    window.update();
    QTest::qWait(50);
    EXPECT_EQ(runs, 1);
}

// A window that is never painted (minimised, on another desktop) must start up all the same.
TEST(FirstPaint, RunsAfterTheFallbackWithoutAPaint) {
    TPaintedWidget window;
    int runs = 0;
    RunAfterFirstPaint(
        &window, [&] { ++runs; }, 20);
    EXPECT_TRUE(QTest::qWaitFor([&] { return runs == 1; }, 5000));
    EXPECT_EQ(window.Paints, 0);
}
