#include "app/tastrabase.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QSlider>
#include <QStatusBar>
#include <cmath>

#include "app/texts.h"
#include "controls/imgcontrol.h"
#include "controls/sharedimage.h"
#include "controls/wheelcontrols.h"
#include "keyboard/keyboard.h"
#include "platform/settings/placement.h"
#include "platform/settings/programpaths.h"
#include "platform/settings/settingsstore.h"

namespace {
// Client-area layout of the base window, in pixels.
constexpr int kKeyboardTop = 52;
constexpr int kKeyboardHeight = 76;
constexpr int kClientHeight = kKeyboardTop + kKeyboardHeight + 6;
constexpr int kKeyboardLeft = 66;
constexpr int kMargin = 5;
}  // namespace

TChannelSpin::TChannelSpin(const int& offset, QWidget* parent)
    : QSpinBox(parent), m_offset(offset) {
    setRange(0, 15);
    setKeyboardTracking(false);
}

QString TChannelSpin::textFromValue(int value) const {
    return QString::number(value + DisplayOffset());
}

int TChannelSpin::valueFromText(const QString& text) const {
    bool ok = false;
    int v = text.trimmed().toInt(&ok) - DisplayOffset();
    return ok && v >= 0 && v <= 15 ? v : value();
}

QValidator::State TChannelSpin::validate(QString& text, int&) const {
    if (text.trimmed().isEmpty()) return QValidator::Intermediate;
    bool ok = false;
    text.trimmed().toInt(&ok);
    // Out-of-range numbers stay editable; leaving the field ignores them.
    return ok ? QValidator::Acceptable : QValidator::Intermediate;
}

void TChannelSpin::keyPressEvent(QKeyEvent* event) {
    // Escape drops what was typed: the field shows its channel again, so leaving it later
    // changes nothing.
    if (event->key() == Qt::Key_Escape) {
        lineEdit()->setText(textFromValue(value()));
        event->accept();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

TClientArea::TClientArea(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TClientArea::SetBackground(const QPixmap& tile) {
    m_tile = tile;
    update();
}

void TClientArea::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    // Tiles line up with multiples of the picture's size from the client origin, so partial
    // repaints join seamlessly.
    if (m_tile.isNull())
        p.fillRect(event->rect(), Qt::black);
    else
        p.drawTiledPixmap(event->rect(), m_tile, event->rect().topLeft());
}

void TClientArea::resizeEvent(QResizeEvent*) {
    if (OnResize) OnResize();
}

TTastra::TTastra(QWidget* parent) : QMainWindow(parent) {
    m_client = new TClientArea(this);
    setCentralWidget(m_client);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    m_client->setPalette(pal);

    Label2 = new QLabel(tr("Chord"), m_client);
    Label2->setGeometry(6, 6, 36, 18);
    CBChord = new QComboBox(m_client);
    CBChord->setGeometry(44, 4, 110, 22);
    CBChord->setToolTip(texts::Shown(texts::kChordHint));
    CBChord->setStatusTip(texts::Shown(texts::kChordHint));
    CBChord->setFocusPolicy(Qt::ClickFocus);
    Label7 = new QLabel(tr("Channel"), m_client);
    Label7->setGeometry(162, 6, 48, 18);
    EChannel = new TChannelSpin(m_offsets.channel, m_client);
    EChannel->setGeometry(212, 4, 52, 22);
    EChannel->setFocusPolicy(Qt::ClickFocus);
    // The field draws its arrows in the text colour: the standard one, not the white of the
    // black client area.
    QPalette arrows = EChannel->palette();
    arrows.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::WindowText));
    EChannel->setPalette(arrows);
    // The key-width bar lives hidden here; the settings window shows its own copy of it.
    TBKeyWidth = new QSlider(Qt::Horizontal, m_client);
    TBKeyWidth->setRange(1, 10);
    TBKeyWidth->setValue(3);
    TBKeyWidth->hide();

    Keyboard1 = new TKeyboard(m_player, m_client);
    Keyboard1->move(kKeyboardLeft, kKeyboardTop);
    Keyboard1->resize(100, kKeyboardHeight);
    Keyboard1->setToolTip(texts::Shown(texts::kKeyboardHint));
    Keyboard1->setStatusTip(texts::Shown(texts::kKeyboardHint));
    // Design-time values of the main window's keyboard.
    Keyboard1->SetKeyWidth(15);
    Keyboard1->SetShadowWidth(1);
    Keyboard1->Player().SetVelocity(100);
    Keyboard1->Player().SetVelocityShiftFactor(0.6);
    Keyboard1->SetImageSize(isSmall);
    Keyboard1->SetPaintStyle(psImage);
    TKeyLook look = Keyboard1->Look();
    look.markNote = 60;
    Keyboard1->SetLook(look);
    Keyboard1->SetBaseNote(36);
    Keyboard1->SetRegKey(QStringLiteral("Keyboard"));
    Keyboard1->SetRegPath(QString::fromStdString(ProgramKeyPath()));
    if (Keyboard1->PaintStyle() == psImage) Keyboard1->resize(100, Keyboard1->ImageHeight());

    // Creation: the base window's part.
    m_regKey = keys::kKeyboardForm;
    m_mwCtrl = 1;
    m_placementFlags = kPlaceSize | kPlacePosition | kPlaceMaximized | kPlaceMainWindow;
    for (const char* name : texts::kBuiltinChords) CBChord->addItem(texts::Shown(name));
    m_player.OnSend = [this](uint8_t s, uint8_t d1, uint8_t d2) { Keyboard1Note(s, d1, d2); };
    connect(CBChord, QOverload<int>::of(&QComboBox::activated), this,
            [this](int) { CBChordClick(); });
    connect(EChannel, &QSpinBox::editingFinished, this, &TTastra::EChannelExit);
    connect(EChannel, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int v) {
        if (m_updatingControls) return;
        if (v != Keyboard1->Player().Channel()) Keyboard1->Player().SetChannel(v);
        ShowChannel();
    });
    connect(TBKeyWidth, &QSlider::valueChanged, this, [this](int) { TBKeyWidthChange(); });
    CreateStrips();
    m_client->OnResize = [this] { FormResize(); };

    m_designWidth = 760;
    m_designHeight = kClientHeight;
    resize(m_designWidth, m_designHeight);
    UpdateControls();
}

TTastra::~TTastra() {
    // The keyboard goes before the player it draws.
    m_player.OnSend = nullptr;
    delete Keyboard1;
    Keyboard1 = nullptr;
}

void TTastra::CreateStrips() {
    // The two wheels share one strip.
    FIWheel = new TFrameImage(this);
    SetupWheelImage(*FIWheel);
    FILeftArrow = new TFrameImage(this);
    SetupLeftArrowImage(*FILeftArrow);
    FIRightArrow = new TFrameImage(this);
    SetupRightArrowImage(*FIRightArrow);

    ICPitch = new TImgControl(m_client);
    SetupPitchWheel(*ICPitch, FIWheel);
    ICPitch->move(4, kKeyboardTop);
    ICMW = new TImgControl(m_client);
    SetupModWheel(*ICMW, FIWheel);
    ICMW->move(26, kKeyboardTop);
    ICLeftArrow = new TImgControl(m_client);
    SetupLeftArrow(*ICLeftArrow, FILeftArrow);
    ICLeftArrow->move(48, kKeyboardTop);
    ICRightArrow = new TImgControl(m_client);
    SetupRightArrow(*ICRightArrow, FIRightArrow);
    ICRightArrow->move(0, kKeyboardTop);
    for (TImgControl* c : {ICPitch, ICMW, ICLeftArrow, ICRightArrow}) c->setStatusTip(c->toolTip());

    ICPitch->OnScroll = [this](QObject*, int& pos) { SendPitchBend(pos); };
    ICPitch->OnMouseUp = [this](QObject*, Qt::MouseButton, Qt::KeyboardModifiers mods, int, int) {
        SpringBackPitchWheel(*ICPitch, mods, [this](int v) { SendPitchBend(v); });
    };
    ICMW->OnScroll = [this](QObject*, int& pos) { SendController(m_mwCtrl, pos); };
    ICMW->OnDblClick = [this](QObject*) {
        ICMW->SetPosition(0);
        SendController(m_mwCtrl, 0);
    };
    ICLeftArrow->OnButtonClick = [this](QObject*) {
        Keyboard1->SetBaseNoteByWhiteKey(Keyboard1->BaseNoteWhiteKey() - 1);
    };
    ICRightArrow->OnButtonClick = [this](QObject*) {
        Keyboard1->SetBaseNoteByWhiteKey(Keyboard1->BaseNoteWhiteKey() + 1);
    };
}

void TTastra::SendPitchBend(int value) {
    const TShortMessage m = PitchBendMessage(Keyboard1->Player().Channel(), value);
    if (PutShort) PutShort(m.status, m.data1, m.data2);
}

bool TTastra::ArrowsVisible() const { return !ICLeftArrow->isHidden(); }

void TTastra::SetArrowsVisible(bool visible) {
    ICLeftArrow->setVisible(visible);
    ICRightArrow->setVisible(visible);
    const int left = visible ? ICLeftArrow->geometry().right() + 1 : ICLeftArrow->x();
    Keyboard1->move(left, Keyboard1->y());
    ApplySizeRules();
    FormResize();
}

void TTastra::Keyboard1Note(uint8_t status, uint8_t data1, uint8_t data2) {
    if (PutShort) PutShort(status, data1, data2);
}

void TTastra::SendController(int controller, int value) {
    const auto status = static_cast<uint8_t>(0xB0 + Keyboard1->Player().Channel());
    const auto d1 = static_cast<uint8_t>(controller & 127);
    const auto d2 = static_cast<uint8_t>(value & 127);
    if (PutShort)
        PutShort(status, d1, d2);
    else
        Keyboard1->Player().ControllerFeedback(d1, d2);
}

int TTastra::KeyWidthFromBar(int position) {
    // e^(position/3) + 6 gives the ten drawn widths 7, 8, 9, 10, 11, 13, 16, 20, 26, 34.
    return static_cast<int>(std::nearbyint(std::exp(position / 3.0))) + 6;
}

int TTastra::BarFromKeyWidth(int keyWidth) {
    // Widths below 7 have no bar position of their own: they show at the first one.
    if (keyWidth <= 7) return 1;
    int pos = static_cast<int>(std::nearbyint(std::log(keyWidth - 6.0) * 3));
    return std::clamp(pos, 1, 10);
}

void TTastra::TBKeyWidthChange() {
    if (m_updatingControls) return;
    const int pos = TBKeyWidth->value();
    const int lo = TBKeyWidth->minimum(), hi = TBKeyWidth->maximum();
    Keyboard1->SetKeyWidth(KeyWidthFromBar(pos));
    if (pos - lo < (hi - lo) / 3)
        Keyboard1->SetImageSize(isSmall);
    else if (pos - lo < 2 * (hi - lo) / 3)
        Keyboard1->SetImageSize(isNormal);
    else
        Keyboard1->SetImageSize(isBig);
    FitKeyboardToStyle();
}

void TTastra::FitKeyboardToStyle() {
    FormResize();
    if (Keyboard1->PaintStyle() == psImage)
        Keyboard1->resize(Keyboard1->width(), Keyboard1->ImageHeight());
    for (TImgControl* c : {ICPitch, ICMW, ICLeftArrow, ICRightArrow})
        c->move(c->x(), Keyboard1->y());
    ApplySizeRules();
}

void TTastra::SetKeyboardTop(int y) {
    const int dy = y - Keyboard1->y();
    if (dy == 0) return;
    for (QWidget* c :
         std::initializer_list<QWidget*>{Keyboard1, ICPitch, ICMW, ICLeftArrow, ICRightArrow})
        c->move(c->x(), c->y() + dy);
    m_designHeight += dy;
    ApplySizeRules();
}

void TTastra::UpdateControls() {
    m_updatingControls = true;
    const int lo = TBKeyWidth->minimum(), hi = TBKeyWidth->maximum();
    if (Keyboard1->PaintStyle() == psImage) {
        switch (Keyboard1->ImageSize()) {
            case isSmall:
                TBKeyWidth->setValue(lo);
                break;
            case isNormal:
                TBKeyWidth->setValue(lo + (hi - lo) / 2);
                break;
            case isBig:
                TBKeyWidth->setValue(hi);
                break;
        }
    } else {
        TBKeyWidth->setValue(BarFromKeyWidth(Keyboard1->KeyWidth()));
    }
    const int chord = Keyboard1->Player().Chord();
    if (chord != chCustom && chord >= 0 && chord < 8) CBChord->setCurrentIndex(chord);
    m_updatingControls = false;
    ShowChannel();
    ApplySizeRules();
}

void TTastra::ShowChannel() {
    m_updatingControls = true;
    if (EChannel->value() != Keyboard1->Player().Channel()) EChannel->setValue(Keyboard1->Player().Channel());
    const QString text = EChannel->textFromValue(Keyboard1->Player().Channel());
    if (EChannel->text() != text) EChannel->Edit()->setText(text);
    m_updatingControls = false;
}

void TTastra::EChannelExit() {
    bool ok = false;
    const int v = EChannel->text().trimmed().toInt(&ok) - m_offsets.channel;
    if (ok && v >= 0 && v <= 15) Keyboard1->Player().SetChannel(v);
    ShowChannel();
}

void TTastra::RefreshNumbers() { ShowChannel(); }

void TTastra::CBChordClick() {
    const int i = CBChord->currentIndex();
    if (i >= 0 && i < 8) Keyboard1->Player().SetChord(static_cast<TChord>(i));
}

int TTastra::MinWidth() const { return EChannel->geometry().right() + 1 + kMargin; }

int TTastra::MaxWidth() const {
    // Wide enough for the whole keyboard from its left edge; a status text too long for the
    // window is cut in its panel instead.
    return Keyboard1->FullWidth() + Keyboard1->x() + kMargin;
}

void TTastra::ApplySizeRules() {
    // The height never changes (the client area keeps its design height and the window's layout
    // adds the menu and status bars); the width stays between the smallest useful width and the
    // width that shows the whole keyboard.
    m_client->setFixedHeight(m_designHeight);
    int height = m_designHeight;
    if (QWidget* menu = menuWidget()) height += menu->sizeHint().height();
    if (QStatusBar* status = findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly))
        height += status->sizeHint().height();
    setMinimumSize(MinWidth(), height);
    setMaximumSize(std::max(MinWidth(), MaxWidth()), height);
}

void TTastra::FormResize() {
    int right = m_client->width() - kMargin;
    if (!ICRightArrow->isHidden()) {
        ICRightArrow->move(right - ICRightArrow->width(), ICRightArrow->y());
        right = ICRightArrow->x();
    }
    Keyboard1->resize(std::max(10, right - Keyboard1->x()), Keyboard1->height());
}

void TTastra::LoadSettings(TSettingsStore& store) {
    const std::string section = m_regKey.toStdString();
    LoadFormPlacement(this, store, section, m_placementFlags);
    m_mwCtrl = store.ReadInteger(section, keys::kMWCtrl, m_mwCtrl) & 127;
    SetArrowsVisible(store.ReadBool(section, keys::kShowBasenoteButtons, ArrowsVisible()));
    Keyboard1->LoadSettings(store);
    if (Keyboard1->PaintStyle() == psImage)
        Keyboard1->resize(Keyboard1->width(), Keyboard1->ImageHeight());
    UpdateControls();
    FormResize();
}

void TTastra::SaveSettings(TSettingsStore& store) {
    const std::string section = m_regKey.toStdString();
    SaveFormPlacement(this, store, section, m_placementFlags);
    store.WriteInteger(section, keys::kMWCtrl, m_mwCtrl);
    store.WriteBool(section, keys::kShowBasenoteButtons, ArrowsVisible());
    Keyboard1->SaveSettings(store);
}
