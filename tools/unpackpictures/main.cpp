// unpackpictures: writes built-in PNG pictures out unpacked, as the game's first paint
// reads them (widgets/unpackedpicture.h): the width and the height as 32-bit
// little-endian numbers, then every pixel as 32 bits, 0xffRRGGBB, little-endian, rows
// from the top. Run by the build.
//
//   unpackpictures OUT_DIR PICTURE.png...     writes OUT_DIR/PICTURE.rgb32 for each

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QtEndian>

#include <cstdio>

namespace {

bool unpack(const QString& png, const QDir& out) {
    const QImage image = QImage(png).convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) return false;
    QByteArray bytes;
    const auto put = [&bytes](quint32 value) {
        const quint32 little = qToLittleEndian(value);
        bytes.append(reinterpret_cast<const char*>(&little), 4);
    };
    put(static_cast<quint32>(image.width()));
    put(static_cast<quint32>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            put(row[x]);
    }
    QSaveFile file(out.filePath(QFileInfo(png).completeBaseName() + ".rgb32"));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return false;
    return file.commit();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: unpackpictures OUT_DIR PICTURE.png...\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) return 1;
    for (int i = 2; i < argc; ++i) {
        if (!unpack(QString::fromLocal8Bit(argv[i]), out)) {
            std::fprintf(stderr, "unpackpictures: cannot unpack %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
