#include "widgets/storyview.h"

#include <algorithm>

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QTextDocument>
#include <QUrl>

#include "widgets/storyhtml.h"

namespace quorvel {

namespace {

// Decodes a picture when it is small enough and the story's budget allows; a null
// image otherwise. Its size is read from its header first, so a small file that
// unpacks into a huge picture is never unpacked.
QImage decodePicture(const RtfPicture& picture, long long& budget) {
    QByteArray data =
        QByteArray::fromRawData(picture.bytes.data(), static_cast<qsizetype>(picture.bytes.size()));
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&buffer, picture.kind == RtfPictureKind::png ? "png" : "jpeg");
    reader.setDecideFormatFromContent(false);
    const QSize own = reader.size();
    if (own.isEmpty()) return {};
    const long long pixels = static_cast<long long>(own.width()) * own.height();
    if (pixels > rtfMaxPicturePixels || pixels > budget) return {};
    budget -= pixels;
    return reader.read();
}

// The size a picture is shown at: as the text asks, narrowed to the viewer's width
// and kept below the tallest picture shown, its shape kept.
QSize shownSize(const RtfPicture& picture, QSize own, int width) {
    auto [w, h] = rtfPictureSize(picture, own.width(), own.height());
    const double shrink =
        std::min({1.0, double(std::max(1, width)) / w, double(rtfMaxShownHeight) / h});
    return {std::max(1, int(w * shrink + 0.5)), std::max(1, int(h * shrink + 0.5))};
}

} // namespace

void showRtf(QTextDocument* document, std::string_view bytes, int width) {
    RtfDocument rtf = parseRtf(bytes);
    long long budget = rtfMaxStoryPixels;
    std::vector<std::pair<QUrl, QImage>> images;
    for (std::size_t i = 0; i < rtf.pictures.size(); ++i) {
        RtfPicture& picture = rtf.pictures[i];
        QImage image = decodePicture(picture, budget);
        if (image.isNull()) {
            picture.bytes.clear(); // left out of the text
            continue;
        }
        const QSize shown = shownSize(picture, image.size(), width);
        picture.shownWidth = shown.width();
        picture.shownHeight = shown.height();
        if (image.width() > shown.width() || image.height() > shown.height())
            image = image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        images.emplace_back(QUrl(QString::fromStdString(rtfPictureName(i))), std::move(image));
    }
    document->clear();
    for (const auto& [name, image] : images)
        document->addResource(QTextDocument::ImageResource, name, image);
    document->setHtml(QString::fromStdString(rtfToHtml(rtf)));
}

} // namespace quorvel
