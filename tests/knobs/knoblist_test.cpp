#include "knobs/knoblist.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <memory>

#include "controls/wheel.h"
#include "knobs/guiknoblist.h"
#include "platform/settings/settingsstore.h"

TEST(KnobListStore, WriteThenReadKeepsEveryKnobAndErasesTheOldSection) {
    TMemSettingsStore store;
    store.WriteString("P", "Caption9", "stale");
    TKnobList list;
    list.Add("Volume", 7, 0, 100);
    list.Add("Pan", 10, 1, 64);
    list.WriteToIni(store, "P");
    EXPECT_EQ(store.ReadSection("P"),
              std::vector<std::string>({"Caption1", "DisplayMode1", "DefaultValue1", "IUser1",
                                        "Caption2", "DisplayMode2", "DefaultValue2", "IUser2"}));
    TKnobList back;
    back.Add("Old", 1, 0, 0);
    back.ReadFromIni(store, "P");
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.Caption(1), "Pan");
    EXPECT_EQ(back.Controller(1), 10);
    EXPECT_EQ(back.DisplayMode(1), 1);
    EXPECT_EQ(back.DefaultValue(1), 64);
}

TEST(KnobListStore, StoredListEndsAtEmptyCaptionBadModeOrTwentyKnobs) {
    TMemSettingsStore store;
    for (int n = 1; n <= 25; ++n) {
        store.WriteString("A", "Caption" + std::to_string(n), "K");
        store.WriteInteger("A", "DisplayMode" + std::to_string(n), 0);
    }
    TKnobList list;
    list.ReadFromIni(store, "A");
    EXPECT_EQ(list.Count(), 20);
    EXPECT_EQ(list.Add("one more", 1, 0, 0), 20);
    store.DeleteKey("A", "DisplayMode3");  // a missing mode ends the list
    list.ReadFromIni(store, "A");
    EXPECT_EQ(list.Count(), 2);
    store.WriteInteger("A", "DisplayMode3", 128);
    store.WriteInteger("A", "IUser1", 300);  // never sent as a data byte
    list.ReadFromIni(store, "A");
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Controller(0), 127);
    store.WriteString("A", "Caption1", "");
    list.ReadFromIni(store, "A");
    EXPECT_EQ(list.Count(), 0);
}

TEST(KnobListStore, AssignDropsUnnamedKnobsAndPresetNamesSkipReservedOnes) {
    TKnobList source;
    source.Add("A", 1, 0, 0);
    source.Add("", 2, 0, 0);
    source.Add("C", 3, 2, 5);
    TKnobList copy;
    copy.Assign(source);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.Caption(1), "C");

    TMemSettingsStore presets;
    for (const char* s : {"Rock", "default", "CURRENT", "Jazz"}) presets.WriteString(s, "x", "1");
    auto open = [&] {
        auto m = std::make_unique<TMemSettingsStore>();
        for (const auto& sec : presets.Sections()) m->WriteString(sec.name, "x", "1");
        return std::unique_ptr<TSettingsStore>(std::move(m));
    };
    EXPECT_EQ(TKnobList::ReadPresetNames(open), std::vector<std::string>({"Rock", "Jazz"}));
    EXPECT_TRUE(TKnobList::ReadPresetNames({}).empty());
}

TEST(Snapshots, ValueStringKeepsFirstKnobPerControllerAndDecodesPairs) {
    EXPECT_EQ(SnapshotValueString({{7, 100}, {10, 64}, {7, 5}}), "07640A40");
    using P = std::vector<std::pair<int, int>>;
    EXPECT_EQ(DecodeSnapshot("07640a40"), P({{7, 100}, {10, 64}}));
    EXPECT_EQ(DecodeSnapshot("0764 0A40"), P({{7, 100}}));  // stops at the first non-digit
    EXPECT_EQ(DecodeSnapshot("07640A"), P({{7, 100}}));     // an unpaired byte is ignored
    EXPECT_EQ(DecodeSnapshot("0764G"), P({{7, 100}}));
    EXPECT_TRUE(DecodeSnapshot("").empty());
}

TEST(KnobTexts, ValueHintAndColumnWidth) {
    QString t;
    ASSERT_TRUE(TGUIKnobList::ValueText(1, 64, t));
    EXPECT_EQ(t, "+0");
    TGUIKnobList::ValueText(1, 0, t);
    EXPECT_EQ(t, "-64");
    TGUIKnobList::ValueText(1, 127, t);
    EXPECT_EQ(t, "+63");
    EXPECT_FALSE(TGUIKnobList::ValueText(2, 5, t));
    EXPECT_EQ(TGUIKnobList::HintText(0, 100, "Volume"), "100: Volume");
    EXPECT_EQ(TGUIKnobList::HintText(1, 64, "Pan"), "+0: Pan");
    EXPECT_EQ(TGUIKnobList::ColumnWidth(300, 5, 27), 100);
    EXPECT_EQ(TGUIKnobList::ColumnWidth(300, 1, 27), 108);
    EXPECT_EQ(TGUIKnobList::ColumnWidth(20, 4, 27), 27);
}

class GUIKnobListTest : public ::testing::Test {
protected:
    void SetUp() override {
        host = std::make_unique<QWidget>();
        host->resize(600, 100);
        caption = new QLabel(host.get());
        caption->setGeometry(0, 7, 43, 11);
        value = new QLabel(host.get());
        value->setGeometry(28, 33, 22, 11);
        knob = new TWheel(host.get());
        knob->SetBounds(0, 17, 27, 27);
        knob->SetPositionMax(127);
        list = std::make_unique<TGUIKnobList>(caption, value, knob);
        list->OnKnobChange = [this](TGUIKnobList*, int c, int v) { sent.emplace_back(c, v); };
        list->SetArea(10, 300);
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    }

    std::unique_ptr<QWidget> host;
    QLabel* caption = nullptr;
    QLabel* value = nullptr;
    TWheel* knob = nullptr;
    std::unique_ptr<TGUIKnobList> list;
    std::vector<std::pair<int, int>> sent;
};

TEST_F(GUIKnobListTest, KnobsStandInTwoRowsAndClearFreesTheCopies) {
    for (int i = 0; i < 5; ++i) list->Add(QStringLiteral("K%1").arg(i), i, 0, 10 * i);
    EXPECT_EQ(list->Entry(0)->Knob, knob);
    EXPECT_EQ(list->Entry(4)->Knob->pos(), QPoint(210, 17));
    EXPECT_EQ(list->Entry(3)->Knob->pos(), QPoint(110, 17 + 39));
    EXPECT_EQ(list->Entry(3)->CaptionLabel->geometry(), QRect(110, 7 + 39, 98, 11));
    EXPECT_EQ(list->Entry(3)->ValueLabel->text(), "30");
    EXPECT_EQ(list->Entry(3)->ValueLabel->geometry().bottom(),
              list->Entry(3)->Knob->geometry().bottom());
    EXPECT_TRUE(list->Entry(3)->ValueLabel->isVisible());
    EXPECT_FALSE(list->Entry(3)->Knob->ShowTrackHint());
    QPointer<TWheel> copy = list->Entry(4)->Knob.data();
    list->Clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(copy.isNull());
    EXPECT_FALSE(knob->isVisible());
    EXPECT_FALSE(caption->isVisible());
}

TEST_F(GUIKnobListTest, NarrowColumnsHideValueLabelsAndShowTheHintInstead) {
    list->SetArea(10, 60);
    for (int i = 0; i < 4; ++i) list->Add("K", i, 0, 0);
    EXPECT_FALSE(list->Entry(1)->ValueLabel->isVisible());
    EXPECT_TRUE(list->Entry(1)->Knob->ShowTrackHint());
}

TEST_F(GUIKnobListTest, DragSendsEachMoveDoubleClickResetsAndSharedControllersFollow) {
    list->Add("Volume", 7, 0, 100);
    list->Add("Vol 2", 7, 1, 50);
    list->Add("Pan", 10, 1, 64);
    EXPECT_EQ(list->Entry(2)->ValueLabel->text(), "+0");
    TWheel* k = list->Entry(0)->Knob;
    QTest::mousePress(k, Qt::LeftButton, {}, QPoint(13, 13));
    QMouseEvent move(QEvent::MouseMove, QPointF(20, 10), QPointF(k->mapToGlobal(QPoint(20, 10))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(k, &move);
    QTest::mouseRelease(k, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(sent, (std::vector<std::pair<int, int>>{{7, 100}, {7, 103}}));

    list->ShowControllerValue(7, 20);  // what the send path reflects
    EXPECT_EQ(list->KnobPosition(0), 20);
    EXPECT_EQ(list->KnobPosition(1), 20);
    EXPECT_EQ(list->Entry(1)->ValueLabel->text(), "-44");
    EXPECT_EQ(list->KnobPosition(2), 64);
    EXPECT_EQ(sent.size(), 2u);  // reflected values are not sent again

    sent.clear();
    QTest::mouseDClick(list->Entry(2)->CaptionLabel, Qt::LeftButton);
    list->SetKnobPosition(1, 90);
    QTest::mouseDClick(list->Entry(1)->ValueLabel, Qt::LeftButton);
    EXPECT_EQ(sent, (std::vector<std::pair<int, int>>{{10, 64}, {7, 50}}));
    EXPECT_EQ(list->KnobPosition(1), 50);
}

TEST_F(GUIKnobListTest, KeysOnAFocusedKnobSendWhatTheyChanged) {
    list->Add("Volume", 7, 0, 100);
    knob->setFocus();
    QTest::keyClick(knob, Qt::Key_PageUp);
    QTest::keyClick(knob, Qt::Key_End);
    EXPECT_EQ(sent, (std::vector<std::pair<int, int>>{{7, 110}, {7, 127}}));
    QTest::keyClick(knob, Qt::Key_End);  // already there: nothing new to send
    EXPECT_EQ(sent.size(), 2u);
}
