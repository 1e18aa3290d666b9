#include "platform/settings/placement.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <limits>
#include <tuple>

#include "platform/settings/programpaths.h"

struct TKeepCase {
    int left, top, width, height;
    bool shrink;
    int wantLeft, wantTop, wantWidth, wantHeight;
};

class KeepOnWorkAreaTest : public ::testing::TestWithParam<TKeepCase> {};

TEST_P(KeepOnWorkAreaTest, AdjustsTheRectangle) {
    const TKeepCase c = GetParam();
    int l = c.left, t = c.top, w = c.width, h = c.height;
    KeepOnWorkArea(l, t, w, h, c.shrink, QRect(100, 50, 800, 600));  // right 900, bottom 650
    EXPECT_EQ(std::make_tuple(l, t, w, h),
              std::make_tuple(c.wantLeft, c.wantTop, c.wantWidth, c.wantHeight));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeepOnWorkAreaTest,
    ::testing::Values(TKeepCase{200, 100, 300, 200, false, 200, 100, 300, 200},  // inside
                      TKeepCase{901, 100, 300, 200, false, 870, 100, 300, 200},  // right of it
                      TKeepCase{900, 100, 300, 200, false, 900, 100, 300, 200},  // on the edge
                      TKeepCase{-500, 100, 300, 200, false, -170, 100, 300, 200},
                      TKeepCase{200, 700, 300, 200, false, 200, 620, 300, 200},  // below
                      TKeepCase{200, 10, 300, 200, false, 200, 50, 300, 200},    // above
                      TKeepCase{0, 0, 2000, 900, true, 0, 50, 800, 600},
                      TKeepCase{0, 0, 2000, 900, false, 0, 50, 2000, 900}));

// Placements on a work area that does not start at the screen's corner.
class PlacementTest : public ::testing::Test {
protected:
    void Load(QWidget* w, const char* section, int flags, const char* prefix = "") {
        LoadFormPlacement(w, m_store, section, flags, prefix, kArea);
    }
    void Save(QWidget* w, const char* section, int flags) {
        SaveFormPlacement(w, m_store, section, flags, "", kArea);
    }
    const QRect kArea{100, 50, 1000, 700};
    TMemSettingsStore m_store{true};
};

TEST_F(PlacementTest, StoredPositionIsRelativeToTheWorkAreaAndRoundTrips) {
    QWidget w;
    w.setGeometry(300, 200, 400, 300);
    Save(&w, "Form", kPlaceSize | kPlacePosition | kPlaceMaximized);
    EXPECT_EQ(m_store.ReadInteger("Form", "Left", 0), 200);
    EXPECT_EQ(m_store.ReadInteger("Form", "Top", 0), 150);
    EXPECT_EQ(m_store.ReadInteger("Form", "State", -1), kStateNormal);
    EXPECT_EQ(m_store.ReadSection("Form"),
              std::vector<std::string>({"Height", "Width", "Top", "Left", "State"}));

    QWidget back;
    back.setGeometry(0, 0, 50, 50);
    Load(&back, "Form", kPlaceSize | kPlacePosition | kPlaceMaximized);
    EXPECT_EQ(back.geometry(), QRect(300, 200, 400, 300));
}

TEST_F(PlacementTest, OutOfReachPositionsAreBroughtBack) {
    m_store.WriteInteger("F", "FormLeft", 5000);  // beyond the right edge
    m_store.WriteInteger("F", "FormTop", -300);   // above the work area
    QWidget w;
    w.resize(200, 100);
    Load(&w, "F", kPlacePosition, "Form");
    EXPECT_EQ(w.pos(), QPoint(1100 - 30, 50));
    EXPECT_EQ(w.size(), QSize(200, 100));
}

// Whatever a file holds, some of the window stays on the work area (sums once wrapped around).
TEST_F(PlacementTest, ExtremeStoredGeometryStaysOnTheWorkArea) {
    const int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    for (int width : {lo, -1, 0, 300, hi})
        for (int height : {lo, 200, hi})
            for (int left : {lo, 10, hi})
                for (int top : {lo, hi}) {
                    m_store.WriteInteger("F", "Width", width);
                    m_store.WriteInteger("F", "Height", height);
                    m_store.WriteInteger("F", "Left", left);
                    m_store.WriteInteger("F", "Top", top);
                    QWidget w;
                    Load(&w, "F", kPlaceSize | kPlacePosition);
                    const QRect on = w.geometry().intersected(kArea);
                    EXPECT_GE(on.width(), std::min(30, w.width()))
                        << width << " " << height << " " << left << " " << top;
                    EXPECT_GT(on.height(), 0)
                        << width << " " << height << " " << left << " " << top;
                }
}

TEST_F(PlacementTest, MissingTopOrLeftCentres) {
    m_store.WriteInteger("F", "Left", 10);  // Top missing
    QWidget w;
    w.resize(200, 100);
    Load(&w, "F", kPlacePosition);
    EXPECT_EQ(w.pos(), QPoint(100 + 500 - 100, 50 + 350 - 50));

    QWidget owner;
    owner.setGeometry(400, 300, 600, 400);
    owner.show();
    QWidget child(&owner, Qt::Window);
    child.resize(200, 100);
    Load(&child, "Nothing", kPlacePosition);
    EXPECT_EQ(child.pos(), QPoint(400 + 300 - 100, 300 + 200 - 50));
}

TEST_F(PlacementTest, MaximizedWindowStoresItsRestoredRectangleAndStartsMaximized) {
    QWidget w;
    w.setGeometry(300, 200, 400, 300);
    w.show();
    const QPoint restoredFramePos = w.pos();
    w.showMaximized();
    ASSERT_TRUE(w.isMaximized());
    Save(&w, "KeyboardForm", kPlaceSize | kPlacePosition | kPlaceMaximized);
    EXPECT_EQ(m_store.ReadInteger("KeyboardForm", "State", -1), kStateMaximized);
    EXPECT_EQ(m_store.ReadInteger("KeyboardForm", "Width", 0), 400);
    EXPECT_EQ(m_store.ReadInteger("KeyboardForm", "Height", 0), 300);
    EXPECT_EQ(m_store.ReadInteger("KeyboardForm", "Left", 0), restoredFramePos.x() - 100);
    EXPECT_EQ(m_store.ReadInteger("KeyboardForm", "Top", 0), restoredFramePos.y() - 50);

    QWidget next;
    Load(&next, "KeyboardForm", kPlaceSize | kPlacePosition | kPlaceMaximized);
    EXPECT_TRUE(next.windowState() & Qt::WindowMaximized);
    next.show();
    next.showNormal();
    EXPECT_EQ(next.geometry(), w.normalGeometry());
}

TEST_F(PlacementTest, StyleVisibilityAndAWrongTypeEndingTheLoad) {
    QWidget owner;
    owner.show();
    QWidget w(&owner, Qt::Window);
    w.setWindowFlag(Qt::WindowStaysOnTopHint);
    w.setGeometry(200, 100, 300, 200);
    w.show();
    Save(&w, "S", kPlaceVisible | kPlaceStyle | kPlacePosition);
    EXPECT_TRUE(m_store.ReadBool("S", "Visible", false));
    EXPECT_EQ(m_store.ReadInteger("S", "Style", -1), kStyleStayOnTop);

    QWidget other(&owner, Qt::Window);
    Load(&other, "S", kPlaceVisible | kPlaceStyle | kPlacePosition);
    EXPECT_TRUE(other.isVisible());
    EXPECT_TRUE(other.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(other.pos(), w.pos());

    // A string where an integer-only read expects a DWORD fails; earlier steps stay applied.
    m_store.WriteInteger("T", "Width", 333);
    m_store.WriteInteger("T", "Visible", 1);
    QWidget bad(&owner, Qt::Window);
    bad.resize(10, 10);
    TMemSettingsStore& s = m_store;
    s.WriteString("T", "Style", "x");  // not a number: default, no failure
    Load(&bad, "T", kPlaceSize | kPlaceStyle);
    EXPECT_EQ(bad.width(), 333);
    EXPECT_FALSE(bad.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(ProgramPaths, KeyAndFolderFollowTheProgramFile) {
    EXPECT_EQ(ProgramFileBaseName("/opt/t/Tastra.exe"), "Tastra");
    EXPECT_EQ(ProgramFileBaseName("/opt/t/Tastra"), "Tastra");
    EXPECT_EQ(ProgramFileBaseName("/opt/t/my.copy.bin"), "my.copy");
    EXPECT_EQ(ProgramFileBaseName("/opt/t.d/.hidden"), ".hidden");
    EXPECT_EQ(ProgramFileBaseName("/opt/t.d/prog"), "prog");

    const std::string renamed = "/opt/tastra/Renamed.bin";
    EXPECT_EQ(ProgramKeyPath(renamed), "Ostrel\\Zorvik's Tastra\\Renamed");
    EXPECT_EQ(SettingsRootPath(renamed), "\\Software\\Ostrel\\Zorvik's Tastra\\Renamed");
    EXPECT_EQ(ProgramFolder(renamed), "/opt/tastra");
    EXPECT_EQ(ProgramFileBaseName(ProgramFilePath()), "tastra_tests");
}
