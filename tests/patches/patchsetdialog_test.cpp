#include "patches/patchsetdialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "patches/patchfilelist.h"
#include "platform/settings/settingsstore.h"
#include "support/storeview.h"

namespace {

QByteArray Script(const char* name, const char* first, const char* last) {
    return QByteArray("[cubase parse file]\n[parser version 1]\n[script name]") + name +
           "\n[device name]Dev " + name + "\n[device manufacturer]Maker\n" +
           "[creators first name]" + first + "\n[creators last name]" + last +
           "\n[define patchnames]\n[mode]M\n[p1, 0, 0]P\n[end]\n";
}

class PatchSetChooser : public ::testing::Test {
protected:
    void SetUp() override { QDir(dir.path()).mkdir("Patch Sets"); }
    void TearDown() override {
        if (chooser) chooser->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The chooser's home: "Patch Sets" in the data folder it is given.
    QString Home() const { return dir.filePath("Patch Sets"); }

    QString Write(const QString& name, const QByteArray& text) {
        QFile f(QDir(Home()).filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    }

    TPatchSetChooser* Open() {
        chooser = new TPatchSetChooser([this] { return std::make_unique<TSharedStoreView>(store); },
                                       dir.path());
        chooser->OnLoadPatchSet = [this](const QString& f) {
            loaded << f;
            return loadFails;
        };
        chooser->show();
        return chooser;
    }

    // The list fills in the background: wait until the file is listed, then select it.
    bool Select(const QString& path) {
        return QTest::qWaitFor([&] { return chooser->SystemListView->SelectPath(path); }, 3000);
    }

    QTemporaryDir dir;
    TMemSettingsStore store{true};
    QPointer<TPatchSetChooser> chooser;
    QStringList loaded;
    bool loadFails = false;
};

TEST(PatchSetChooserText, CreatorNameIsShownOnceWhenTheNamesOverlap) {
    EXPECT_EQ(CreatorDisplayName("Ann", "Lee"), "Ann Lee");
    EXPECT_EQ(CreatorDisplayName("Ann", "ANN"), "Ann");
    EXPECT_EQ(CreatorDisplayName("Ann Lee", "lee"), "Ann Lee");
    EXPECT_EQ(CreatorDisplayName("Lee", "Ann Lee"), "Lee");
    EXPECT_EQ(CreatorDisplayName("", "Lee"), "Lee");
    EXPECT_EQ(CreatorDisplayName("Ann", ""), "Ann");
}

TEST(PatchFileListFolder, MissingFoldersFallBackToTheNearestExistingOne) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("sub");
    const QString sub = QDir::cleanPath(dir.filePath("sub"));
    EXPECT_EQ(ExistingFolder(sub + "/gone/deeper"), sub);
    EXPECT_EQ(ExistingFolder("sub", dir.path()), sub);
    EXPECT_EQ(ExistingFolder(sub + "/../sub/"), sub);
    EXPECT_EQ(ExistingFolder("  "), QString());
}

TEST_F(PatchSetChooser, SelectingAFileShowsItsHeaderOrWhyItIsNoScript) {
    const QString a = Write("a.txt", Script("Alpha", "Ann", "Lee"));
    const QString b = Write("b.txt", Script("Beta", "Bo", "bo"));
    const QString notes = Write("notes.txt", "just some text\n");
    Write("other.dat", Script("Hidden", "", ""));
    Open();
    EXPECT_EQ(chooser->EDir->text(), QDir::toNativeSeparators(Home()));
    EXPECT_FALSE(chooser->BOK->isEnabled());
    EXPECT_FALSE(chooser->LScriptName->isVisibleTo(chooser));

    ASSERT_TRUE(Select(a));
    EXPECT_EQ(chooser->FilenamePanel->text(), "a.txt");
    EXPECT_EQ(chooser->SelectedFile(), a);
    EXPECT_EQ(chooser->EScriptName->text(), "Alpha");
    EXPECT_EQ(chooser->EDeviceName->text(), "Dev Alpha");
    EXPECT_EQ(chooser->EDeviceManufacturer->text(), "Maker");
    EXPECT_EQ(chooser->ECreatorName->text(), "Ann Lee");
    EXPECT_TRUE(chooser->LScriptName->isVisibleTo(chooser));
    EXPECT_TRUE(chooser->BOK->isEnabled());
    EXPECT_TRUE(chooser->BApply->isEnabled());

    ASSERT_TRUE(Select(b));
    EXPECT_EQ(chooser->ECreatorName->text(), "Bo");

    ASSERT_TRUE(Select(notes));
    EXPECT_EQ(chooser->EScriptName->text(), "Script is not a Cubase Parse File.");
    EXPECT_EQ(chooser->EDeviceName->text(), "");
    EXPECT_FALSE(chooser->LScriptName->isVisibleTo(chooser));
    EXPECT_FALSE(chooser->BOK->isEnabled());
    EXPECT_FALSE(chooser->BApply->isEnabled());

    // The file shown is not read again, however its name is written.
    ASSERT_TRUE(Select(a));
    Write("a.txt", Script("Changed", "", ""));
    chooser->ShowHeader(a.toUpper());
    EXPECT_EQ(chooser->EScriptName->text(), "Alpha");

    // Only patch scripts are listed until all files are asked for.
    EXPECT_FALSE(chooser->SystemListView->SelectPath(
        QFileInfo(dir.path() + "/Patch Sets/other.dat").absoluteFilePath()));
    chooser->CBFileType->setCurrentIndex(1);
    EXPECT_TRUE(Select(QFileInfo(dir.path() + "/Patch Sets/other.dat").absoluteFilePath()));
    EXPECT_EQ(chooser->EScriptName->text(), "Hidden");
}

TEST_F(PatchSetChooser, ApplyLoadsTheSelectedFileAndOkClosesTheWindow) {
    const QString a = Write("a.txt", Script("Alpha", "Ann", "Lee"));
    const QString b = Write("b.txt", Script("Beta", "Bo", "Lee"));
    Open();
    ASSERT_TRUE(Select(a));
    loadFails = true;
    chooser->BApply->click();
    EXPECT_TRUE(chooser->BApply->isEnabled());  // a failed load may be tried again
    loadFails = false;
    chooser->BApply->click();
    EXPECT_FALSE(chooser->BApply->isEnabled());
    EXPECT_EQ(loaded, (QStringList{a, a}));
    // OK after a successful Apply does not load again; it only closes.
    chooser->BOK->click();
    EXPECT_EQ(loaded.size(), 2);
    EXPECT_FALSE(chooser->isVisible());

    Open();
    ASSERT_TRUE(Select(b));
    chooser->BOK->click();
    EXPECT_EQ(loaded.last(), b);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(chooser.isNull());
}

TEST_F(PatchSetChooser, FolderLineAndButtonsMoveTheList) {
    QDir(Home()).mkdir("Sub");
    const QString sub = QDir::cleanPath(Home() + "/Sub");
    const QString inSub = Write("Sub/s.txt", Script("Sub", "", ""));
    Open();
    chooser->EDir->setFocus();
    chooser->EDir->setText(sub + "/missing");
    QTest::keyClick(chooser->EDir, Qt::Key_Return);
    EXPECT_EQ(chooser->SystemListView->ShownFolder(), sub);
    EXPECT_EQ(chooser->EDir->text(), QDir::toNativeSeparators(sub));
    EXPECT_TRUE(chooser->isVisible());  // Enter went to the folder line, not to OK
    ASSERT_TRUE(Select(inSub));

    chooser->BHome->click();
    EXPECT_EQ(chooser->SystemListView->ShownFolder(), Home());
    EXPECT_EQ(chooser->SelectedFile(), "");
    EXPECT_FALSE(chooser->BOK->isEnabled());

    chooser->OnPickFolder = [&](const QString& start) {
        EXPECT_EQ(start, Home());
        return sub;
    };
    chooser->BDir->click();
    EXPECT_EQ(chooser->SystemListView->ShownFolder(), sub);
}

TEST_F(PatchSetChooser, PlacementAndPanelWidthSurviveReopeningAndTheButtonsNeverOverlap) {
    Open();
    chooser->resize(700, 400);
    chooser->SetRightPanelWidth(300);
    EXPECT_EQ(chooser->RightPanelWidth(), 300);
    chooser->close();
    EXPECT_EQ(store.ReadInteger("PatchSetDialog", "DlgWidth", 0), 700);
    EXPECT_EQ(store.ReadInteger("PatchSetDialog", "RightPanelWidth", 0), 300);
    EXPECT_NE(store.ReadString("PatchSetDialog", "FileList", ""), "");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    Open();
    EXPECT_EQ(chooser->size(), QSize(700, 400));
    EXPECT_EQ(chooser->RightPanelWidth(), 300);

    chooser->resize(60, 400);
    EXPECT_LT(chooser->CBFileType->geometry().right(), chooser->ButtonPanel->geometry().left());
}

}  // namespace
