// The main window's patch, program and bank selectors, the Patches menu and the loading of
// patch scripts.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "app/errform.h"
#include "app/statuspanels.h"
#include "app/tastra.h"
#include "app/texts.h"
#include "keyboard/keyboard.h"
#include "keyboard/updown.h"
#include "midi/midioutput.h"
#include "patches/patchnumbers.h"
#include "platform/settings/settingsstore.h"
#include "platform/shell/datafolder.h"

namespace {
const char* const kDefaultPatchScript = "default_patchscript.txt";
const char* const kPatchHint = "Current Patch (Page Up/Page Down)";
const char* const kProgramHint = "Current Program number (Shift+PageUp/PageDown)";
const char* const kLoadDefaultHint = "Load the default General MIDI patch set";

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
}  // namespace

void TTastra2::CreatePatchControls() {
    QWidget* c = ClientArea();
    // Program and bank sit in the top row right of the channel field, the patch box below.
    Label9 = new QLabel(QStringLiteral("Program"), c);
    Label9->setGeometry(272, 6, 48, 18);
    EProgram = new TNumberEdit(c);
    EProgram->setGeometry(320, 4, 36, 22);
    UDProgram = new TUpDown(c);
    UDProgram->setGeometry(356, 4, 16, 22);
    UDProgram->SetRange(-1, 127);
    LBank = new QLabel(QStringLiteral("Bank"), c);
    LBank->setGeometry(380, 6, 32, 18);
    EBank = new TNumberEdit(c);
    EBank->setGeometry(412, 4, 46, 22);
    UDBank = new TUpDown(c);
    UDBank->setGeometry(458, 4, 16, 22);
    UDBank->SetRange(-1, 16383);
    Label8 = new QLabel(QStringLiteral("Patch"), c);
    Label8->setGeometry(6, 30, 36, 18);
    CBProgramPatch = new QComboBox(c);
    CBProgramPatch->setGeometry(44, 28, 414, 22);
    CBProgramPatch->setFocusPolicy(Qt::ClickFocus);
    UDProgramPatch = new TUpDown(c);
    UDProgramPatch->setGeometry(458, 28, 16, 22);
    for (TUpDown* ud : {UDProgram, UDBank, UDProgramPatch}) ud->SetWrap(true);
    for (QLineEdit* e : {static_cast<QLineEdit*>(EProgram), static_cast<QLineEdit*>(EBank)})
        e->setFocusPolicy(Qt::ClickFocus);
    SetHint(CBProgramPatch, QString::fromLatin1(kPatchHint));
    SetHint(EProgram, QString::fromLatin1(kProgramHint));
    SetHint(UDProgram, QString::fromLatin1(kProgramHint));

    connect(CBProgramPatch, QOverload<int>::of(&QComboBox::activated), this,
            [this](int) { CBProgramPatchClick(); });
    UDProgramPatch->OnClick = [this](TUpDown*) { UDProgramPatchClick(); };
    UDProgram->OnClick = [this](TUpDown* ud) { SetProgram(ud->Position(), true); };
    UDBank->OnClick = [this](TUpDown* ud) { SetBank(ud->Position(), true); };
    EProgram->OnExit = [this] { EProgramExit(); };
    EProgram->OnEscape = [this] { ShowProgram(); };
    EBank->OnExit = [this] { EBankExit(); };
    EBank->OnEscape = [this] { ShowBank(); };

    // The Patches menu stands between the device menus and the rest; the mode submenus are
    // inserted above its separator.
    Patches1 = new QMenu(QStringLiteral("&Patches"), menuBar());
    Patches1->setObjectName(QStringLiteral("Patches1"));
    QAction* before = nullptr;
    if (QMenu* out = FindMenu(QStringLiteral("MidiOut1"))) {
        const QList<QAction*> top = menuBar()->actions();
        const qsizetype i = top.indexOf(out->menuAction());
        if (i >= 0 && i + 1 < top.size()) before = top[i + 1];
    }
    menuBar()->insertMenu(before, Patches1);
    PatchSetSep = Patches1->addSeparator();
    PatchSetSep->setObjectName(QStringLiteral("PatchSetSep"));
    PatchSetSep->setVisible(false);
    LoadDefaultPatchSet1 = Patches1->addAction(QStringLiteral("Load Default Patch Set"));
    LoadDefaultPatchSet1->setObjectName(QStringLiteral("LoadDefaultPatchSet1"));
    LoadDefaultPatchSet1->setStatusTip(QString::fromLatin1(kLoadDefaultHint));
    connect(LoadDefaultPatchSet1, &QAction::triggered, this,
            [this] { LoadDefaultPatchSet1Click(); });
    connect(Patches1, &QMenu::aboutToShow, this, [this] { Keyboard1->SetCaptureKeyboard(false); });
    connect(Patches1, &QMenu::aboutToHide, this,
            [this] { Keyboard1->SetCaptureKeyboard(isActiveWindow()); });

    OnShowWarnings = [](TErrForm* form) { form->exec(); };
    RebuildPatchBox();
    ShowProgram();
    ShowBank();
}

QString TTastra2::DefaultPatchScriptPath() {
    return QString::fromStdString(DataFilePath(kDefaultPatchScript));
}

TErrForm* TTastra2::ErrForm() {
    auto* form = findChild<TErrForm*>(QString(), Qt::FindDirectChildrenOnly);
    return form ? form : new TErrForm(this);
}

// ---------------------------------------------------------------------------------------------
// Loading and installing

bool TTastra2::LoadPatchSet(const QString& fileName, bool selectFirstMode, bool showErrors) {
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
    if (showErrors && !messages.isEmpty() && OnShowWarnings) OnShowWarnings(form);
    form->Clear();
    return failed;
}

void TTastra2::InstallPatchList(std::unique_ptr<TPatchList> list, bool selectFirstMode) {
    if (!list) return;
    DropPatchList();
    m_patchList = std::move(list);
    m_msbFirst = m_patchList->SendMsbFirst;
    for (int i = 0; i < m_patchList->ModeCount(); ++i) {
        TPatchModeGroup* mode = m_patchList->Mode(i);
        auto* menu = new QMenu(mode->Name(), Patches1);
        AddPatchMenuItems(menu, mode);
        Patches1->insertMenu(PatchSetSep, menu);
        if (selectFirstMode && !m_modeGroup) m_modeGroup = mode;
    }
    RebuildPatchBox();
    ShowCurrentPatch();
    MatchPatchToNumbers();
    PatchSetSep->setVisible(m_patchList->ModeCount() > 0);
}

void TTastra2::AddPatchMenuItems(QMenu* menu, TPatchModeGroup* group) {
    // Subgroups first, then the group's own patches.
    for (int i = 0; i < group->SubgroupCount(); ++i) {
        TPatchModeGroup* sub = group->Subgroup(i);
        QMenu* subMenu = menu->addMenu(sub->Name());
        AddPatchMenuItems(subMenu, sub);
    }
    for (int i = 0; i < group->ProgramCount(); ++i) {
        TPatchProgram* patch = group->Program(i);
        QAction* a = menu->addAction(patch->DisplayText());
        connect(a, &QAction::triggered, this, [this, patch] { SelectPatch(patch, false, true); });
    }
}

void TTastra2::DropPatchList() {
    m_patch = nullptr;
    m_modeGroup = nullptr;
    // The menu items point at the list's patches: they go before the list does.
    for (QAction* a : Patches1->actions()) {
        if (a == PatchSetSep) break;
        if (a->menu())
            delete a->menu();
        else
            delete a;
    }
    PatchSetSep->setVisible(false);
    RebuildPatchBox();
    m_patchList.reset();
    m_msbFirst = false;
}

void TTastra2::ReadPatchList() {
    if (!m_services.openSettingsRoot) return;
    try {
        std::unique_ptr<TSettingsStore> store = m_services.openSettingsRoot();
        if (!store) return;
        const std::string section = keys::kKeyboardForm;
        const QString script =
            QString::fromStdString(store->ReadString(section, keys::kPatchScript, ""));
        if (!script.isEmpty()) LoadPatchSet(script, false, true);
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

void TTastra2::LoadDefaultPatchSet1Click() {
    DropPatchList();
    LoadPatchSet(DefaultPatchScriptPath(), true, true);
    EnsurePatchSelected();
}

void TTastra2::EnsurePatchSelected() {
    if (!m_patchList) return;
    if (!m_modeGroup && m_patchList->ModeCount() > 0) SelectModeGroup(m_patchList->Mode(0), true);
    MatchPatchToNumbers();
    if (!m_patch && CBProgramPatch->count() > 1) SelectPatch(PatchAt(1), false, true);
}

void TTastra2::SavePatchSettings(TSettingsStore& store) {
    const std::string section = RegKey().toStdString();
    if (m_patchList) {
        store.WriteString(section, keys::kPatchScript, m_patchList->FileName().toStdString());
        store.WriteString(section, keys::kPatchMode,
                          m_modeGroup ? m_modeGroup->Name().toStdString() : std::string());
    } else {
        store.WriteString(section, keys::kPatchScript, "");
    }
}

// ---------------------------------------------------------------------------------------------
// Patch box

TPatchProgram* TTastra2::PatchAt(int index) const {
    if (index < 0 || index >= CBProgramPatch->count()) return nullptr;
    return static_cast<TPatchProgram*>(CBProgramPatch->itemData(index).value<void*>());
}

void TTastra2::AddPatchBoxItems(TPatchModeGroup* group, int& currentIndex) {
    // The group's own patches first, then each subgroup's, depth first.
    for (int i = 0; i < group->ProgramCount(); ++i) {
        TPatchProgram* patch = group->Program(i);
        if (patch == m_patch) currentIndex = CBProgramPatch->count();
        CBProgramPatch->addItem(patch->DisplayText(), QVariant::fromValue<void*>(patch));
    }
    for (int i = 0; i < group->SubgroupCount(); ++i)
        AddPatchBoxItems(group->Subgroup(i), currentIndex);
}

void TTastra2::RebuildPatchBox() {
    if (CBProgramPatch->count() != 1) {
        CBProgramPatch->clear();
        CBProgramPatch->addItem(QStringLiteral("(none)"), QVariant::fromValue<void*>(nullptr));
        UDProgramPatch->SetPosition(0);
    }
    int current = 0;
    if (m_modeGroup) {
        CBProgramPatch->setUpdatesEnabled(false);
        AddPatchBoxItems(m_modeGroup, current);
        CBProgramPatch->setUpdatesEnabled(true);
    }
    UDProgramPatch->setEnabled(m_modeGroup != nullptr);
    UDProgramPatch->SetRange(0, CBProgramPatch->count() - 1);
    CBProgramPatch->setCurrentIndex(current);
    StatusPanels()->SetPanelText(4, m_modeGroup ? m_modeGroup->Name() : QString());
}

void TTastra2::SelectModeGroup(TPatchModeGroup* group, bool force) {
    if (!force && group == m_modeGroup) return;
    m_modeGroup = group;
    RebuildPatchBox();
}

void TTastra2::ShowCurrentPatch() {
    int index = CBProgramPatch->currentIndex();
    if (index < 0 || PatchAt(index) != m_patch) index = 0;
    if (index == 0 && m_patch)
        index = CBProgramPatch->findData(QVariant::fromValue<void*>(m_patch));
    if (index >= 0 && index < CBProgramPatch->count()) {
        CBProgramPatch->setCurrentIndex(index);
        UDProgramPatch->SetPosition(index);
    }
}

void TTastra2::MatchPatchToNumbers() {
    const TPatchProgram* selected = PatchAt(CBProgramPatch->currentIndex());
    if (selected && selected->Program() == m_program && selected->Bank() == m_bank) return;
    int found = 0;
    for (int i = 1; i < CBProgramPatch->count(); ++i) {
        const TPatchProgram* p = PatchAt(i);
        if (p && p->Program() == m_program && p->Bank() == m_bank) {
            found = i;
            break;
        }
    }
    CBProgramPatch->setCurrentIndex(found);
    SelectPatch(PatchAt(found), false, false);
}

void TTastra2::SelectPatch(TPatchProgram* patch, bool force, bool send) {
    m_patch = patch;
    if (patch) SelectModeGroup(patch->TopMode(), force);
    ShowCurrentPatch();
    if (m_patch) {
        SetProgram(patch->Program(), false);
        SetBank(patch->Bank(), send);
    }
    const QStringList* names = patch ? patch->KeyNames() : nullptr;
    Keyboard1->SetNoteNames(names ? *names : QStringList());
}

void TTastra2::CBProgramPatchClick() {
    const int index = CBProgramPatch->currentIndex();
    UDProgramPatch->SetPosition(index);
    SelectPatch(PatchAt(index), false, true);
}

void TTastra2::UDProgramPatchClick() {
    CBProgramPatch->setCurrentIndex(UDProgramPatch->Position());
    SelectPatch(PatchAt(CBProgramPatch->currentIndex()), false, true);
}

void TTastra2::StepPatch(int d) {
    const int index = WrapIndex(CBProgramPatch->currentIndex(), d, CBProgramPatch->count());
    if (index < 0) return;
    CBProgramPatch->setCurrentIndex(index);
    CBProgramPatchClick();
}

// ---------------------------------------------------------------------------------------------
// Program and bank numbers

void TTastra2::SendDirect(uint8_t status, uint8_t data1, uint8_t data2) {
    try {
        MidiOut().SendShort(status, data1, data2);
    } catch (const std::exception& e) {
        // As on the send path: one box per opened device, later failures in the status bar.
        const QString text = QString::fromStdString(e.what());
        SetStatusText(text.section(QLatin1Char('\n'), -1).trimmed());
        if (!m_sendErrorShown) {
            m_sendErrorShown = true;
            ShowError(text);
        }
    }
}

void TTastra2::SendProgram() {
    if (m_program < 0) return;
    // Every sounding note is released before the sound changes under it.
    Keyboard1->ClearThruDisplay();
    Keyboard1->ResetPlaying();
    EBank->setEnabled(true);
    UDBank->setEnabled(true);
    if (m_bank >= 0) {
        const QString hint = BankHint(m_bank, BankDisplayOffset());
        for (QWidget* w : {static_cast<QWidget*>(LBank), static_cast<QWidget*>(EBank),
                           static_cast<QWidget*>(UDBank)})
            SetHint(w, hint);
    } else {
        UDBank->SetPosition(-1);
        EBank->setText(QStringLiteral("none"));
        m_bank = -1;
        ShowBank();
    }
    for (const TPatchMessage& m :
         ProgramMessages(Keyboard1->Channel(), m_program, m_bank, m_msbFirst))
        SendDirect(m.status, m.data1, m.data2);
    // A note held in hold mode sounds again with the new program.
    Keyboard1->RestrikeLatched();
}

void TTastra2::SetProgram(int program, bool send) {
    if (program >= -1 && program <= 127 && program != m_program) {
        m_program = program;
        if (send) SendProgram();
    }
    ShowProgram();
}

void TTastra2::SetBank(int bank, bool send) {
    m_bank = bank;
    if (send) SendProgram();
    ShowBank();
}

void TTastra2::ShowProgram() {
    EBank->setEnabled(m_program >= 0);
    UDBank->setEnabled(m_program >= 0);
    const QString text = NumberText(m_program, ProgramDisplayOffset());
    if (UDProgram->Position() != m_program) UDProgram->SetPosition(m_program);
    if (EProgram->text().compare(text, Qt::CaseInsensitive) != 0) EProgram->setText(text);
    MatchPatchToNumbers();
}

void TTastra2::ShowBank() {
    if (UDBank->Position() != m_bank) UDBank->SetPosition(m_bank);
    const QString text = NumberText(m_bank, BankDisplayOffset());
    if (EBank->text() != text) EBank->setText(text);
    const QString hint = BankHint(m_bank, BankDisplayOffset());
    for (QWidget* w : {static_cast<QWidget*>(LBank), static_cast<QWidget*>(EBank),
                       static_cast<QWidget*>(UDBank)})
        SetHint(w, hint);
    MatchPatchToNumbers();
}

void TTastra2::EProgramExit() {
    int value = 0;
    if (ParseProgramText(EProgram->text(), ProgramDisplayOffset(), value))
        SetProgram(value, true);
    else
        ShowProgram();
}

void TTastra2::EBankExit() {
    int value = 0;
    if (ParseBankText(EBank->text(), BankDisplayOffset(), value))
        SetBank(value, true);
    else
        ShowBank();
}

void TTastra2::StepProgram(int d) { SetProgram(StepProgramNumber(UDProgram->Position(), d), true); }
