#include "controls/imgcontrol.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <memory>

#include "controls/movinghint.h"
#include "controls/wheelcontrols.h"
#include "striptestutil.h"

namespace {

// Moves with modifiers held (QTest moves carry none).
void MoveWith(QWidget* w, QPoint pos, Qt::KeyboardModifiers mods) {
    QMouseEvent e(QEvent::MouseMove, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::NoButton,
                  Qt::LeftButton, mods);
    QApplication::sendEvent(w, &e);
}

class ImgControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_host = std::make_unique<QWidget>();
        m_host->resize(300, 300);
        m_wheel = new TFrameImage(m_host.get());
        m_wheel->SetBitmap(MakeStrip(41, 20, 76));
        m_wheel->SetCount(41);
        m_pitch = new TImgControl(m_host.get());
        m_pitch->move(50, 50);
        SetupPitchWheel(*m_pitch, m_wheel);
        m_pitch->OnScroll = [this](QObject*, int& v) { m_scrolled.push_back(v); };
        m_host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_host.get()));
    }

    // A vertical drag on the pitch wheel from its middle, pixel by pixel.
    void DragUp(int pixels, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        const QPoint start(10, 40);
        QTest::mousePress(m_pitch, Qt::LeftButton, mods, start);
        const int step = pixels < 0 ? -1 : 1;
        for (int i = step; i != pixels + step; i += step)
            MoveWith(m_pitch, start - QPoint(0, i), mods);
    }

    std::unique_ptr<QWidget> m_host;
    TFrameImage* m_wheel = nullptr;
    TImgControl* m_pitch = nullptr;
    std::vector<int> m_scrolled;
};

}  // namespace

TEST_F(ImgControlTest, PitchWheelSizesToItsFrameAndRestsInTheMiddle) {
    EXPECT_EQ(m_pitch->size(), QSize(20, 76));
    EXPECT_EQ(m_pitch->FrameIndex(), 20);
    m_pitch->SetPosition(8191);
    EXPECT_EQ(m_pitch->FrameIndex(), 40);
    // What is on screen is the frame's own pixels.
    EXPECT_EQ(m_pitch->grab().toImage().pixelColor(10, 10), FrameColor(40));
    m_pitch->SetPosition(-8192);
    EXPECT_EQ(m_pitch->grab().toImage().pixelColor(10, 10), FrameColor(0));
}

TEST_F(ImgControlTest, DragHonoursTheDetentAndReportsEveryStep) {
    DragUp(5);
    EXPECT_EQ(m_pitch->Position(), 0);
    EXPECT_TRUE(m_scrolled.empty());
    MoveWith(m_pitch, QPoint(10, 40 - 8), Qt::NoModifier);
    EXPECT_EQ(m_pitch->Position(), 288);
    EXPECT_EQ(m_scrolled, std::vector<int>{288});
    QTest::mouseRelease(m_pitch, Qt::LeftButton, Qt::NoModifier, QPoint(10, 32));
    EXPECT_FALSE(m_pitch->IsDragging());
    MoveWith(m_pitch, QPoint(10, 0), Qt::NoModifier);  // no longer dragging
    EXPECT_EQ(m_pitch->Position(), 288);
}

TEST_F(ImgControlTest, ShiftDragIsSixTimesFiner) {
    DragUp(5, Qt::ShiftModifier);
    EXPECT_EQ(m_pitch->Position(), 0);
    MoveWith(m_pitch, QPoint(10, 40 - 6), Qt::ShiftModifier);
    EXPECT_EQ(m_pitch->Position(), 96);
    QTest::mouseRelease(m_pitch, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 34));
}

TEST_F(ImgControlTest, ScrollHandlerMayChangeTheValue) {
    m_pitch->OnScroll = [](QObject*, int& v) { v = 1000; };
    DragUp(8);
    EXPECT_EQ(m_pitch->Position(), 1000);
}

TEST_F(ImgControlTest, SetPositionClampsAndFiresOnlyOnChange) {
    int changes = 0;
    m_pitch->OnChange = [&](QObject*) { ++changes; };
    m_pitch->SetPosition(20000);
    EXPECT_EQ(m_pitch->Position(), 8191);
    EXPECT_EQ(m_pitch->Caption(), "8191");
    m_pitch->SetPosition(8191);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(m_scrolled.empty());
    m_pitch->ChangePosition(-9000);
    EXPECT_EQ(m_scrolled, std::vector<int>{-8192});
    EXPECT_EQ(changes, 2);
}

TEST_F(ImgControlTest, ContradictoryBoundsAreRefused) {
    m_pitch->SetPosition(500);
    m_pitch->SetMax(-9000);
    EXPECT_EQ(m_pitch->Max(), 8191);
    m_pitch->SetMin(9000);
    EXPECT_EQ(m_pitch->Min(), -8192);
    EXPECT_EQ(m_pitch->Position(), 500);
    // A bound pulled over the position takes the position along, without OnScroll.
    m_pitch->SetMax(100);
    EXPECT_EQ(m_pitch->Position(), 100);
    m_pitch->SetMin(200);
    EXPECT_EQ(m_pitch->Min(), -8192);  // above Max: refused
    m_pitch->SetMin(50);
    EXPECT_EQ(m_pitch->Position(), 100);
    m_pitch->SetMin(100);
    m_pitch->SetMax(100);  // Min == Max is allowed
    EXPECT_EQ(m_pitch->FrameIndex(), 0);
    EXPECT_TRUE(m_scrolled.empty());

    m_wheel->SetCount(-1);
    m_wheel->SetWidth(-1);
    m_wheel->SetHeight(-5);
    EXPECT_EQ(m_wheel->Count(), 41);
    EXPECT_EQ(m_wheel->Width(), 20);
    EXPECT_EQ(m_wheel->Height(), 76);
}

TEST_F(ImgControlTest, SpringBackSendsHalvingStepsWithoutUserEvents) {
    std::vector<std::pair<uint8_t, uint8_t>> sent;
    m_pitch->OnMouseUp = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers mods, int, int) {
        SpringBackPitchWheel(*m_pitch, mods, [&](int v) {
            const TShortMessage m = PitchBendMessage(0, v);
            sent.emplace_back(m.data1, m.data2);
        });
    };
    m_pitch->SetPosition(8191);
    QTest::mousePress(m_pitch, Qt::LeftButton, Qt::NoModifier, QPoint(10, 40));
    QTest::mouseRelease(m_pitch, Qt::LeftButton, Qt::NoModifier, QPoint(10, 40));
    ASSERT_EQ(sent.size(), 10u);
    EXPECT_EQ(sent.back(), std::make_pair(uint8_t{0x00}, uint8_t{0x40}));
    EXPECT_EQ(m_pitch->Position(), 0);
    EXPECT_TRUE(m_scrolled.empty());

    sent.clear();
    m_pitch->SetPosition(-5000);
    QTest::mousePress(m_pitch, Qt::LeftButton, Qt::NoModifier, QPoint(10, 40));
    QTest::mouseRelease(m_pitch, Qt::LeftButton, Qt::NoModifier, QPoint(10, 40));
    EXPECT_EQ(sent.size(), 1u);

    sent.clear();
    m_pitch->SetPosition(3000);
    QTest::mousePress(m_pitch, Qt::LeftButton, Qt::ControlModifier, QPoint(10, 40));
    QTest::mouseRelease(m_pitch, Qt::LeftButton, Qt::ControlModifier, QPoint(10, 40));
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(m_pitch->Position(), 3000);
}

TEST_F(ImgControlTest, MovingHintFollowsTheDrag) {
    DragUp(8);
    TMovingHint* hint = m_pitch->MovingHint();
    ASSERT_TRUE(hint->IsShowing());
    EXPECT_EQ(hint->Text(), "Pitch: 288");
    EXPECT_EQ(hint->pos(), m_pitch->mapToGlobal(QPoint(m_pitch->width() + 2, 0)));
    MoveWith(m_pitch, QPoint(10, 40 - 9), Qt::NoModifier);
    EXPECT_EQ(hint->Text(), "Pitch: 384");
    QTest::mouseRelease(m_pitch, Qt::LeftButton, Qt::NoModifier, QPoint(10, 31));
    EXPECT_FALSE(hint->IsShowing());
    m_pitch->SetPosition(0);  // a hidden hint stays hidden
    EXPECT_FALSE(hint->IsShowing());
}

TEST_F(ImgControlTest, EscapeCancelsTheDrag) {
    m_pitch->SetTabStop(true);
    m_pitch->SetPosition(1000);
    m_scrolled.clear();
    DragUp(20);
    EXPECT_NE(m_pitch->Position(), 1000);
    QTest::keyClick(m_pitch, Qt::Key_Escape);
    EXPECT_EQ(m_pitch->Position(), 1000);
    EXPECT_EQ(m_scrolled.back(), 1000);  // the synthesizer follows back
    EXPECT_FALSE(m_pitch->IsDragging());
    EXPECT_FALSE(m_pitch->MovingHint()->IsShowing());
    MoveWith(m_pitch, QPoint(10, 0), Qt::NoModifier);
    EXPECT_EQ(m_pitch->Position(), 1000);
    QTest::mouseRelease(m_pitch, Qt::LeftButton, Qt::NoModifier, QPoint(10, 0));
}

TEST_F(ImgControlTest, KeysStepThroughTheRange) {
    m_pitch->SetTabStop(true);
    m_pitch->setFocus();
    QTest::keyClick(m_pitch, Qt::Key_Up);
    EXPECT_EQ(m_pitch->Position(), 96);
    QTest::keyClick(m_pitch, Qt::Key_Left);
    EXPECT_EQ(m_pitch->Position(), 0);
    QTest::keyClick(m_pitch, Qt::Key_PageDown);
    EXPECT_EQ(m_pitch->Position(), -512);
    QTest::keyClick(m_pitch, Qt::Key_End);
    EXPECT_EQ(m_pitch->Position(), 8191);
    QTest::keyClick(m_pitch, Qt::Key_PageUp);
    EXPECT_EQ(m_pitch->Position(), 8191);
    QTest::keyClick(m_pitch, Qt::Key_Home);
    EXPECT_EQ(m_pitch->Position(), -8192);
    EXPECT_EQ(m_scrolled, (std::vector<int>{96, 0, -512, 8191, -8192}));

    // A key handler can swallow the key; with user control off nothing moves.
    m_pitch->OnKeyDown = [](QObject*, int& key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Up) key = 0;
    };
    QTest::keyClick(m_pitch, Qt::Key_Up);
    EXPECT_EQ(m_pitch->Position(), -8192);
    m_pitch->SetAllowUserControl(false);
    QTest::keyClick(m_pitch, Qt::Key_End);
    DragUp(20);
    QTest::mouseRelease(m_pitch, Qt::LeftButton, Qt::NoModifier, QPoint(10, 20));
    EXPECT_EQ(m_pitch->Position(), -8192);
}

TEST_F(ImgControlTest, RedrawsOnlyWhenTheFrameChanges) {
    struct TPaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter;
    m_pitch->SetPosition(-8192);
    QApplication::processEvents();
    m_pitch->installEventFilter(&counter);
    for (int v = -8192; v <= 8191; ++v) m_pitch->SetPosition(v);
    m_pitch->removeEventFilter(&counter);
    EXPECT_EQ(counter.paints, 40);
    EXPECT_EQ(m_pitch->LastFrameDrawn(), 40);
}

TEST_F(ImgControlTest, ImageSharingAndLifetime) {
    auto* mw = new TImgControl(m_host.get());
    SetupModWheel(*mw, m_wheel);
    EXPECT_EQ(m_wheel->Clients().size(), 2u);
    // The image's own event comes before its clients hear of the change.
    std::vector<QSize> sizesSeen;
    m_wheel->OnChange = [&](QObject*) { sizesSeen.push_back(mw->size()); };
    m_wheel->SetCount(82);
    EXPECT_EQ(sizesSeen, std::vector<QSize>{QSize(20, 76)});
    EXPECT_EQ(mw->size(), QSize(10, 76));
    m_wheel->OnChange = nullptr;

    delete mw;  // a dying control detaches itself
    EXPECT_EQ(m_wheel->Clients().size(), 1u);

    auto* other = new TImgControl(m_host.get());
    other->SetFrameImage(m_wheel);
    delete m_wheel;  // controls outlive their image without it
    EXPECT_EQ(m_pitch->FrameImage(), nullptr);
    EXPECT_EQ(other->FrameImage(), nullptr);
    EXPECT_EQ(other->FrameIndex(), -1);
    m_pitch->SetPosition(100);
    m_pitch->repaint();  // paints without an image
    EXPECT_EQ(m_pitch->Position(), 100);
}

TEST_F(ImgControlTest, CaptionAddsALineUnderTheFrame) {
    m_pitch->SetCaptionShow(true);
    EXPECT_EQ(m_pitch->height(), 76 + m_pitch->fontMetrics().height());
    m_pitch->SetPosition(-8192);
    EXPECT_EQ(m_pitch->Caption(), "-8192");
    m_pitch->SetAutoSize(false);
    m_pitch->SetCaptionShow(false);
    EXPECT_EQ(m_pitch->height(), 76 + m_pitch->fontMetrics().height());
}
