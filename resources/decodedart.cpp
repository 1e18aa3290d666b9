#include "resources/decodedart.h"

QImage ArtImage(const QString& resource) {
    for (int i = 0; i < kDecodedArtCount; ++i) {
        const TDecodedArt& art = kDecodedArt[i];
        if (resource != QLatin1String(art.resource)) continue;
        return QImage(reinterpret_cast<const uchar*>(art.pixels), art.width, art.height,
                      art.width * 4, static_cast<QImage::Format>(art.format));
    }
    return QImage(resource);
}
