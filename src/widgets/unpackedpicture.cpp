#include "widgets/unpackedpicture.h"

#include <QGuiApplication>
#include <QImage>
#include <QResource>
#include <QtEndian>

#include <utility>

namespace quorvel {

namespace {

constexpr qsizetype headerBytes = 8;
constexpr quint32 largestSide = 8192;

} // namespace

QImage unpackPicture(QByteArrayView bytes) {
    if (bytes.size() < headerBytes) return {};
    const quint32 width = qFromLittleEndian<quint32>(bytes.data());
    const quint32 height = qFromLittleEndian<quint32>(bytes.data() + 4);
    if (width == 0 || height == 0 || width > largestSide || height > largestSide) return {};
    const qsizetype rowBytes = qsizetype(width) * 4;
    if (bytes.size() != headerBytes + rowBytes * height) return {};
    const char* pixels = bytes.data() + headerBytes;
    // Where the bytes are the very pixels the picture needs, it shows them in place:
    // they stay in the program for the whole run.
    if (Q_BYTE_ORDER == Q_LITTLE_ENDIAN && quintptr(pixels) % alignof(quint32) == 0)
        return QImage(reinterpret_cast<const uchar*>(pixels), int(width), int(height), rowBytes,
                      QImage::Format_RGB32);
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull()) return {}; // no memory for it
    for (int y = 0; y < image.height(); ++y, pixels += rowBytes) {
        auto* row = reinterpret_cast<quint32*>(image.scanLine(y));
        for (quint32 x = 0; x < width; ++x)
            row[x] = qFromLittleEndian<quint32>(pixels + 4 * x);
    }
    return image;
}

QPixmap unpackedPicture(const QString& stem) {
    // As Qt picks a picture's @2x file: by the largest ratio of the screens.
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    const QString name = ratio > 1.0 ? stem + QStringLiteral("@2x") : stem;
    const QResource unpacked(QStringLiteral(":/unpacked/") + name + QStringLiteral(".rgb32"));
    if (unpacked.isValid() && unpacked.compressionAlgorithm() == QResource::NoCompression) {
        QImage image = unpackPicture(
            QByteArrayView(reinterpret_cast<const char*>(unpacked.data()), unpacked.size()));
        if (!image.isNull()) {
            QPixmap picture = QPixmap::fromImage(std::move(image));
            picture.setDevicePixelRatio(ratio > 1.0 ? 2.0 : 1.0);
            return picture;
        }
    }
    return QPixmap(QStringLiteral(":/pictures/") + stem + QStringLiteral(".png"));
}

} // namespace quorvel
