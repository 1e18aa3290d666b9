#include "knobs/knobeditform.h"

#include <QCloseEvent>
#include <QCollator>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "knobs/knobnames.h"
#include "midi/controllernames.h"
#include "platform/settings/placement.h"
#include "platform/settings/settingsstore.h"
#include "platform/ui/nameprompt.h"

namespace {

constexpr int kClientWidth = 422;
constexpr int kClientHeight = 357;
const char kDefaultPreset[] = "Default";
const char kCurrentPreset[] = "Current";
const char kProposedPresetName[] = "New Preset";

bool SameText(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// The knob name a controller entry gives: its text after the number and the blank.
QString NameOfEntry(const QString& entryText) { return entryText.mid(4); }

QPushButton* MakeButton(const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    return b;
}

QLabel* MakeLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The up-down

int UpDownStep(qint64 heldMs) {
    if (heldMs >= 5000) return 10;
    if (heldMs >= 2000) return 5;
    return 1;
}

TKnobUpDown::TKnobUpDown(QWidget* parent) : QWidget(parent) {
    m_up = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::pressed, this, [this] { m_held.start(); });
    }
    connect(m_up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
    setFixedWidth(16);
    setMinimumHeight(22);
}

void TKnobUpDown::SetPosition(int v) { m_position = std::clamp(v, m_min, m_max); }

void TKnobUpDown::SetRange(int min, int max) {
    if (min > max) return;
    m_min = min;
    m_max = max;
    SetPosition(m_position);
}

void TKnobUpDown::Step(int direction) {
    const int step = m_accelerated && m_held.isValid() ? UpDownStep(m_held.elapsed()) : 1;
    const int v = std::clamp(m_position + direction * step, m_min, m_max);
    if (v == m_position) return;
    m_position = v;
    if (OnClick) OnClick(this);
}

void TKnobUpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

// ---------------------------------------------------------------------------------------------
// The window

TKnobEditForm::TKnobEditForm(TKnobEditHost host, QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_host(std::move(host)) {
    setObjectName(QStringLiteral("KnobEditForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Knob Preset Editor"));
    setModal(false);
    BuildLayout();

    const auto title = [this] {
        return parentWidget() ? parentWidget()->window()->windowTitle() : windowTitle();
    };
    OnError = [this, title](const QString& text) {
        QMessageBox box(QMessageBox::Critical, title(), text, QMessageBox::Ok, this);
        box.exec();
    };
    OnQuestion = [this, title](QMessageBox::Icon icon, const QString& text,
                               QMessageBox::StandardButtons buttons) {
        QMessageBox box(icon, title(), text, buttons, this);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    };
    OnPresetName = [this](QString& name) {
        return AskForName(this, tr("Enter New Preset"),
                          tr("Enter the name of the new knob preset:"), name);
    };
}

TKnobEditForm::~TKnobEditForm() = default;

void TKnobEditForm::BuildLayout() {
    // Laid out by Qt's layouts at the window's design size, growing where the font needs more.
    Label9 = new QLabel(tr("You can place knobs on the keyboard. These knobs send "
                           "controller data to your MIDI device or sequencer."),
                        this);
    Label9->setWordWrap(true);
    Label9->setMinimumWidth(kClientWidth - 16);
    Label1 = new QLabel(tr("Here you can define which knobs to display and their "
                           "properties. You can also save presets with sets of knobs."),
                        this);
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(kClientWidth - 16);

    GBKnobCount = new QGroupBox(tr("Knob count:"), this);
    EKnobCount = new QLineEdit(QStringLiteral("0"), GBKnobCount);
    EKnobCount->setObjectName(QStringLiteral("EKnobCount"));
    EKnobCount->setReadOnly(true);
    EKnobCount->setFixedWidth(50);
    UDKnobCount = new TKnobUpDown(GBKnobCount);
    UDKnobCount->setObjectName(QStringLiteral("UDKnobCount"));
    UDKnobCount->SetRange(0, TKnobList::kMaxKnobs);
    UDKnobCount->OnClick = [this](TKnobUpDown*) { UDKnobCountClick(); };
    auto* countRow = new QHBoxLayout(GBKnobCount);
    countRow->setSpacing(0);
    countRow->addWidget(EKnobCount);
    countRow->addWidget(UDKnobCount);
    countRow->addStretch(1);

    GBKnobPresets = new QGroupBox(tr("Knob Presets"), this);
    CBPresets = new QComboBox(GBKnobPresets);
    CBPresets->setObjectName(QStringLiteral("CBPresets"));
    BNewPreset = MakeButton(tr("New"), GBKnobPresets);
    BSavePreset = MakeButton(tr("Save"), GBKnobPresets);
    BDeletePreset = MakeButton(tr("Delete"), GBKnobPresets);
    auto* presetRow = new QHBoxLayout(GBKnobPresets);
    presetRow->addWidget(CBPresets, 1);
    for (QPushButton* b : {BNewPreset, BSavePreset, BDeletePreset}) presetRow->addWidget(b);
    connect(CBPresets, &QComboBox::activated, this, [this](int i) { CBPresetsChange(i); });
    connect(BNewPreset, &QPushButton::clicked, this, [this] { BNewPresetClick(); });
    connect(BSavePreset, &QPushButton::clicked, this, [this] { BSavePresetClick(); });
    connect(BDeletePreset, &QPushButton::clicked, this, [this] { BDeletePresetClick(); });

    // The page lies under the tab control: with no knobs the tab control hides and uncovers it.
    Panel1 = new QLabel(tr("No Knobs !"), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFrameShape(QFrame::StyledPanel);
    KnobTabControl = new QWidget(this);
    KnobTabControl->setObjectName(QStringLiteral("KnobTabControl"));
    KnobTabControl->setAutoFillBackground(true);
    KnobTabs = new QTabBar(KnobTabControl);
    KnobTabs->setObjectName(QStringLiteral("KnobTabs"));
    KnobTabs->setExpanding(false);
    KnobTabs->setUsesScrollButtons(true);
    connect(KnobTabs, &QTabBar::currentChanged, this, [this](int i) { KnobTabChange(i); });
    auto* page = new QFrame(KnobTabControl);
    page->setFrameShape(QFrame::StyledPanel);
    auto* tabColumn = new QVBoxLayout(KnobTabControl);
    tabColumn->setContentsMargins(0, 0, 0, 0);
    tabColumn->setSpacing(0);
    tabColumn->addWidget(KnobTabs);
    tabColumn->addWidget(page, 1);

    EKnobName = new QLineEdit(page);
    EKnobName->setObjectName(QStringLiteral("EKnobName"));
    EKnobName->setMinimumWidth(180);
    connect(EKnobName, &QLineEdit::textEdited, this, [this] { EKnobNameChange(); });
    CBKnobCtrl = new QComboBox(page);
    CBKnobCtrl->setObjectName(QStringLiteral("CBKnobCtrl"));
    CBKnobCtrl->setMinimumWidth(290);
    CBKnobCtrl->setMaxVisibleItems(16);
    connect(CBKnobCtrl, &QComboBox::activated, this, [this](int i) { CBKnobCtrlChange(i); });

    auto* range = new QGroupBox(tr("Display Range"), page);
    RBKnobPos = new QRadioButton(QStringLiteral("&0 .. 127"), range);
    RBKnobPos->setObjectName(QStringLiteral("RBKnobPos"));
    RBKnobNeg = new QRadioButton(QStringLiteral("-&64 .. +63"), range);
    RBKnobNeg->setObjectName(QStringLiteral("RBKnobNeg"));
    auto* explain =
        new QLabel(tr("This determines, how the values of the Controller are displayed, either in "
                      "absolute values 0 to 127 or relative values from -64 to +64."),
                   range);
    explain->setObjectName(QStringLiteral("LDisplayRange"));
    explain->setWordWrap(true);
    explain->setMinimumWidth(262);
    auto* radios = new QVBoxLayout;
    radios->addWidget(RBKnobPos);
    radios->addWidget(RBKnobNeg);
    auto* rangeRow = new QHBoxLayout(range);
    rangeRow->addLayout(radios);
    rangeRow->addWidget(explain, 1);
    connect(RBKnobPos, &QRadioButton::clicked, this, [this] { DisplayRangeClick(); });
    connect(RBKnobNeg, &QRadioButton::clicked, this, [this] { DisplayRangeClick(); });

    EDefaultValue = new QLineEdit(page);
    EDefaultValue->setObjectName(QStringLiteral("EDefaultValue"));
    EDefaultValue->setReadOnly(true);
    EDefaultValue->setFixedWidth(50);
    UDDefaultValue = new TKnobUpDown(page);
    UDDefaultValue->setObjectName(QStringLiteral("UDDefaultValue"));
    UDDefaultValue->SetRange(0, 127);
    UDDefaultValue->SetAccelerated(true);
    UDDefaultValue->OnClick = [this](TKnobUpDown*) { UDDefaultValueClick(); };
    auto* defaultRow = new QHBoxLayout;
    defaultRow->setSpacing(0);
    defaultRow->addWidget(EDefaultValue);
    defaultRow->addWidget(UDDefaultValue);
    defaultRow->addStretch(1);

    auto* fields = new QGridLayout(page);
    fields->addWidget(MakeLabel(tr("&Name"), EKnobName, page), 0, 0);
    fields->addWidget(EKnobName, 0, 1, Qt::AlignLeft);
    fields->addWidget(MakeLabel(tr("&Controller"), CBKnobCtrl, page), 1, 0);
    fields->addWidget(CBKnobCtrl, 1, 1, Qt::AlignLeft);
    fields->addWidget(range, 2, 0, 1, 2);
    fields->addWidget(MakeLabel(tr("&Default Value"), EDefaultValue, page), 3, 0);
    fields->addLayout(defaultRow, 3, 1);
    fields->setColumnStretch(1, 1);
    fields->setRowStretch(4, 1);

    BOK = MakeButton(tr("&OK"), this);
    BCancel = MakeButton(tr("Cancel"), this);
    BApply = MakeButton(tr("&Apply"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {BOK, BCancel, BApply}) buttons->addWidget(b);

    auto* groups = new QHBoxLayout;
    groups->addWidget(GBKnobCount);
    groups->addWidget(GBKnobPresets, 1);
    auto* knobs = new QGridLayout;
    knobs->addWidget(Panel1, 0, 0);  // both in one cell: one shows at a time
    knobs->addWidget(KnobTabControl, 0, 0);
    WrappedTextsTakeTheirLines();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 6, 8, 7);
    column->addWidget(Label9);
    column->addWidget(Label1);
    column->addLayout(groups);
    column->addLayout(knobs, 1);
    column->addLayout(buttons);
    FitToContents();

    connect(BOK, &QPushButton::clicked, this, [this] { BOKClick(); });
    connect(BCancel, &QPushButton::clicked, this, [this] { close(); });
    connect(BApply, &QPushButton::clicked, this, [this] { Apply(); });
}

// ---------------------------------------------------------------------------------------------
// Opening and closing

void TKnobEditForm::WrappedTextsTakeTheirLines() {
    // Each wrapped text gets the lines it takes at its narrowest.
    for (QLabel* l : {Label9, Label1, findChild<QLabel*>(QStringLiteral("LDisplayRange"))})
        l->setMinimumHeight(l->heightForWidth(l->minimumWidth()));
}

void TKnobEditForm::FitToContents() {
    // The design size, or what the texts need in the font shown.
    WrappedTextsTakeTheirLines();
    layout()->activate();
    const QSize need = layout()->totalMinimumSize();
    setFixedSize(std::max(kClientWidth, need.width()), std::max(kClientHeight, need.height()));
}

void TKnobEditForm::showEvent(QShowEvent* event) {
    if (!m_shown) FitToContents();  // once polished, the fonts are the ones shown
    QDialog::showEvent(event);
    if (m_shown) return;
    m_shown = true;
    FormShow();
}

void TKnobEditForm::FormShow() {
    if (m_host.openSettingsRoot) {
        try {
            if (std::unique_ptr<TSettingsStore> store = m_host.openSettingsRoot())
                LoadFormPlacement(this, *store, kKnobEditFormSection, kPlacePosition,
                                  kKnobEditFormPrefix);
        } catch (const std::exception&) {
            // Without a stored position the window opens where the system puts it.
        }
    }
    const int offset = m_host.controllerOffset ? m_host.controllerOffset() : 1;
    CBKnobCtrl->clear();
    for (const std::string& text : ControllerEntryTexts(offset))
        CBKnobCtrl->addItem(QString::fromStdString(text));

    FillPresets();
    if (m_host.knobs) m_list.Assign(*m_host.knobs);
    SyncTabs();
    if (KnobTabs->count() > 0) {
        const QSignalBlocker block(KnobTabs);
        KnobTabs->setCurrentIndex(0);
    }
    LoadTab();
    m_changed = false;
}

void TKnobEditForm::FillPresets() {
    CBPresets->clear();
    for (const std::string& name : TKnobList::ReadPresetNames(m_host.openPresets))
        InsertPresetSorted(QString::fromStdString(name));
    const QString current = m_host.presetName ? m_host.presetName() : QString();
    int found = -1;
    for (int i = 0; i < CBPresets->count() && found < 0; ++i)
        if (SameText(CBPresets->itemText(i), current)) found = i;
    SelectPresetIndex(found);
}

int TKnobEditForm::InsertPresetSorted(const QString& name) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    int at = 0;
    while (at < CBPresets->count() && collator.compare(CBPresets->itemText(at), name) <= 0) ++at;
    CBPresets->insertItem(at, name);
    return at;
}

void TKnobEditForm::SelectPresetIndex(int index) {
    CBPresets->setCurrentIndex(index);
    m_presetIndex = CBPresets->currentIndex();
    BSavePreset->setEnabled(m_presetIndex >= 0);
    BDeletePreset->setEnabled(m_presetIndex >= 0);
}

QString TKnobEditForm::SelectedPresetName() const {
    return m_presetIndex >= 0 && m_presetIndex < CBPresets->count()
               ? CBPresets->itemText(m_presetIndex)
               : QString();
}

void TKnobEditForm::SavePlacement() {
    if (!m_host.openSettingsRoot) return;
    try {
        if (std::unique_ptr<TSettingsStore> store = m_host.openSettingsRoot()) {
            SaveFormPlacement(this, *store, kKnobEditFormSection, kPlacePosition,
                              kKnobEditFormPrefix);
            // A lost position is not worth a message of its own: the main window tells the
            // user when its settings cannot be saved.
            store->Flush();
        }
    } catch (const std::exception&) {
    }
}

void TKnobEditForm::reject() {
    // Escape cancels like the Cancel button.
    close();
}

void TKnobEditForm::closeEvent(QCloseEvent* event) {
    if (!m_closed) {
        m_closed = true;
        SavePlacement();
    }
    event->accept();
}

// ---------------------------------------------------------------------------------------------
// Tabs and fields

void TKnobEditForm::SyncTabs() {
    const QSignalBlocker block(KnobTabs);
    while (KnobTabs->count() < m_list.Count())
        KnobTabs->addTab(tr("Knob %1").arg(KnobTabs->count() + 1));
    while (KnobTabs->count() > m_list.Count()) {
        KnobTabs->removeTab(KnobTabs->count() - 1);
        KnobTabs->setCurrentIndex(KnobTabs->count() - 1);
    }
    UDKnobCount->SetPosition(m_list.Count());
    EKnobCount->setText(QString::number(UDKnobCount->Position()));
    LoadTab();
    KnobTabControl->setVisible(m_list.Count() > 0);
    Panel1->setVisible(m_list.Count() == 0);
}

void TKnobEditForm::LoadTab() {
    m_loading = true;
    m_commitEnabled = false;
    const int index = KnobTabs->currentIndex();
    m_tabIndex = index >= 0 && index < m_list.Count() ? index : -1;
    if (m_tabIndex < 0) {
        EKnobName->clear();
        EDefaultValue->clear();
        CBKnobCtrl->setCurrentIndex(-1);
    } else {
        const TKnobEntry* knob = m_list.Items(m_tabIndex);
        EKnobName->setText(ShownKnobCaption(knob->GetCaption()));
        CBKnobCtrl->setCurrentIndex(knob->Controller >= 0 && knob->Controller < CBKnobCtrl->count()
                                        ? knob->Controller
                                        : -1);
        // A stored display mode without a value text checks neither button.
        RBKnobPos->setAutoExclusive(false);
        RBKnobNeg->setAutoExclusive(false);
        RBKnobPos->setChecked(knob->DisplayMode == 0);
        RBKnobNeg->setChecked(knob->DisplayMode == 1);
        RBKnobPos->setAutoExclusive(true);
        RBKnobNeg->setAutoExclusive(true);
        UDDefaultValue->SetPosition(knob->DefaultValue);
        ShowDefaultValue();
        m_commitEnabled = true;
    }
    m_loading = false;
}

void TKnobEditForm::CommitTab() {
    if (!m_commitEnabled || m_tabIndex < 0 || m_tabIndex >= m_list.Count()) return;
    TKnobEntry* knob = m_list.Items(m_tabIndex);
    knob->SetCaption(StoredKnobCaption(EKnobName->text(), knob->GetCaption()));
    if (CBKnobCtrl->currentIndex() >= 0) knob->Controller = CBKnobCtrl->currentIndex();
    knob->DisplayMode = RBKnobNeg->isChecked() ? 1 : 0;
    knob->DefaultValue = UDDefaultValue->Position();
}

QString TKnobEditForm::DefaultValueText(bool relative, int value) {
    if (!relative) return QString::number(value);
    return (value >= 64 ? QStringLiteral("+") : QString()) + QString::number(value - 64);
}

void TKnobEditForm::ShowDefaultValue() {
    EDefaultValue->setText(DefaultValueText(RBKnobNeg->isChecked(), UDDefaultValue->Position()));
}

void TKnobEditForm::SetChanged() {
    if (!m_loading) m_changed = true;
}

void TKnobEditForm::KnobTabChange(int index) {
    Q_UNUSED(index);
    CommitTab();
    LoadTab();
}

void TKnobEditForm::EKnobNameChange() { SetChanged(); }

void TKnobEditForm::CBKnobCtrlChange(int index) {
    SetChanged();
    if (index < 0 || m_loading) return;
    const QString name = NameOfEntry(CBKnobCtrl->itemText(index));
    EKnobName->setText(name);
    if (m_tabIndex >= 0 && m_tabIndex < m_list.Count()) m_list.Items(m_tabIndex)->SetCaption(name);
}

void TKnobEditForm::DisplayRangeClick() {
    SetChanged();
    ShowDefaultValue();
}

void TKnobEditForm::UDDefaultValueClick() {
    SetChanged();
    ShowDefaultValue();
}

void TKnobEditForm::UDKnobCountClick() {
    const int wanted = UDKnobCount->Position();
    const int tabs = KnobTabs->count();
    CommitTab();
    if (wanted > tabs && m_list.Count() < TKnobList::kMaxKnobs) {
        m_changed = true;
        const QString name = CBKnobCtrl->count() > 0 ? NameOfEntry(CBKnobCtrl->itemText(0))
                                                     : QString::fromStdString(ControllerName(0));
        m_list.Add(name, 0, 0, 0);
        SyncTabs();
        const QSignalBlocker block(KnobTabs);
        KnobTabs->setCurrentIndex(KnobTabs->count() - 1);
    } else if (wanted < tabs && m_list.Count() > 0) {
        m_changed = true;
        const int selected = KnobTabs->currentIndex();
        // The last knob goes, whichever one is being edited.
        m_list.DeleteEntry(m_list.Items(m_list.Count() - 1));
        SyncTabs();
        const QSignalBlocker block(KnobTabs);
        KnobTabs->setCurrentIndex(selected < KnobTabs->count() ? selected : KnobTabs->count() - 1);
    } else {
        UDKnobCount->SetPosition(m_list.Count());
    }
    EKnobCount->setText(QString::number(UDKnobCount->Position()));
    LoadTab();
}

void TKnobEditForm::LearnController(int number) {
    if (number < 0 || number >= 128 || number >= CBKnobCtrl->count()) return;
    // An open drop-down list holds the focus in its own view.
    if (!CBKnobCtrl->hasFocus() && !CBKnobCtrl->view()->hasFocus()) return;
    CBKnobCtrl->setCurrentIndex(number);
}

// ---------------------------------------------------------------------------------------------
// Presets

bool TKnobEditForm::ConfirmSave() {
    if (!m_changed) return true;
    const QString selected = SelectedPresetName();
    const QString text =
        selected.isEmpty()
            ? tr("You have changed the knobs. Do you want to save them as a preset ?")
            : tr("You have made changes to knob preset \"%1\". Do you want to save "
                 "it ?")
                  .arg(selected);
    const QMessageBox::StandardButton answer =
        OnQuestion ? OnQuestion(QMessageBox::Question, text,
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                   : QMessageBox::Cancel;
    if (answer == QMessageBox::Cancel || answer == QMessageBox::NoButton) return false;
    // A save that failed keeps the edits here instead of letting them be replaced.
    if (answer == QMessageBox::Yes)
        return selected.isEmpty() ? BNewPresetClick() : SavePresetFromEditor(selected);
    return true;
}

void TKnobEditForm::CBPresetsChange(int index) {
    // The edits belong to the preset confirmed last, not to the one just chosen.
    const QString chosen = index >= 0 ? CBPresets->itemText(index) : QString();
    CBPresets->setCurrentIndex(m_presetIndex);
    if (!ConfirmSave()) return;
    const int at = CBPresets->findText(chosen, Qt::MatchFixedString);
    if (at < 0) return;
    SelectPresetIndex(at);
    LoadPresetIntoEditor(chosen);
}

void TKnobEditForm::LoadPresetIntoEditor(const QString& name) {
    m_list.LoadPreset(m_host.openPresets, name.toStdString());
    SyncTabs();
    if (KnobTabs->count() > 0) {
        const QSignalBlocker block(KnobTabs);
        KnobTabs->setCurrentIndex(0);
        LoadTab();
    }
    m_changed = false;
}

bool TKnobEditForm::SavePresetFromEditor(const QString& name) {
    CommitTab();
    const std::string failure = m_list.SavePreset(m_host.openPresets, name.toStdString());
    if (m_host.onPresetsChanged) m_host.onPresetsChanged();
    if (!failure.empty()) {
        // The knobs are not stored under that name: they count as unsaved, so the next change
        // of preset or OK still offers to save them.
        m_changed = true;
        if (OnError) OnError(QString::fromStdString(failure));
        return false;
    }
    m_changed = false;
    return true;
}

bool TKnobEditForm::BNewPresetClick() {
    QString name = QString::fromLatin1(kProposedPresetName);
    for (;;) {
        if (!OnPresetName || !OnPresetName(name)) return true;
        // An empty name cannot be a stored section: taken as giving up.
        if (name.trimmed().isEmpty()) return true;
        if (SameText(name, kDefaultPreset) || SameText(name, kCurrentPreset)) {
            const QString reserved = QString::fromLatin1(
                SameText(name, kDefaultPreset) ? kDefaultPreset : kCurrentPreset);
            if (OnError) OnError(tr("You can't name a preset \"%1\".").arg(reserved));
            continue;
        }
        if (CBPresets->findText(name, Qt::MatchFixedString) >= 0) {
            if (OnError) OnError(tr("A preset with this name already exists !"));
            continue;
        }
        break;
    }
    SelectPresetIndex(InsertPresetSorted(name));
    return SavePresetFromEditor(name);
}

void TKnobEditForm::BSavePresetClick() {
    const QString name = SelectedPresetName();
    if (name.isEmpty()) {
        if (OnError) OnError(tr("You must make a new preset before being able to save it."));
        return;
    }
    SavePresetFromEditor(name);
}

void TKnobEditForm::BDeletePresetClick() {
    const QString name = SelectedPresetName();
    if (name.isEmpty()) {
        if (OnError) OnError(tr("Please select a preset to delete."));
        return;
    }
    const QString question =
        tr("Are you sure to delete preset \"%1\" ?\nThis can't be undone later !").arg(name);
    if (!OnQuestion || OnQuestion(QMessageBox::Critical, question,
                                  QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const int at = m_presetIndex;
    CBPresets->removeItem(at);
    SelectPresetIndex(std::min(at, CBPresets->count() - 1));
    try {
        std::unique_ptr<TSettingsStore> store = m_host.openPresets ? m_host.openPresets() : nullptr;
        if (store) {
            store->EraseSection(name.toStdString());
            const std::string failure = FlushStore(*store);
            if (!failure.empty() && OnError) OnError(QString::fromStdString(failure));
        }
    } catch (const std::exception& e) {
        if (OnError) OnError(QString::fromStdString(e.what()));
    }
    if (m_host.onPresetsChanged) m_host.onPresetsChanged();
}

// ---------------------------------------------------------------------------------------------
// Handing over

void TKnobEditForm::Apply() {
    if (m_changed) {
        CommitTab();
        if (m_host.knobs) m_host.knobs->Assign(m_list);
        if (m_host.onKnobsChanged) m_host.onKnobsChanged();
    } else if (const QString name = SelectedPresetName(); !name.isEmpty()) {
        if (m_host.selectPreset) m_host.selectPreset(name);
    }
}

void TKnobEditForm::BOKClick() {
    if (!ConfirmSave()) return;
    Apply();
    close();
}
