#include "controls/screencolor.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

int g_screenColorBits = 0;  // 0: not read yet

}  // namespace

int ScreenColorBits() {
    if (g_screenColorBits <= 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        g_screenColorBits = screen && screen->depth() > 0 ? screen->depth() : 32;
    }
    return g_screenColorBits;
}

void SetScreenColorBits(int bits) { g_screenColorBits = bits; }

void ResetScreenColorBits() { g_screenColorBits = 0; }
