#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QTest>
#include <gtest/gtest.h>
#include <array>
#include <vector>

#include "keyboard/keyboard.h"

namespace kbtest {

using TMsg = std::array<int, 3>;

// Captures what a player sends (and what it shows in the window's controls, separately).
struct TNoteLog {
    std::vector<TMsg> notes;
    std::vector<TMsg> display;
    void Attach(TNotePlayer& player) {
        player.OnSend = [this](uint8_t a, uint8_t b, uint8_t c) { notes.push_back({a, b, c}); };
        player.OnDisplay = [this](uint8_t a, uint8_t b, uint8_t c) {
            display.push_back({a, b, c});
        };
    }
    std::vector<TMsg> Take() {
        std::vector<TMsg> r;
        r.swap(notes);
        return r;
    }
};

// A keyboard of 300 x 50 from note 0, shown, drawn: white keys are 15 px wide, the black band
// ends at y 30; what its player sends goes to `log`.
struct TShownKeyboard : ::testing::Test {
    TNotePlayer player;
    TKeyboard kb{player};
    TNoteLog log;
    void SetUp() override {
        kb.resize(300, 50);
        kb.SetBaseNote(0);
        log.Attach(player);
        kb.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&kb));
    }
};

// Changes some of a keyboard's look or play options and keeps the others.
template <typename Change>
void ChangeLook(TKeyboard& kb, Change change) {
    TKeyLook look = kb.Look();
    change(look);
    kb.SetLook(look);
}

template <typename Change>
void ChangePlay(TKeyboard& kb, Change change) {
    TPlayOptions options = kb.PlayOptions();
    change(options);
    kb.SetPlayOptions(options);
}

// Touch screens with and without pressure, made once: Qt keeps every device it was told of.
inline QPointingDevice* TouchScreen(bool pressure) {
    static QPointingDevice* plain = QTest::createTouchDevice();
    static QPointingDevice* pressing = QTest::createTouchDevice(
        QInputDevice::DeviceType::TouchScreen,
        QInputDevice::Capability::Position | QInputDevice::Capability::Pressure);
    return pressure ? pressing : plain;
}

// Delivers one mouse event directly, with modifiers on every kind of event.
inline void Mouse(TKeyboard& kb, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
                  Qt::KeyboardModifiers mods, int x, int y) {
    QPointF pos(x, y);
    QMouseEvent e(type, pos, kb.mapToGlobal(pos), button, held, mods);
    QApplication::sendEvent(&kb, &e);
}

// Stand-in key artwork of the real sizes: white keys with a separator at each tile's right edge
// and black keys at the given offsets; pressed artwork is grey so tests can tell them apart.
inline QImage StandInStrip(int width, const int* offsets, int blackWidth, bool pressed) {
    QImage img(width, 76, QImage::Format_RGB32);
    img.fill(pressed ? QColor(200, 200, 255) : Qt::white);
    QPainter p(&img);
    int tile = width / 7;
    for (int i = 0; i < 7; ++i) p.fillRect(i * tile + tile - 1, 0, 1, 76, Qt::black);
    for (int k = 0; k < 5; ++k)
        p.fillRect(offsets[k], 0, blackWidth, 41, pressed ? QColor(60, 60, 120) : Qt::black);
    return img;
}

inline QImage StandInImage(const QString& name) {
    static const int small[5] = {9, 28, 54, 71, 88};
    static const int normal[5] = {12, 37, 72, 95, 117};
    static const int big[5] = {16, 50, 97, 128, 158};
    const bool pressed = name.contains(QLatin1String("DOWN"));
    if (name.contains(QLatin1String("SMALL"))) return StandInStrip(105, small, 8, pressed);
    if (name.contains(QLatin1String("NORMAL"))) return StandInStrip(140, normal, 11, pressed);
    if (name.contains(QLatin1String("BIG"))) return StandInStrip(189, big, 15, pressed);
    return QImage();
}

// The stand-in artwork on a screen of the given depth.
inline TKeyArtwork StandInArtwork(int depth = 32) { return {StandInImage, depth}; }

// A keyboard with a player of its own.
struct TPlayedKeyboard {
    explicit TPlayedKeyboard(TKeyArtwork artwork = {}) : kb(player, nullptr, std::move(artwork)) {}
    TNotePlayer player;
    TKeyboard kb;
};

}  // namespace kbtest
