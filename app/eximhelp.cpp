#include "app/eximhelp.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "platform/settings/placement.h"

namespace {

const char* const kPageCaptions[8] = {QT_TRANSLATE_NOOP("TExImHelp", "Export Settings"),
                                      QT_TRANSLATE_NOOP("TExImHelp", "Export Knob Presets"),
                                      QT_TRANSLATE_NOOP("TExImHelp", "Export Knob Snapshots"),
                                      QT_TRANSLATE_NOOP("TExImHelp", "Export Chords"),
                                      QT_TRANSLATE_NOOP("TExImHelp", "Import Settings"),
                                      QT_TRANSLATE_NOOP("TExImHelp", "Import Knob Presets"),
                                      QT_TRANSLATE_NOOP("TExImHelp", "Import Knob Snapshots"),
                                      QT_TRANSLATE_NOOP("TExImHelp", "Import Chords")};

constexpr int kKnobPresetsImport = 5;
constexpr int kChordsImport = 7;

bool AsksOverwrite(int index) { return index == kKnobPresetsImport || index == kChordsImport; }

QLabel* Text(QVBoxLayout* layout, const char* text) {
    auto* label = new QLabel(TExImHelp::tr(text));
    label->setWordWrap(true);
    layout->addWidget(label);
    return label;
}

QWidget* NewPage(QStackedWidget* book, QVBoxLayout*& layout) {
    auto* page = new QWidget;
    layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 4, 8, 4);
    book->addWidget(page);
    return page;
}

// Page with two texts, used by the plain exports and the snapshot import.
void TwoTextPage(QStackedWidget* book, const char* first, const char* second) {
    QVBoxLayout* l = nullptr;
    NewPage(book, l);
    Text(l, first);
    Text(l, second);
    l->addStretch();
}

void ChoicePage(QStackedWidget* book, const char* first, const char* second, const char* overwrite,
                const char* add, QRadioButton*& rbOverwrite, QRadioButton*& rbAdd) {
    QVBoxLayout* l = nullptr;
    QWidget* page = NewPage(book, l);
    Text(l, first);
    Text(l, second);
    Text(l, QT_TRANSLATE_NOOP("TExImHelp", "Please choose:"));
    rbOverwrite = new QRadioButton(TExImHelp::tr(overwrite));
    rbAdd = new QRadioButton(TExImHelp::tr(add));
    auto* group = new QButtonGroup(page);
    group->addButton(rbOverwrite);
    group->addButton(rbAdd);
    l->addWidget(rbOverwrite);
    l->addWidget(rbAdd);
    l->addStretch();
}

}  // namespace

TExImHelp::TExImHelp(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("ExImHelp"));
    // A fixed border with only a close box.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                   Qt::WindowTitleHint);
    auto* main = new QVBoxLayout(this);

    LTitle = new QLabel;
    LTitle->setObjectName(QStringLiteral("LTitle"));
    LTitle->setAlignment(Qt::AlignCenter);
    QFont bold = LTitle->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    LTitle->setFont(bold);
    main->addWidget(LTitle);

    Notebook1 = new QStackedWidget;
    Notebook1->setObjectName(QStringLiteral("Notebook1"));
    main->addWidget(Notebook1);

    // Page 0 serves both settings commands; Prepare shows the texts of the one that runs.
    QVBoxLayout* l = nullptr;
    NewPage(Notebook1, l);
    m_exportSettingsTexts[0] =
        Text(l, QT_TRANSLATE_NOOP("TExImHelp",
                                  "With this function, you export your settings to an ini file."));
    m_importSettingsTexts[0] =
        Text(l, QT_TRANSLATE_NOOP(
                    "TExImHelp",
                    "With this function, you import your settings from a previously exported ini "
                    "file."));
    for (const char* t :
         {QT_TRANSLATE_NOOP("TExImHelp", "These settings include "),
          QT_TRANSLATE_NOOP("TExImHelp", "- window size and position"),
          QT_TRANSLATE_NOOP("TExImHelp", "- which patch, chord, knob preset is selected"),
          QT_TRANSLATE_NOOP("TExImHelp", "- Keyboard settings (like key width)"),
          QT_TRANSLATE_NOOP("TExImHelp", "- mouse wheel assignment"),
          QT_TRANSLATE_NOOP("TExImHelp", "- joystick assignment"),
          QT_TRANSLATE_NOOP("TExImHelp", "- most other options of the settings dialog.")})
        Text(l, t);
    m_exportSettingsTexts[1] =
        Text(l, QT_TRANSLATE_NOOP("TExImHelp",
                                  "After saving, you can restore the settings again with the "
                                  "Import Settings function in the menu."));
    m_importSettingsTexts[1] =
        Text(l, QT_TRANSLATE_NOOP(
                    "TExImHelp",
                    "You can save an ini file with the Export Settings function in the menu."));
    l->addStretch();

    TwoTextPage(
        Notebook1,
        QT_TRANSLATE_NOOP("TExImHelp",
                          "With this function, you export your knob presets to an ini file."),
        QT_TRANSLATE_NOOP(
            "TExImHelp",
            "After saving, you can load the knob presets again with the Import Knob Presets "
            "function in the menu."));
    TwoTextPage(
        Notebook1,
        QT_TRANSLATE_NOOP("TExImHelp",
                          "With this function, you export your knob snapshots to an ini file."),
        QT_TRANSLATE_NOOP(
            "TExImHelp",
            "After saving, you can load the knob snapshots again with the Import Knob "
            "Snapshots function in the menu."));
    TwoTextPage(
        Notebook1,
        QT_TRANSLATE_NOOP("TExImHelp",
                          "With this function, you export your self made chords to an ini file."),
        QT_TRANSLATE_NOOP(
            "TExImHelp",
            "After saving, you can load the chords again with the Import Chords function in "
            "the menu."));
    NewPage(Notebook1, l);  // page 4: the settings import uses page 0
    ChoicePage(Notebook1,
               QT_TRANSLATE_NOOP("TExImHelp",
                                 "With this function, you import knob presets from an ini file."),
               QT_TRANSLATE_NOOP(
                   "TExImHelp",
                   "These presets must have been exported previously with the Export Knob Preset "
                   "function in the menu."),
               QT_TRANSLATE_NOOP("TExImHelp", "Overwrite existing knob presets"),
               QT_TRANSLATE_NOOP("TExImHelp", "Add to existing knob presets"),
               RBKnobPresetOverwrite, RBKnobPresetAdd);
    TwoTextPage(
        Notebook1,
        QT_TRANSLATE_NOOP("TExImHelp",
                          "With this function, you import knob snapshots from an ini file."),
        QT_TRANSLATE_NOOP("TExImHelp",
                          "These snapshots must have been exported previously with the Export Knob "
                          "Snapshots function in the menu."));
    ChoicePage(
        Notebook1,
        QT_TRANSLATE_NOOP("TExImHelp", "With this function, you import chords from an ini file."),
        QT_TRANSLATE_NOOP(
            "TExImHelp",
            "These chords must have been exported previously with the Export Chords function "
            "in the menu."),
        QT_TRANSLATE_NOOP("TExImHelp", "Overwrite existing chords"),
        QT_TRANSLATE_NOOP("TExImHelp", "Add to existing chords"), RBChordOverwrite, RBChordAdd);
    RBKnobPresetOverwrite->setObjectName(QStringLiteral("RBKnobPresetOverwrite"));
    RBKnobPresetAdd->setObjectName(QStringLiteral("RBKnobPresetAdd"));
    RBChordOverwrite->setObjectName(QStringLiteral("RBChordOverwrite"));
    RBChordAdd->setObjectName(QStringLiteral("RBChordAdd"));

    PanelExportHint = new QLabel(
        tr("This is helpful when you want to transfer your settings to another computer, give them "
           "to a friend, or you have to reinstall Windows."));
    PanelExportHint->setObjectName(QStringLiteral("PanelExportHint"));
    PanelExportHint->setWordWrap(true);
    main->addWidget(PanelExportHint);

    auto* bottom = new QWidget;
    bottom->setObjectName(QStringLiteral("PanelBottom"));
    auto* bl = new QVBoxLayout(bottom);
    auto* continueText =
        new QLabel(tr("Click OK to continue, or Cancel to cancel this operation."));
    continueText->setWordWrap(true);
    bl->addWidget(continueText);
    auto* row = new QHBoxLayout;
    CBDontShow = new QCheckBox(tr("Don't show this again"));
    CBDontShow->setObjectName(QStringLiteral("CBDontShow"));
    row->addWidget(CBDontShow);
    row->addStretch();
    auto* ok = new QPushButton(tr("OK"));
    ok->setObjectName(QStringLiteral("BOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"));
    cancel->setObjectName(QStringLiteral("BCancel"));
    row->addWidget(ok);
    row->addWidget(cancel);
    bl->addLayout(row);
    main->addWidget(bottom);
    main->setSizeConstraint(QLayout::SetFixedSize);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TExImHelp::Prepare(int index, bool flag) {
    m_index = index < 0 || index > 7 ? 0 : index;
    CBDontShow->setChecked(flag);
    const QString caption = tr(kPageCaptions[m_index]);
    setWindowTitle(caption);
    LTitle->setText(caption);
    PanelExportHint->setVisible(m_index <= 3);
    const bool settings = m_index == 0 || m_index == 4;
    for (int i = 0; i < 2; ++i) {
        m_exportSettingsTexts[i]->setVisible(m_index == 0);
        m_importSettingsTexts[i]->setVisible(m_index == 4);
    }
    if (m_index == kKnobPresetsImport)
        (flag ? RBKnobPresetOverwrite : RBKnobPresetAdd)->setChecked(true);
    if (m_index == kChordsImport) (flag ? RBChordOverwrite : RBChordAdd)->setChecked(true);
    Notebook1->setCurrentIndex(settings ? 0 : m_index);
    // The window fits the page shown, not the largest one.
    for (int i = 0; i < Notebook1->count(); ++i) {
        const auto policy =
            i == Notebook1->currentIndex() ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        Notebook1->widget(i)->setSizePolicy(policy, policy);
    }
    CBDontShow->setVisible(!AsksOverwrite(m_index));
}

bool TExImHelp::FlagFromControls() const {
    if (m_index == kKnobPresetsImport) return RBKnobPresetOverwrite->isChecked();
    if (m_index == kChordsImport) return RBChordOverwrite->isChecked();
    return CBDontShow->isChecked();
}

bool TExImHelp::Explain(int index, bool& flag) {
    Prepare(index, flag);
    adjustSize();
    CenterOnForm(this, parentWidget());
    if (exec() != QDialog::Accepted) return false;
    flag = FlagFromControls();
    return true;
}
