#pragma once
// Pictures as a story embeds them: small PNG or JPEG files of one colour, and their
// bytes as the hex digits of \pict data.

#include <string>

#include <QBuffer>
#include <QColor>
#include <QImage>

namespace quorvel::test {

/// A picture file of one colour; type "PNG", "JPEG" or "BMP" (24 bits with RGB888).
inline std::string pictureFile(const char* type, QColor colour, QSize size = {6, 4},
                               QImage::Format format = QImage::Format_RGB32) {
    QImage image(size, format);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, type);
    return bytes.toStdString();
}

/// Bytes as hex digits in lines of 64, as word processors write picture data.
inline std::string hexLines(const std::string& bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 32 == 0)
            out += "\r\n";
        else if (i % 8 == 0)
            out += i % 16 ? " " : "\t"; // blanks between digits, as some writers put them
        out += digits[static_cast<unsigned char>(bytes[i]) >> 4];
        out += digits[static_cast<unsigned char>(bytes[i]) & 15];
    }
    return out;
}

} // namespace quorvel::test
