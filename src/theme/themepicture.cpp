#include "theme/themepicture.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "theme/bmpfile.h"

namespace quorvel {

namespace {

/// Above the largest picture read (maxBmpSide on a side at 32 bits a pixel: 16 MiB), so
/// only a file with more than a picture in it is refused for its size.
constexpr std::size_t maxPictureBytes = 32u << 20;

QImage toImage(const BmpPicture& bmp) {
    QImage image(bmp.width, bmp.height, QImage::Format_RGB888);
    if (image.isNull()) return image;
    const auto rowBytes = static_cast<std::size_t>(bmp.width) * 3;
    for (int y = 0; y < bmp.height; ++y)
        std::copy_n(bmp.rgb.begin() + static_cast<std::ptrdiff_t>(rowBytes * y), rowBytes,
                    image.scanLine(y));
    return image;
}

} // namespace

QImage readThemePicture(const std::string& path, std::string* problem) {
    auto refuse = [problem](std::string_view why) {
        if (problem) *problem = std::string(why);
        return QImage();
    };
    std::string bytes;
    if (const FileRead read = readFile(path, maxPictureBytes, bytes); read != FileRead::ok)
        return refuse(unreadableFileReason(read));
    BmpPicture bmp;
    if (const BmpProblem p = decodeBmp(bytes, bmp); p != BmpProblem::none)
        return refuse(bmpProblemText(p));
    QImage image = toImage(bmp);
    if (image.isNull()) return refuse("too large"); // no memory for it
    if (problem) problem->clear();
    return image;
}

std::optional<std::vector<QImage>> themePictureGroup(const std::string& folder,
                                                     PictureGroup group) {
    if (folder.empty() || !groupFromFolder(folder, group)) return std::nullopt;
    std::vector<QImage> pictures;
    for (const std::string& file : groupFiles(group)) {
        QImage picture = readThemePicture(themeFile(folder, file));
        if (picture.isNull()) return std::nullopt;
        pictures.push_back(std::move(picture));
    }
    return pictures;
}

} // namespace quorvel
