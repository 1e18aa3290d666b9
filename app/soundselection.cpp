#include "app/soundselection.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "app/displayoffsets.h"
#include "app/errform.h"
#include "app/statuspanels.h"
#include "app/texts.h"
#include "app/toolwindow.h"
#include "app/userprompts.h"
#include "keyboard/keyboard.h"
#include "keyboard/updown.h"
#include "patches/patchlist.h"
#include "patches/patchnumbers.h"
#include "patches/patchsetdialog.h"
#include "platform/settings/settingsstore.h"
#include "platform/shell/datafolder.h"

namespace {
const char* const kDefaultPatchScript = "default_patchscript.txt";

const char* const kPatchHint =
    QT_TRANSLATE_NOOP("TSoundSelection", "Current Patch (Page Up/Page Down)");
const char* const kProgramHint =
    QT_TRANSLATE_NOOP("TSoundSelection", "Current Program number (Shift+PageUp/PageDown)");
const char* const kLoadDefaultHint =
    QT_TRANSLATE_NOOP("TSoundSelection", "Load the default General MIDI patch set");

bool IsDefaultOfAGoneDataFolder(const QString& script) {
    // A build folder deleted after an install leaves its default script stored: every start
    // would report it missing while the installed one is there to use.
    const QFileInfo file(script);
    return file.fileName() == QLatin1String(kDefaultPatchScript) && !file.exists() &&
           !IsDataFolder(file.absolutePath().toStdString());
}

// The hourglass for as long as it lives, restored however the work ends.
class TWaitCursor {
public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
};

void SetHint(QWidget* w, const QString& hint) {
    w->setToolTip(hint);
    w->setStatusTip(hint);
}

template <class T>
T* Named(T* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// A caption, a number field and its up-down (-1..max) side by side in the top row from x on.
void NumberField(QWidget* area, const char* caption, int x, int labelWidth, int editWidth, int max,
                 QLabel*& label, TNumberEdit*& edit, TUpDown*& upDown) {
    label = new QLabel(TSoundSelection::tr(caption), area);
    label->setGeometry(x, 6, labelWidth, 18);
    edit = new TNumberEdit(area);
    edit->setGeometry(x + labelWidth, 4, editWidth, 22);
    upDown = new TUpDown(area);
    upDown->setGeometry(x + labelWidth + editWidth, 4, 16, 22);
    upDown->SetRange(-1, max);
}
}  // namespace

TSoundSelection::TSoundSelection(TSoundHost host) : m_host(std::move(host)) {
    CreateControls();
    CreateMenu();
    RebuildPatchBox();
    ShowProgram();
    ShowBank();
}

TSoundSelection::~TSoundSelection() { DropPatchList(); }

void TSoundSelection::CreateControls() {
    QWidget* c = m_host.area;
    // Program and bank sit in the top row right of the channel field, the patch box below.
    NumberField(c, QT_TRANSLATE_NOOP("TSoundSelection", "Program"), 272, 48, 36, 127,
                m_programLabel, m_programEdit, m_programUpDown);
    NumberField(c, QT_TRANSLATE_NOOP("TSoundSelection", "Bank"), 380, 32, 46, 16383, m_bankLabel,
                m_bankEdit, m_bankUpDown);
    const std::pair<QWidget*, const char*> names[] = {
        {m_programLabel, "Label9"}, {m_programEdit, "EProgram"}, {m_programUpDown, "UDProgram"},
        {m_bankLabel, "LBank"},     {m_bankEdit, "EBank"},       {m_bankUpDown, "UDBank"}};
    for (const auto& [w, name] : names) Named(w, name);
    m_patchLabel = Named(new QLabel(tr("Patch"), c), "Label8");
    m_patchLabel->setGeometry(6, 30, 36, 18);
    m_patchBox = Named(new QComboBox(c), "CBProgramPatch");
    m_patchBox->setGeometry(44, 28, 414, 22);
    m_patchBox->setFocusPolicy(Qt::ClickFocus);
    m_patchUpDown = Named(new TUpDown(c), "UDProgramPatch");
    m_patchUpDown->setGeometry(458, 28, 16, 22);
    for (TUpDown* ud : {m_programUpDown, m_bankUpDown, m_patchUpDown}) ud->SetWrap(true);
    for (QLineEdit* e :
         {static_cast<QLineEdit*>(m_programEdit), static_cast<QLineEdit*>(m_bankEdit)})
        e->setFocusPolicy(Qt::ClickFocus);
    SetHint(m_patchBox, tr(kPatchHint));
    SetHint(m_programEdit, tr(kProgramHint));
    SetHint(m_programUpDown, tr(kProgramHint));

    connect(m_patchBox, QOverload<int>::of(&QComboBox::activated), this,
            [this](int) { PatchBoxClick(); });
    m_patchUpDown->OnClick = [this](TUpDown*) {
        m_patchBox->setCurrentIndex(m_patchUpDown->Position());
        SelectPatch(PatchAt(m_patchBox->currentIndex()), false, true);
    };
    m_programUpDown->OnClick = [this](TUpDown* ud) { SetProgram(ud->Position(), true); };
    m_bankUpDown->OnClick = [this](TUpDown* ud) { SetBank(ud->Position(), true); };
    m_programEdit->OnExit = [this] {
        int value = 0;
        if (ParseProgramText(m_programEdit->text(), m_host.offsets->program, value))
            SetProgram(value, true);
        else
            ShowProgram();
    };
    m_programEdit->OnEscape = [this] { ShowProgram(); };
    m_bankEdit->OnExit = [this] {
        int value = 0;
        if (ParseBankText(m_bankEdit->text(), m_host.offsets->bank, value))
            SetBank(value, true);
        else
            ShowBank();
    };
    m_bankEdit->OnEscape = [this] { ShowBank(); };
}

void TSoundSelection::CreateMenu() {
    // The Patches menu stands between the device menus and the rest; the mode submenus are
    // inserted above its separator.
    QMenuBar* bar = m_host.menuBar;
    m_menu = Named(new QMenu(tr("&Patches"), bar), "Patches1");
    QAction* before = nullptr;
    if (auto* out = bar->findChild<QMenu*>(QStringLiteral("MidiOut1"))) {
        const QList<QAction*> top = bar->actions();
        const qsizetype i = top.indexOf(out->menuAction());
        if (i >= 0 && i + 1 < top.size()) before = top[i + 1];
    }
    bar->insertMenu(before, m_menu);
    m_modesEnd = Named(m_menu->addSeparator(), "PatchSetSep");
    m_modesEnd->setVisible(false);
    QAction* choose = Named(m_menu->addAction(tr("&Choose Patch Set...")), "ChoosePatchSet1");
    choose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(choose, &QAction::triggered, this, [this] { ChoosePatchSet(); });
    m_loadDefault = Named(m_menu->addAction(tr("Load Default Patch Set")), "LoadDefaultPatchSet1");
    m_loadDefault->setStatusTip(tr(kLoadDefaultHint));
    connect(m_loadDefault, &QAction::triggered, this, [this] { LoadDefaultPatchSet(); });
}

int TSoundSelection::FieldsRight() const { return m_patchUpDown->geometry().right() + 1; }

std::vector<QWidget*> TSoundSelection::TopRowFields() const {
    return {m_programLabel, m_programEdit, m_programUpDown, m_bankLabel, m_bankEdit, m_bankUpDown};
}

std::vector<QWidget*> TSoundSelection::PatchRowFields() const {
    return {m_patchLabel, m_patchBox, m_patchUpDown};
}

QString TSoundSelection::DefaultPatchScriptPath() const {
    return QString::fromStdString(m_host.dataFolder + "/" + kDefaultPatchScript);
}

TErrForm* TSoundSelection::ErrForm() {
    auto* form = m_host.window->findChild<TErrForm*>(QString(), Qt::FindDirectChildrenOnly);
    return form ? form : new TErrForm(m_host.window);
}

// ---------------------------------------------------------------------------------------------
// Loading and installing

bool TSoundSelection::LoadPatchSet(const QString& fileName, bool selectFirstMode, bool showErrors) {
    TErrForm* form = ErrForm();
    form->Clear();
    QStringList messages;
    bool failed = false;
    {
        TWaitCursor wait;
        try {
            InstallPatchList(TPatchList::LoadFromFile(fileName, &messages), selectFirstMode);
        } catch (const TPatchScriptParseException&) {
            failed = true;  // the parser listed it already
        } catch (const std::exception& e) {
            messages << QString::fromStdString(e.what());
            failed = true;
        }
    }
    form->SetLines(messages);
    if (showErrors && !messages.isEmpty()) m_host.prompts->ShowWarnings(*form);
    form->Clear();
    return failed;
}

void TSoundSelection::InstallPatchList(std::unique_ptr<TPatchList> list, bool selectFirstMode) {
    if (!list) return;
    DropPatchList();
    m_patchList = std::move(list);
    m_msbFirst = m_patchList->SendMsbFirst;
    for (int i = 0; i < m_patchList->ModeCount(); ++i) {
        TPatchModeGroup* mode = m_patchList->Mode(i);
        auto* menu = new QMenu(mode->Name(), m_menu);
        AddPatchMenuItems(menu, mode);
        m_menu->insertMenu(m_modesEnd, menu);
        if (selectFirstMode && !m_modeGroup) m_modeGroup = mode;
    }
    RebuildPatchBox();
    ShowCurrentPatch();
    MatchPatchToNumbers();
    m_modesEnd->setVisible(m_patchList->ModeCount() > 0);
}

void TSoundSelection::AddPatchMenuItems(QMenu* menu, TPatchModeGroup* group) {
    // Subgroups first, then the group's own patches.
    for (int i = 0; i < group->SubgroupCount(); ++i) {
        TPatchModeGroup* sub = group->Subgroup(i);
        QMenu* subMenu = menu->addMenu(sub->Name());
        AddPatchMenuItems(subMenu, sub);
    }
    for (int i = 0; i < group->ProgramCount(); ++i) {
        TPatchProgram* patch = group->Program(i);
        QAction* a = menu->addAction(patch->DisplayText(m_host.offsets->bank));
        connect(a, &QAction::triggered, this, [this, patch] { SelectPatch(patch, false, true); });
    }
}

void TSoundSelection::DropPatchList() {
    m_patch = nullptr;
    m_modeGroup = nullptr;
    // The menu items point at the list's patches: they go before the list does.
    for (QAction* a : m_menu->actions()) {
        if (a == m_modesEnd) break;
        if (a->menu())
            delete a->menu();
        else
            delete a;
    }
    m_modesEnd->setVisible(false);
    RebuildPatchBox();
    m_patchList.reset();
    m_msbFirst = false;
}

void TSoundSelection::ReadPatchList() {
    m_patchListRead = true;
    if (!m_host.openSettingsRoot) return;
    try {
        std::unique_ptr<TSettingsStore> store = m_host.openSettingsRoot();
        if (!store) return;
        const std::string section = keys::kKeyboardForm;
        const QString script =
            QString::fromStdString(store->ReadString(section, keys::kPatchScript, ""));
        if (!script.isEmpty() && !IsDefaultOfAGoneDataFolder(script))
            LoadPatchSet(script, false, true);
        if (!m_patchList) LoadPatchSet(DefaultPatchScriptPath(), false, false);
        if (m_patchList) {
            const QString mode =
                QString::fromStdString(store->ReadString(section, keys::kPatchMode, ""));
            SelectModeGroup(m_patchList->FindMode(mode), true);
            EnsurePatchSelected();
        }
    } catch (const std::exception&) {
        // Starting without patches is fine; the program plays by numbers then.
    }
}

void TSoundSelection::LoadDefaultPatchSet() {
    DropPatchList();
    LoadPatchSet(DefaultPatchScriptPath(), true, true);
    EnsurePatchSelected();
}

void TSoundSelection::EnsurePatchSelected() {
    if (!m_patchList) return;
    if (!m_modeGroup && m_patchList->ModeCount() > 0) SelectModeGroup(m_patchList->Mode(0), true);
    MatchPatchToNumbers();
    if (!m_patch && m_patchBox->count() > 1) SelectPatch(PatchAt(1), false, true);
}

void TSoundSelection::ChoosePatchSet() {
    if (!m_chooser) {
        m_chooser = new TPatchSetChooser(m_host.openSettingsRoot,
                                         QString::fromStdString(m_host.dataFolder), m_host.window);
        // A script that fails to load leaves the loaded one in place.
        m_chooser->OnLoadPatchSet = [this](const QString& fileName) {
            return LoadPatchSet(fileName, true, true);
        };
    }
    if (m_chooser->isMinimized()) m_chooser->showNormal();
    BringToFront(m_chooser);
}

TPatchSetChooser* TSoundSelection::PatchSetChooser() const { return m_chooser; }

void TSoundSelection::CloseChooser() {
    if (m_chooser) m_chooser->close();
}

void TSoundSelection::LoadSettings(TSettingsStore& store, const std::string& section) {
    m_program = std::clamp(store.ReadInteger(section, keys::kProgram, 0), -1, 127);
    m_bank = std::clamp(store.ReadInteger(section, keys::kBank, 0), -1, 16383);
    ShowProgram();
    ShowBank();
}

void TSoundSelection::SaveSettings(TSettingsStore& store, const std::string& section) {
    store.WriteInteger(section, keys::kProgram, m_program);
    store.WriteInteger(section, keys::kBank, m_bank);
}

void TSoundSelection::SavePatchScript(TSettingsStore& store, const std::string& section) {
    if (m_patchList) {
        store.WriteString(section, keys::kPatchScript, m_patchList->FileName().toStdString());
        store.WriteString(section, keys::kPatchMode,
                          m_modeGroup ? m_modeGroup->Name().toStdString() : std::string());
    } else if (m_patchListRead) {
        store.WriteString(section, keys::kPatchScript, "");
    }
}

void TSoundSelection::LoadForNextStart(const std::function<void()>& load) {
    const int program = m_program;
    const int bank = m_bank;
    load();
    const int newProgram = m_program;
    const int newBank = m_bank;
    m_program = program;
    m_bank = bank;
    ShowProgram();
    ShowBank();
    m_program = newProgram;
    m_bank = newBank;
}

// ---------------------------------------------------------------------------------------------
// Patch box

TPatchProgram* TSoundSelection::PatchAt(int index) const {
    if (index < 0 || index >= m_patchBox->count()) return nullptr;
    return static_cast<TPatchProgram*>(m_patchBox->itemData(index).value<void*>());
}

void TSoundSelection::AddPatchBoxItems(TPatchModeGroup* group, int& currentIndex) {
    // The group's own patches first, then each subgroup's, depth first.
    for (int i = 0; i < group->ProgramCount(); ++i) {
        TPatchProgram* patch = group->Program(i);
        if (patch == m_patch) currentIndex = m_patchBox->count();
        m_patchBox->addItem(patch->DisplayText(m_host.offsets->bank),
                            QVariant::fromValue<void*>(patch));
    }
    for (int i = 0; i < group->SubgroupCount(); ++i)
        AddPatchBoxItems(group->Subgroup(i), currentIndex);
}

void TSoundSelection::RebuildPatchBox() {
    if (m_patchBox->count() != 1) {
        m_patchBox->clear();
        m_patchBox->addItem(tr("(none)"), QVariant::fromValue<void*>(nullptr));
        m_patchUpDown->SetPosition(0);
    }
    int current = 0;
    if (m_modeGroup) {
        m_patchBox->setUpdatesEnabled(false);
        AddPatchBoxItems(m_modeGroup, current);
        m_patchBox->setUpdatesEnabled(true);
    }
    m_patchUpDown->setEnabled(m_modeGroup != nullptr);
    m_patchUpDown->SetRange(0, m_patchBox->count() - 1);
    m_patchBox->setCurrentIndex(current);
    m_host.status->SetPanelText(4, m_modeGroup ? m_modeGroup->Name() : QString());
}

void TSoundSelection::SelectModeGroup(TPatchModeGroup* group, bool force) {
    if (!force && group == m_modeGroup) return;
    m_modeGroup = group;
    RebuildPatchBox();
}

void TSoundSelection::ShowCurrentPatch() {
    int index = m_patchBox->currentIndex();
    if (index < 0 || PatchAt(index) != m_patch) index = 0;
    if (index == 0 && m_patch) index = m_patchBox->findData(QVariant::fromValue<void*>(m_patch));
    if (index >= 0 && index < m_patchBox->count()) {
        m_patchBox->setCurrentIndex(index);
        m_patchUpDown->SetPosition(index);
    }
}

void TSoundSelection::MatchPatchToNumbers() {
    const TPatchProgram* selected = PatchAt(m_patchBox->currentIndex());
    if (selected && selected->Program() == m_program && selected->Bank() == m_bank) return;
    int found = 0;
    for (int i = 1; i < m_patchBox->count(); ++i) {
        const TPatchProgram* p = PatchAt(i);
        if (p && p->Program() == m_program && p->Bank() == m_bank) {
            found = i;
            break;
        }
    }
    m_patchBox->setCurrentIndex(found);
    SelectPatch(PatchAt(found), false, false);
}

void TSoundSelection::SelectPatch(TPatchProgram* patch, bool force, bool send) {
    m_patch = patch;
    if (patch) SelectModeGroup(patch->TopMode(), force);
    ShowCurrentPatch();
    if (m_patch) {
        SetProgram(patch->Program(), false);
        SetBank(patch->Bank(), send);
    }
    const QStringList* names = patch ? patch->KeyNames() : nullptr;
    m_host.keyboard->Names().SetNoteNames(names ? *names : QStringList());
}

void TSoundSelection::PatchBoxClick() {
    const int index = m_patchBox->currentIndex();
    m_patchUpDown->SetPosition(index);
    SelectPatch(PatchAt(index), false, true);
}

void TSoundSelection::StepPatch(int d) {
    const int index = WrapIndex(m_patchBox->currentIndex(), d, m_patchBox->count());
    if (index < 0) return;
    m_patchBox->setCurrentIndex(index);
    PatchBoxClick();
}

// ---------------------------------------------------------------------------------------------
// Program and bank numbers

void TSoundSelection::SendProgram() {
    if (m_program < 0) return;
    // Every sounding note is released before the sound changes under it.
    TKeyboard* keyboard = m_host.keyboard;
    keyboard->Player().ClearThruDisplay();
    keyboard->Player().ResetPlaying();
    m_bankEdit->setEnabled(true);
    m_bankUpDown->setEnabled(true);
    if (m_bank >= 0) {
        ShowBankHint();
    } else {
        m_bankUpDown->SetPosition(-1);
        m_bankEdit->setText(NumberText(-1, 0));
        m_bank = -1;
        ShowBank();
    }
    for (const TPatchMessage& m :
         ProgramMessages(keyboard->Player().Channel(), m_program, m_bank, m_msbFirst))
        m_host.send(m.status, m.data1, m.data2);
    // A note held in hold mode sounds again with the new program.
    keyboard->Player().RestrikeLatched();
}

void TSoundSelection::SetProgram(int program, bool send) {
    if (program >= -1 && program <= 127 && program != m_program) {
        m_program = program;
        if (send) SendProgram();
    }
    ShowProgram();
}

void TSoundSelection::SetBank(int bank, bool send) {
    m_bank = bank;
    if (send) SendProgram();
    ShowBank();
}

void TSoundSelection::ShowProgram() {
    m_bankEdit->setEnabled(m_program >= 0);
    m_bankUpDown->setEnabled(m_program >= 0);
    const QString text = NumberText(m_program, m_host.offsets->program);
    if (m_programUpDown->Position() != m_program) m_programUpDown->SetPosition(m_program);
    if (m_programEdit->text().compare(text, Qt::CaseInsensitive) != 0) m_programEdit->setText(text);
    MatchPatchToNumbers();
}

void TSoundSelection::ShowBankHint() {
    const QString hint = BankHint(m_bank, m_host.offsets->bank);
    for (QWidget* w : {static_cast<QWidget*>(m_bankLabel), static_cast<QWidget*>(m_bankEdit),
                       static_cast<QWidget*>(m_bankUpDown)})
        SetHint(w, hint);
}

void TSoundSelection::ShowBank() {
    if (m_bankUpDown->Position() != m_bank) m_bankUpDown->SetPosition(m_bank);
    const QString text = NumberText(m_bank, m_host.offsets->bank);
    if (m_bankEdit->text() != text) m_bankEdit->setText(text);
    ShowBankHint();
    MatchPatchToNumbers();
}

void TSoundSelection::RefreshNumbers() {
    ShowProgram();
    ShowBank();
    RebuildPatchBox();
}

void TSoundSelection::StepProgram(int d) {
    SetProgram(StepProgramNumber(m_programUpDown->Position(), d), true);
}

void TSoundSelection::Reflect(uint8_t status, uint8_t data1, uint8_t data2) {
    const int d1 = data1 & 127;
    const int d2 = data2 & 127;
    if ((status >> 4) == 0xB) {
        if (d1 == 0) m_bankMsbMemo = d2;
        if (d1 == 32) m_bankLsbMemo = d2;
    } else if ((status >> 4) == 0xC) {
        // A program change alone keeps the bank.
        if (m_bankMsbMemo >= 0 && m_bankMsbMemo <= 127 && m_bankLsbMemo >= 0 &&
            m_bankLsbMemo <= 127) {
            m_bank = m_bankMsbMemo * 128 + m_bankLsbMemo;
            ShowBank();
        }
        m_program = d1;
        ShowProgram();
        m_bankMsbMemo = m_bankLsbMemo = -1;
    }
}
