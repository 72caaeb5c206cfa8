#include "view/viewcomposer.h"

#include <QImage>
#include <QString>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "game/host.h"
#include "theme/theme.h"
#include "theme/themepicture.h"
#include "view/builtinpictures.h"

namespace quorvel {

namespace {

constexpr QImage::Format rgb24 = QImage::Format_RGB888;

/// A 24-bit copy of `image` (the same image when it already is one).
QImage as24(const QImage& image) {
    return image.format() == rgb24 ? image : image.convertToFormat(rgb24);
}

/// A built-in picture, decoded once for the whole run (builtinpictures.h).
QImage builtin(const QString& stem) {
    return builtinPicture(stem);
}

/// Fills a picture group all from the theme folder or all built in; true when from
/// the theme. `target` gives each file's working picture and built-in stem. A picture
/// that cannot be read whole leaves the whole group built in.
bool loadGroup(const std::string& folder, PictureGroup group,
               const std::function<QImage*(const QString& stem)>& target) {
    const std::vector<std::string>& files = groupFiles(group);
    const std::optional<std::vector<QImage>> loaded = themePictureGroup(folder, group);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const QString stem = QString::fromStdString(files[i]).chopped(4); // without ".bmp"
        if (QImage* t = target(stem)) *t = loaded ? (*loaded)[i] : builtin(stem);
    }
    return loaded.has_value();
}

QString stripStem(int index) {
    const std::string_view name = stripName(StripPicture::fromIndex(index));
    return QString::fromLatin1(name.data(), static_cast<int>(name.size()));
}

constexpr std::array<const char*, panelPictureCount> panelStems = {
    "food",     "gems",    "charge",   "compass", "gps",  "beacon", "tracker",
    "detector", "message", "critical", "north",   "east", "south",  "west",
};

/// A picture of the scale 1 at twice the resolution, for a theme's pictures, which come
/// only at 1x: opaque ones smoothly, as the screen would scale them; keyed ones pixel by
/// pixel, so every pixel of the key colour stays exactly the key and no blend of the key
/// with the picture appears round its edge.
QImage doubledPicture(const QImage& picture, bool keyed) {
    if (picture.isNull()) return picture;
    QImage big = as24(picture.scaled(picture.size() * 2, Qt::IgnoreAspectRatio,
                                     keyed ? Qt::FastTransformation : Qt::SmoothTransformation));
    big.setDevicePixelRatio(2);
    return big;
}

/// A black frame of the view at a scale.
QImage blankFrame(int scale) {
    QImage frame(viewSize * scale, viewSize * scale, rgb24);
    frame.setDevicePixelRatio(scale);
    frame.fill(Qt::black);
    return frame;
}

/// The pictures of the view that no theme replaces.
constexpr std::array<const char*, 6> fixedStems = {"itemempty", "canleft", "noleft",
                                                   "canright",  "noright", "compassdial"};

} // namespace

/// The working pictures at one scale.
struct ViewComposer::PictureSet {
    std::array<QImage, stripPictureCount> strips;
    std::array<QImage, 3> openBox, closeBox;
    std::array<QImage, 4> exits; ///< one, two and three cells ahead; standing on the exit
    QImage map;
    std::array<QImage, panelPictureCount> panel;
    QImage itemEmpty, canLeft, noLeft, canRight, noRight, compassDial;
};

/// The working pictures at 1x, what composition needs at 2x, and the frames.
struct ViewComposer::Images : PictureSet {
    QImage maze{viewSize, viewSize, rgb24};
    QImage shown{viewSize, viewSize, rgb24};
    QImage compass;
    /// Some strip or exit picture does not cover its place exactly, so each frame starts
    /// from black rather than from what the last frame left.
    bool clearFirst = false;
    ViewSources sources; ///< which groups the working pictures took from the theme
    int scale = 1;
    int compassHeading = -1; ///< the heading last laid over the compass; -1 none
    /// At scale 2: the strips, boxes, exits, wall map, compass headings and dial, and
    /// side arrows at twice the resolution.
    std::unique_ptr<PictureSet> doubled;
};

void preloadBuiltinPictures(double devicePixelRatio) {
    QStringList stems;
    for (const PictureGroup group : {PictureGroup::strips, PictureGroup::boxes, PictureGroup::exits,
                                     PictureGroup::map, PictureGroup::panel})
        for (const std::string& file : groupFiles(group))
            stems << QString::fromStdString(file).chopped(4); // without ".bmp"
    for (const char* stem : fixedStems)
        stems << stem;
    // A screen of more than one device pixel a pixel composes from the @2x pictures.
    if (devicePixelRatio > 1) {
        const QStringList plain = stems;
        for (const QString& stem : plain)
            stems << stem + QStringLiteral("@2x");
    }
    preloadPictures(stems);
}

ViewComposer::ViewComposer() : m_images(std::make_unique<Images>()) {
    m_images->maze.fill(Qt::black);
    m_images->shown.fill(Qt::black);
    m_images->itemEmpty = builtin("itemempty");
    m_images->canLeft = builtin("canleft");
    m_images->noLeft = builtin("noleft");
    m_images->canRight = builtin("canright");
    m_images->noRight = builtin("noright");
    m_images->compassDial = builtin("compassdial");
    loadViewImages(std::string());
}

ViewComposer::~ViewComposer() = default;

ViewSources ViewComposer::loadViewImages(const std::string& themeFolder) {
    Images& im = *m_images;
    std::string folder = themeFolder;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    // Every working picture by its file's stem.
    std::map<QString, QImage*> targets;
    for (int i = 0; i < stripPictureCount; ++i)
        targets[stripStem(i)] = &im.strips[i];
    for (int d = 0; d < 3; ++d) {
        targets["openbox" + QString::number(d + 1)] = &im.openBox[d];
        targets["closebox" + QString::number(d + 1)] = &im.closeBox[d];
    }
    const char* exitStems[4] = {"exita", "exitb", "exitc", "ending"};
    for (int i = 0; i < 4; ++i)
        targets[exitStems[i]] = &im.exits[i];
    targets["map"] = &im.map;
    for (int i = 0; i < panelPictureCount; ++i)
        targets[panelStems[i]] = &im.panel[i];
    const auto target = [&](const QString& stem) -> QImage* {
        const auto it = targets.find(stem);
        return it == targets.end() ? nullptr : it->second;
    };

    ViewSources sources;
    sources.strips = loadGroup(folder, PictureGroup::strips, target);
    sources.boxes = loadGroup(folder, PictureGroup::boxes, target);
    sources.exits = loadGroup(folder, PictureGroup::exits, target);
    sources.map = loadGroup(folder, PictureGroup::map, target);
    sources.panel = loadGroup(folder, PictureGroup::panel, target);
    im.sources = sources;
    im.doubled.reset(); // made again from these pictures when composing at 2x
    if (im.scale > 1) makeDoubled();

    im.clearFirst = false;
    for (int i = 0; i < stripPictureCount; ++i) {
        const QImage& s = im.strips[i];
        if (s.width() != stripWidth(StripPicture::fromIndex(i)) || s.height() != viewSize)
            im.clearFirst = true;
    }
    const int exitWidths[4] = {240, 120, 40, 240};
    for (int i = 0; i < 4; ++i)
        if (im.exits[i].width() != exitWidths[i] || im.exits[i].height() != viewSize)
            im.clearFirst = true;
    resetCompass();
    return sources;
}

void ViewComposer::setDevicePixelRatio(double ratio) {
    Images& im = *m_images;
    const int scale = ratio > 1 ? largestViewScale : 1;
    if (scale == im.scale) return;
    im.scale = scale;
    if (scale > 1 && !im.doubled) makeDoubled();
    im.maze = blankFrame(scale);
    im.shown = blankFrame(scale);
    const int heading = im.compassHeading;
    resetCompass();
    if (heading >= 0) drawCompass(heading);
}

int ViewComposer::scale() const {
    return m_images->scale;
}

const ViewComposer::PictureSet& ViewComposer::pictures() const {
    return m_images->scale > 1 ? *m_images->doubled : *m_images;
}

void ViewComposer::makeDoubled() {
    const Images& im = *m_images;
    auto d = std::make_unique<PictureSet>();
    // Each group wholly as the working pictures have it: from the theme or built in.
    const auto pick = [](bool fromTheme, const QImage& working, const QString& stem, bool keyed) {
        return fromTheme ? doubledPicture(working, keyed) : builtin(stem + QStringLiteral("@2x"));
    };
    const ViewSources& from = im.sources;
    for (int i = 0; i < stripPictureCount; ++i)
        d->strips[i] = pick(from.strips, im.strips[i], stripStem(i), false);
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        d->openBox[i] = pick(from.boxes, im.openBox[i], "openbox" + n, true);
        d->closeBox[i] = pick(from.boxes, im.closeBox[i], "closebox" + n, true);
    }
    const char* exitStems[4] = {"exita", "exitb", "exitc", "ending"};
    for (int i = 0; i < 4; ++i)
        d->exits[i] = pick(from.exits, im.exits[i], exitStems[i], false);
    d->map = pick(from.map, im.map, "map", true);
    // Of the panel pictures only the compass headings are composed here.
    for (int h = 0; h < 4; ++h) {
        const int i = static_cast<int>(PanelPicture::north) + h;
        d->panel[i] = pick(from.panel, im.panel[i], panelStems[i], true);
    }
    d->compassDial = builtin("compassdial@2x");
    d->canLeft = builtin("canleft@2x");
    d->noLeft = builtin("noleft@2x");
    d->canRight = builtin("canright@2x");
    d->noRight = builtin("noright@2x");
    m_images->doubled = std::move(d);
}

void ViewComposer::drawMaze(const ViewPlan& plan) {
    Images& im = *m_images;
    const PictureSet& pics = pictures();
    const int s = im.scale;
    if (im.clearFirst) im.maze.fill(Qt::black);
    const auto strip = [&](int i) {
        opaqueDraw(im.maze, stripX[i] * s, 0, pics.strips[plan.strips[i].index()]);
    };
    switch (plan.viewCase) {
    case ViewCase::normal:
        for (int i = 0; i < 6; ++i)
            strip(i);
        break;
    case ViewCase::exit3:
        opaqueDraw(im.maze, 100 * s, 0, pics.exits[2]);
        for (int i : {0, 1, 4, 5})
            strip(i);
        break;
    case ViewCase::exit2:
        opaqueDraw(im.maze, 60 * s, 0, pics.exits[1]);
        strip(0);
        strip(5);
        break;
    case ViewCase::exit1: opaqueDraw(im.maze, 0, 0, pics.exits[0]); break;
    case ViewCase::onExit:
        // The ending is shown at full light (a battery of 100 % darkens nothing).
        opaqueDraw(im.maze, 0, 0, pics.exits[3]);
        showView();
        break;
    }
}

void ViewComposer::drawWallMap() {
    const int s = m_images->scale;
    transparentDraw(m_images->maze, wallMapX * s, wallMapY * s, pictures().map);
}

void ViewComposer::drawBox(const ViewPlan& plan) {
    static constexpr std::array<std::pair<int, int>, 3> places = {
        {{90, 173}, {101, 134}, {110, 117}}};
    Images& im = *m_images;
    const PictureSet& pics = pictures();
    const int s = im.scale;
    for (int d = 0; d < 3; ++d)
        if (plan.openBox[d])
            transparentDraw(im.maze, places[d].first * s, places[d].second * s, pics.openBox[d]);
    for (int d = 0; d < 3; ++d)
        if (plan.closedBox[d])
            transparentDraw(im.maze, places[d].first * s, places[d].second * s, pics.closeBox[d]);
}

void ViewComposer::darken(int darkness) {
    darkenImage(m_images->maze, darkness);
}

void ViewComposer::showView() {
    Images& im = *m_images;
    // One copy into the shown frame's own buffer (a new one only if someone shares it).
    if (im.shown.size() == im.maze.size() && im.shown.format() == im.maze.format())
        std::memcpy(im.shown.bits(), im.maze.constBits(),
                    static_cast<std::size_t>(im.maze.sizeInBytes()));
    else
        im.shown = im.maze.copy();
}

SidePictures ViewComposer::showSides(const Maze& maze) const {
    SidePictures s;
    s.leftOpen = !isWall(maze.left());
    s.rightOpen = !isWall(maze.right());
    const PictureSet& pics = pictures();
    s.left = s.leftOpen ? &pics.canLeft : &pics.noLeft;
    s.right = s.rightOpen ? &pics.canRight : &pics.noRight;
    return s;
}

void ViewComposer::drawCompass(int heading) {
    const int h = ((heading % 4) + 4) % 4;
    transparentDraw(m_images->compass, 0, 0,
                    pictures().panel[static_cast<int>(PanelPicture::north) + h]);
    m_images->compassHeading = h;
}

void ViewComposer::resetCompass() {
    m_images->compass = pictures().compassDial.copy();
    m_images->compassHeading = -1;
}

const QImage& ViewComposer::mazeImage() const {
    return m_images->maze;
}
const QImage& ViewComposer::shownView() const {
    return m_images->shown;
}
const QImage& ViewComposer::compassImage() const {
    return m_images->compass;
}
const QImage& ViewComposer::strip(StripPicture picture) const {
    return pictures().strips[picture.index()];
}
const QImage& ViewComposer::panelPicture(PanelPicture picture) const {
    return m_images->panel[static_cast<int>(picture)];
}
const QImage& ViewComposer::toolPicture(Tool tool) const {
    switch (tool) {
    case Tool::compass: return panelPicture(PanelPicture::compass);
    case Tool::detector: return panelPicture(PanelPicture::detector);
    case Tool::beacon: return panelPicture(PanelPicture::beacon);
    case Tool::gps: return panelPicture(PanelPicture::gps);
    case Tool::tracker: break;
    }
    return panelPicture(PanelPicture::tracker);
}
const QImage& ViewComposer::itemEmpty() const {
    return m_images->itemEmpty;
}

// ---- drawing primitives ---------------------------------------------------------------

namespace {

/// The rows and columns of a w x h source placed at (x, y) that fall inside the
/// destination; empty when none do.
struct Clip {
    int r0, r1, c0, c1;
    bool empty() const { return r0 >= r1 || c0 >= c1; }
};
Clip clip(const QImage& dst, int x, int y, int w, int h) {
    return {std::max(0, -y), std::min(h, dst.height() - y), std::max(0, -x),
            std::min(w, dst.width() - x)};
}

} // namespace

void opaqueDraw(QImage& destination, int x, int y, const QImage& source) {
    if (source.isNull() || destination.isNull()) return;
    if (destination.format() != rgb24) destination = destination.convertToFormat(rgb24);
    const QImage src = as24(source);
    const Clip k = clip(destination, x, y, src.width(), src.height());
    if (k.empty()) return;
    const std::size_t bytes = static_cast<std::size_t>(k.c1 - k.c0) * 3;
    uchar* d = destination.bits() + (y + k.r0) * destination.bytesPerLine() + (x + k.c0) * 3;
    const uchar* s = src.constBits() + k.r0 * src.bytesPerLine() + k.c0 * 3;
    for (int r = k.r0; r < k.r1; ++r, d += destination.bytesPerLine(), s += src.bytesPerLine())
        std::memcpy(d, s, bytes);
}

void transparentDraw(QImage& destination, int x, int y, const QImage& source) {
    if (source.isNull() || destination.isNull() || source.height() < 1) return;
    if (destination.format() != rgb24) destination = destination.convertToFormat(rgb24);
    const QImage src = as24(source);
    const uchar* key = src.constScanLine(src.height() - 1);
    const uchar k0 = key[0], k1 = key[1], k2 = key[2];
    const Clip k = clip(destination, x, y, src.width(), src.height());
    if (k.empty()) return;
    const qsizetype dstStride = destination.bytesPerLine(), sstride = src.bytesPerLine();
    uchar* drow = destination.bits() + (y + k.r0) * dstStride + (x + k.c0) * 3;
    const uchar* srow = src.constBits() + k.r0 * sstride + k.c0 * 3;
    for (int r = k.r0; r < k.r1; ++r, drow += dstStride, srow += sstride) {
        const uchar* s = srow;
        uchar* d = drow;
        for (int c = k.c0; c < k.c1; ++c, s += 3, d += 3) {
            if (s[0] != k0 || s[1] != k1 || s[2] != k2) {
                d[0] = s[0];
                d[1] = s[1];
                d[2] = s[2];
            }
        }
    }
}

void darkenImage(QImage& image, int darkness) {
    if (darkness <= 0 || image.isNull()) return;
    if (image.format() != rgb24) image = image.convertToFormat(rgb24);
    const uchar d = static_cast<uchar>(std::min(darkness, 255));
    const int bytes = image.width() * 3;
    uchar* row = image.bits();
    for (int r = 0; r < image.height(); ++r, row += image.bytesPerLine()) {
        uchar* p = row;
        int i = 0;
#if defined(__SSE2__)
        // Sixteen colour values at a time, subtracting with a floor of zero.
        const __m128i dd = _mm_set1_epi8(static_cast<char>(d));
        for (; i + 16 <= bytes; i += 16) {
            __m128i* q = reinterpret_cast<__m128i*>(p + i);
            _mm_storeu_si128(q, _mm_subs_epu8(_mm_loadu_si128(q), dd));
        }
#endif
        for (; i < bytes; ++i)
            p[i] = static_cast<uchar>(p[i] > d ? p[i] - d : 0);
    }
}

QImage withoutKey(const QImage& picture) {
    if (picture.isNull()) return {};
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = out.pixel(0, out.height() - 1);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (row[x] == key) row[x] = qRgba(0, 0, 0, 0);
    }
    return out;
}

} // namespace quorvel
