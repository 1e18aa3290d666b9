#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>
#include <QWindow>

// Key events as the X11 and Wayland platforms deliver them: the native key code is the evdev code
// plus 8, and evdev numbers the main block like PC set-1 scan codes.
namespace keytest {

constexpr quint32 Native(int evdev) { return static_cast<quint32>(evdev + 8); }

// Sends one key event to a target (a widget, or a window as the window system would) and tells
// whether something accepted it on the way.
inline bool Send(QObject* target, QEvent::Type type, int evdev, int qtKey,
                 Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = QString(),
                 bool autoRepeat = false) {
    QKeyEvent e(type, qtKey, mods, Native(evdev), 0, 0, text, autoRepeat);
    QApplication::sendEvent(target, &e);
    return e.isAccepted();
}

inline void Press(QObject* target, int evdev, int qtKey, Qt::KeyboardModifiers mods = {},
                  const QString& text = QString()) {
    Send(target, QEvent::KeyPress, evdev, qtKey, mods, text);
}

inline void Release(QObject* target, int evdev, int qtKey, Qt::KeyboardModifiers mods = {},
                    const QString& text = QString()) {
    Send(target, QEvent::KeyRelease, evdev, qtKey, mods, text);
}

// What a widget received, for telling passed-on keys from discarded ones.
class TKeyRecorder : public QWidget {
public:
    explicit TKeyRecorder(QWidget* parent = nullptr) : QWidget(parent) {
        setFocusPolicy(Qt::StrongFocus);
    }
    int presses = 0;
    int releases = 0;
    bool ignoreKeys = false;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        ++presses;
        if (ignoreKeys) e->ignore();
    }
    void keyReleaseEvent(QKeyEvent* e) override {
        ++releases;
        if (ignoreKeys) e->ignore();
    }
};

}  // namespace keytest
