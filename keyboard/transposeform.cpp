#include "keyboard/transposeform.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "keyboard/keyboard.h"
#include "keyboard/updown.h"
#include "platform/settings/placement.h"
#include "platform/settings/settingsstore.h"

namespace {
constexpr int kClientWidth = 330;
constexpr int kMargin = 8;
constexpr int kLowest = -99;
constexpr int kHighest = 99;
constexpr const char* kShowHelpCaption = QT_TRANSLATE_NOOP("TTransposeForm", "Show Help");
}  // namespace

TTransposeForm::TTransposeForm(TKeyboard& keyboard, TStoreOpener openStore, QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_keyboard(keyboard),
      m_openStore(std::move(openStore)) {
    setObjectName(QStringLiteral("TransposeForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Transpose"));
    setModal(false);

    Label1 = new QLabel(tr("Number of semi- tones to transpose:"), this);
    Label1->setWordWrap(true);

    ETranspose = new QLineEdit(QStringLiteral("0"), this);
    ETranspose->setObjectName(QStringLiteral("ETranspose"));
    ETranspose->setMaxLength(4);
    ETranspose->installEventFilter(this);

    UDTranspose = new TUpDown(this);
    UDTranspose->SetRange(kLowest, kHighest);
    UDTranspose->SetAssociate(ETranspose);
    UDTranspose->OnClick = [this](TUpDown* ud) { m_keyboard.Player().SetTranspose(ud->Position()); };

    CBDisplayBeforeKeyb = new QCheckBox(tr("Display transposed notes on keyboard"), this);
    connect(CBDisplayBeforeKeyb, &QCheckBox::clicked, this,
            [this](bool checked) { m_keyboard.Player().SetDisplayTransposed(checked); });

    CBThru = new QCheckBox(tr("Transpose MIDI Thru notes"), this);
    CBThru->setChecked(true);
    connect(CBThru, &QCheckBox::clicked, this,
            [this](bool checked) { m_keyboard.Player().SetTransposeThru(checked); });

    CBKeepTranspose = new QCheckBox(tr("Keep transpose when this window is closed."), this);

    m_bevel = new QFrame(this);
    m_bevel->setFrameShape(QFrame::HLine);
    m_bevel->setFrameShadow(QFrame::Sunken);

    HelpPanel = new QFrame(this);
    HelpPanel->setFrameShape(QFrame::StyledPanel);
    auto* helpLayout = new QVBoxLayout(HelpPanel);
    helpLayout->setContentsMargins(6, 6, 6, 6);
    const QString helpTexts[] = {
        tr("Use this window to transpose all outgoing notes either up (positive) or "
           "down (negative) in semi tones."),
        tr("Checking \"Display transposed notes on keyboard\" results in transposing "
           "before the notes are displayed on the keyboard. This may seem as playing "
           "wrong notes."),
        tr("Checking \"Transpose MIDI Thru notes\" will transpose also all notes that "
           "come in to the MIDI in port."),
        tr("When you check \"Keep transpose when this window is closed\", the notes "
           "keep on being transposed even when you have closed this window. "
           "Otherwise, closing this window resets to 0 transpose.")};
    for (const QString& text : helpTexts) {
        auto* label = new QLabel(text, HelpPanel);
        label->setWordWrap(true);
        helpLayout->addWidget(label);
    }

    BClose = new QPushButton(tr("&Close"), this);
    BClose->setDefault(true);
    connect(BClose, &QPushButton::clicked, this, [this] { close(); });
    BHelp = new QPushButton(tr("Hide help"), this);
    BHelp->setAutoDefault(false);
    connect(BHelp, &QPushButton::clicked, this, [this] { BHelpClick(); });
    m_helpCaption = BHelp->text();

    LayOutToFont();
    SetHelpVisible(true);
}

void TTransposeForm::LayOutToFont() {
    int inner = kClientWidth - 2 * kMargin;
    for (QCheckBox* c : {CBDisplayBeforeKeyb, CBThru, CBKeepTranspose})
        inner = std::max(inner, c->sizeHint().width());
    // The question beside the field; the field centred on the question's lines.
    const int labelHeight = std::max(34, Label1->heightForWidth(200));
    const int fieldHeight = std::max(22, ETranspose->sizeHint().height());
    const int rowHeight = std::max(labelHeight, fieldHeight);
    Label1->setGeometry(kMargin, kMargin + (rowHeight - labelHeight) / 2, 200, labelHeight);
    const int fieldTop = kMargin + (rowHeight - fieldHeight) / 2;
    ETranspose->setGeometry(216, fieldTop, 44, fieldHeight);
    UDTranspose->setGeometry(260, fieldTop, 16, fieldHeight);
    int y = std::max(48, kMargin + rowHeight + 6);
    for (QCheckBox* c : {CBDisplayBeforeKeyb, CBThru, CBKeepTranspose}) {
        const int h = std::max(20, c->sizeHint().height());
        c->setGeometry(kMargin, y, inner, h);
        y += h + 2;
    }
    m_bevel->setGeometry(kMargin, y + 4, inner, 2);
    const int bevelBottom = m_bevel->y() + m_bevel->height();
    int panelHeight = HelpPanel->heightForWidth(inner);
    if (panelHeight <= 0) panelHeight = HelpPanel->sizeHint().height();
    HelpPanel->setGeometry(kMargin, bevelBottom + m_gap, inner, panelHeight);
    // Room for either caption of the help button.
    const QFontMetrics fm = BHelp->fontMetrics();
    const int textWidth =
        std::max({fm.horizontalAdvance(BHelp->text()), fm.horizontalAdvance(tr(kShowHelpCaption)),
                  fm.horizontalAdvance(tr("Close"))});
    const QSize button(std::max(90, textWidth + 16), std::max(26, BClose->sizeHint().height()));
    BClose->resize(button);
    BHelp->resize(button);
    BClose->move(kMargin + inner - BClose->width(), 0);
    BHelp->move(kMargin, 0);
}

void TTransposeForm::SetHelpVisible(bool show) {
    m_helpVisible = show;
    HelpPanel->setVisible(show);
    int top;
    if (show) {
        top = HelpPanel->y() + HelpPanel->height() + m_gap;
        BHelp->setText(m_helpCaption);
    } else {
        top = HelpPanel->y();
        BHelp->setText(tr(kShowHelpCaption));
    }
    BClose->move(BClose->x(), top);
    BHelp->move(BHelp->x(), top);
    setFixedSize(BClose->geometry().right() + 1 + kMargin, BClose->y() + BClose->height() + m_gap);
}

void TTransposeForm::BHelpClick() { SetHelpVisible(!m_helpVisible); }

void TTransposeForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_shown) return;
    m_shown = true;
    m_gap = HelpPanel->y() - (m_bevel->y() + m_bevel->height());
    UDTranspose->SetPosition(m_keyboard.Player().Transpose());
    CBDisplayBeforeKeyb->setChecked(m_keyboard.Player().DisplayTransposed());
    CBThru->setChecked(m_keyboard.Player().TransposeThru());
    CBKeepTranspose->setChecked(m_keyboard.Player().Transpose() != 0);
    if (QWidget* owner = parentWidget()) {
        const QPoint corner = owner->window()->frameGeometry().topLeft();
        move(corner.x() + 10, corner.y() + 10);
    }
    bool showHelp = m_helpVisible;
    if (m_openStore) {
        try {
            std::unique_ptr<TSettingsStore> store = m_openStore();
            if (store) {
                LoadFormPlacement(this, *store, kTransposeFormSection, kPlacePosition,
                                  kTransposeFormPrefix);
                showHelp = store->ReadBool(kTransposeFormSection, kTransposeShowHelp, showHelp);
            }
        } catch (const std::exception&) {
            // Without stored values the window stays where it was put, help as designed.
        }
    }
    SetHelpVisible(showHelp);
}

bool TTransposeForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ETranspose) {
        if (event->type() == QEvent::KeyPress) {
            // Both keys are taken here so that the window's default and cancel buttons do not
            // close it while the user is typing a value.
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Escape) {
                ETranspose->setText(QString::number(m_keyboard.Player().Transpose()));
                return true;
            }
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                ApplyEditText();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            ApplyEditText();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TTransposeForm::ApplyEditText() {
    // Closing takes the focus from the field; by then the window has settled the transposition.
    if (m_closed) return;
    bool ok = false;
    const int v = ETranspose->text().trimmed().toInt(&ok);
    if (!ok) return;  // the field keeps what was typed
    if (v >= kLowest && v <= kHighest) m_keyboard.Player().SetTranspose(v);
    UDTranspose->SetPosition(m_keyboard.Player().Transpose());
}

void TTransposeForm::reject() {
    // Escape and the cancel button close the window the same way as its close box.
    close();
}

void TTransposeForm::closeEvent(QCloseEvent* event) {
    if (!m_closed) {
        m_closed = true;
        if (!CBKeepTranspose->isChecked()) m_keyboard.Player().SetTranspose(0);
        SaveValues();
    }
    event->accept();
}

void TTransposeForm::SaveValues() {
    if (!m_openStore) return;
    try {
        std::unique_ptr<TSettingsStore> store = m_openStore();
        if (!store) return;
        SaveFormPlacement(this, *store, kTransposeFormSection, kPlacePosition,
                          kTransposeFormPrefix);
        store->WriteBool(kTransposeFormSection, kTransposeShowHelp, m_helpVisible);
        // A lost position is not worth a message of its own: the main window tells the user
        // when its settings cannot be saved.
        store->Flush();
    } catch (const std::exception&) {
    }
}
