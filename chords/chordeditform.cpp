#include "chords/chordeditform.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "keyboard/keyboard.h"
#include "platform/settings/placement.h"
#include "platform/settings/settingsstore.h"

namespace {

constexpr int kClientWidth = 608;
constexpr int kClientHeight = 343;
constexpr int kDefaultMark = 60;

// Lets only the name column be edited in place and hands the typed name to the window, which
// decides whether the chord may take it.
class TNameDelegate : public QStyledItemDelegate {
public:
    TNameDelegate(std::function<void(int row, const QString& name)> edited, QObject* parent)
        : QStyledItemDelegate(parent), m_edited(std::move(edited)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        if (index.column() != 0) return nullptr;
        return QStyledItemDelegate::createEditor(parent, option, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        auto* edit = qobject_cast<QLineEdit*>(editor);
        if (edit && m_edited) m_edited(index.row(), edit->text());
    }

private:
    std::function<void(int, const QString&)> m_edited;
};

QPushButton* MakeButton(const QString& caption, QWidget* parent, int w, int h) {
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    // The design size, or the caption's when it is longer (a translation, a larger font): the
    // list beside the buttons would otherwise squeeze them below their text.
    b->setMinimumSize(std::max(w, b->sizeHint().width()), h);
    return b;
}

// A text that wraps within the window's design width and keeps all its lines.
QLabel* WrappedText(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    l->setMinimumWidth(kClientWidth - 16);
    l->setMinimumHeight(l->heightForWidth(l->minimumWidth()));
    return l;
}

}  // namespace

TChordEditForm::TChordEditForm(TStoreOpener openStore, TSendShort send, TKeyboard* mainKeyboard,
                               QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_openStore(std::move(openStore)),
      m_send(std::move(send)),
      m_player(mainKeyboard ? &mainKeyboard->Player().ScanMap() : nullptr) {
    setObjectName(QStringLiteral("ChordEditForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Chord Editor"));
    setModal(false);

    Label1 =
        WrappedText(tr("Here you can define your own chords. Click \"New\" to add a new chord. "
                       "Then enable the edit mode by activating the \"Edit\" button. Use the "
                       "keyboard below or Tastra or an external device to toggle notes of the "
                       "current chord."),
                    this);
    Label2 = WrappedText(tr("To test a chord simply deactivate the edit mode and play "
                            "on the keyboard below."),
                         this);

    LVChords = new QTreeWidget(this);
    LVChords->setObjectName(QStringLiteral("LVChords"));
    LVChords->setMinimumSize(482, 154);
    LVChords->setColumnCount(2);
    LVChords->setHeaderLabels({tr("Chord Name"), tr("Chord Notes")});
    LVChords->setColumnWidth(0, 100);
    LVChords->setColumnWidth(1, 400);
    LVChords->setRootIsDecorated(false);
    LVChords->setItemsExpandable(false);
    LVChords->setSelectionMode(QAbstractItemView::SingleSelection);
    LVChords->setSelectionBehavior(QAbstractItemView::SelectRows);
    LVChords->setEditTriggers(QAbstractItemView::SelectedClicked |
                              QAbstractItemView::EditKeyPressed);
    LVChords->header()->setSectionsClickable(false);
    LVChords->setItemDelegate(new TNameDelegate(
        [this](int row, const QString& name) { LVChordsEdited(LVChords->topLevelItem(row), name); },
        LVChords));
    connect(LVChords, &QTreeWidget::itemSelectionChanged, this, [this] { LVChordsSelectItem(); });

    BNew = MakeButton(tr("&New"), this, 102, 28);
    BDelete = MakeButton(tr("&Delete"), this, 102, 28);
    CBEdit = MakeButton(tr("&Edit"), this, 102, 28);
    CBEdit->setCheckable(true);
    BReset = MakeButton(tr("&Reset"), this, 102, 28);
    BReset->setEnabled(false);
    BOK = MakeButton(tr("&OK"), this, 84, 28);
    BCancel = MakeButton(tr("Cancel"), this, 84, 28);
    BApply = MakeButton(tr("&Apply"), this, 84, 28);
    connect(BNew, &QPushButton::clicked, this, [this] { BNewClick(); });
    connect(BDelete, &QPushButton::clicked, this, [this] { BDeleteClick(); });
    connect(CBEdit, &QPushButton::clicked, this, [this] { CBEditClick(); });
    connect(BReset, &QPushButton::clicked, this, [this] { BResetClick(); });
    connect(BOK, &QPushButton::clicked, this, [this] { BOKClick(); });
    connect(BCancel, &QPushButton::clicked, this, [this] { close(); });
    connect(BApply, &QPushButton::clicked, this, [this] { BApplyClick(); });

    Keyboard = new TKeyboard(m_player, this);
    Keyboard->setObjectName(QStringLiteral("Keyboard"));
    Keyboard->SetKeyWidth(10);
    Keyboard->SetBaseNote(10);
    MarkKey(kDefaultMark);
    Keyboard->Player().SetChord(chNone);
    Keyboard->Player().SetVelocity(100);
    Keyboard->Player().SetVelocityShiftFactor(0.5);
    Keyboard->SetImageSize(isSmall);
    TPlayOptions options = Keyboard->PlayOptions();
    options.specialMode = false;
    Keyboard->SetPlayOptions(options);
    Keyboard->SetTabStop(false);
    Keyboard->setMinimumSize(kClientWidth - 16, 62);
    Keyboard->setMaximumHeight(62);
    LayOut();
    if (mainKeyboard) {
        Keyboard->Names().SetLanguage(mainKeyboard->Names().Language());
        Keyboard->Player().SetChannel(mainKeyboard->Player().Channel());
    }
    m_player.OnSend = [this](uint8_t s, uint8_t d1, uint8_t d2) {
        if (m_send) m_send(s, d1, d2);
    };
    Keyboard->OnMousePress = [this](TKeyboard*, int& note, Qt::MouseButton button,
                                    Qt::KeyboardModifiers) { KeyboardMousePress(note, button); };
    Keyboard->OnMouseDrag = [this](TKeyboard*, int& note, Qt::MouseButton button,
                                   Qt::KeyboardModifiers) { KeyboardMouseDrag(note, button); };
    Keyboard->OnMouseRelease = [this](TKeyboard*, int&, Qt::MouseButton button,
                                      Qt::KeyboardModifiers) { KeyboardMouseRelease(button); };

    OnError = [this](const QString& text) {
        const QString title =
            parentWidget() ? parentWidget()->window()->windowTitle() : windowTitle();
        QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, this);
        box.exec();
    };

    m_list.LoadFromRegistry(m_openStore);
    m_stored = m_list;
    FillList();
}

TChordEditForm::~TChordEditForm() {
    // The keyboard must not call back into a half-destroyed window, and goes before the player
    // it draws.
    m_player.OnSend = nullptr;
    delete Keyboard;
}

// ---------------------------------------------------------------------------------------------
// The list

TChordEntry* TChordEditForm::EntryOf(const QTreeWidgetItem* item) {
    if (!item) return nullptr;
    return reinterpret_cast<TChordEntry*>(item->data(0, Qt::UserRole).value<quintptr>());
}

QTreeWidgetItem* TChordEditForm::SelectedItem() const {
    const QList<QTreeWidgetItem*> items = LVChords->selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

TChordEntry* TChordEditForm::SelectedChord() const { return EntryOf(SelectedItem()); }

bool TChordEditForm::EditMode() const { return CBEdit->isChecked(); }

void TChordEditForm::LayOut() {
    // Qt's layouts at the design size, growing where the font needs more.
    auto* side = new QVBoxLayout;
    side->addWidget(BNew);
    side->addWidget(BDelete);
    side->addSpacing(16);
    side->addWidget(CBEdit);
    side->addWidget(BReset);
    side->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(LVChords, 1);
    middle->addLayout(side);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    for (QPushButton* b : {BOK, BCancel, BApply}) bottom->addWidget(b);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 6, 8, 9);
    column->setSpacing(4);
    column->addWidget(Label1);
    column->addWidget(Label2);
    column->addLayout(middle, 1);
    column->addWidget(Keyboard);
    column->addLayout(bottom);
    const QSize need = column->totalMinimumSize();
    setFixedSize(std::max(kClientWidth, need.width()), std::max(kClientHeight, need.height()));
}

void TChordEditForm::FillList() {
    LVChords->clear();
    for (int i = 0; i < m_list.Count(); ++i) AddRow(m_list.Item(i));
}

QTreeWidgetItem* TChordEditForm::AddRow(TChordEntry& entry) {
    auto* item = new QTreeWidgetItem(LVChords);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(&entry)));
    RefreshRow(item);
    return item;
}

QString TChordEditForm::ChordNotesText(const TChordEntry& entry) const {
    if (entry.IsEmpty()) return QString();
    QString text = Keyboard->Names().NoteName(entry.Root()) + QLatin1Char(' ');
    for (int i = 0; i < entry.Count(); ++i)
        text += Keyboard->Names().NoteName(entry.Root() + entry.Offset(i)) + QLatin1Char(' ');
    return text;
}

void TChordEditForm::RefreshRow(QTreeWidgetItem* item) {
    const TChordEntry* entry = EntryOf(item);
    if (!entry) return;
    const QSignalBlocker block(LVChords);
    item->setText(0, entry->Name());
    item->setText(1, ChordNotesText(*entry));
}

void TChordEditForm::LVChordsEdited(QTreeWidgetItem* item, const QString& name) {
    TChordEntry* entry = EntryOf(item);
    if (!entry) return;
    // Leaving the name as it was is no rename; an empty name would end the stored list early on
    // the next load, losing every chord after it.
    if (name == entry->Name() || name.trimmed().isEmpty()) {
        RefreshRow(item);
        return;
    }
    if (m_list.IndexOfName(name) >= 0) {
        RefreshRow(item);
        if (OnError) OnError(QString::fromLatin1(kChordNameExists));
        return;
    }
    entry->SetName(name);
    RefreshRow(item);
}

void TChordEditForm::LVChordsSelectItem() {
    const TChordEntry* entry = SelectedChord();
    if (entry) {
        ShowChordOnKeys(entry);
        Keyboard->Player().SetCustomChord(entry->KeyboardOffsets(), true);
    } else {
        Keyboard->Player().SetChord(chNone);
        Keyboard->Player().ResetAll();
        MarkKey(kDefaultMark);
    }
}

// ---------------------------------------------------------------------------------------------
// Buttons

void TChordEditForm::BNewClick() {
    TChordEntry& entry = m_list.NewChord();
    QTreeWidgetItem* item = AddRow(entry);
    LVChords->setCurrentItem(item);
    LVChords->setFocus();
    LVChords->editItem(item, 0);
}

void TChordEditForm::BDeleteClick() {
    QTreeWidgetItem* item = SelectedItem();
    TChordEntry* entry = EntryOf(item);
    if (!entry || m_list.IndexOf(entry) < 0) return;
    const int row = LVChords->indexOfTopLevelItem(item);
    {
        const QSignalBlocker block(LVChords);
        delete LVChords->takeTopLevelItem(row);
        m_list.Remove(entry);
        const int count = LVChords->topLevelItemCount();
        if (count > 0) LVChords->setCurrentItem(LVChords->topLevelItem(std::min(row, count - 1)));
    }
    LVChordsSelectItem();
}

void TChordEditForm::BResetClick() {
    QTreeWidgetItem* item = SelectedItem();
    TChordEntry* entry = EntryOf(item);
    if (!entry) return;
    entry->Clear();
    // The keyboard would otherwise go on playing the tones just removed.
    Keyboard->Player().SetCustomChord(entry->KeyboardOffsets(), true);
    RefreshRow(item);
    ShowChordOnKeys(entry);
}

void TChordEditForm::CBEditClick() { BReset->setEnabled(CBEdit->isChecked()); }

bool TChordEditForm::BApplyClick() {
    // Only what was changed here is written, so chords that another running copy of the
    // program stored since this window opened survive.
    const std::string failure = m_list.SaveToRegistry(m_openStore, &m_stored);
    if (!failure.empty()) {
        // The working list stays as it is, to be applied again or cancelled.
        if (OnError) OnError(QString::fromStdString(failure));
        return false;
    }
    m_stored = m_list;
    if (OnChordsSaved) OnChordsSaved();
    return true;
}

void TChordEditForm::BOKClick() {
    if (BApplyClick()) close();
}

// ---------------------------------------------------------------------------------------------
// Toggling tones

void TChordEditForm::ChordEditorNoteIn(int note, int velocity) {
    TChordEntry* entry = SelectedChord();
    if (velocity <= 0 || !EditMode() || !entry) return;
    entry->ToggleNote(note);
    Keyboard->Player().SetCustomChord(entry->KeyboardOffsets(), true);
    ScheduleRefresh(true);
}

void TChordEditForm::KeyboardMousePress(int& note, Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    m_lastToggled = -1;
    MouseToggle(note);
}

void TChordEditForm::KeyboardMouseDrag(int& note, Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    MouseToggle(note);
}

void TChordEditForm::KeyboardMouseRelease(Qt::MouseButton button) {
    if (button == Qt::LeftButton && EditMode()) ShowChordOnKeys(SelectedChord());
    m_lastToggled = -1;
}

void TChordEditForm::MouseToggle(int& note) {
    TChordEntry* entry = SelectedChord();
    if (!EditMode() || !entry) return;
    // A drag undoes the step of the key it leaves, so gliding tries tones out one at a time.
    if (m_lastToggled != -1) entry->ToggleNote(m_lastToggled);
    entry->ToggleNote(note);
    Keyboard->Player().SetCustomChord(entry->KeyboardOffsets(), true);
    m_lastToggled = note;
    // The whole chord sounds from its root, whichever tone was clicked.
    if (entry->Count() > 0) note = entry->Root();
    ScheduleRefresh(false);
}

void TChordEditForm::MarkKey(int note) {
    TKeyLook look = Keyboard->Look();
    look.markNote = note;
    Keyboard->SetLook(look);
}

void TChordEditForm::ShowChordOnKeys(const TChordEntry* entry) {
    Keyboard->Player().ClearThruDisplay();
    if (!entry) return;
    if (entry->IsEmpty()) {
        MarkKey(kDefaultMark);
        return;
    }
    const int root = entry->Root();
    MarkKey(root);
    for (int i = 0; i < entry->Count(); ++i) {
        const int n = root + entry->Offset(i);
        if (n >= 0 && n <= 127) Keyboard->Player().ShowIncomingNote(n, 1);
    }
}

// Toggles arrive in bursts (a chord played on a MIDI keyboard, a glide); the row and keys are
// redrawn once after the burst instead of once per note.
void TChordEditForm::ScheduleRefresh(bool keys) {
    if (m_pendingRefresh == 0) {
        m_pendingRefresh = keys ? 2 : 1;
        QMetaObject::invokeMethod(
            this, [this] { DoRefresh(); }, Qt::QueuedConnection);
    } else if (keys && m_pendingRefresh == 1) {
        m_pendingRefresh = 2;
    }
}

void TChordEditForm::DoRefresh() {
    const int state = m_pendingRefresh;
    m_pendingRefresh = 0;
    QTreeWidgetItem* item = SelectedItem();
    if (!item) return;
    if (state == 2) ShowChordOnKeys(EntryOf(item));
    RefreshRow(item);
}

// ---------------------------------------------------------------------------------------------
// Showing and closing

void TChordEditForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_shown) return;
    m_shown = true;
    if (QWidget* owner = parentWidget()) {
        const QPoint corner = owner->window()->frameGeometry().topLeft();
        move(corner.x() + 10, corner.y() + 10);
    }
    if (!m_openStore) return;
    try {
        std::unique_ptr<TSettingsStore> store = m_openStore();
        if (store)
            LoadFormPlacement(this, *store, kChordEditFormSection, kPlacePosition,
                              kChordEditFormPrefix);
    } catch (const std::exception&) {
        // Without a stored position the window stays beside its owner.
    }
}

void TChordEditForm::SavePlacement() {
    if (!m_openStore) return;
    try {
        std::unique_ptr<TSettingsStore> store = m_openStore();
        if (store) {
            SaveFormPlacement(this, *store, kChordEditFormSection, kPlacePosition,
                              kChordEditFormPrefix);
            // A lost position is not worth a message of its own: the main window tells the
            // user when its settings cannot be saved.
            store->Flush();
        }
    } catch (const std::exception&) {
    }
}

void TChordEditForm::reject() {
    // Escape cancels like the Cancel button.
    close();
}

void TChordEditForm::closeEvent(QCloseEvent* event) {
    if (!m_closed) {
        m_closed = true;
        SavePlacement();
        // A note latched on this window's keyboard would otherwise sound on after it is gone.
        Keyboard->Player().ResetAll();
    }
    event->accept();
}
