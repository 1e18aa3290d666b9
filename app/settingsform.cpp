#include "app/settingsform.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/joystickrouter.h"
#include "app/keyboardpages.h"
#include "app/synthlink.h"
#include "app/synthpage.h"
#include "app/tastra.h"
#include "keyboard/keyboard.h"
#include "keyboard/updown.h"
#include "keyboard/vkedit.h"
#include "midi/controllernames.h"

namespace {

constexpr int kDefaultUpperC = 16;
constexpr int kDefaultLowerC = 44;
const char* const kNumberHint =
    QT_TRANSLATE_NOOP("TSettings", "Display the numbers starting with 1 rather than 0");

QLabel* WrapLabel(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    return l;
}

// A combo box with a label whose mnemonic focuses it.
QComboBox* LabelledCombo(const QString& caption, QGridLayout* grid, int row, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    auto* box = new QComboBox(parent);
    label->setBuddy(box);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

void SelectIndex(QComboBox* box, int index) {
    if (index >= 0 && index < box->count()) box->setCurrentIndex(index);
}

}  // namespace

std::vector<TJoyAction> JoyActions() {
    std::vector<TJoyAction> list;
    for (int b = 0; b < kJoySlotCount; ++b)
        for (int j = 0; j < kJoystickCount; ++j)
            for (int a = 0; a < kJoyAxisCount; ++a)
                list.push_back({b, j, static_cast<TJoyAxis>(a)});
    return list;
}

QString JoyActionText(const TJoyAction& action) {
    static const char* const kAxisFormats[] = {
        QT_TRANSLATE_NOOP("TSettings", "Joystick %1 left/right"),
        QT_TRANSLATE_NOOP("TSettings", "Joystick %1 up/down"),
        QT_TRANSLATE_NOOP("TSettings", "Joystick %1 Z-layer")};
    QString text = TSettings::tr(kAxisFormats[action.axis]).arg(action.joystick);
    if (action.slot > 0) text += TSettings::tr(" button %1 pressed").arg(action.slot);
    return text;
}

int ControllerListIndex(int value) {
    if (value >= 0 && value <= 127) return value + 2;
    return value == kControllerPitchBend ? 1 : 0;
}

int ControllerListValue(int index) {
    if (index == 1) return kControllerPitchBend;
    if (index >= 2 && index <= 129) return index - 2;
    return kControllerNone;
}

int ShiftPercent(double factor, bool& louder) {
    louder = factor > 1;
    return static_cast<int>(std::nearbyint((louder ? factor - 1 : 1 - factor) * 100));
}

double ShiftFactor(int percent, bool louder) {
    const double f = louder ? 1 + percent / 100.0 : 1 - percent / 100.0;
    return std::max(f, 0.01);
}

TSettings::TSettings(TTastra2& owner) : QDialog(&owner, Qt::Tool), m_owner(owner) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Settings"));
    setObjectName(QStringLiteral("Settings"));
    m_joyTable = EmptyJoystickTable();

    PageControl = new QTabWidget(this);
    PageControl->addTab(GeneralTab = CreateGeneralPage(), tr("General"));
    PageControl->addTab(TSPlaying = CreatePlayingPage(), tr("Playing"));
    PageControl->addTab(CtrlTab = CreateControllerPage(), tr("Controller"));
    PageControl->addTab(JoystickTab = CreateJoystickPage(), tr("Joystick"));
    PageControl->addTab(MouseWheelTab = CreateMouseWheelPage(), tr("Mouse Wheel"));
    LabelsTab = new TLabelsPage(m_owner.DisplayOffsets().channel);
    PageControl->addTab(LabelsTab, tr("Labels"));
    KeysTab = new TKeysPage(QString::fromStdString(m_owner.DataFolderPath() + "/keymaps"));
    PageControl->addTab(KeysTab, tr("Keys"));
    PageControl->addTab(SynthTab = new TSynthPage, tr("Built-in Synth"));

    BOK = new QPushButton(tr("&OK"), this);
    BApply = new QPushButton(tr("&Apply"), this);
    BCancel = new QPushButton(tr("Cancel"), this);
    BOK->setDefault(true);
    // The style's smallest button fits a short text; a longer one (in some languages) keeps
    // a letter's room on either side, as the short ones do.
    for (QPushButton* b : {BOK, BApply, BCancel}) {
        const QFontMetrics fm = b->fontMetrics();
        QString shown = b->text();
        shown.remove(QLatin1Char('&'));
        b->setMinimumWidth(std::max(b->sizeHint().width(),
                                    fm.horizontalAdvance(shown) + 4 * fm.averageCharWidth()));
    }
    connect(BOK, &QPushButton::clicked, this, [this] { BOKClick(); });
    connect(BApply, &QPushButton::clicked, this, [this] { BApplyClick(); });
    connect(BCancel, &QPushButton::clicked, this, [this] { BCancelClick(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BOK);
    buttons->addWidget(BApply);
    buttons->addWidget(BCancel);
    auto* main = new QVBoxLayout(this);
    main->addWidget(PageControl);
    main->addLayout(buttons);
}

TSettings::~TSettings() { ReturnKeyWidthBar(); }

QWidget* TSettings::CreateGeneralPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("GeneralTab"));
    auto* language = new QGroupBox(tr("Note display language"), page);
    language->setObjectName(QStringLiteral("GBLanguage"));
    RBNoteInternational = new QRadioButton(tr("&International"), language);
    RBNoteGerman = new QRadioButton(tr("&German"), language);
    RBNoteItalian = new QRadioButton(tr("&French / Italian"), language);
    auto* ll = new QVBoxLayout(language);
    for (QRadioButton* r : {RBNoteInternational, RBNoteGerman, RBNoteItalian}) ll->addWidget(r);

    auto* appearance = new QGroupBox(tr("Appearance"), page);
    appearance->setObjectName(QStringLiteral("GBApperance"));
    LKeyWidth = new QLabel(tr("Key Width"), appearance);
    CBOldStyle = new QCheckBox(tr("Use old style keyboard"), appearance);
    CBShowBasenote = new QCheckBox(tr("Show keyboard arrow buttons"), appearance);
    CBShowBasenote->setToolTip(
        tr("You can use Alt+Mouse dragging to shift the keyboard<without these buttons."));
    // The main window's own bar moves in here, so it keeps acting on the keyboard at once.
    m_keyWidthBar = m_owner.TBKeyWidth;
    auto* al = new QVBoxLayout(appearance);
    al->setSpacing(2);
    al->addWidget(LKeyWidth);
    al->addWidget(m_keyWidthBar);
    al->addSpacing(6);
    al->addWidget(CBOldStyle);
    al->addWidget(CBShowBasenote);
    m_keyWidthBar->show();
    m_savedBarPosition = m_keyWidthBar->value();
    connect(CBOldStyle, &QCheckBox::clicked, this, [this](bool on) {
        // Only the style changes: the keys keep the width they have.
        m_owner.Keyboard1->SetPaintStyle(on ? psDraw : psImage);
        m_owner.FitKeyboardToStyle();
    });
    connect(CBShowBasenote, &QCheckBox::clicked, this,
            [this](bool on) { m_owner.SetArrowsVisible(on); });

    auto* numbers = new QGroupBox(tr("Number Display"), page);
    numbers->setObjectName(QStringLiteral("GroupBox3"));
    CBStartWithOneController = new QCheckBox(tr("First controller number is 1"));
    CBStartWithOneProgram = new QCheckBox(tr("First program number is 1"));
    CBStartWithOneBank = new QCheckBox(tr("First bank number is 1"));
    CBStartWithOneChannel = new QCheckBox(tr("First channel number is 1"));
    auto* nl = new QVBoxLayout(numbers);
    for (QCheckBox* c : {CBStartWithOneController, CBStartWithOneProgram, CBStartWithOneBank,
                         CBStartWithOneChannel}) {
        c->setToolTip(tr(kNumberHint));
        nl->addWidget(c);
    }

    auto* grid = new QGridLayout(page);
    grid->addWidget(language, 0, 0);
    grid->addWidget(appearance, 0, 1);
    grid->addWidget(numbers, 1, 0, 1, 2);
    return page;
}

QWidget* TSettings::CreatePlayingPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TSPlaying"));
    auto* ckey = new QGroupBox(tr("Note-key mapping"), page);
    ckey->setObjectName(QStringLiteral("GBCKey"));
    auto* cl = new QGridLayout(ckey);
    cl->addWidget(WrapLabel(tr("Here you can specify which key on the computer "
                               "keyboard corresponds to note \"C\" / \"do\"."),
                            ckey),
                  0, 0, 1, 2);
    VKUpper = new TVKEdit(ckey);
    VKUpper->CaptureOneKey(&TComputerKeys::IsValidUpperC);
    BDefaultUpperKey = new QPushButton(tr("Default"), ckey);
    VKLower = new TVKEdit(ckey);
    VKLower->CaptureOneKey(&TComputerKeys::IsValidLowerC);
    BDefaultLowerKey = new QPushButton(tr("Default"), ckey);
    cl->addWidget(new QLabel(tr("Upper manual (second row on computer keyboard):")), 1, 0, 1, 2);
    cl->addWidget(VKUpper, 2, 0);
    cl->addWidget(BDefaultUpperKey, 2, 1);
    cl->addWidget(new QLabel(tr("Lower manual (forth row on computer keyboard):")), 3, 0, 1, 2);
    cl->addWidget(VKLower, 4, 0);
    cl->addWidget(BDefaultLowerKey, 4, 1);
    connect(BDefaultUpperKey, &QPushButton::clicked, this,
            [this] { VKUpper->SetKey(kDefaultUpperC); });
    connect(BDefaultLowerKey, &QPushButton::clicked, this,
            [this] { VKLower->SetKey(kDefaultLowerC); });

    auto* velocity = new QGroupBox(tr("Velocity / Dynamic play"), page);
    velocity->setObjectName(QStringLiteral("GBVelocity"));
    auto* vl = new QGridLayout(velocity);
    vl->addWidget(WrapLabel(tr("The velocity is the volume of a single note. On real "
                               "music keyboards, this is how hard you press a key. In "
                               "Zorvik's Tastra, you only have 2 different velocity "
                               "values."),
                            velocity),
                  0, 0, 1, 4);
    auto numberField = [&](QLineEdit*& edit, TUpDown*& ud, int min, int max) {
        edit = new QLineEdit(velocity);
        edit->setMaxLength(4);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 8);
        ud = new TUpDown(velocity);
        ud->SetRange(min, max);
        ud->SetAssociate(edit);
        edit->installEventFilter(this);
    };
    numberField(EVelocity, UDVelocity, 0, 127);
    numberField(EShiftVel, UDShiftVel, 1, 100);
    vl->addWidget(new QLabel(tr("Standard velocity (0..127):")), 1, 0);
    vl->addWidget(EVelocity, 1, 1);
    vl->addWidget(UDVelocity, 1, 2);
    vl->addWidget(new QLabel(tr("Alternate velocity with Shift (in percent):")), 2, 0);
    vl->addWidget(EShiftVel, 2, 1);
    vl->addWidget(UDShiftVel, 2, 2);
    RBShiftVelLouder = new QRadioButton(tr("% &Louder"), velocity);
    RBShiftVelQuieter = new QRadioButton(tr("% &Quieter"), velocity);
    auto* rl = new QVBoxLayout;
    rl->addWidget(RBShiftVelLouder);
    rl->addWidget(RBShiftVelQuieter);
    vl->addLayout(rl, 2, 3);

    GBTouch = new TTouchGroup(page);

    auto* pl = new QVBoxLayout(page);
    pl->addWidget(ckey);
    pl->addWidget(velocity);
    pl->addWidget(GBTouch);
    return page;
}

QWidget* TSettings::CreateControllerPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("CtrlTab"));
    auto* keyboard = new QGroupBox(tr("Keyboard"), page);
    keyboard->setObjectName(QStringLiteral("GBKeyboard"));
    auto* kl = new QGridLayout(keyboard);
    CBUpDown = LabelledCombo(tr("&Up/Down Controller"), kl, 0, keyboard);
    CBLeftRight = LabelledCombo(tr("&Left/Right Controller"), kl, 1, keyboard);
    kl->addWidget(WrapLabel(tr("These are the controllers that are sent when you use "
                               "the \"special hold mode\" on the keyboard."),
                            keyboard),
                  2, 0, 1, 2);
    auto* wheels = new QGroupBox(tr("Wheels"), page);
    wheels->setObjectName(QStringLiteral("GBWheels"));
    auto* wl = new QGridLayout(wheels);
    CBMW = LabelledCombo(tr("&Mod Wheel Controller"), wl, 0, wheels);
    wl->addWidget(WrapLabel(tr("These is the controller that is sent by the "
                               "\"modulation wheel\" at the left side of the "
                               "keyboard."),
                            wheels),
                  1, 0, 1, 2);
    auto* pl = new QVBoxLayout(page);
    pl->addWidget(WrapLabel(tr("Hint: To easily set up the controller numbers, select "
                               "a combobox and move the slider/knob that you want to "
                               "control with it."),
                            page));
    pl->addWidget(keyboard);
    pl->addWidget(wheels);
    pl->addStretch();
    return page;
}

QWidget* TSettings::CreateJoystickPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("JoystickTab"));
    auto* pl = new QVBoxLayout(page);
    pl->addWidget(
        WrapLabel(tr("You can use a joystick to send controller messages. You must have set up "
                     "your joystick(s) in the control panel to be able to use them in Zorvik's "
                     "Tastra."),
                  page));
    pl->addWidget(WrapLabel(tr("To easily set up the controller number, move the "
                               "slider/knob that you want to control with it. In case "
                               "of problems, disable it below."),
                            page));
    auto* grid = new QGridLayout;
    CBJoyAction = LabelledCombo(tr("&Joystick/Action"), grid, 0, page);
    CBJoyController = LabelledCombo(tr("&Controller"), grid, 1, page);
    pl->addLayout(grid);
    CBDisableJoySetCtrl = new QCheckBox(tr("Disable automatic controller choice"), page);
    pl->addWidget(CBDisableJoySetCtrl);
    pl->addStretch();
    connect(CBJoyAction, &QComboBox::currentIndexChanged, this, [this] { CBJoyActionChange(); });
    connect(CBJoyController, &QComboBox::currentIndexChanged, this,
            [this] { CBJoyControllerChange(); });
    return page;
}

QWidget* TSettings::CreateMouseWheelPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("MouseWheelTab"));
    auto* pl = new QVBoxLayout(page);
    pl->addWidget(
        WrapLabel(tr("You can use a mouse wheel to send controller messages. Choose a controller "
                     "below. You can turn the knob or wheel corresponding to the desired "
                     "controller on Tastra or a connected MIDI device to set the controller."),
                  page));
    auto* controller = new QGroupBox(tr("Controller"), page);
    auto* cl = new QGridLayout(controller);
    CBMouseWheel = LabelledCombo(tr("&Controller"), cl, 0, controller);
    pl->addWidget(controller);

    auto* sensitivity = new QGroupBox(tr("Sensitivity"), page);
    auto* sl = new QGridLayout(sensitivity);
    auto* caption = new QLabel(tr("&Sensitivity"), sensitivity);
    TBMouseWheelSensitivity = new QSlider(Qt::Horizontal, sensitivity);
    TBMouseWheelSensitivity->setRange(0, TTastra2::kMaxWheelSensitivity);
    TBMouseWheelSensitivity->setTickPosition(QSlider::TicksBelow);
    caption->setBuddy(TBMouseWheelSensitivity);
    sl->addWidget(caption, 0, 0);
    sl->addWidget(new QLabel(tr("Slow"), sensitivity), 0, 1);
    sl->addWidget(TBMouseWheelSensitivity, 0, 2);
    sl->addWidget(new QLabel(tr("Fast"), sensitivity), 0, 3);
    sl->addWidget(WrapLabel(tr("The sensitivity defines how much the controller is "
                               "changed with one \"tick\" of the mousewheel."),
                            sensitivity),
                  1, 0, 1, 4);
    sl->addWidget(WrapLabel(tr("\"Slow\" means very fine resolution but you need to turn a lot "
                               "to change the controller significantly. On the other hand, "
                               "\"Fast\" has the effect that little wheel movement results in "
                               "big controller changes."),
                            sensitivity),
                  2, 0, 1, 4);
    pl->addWidget(sensitivity);
    pl->addStretch();
    return page;
}

void TSettings::ShowGeneralPage() { PageControl->setCurrentWidget(GeneralTab); }

void TSettings::BuildControllerLists() {
    const std::vector<std::string> names =
        ControllerEntryTexts(m_owner.DisplayOffsets().controller);
    QStringList entries;
    for (const std::string& n : names) entries << QString::fromStdString(n);
    auto fill = [](QComboBox* box, const QStringList& items) {
        const int keep = box->currentIndex();
        const QSignalBlocker block(box);
        box->clear();
        box->addItems(items);
        if (keep >= 0 && keep < box->count()) box->setCurrentIndex(keep);
    };
    fill(CBUpDown, QStringList{tr("(none)"), tr("Pitch Wheel")} + entries);
    QStringList withExtras;
    for (int i = 0; i < CBUpDown->count(); ++i) withExtras << CBUpDown->itemText(i);
    for (QComboBox* box : {CBLeftRight, CBJoyController, CBMouseWheel}) fill(box, withExtras);
    fill(CBMW, entries);
}

void TSettings::BuildJoyActions() {
    m_joyActions = JoyActions();
    const QSignalBlocker block(CBJoyAction);
    CBJoyAction->clear();
    for (const TJoyAction& a : m_joyActions) CBJoyAction->addItem(JoyActionText(a));
}

void TSettings::RememberImmediateState() {
    m_savedBarPosition = m_keyWidthBar->value();
    m_savedArrows = m_owner.ArrowsVisible();
    m_savedDrawStyle = m_owner.Keyboard1->PaintStyle() == psDraw;
}

void TSettings::showEvent(QShowEvent* event) {
    TKeyboard& kb = *m_owner.Keyboard1;
    CBOldStyle->setEnabled(kb.ImagesAvailable());
    CBOldStyle->setChecked(kb.PaintStyle() == psDraw);
    CBShowBasenote->setChecked(m_owner.ArrowsVisible());
    RememberImmediateState();

    if (!m_listsBuilt) {
        m_listsBuilt = true;
        BuildControllerLists();
        BuildJoyActions();
        const QSignalBlocker block(CBJoyController);
        CBJoyAction->setCurrentIndex(0);
        CBJoyController->setCurrentIndex(0);
    }
    m_joyTable = m_owner.Joysticks().Table();
    CBJoyActionChange();

    SelectIndex(CBUpDown, ControllerListIndex(kb.Player().UpDownController()));
    SelectIndex(CBLeftRight, ControllerListIndex(kb.Player().LeftRightController()));
    VKUpper->SetKey(kb.Player().UpperCScanCode());
    VKLower->SetKey(kb.Player().LowerCScanCode());
    SelectIndex(CBMW, std::clamp(m_owner.ModulationController(), 0, 127));
    SelectIndex(CBMouseWheel, ControllerListIndex(m_owner.WheelController()));
    TBMouseWheelSensitivity->setValue(m_owner.WheelSensitivity());

    switch (kb.Names().Language()) {
        case TLanguage::German:
            RBNoteGerman->setChecked(true);
            break;
        case TLanguage::Italian:
            RBNoteItalian->setChecked(true);
            break;
        default:
            RBNoteInternational->setChecked(true);
            break;
    }
    bool louder = false;
    const int percent = ShiftPercent(kb.Player().VelocityShiftFactor(), louder);
    (louder ? RBShiftVelLouder : RBShiftVelQuieter)->setChecked(true);
    UDShiftVel->SetPosition(percent);
    UDVelocity->SetPosition(kb.Player().Velocity());
    GBTouch->Load(kb);

    LabelsTab->Load(kb);
    KeysTab->Load(kb);

    const TDisplayOffsets& offsets = m_owner.DisplayOffsets();
    CBStartWithOneController->setChecked(offsets.controller > 0);
    CBStartWithOneProgram->setChecked(offsets.program > 0);
    CBStartWithOneBank->setChecked(offsets.bank > 0);
    CBStartWithOneChannel->setChecked(offsets.channel > 0);
    SynthTab->Load(m_owner.Synth().Settings(), m_owner.Synth().Status());

    if (!m_centred) {
        m_centred = true;
        adjustSize();
        if (QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void TSettings::BApplyClick() {
    // A number typed into a field that still has the focus counts as entered.
    CommitNumberField(EVelocity, UDVelocity);
    CommitNumberField(EShiftVel, UDShiftVel);
    TKeyboard& kb = *m_owner.Keyboard1;
    kb.Player().SetUpDownController(ControllerListValue(CBUpDown->currentIndex()));
    kb.Player().SetLeftRightController(ControllerListValue(CBLeftRight->currentIndex()));
    if (VKUpper->KeyScanCode() >= 0) kb.Player().SetUpperCScanCode(VKUpper->KeyScanCode());
    if (VKLower->KeyScanCode() >= 0) kb.Player().SetLowerCScanCode(VKLower->KeyScanCode());

    if (CBMW->currentIndex() >= 0) m_owner.SetModulationController(CBMW->currentIndex());
    m_owner.SetWheelController(ControllerListValue(CBMouseWheel->currentIndex()));
    m_owner.SetWheelSensitivity(TBMouseWheelSensitivity->value());
    m_owner.Joysticks().SetTable(m_joyTable);
    m_owner.Joysticks().Update();

    if (RBNoteGerman->isChecked())
        kb.Names().SetLanguage(TLanguage::German);
    else if (RBNoteItalian->isChecked())
        kb.Names().SetLanguage(TLanguage::Italian);
    else
        kb.Names().SetLanguage(TLanguage::International);
    RememberImmediateState();

    kb.Player().SetVelocityShiftFactor(ShiftFactor(UDShiftVel->Position(), RBShiftVelLouder->isChecked()));
    kb.Player().SetVelocity(UDVelocity->Position());
    GBTouch->Apply(kb);
    LabelsTab->Apply(kb);
    KeysTab->Apply(kb);

    bool changed = false;
    auto apply = [&changed](int& offset, QCheckBox* box) {
        const int v = box->isChecked() ? 1 : 0;
        if (offset != v) changed = true;
        offset = v;
    };
    TDisplayOffsets& offsets = m_owner.DisplayOffsets();
    apply(offsets.controller, CBStartWithOneController);
    apply(offsets.program, CBStartWithOneProgram);
    apply(offsets.bank, CBStartWithOneBank);
    apply(offsets.channel, CBStartWithOneChannel);
    if (changed) {
        m_owner.RefreshNumbers();
        BuildControllerLists();
    }
    m_owner.Synth().Apply(SynthTab->Edited());
}

void TSettings::BOKClick() {
    BApplyClick();
    close();
}

void TSettings::BCancelClick() {
    m_keyWidthBar->setValue(m_savedBarPosition);
    if (m_owner.ArrowsVisible() != m_savedArrows) m_owner.SetArrowsVisible(m_savedArrows);
    const TPaintStyle style = m_savedDrawStyle ? psDraw : psImage;
    if (m_owner.Keyboard1->PaintStyle() != style) {
        m_owner.Keyboard1->SetPaintStyle(style);
        m_owner.TBKeyWidthChange();
    }
    close();
}

// Escape and the window's close button both mean "Cancel" for the dialog machinery; only
// Escape restores, the title bar's close button just closes.
void TSettings::reject() { BCancelClick(); }

void TSettings::closeEvent(QCloseEvent* event) {
    ReturnKeyWidthBar();
    event->accept();
}

void TSettings::ReturnKeyWidthBar() {
    if (m_barReturned || !m_keyWidthBar) return;
    m_barReturned = true;
    m_keyWidthBar->hide();
    m_keyWidthBar->setParent(m_owner.ClientArea());
}

void TSettings::CommitNumberField(QLineEdit* edit, TUpDown* upDown) {
    bool ok = false;
    const int v = edit->text().trimmed().toInt(&ok);
    if (ok) upDown->SetPosition(v);
}

bool TSettings::eventFilter(QObject* watched, QEvent* event) {
    const bool velocityField = watched == EVelocity || watched == EShiftVel;
    if (!velocityField) return QDialog::eventFilter(watched, event);
    auto* edit = static_cast<QLineEdit*>(watched);
    TUpDown* upDown = edit == EVelocity ? UDVelocity : UDShiftVel;
    if (event->type() == QEvent::FocusOut) {
        CommitNumberField(edit, upDown);
    } else if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (!enter && key != Qt::Key_Escape) return false;
        // Both halves are consumed so that neither closes the window; the release acts.
        if (event->type() == QEvent::KeyRelease) {
            if (enter)
                CommitNumberField(edit, upDown);
            else
                upDown->SetPosition(upDown->Position());
        }
        return true;
    }
    return false;
}

void TSettings::CBJoyActionChange() {
    const int i = CBJoyAction->currentIndex();
    if (i < 0 || i >= static_cast<int>(m_joyActions.size())) return;
    const TJoyAction& a = m_joyActions[i];
    m_showingJoyAction = true;
    SelectIndex(CBJoyController, ControllerListIndex(m_joyTable[a.joystick][a.axis][a.slot]));
    m_showingJoyAction = false;
}

void TSettings::CBJoyControllerChange() {
    if (m_showingJoyAction) return;
    StoreJoyController(ControllerListValue(CBJoyController->currentIndex()));
}

void TSettings::StoreJoyController(int value) {
    const int i = CBJoyAction->currentIndex();
    if (i < 0 || i >= static_cast<int>(m_joyActions.size())) return;
    const TJoyAction& a = m_joyActions[i];
    m_joyTable[a.joystick][a.axis][a.slot] = value;
}

void TSettings::LearnController(int number) {
    if (number < 0 || number > kControllerPitchBend) return;
    QWidget* focused = focusWidget();
    if (focused == CBUpDown || focused == CBLeftRight) {
        SelectIndex(static_cast<QComboBox*>(focused), ControllerListIndex(number));
    } else if (focused == CBMW && number < kControllerPitchBend) {
        SelectIndex(CBMW, number);
    } else if (PageControl->currentWidget() == JoystickTab) {
        if (!CBDisableJoySetCtrl->isChecked()) {
            SelectIndex(CBJoyController, ControllerListIndex(number));
            StoreJoyController(number);
        }
    } else if (PageControl->currentWidget() == MouseWheelTab) {
        SelectIndex(CBMouseWheel, ControllerListIndex(number));
    }
}
