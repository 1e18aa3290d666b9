#pragma once

#include <QColor>
#include <QImage>

// A strip whose frame i is filled with FrameColor(i), so drawn pixels tell which frame shows.
inline QColor FrameColor(int i) { return QColor(i * 5 % 256, 100, 200); }

inline QImage MakeStrip(int count, int frameWidth, int frameHeight, int separator = 0,
                        bool vertical = false) {
    const int w = vertical ? frameWidth : count * frameWidth + (count - 1) * separator;
    const int h = vertical ? count * frameHeight + (count - 1) * separator : frameHeight;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::black);
    for (int i = 0; i < count; ++i) {
        const int x = vertical ? 0 : i * (frameWidth + separator);
        const int y = vertical ? i * (frameHeight + separator) : 0;
        for (int yy = 0; yy < frameHeight; ++yy)
            for (int xx = 0; xx < frameWidth; ++xx)
                img.setPixelColor(x + xx, y + yy, FrameColor(i));
    }
    return img;
}
