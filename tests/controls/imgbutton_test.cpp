#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "controls/imgcontrol.h"
#include "controls/screencolor.h"
#include "controls/wheelcontrols.h"
#include "striptestutil.h"

namespace {

class ImgButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_host = std::make_unique<QWidget>();
        m_host->resize(200, 200);
        m_arrow = new TFrameImage(m_host.get());
        m_arrow->SetButton(true);
        m_arrow->SetBitmap(MakeStrip(2, 16, 76));
        m_arrow->SetCount(2);
        m_button = new TImgControl(m_host.get());
        m_button->move(20, 20);
        SetupLeftArrow(*m_button, m_arrow);
        m_button->OnButtonClick = [this](QObject*) { ++m_clicks; };
        m_button->OnScroll = [this](QObject*, int& v) { m_scrolled.push_back(v); };
        m_host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_host.get()));
    }

    void Press(QPoint p = QPoint(8, 30)) {
        QTest::mousePress(m_button, Qt::LeftButton, Qt::NoModifier, p);
    }
    void Release(QPoint p = QPoint(8, 30)) {
        QTest::mouseRelease(m_button, Qt::LeftButton, Qt::NoModifier, p);
    }
    void Move(QPoint p) { QTest::mouseMove(m_button, p); }

    std::unique_ptr<QWidget> m_host;
    TFrameImage* m_arrow = nullptr;
    TImgControl* m_button = nullptr;
    int m_clicks = 0;
    std::vector<int> m_scrolled;
};

}  // namespace

TEST_F(ImgButtonTest, PressedOnlyWhileThePointerIsInside) {
    m_button->SetAutoRepeat(false);
    Press();
    EXPECT_EQ(m_button->Position(), 1);
    EXPECT_EQ(m_button->grab().toImage().pixelColor(8, 30), FrameColor(1));
    Move(QPoint(30, 30));  // outside the 16-pixel frame
    EXPECT_EQ(m_button->Position(), 0);
    Move(QPoint(15, 75));
    EXPECT_EQ(m_button->Position(), 1);
    Release(QPoint(15, 75));
    EXPECT_EQ(m_button->Position(), 0);
    EXPECT_EQ(m_clicks, 1);
    EXPECT_EQ(m_scrolled, (std::vector<int>{1, 0, 1, 0}));

    Press();
    Move(QPoint(16, 30));
    Release(QPoint(16, 30));  // let go outside: no click
    EXPECT_EQ(m_clicks, 1);
    EXPECT_EQ(m_button->Position(), 0);

    QTest::mousePress(m_button, Qt::RightButton, Qt::NoModifier, QPoint(8, 30));
    QTest::mouseRelease(m_button, Qt::RightButton, Qt::NoModifier, QPoint(8, 30));
    EXPECT_EQ(m_clicks, 1);  // only the left button plays
}

TEST_F(ImgButtonTest, TwoStateButtonToggles) {
    m_arrow->SetTwoState(true);
    Press();
    EXPECT_EQ(m_button->Position(), 1);
    Move(QPoint(40, 30));
    EXPECT_EQ(m_button->Position(), 0);  // back to its start while outside
    Move(QPoint(8, 30));
    Release();
    EXPECT_EQ(m_button->Position(), 1);  // stays down
    EXPECT_EQ(m_clicks, 1);
    Press();
    Release();
    EXPECT_EQ(m_button->Position(), 0);
    EXPECT_EQ(m_clicks, 2);
    EXPECT_EQ(m_button->RepeatTimer(), nullptr);  // toggling buttons never repeat
}

TEST_F(ImgButtonTest, AutoRepeatClicksUntilReleased) {
    m_button->SetAutoRepeatInitDelay(30);
    m_button->SetAutoRepeatDelay(5);
    Press();
    EXPECT_EQ(m_clicks, 1);  // at once on the press
    ASSERT_NE(m_button->RepeatTimer(), nullptr);
    EXPECT_EQ(m_button->RepeatTimer()->interval(), 30);
    Move(QPoint(60, 30));  // repeating goes on outside the button
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_clicks >= 4; }, 5000));
    EXPECT_EQ(m_button->RepeatTimer()->interval(), 5);
    Move(QPoint(8, 30));
    const int clicks = m_clicks;  // the release itself adds no click
    Release();
    EXPECT_FALSE(m_button->RepeatTimer()->isActive());
    QTest::qWait(40);
    EXPECT_EQ(m_clicks, clicks);
    EXPECT_EQ(m_button->Position(), 0);

    Press();  // a new press starts again with the first delay
    EXPECT_EQ(m_button->RepeatTimer()->interval(), 30);
    QTest::keyClick(m_button, Qt::Key_Escape);
    EXPECT_FALSE(m_button->RepeatTimer()->isActive());
    Release();
}

TEST_F(ImgButtonTest, SpaceWorksTheButton) {
    m_button->SetAutoRepeat(false);
    m_button->setFocus();
    QTest::keyPress(m_button, Qt::Key_Space);
    EXPECT_EQ(m_button->Position(), 1);
    QTest::keyRelease(m_button, Qt::Key_Space);
    EXPECT_EQ(m_button->Position(), 0);
    EXPECT_EQ(m_clicks, 1);
    QTest::keyClick(m_button, Qt::Key_Up);  // slider keys do nothing to a button
    EXPECT_EQ(m_button->Position(), 0);

    m_arrow->SetTwoState(true);
    QTest::keyClick(m_button, Qt::Key_Space);
    EXPECT_EQ(m_button->Position(), 1);
    QTest::keyClick(m_button, Qt::Key_Space);
    EXPECT_EQ(m_button->Position(), 0);
    EXPECT_EQ(m_clicks, 3);
}

TEST(FrameImage, DrawsTheRightFrameWithSeparatorsAndTheCrossWhenEmpty) {
    TFrameImage img;
    img.SetSeparatorSize(3);
    img.SetOrientation(TScrollKind::sbVertical);
    img.SetBitmap(MakeStrip(4, 10, 12, 3, true));
    img.SetCount(4);
    EXPECT_EQ(img.Width(), 10);
    EXPECT_EQ(img.Height(), 12);
    QImage target(10, 12, QImage::Format_RGB32);
    QPainter p(&target);
    img.Draw(p, 3, 0, 0, 10, 12);
    EXPECT_EQ(target.pixelColor(0, 0), FrameColor(3));
    EXPECT_EQ(target.pixelColor(9, 11), FrameColor(3));

    target.fill(Qt::white);
    img.SetAlwaysDisplayEmpty(true);
    p.setPen(Qt::black);
    img.Draw(p, 3, 0, 0, 10, 12);
    p.end();
    EXPECT_EQ(target.pixelColor(0, 0), QColor(Qt::black));  // the cross's corners
    EXPECT_EQ(target.pixelColor(0, 11), QColor(Qt::black));
    EXPECT_EQ(target.pixelColor(5, 1), QColor(Qt::white));
}

TEST(FrameImage, StripsLoadByScreenDepthAndKeepTheOldBitmapOnFailure) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString full = dir.filePath("full.png");
    const QString pal = dir.filePath("pal.png");
    ASSERT_TRUE(MakeStrip(41, 20, 76).save(full));
    QImage palette = MakeStrip(41, 20, 76);
    palette.invertPixels();  // same size, told apart by colour
    ASSERT_TRUE(palette.save(pal));

    SetScreenColorBits(8);
    TFrameImage img;
    img.BeginLoad();
    img.SetWidth(20);
    img.SetHeight(76);
    img.SetResBitmap(full);
    img.SetResBitmap256(pal);
    EXPECT_TRUE(img.Bitmap().isNull());  // nothing loads before the end of loading
    img.EndLoad();
    EXPECT_EQ(img.Bitmap().pixelColor(0, 0), palette.pixelColor(0, 0));
    EXPECT_EQ(img.Count(), 41);

    TImgControl a, b;
    a.SetFrameImage(&img);
    b.SetFrameImage(&img);
    ApplyDisplayChange(24, QList<TImgControlBase*>{&a, &b});
    EXPECT_EQ(ScreenColorBits(), 24);
    EXPECT_EQ(img.Bitmap().pixelColor(0, 0), FrameColor(0));
    EXPECT_EQ(img.Count(), 41);

    img.SetResBitmap(dir.filePath("missing.png"));
    img.SetResBitmap(QStringLiteral("NOSUCHSTRIP"));
    EXPECT_EQ(img.Bitmap().pixelColor(0, 0), FrameColor(0));  // failure keeps the old one
    img.SetResBitmap(pal);                                    // loads at once outside loading
    EXPECT_EQ(img.Bitmap().pixelColor(0, 0), palette.pixelColor(0, 0));
    img.SetResBitmap(full);
    ApplyDisplayChange(16, QList<TImgControlBase*>{&a});  // no crossing: nothing reloads
    img.SetBitmap(palette);
    ApplyDisplayChange(32, QList<TImgControlBase*>{&a});
    EXPECT_EQ(img.Bitmap().pixelColor(0, 0), palette.pixelColor(0, 0));
    ApplyDisplayChange(8, QList<TImgControlBase*>{&a});
    ApplyDisplayChange(24, QList<TImgControlBase*>{&a});  // crossing back up: full strip
    EXPECT_EQ(img.Bitmap().pixelColor(0, 0), FrameColor(0));
    EXPECT_EQ(StripResourcePath("WHEEL"), ":/strips/WHEEL.png");
    ResetScreenColorBits();
}
