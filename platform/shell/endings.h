#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

// The ways the program ends besides its window being closed, each turned into a call made in the
// event loop, where the window's objects may be used:
//   - SIGTERM, SIGINT and SIGHUP (kill, Ctrl+C, a closed terminal, a logout): the handler only
//     writes the signal's number to a pipe; the call comes from the loop, which then should end
//     with 128 + the number. A second signal while the first is handled ends the process at once.
//   - A lost connection to the X server: the display's library ends the process straight after
//     it says so; the call comes just before, while the MIDI devices and the disk still work.
//     Nothing may be shown then.
//   - The desktop session ending (the session manager asks the program to save its data).
// Signal handlers are the process's own: one TEndings at a time; the previous handlers come back
// when it is gone.
class TEndings : public QObject {
public:
    struct THandlers {
        std::function<void(int signal)> signalled;
        std::function<void()> displayLost;
        std::function<void()> sessionEnds;
    };
    explicit TEndings(THandlers handlers, QObject* parent = nullptr);
    ~TEndings() override;
    TEndings(const TEndings&) = delete;
    TEndings& operator=(const TEndings&) = delete;

    // False when the signals could not be caught (no pipe could be made).
    bool Watching() const { return m_notifier != nullptr; }

private:
    void ReadSignal();
    static void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& text);
    bool DisplayBroken() const;

    THandlers m_handlers;
    QSocketNotifier* m_notifier = nullptr;
    bool m_displayLostSeen = false;
    QtMessageHandler m_previousMessageHandler = nullptr;
};
