#include "keyboard/keymapeditor.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "keyboard/keyboard.h"
#include "keyboard/keylabels.h"
#include "keyboard/vkedit.h"
#include "platform/keys/keylegends.h"

namespace {

enum { kKeyColumn, kNoteColumn };

// A row sorts by the scan code under the key column (the keyboard's order) and by the note
// under the note column, not by their texts.
class TMappingItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : kKeyColumn;
        const int a = data(column, Qt::UserRole).toInt();
        const int b = other.data(column, Qt::UserRole).toInt();
        if (a != b) return a < b;
        return data(kKeyColumn, Qt::UserRole).toInt() <
               other.data(kKeyColumn, Qt::UserRole).toInt();
    }
};

}  // namespace

keymap::TKeyMap KeyMapOfTable(const scanmap::TScanMap& table, const QString& name) {
    keymap::TKeyMap map{name, {}};
    for (int s = keymap::kFirstScanCode; s <= keymap::kLastScanCode && s < scanmap::kMapSize; ++s)
        if (table[s] >= keymap::kLowestOffset && table[s] <= keymap::kHighestOffset)
            map.keys[s] = table[s];
    return map;
}

TKeyMapEditor::TKeyMapEditor(TKeyMapEditorHost host, const QString& path,
                             const keymap::TKeyMap& start, QWidget* owner)
    : QDialog(owner, Qt::Tool), m_host(std::move(host)), m_path(path), m_map(start) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("KeyMapEditor"));
    setWindowTitle(tr("Key Map Editor"));
    if (!m_host.error)
        m_host.error = [this](const QString& text) {
            QMessageBox::warning(this, windowTitle(), text);
        };
    if (!m_host.chooseSaveFile)
        m_host.chooseSaveFile = [this](const QString& startPath) {
            return QFileDialog::getSaveFileName(this, tr("Save Key Map"), startPath,
                                                tr("Key maps (*.ini);;All files (*)"));
        };

    auto* intro =
        new QLabel(tr("Press a computer key, then click the piano key it should play. The piano "
                      "shows which computer keys play each note; offsets count from the C the "
                      "octave keys (F3, F4) move."),
                   this);
    intro->setWordWrap(true);
    EName = new QLineEdit(m_map.name, this);
    auto* nameLabel = new QLabel(tr("&Name:"), this);
    nameLabel->setBuddy(EName);
    VKKey = new TVKEdit(this);
    VKKey->CaptureOneKey(
        [](int scan) { return scan >= keymap::kFirstScanCode && scan <= keymap::kLastScanCode; });
    auto* keyLabel = new QLabel(tr("&Computer key:"), this);
    keyLabel->setBuddy(VKKey);
    LKeyNote = new QLabel(this);
    BRemove = new QPushButton(tr("&Remove Key"), this);

    m_table.fill(scanmap::kNoNote);
    m_player = std::make_unique<TNotePlayer>(&m_table);
    m_player->SetKeyOctave(m_host.keyOctave);
    Piano = new TKeyboard(*m_player, this);
    Piano->SetTabStop(false);  // clicks leave the focus in the key field
    TPlayOptions options = Piano->PlayOptions();
    options.specialMode = false;
    options.baseNoteDrag = false;
    Piano->SetPlayOptions(options);
    // Tall enough for a note name under the legends of several computer keys.
    Piano->SetKeyWidth(18);
    Piano->setMinimumSize(18 * 7 * 4, 140);
    TKeyLook look = Piano->Look();
    look.labels = klCKeys;
    look.legends = true;
    Piano->SetLook(look);
    Piano->Keys().SetKeyLegends(m_host.legends);
    Piano->OnMousePress = [this](TKeyboard*, int& note, Qt::MouseButton, Qt::KeyboardModifiers) {
        AssignNote(note);
        note = -1;  // the editor's piano chooses notes, it plays none
    };

    LVMappings = new QTreeWidget(this);
    LVMappings->setObjectName(QStringLiteral("LVMappings"));
    LVMappings->setHeaderLabels({tr("Key"), tr("Note")});
    LVMappings->setRootIsDecorated(false);
    LVMappings->setSortingEnabled(true);
    LVMappings->sortByColumn(kNoteColumn, Qt::AscendingOrder);
    LVMappings->setEditTriggers(QAbstractItemView::DoubleClicked |
                                QAbstractItemView::EditKeyPressed);
    LVMappings->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    LVMappings->setMinimumWidth(LVMappings->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 14);
    connect(LVMappings, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item && !m_showingMappings) ChooseKey(item->data(kKeyColumn, Qt::UserRole).toInt());
    });
    connect(LVMappings, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* item, int column) { MappingEdited(item, column); });

    BSave = new QPushButton(tr("&Save"), this);
    BSaveAs = new QPushButton(tr("Save &As..."), this);
    BClose = new QPushButton(tr("Close"), this);
    connect(BRemove, &QPushButton::clicked, this, [this] { BRemoveClick(); });
    connect(BSave, &QPushButton::clicked, this, [this] { BSaveClick(); });
    connect(BSaveAs, &QPushButton::clicked, this, [this] { BSaveAsClick(); });
    connect(BClose, &QPushButton::clicked, this, &QDialog::close);
    connect(EName, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_map.name = text.trimmed();
        m_modified = true;
    });
    VKKey->Sequence().OnChange = [this, old = VKKey->Sequence().OnChange](TKeySequence* s) {
        if (old) old(s);
        ShowKeyNote();
    };

    auto* grid = new QGridLayout;
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(EName, 0, 1, 1, 2);
    grid->addWidget(keyLabel, 1, 0);
    grid->addWidget(VKKey, 1, 1);
    grid->addWidget(BRemove, 1, 2);
    grid->addWidget(LKeyNote, 2, 1, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BSave);
    buttons->addWidget(BSaveAs);
    buttons->addWidget(BClose);
    auto* main = new QVBoxLayout(this);
    main->addWidget(intro);
    main->addLayout(grid);
    auto* middle = new QHBoxLayout;
    middle->addWidget(Piano, 1);
    middle->addWidget(LVMappings);
    main->addLayout(middle, 1);
    main->addLayout(buttons);

    MapChanged();
    m_modified = false;
    ShowKeyNote();
    // Middle C a little left of the middle.
    Piano->SetBaseNote(12 * m_host.keyOctave - 12);
    VKKey->setFocus();
}

TKeyMapEditor::~TKeyMapEditor() {
    // The piano reads the player, which goes before the dialog's children do.
    delete Piano;
    Piano = nullptr;
}

void TKeyMapEditor::MapChanged() {
    m_player->UseKeyMap(scanmap::MapOfKeys(m_map.keys));
    m_modified = true;
    Piano->update();
    ShowMappings();
    ShowKeyNote();
}

QString TKeyMapEditor::KeyText(int scan) const {
    const QString legend = m_host.legends ? m_host.legends->Legend(scan) : QString();
    return legend.isEmpty() ? tr("Key %1").arg(scan) : legend;
}

void TKeyMapEditor::ShowMappings() {
    m_showingMappings = true;
    const int current = VKKey->KeyScanCode();
    LVMappings->setSortingEnabled(false);
    LVMappings->clear();
    for (const auto& [scan, offset] : m_map.keys) {
        const int note = 12 * m_host.keyOctave + offset;
        auto* item = new TMappingItem(LVMappings);
        item->setText(kKeyColumn, KeyText(scan));
        item->setData(kKeyColumn, Qt::UserRole, scan);
        item->setText(kNoteColumn,
                      note >= 0 && note <= 127 ? Piano->Names().NoteName(note) : tr("(outside)"));
        item->setData(kNoteColumn, Qt::UserRole, note);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        if (scan == current) LVMappings->setCurrentItem(item);
    }
    LVMappings->setSortingEnabled(true);
    m_showingMappings = false;
}

int TKeyMapEditor::NoteOfText(const QString& text) const {
    const QString t = text.trimmed();
    bool number = false;
    const int n = t.toInt(&number);
    if (number) return n >= 0 && n <= 127 ? n : -1;
    for (int note = 0; note <= 127; ++note)
        if (Piano->Names().NoteName(note).compare(t, Qt::CaseInsensitive) == 0) return note;
    return -1;
}

void TKeyMapEditor::MappingEdited(QTreeWidgetItem* item, int column) {
    if (m_showingMappings || column != kNoteColumn) return;
    const int scan = item->data(kKeyColumn, Qt::UserRole).toInt();
    const int note = NoteOfText(item->text(kNoteColumn));
    if (note < 0) {
        m_host.error(tr("\"%1\" is not a note: type a name such as %2, or a number from 0 to 127.")
                         .arg(item->text(kNoteColumn), Piano->Names().NoteName(66)));
        // The list goes back to what the map says, after the editor has closed.
        QMetaObject::invokeMethod(
            this, [this] { ShowMappings(); }, Qt::QueuedConnection);
        return;
    }
    m_map.keys[scan] = note - 12 * m_host.keyOctave;
    // Rebuilding the list from inside its own signal would delete the item being edited.
    QMetaObject::invokeMethod(
        this, [this] { MapChanged(); }, Qt::QueuedConnection);
}

void TKeyMapEditor::ShowKeyNote() {
    const int scan = VKKey->KeyScanCode();
    m_showingMappings = true;
    for (int i = 0; i < LVMappings->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = LVMappings->topLevelItem(i);
        if (item->data(kKeyColumn, Qt::UserRole).toInt() == scan) LVMappings->setCurrentItem(item);
    }
    m_showingMappings = false;
    BRemove->setEnabled(scan >= 0 && m_map.keys.count(scan));
    if (scan < 0) {
        LKeyNote->setText(tr("No key chosen"));
        return;
    }
    const auto it = m_map.keys.find(scan);
    if (it == m_map.keys.end()) {
        LKeyNote->setText(tr("Plays nothing yet: click a piano key"));
        return;
    }
    const int note = 12 * m_host.keyOctave + it->second;
    LKeyNote->setText(note >= 0 && note <= 127 ? tr("Plays %1").arg(Piano->Names().NoteName(note))
                                               : tr("Plays nothing in this octave"));
}

void TKeyMapEditor::ChooseKey(int scanCode) { VKKey->SetKey(scanCode); }

void TKeyMapEditor::AssignNote(int note) {
    const int scan = VKKey->KeyScanCode();
    if (scan < 0 || note < 0 || note > 127) {
        LKeyNote->setText(tr("Press a computer key first"));
        return;
    }
    m_map.keys[scan] = note - 12 * m_host.keyOctave;
    MapChanged();
}

void TKeyMapEditor::BRemoveClick() {
    if (m_map.keys.erase(VKKey->KeyScanCode()) > 0) MapChanged();
}

bool TKeyMapEditor::BSaveClick() { return m_path.isEmpty() ? BSaveAsClick() : SaveTo(m_path); }

QString TKeyMapEditor::SaveStartPath() const {
    if (!m_path.isEmpty()) return m_path;
    QString folder = m_host.saveFolder;
    if (folder.isEmpty() || !QDir().mkpath(folder)) folder = QDir::homePath();
    QString name = m_map.name.trimmed();
    // A map's name may hold what a file name may not.
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("_"));
    return QDir(folder).filePath((name.isEmpty() ? tr("Key map") : name) + QStringLiteral(".ini"));
}

bool TKeyMapEditor::BSaveAsClick() {
    const QString path = m_host.chooseSaveFile(SaveStartPath());
    return !path.isEmpty() && SaveTo(path);
}

bool TKeyMapEditor::SaveTo(const QString& path) {
    QString message;
    // A map without keys would be refused when it is read: it is not written either.
    if (m_map.keys.empty()) {
        m_host.error(tr("The key map has no keys yet: nothing was saved."));
        return false;
    }
    if (!keymap::SaveKeyMapFile(path, m_map, message)) {
        m_host.error(message);
        return false;
    }
    m_path = path;
    m_modified = false;
    if (m_host.saved) m_host.saved(path);
    return true;
}
