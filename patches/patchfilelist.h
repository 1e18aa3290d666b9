#pragma once

#include <QModelIndex>
#include <QString>
#include <QTreeView>
#include <functional>
#include <string>

class QFileSystemModel;
class TSettingsStore;

// The folder a request for path really opens: path made absolute against base and cleaned, or
// its nearest ancestor that exists as a folder. Empty when path is empty or nothing of it exists.
QString ExistingFolder(const QString& path, const QString& base = QString());

// A file list in report view (name, size, type, date) over one folder at a time, watched for
// changes. Double click or Enter opens a folder, Backspace goes to the parent folder.
class TPatchFileList : public QTreeView {
public:
    explicit TPatchFileList(QWidget* parent = nullptr);

    // Asks for a folder; the list shows it, or its nearest existing ancestor. A relative path is
    // taken from the folder shown.
    void SetFolder(const QString& folder);
    // The folder last asked for, and the one whose contents are listed (empty before any).
    const QString& Folder() const { return m_folder; }
    const QString& ShownFolder() const { return m_shown; }
    // Lists only files with this extension (without dot), or every file when empty. Folders
    // are always listed.
    void SetExtension(const QString& extension);
    const QString& Extension() const { return m_extension; }

    bool IsFile(const QModelIndex& index) const;
    QString FullPath(const QModelIndex& index) const;
    // The selected item, or an invalid index.
    QModelIndex SelectedItem() const;
    // Selects the item for path when it is listed; returns whether it is.
    bool SelectPath(const QString& path);
    // Reads the folder anew.
    void Refresh();
    QFileSystemModel* Model() const { return m_model; }

    // The view's column widths and sort order, kept under "FileList" in section.
    void LoadSettings(TSettingsStore& store, const std::string& section);
    void SaveSettings(TSettingsStore& store, const std::string& section) const;

    std::function<void(TPatchFileList* sender)> OnFolderChange;
    std::function<void(TPatchFileList* sender)> OnSelectionChange;
    // An item was activated; clearing openFolder keeps the list from opening a folder.
    std::function<void(TPatchFileList* sender, const QModelIndex& index, bool& openFolder)>
        OnActivate;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AttachModel();
    void ShowFolder(const QString& folder);
    void ItemActivated(const QModelIndex& index);

    QFileSystemModel* m_model = nullptr;
    QString m_folder;
    QString m_shown;
    QString m_extension;
};
