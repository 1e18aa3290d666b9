
#include <QImage>
#include <QPainter>
#include <memory>

#include "bench/qtbenchmain.h"
#include "keyboard/keyboard.h"
#include "platform/keys/keylegends.h"

namespace {

// Stand-in artwork of the real sizes so the image style can be measured without the resources.
QImage StandInArtwork(const QString& name) {
    static const int small[5] = {9, 28, 54, 71, 88};
    if (!name.contains(QLatin1String("SMALL"))) return QImage();
    const bool pressed = name.contains(QLatin1String("DOWN"));
    QImage img(105, 76, QImage::Format_RGB32);
    img.fill(pressed ? QColor(220, 220, 220) : Qt::white);
    QPainter p(&img);
    for (int i = 0; i < 7; ++i) p.fillRect(i * 15 + 14, 0, 1, 76, Qt::black);
    for (int k = 0; k < 5; ++k) p.fillRect(small[k], 0, 8, 41, Qt::black);
    return img;
}

// `labelled`: note names on every key, the legends of an English layout, channel colours.
void SetUpKeyboard(TKeyboard& kb, TPaintStyle style, TKeyLegends* labelled = nullptr) {
    kb.SetPaintStyle(style);
    kb.resize(1000, 76);
    kb.SetBaseNote(24);
    if (!labelled) return;
    TKeyLook look = kb.Look();
    look.labels = klAlways;
    look.legends = true;
    look.channelColours = true;
    kb.SetLook(look);
    kb.Keys().SetKeyLegends(labelled);
}

void FullRepaint(benchmark::State& state, TPaintStyle style, bool labelled) {
    const std::unique_ptr<TKeyLegends> legends = CreateNamedKeyLegends(QStringLiteral("us"));
    TNotePlayer player;
    TKeyboard kb(player, nullptr, {StandInArtwork, 32});
    SetUpKeyboard(kb, style, labelled ? legends.get() : nullptr);
    QImage target(kb.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        kb.render(&target);
        benchmark::DoNotOptimize(target.bits());
    }
}

void SingleKeyRepaint(benchmark::State& state, TPaintStyle style, bool labelled) {
    const std::unique_ptr<TKeyLegends> legends = CreateNamedKeyLegends(QStringLiteral("us"));
    TNotePlayer player;
    TKeyboard kb(player, nullptr, {StandInArtwork, 32});
    SetUpKeyboard(kb, style, labelled ? legends.get() : nullptr);
    QImage target(kb.size(), QImage::Format_RGB32);
    const int note = 62;
    const int x = kb.KeyLeft(note) - kb.ScrollOffset();
    const QRegion key(QRect(x, 0, kb.KeyWidth(), kb.height()));
    bool down = false;
    for (auto _ : state) {
        down = !down;
        kb.Player().ShowIncomingNote(note, down ? 100 : 0, 3);
        kb.render(&target, QPoint(x, 0), key);
        benchmark::DoNotOptimize(target.bits());
    }
}

}  // namespace

BENCHMARK_CAPTURE(FullRepaint, Drawn, psDraw, false);
BENCHMARK_CAPTURE(FullRepaint, Image, psImage, false);
BENCHMARK_CAPTURE(FullRepaint, DrawnLabelled, psDraw, true);
BENCHMARK_CAPTURE(FullRepaint, ImageLabelled, psImage, true);
BENCHMARK_CAPTURE(SingleKeyRepaint, Drawn, psDraw, false);
BENCHMARK_CAPTURE(SingleKeyRepaint, Image, psImage, false);
BENCHMARK_CAPTURE(SingleKeyRepaint, DrawnLabelled, psDraw, true);
BENCHMARK_CAPTURE(SingleKeyRepaint, ImageLabelled, psImage, true);

TASTRA_QT_BENCHMARK_MAIN()
