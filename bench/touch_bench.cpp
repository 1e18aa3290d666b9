// From the window system to the note: one press and its release of a key, on the window thread,
// through Qt's own event path (offscreen). The mouse as it always played, the mouse with the
// velocity taken from the height of the strike, and a finger on a touch screen, alone or beside
// nine fingers already held; with key pressure on, a finger moving on its key.
//   QT_QPA_PLATFORM=offscreen build/bench/touch_bench
// The time per iteration covers a press and a release; compare the lines with each other.
#include <QTest>
#include <QWindow>

#include "bench/qtbenchmain.h"
#include "keyboard/keyboard.h"

namespace {

struct TBench {
    TNotePlayer player;
    TKeyboard kb{player};
    int noteOns = 0;
    TBench() {
        kb.resize(600, 60);
        kb.SetBaseNote(36);
        player.OnSend = [this](uint8_t s, uint8_t, uint8_t v) { noteOns += (s & 0xF0) == 0x90 && v; };
        kb.show();
        if (!QTest::qWaitForWindowExposed(&kb)) std::abort();
    }
    QPoint KeyCentre(int white) const {
        return QPoint(white * kb.KeyWidth() + kb.KeyWidth() / 2, kb.height() - 5);
    }
    void Options(bool multiTouch, bool velocityFromHeight) {
        TPlayOptions options = kb.PlayOptions();
        options.multiTouch = multiTouch;
        options.velocityFromHeight = velocityFromHeight;
        kb.SetPlayOptions(options);
    }
};

QPointingDevice* Screen() {
    static QPointingDevice* screen = QTest::createTouchDevice();
    return screen;
}

QEventPoint Point(TBench& b, int id, QEventPoint::State state, QPoint at) {
    return QEventPoint(id, state, at, b.kb.mapToGlobal(QPointF(at)));
}

void Touch(TBench& b, const QList<QEventPoint>& points) {
    qt_handleTouchEventv2(b.kb.windowHandle(), Screen(), points);
}

void MouseStrike(benchmark::State& state, bool height) {
    TBench b;
    b.Options(false, height);
    const QPoint at = b.KeyCentre(1);
    for (auto _ : state) {
        QTest::mousePress(&b.kb, Qt::LeftButton, {}, at);
        QTest::mouseRelease(&b.kb, Qt::LeftButton, {}, at);
    }
    if (b.noteOns != state.iterations()) state.SkipWithError("a press did not play one note");
}

void TouchStrike(benchmark::State& state, bool height, int held) {
    TBench b;
    b.Options(true, height);
    QList<QEventPoint> down;
    for (int id = 1; id <= held; ++id)
        down << Point(b, id, QEventPoint::Pressed, b.KeyCentre(2 + id));
    if (held) Touch(b, down);
    const int before = b.noteOns;
    const QPoint at = b.KeyCentre(1);
    for (auto _ : state) {
        Touch(b, {Point(b, 0, QEventPoint::Pressed, at)});
        Touch(b, {Point(b, 0, QEventPoint::Released, at)});
    }
    if (b.noteOns - before != state.iterations())
        state.SkipWithError("a touch did not play one note");
}

// A held finger moving up and down on its key, sending key pressure.
void TouchPressure(benchmark::State& state) {
    TBench b;
    b.Options(true, false);
    b.kb.Player().SetKeyPressure(kpPolyphonic);
    const QPoint at = b.KeyCentre(1);
    Touch(b, {Point(b, 0, QEventPoint::Pressed, at)});
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 16;  // within the white key's lower part
        Touch(b, {Point(b, 0, QEventPoint::Updated, at - QPoint(0, step))});
    }
    Touch(b, {Point(b, 0, QEventPoint::Released, at)});
}

}  // namespace

BENCHMARK_CAPTURE(MouseStrike, mouse_as_always, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(MouseStrike, mouse_velocity_from_height, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TouchStrike, finger, false, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TouchStrike, finger_velocity_from_height, true, 0)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TouchStrike, finger_beside_nine_held, false, 9)->Unit(benchmark::kMicrosecond);
BENCHMARK(TouchPressure)->Unit(benchmark::kMicrosecond);

TASTRA_QT_BENCHMARK_MAIN();
