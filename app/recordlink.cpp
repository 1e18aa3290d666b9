#include "app/recordlink.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>

#include "app/statuspanels.h"
#include "app/userprompts.h"
#include "platform/settings/atomicfile.h"

namespace {

constexpr char kTrackName[] = "Tastra recording";

// A name no file in folder has yet: "Recording <date> <time>.mid", numbered when taken.
QString FreeName(const QDir& folder) {
    const QString base =
        QStringLiteral("Recording %1")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh-mm-ss")));
    QString name = base + QStringLiteral(".mid");
    for (int n = 2; folder.exists(name); ++n) name = QStringLiteral("%1-%2.mid").arg(base).arg(n);
    return folder.filePath(name);
}

}  // namespace

TRecordLink::TRecordLink(TRecordHost host)
    : m_host(std::move(host)), m_tick(new QTimer), m_context(new QObject) {
    m_player = std::make_unique<TMidiFilePlayer>(m_host.play, m_host.now);
    m_player->OnFinished = [this] { Update(); };
    m_tick->setInterval(250);
    QObject::connect(m_tick.get(), &QTimer::timeout, m_context.get(), [this] { Update(); });
    m_lastFolder = QDir::homePath();
    CreateMenu();
    Update();
}

TRecordLink::~TRecordLink() = default;

void TRecordLink::CreateMenu() {
    auto* menu = new QMenu(tr("&Record"), m_host.menuBar);
    menu->setObjectName(QStringLiteral("Record1"));
    m_host.menuBar->insertMenu(m_host.menuBefore->menuAction(), menu);
    m_record = menu->addAction(tr("&Start Recording"));
    m_record->setObjectName(QStringLiteral("StartRecording1"));
    m_record->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    QObject::connect(m_record, &QAction::triggered, m_context.get(),
                     [this] { StartStopRecording(); });
    m_save = menu->addAction(tr("Save Recording &As..."));
    m_save->setObjectName(QStringLiteral("SaveRecording1"));
    m_save->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QObject::connect(m_save, &QAction::triggered, m_context.get(), [this] { SaveRecordingAs(); });
    menu->addSeparator();
    m_play = menu->addAction(tr("&Play MIDI File..."));
    m_play->setObjectName(QStringLiteral("PlayMidiFile1"));
    m_play->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    QObject::connect(m_play, &QAction::triggered, m_context.get(), [this] { PlayOrStop(); });
}

void TRecordLink::Sent(std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
                       std::int64_t playedNs) {
    m_recorder.Add(status, data1, data2, playedNs);
}

void TRecordLink::StartStopRecording() {
    if (m_recorder.Recording()) {
        m_recorder.Stop(m_host.now());
    } else {
        // The recording before is not dropped: kept where the next start offers it.
        const std::string failure = Keep();
        if (!failure.empty()) {
            m_host.prompts->Error(tr("The recording before could not be kept, so no new one was "
                                     "started: save it first.\n%1")
                                      .arg(QString::fromStdString(failure)));
            return;
        }
        m_recorder.Start(m_host.now());
    }
    Update();
}

bool TRecordLink::SaveRecordingAs() {
    if (m_recorder.Recording() || m_recorder.Empty()) return false;
    const QString start = QFileInfo(FreeName(QDir(m_lastFolder))).absoluteFilePath();
    QString path = m_host.prompts->ChooseMidiFile(true, start);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".mid");
    QString error;
    if (!TMidiFile::Write(path, m_recorder.Messages(), kTrackName, m_recorder.LengthNs(0), error)) {
        m_host.prompts->Error(error + QLatin1Char('\n') +
                              tr("The recording is kept: save it somewhere else."));
        return false;
    }
    m_lastFolder = QFileInfo(path).absolutePath();
    m_recorder.MarkSaved();
    m_host.statusText(tr("Recording saved as \"%1\".").arg(QFileInfo(path).fileName()));
    Update();
    return true;
}

void TRecordLink::PlayOrStop() {
    if (m_player->Playing() || m_loading) {
        StopPlaying();
        return;
    }
    const QString path = m_host.prompts->ChooseMidiFile(false, m_lastFolder + QLatin1Char('/'));
    if (!path.isEmpty()) PlayFile(path);
}

void TRecordLink::PlayFile(const QString& path) {
    StopPlaying();
    m_lastFolder = QFileInfo(path).absolutePath();
    m_loading = true;
    const unsigned generation = ++m_loadGeneration;
    QPointer<QObject> context = m_context.get();
    // A file of many megabytes takes a moment to read: the window goes on meanwhile.
    QThreadPool::globalInstance()->start([context, path, generation, this] {
        auto song = std::make_shared<TMidiSong>();
        auto error = std::make_shared<QString>();
        const bool ok = TMidiFile::Read(path, *song, *error);
        // Handed to the window thread through the application, which outlives this object.
        QMetaObject::invokeMethod(
            qApp,
            [context, this, song, error, ok, generation] {
                if (!context || generation != m_loadGeneration || !m_loading) return;
                m_loading = false;
                if (ok)
                    m_player->Play(std::move(*song));
                else
                    m_host.prompts->Error(*error);
                Update();
            },
            Qt::QueuedConnection);
    });
    Update();
}

void TRecordLink::StopPlaying() {
    m_loading = false;
    ++m_loadGeneration;
    m_player->Stop();
    Update();
}

std::string TRecordLink::Keep(const std::string& folder, bool stop) {
    if (stop && m_recorder.Recording()) {
        m_recorder.Stop(m_host.now());
        Update();
    }
    if (!m_recorder.Unsaved()) return {};
    const std::string where = folder.empty() ? m_host.keepFolder : folder;
    if (where.empty()) return {};
    const QDir dir(QString::fromStdString(where));
    const QString path = FreeName(dir);
    std::string reason;
    if (!EnsureParentFolder(path.toStdString(), &reason))
        return tr("The recording could not be kept in \"%1\": %2")
            .arg(dir.path(), QString::fromStdString(reason))
            .toStdString();
    QString error;
    if (!TMidiFile::Write(path, m_recorder.Messages(), kTrackName, m_recorder.LengthNs(0), error))
        return error.toStdString();
    m_recorder.MarkSaved();
    Update();
    return {};
}

void TRecordLink::OfferKept() {
    if (m_host.keepFolder.empty()) return;
    const QDir dir(QString::fromStdString(m_host.keepFolder));
    const QStringList kept =
        dir.entryList({QStringLiteral("*.mid")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& name : kept) {
        const QString path = dir.filePath(name);
        const auto answer = m_host.prompts->KeptRecording(
            tr("A recording was not saved when the program ended last; it was kept as \"%1\" in "
               "\"%2\".\nSave it now?")
                .arg(name, dir.path()));
        if (answer == TUserPrompts::kaLater) return;
        if (answer == TUserPrompts::kaDiscard) {
            QFile::remove(path);
            continue;
        }
        const QString to = m_host.prompts->ChooseMidiFile(true, QDir(m_lastFolder).filePath(name));
        if (to.isEmpty()) return;
        std::string bytes, reason;
        if (ReadWholeFile(path.toStdString(), bytes, &reason) != TReadResult::Ok ||
            !WriteFileAtomically(to.toStdString(), bytes, &reason)) {
            m_host.prompts->Error(tr("\"%1\" could not be saved as \"%2\": %3\nIt stays kept.")
                                      .arg(name, to, QString::fromStdString(reason)));
            return;
        }
        m_lastFolder = QFileInfo(to).absolutePath();
        QFile::remove(path);
    }
}

QString TRecordLink::Clock(std::int64_t ns) const {
    const std::int64_t s = ns / 1000000000;
    if (s >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(s / 3600)
            .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(s % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

void TRecordLink::Update() {
    const bool recording = m_recorder.Recording();
    const bool playing = m_player->Playing() || m_loading;
    m_record->setText(recording ? tr("&Stop Recording") : tr("&Start Recording"));
    m_save->setEnabled(!recording && !m_recorder.Empty());
    m_play->setText(playing ? tr("Stop &Playing") : tr("&Play MIDI File..."));
    QStringList parts;
    if (recording) parts << tr("Recording %1").arg(Clock(m_recorder.LengthNs(m_host.now())));
    if (m_player->Playing())
        parts << tr("Playing %1 / %2")
                     .arg(Clock(m_player->PositionNs()), Clock(m_player->LengthNs()));
    const QString text = parts.join(QStringLiteral("  "));
    const bool changed = text.isEmpty() != m_host.status->RecordText().isEmpty();
    m_host.status->SetRecordText(text);
    if (changed && m_host.statusPanelsChanged) m_host.statusPanelsChanged();
    if (recording || playing) {
        if (!m_tick->isActive()) m_tick->start();
    } else {
        m_tick->stop();
    }
}
