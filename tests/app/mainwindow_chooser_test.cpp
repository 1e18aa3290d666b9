#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/errform.h"
#include "app/soundselection.h"
#include "app/tastra.h"
#include "patches/patchfilelist.h"
#include "patches/patchlist.h"
#include "patches/patchsetdialog.h"
#include "platform/settings/settingsstore.h"
#include "support/testwindow.h"

namespace {

// A main window on a virtual device whose program folder is a temporary folder holding the
// "Patch Sets" the chooser opens in.
class MainWindowChooser : public TWindowTest {
protected:
    void SetUp() override {
        out.AddDevice("Synth A");
        dataFolder = dir.path().toStdString();
        QDir(dir.path()).mkdir("Patch Sets");
        first = Write("first.txt",
                      "[script name]First\n[define patchnames]\n[mode]One\n"
                      "[p1, 3, 0]Organ\n[end]\n");
        second = Write("second.txt",
                       "[script name]Second\n[device name]Box\n"
                       "[define patchnames]\n[mode]Two\n[p1, 7, 0]Flute\n[end]\n");
        broken = Write("broken.txt", "[define patchnames]\n[mode]Bad\n[p1, 300, 0]X\n[end]\n");
    }
    QString Write(const QString& name, const QByteArray& body) {
        QFile f(dir.filePath("Patch Sets/" + name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[cubase parse file]\n[parser version 1]\n" + body);
        return QFileInfo(f.fileName()).absoluteFilePath();
    }

    bool Select(TPatchSetChooser* c, const QString& path) {
        return QTest::qWaitFor([&] { return c->SystemListView->SelectPath(path); }, 3000);
    }

    QTemporaryDir dir;
    QList<QStringList>& shownWarnings = prompts.warnings;
    QString first, second, broken;
};

TEST_F(MainWindowChooser, ChosenScriptIsLoadedIntoTheWindowAndABrokenOneKeepsIt) {
    auto w = Start();
    const QList<QAction*> items = w->FindMenu("Patches1")->actions();
    ASSERT_GE(items.size(), 3);
    EXPECT_EQ(items[items.size() - 3], w->FindAction("PatchSetSep"));
    EXPECT_EQ(items[items.size() - 2], w->FindAction("ChoosePatchSet1"));
    EXPECT_EQ(items.last(), w->FindAction("LoadDefaultPatchSet1"));
    EXPECT_EQ(w->FindAction("ChoosePatchSet1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));

    w->FindAction("ChoosePatchSet1")->trigger();
    QPointer<TPatchSetChooser> c = w->Sound().PatchSetChooser();
    ASSERT_FALSE(c.isNull());
    EXPECT_TRUE(c->isVisible());
    // The command again, with the window minimized, brings the same window back.
    c->showMinimized();
    w->FindAction("ChoosePatchSet1")->trigger();
    EXPECT_EQ(w->Sound().PatchSetChooser(), c.data());
    EXPECT_FALSE(c->isMinimized());

    ASSERT_TRUE(Select(c, second));
    EXPECT_EQ(c->EScriptName->text(), "Second");
    EXPECT_EQ(c->EDeviceName->text(), "Box");
    c->BApply->click();
    ASSERT_NE(w->Sound().PatchList(), nullptr);
    EXPECT_EQ(w->Sound().PatchList()->FileName(), second);
    EXPECT_EQ(w->Sound().CurrentModeGroup()->Name(), "Two");
    EXPECT_FALSE(c->BApply->isEnabled());

    // A broken script reports its error and leaves the loaded one in place.
    ASSERT_TRUE(Select(c, broken));
    c->BOK->click();
    EXPECT_EQ(w->Sound().PatchList()->FileName(), second);
    ASSERT_EQ(shownWarnings.size(), 1);
    EXPECT_EQ(shownWarnings[0],
              QStringList{"Line 5: Error: Program number out of bounds (0..127)"});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(c.isNull());
    EXPECT_EQ(w->Sound().PatchSetChooser(), nullptr);

    // A double click on a script loads it as well.
    w->FindAction("ChoosePatchSet1")->trigger();
    c = w->Sound().PatchSetChooser();
    ASSERT_TRUE(Select(c, first));
    emit c->SystemListView->activated(c->SystemListView->currentIndex());
    EXPECT_EQ(w->Sound().PatchList()->FileName(), first);
}

TEST_F(MainWindowChooser, ClosingTheMainWindowClosesTheChooserWhichSavesItself) {
    auto w = Start();
    w->FindAction("ChoosePatchSet1")->trigger();
    QPointer<TPatchSetChooser> c = w->Sound().PatchSetChooser();
    ASSERT_FALSE(c.isNull());
    c->resize(640, 380);
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(c.isNull());
    EXPECT_EQ(store.ReadInteger("PatchSetDialog", "DlgWidth", 0), 640);
}

}  // namespace
