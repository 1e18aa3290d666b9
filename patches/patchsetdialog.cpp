#include "patches/patchsetdialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "patches/patchfilelist.h"
#include "patches/patchlist.h"
#include "platform/settings/placement.h"
#include "platform/settings/settingsstore.h"

namespace {
constexpr int kDesignWidth = 579;
constexpr int kDesignHeight = 333;
constexpr int kRightPanelDesignWidth = 227;
constexpr int kBevel = 4;        // the spacer below the folder line and the file name
constexpr int kFieldOffset = 8;  // left offset of the header fields in their panel
constexpr int kButtonGap = 3;    // between the folder line's buttons
const char* const kPatchScriptExtension = "txt";
const char* const kPatchSetsFolder = "Patch Sets";
const char* const kChooseDirectory = QT_TRANSLATE_NOOP("TPatchSetChooser", "Choose a directory");

// Size, position, maximized state and stay-on-top style. The stored visibility is left out: it
// would hide the window the user has just asked for. The minimized state is left out too: a
// window opened on request comes up minimized otherwise.
constexpr int kPlacementFlags = kPlaceSize | kPlacePosition | kPlaceMaximized | kPlaceStyle;

QFrame* Spacer(QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setFixedHeight(kBevel);
    return f;
}

// A header field: read-only, without border, in the colour of the panel it sits on.
QLineEdit* HeaderField(QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setReadOnly(true);
    e->setFrame(false);
    e->setFocusPolicy(Qt::ClickFocus);
    QPalette p = e->palette();
    p.setColor(QPalette::Base, parent->palette().color(QPalette::Window));
    e->setPalette(p);
    return e;
}
}  // namespace

QString CreatorDisplayName(const QString& first, const QString& last) {
    if (first.isEmpty() || last.isEmpty()) return first.isEmpty() ? last : first;
    if (first.compare(last, Qt::CaseInsensitive) == 0 ||
        first.contains(last, Qt::CaseInsensitive) || last.contains(first, Qt::CaseInsensitive))
        return first;
    return first + QLatin1Char(' ') + last;
}

TPatchSetChooser::TPatchSetChooser(TStoreOpener openStore, const QString& dataFolder,
                                   QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_openStore(std::move(openStore)),
      m_homeFolder(dataFolder + QLatin1Char('/') + QLatin1String(kPatchSetsFolder)) {
    setObjectName(QStringLiteral("PatchSetChooser"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Choose Patch Set"));
    setModal(false);
    setSizeGripEnabled(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    MySplitter1 = new QSplitter(Qt::Horizontal, this);
    MySplitter1->setObjectName(QStringLiteral("MySplitter1"));
    MySplitter1->setChildrenCollapsible(false);
    MySplitter1->setOpaqueResize(true);
    auto* left = new QWidget(MySplitter1);
    auto* right = new QWidget(MySplitter1);
    MySplitter1->addWidget(left);
    MySplitter1->addWidget(right);
    // The file list takes what the window gains; the header panel keeps its width.
    MySplitter1->setStretchFactor(0, 1);
    MySplitter1->setStretchFactor(1, 0);
    layout->addWidget(MySplitter1, 1);
    CreateLeftSide(left);
    CreateRightSide(right);
    CreateBottomStrip();

    resize(kDesignWidth, kDesignHeight);
    MySplitter1->setSizes({kDesignWidth - kRightPanelDesignWidth, kRightPanelDesignWidth});
    ArrangeControls();

    CBFileType->setCurrentIndex(0);
    SystemListView->SetExtension(QString::fromLatin1(kPatchScriptExtension));
    SystemListView->SetFolder(HomeFolder());
    ShowHeader(QString());
}

void TPatchSetChooser::CreateLeftSide(QWidget* left) {
    auto* box = new QVBoxLayout(left);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    NorthPanel = new QFrame(left);
    NorthPanel->setObjectName(QStringLiteral("NorthPanel"));
    NorthPanel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* north = new QVBoxLayout(NorthPanel);
    north->setContentsMargins(0, 0, 0, 0);
    north->setSpacing(0);
    // The folder line fills up to the two buttons at the right edge.
    auto* row = new QHBoxLayout();
    row->setSpacing(kButtonGap);
    EDir = new QLineEdit(NorthPanel);
    EDir->setObjectName(QStringLiteral("EDir"));
    EDir->installEventFilter(this);
    BDir = new QPushButton(QStringLiteral("..."), NorthPanel);
    BDir->setObjectName(QStringLiteral("BDir"));
    BDir->setToolTip(tr(kChooseDirectory));
    BDir->setAutoDefault(false);
    BDir->setFixedWidth(std::max(28, BDir->fontMetrics().horizontalAdvance(BDir->text()) + 12));
    BHome = new QPushButton(tr("Home"), NorthPanel);
    BHome->setObjectName(QStringLiteral("BHome"));
    BHome->setToolTip(tr("Go to Tastra's directory"));
    BHome->setAutoDefault(false);
    row->addWidget(EDir, 1);
    row->addWidget(BDir);
    row->addWidget(BHome);
    north->addLayout(row);
    m_northBevel = Spacer(NorthPanel);
    north->addWidget(m_northBevel);
    box->addWidget(NorthPanel);

    SystemListView = new TPatchFileList(left);
    SystemListView->setObjectName(QStringLiteral("SystemListView"));
    box->addWidget(SystemListView, 1);

    connect(BDir, &QPushButton::clicked, this, [this] { BDirClick(); });
    connect(BHome, &QPushButton::clicked, this, [this] { BHomeClick(); });
    SystemListView->OnFolderChange = [this](TPatchFileList*) { SystemListViewFolderChange(); };
    SystemListView->OnSelectionChange = [this](TPatchFileList*) { SystemListViewChange(); };
    SystemListView->OnActivate = [this](TPatchFileList*, const QModelIndex&, bool& openFolder) {
        SystemListViewActivate(openFolder);
    };
}

void TPatchSetChooser::CreateRightSide(QWidget* right) {
    auto* box = new QVBoxLayout(right);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    FilenamePanel = new QLabel(right);
    FilenamePanel->setObjectName(QStringLiteral("FilenamePanel"));
    FilenamePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    FilenamePanel->setAlignment(Qt::AlignCenter);
    QFont bold = FilenamePanel->font();
    bold.setBold(true);
    FilenamePanel->setFont(bold);
    box->addWidget(FilenamePanel);
    m_filenameBevel = Spacer(right);
    box->addWidget(m_filenameBevel);

    RightPanel = new QFrame(right);
    RightPanel->setObjectName(QStringLiteral("RightPanel"));
    RightPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* fields = new QVBoxLayout(RightPanel);
    // Each field is as wide as the panel less its left offset on both sides.
    fields->setContentsMargins(kFieldOffset, kFieldOffset, kFieldOffset, kFieldOffset);
    fields->setSpacing(2);
    auto pair = [&](const char* caption, const char* name, QLabel*& label, QLineEdit*& edit) {
        label = new QLabel(tr(caption), RightPanel);
        edit = HeaderField(RightPanel);
        edit->setObjectName(QString::fromLatin1(name));
        fields->addWidget(label);
        fields->addWidget(edit);
        fields->addSpacing(6);
    };
    pair(QT_TR_NOOP("Name:"), "EScriptName", LScriptName, EScriptName);
    pair(QT_TR_NOOP("Device Name:"), "EDeviceName", LDeviceName, EDeviceName);
    pair(QT_TR_NOOP("Device Manufacturer:"), "EDeviceManufacturer", LDeviceManufacturer,
         EDeviceManufacturer);
    pair(QT_TR_NOOP("Name of creator:"), "ECreatorName", LCreatorName, ECreatorName);
    fields->addStretch(1);
    box->addWidget(RightPanel, 1);
}

void TPatchSetChooser::CreateBottomStrip() {
    auto* strip = new QHBoxLayout();
    strip->setSpacing(0);
    CBFileType = new QComboBox(this);
    CBFileType->setObjectName(QStringLiteral("CBFileType"));
    CBFileType->addItem(tr("Patch Scripts (*.txt)"));
    CBFileType->addItem(tr("All Files (*.*)"));
    CBFileType->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    strip->addWidget(CBFileType);
    strip->addStretch(1);

    ButtonPanel = new QFrame(this);
    ButtonPanel->setObjectName(QStringLiteral("ButtonPanel"));
    auto* buttons = new QHBoxLayout(ButtonPanel);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(6);
    BOK = new QPushButton(tr("OK"), ButtonPanel);
    BOK->setObjectName(QStringLiteral("BOK"));
    BOK->setDefault(true);
    BCancel = new QPushButton(tr("Cancel"), ButtonPanel);
    BCancel->setObjectName(QStringLiteral("BCancel"));
    BCancel->setAutoDefault(false);
    BApply = new QPushButton(tr("Apply"), ButtonPanel);
    BApply->setObjectName(QStringLiteral("BApply"));
    BApply->setAutoDefault(false);
    for (QPushButton* b : {BOK, BCancel, BApply}) buttons->addWidget(b);
    ButtonPanel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    strip->addWidget(ButtonPanel);
    // The strip's minimum width is where the two just touch: the window gets no narrower.
    static_cast<QVBoxLayout*>(layout())->addLayout(strip);

    connect(CBFileType, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int) { CBFileTypeChange(); });
    connect(BOK, &QPushButton::clicked, this, [this] { BOKClick(); });
    connect(BCancel, &QPushButton::clicked, this, [this] { BCancelClick(); });
    connect(BApply, &QPushButton::clicked, this, [this] { BApplyClick(); });
}

void TPatchSetChooser::ArrangeControls() {
    // The file name panel and its spacer end where the folder line and its spacer end, so that
    // the file list and the header fields start on one line.
    const int north = EDir->sizeHint().height() + m_northBevel->height();
    NorthPanel->setFixedHeight(north);
    FilenamePanel->setFixedHeight(qMax(0, north - m_filenameBevel->height()));
}

void TPatchSetChooser::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    ArrangeControls();
}

int TPatchSetChooser::RightPanelWidth() const { return MySplitter1->sizes().value(1); }

void TPatchSetChooser::SetRightPanelWidth(int width) {
    if (width <= 0) return;
    if (layout()) layout()->activate();
    const int total = MySplitter1->width() - MySplitter1->handleWidth();
    MySplitter1->setSizes({qMax(1, total - width), width});
}

// ---------------------------------------------------------------------------------------------
// Showing and closing

void TPatchSetChooser::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_shown) return;
    m_shown = true;
    LoadValues();
    SystemListView->clearSelection();
    ShowHeader(QString());
    SystemListView->Refresh();
}

void TPatchSetChooser::LoadValues() {
    if (!m_openStore) return;
    try {
        std::unique_ptr<TSettingsStore> store = m_openStore();
        if (!store) return;
        LoadFormPlacement(this, *store, kPatchSetDialogSection, kPlacementFlags,
                          kPatchSetDialogPrefix);
        SetRightPanelWidth(
            store->ReadInteger(kPatchSetDialogSection, kRightPanelWidthValue, RightPanelWidth()));
        SystemListView->LoadSettings(*store, kPatchSetDialogSection);
    } catch (const std::exception&) {
        // Whatever could not be read stays as designed.
    }
}

void TPatchSetChooser::SaveValues() {
    if (!m_openStore) return;
    try {
        std::unique_ptr<TSettingsStore> store = m_openStore();
        if (!store) return;
        SaveFormPlacement(this, *store, kPatchSetDialogSection, kPlacementFlags,
                          kPatchSetDialogPrefix);
        store->WriteInteger(kPatchSetDialogSection, kRightPanelWidthValue, RightPanelWidth());
        SystemListView->SaveSettings(*store, kPatchSetDialogSection);
        // A lost placement is not worth a message of its own: the main window tells the user
        // when its settings cannot be saved.
        store->Flush();
    } catch (const std::exception&) {
    }
}

void TPatchSetChooser::closeEvent(QCloseEvent* event) {
    if (!m_closed) {
        m_closed = true;
        SaveValues();
    }
    event->accept();
}

void TPatchSetChooser::reject() { close(); }

// ---------------------------------------------------------------------------------------------
// Folder line and file list

bool TPatchSetChooser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == EDir) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && EDir->text() != m_confirmedDir) {
                m_confirmedDir = EDir->text();
                SystemListView->SetFolder(m_confirmedDir);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut && !m_closed &&
                   EDir->text() != m_confirmedDir) {
            SystemListView->SetFolder(EDir->text());
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TPatchSetChooser::SystemListViewFolderChange() {
    EDir->setText(QDir::toNativeSeparators(SystemListView->ShownFolder()));
    ShowHeader(QString());
}

void TPatchSetChooser::SystemListViewChange() {
    const QModelIndex item = SystemListView->SelectedItem();
    if (SystemListView->IsFile(item)) {
        FilenamePanel->setText(SystemListView->Model()->fileName(item));
        m_selectedFile = SystemListView->FullPath(item);
        ShowHeader(m_selectedFile);
    } else {
        m_selectedFile.clear();
        ShowHeader(QString());
    }
}

void TPatchSetChooser::SystemListViewActivate(bool& openFolder) {
    const QModelIndex item = SystemListView->currentIndex();
    if (!SystemListView->IsFile(item)) return;  // the list opens the folder
    openFolder = false;
    FilenamePanel->setText(SystemListView->Model()->fileName(item));
    m_selectedFile = SystemListView->FullPath(item);
    ShowHeader(m_selectedFile);
    if (BApply->isEnabled()) BApplyClick();
}

void TPatchSetChooser::BHomeClick() { SystemListView->SetFolder(HomeFolder()); }

void TPatchSetChooser::BDirClick() {
    const QString start = SystemListView->ShownFolder();
    const QString folder =
        OnPickFolder ? OnPickFolder(start)
                     : QFileDialog::getExistingDirectory(this, tr(kChooseDirectory), start);
    if (!folder.isEmpty()) SystemListView->SetFolder(folder);
}

void TPatchSetChooser::CBFileTypeChange() {
    SystemListView->SetExtension(
        CBFileType->currentIndex() == 1 ? QString() : QString::fromLatin1(kPatchScriptExtension));
    // The selected file may no longer be listed.
    SystemListView->clearSelection();
}

// ---------------------------------------------------------------------------------------------
// Header display and loading

void TPatchSetChooser::SetHeaderVisible(bool visible) {
    for (QLabel* l : {LScriptName, LDeviceName, LDeviceManufacturer, LCreatorName})
        l->setVisible(visible);
    BApply->setEnabled(visible);
    BOK->setEnabled(visible);
}

void TPatchSetChooser::ShowHeader(const QString& path) {
    if (path.compare(m_shownHeader, Qt::CaseInsensitive) == 0) return;
    m_shownHeader = path;
    for (QLineEdit* e : {EScriptName, EDeviceName, EDeviceManufacturer, ECreatorName}) e->clear();
    if (path.isEmpty()) {
        SetHeaderVisible(false);
        FilenamePanel->clear();
        return;
    }
    try {
        std::unique_ptr<TPatchList> header = TPatchList::LoadHeaderFromFile(path);
        EScriptName->setText(header->ScriptName);
        EDeviceName->setText(header->DeviceName);
        EDeviceManufacturer->setText(header->DeviceManufacturer);
        ECreatorName->setText(
            CreatorDisplayName(header->CreatorFirstName, header->CreatorLastName));
        SetHeaderVisible(true);
    } catch (const std::exception& e) {
        SetHeaderVisible(false);
        EScriptName->setText(QString::fromStdString(e.what()));
    }
    for (QLineEdit* e : {EScriptName, EDeviceName, EDeviceManufacturer, ECreatorName})
        e->setCursorPosition(0);
}

void TPatchSetChooser::BApplyClick() {
    BApply->setEnabled(false);
    const bool failed = OnLoadPatchSet ? OnLoadPatchSet(m_selectedFile) : true;
    BApply->setEnabled(failed);
}

void TPatchSetChooser::BOKClick() {
    if (BApply->isEnabled()) BApplyClick();
    close();
}

void TPatchSetChooser::BCancelClick() { close(); }
