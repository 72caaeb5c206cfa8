// What the first window shows without a decoder or a rich-text document: a caption shown
// as its button shows it, and the pictures read from their unpacked copies.

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QResource>
#include <QtEndian>
#include <utility>

#include "resources/resources.h"
#include "support/testapp.h"
#include "widgets/captionlabel.h"
#include "widgets/unpackedpicture.h"

using namespace quorvel;

namespace {

// A label of the level line's size and face showing text: the caption label, or a label
// of rich text as the level line used to be.
QImage shown(QLabel& label, const QString& text) {
    QFont face("Liberation Serif");
    face.setPixelSize(24);
    face.setBold(true);
    face.setItalic(true);
    label.setFont(face);
    label.setGeometry(0, 0, 420, 32);
    label.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label.setText(text);
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

TEST(CaptionLabel, ShowsTheCaptionAsALineOfRichTextWithItsLetterUnderlined) {
    test::ensureApp();
    for (const auto& [caption, html] :
         {std::pair{"A &little harder now...", "A <u>l</u>ittle harder now..."},
          std::pair{"&Only for the Strongest...", "<u>O</u>nly for the Strongest..."},
          std::pair{"Salt && &Pepper", "Salt &amp; <u>P</u>epper"},
          std::pair{"No mark", "No mark"}}) {
        CaptionLabel label;
        QLabel rich;
        rich.setTextFormat(Qt::RichText);
        EXPECT_EQ(shown(label, caption), shown(rich, html)) << caption;
    }
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
        // The copies a screen of twice the pixels shows come from a list of their own.
        const QByteArray copy =
            QResource(QString(":/unpacked/%1@2x.rgb32").arg(stem)).uncompressedData();
        if (QString(stem) != "winner") {
            EXPECT_EQ(unpackPicture(copy), QImage(QString(":/pictures/%1@2x.png").arg(stem))
                                               .convertToFormat(QImage::Format_RGB32))
                << stem;
        }
    }
}
