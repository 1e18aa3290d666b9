#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QString>
#include <functional>
#include <memory>

#include "platform/settings/settingsstore.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSplitter;
class TPatchFileList;

// Section and value names of the patch set chooser, exactly as stored.
inline constexpr const char* kPatchSetDialogSection = "PatchSetDialog";
inline constexpr const char* kPatchSetDialogPrefix = "Dlg";
inline constexpr const char* kRightPanelWidthValue = "RightPanelWidth";

// The creator line of a script's header: first and last name with a blank between them, or a
// single name when the two are equal (ignoring case), one contains the other, or one is empty.
QString CreatorDisplayName(const QString& first, const QString& last);

// The resizable tool window in which the user browses folders for patch scripts, sees the header
// of the selected one and loads it. It knows nothing of the window that owns it: loading goes
// through OnLoadPatchSet. The window frees itself when closed.
class TPatchSetChooser : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TPatchSetChooser)

public:
    // dataFolder holds the shipped files (see datafolder.h); the chooser opens in its
    // "Patch Sets".
    TPatchSetChooser(TStoreOpener openStore, const QString& dataFolder, QWidget* owner = nullptr);

    // The "Patch Sets" folder in the data folder.
    QString HomeFolder() const { return m_homeFolder; }

    QFrame* NorthPanel = nullptr;
    QLineEdit* EDir = nullptr;
    QPushButton* BDir = nullptr;
    QPushButton* BHome = nullptr;
    TPatchFileList* SystemListView = nullptr;
    QSplitter* MySplitter1 = nullptr;
    QLabel* FilenamePanel = nullptr;
    QFrame* RightPanel = nullptr;
    QLabel* LScriptName = nullptr;
    QLineEdit* EScriptName = nullptr;
    QLabel* LDeviceName = nullptr;
    QLineEdit* EDeviceName = nullptr;
    QLabel* LDeviceManufacturer = nullptr;
    QLineEdit* EDeviceManufacturer = nullptr;
    QLabel* LCreatorName = nullptr;
    QLineEdit* ECreatorName = nullptr;
    QComboBox* CBFileType = nullptr;
    QFrame* ButtonPanel = nullptr;
    QPushButton* BOK = nullptr;
    QPushButton* BCancel = nullptr;
    QPushButton* BApply = nullptr;

    // Loads fileName as the current patch set; returns true when loading failed.
    std::function<bool(const QString& fileName)> OnLoadPatchSet;
    // Asks the user for a folder, starting at start; empty when none is chosen. Tests replace it.
    std::function<QString(const QString& start)> OnPickFolder;

    // Describes the script at path in the header fields; an empty path clears them. The file
    // shown already (compared ignoring case) is not read again.
    void ShowHeader(const QString& path);
    const QString& SelectedFile() const { return m_selectedFile; }
    int RightPanelWidth() const;
    void SetRightPanelWidth(int width);

    void BApplyClick();
    void BOKClick();
    void BCancelClick();
    void BHomeClick();
    void BDirClick();
    void CBFileTypeChange();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateLeftSide(QWidget* left);
    void CreateRightSide(QWidget* right);
    void CreateBottomStrip();
    void ArrangeControls();
    void SetHeaderVisible(bool visible);
    void SystemListViewFolderChange();
    void SystemListViewChange();
    void SystemListViewActivate(bool& openFolder);
    void LoadValues();
    void SaveValues();

    TStoreOpener m_openStore;
    QString m_homeFolder;
    QFrame* m_northBevel = nullptr;
    QFrame* m_filenameBevel = nullptr;
    QString m_confirmedDir;
    QString m_shownHeader = QStringLiteral("dummy");
    QString m_selectedFile;
    bool m_shown = false;
    bool m_closed = false;
};
