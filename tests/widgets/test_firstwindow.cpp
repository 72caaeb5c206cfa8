// What the first window shows without a decoder or a rich-text document: a caption shown
// as its button shows it, and the pictures read from their unpacked copies.

#include <gtest/gtest.h>

#include <QImage>
#include <QtEndian>

#include "resources/resources.h"
#include "support/testapp.h"
#include "widgets/captionlabel.h"
#include "widgets/unpackedpicture.h"

using namespace quorvel;

namespace {

QFont captionFace() {
    QFont face("Liberation Serif");
    face.setPixelSize(24);
    return face;
}

QImage shown(const QString& caption) {
    CaptionLabel label;
    label.setFont(captionFace());
    label.setGeometry(0, 0, 200, 32);
    label.setCaption(caption);
    return label.grab().toImage();
}

// An unpacked picture's bytes: width, height, then the pixels.
QByteArray unpacked(quint32 width, quint32 height, const QList<quint32>& pixels) {
    QByteArray bytes;
    for (const quint32 value : QList<quint32>{width, height} + pixels) {
        const quint32 little = qToLittleEndian(value);
        bytes.append(reinterpret_cast<const char*>(&little), 4);
    }
    return bytes;
}

} // namespace

TEST(CaptionLabel, ShowsTheMarkedLetterUnderlinedAndReadsWithoutTheMark) {
    test::ensureApp();
    const QImage marked = shown("&Now we're getting there...");
    const QImage plain = shown("Now we're getting there...");
    ASSERT_NE(marked, plain);
    // The "&" takes no room: the letters stand where the plain caption's do, and only the
    // underline under the N differs.
    const QFontMetrics metrics(captionFace());
    const int baseline = (32 - metrics.height()) / 2 + metrics.ascent();
    int firstDifferentRow = -1;
    for (int y = 0; y < marked.height() && firstDifferentRow < 0; ++y)
        for (int x = 0; x < marked.width(); ++x)
            if (marked.pixel(x, y) != plain.pixel(x, y)) {
                firstDifferentRow = y;
                EXPECT_LT(x, 24) << "only under the first letter";
                break;
            }
    EXPECT_GE(firstDifferentRow, baseline) << "below the letters' baseline";
    EXPECT_EQ(captionWords("&Now we're getting there..."), "Now we're getting there...");
    EXPECT_EQ(captionWords("Salt && &Pepper"), "Salt & Pepper");
}

TEST(UnpackedPicture, ReadsExactlyItsOwnFormat) {
    test::ensureApp();
    const QImage two = unpackPicture(unpacked(2, 1, {0xffff0000, 0xff0000ff}));
    ASSERT_EQ(two.size(), QSize(2, 1));
    EXPECT_EQ(two.pixel(0, 0), 0xffff0000);
    EXPECT_EQ(two.pixel(1, 0), 0xff0000ff);
    // Read from bytes that stand one byte off the pixels' alignment, it is the same.
    QByteArray offset = " " + unpacked(2, 1, {0xffff0000, 0xff0000ff});
    EXPECT_EQ(unpackPicture(QByteArrayView(offset).sliced(1)), two);

    for (const QByteArray& bad :
         {QByteArray(), unpacked(2, 1, {}).left(7), unpacked(2, 1, {0xff000000}),
          unpacked(2, 1, {1, 2, 3}), unpacked(0, 1, {}), unpacked(1, 0, {}),
          unpacked(8193, 1, QList<quint32>(8193, 0)), unpacked(0x40000000, 4, {})})
        EXPECT_TRUE(unpackPicture(bad).isNull()) << bad.size();
}

TEST(UnpackedPicture, TheFirstWindowsPicturesAreTheirPngFilesPixelForPixel) {
    test::ensureApp();
    initResources();
    // The last has no unpacked copy: the PNG file itself is read.
    for (const char* stem : {"title", "preview1", "preview2", "preview3", "preview4", "preview5",
                             "preview6", "winner"}) {
        const QImage png(QString(":/pictures/%1.png").arg(stem));
        EXPECT_EQ(unpackedPicture(stem).toImage().convertToFormat(QImage::Format_RGB32),
                  png.convertToFormat(QImage::Format_RGB32))
            << stem;
    }
}
