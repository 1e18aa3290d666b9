// The main window's secondary tool windows (settings, transpose window, chord editor) and the
// Language menu.
#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "app/knobpanel.h"
#include "app/language.h"
#include "app/outputsender.h"
#include "app/settingsform.h"
#include "app/soundselection.h"
#include "app/tastra.h"
#include "app/toolwindow.h"
#include "app/userprompts.h"
#include "chords/chordeditform.h"
#include "keyboard/keyboard.h"
#include "keyboard/transposeform.h"

void TTastra2::CreateDialogMenuItems(QMenu* options) {
    QAction* transpose = options->addAction(tr("T&ranspose..."));
    transpose->setObjectName(QStringLiteral("Transpose1"));
    transpose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(transpose, &QAction::triggered, this, [this] { Transpose1Click(); });
    QAction* chords = options->addAction(tr("Chord &Editor..."));
    chords->setObjectName(QStringLiteral("ChordEditor1"));
    chords->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(chords, &QAction::triggered, this, [this] { ChordEditor1Click(); });
    QAction* settings = options->addAction(tr("&Settings..."));
    settings->setObjectName(QStringLiteral("Settings1"));
    settings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(settings, &QAction::triggered, this, [this] { Settings1Click(); });
}

void TTastra2::CreateLanguageMenu(QMenu* options) {
    QMenu* menu = options->addMenu(tr("&Language"));
    menu->setObjectName(QStringLiteral("Language1"));
    auto* group = new QActionGroup(menu);
    const auto entry = [this, menu, group](const QString& text, const QString& code) {
        QAction* a = menu->addAction(text);
        a->setData(code);
        a->setCheckable(true);
        a->setChecked(code == m_language);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, code] { ChooseLanguage(code); });
    };
    entry(tr("Follow the Desktop"), QString());
    menu->addSeparator();
    // Each language by its own name, so that a user who cannot read the current one finds it;
    // only those this installation has a translation for.
    const QStringList translated =
        TranslatedLanguages(QString::fromStdString(DataFolderPath() + "/" + kTranslationsFolder));
    for (const TUiLanguage& language : kLanguages) {
        const QString code = QString::fromLatin1(language.code);
        if (code == QLatin1String("en") || translated.contains(code))
            entry(QString::fromUtf8(language.ownName), code);
    }
}

void TTastra2::ChooseLanguage(const QString& code) {
    if (code == m_language) return;
    m_language = code;
    m_prompts->Information(tr("The language will change the next time the program starts."));
}

TTransposeForm* TTastra2::TransposeForm() const { return m_transposeForm; }
TChordEditForm* TTastra2::ChordEditForm() const { return m_chordEditForm; }
TSettings* TTastra2::SettingsForm() const { return m_settingsForm; }

void TTastra2::Transpose1Click() {
    if (!m_transposeForm)
        m_transposeForm = new TTransposeForm(*Keyboard1, m_services.openSettingsRoot, this);
    BringToFront(m_transposeForm);
}

void TTastra2::ChordEditor1Click() {
    if (!m_chordEditForm) {
        // The editor plays straight to the output: through the send path its own notes would
        // come back to it as tones to toggle.
        auto send = [this](uint8_t s, uint8_t d1, uint8_t d2) { m_sender->Send(s, d1, d2); };
        m_chordEditForm = new TChordEditForm(m_services.openSettingsRoot, send, Keyboard1, this);
        m_chordEditForm->OnChordsSaved = [this] { ReloadChords(); };
    }
    BringToFront(m_chordEditForm);
}

void TTastra2::ChordEditorNoteIn(uint8_t note, uint8_t velocity) {
    if (m_chordEditForm && m_chordEditForm->isVisible())
        m_chordEditForm->ChordEditorNoteIn(note, velocity);
}

void TTastra2::Settings1Click() {
    // A window closed a moment ago is only waiting to be freed: it gave its borrowed key-width
    // bar back already, so a new one is made.
    if (m_settingsForm && m_settingsForm->isHidden()) m_settingsForm = nullptr;
    if (!m_settingsForm) m_settingsForm = new TSettings(*this);
    m_settingsForm->ShowGeneralPage();
    BringToFront(m_settingsForm);
}

void TTastra2::SettingsLearn(int number) {
    if (m_settingsForm && m_settingsForm->isVisible()) m_settingsForm->LearnController(number);
}

void TTastra2::CloseDialogs() {
    // Each window saves its own values as it closes; the transpose window may still reset the
    // transposition, which must happen before the keyboard's settings are saved.
    if (m_settingsForm) m_settingsForm->close();
    m_sound->CloseChooser();
    if (m_transposeForm) m_transposeForm->close();
    if (m_chordEditForm) m_chordEditForm->close();
    m_knobs->CloseSetup();
}
