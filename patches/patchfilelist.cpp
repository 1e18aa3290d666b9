#include "patches/patchfilelist.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>

#include "platform/settings/settingsstore.h"

namespace {
const char* const kFileListValue = "FileList";
}  // namespace

QString ExistingFolder(const QString& path, const QString& base) {
    if (path.trimmed().isEmpty()) return QString();
    const QFileInfo asked = QDir::isRelativePath(path) && !base.isEmpty()
                                ? QFileInfo(QDir(base), path)
                                : QFileInfo(path);
    QString folder = QDir::cleanPath(asked.absoluteFilePath());
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QDir::cleanPath(QFileInfo(folder).path());
        if (parent == folder) return QString();
        folder = parent;
    }
    return folder;
}

TPatchFileList::TPatchFileList(QWidget* parent) : QTreeView(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(true);
    header()->setSortIndicator(0, Qt::AscendingOrder);
    connect(this, &QTreeView::activated, this,
            [this](const QModelIndex& index) { ItemActivated(index); });
}

void TPatchFileList::AttachModel() {
    // A fresh model reads the folder anew; the columns keep their widths and sort order.
    const QByteArray headerState = header()->saveState();
    QFileSystemModel* old = m_model;
    QItemSelectionModel* oldSelection = selectionModel();
    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setNameFilterDisables(false);
    if (!m_extension.isEmpty()) m_model->setNameFilters({QStringLiteral("*.") + m_extension});
    m_model->setReadOnly(true);
    m_model->setRootPath(m_shown);
    setModel(m_model);
    if (old) header()->restoreState(headerState);
    sortByColumn(header()->sortIndicatorSection(), header()->sortIndicatorOrder());
    setRootIndex(m_model->index(m_shown));
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (OnSelectionChange) OnSelectionChange(this);
    });
    delete oldSelection;
    delete old;
}

void TPatchFileList::ShowFolder(const QString& folder) {
    m_shown = folder;
    if (!m_model) {
        AttachModel();
        return;
    }
    m_model->setRootPath(folder);
    setRootIndex(m_model->index(folder));
}

void TPatchFileList::SetFolder(const QString& folder) {
    m_folder = folder;
    // A folder that does not exist leaves the list in its nearest existing ancestor; a request
    // that leads nowhere still reports the folder shown, so that a caller's text is put right.
    const QString real = ExistingFolder(folder, m_shown);
    const QString target = real.isEmpty() ? m_shown : real;
    if (target.isEmpty()) return;
    if (target == m_shown && QDir::cleanPath(folder) == m_shown) return;
    if (selectionModel()) selectionModel()->clear();
    if (target != m_shown) ShowFolder(target);
    if (OnFolderChange) OnFolderChange(this);
}

void TPatchFileList::SetExtension(const QString& extension) {
    if (extension == m_extension) return;
    m_extension = extension;
    if (!m_model) return;
    if (m_extension.isEmpty())
        m_model->setNameFilters({});
    else
        m_model->setNameFilters({QStringLiteral("*.") + m_extension});
}

bool TPatchFileList::IsFile(const QModelIndex& index) const {
    return m_model && index.isValid() && index.model() == m_model && !m_model->isDir(index);
}

QString TPatchFileList::FullPath(const QModelIndex& index) const {
    if (!m_model || !index.isValid() || index.model() != m_model) return QString();
    return m_model->filePath(index);
}

QModelIndex TPatchFileList::SelectedItem() const {
    if (!selectionModel()) return QModelIndex();
    const QModelIndexList rows = selectionModel()->selectedRows(0);
    return rows.isEmpty() ? QModelIndex() : rows.first();
}

bool TPatchFileList::SelectPath(const QString& path) {
    if (!m_model) return false;
    const QModelIndex index = m_model->index(path);
    if (!index.isValid() || index.parent() != rootIndex()) return false;
    // The model knows files its filter hides; those are not listed.
    if (!m_model->isDir(index) && !m_extension.isEmpty() &&
        m_model->fileInfo(index).suffix().compare(m_extension, Qt::CaseInsensitive) != 0)
        return false;
    setCurrentIndex(index);
    selectionModel()->select(index,
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    return true;
}

void TPatchFileList::Refresh() {
    if (m_model) AttachModel();
}

void TPatchFileList::LoadSettings(TSettingsStore& store, const std::string& section) {
    const std::string hex = store.ReadString(section, kFileListValue, std::string());
    if (hex.empty()) return;
    const QByteArray state = QByteArray::fromHex(QByteArray::fromStdString(hex));
    // Stored columns that do not fit this list leave it as it is.
    if (header()->restoreState(state) && m_model)
        sortByColumn(header()->sortIndicatorSection(), header()->sortIndicatorOrder());
}

void TPatchFileList::SaveSettings(TSettingsStore& store, const std::string& section) const {
    store.WriteString(section, kFileListValue, header()->saveState().toHex().toStdString());
}

void TPatchFileList::ItemActivated(const QModelIndex& index) {
    if (!index.isValid()) return;
    bool openFolder = true;
    if (OnActivate) OnActivate(this, index, openFolder);
    if (openFolder && m_model && index.model() == m_model && m_model->isDir(index))
        SetFolder(FullPath(index));
}

void TPatchFileList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Backspace && event->modifiers() == Qt::NoModifier &&
        !m_shown.isEmpty()) {
        const QString parent = QDir::cleanPath(QFileInfo(m_shown).path());
        if (parent != m_shown) SetFolder(parent);
        return;
    }
    QTreeView::keyPressEvent(event);
    // Enter has activated the item; it must not also press the window's default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) event->accept();
}
