#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "record/fileplayer.h"
#include "record/midirecorder.h"

class QAction;
class QMenu;
class QMenuBar;
class QObject;
class QTimer;
class TStatusPanels;
class TUserPrompts;

// What the Record menu needs of the main window.
struct TRecordHost {
    QMenuBar* menuBar = nullptr;
    QMenu* menuBefore = nullptr;  // the menu the Record menu stands before
    TStatusPanels* status = nullptr;
    TUserPrompts* prompts = nullptr;
    std::function<void(const QString&)> statusText;
    // The status bar's panels changed their widths.
    std::function<void()> statusPanelsChanged;
    // Sends a message of the file being played, due at a moment of the steady clock, and shows
    // it on the keyboard and the controls.
    TMidiFilePlayer::TSend play;
    // The steady clock, in nanoseconds.
    std::function<std::int64_t()> now;
    // Where a recording not saved is kept when the program ends; empty: nowhere.
    std::string keepFolder;
};

// The Record menu: recording what the program sends, saving it as a Standard MIDI File, playing
// a file through the output, and keeping a recording nobody saved (offered at the next start).
class TRecordLink {
    Q_DECLARE_TR_FUNCTIONS(TRecordLink)

public:
    explicit TRecordLink(TRecordHost host);
    ~TRecordLink();

    // Every message the program sends, with the moment it was played.
    void Sent(std::uint8_t status, std::uint8_t data1, std::uint8_t data2, std::int64_t playedNs);

    // Record › Start Recording / Stop Recording. A recording not yet saved is kept first.
    void StartStopRecording();
    // Record › Save Recording As...; false when nothing was written.
    bool SaveRecordingAs();
    // Record › Play MIDI File... / Stop Playing.
    void PlayOrStop();
    // Reads the file away from the window thread and plays it; a file that cannot be played is
    // reported and nothing plays.
    void PlayFile(const QString& path);
    void StopPlaying();
    bool Loading() const { return m_loading; }

    // Stops a recording under way (unless `stop` is false: a session's save goes on recording);
    // one stopped and not saved is written to `folder` (the keep folder when empty). Returns why
    // that failed; empty when it is kept or there was nothing to keep.
    std::string Keep(const std::string& folder = std::string(), bool stop = true);
    // Asks about each recording kept in the keep folder: save it elsewhere, later, or discard.
    void OfferKept();

    TMidiRecorder& Recorder() { return m_recorder; }
    TMidiFilePlayer& Player() { return *m_player; }

private:
    void CreateMenu();
    void Update();
    QString Clock(std::int64_t ns) const;

    TRecordHost m_host;
    TMidiRecorder m_recorder;
    std::unique_ptr<TMidiFilePlayer> m_player;
    std::unique_ptr<QTimer> m_tick;
    // Results of reading a file come back through this, and are dropped once it is gone.
    std::unique_ptr<QObject> m_context;
    QAction* m_record = nullptr;
    QAction* m_save = nullptr;
    QAction* m_play = nullptr;
    QString m_lastFolder;
    bool m_loading = false;
    unsigned m_loadGeneration = 0;
};
