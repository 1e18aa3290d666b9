#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

// A picture of the program's artwork decoded when the program was built.
struct TDecodedArt {
    const char* resource;  // the path the program asks for, ":/keys/UPSMALL.png"
    int width;
    int height;
    int format;  // a QImage::Format of 32 bits a pixel
    const uint32_t* pixels;
};

extern const TDecodedArt kDecodedArt[];
extern const int kDecodedArtCount;

// The program's artwork by its resource path: the pixels decoded at build time where the
// program has them (no work at all: the image points at the program's read-only data, and a
// change makes it a copy of its own), else the resource decoded now.
QImage ArtImage(const QString& resource);
