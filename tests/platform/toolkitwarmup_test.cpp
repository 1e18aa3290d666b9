#include "platform/ui/toolkitwarmup.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImageReader>

// The warm-up thread waits for the toolkit; a program that ends before its toolkit started (a
// usage error, say) must not wait for it forever, and a warm-up told of the toolkit must leave
// fonts and pictures working for the window thread.
TEST(ToolkitWarmUp, EndsWithOrWithoutTheToolkitAndLeavesItWorking) {
    for (const bool toolkit : {false, true}) {
        SCOPED_TRACE(toolkit ? "toolkit started" : "toolkit never started");
        TToolkitWarmUp warmUp;
        if (toolkit) warmUp.ToolkitStarted();
        warmUp.WaitForFonts();
        warmUp.Finish();
        warmUp.Finish();  // the destructor finishes again
    }
    EXPECT_FALSE(QFontDatabase::families().isEmpty());
    EXPECT_GT(QFontMetrics(QFont()).horizontalAdvance(QStringLiteral("Panic")), 0);
    EXPECT_FALSE(QImageReader(QStringLiteral(":/keys/DOWNNORMAL.png")).read().isNull());
}
