#include "app/synthpage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/midi/soundfonts.h"
#include "platform/midi/synthaudio.h"

namespace {

// A number as the user's language writes it, without thousands separators (as "48000 Hz").
template <typename... T>
QString Number(T... args) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(args...);
}

}  // namespace

namespace {

constexpr int kBufferChoices[] = {64, 128, 256, 512, 1024, 2048, 4096};
constexpr TSynthOutput kOutputs[] = {TSynthOutput::Automatic, TSynthOutput::PulseAudio,
                                     TSynthOutput::Jack, TSynthOutput::Alsa};

QString StatusText(const TSynthStatus& status) {
    switch (status.State) {
        case TSynthStatus::Ready:
            return TSynthPage::tr("Now playing %1 through %2.")
                .arg(QString::fromStdString(SoundfontDisplayName(status.Soundfont)),
                     QString::fromStdString(status.Output));
        case TSynthStatus::Starting:
            return TSynthPage::tr("Starting ...");
        case TSynthStatus::Failed:
            return TSynthPage::tr("Cannot play: %1").arg(QString::fromStdString(status.Failure));
        case TSynthStatus::Waiting:
            return TSynthPage::tr("Its audio output went away; it plays again as soon as it is "
                                  "back.");
        default:
            return TSynthPage::tr("Not playing: choose it or the MIDI Mapper in Midi Out.");
    }
}

// Long texts (a failure's) are cut to keep the window narrow; the whole text is the tip.
void SetShortText(QLabel* label, const QString& text) {
    constexpr int kLongest = 64;
    label->setToolTip(text.size() > kLongest ? text : QString());
    label->setText(text.size() > kLongest ? text.left(kLongest - 3) + QStringLiteral("...") : text);
}

}  // namespace

QString SynthDelayText(int frames, double sampleRate) {
    return TSynthPage::tr("%1 frames, %2 ms at %3 Hz")
        .arg(Number(frames))
        .arg(Number(frames * 1000.0 / sampleRate, 'f', 1))
        .arg(Number(sampleRate, 'f', 0));
}

TSynthPage::TSynthPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SynthTab"));
    ChooseSoundfont = [this](const QString& start) {
        return QFileDialog::getOpenFileName(this, tr("Soundfont"), start,
                                            tr("Soundfonts (*.sf2 *.SF2 *.sf3);;"
                                               "All files (*)"));
    };

    auto* soundfont = new QGroupBox(tr("Soundfont"), this);
    auto* sl = new QGridLayout(soundfont);
    auto* sfLabel = new QLabel(tr("Sound&font file:"), soundfont);
    ESoundfont = new QLineEdit(soundfont);
    ESoundfont->setPlaceholderText(tr("The General MIDI soundfont of the system"));
    sfLabel->setBuddy(ESoundfont);
    BBrowseSoundfont = new QPushButton(tr("&Browse..."), soundfont);
    BDefaultSoundfont = new QPushButton(tr("&Default"), soundfont);
    sl->addWidget(sfLabel, 0, 0, 1, 3);
    sl->addWidget(ESoundfont, 1, 0);
    sl->addWidget(BBrowseSoundfont, 1, 1);
    sl->addWidget(BDefaultSoundfont, 1, 2);
    sl->setColumnStretch(0, 1);
    connect(BBrowseSoundfont, &QPushButton::clicked, this, [this] {
        const QString current = ESoundfont->text().trimmed();
        const QString start = current.isEmpty() ? QString::fromLatin1(kSoundfontFolder)
                                                : QFileInfo(current).absolutePath();
        const QString file = ChooseSoundfont(start);
        if (!file.isEmpty()) ESoundfont->setText(file);
    });
    connect(BDefaultSoundfont, &QPushButton::clicked, ESoundfont, &QLineEdit::clear);

    auto* audio = new QGroupBox(tr("Audio output"), this);
    auto* av = new QVBoxLayout(audio);
    auto* al = new QGridLayout;
    av->addLayout(al);
    CBAudioOutput = new QComboBox(audio);
    for (TSynthOutput o : kOutputs) CBAudioOutput->addItem(SynthOutputDisplayName(o));
    CBBufferSize = new QComboBox(audio);
    for (int frames : kBufferChoices)
        CBBufferSize->addItem(tr("%1 frames").arg(Number(frames)), frames);
    SEBuffers = new QSpinBox(audio);
    SEBuffers->setRange(kMinSynthBuffers, kMaxSynthBuffers);
    const struct {
        const char* caption;
        QWidget* field;
    } rows[] = {{QT_TR_NOOP("O&utput:"), CBAudioOutput},
                {QT_TR_NOOP("Buffer si&ze:"), CBBufferSize},
                {QT_TR_NOOP("Buffer&s:"), SEBuffers}};
    int row = 0;
    for (const auto& r : rows) {
        auto* label = new QLabel(tr(r.caption), audio);
        label->setBuddy(r.field);
        al->addWidget(label, row, 0);
        al->addWidget(r.field, row++, 1);
    }
    al->setColumnStretch(2, 1);
    LDelay = new QLabel(audio);
    LDelay->setObjectName(QStringLiteral("LDelay"));
    // The desktop sound server's sentence is long in every language: it wraps rather than
    // widening the window.
    LDelay->setWordWrap(true);
    av->addWidget(LDelay);
    connect(CBBufferSize, &QComboBox::currentIndexChanged, this, [this] { ShowDelay(); });
    connect(CBAudioOutput, &QComboBox::currentIndexChanged, this, [this] { ShowDelay(); });

    auto* sound = new QGroupBox(tr("Sound"), this);
    auto* ml = new QGridLayout(sound);
    CBReverb = new QCheckBox(tr("&Reverb"), sound);
    CBChorus = new QCheckBox(tr("&Chorus"), sound);
    ml->setRowStretch(3, 1);
    SEGain = new QDoubleSpinBox(sound);
    SEGain->setRange(0, kMaxSynthGain);
    SEGain->setSingleStep(0.05);
    SEGain->setDecimals(2);
    auto* gainLabel = new QLabel(tr("&Gain:"), sound);
    gainLabel->setBuddy(SEGain);
    ml->addWidget(CBReverb, 0, 0, 1, 2);
    ml->addWidget(CBChorus, 1, 0, 1, 2);
    ml->addWidget(gainLabel, 2, 0);
    ml->addWidget(SEGain, 2, 1);
    ml->setColumnStretch(2, 1);

    LSynthStatus = new QLabel(this);
    LSynthStatus->setObjectName(QStringLiteral("LSynthStatus"));

    auto* pl = new QGridLayout(this);
    pl->addWidget(soundfont, 0, 0, 1, 2);
    pl->addWidget(audio, 1, 0);
    pl->addWidget(sound, 1, 1);
    pl->addWidget(LSynthStatus, 2, 0, 1, 2);
    pl->setRowStretch(3, 1);
}

void TSynthPage::Load(const TSynthSettings& s, const TSynthStatus& status) {
    ESoundfont->setText(QString::fromStdString(s.Soundfont));
    for (int i = 0; i < CBAudioOutput->count(); ++i)
        if (kOutputs[i] == s.Output) CBAudioOutput->setCurrentIndex(i);
    int buffer = CBBufferSize->findData(s.BufferFrames);
    if (buffer < 0) {
        // A size stored by hand keeps its place in the list.
        CBBufferSize->addItem(tr("%1 frames").arg(Number(s.BufferFrames)), s.BufferFrames);
        buffer = CBBufferSize->count() - 1;
    }
    CBBufferSize->setCurrentIndex(buffer);
    SEBuffers->setValue(s.Buffers);
    CBReverb->setChecked(s.Reverb);
    CBChorus->setChecked(s.Chorus);
    SEGain->setValue(s.Gain);
    const bool ready = status.State == TSynthStatus::Ready && status.SampleRate > 0;
    m_sampleRate = ready ? status.SampleRate : 48000;
    m_jackBlock = ready && status.Output == "JACK" ? status.BlockFrames : 0;
    const bool server = ready && status.Output == "PulseAudio";
    m_serverBlock = server ? status.BlockFrames : 0;
    m_serverQueue = server ? status.OutputFrames : 0;
    m_loadedBuffer = s.BufferFrames;
    SetShortText(LSynthStatus, StatusText(status));
    ShowDelay();
}

TSynthSettings TSynthPage::Edited() const {
    TSynthSettings s;
    s.Soundfont = ESoundfont->text().trimmed().toStdString();
    s.Output = kOutputs[std::max(0, CBAudioOutput->currentIndex())];
    s.BufferFrames = CBBufferSize->currentData().toInt();
    s.Buffers = SEBuffers->value();
    s.Reverb = CBReverb->isChecked();
    s.Chorus = CBChorus->isChecked();
    s.Gain = SEGain->value();
    return ClampedSynthSettings(s);
}

void TSynthPage::ShowDelay() {
    const TSynthOutput chosen = kOutputs[std::max(0, CBAudioOutput->currentIndex())];
    // JACK plays in blocks of its own period, whatever is asked for.
    const bool jack =
        chosen == TSynthOutput::Jack || (chosen == TSynthOutput::Automatic && m_jackBlock > 0);
    if (jack && m_jackBlock > 0)
        LDelay->setText(tr("Each note sounds one JACK period later: %1.")
                            .arg(SynthDelayText(m_jackBlock, m_sampleRate)));
    else if (jack)
        LDelay->setText(tr("Each note sounds one JACK period later."));
    else if (chosen != TSynthOutput::Alsa && m_serverBlock > 0 &&
             CBBufferSize->currentData().toInt() == m_loadedBuffer)
        // What the server told, while its figure holds for the buffer shown.
        LDelay->setText(tr("Each note sounds %1 ms after it is played: one block (%2) and "
                           "%3 ms in the sound server's queue.")
                            .arg((m_serverBlock + m_serverQueue) * 1000.0 / m_sampleRate, 0, 'f', 1)
                            .arg(SynthDelayText(m_serverBlock, m_sampleRate))
                            .arg(m_serverQueue * 1000.0 / m_sampleRate, 0, 'f', 1));
    else if (chosen == TSynthOutput::Alsa)
        LDelay->setText(
            tr("Each note sounds one buffer later: %1.")
                .arg(SynthDelayText(CBBufferSize->currentData().toInt(), m_sampleRate)));
    else
        // The server's queue is known once it plays.
        LDelay->setText(
            tr("Each note sounds one buffer later: %1; on the desktop sound server, later by "
               "its queue as well.")
                .arg(SynthDelayText(CBBufferSize->currentData().toInt(), m_sampleRate)));
}
