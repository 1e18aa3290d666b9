#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

enum TImageSize { isSmall, isNormal, isBig };

// Where the key artwork comes from and how many bits a pixel the screen has. Unset: the
// program's resources and the primary screen.
struct TKeyArtwork {
    std::function<QImage(const QString& name)> image;
    int screenDepth = -1;
};

// The key artwork of the image style at one size: the seven white-key tiles and the black key,
// released and pressed, ready to draw, and the note each pixel of an octave belongs to. A screen
// of 7 bits a pixel or fewer cannot show it; one of 8 to 14 bits gets the 256-colour artwork.
class TKeyArt {
public:
    explicit TKeyArt(TKeyArtwork source);

    // Whether the screen can show the artwork and it was not found missing.
    bool Available() const { return m_available; }
    // The screen's colour depth changed (bits per pixel); true when it crossed 8 bits, so that
    // other artwork is to be read.
    bool SetDepth(int depth);

    // Reads the artwork of one size; false, with nothing loaded, when it is not available or
    // cannot be used, and then it is not available any more.
    bool Load(TImageSize size);
    void Free();
    bool Loaded() const { return m_loaded; }

    // The width of a white tile of the released artwork last read (also when its pressed
    // artwork was missing); 0 when none could be read.
    int TileWidth() const { return m_tileWidth; }
    int Height() const { return m_height; }
    // The black keys' x offsets inside one octave (five) and their width; null and 0 while
    // nothing is loaded.
    const int* BlackOffsets() const;
    int BlackWidth() const;
    // White tile i (0-6: C..B), and the black key.
    const QPixmap& Tile(int i, bool pressed) const {
        return pressed ? m_downTiles[i] : m_upTiles[i];
    }
    const QPixmap& Black(bool pressed) const { return pressed ? m_blackDown : m_blackUp; }
    // A piece (0-6: the white tiles C..B, 7: the black key) lit in a colour, its face taking
    // exactly that colour; kept until the artwork changes.
    QPixmap Tinted(int piece, bool pressed, const QColor& colour);
    // The note at absolute x a (pixels from note 0's left edge) and height y.
    int NoteAt(int a, int y) const;

private:
    TKeyArtwork m_source;
    int m_depth = 32;
    bool m_available = true;
    bool m_loaded = false;
    TImageSize m_size = isSmall;
    int m_tileWidth = 0;
    int m_height = 0;
    QPixmap m_upTiles[7], m_downTiles[7];
    QPixmap m_blackUp, m_blackDown;
    std::vector<uint8_t> m_noteMap;
    QHash<quint64, QPixmap> m_tinted;
};
