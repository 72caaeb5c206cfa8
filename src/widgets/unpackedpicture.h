#pragma once
// The built-in pictures the opening screen's first paint shows (the title, the preview
// pieces), read from their unpacked copies: every other built-in picture is a PNG file,
// and the first one decoded also loads every image plug-in Qt has, which is a tenth of
// the work before the first window appears.

#include <QPixmap>
#include <QString>

namespace quorvel {

/// The built-in picture ":/pictures/<stem>.png" (its @2x picture on a screen of more
/// device pixels than pixels), from its unpacked copy; from the PNG file itself when
/// there is no copy or it is damaged.
QPixmap unpackedPicture(const QString& stem);

/// The picture an unpacked copy holds (width and height as 32-bit little-endian
/// numbers, then each pixel as 32 bits, 0xffRRGGBB, little-endian, rows from the top);
/// a null image when the bytes are not exactly such a picture. The image may show the
/// bytes in place, so they must outlive it.
QImage unpackPicture(QByteArrayView bytes);

} // namespace quorvel
