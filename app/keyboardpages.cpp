#include "app/keyboardpages.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "keyboard/keyboard.h"
#include "keyboard/keymap.h"
#include "keyboard/keymapeditor.h"
#include "platform/settings/programpaths.h"

namespace {

QLabel* WrapLabel(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    return l;
}

// A button that shows a colour as the keys show it: flat, without the style's shading.
void ShowSwatch(QPushButton* b, const QColor& c) {
    b->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2; "
                                    "border: 1px solid palette(shadow); padding: 3px 6px; }"
                                    "QPushButton:focus { border: 2px solid palette(highlight); }")
                         .arg(c.name(), keylabels::TextColourOn(c).name()));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Labels

TLabelsPage::TLabelsPage(const int& channelOffset, QWidget* parent)
    : QWidget(parent), m_channelOffset(channelOffset) {
    setObjectName(QStringLiteral("LabelsTab"));
    ChooseColour = [this](const QColor& current, const QString& title) {
        return QColorDialog::getColor(current, this, title);
    };

    auto* names = new QGroupBox(tr("Labels on the keys"), this);
    auto* nl = new QGridLayout(names);
    CBKeyLabels = new QComboBox(names);
    CBKeyLabels->addItems({tr("Never"), tr("On C keys only"), tr("While pressed"), tr("Always")});
    auto* labelsCaption = new QLabel(tr("&Note names:"), names);
    labelsCaption->setBuddy(CBKeyLabels);
    CBMiddleC = new QComboBox(names);
    for (int o = keylabels::kMiddleCLowest; o <= keylabels::kMiddleCHighest; ++o)
        CBMiddleC->addItem(QStringLiteral("C%1").arg(o));
    auto* middleCaption = new QLabel(tr("&Middle C is called:"), names);
    middleCaption->setBuddy(CBMiddleC);
    CBFlats = new QCheckBox(tr("Black keys as &flats (Db, Des, Reb)"), names);
    CBLegends = new QCheckBox(tr("Show the computer &key that plays each piano key"), names);
    nl->addWidget(labelsCaption, 0, 0);
    nl->addWidget(CBKeyLabels, 0, 1);
    nl->addWidget(middleCaption, 1, 0);
    nl->addWidget(CBMiddleC, 1, 1);
    nl->addWidget(CBFlats, 2, 0, 1, 2);
    nl->addWidget(CBLegends, 3, 0, 1, 2);
    nl->setColumnStretch(2, 1);

    auto* colours = new QGroupBox(tr("Incoming notes"), this);
    auto* cl = new QVBoxLayout(colours);
    CBChannelColours = new QCheckBox(tr("&Colour the keys MIDI input lights by channel:"), colours);
    cl->addWidget(CBChannelColours);
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    for (int ch = 0; ch < 16; ++ch) {
        BChannel[ch] = new QPushButton(QString::number(ch + m_channelOffset), colours);
        BChannel[ch]->setObjectName(QStringLiteral("BChannel%1").arg(ch));
        // As large as the style's own buttons: the flat swatch takes no less room.
        BChannel[ch]->setMinimumSize(BChannel[ch]->sizeHint());
        grid->addWidget(BChannel[ch], ch / 8, ch % 8);
        connect(BChannel[ch], &QPushButton::clicked, this, [this, ch] { BChannelClick(ch); });
    }
    cl->addLayout(grid);
    BDefaultColours = new QPushButton(tr("&Default Colours"), colours);
    connect(BDefaultColours, &QPushButton::clicked, this, [this] {
        m_palette = keylabels::DefaultPalette();
        ShowPalette();
    });
    auto* dl = new QHBoxLayout;
    dl->addStretch();
    dl->addWidget(BDefaultColours);
    cl->addLayout(dl);

    auto* pressed = new QGroupBox(tr("Pressed keys"), this);
    auto* pressedLayout = new QHBoxLayout(pressed);
    CBPressedFill = new QCheckBox(tr("&Fill pressed keys with a colour:"), pressed);
    CBPressedFill->setToolTip(
        tr("With channel colours on, a key takes the colour of the channel it plays on"));
    BPressedColour = new QPushButton(pressed);
    BPressedColour->setObjectName(QStringLiteral("BPressedColour"));
    BPressedColour->setMinimumWidth(BPressedColour->fontMetrics().horizontalAdvance('M') * 4);
    connect(BPressedColour, &QPushButton::clicked, this, [this] { BPressedColourClick(); });
    pressedLayout->addWidget(CBPressedFill);
    pressedLayout->addWidget(BPressedColour);
    pressedLayout->addStretch();

    auto* pl = new QVBoxLayout(this);
    pl->addWidget(names);
    pl->addWidget(colours);
    pl->addWidget(pressed);
    pl->addStretch();
    ShowPalette();
}

void TLabelsPage::BPressedColourClick() {
    const QColor c = ChooseColour(m_pressedColour, tr("Pressed keys"));
    if (!c.isValid()) return;
    m_pressedColour = c;
    ShowPalette();
}

void TLabelsPage::ShowPalette() {
    for (int ch = 0; ch < 16; ++ch) {
        QPushButton* b = BChannel[ch];
        const QColor c = m_palette[ch];
        b->setText(QString::number(ch + m_channelOffset));
        b->setToolTip(tr("Channel %1: %2").arg(ch + m_channelOffset).arg(c.name()));
        ShowSwatch(b, c);
    }
    BPressedColour->setToolTip(m_pressedColour.name());
    ShowSwatch(BPressedColour, m_pressedColour);
}

void TLabelsPage::BChannelClick(int channel) {
    const QColor c =
        ChooseColour(m_palette[channel], tr("Channel %1").arg(channel + m_channelOffset));
    if (!c.isValid()) return;
    m_palette[channel] = c;
    ShowPalette();
}

void TLabelsPage::Load(const TKeyboard& keyboard) {
    const TKeyLook& look = keyboard.Look();
    CBKeyLabels->setCurrentIndex(look.labels);
    CBMiddleC->setCurrentIndex(look.middleC - keylabels::kMiddleCLowest);
    CBFlats->setChecked(look.flats);
    CBLegends->setChecked(look.legends);
    CBChannelColours->setChecked(look.channelColours);
    m_palette = look.palette;
    CBPressedFill->setChecked(look.pressedFill);
    m_pressedColour = look.pressedColour;
    ShowPalette();
}

void TLabelsPage::Apply(TKeyboard& keyboard) const {
    TKeyLook look = keyboard.Look();
    look.labels = static_cast<TKeyLabels>(CBKeyLabels->currentIndex());
    look.middleC = CBMiddleC->currentIndex() + keylabels::kMiddleCLowest;
    look.flats = CBFlats->isChecked();
    look.legends = CBLegends->isChecked();
    look.channelColours = CBChannelColours->isChecked();
    look.palette = m_palette;
    look.pressedFill = CBPressedFill->isChecked();
    look.pressedColour = m_pressedColour;
    keyboard.SetLook(look);
}

// ---------------------------------------------------------------------------------------------
// Keys

TKeysPage::TKeysPage(const QString& keyMapFolder, QWidget* parent)
    : QWidget(parent), m_folder(keyMapFolder) {
    setObjectName(QStringLiteral("KeysTab"));
    ChooseFile = [this](const QString& startPath) {
        return QFileDialog::getOpenFileName(this, tr("Choose Key Map"), startPath,
                                            tr("Key maps (*.ini);;All files (*)"));
    };

    auto* group = new QGroupBox(tr("Key map"), this);
    auto* gl = new QGridLayout(group);
    gl->addWidget(WrapLabel(tr("A key map says which computer keys play which "
                               "notes: several keys may play one note, and any key "
                               "of the main block may play. Without one, the two "
                               "piano rows of the \"Playing\" page play."),
                            group),
                  0, 0, 1, 3);
    EMapFile = new QLineEdit(group);
    EMapFile->setReadOnly(true);
    EMapFile->setPlaceholderText(tr("(none: the two piano rows)"));
    auto* caption = new QLabel(tr("Key map &file:"), group);
    caption->setBuddy(EMapFile);
    gl->addWidget(caption, 1, 0);
    gl->addWidget(EMapFile, 1, 1, 1, 2);
    BChooseMap = new QPushButton(tr("C&hoose..."), group);
    BPianoRows = new QPushButton(tr("&Piano Rows"), group);
    BEditMap = new QPushButton(tr("&Edit..."), group);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BChooseMap);
    buttons->addWidget(BPianoRows);
    buttons->addWidget(BEditMap);
    buttons->addStretch();
    gl->addLayout(buttons, 2, 1, 1, 2);
    LMapInfo = WrapLabel(QString(), group);
    LMapInfo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    gl->addWidget(LMapInfo, 3, 0, 1, 3);
    gl->setColumnStretch(1, 1);
    connect(BChooseMap, &QPushButton::clicked, this, [this] { BChooseMapClick(); });
    connect(BPianoRows, &QPushButton::clicked, this, [this] {
        m_path.clear();
        m_info.clear();
        ShowMap();
    });
    connect(BEditMap, &QPushButton::clicked, this, [this] { BEditMapClick(); });

    auto* pl = new QVBoxLayout(this);
    pl->addWidget(group);
    pl->addWidget(WrapLabel(tr("The octave keys (F3, F4) move a key map as they move "
                               "the piano rows. A key of the map that is also a "
                               "command key plays its note instead."),
                            this));
    pl->addStretch();
}

void TKeysPage::ShowMap() {
    EMapFile->setText(m_path);
    EMapFile->setToolTip(m_path);
    if (m_info.isEmpty() && !m_path.isEmpty()) {
        keymap::TKeyMap map;
        QString message;
        m_info = keymap::LoadKeyMapFile(m_path, map, message)
                     ? tr("\"%1\": %2 keys.")
                           .arg(map.name.isEmpty() ? QFileInfo(m_path).fileName() : map.name)
                           .arg(map.keys.size())
                     : message;
    }
    LMapInfo->setText(m_info);
}

bool TKeysPage::ChooseMapFile(const QString& path) {
    keymap::TKeyMap map;
    QString message;
    if (!keymap::LoadKeyMapFile(path, map, message)) {
        // The choice stays what it was; the page says why this file was not taken.
        m_info = message;
        LMapInfo->setText(m_info);
        return false;
    }
    m_path = path;
    m_info.clear();
    ShowMap();
    return true;
}

void TKeysPage::BChooseMapClick() {
    const QString path = ChooseFile(m_path.isEmpty() ? m_folder : m_path);
    if (!path.isEmpty()) ChooseMapFile(path);
}

void TKeysPage::Load(TKeyboard& keyboard) {
    m_keyboard = &keyboard;
    m_path = keyboard.Keys().KeyMapFile();
    m_info = keyboard.Keys().KeyMapError();
    ShowMap();
}

void TKeysPage::Apply(TKeyboard& keyboard) const {
    // The file is read again even under the same name: the editor may have changed it.
    TComputerKeys& keys = keyboard.Keys();
    if (m_path != keys.KeyMapFile() || !m_path.isEmpty()) keys.SetKeyMapFile(m_path);
}

void TKeysPage::BEditMapClick() {
    if (m_editor) {
        m_editor->raise();
        m_editor->activateWindow();
        return;
    }
    if (!m_keyboard) return;
    keymap::TKeyMap map;
    QString message, path;
    if (!m_path.isEmpty() && keymap::LoadKeyMapFile(m_path, map, message))
        path = m_path;
    else
        map = KeyMapOfTable(m_keyboard->Player().ScanMap(), tr("My key map"));
    TKeyMapEditorHost host;
    host.legends = m_keyboard->Keys().KeyLegends();
    host.keyOctave = m_keyboard->Player().KeyOctave();
    host.chooseSaveFile = ChooseSaveFile;
    host.saveFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                      QStringLiteral("/%1/Tastra/Key maps").arg(QString::fromLatin1(kCompanyKey));
    host.saved = [this](const QString& saved) {
        m_info.clear();
        ChooseMapFile(saved);
    };
    m_editor = new TKeyMapEditor(std::move(host), path, map, window());
    m_editor->show();
}

// ---------------------------------------------------------------------------------------------
// Touch and strike

TTouchGroup::TTouchGroup(QWidget* parent) : QGroupBox(tr("Strike, touch and pressure"), parent) {
    setObjectName(QStringLiteral("GBTouch"));
    CBVelocityFromHeight = new QCheckBox(tr("&Velocity from where the key is struck"), this);
    CBVelocityFromHeight->setToolTip(
        tr("Near the front edge of a key loudest, near its back edge softest"));
    auto spin = [this](int value) {
        auto* box = new QSpinBox(this);
        box->setRange(1, 127);
        box->setValue(value);
        return box;
    };
    SBVelocityMin = spin(30);
    SBVelocityMax = spin(127);
    // Each limits the other, so the softest can never be above the loudest.
    connect(SBVelocityMin, &QSpinBox::valueChanged, SBVelocityMax, &QSpinBox::setMinimum);
    connect(SBVelocityMax, &QSpinBox::valueChanged, SBVelocityMin, &QSpinBox::setMaximum);
    auto* minCaption = new QLabel(tr("Softest, at the back edge:"), this);
    minCaption->setBuddy(SBVelocityMin);
    auto* maxCaption = new QLabel(tr("Loudest, at the front edge:"), this);
    maxCaption->setBuddy(SBVelocityMax);
    CBMultiTouch = new QCheckBox(tr("Play with every finger on a &touch screen"), this);
    CBTouchPressure =
        new QCheckBox(tr("Velocity from how hard a finger presses, where the screen tells"), this);
    CBKeyPressure = new QComboBox(this);
    CBKeyPressure->addItems(
        {tr("None"), tr("Channel pressure (aftertouch)"), tr("Polyphonic key pressure")});
    auto* pressureCaption = new QLabel(tr("&Pressure while a key is held:"), this);
    pressureCaption->setBuddy(CBKeyPressure);

    auto* grid = new QGridLayout(this);
    grid->addWidget(CBVelocityFromHeight, 0, 0, 1, 3);
    grid->addWidget(minCaption, 1, 0);
    grid->addWidget(SBVelocityMin, 1, 1);
    grid->addWidget(maxCaption, 2, 0);
    grid->addWidget(SBVelocityMax, 2, 1);
    grid->addWidget(CBMultiTouch, 3, 0, 1, 3);
    grid->addWidget(CBTouchPressure, 4, 0, 1, 3);
    grid->addWidget(pressureCaption, 5, 0);
    grid->addWidget(CBKeyPressure, 5, 1, 1, 2);
    grid->addWidget(WrapLabel(tr("A held key's pressure follows how hard the finger presses, or "
                                 "moving up on the key with the mouse or a finger."),
                              this),
                    6, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    connect(CBVelocityFromHeight, &QCheckBox::toggled, this, [this] { Enable(); });
    connect(CBMultiTouch, &QCheckBox::toggled, this, [this] { Enable(); });
    Enable();
}

void TTouchGroup::Enable() {
    SBVelocityMin->setEnabled(CBVelocityFromHeight->isChecked());
    SBVelocityMax->setEnabled(CBVelocityFromHeight->isChecked());
    CBTouchPressure->setEnabled(CBMultiTouch->isChecked());
}

void TTouchGroup::Load(const TKeyboard& keyboard) {
    const TPlayOptions& options = keyboard.PlayOptions();
    CBVelocityFromHeight->setChecked(options.velocityFromHeight);
    // Widen both ranges first, so that neither value is cut to the other's old one.
    SBVelocityMin->setRange(1, 127);
    SBVelocityMax->setRange(1, 127);
    SBVelocityMin->setValue(options.velocityMin);
    SBVelocityMax->setValue(options.velocityMax);
    CBMultiTouch->setChecked(options.multiTouch);
    CBTouchPressure->setChecked(options.touchPressure);
    CBKeyPressure->setCurrentIndex(keyboard.Player().KeyPressure());
    Enable();
}

void TTouchGroup::Apply(TKeyboard& keyboard) const {
    TPlayOptions options = keyboard.PlayOptions();
    options.velocityFromHeight = CBVelocityFromHeight->isChecked();
    options.velocityMin = SBVelocityMin->value();
    options.velocityMax = SBVelocityMax->value();
    options.multiTouch = CBMultiTouch->isChecked();
    options.touchPressure = CBTouchPressure->isChecked();
    keyboard.SetPlayOptions(options);
    keyboard.Player().SetKeyPressure(CBKeyPressure->currentIndex());
}
