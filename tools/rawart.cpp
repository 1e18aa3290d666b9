// Decodes artwork at build time: reads PNG files and writes a C++ source file that holds their
// pixels, 32 bits each, in the layout QImage uses. The program then shows that artwork straight
// from its own read-only data, without decoding anything while the window is being made.
//
// Usage: tastra_rawart OUT.cpp RESOURCE=FILE...
//   RESOURCE is the path the program asks for (":/keys/UPSMALL.png"), FILE the PNG to decode.
// The output is written only when it changes, so an unchanged image rebuilds nothing.

#include <QFile>
#include <QImage>
#include <QString>
#include <QTextStream>
#include <cstdio>

namespace {

// The 32-bit layout an image keeps: its own where it has one, else the one that keeps its
// alpha channel, if any.
QImage To32Bits(const QImage& image) {
    switch (image.format()) {
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
        case QImage::Format_ARGB32_Premultiplied:
            return image;
        default:
            return image.convertToFormat(image.hasAlphaChannel()
                                             ? QImage::Format_ARGB32_Premultiplied
                                             : QImage::Format_RGB32);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUT.cpp RESOURCE=FILE...\n", argv[0]);
        return 2;
    }
    QString text;
    QTextStream out(&text);
    out << "// Written by tastra_rawart from the artwork's PNG files; not to be edited.\n"
           "#include <cstdint>\n\n#include \"resources/decodedart.h\"\n\nnamespace {\n";
    QString table;
    QTextStream entries(&table);
    for (int i = 2; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const qsizetype split = arg.indexOf(QLatin1Char('='));
        if (split <= 0) {
            std::fprintf(stderr, "%s: not RESOURCE=FILE: %s\n", argv[0], argv[i]);
            return 2;
        }
        const QString file = arg.mid(split + 1);
        const QImage image = To32Bits(QImage(file));
        if (image.isNull()) {
            std::fprintf(stderr, "%s: cannot read the image %s\n", argv[0], qPrintable(file));
            return 1;
        }
        out << "alignas(16) const uint32_t kPixels" << i << "[] = {";
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if ((y * image.width() + x) % 8 == 0) out << "\n   ";
                out << " 0x" << QString::number(line[x], 16).rightJustified(8, QLatin1Char('0'))
                    << ',';
            }
        }
        out << "\n};\n";
        entries << "    {\"" << arg.left(split) << "\", " << image.width() << ", "
                << image.height() << ", " << int(image.format()) << ", kPixels" << i << "},\n";
    }
    out << "}  // namespace\n\nconst TDecodedArt kDecodedArt[] = {\n"
        << table << "};\nconst int kDecodedArtCount = " << (argc - 2) << ";\n";
    out.flush();

    const QByteArray bytes = text.toUtf8();
    QFile target(QString::fromLocal8Bit(argv[1]));
    if (target.open(QIODevice::ReadOnly) && target.readAll() == bytes) return 0;
    target.close();
    if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        target.write(bytes) != bytes.size() || !target.flush()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
