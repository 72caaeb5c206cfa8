// Every built-in picture that is not cut from the corridor model: boxes, the wall
// map, the compass, the item panel, the message indicator, side arrows, end-screen
// pictures, dialog icons, button glyphs, the title and the program icon. One
// palette: warm sandstone and wood, brass, deep slate blue, and signal colours.

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

#include "artgen.h"

namespace artgen {

namespace {

const QColor brass(204, 162, 64), brassDark(112, 80, 28), brassLight(244, 214, 130);
const QColor slate(36, 44, 62), slateLight(88, 100, 126), slateDark(18, 22, 32);
const QColor wood(156, 108, 60), woodDark(92, 60, 30), woodLight(194, 146, 88);
const QColor boxKey(255, 195, 225), mapKey(255, 201, 201);

/// A blank picture of w x h game pixels at `scale`: painters on it draw in game pixels.
QImage blank(int w, int h, int scale, QImage::Format format) {
    QImage img(w * scale, h * scale, format);
    img.setDevicePixelRatio(scale);
    return img;
}

/// An ARGB canvas with antialiasing, to be flattened afterwards.
QImage canvas(int w, int h, int scale) {
    QImage img = blank(w, h, scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

/// Flattens onto a key colour: a pixel is either wholly the picture or wholly the key,
/// so no blended fringe ever carries a trace of the key.
QImage keyed(const QImage& src, const QColor& key) {
    QImage out(src.size(), QImage::Format_RGB888);
    out.setDevicePixelRatio(src.devicePixelRatio());
    const QImage s = src.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            const QRgb p = s.pixel(x, y);
            QColor c = qAlpha(p) >= 128 ? QColor(qRed(p), qGreen(p), qBlue(p)) : key;
            if (qAlpha(p) >= 128 && c == key) c = QColor(key.red() - 1, key.green(), key.blue());
            out.setPixelColor(x, y, c);
        }
    }
    return out;
}

/// Flattens onto an opaque background colour.
QImage flat(const QImage& src, const QColor& background) {
    QImage out(src.size(), QImage::Format_RGB888);
    out.setDevicePixelRatio(src.devicePixelRatio());
    out.fill(background);
    QPainter(&out).drawImage(0, 0, src);
    return out;
}

QColor scaled(const QColor& c, double k) {
    auto q = [k](int v) { return std::clamp(int(std::lround(v * k)), 0, 255); };
    return QColor(q(c.red()), q(c.green()), q(c.blue()));
}

QFont font(const char* family, double px, bool bold = true, bool italic = false) {
    QFont f(family);
    f.setPixelSize(int(px));
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// ---------------------------------------------------------------------------------
// Boxes

/// A wooden crate of an n x n picture whose top left lies at view row `top`: it stands
/// on the floor, seen from eye height, lit like the corridor at its depth.
QImage crate(int n, int top, bool open, int scale) {
    QImage img = canvas(n, n, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double depth = 120.0 / (top + n - 120); // where the floor meets the box's bottom
    const double light = depthLight(depth);
    const QPointF vp(n / 2.0, 120.0 - top); // the vanishing point, on the horizon
    const double x0 = 0.1 * n, x1 = 0.9 * n, bottom = n - 0.5;
    const double ftop = bottom - (open ? 0.5 : 0.6) * n;
    const double t = 0.2;
    auto back = [&](QPointF f) { return f + (vp - f) * t; };
    const QPointF fl(x0, ftop), fr(x1, ftop), bl = back(fl), br = back(fr);
    const double pen = std::max(1.0, n / 40.0);

    // Front face: three planks, frame, a diagonal brace.
    const QRectF front(x0, ftop, x1 - x0, bottom - ftop);
    p.fillRect(front, scaled(wood, light));
    p.setPen(QPen(scaled(woodDark, light), pen * 0.8));
    for (int i = 1; i < 3; ++i) {
        const double y = ftop + (bottom - ftop) * i / 3;
        p.drawLine(QPointF(x0, y), QPointF(x1, y));
    }
    for (int i = 0; i < 3; ++i) { // a little grain in each plank
        const double y = ftop + (bottom - ftop) * (i + 0.5) / 3;
        p.setPen(QPen(scaled(QColor(138, 94, 52), light), pen * 0.5));
        p.drawLine(QPointF(x0 + 0.15 * n, y + 0.02 * n * (i - 1)), QPointF(x1 - 0.2 * n, y));
    }
    const double fw = 0.09 * n;
    p.setPen(Qt::NoPen);
    p.setBrush(scaled(woodLight, light * 0.92));
    p.drawRect(QRectF(x0, ftop, fw, bottom - ftop));
    p.drawRect(QRectF(x1 - fw, ftop, fw, bottom - ftop));
    p.drawRect(QRectF(x0, ftop, x1 - x0, fw * 0.8));
    p.drawRect(QRectF(x0, bottom - fw * 0.8, x1 - x0, fw * 0.8));
    QPolygonF brace;
    brace << QPointF(x0 + fw, bottom - fw * 0.8) << QPointF(x0 + fw * 1.9, bottom - fw * 0.8)
          << QPointF(x1 - fw, ftop + fw * 0.8) << QPointF(x1 - fw * 1.9, ftop + fw * 0.8);
    p.drawPolygon(brace);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(scaled(woodDark, light * 0.8), pen));
    p.drawRect(front);
    // Nail heads at the frame's corners.
    p.setPen(Qt::NoPen);
    p.setBrush(scaled(QColor(70, 70, 76), light));
    for (QPointF c : {QPointF(x0 + fw / 2, ftop + fw / 2), QPointF(x1 - fw / 2, ftop + fw / 2),
                      QPointF(x0 + fw / 2, bottom - fw / 2), QPointF(x1 - fw / 2, bottom - fw / 2)})
        p.drawEllipse(c, pen * 0.7, pen * 0.7);

    // The top: the lid, or the empty inside with the lid leaning at the back.
    QPolygonF top4;
    top4 << fl << fr << br << bl;
    if (!open) {
        p.setBrush(scaled(QColor(184, 134, 80), light));
        p.setPen(QPen(scaled(woodDark, light * 0.8), pen));
        p.drawPolygon(top4);
        p.setPen(QPen(scaled(woodDark, light), pen * 0.6));
        for (int i = 1; i < 3; ++i) {
            const double k = i / 3.0;
            p.drawLine(fl + (fr - fl) * k, bl + (br - bl) * k);
        }
    } else {
        const double lid = std::min(0.28 * n, bl.y() - 1);
        QPolygonF lidpoly;
        lidpoly << bl << br << br + QPointF(0.04 * n, -lid) << bl + QPointF(-0.04 * n, -lid);
        p.setBrush(scaled(QColor(170, 122, 72), light * 0.9));
        p.setPen(QPen(scaled(woodDark, light * 0.8), pen));
        p.drawPolygon(lidpoly);
        p.setBrush(scaled(QColor(40, 27, 16), light));
        p.drawPolygon(top4);
        // The inside of the front wall catches a little light.
        QPolygonF inner;
        const double h = (fl.y() - bl.y()) * 0.55;
        inner << bl << br << br + QPointF(0, h) << bl + QPointF(0, h);
        p.setPen(Qt::NoPen);
        p.setBrush(scaled(QColor(112, 76, 42), light));
        p.drawPolygon(inner);
        p.setPen(QPen(scaled(woodLight, light), pen));
        p.drawLine(fl, fr);
    }
    p.end();
    return keyed(img, boxKey);
}

// ---------------------------------------------------------------------------------
// Small helpers for icons

void bevelPanel(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(r);
    p.setPen(QPen(slateLight, 1));
    p.drawLine(r.topLeft() + QPointF(0.5, 0.5), r.topRight() + QPointF(-0.5, 0.5));
    p.drawLine(r.topLeft() + QPointF(0.5, 0.5), r.bottomLeft() + QPointF(0.5, -0.5));
    p.setPen(QPen(slateDark, 1));
    p.drawLine(r.bottomLeft() + QPointF(0.5, -0.5), r.bottomRight() + QPointF(-0.5, -0.5));
    p.drawLine(r.topRight() + QPointF(-0.5, 0.5), r.bottomRight() + QPointF(-0.5, -0.5));
}

/// The 37 x 36 item tile every panel picture is drawn on.
QImage tile(int scale) {
    QImage img = blank(37, 36, scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(slate);
    QPainter p(&img);
    bevelPanel(p, QRectF(0, 0, 37, 36), QColor(62, 72, 94), QColor(34, 40, 56));
    return img;
}

void compassRose(QPainter& p, QPointF c, double r, double angle, bool needle) {
    QRadialGradient ring(c - QPointF(r * 0.3, r * 0.3), r * 1.3);
    ring.setColorAt(0, brassLight);
    ring.setColorAt(1, brassDark);
    p.setPen(QPen(brassDark, std::max(1.0, r / 14)));
    p.setBrush(ring);
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(238, 230, 208));
    p.setPen(QPen(QColor(150, 120, 60), std::max(0.8, r / 24)));
    p.drawEllipse(c, r * 0.8, r * 0.8);
    p.setPen(QPen(QColor(70, 60, 50), std::max(0.8, r / 26)));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        const double in = (i % 3 == 0) ? 0.58 : 0.68;
        p.drawLine(c + QPointF(std::sin(a), -std::cos(a)) * r * in,
                   c + QPointF(std::sin(a), -std::cos(a)) * r * 0.78);
    }
    if (!needle) return;
    const double a = angle * M_PI / 180;
    const QPointF dir(std::sin(a), -std::cos(a)), side(std::cos(a), std::sin(a));
    QPolygonF north, south;
    north << c + dir * r * 0.66 << c + side * r * 0.13 << c - side * r * 0.13;
    south << c - dir * r * 0.66 << c + side * r * 0.13 << c - side * r * 0.13;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(206, 40, 32));
    p.drawPolygon(north);
    p.setBrush(QColor(52, 56, 70));
    p.drawPolygon(south);
    p.setBrush(brass);
    p.drawEllipse(c, r * 0.1, r * 0.1);
}

void text(QPainter& p, const QRectF& r, const QString& s, const QFont& f, const QColor& c,
          int align = Qt::AlignCenter) {
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, align, s);
}

} // namespace

void drawBoxes(Pictures& out, int scale) {
    const int sizes[3] = {60, 40, 20}, tops[3] = {173, 134, 117};
    for (int i = 0; i < 3; ++i) {
        out.push_back({QString("closebox%1").arg(i + 1), crate(sizes[i], tops[i], false, scale)});
        out.push_back({QString("openbox%1").arg(i + 1), crate(sizes[i], tops[i], true, scale)});
    }
}

void drawWallMap(Pictures& out, int scale) {
    QImage img = canvas(160, 100, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Cord and nail.
    p.setPen(QPen(QColor(70, 52, 34), 1.4));
    p.drawLine(QPointF(80, 4), QPointF(30, 15));
    p.drawLine(QPointF(80, 4), QPointF(130, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 66));
    p.drawEllipse(QPointF(80, 4), 2.6, 2.6);
    // Frame.
    const QRectF frame(10, 13, 140, 84);
    QLinearGradient fg(frame.topLeft(), frame.bottomRight());
    fg.setColorAt(0, QColor(150, 98, 50));
    fg.setColorAt(1, QColor(88, 54, 26));
    p.setBrush(fg);
    p.setPen(QPen(QColor(54, 32, 14), 1.2));
    p.drawRect(frame);
    const QRectF paper = frame.adjusted(7, 7, -7, -7);
    p.setPen(QPen(QColor(194, 150, 90), 1));
    p.drawRect(paper.adjusted(-2, -2, 2, 2));
    QLinearGradient pg(paper.topLeft(), paper.bottomRight());
    pg.setColorAt(0, QColor(238, 222, 180));
    pg.setColorAt(1, QColor(214, 190, 140));
    p.setBrush(pg);
    p.setPen(Qt::NoPen);
    p.drawRect(paper);
    // A maze plan: a fixed-seed depth-first maze of 14 x 8 cells.
    constexpr int cw = 14, ch = 8;
    std::array<std::array<int, cw>, ch> walls{}; // bit 1 east wall open, bit 2 south open
    std::array<std::array<bool, cw>, ch> seen{};
    std::vector<std::pair<int, int>> stack = {{0, 0}};
    seen[0][0] = true;
    std::uint32_t draw = 0;
    while (!stack.empty()) {
        auto [r, c] = stack.back();
        std::vector<int> options;
        if (c + 1 < cw && !seen[r][c + 1]) options.push_back(0);
        if (r + 1 < ch && !seen[r + 1][c]) options.push_back(1);
        if (c > 0 && !seen[r][c - 1]) options.push_back(2);
        if (r > 0 && !seen[r - 1][c]) options.push_back(3);
        if (options.empty()) {
            stack.pop_back();
            continue;
        }
        const int o = options[hash3(r, c, int(draw++), 77) % options.size()];
        int nr = r, nc = c;
        if (o == 0) walls[r][c] |= 1, nc++;
        if (o == 1) walls[r][c] |= 2, nr++;
        if (o == 2) nc--, walls[r][nc] |= 1;
        if (o == 3) nr--, walls[nr][c] |= 2;
        seen[nr][nc] = true;
        stack.push_back({nr, nc});
    }
    const double cx = (paper.width() - 4) / cw, cy = (paper.height() - 4) / ch;
    const QPointF o0 = paper.topLeft() + QPointF(2, 2);
    p.setPen(QPen(QColor(92, 58, 30), 1.3, Qt::SolidLine, Qt::SquareCap));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(o0, QSizeF(cw * cx, ch * cy)));
    for (int r = 0; r < ch; ++r) {
        for (int c = 0; c < cw; ++c) {
            const QPointF a = o0 + QPointF(c * cx, r * cy);
            if (!(walls[r][c] & 1) && c + 1 < cw)
                p.drawLine(a + QPointF(cx, 0), a + QPointF(cx, cy));
            if (!(walls[r][c] & 2) && r + 1 < ch)
                p.drawLine(a + QPointF(0, cy), a + QPointF(cx, cy));
        }
    }
    // The exit, marked in red on the right edge.
    p.setPen(QPen(QColor(200, 30, 24), 2));
    const QPointF ex = o0 + QPointF(cw * cx, 4.5 * cy);
    p.drawLine(ex + QPointF(-3, -3), ex + QPointF(3, 3));
    p.drawLine(ex + QPointF(-3, 3), ex + QPointF(3, -3));
    p.end();
    out.push_back({"map", keyed(img, mapKey)});
}

namespace {

QPainterPath compassSilhouette() {
    QPainterPath s;
    s.addEllipse(QPointF(36, 37), 34, 34);
    s.addRect(QRectF(29, 66, 14, 20));
    s.addRoundedRect(QRectF(5, 82, 62, 62), 9, 9);
    return s.simplified();
}

/// The compass indicator: the design picture (heading < 0) or one heading 0..3.
QImage compassPicture(int heading, int scale) {
    QImage img = canvas(72, 148, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(0, 0, 72, 148);
    body.setColorAt(0, brassLight);
    body.setColorAt(0.5, brass);
    body.setColorAt(1, brassDark);
    p.setPen(QPen(QColor(80, 56, 20), 1.5));
    p.setBrush(body);
    p.drawPath(compassSilhouette());
    compassRose(p, QPointF(36, 37), 30, -90.0 * heading, heading >= 0);
    const QRectF plate(12, 89, 48, 48);
    p.setPen(QPen(brassDark, 1.5));
    p.setBrush(QColor(26, 34, 60));
    p.drawRoundedRect(plate, 5, 5);
    if (heading >= 0) {
        static const char* letters[4] = {"N", "E", "S", "W"};
        text(p, plate.translated(1.5, 1.5), letters[heading], font("Liberation Serif", 40),
             QColor(8, 10, 20));
        text(p, plate, letters[heading], font("Liberation Serif", 40), QColor(246, 206, 90));
    }
    p.end();
    return keyed(img, Qt::white);
}

} // namespace

void drawCompass(Pictures& out, int scale) {
    out.push_back({"compassdial", compassPicture(-1, scale)});
    static const char* names[4] = {"north", "east", "south", "west"};
    for (int h = 0; h < 4; ++h)
        out.push_back({names[h], compassPicture(h, scale)});
}

namespace {

using Painter = void (*)(QPainter&);

QImage panelTile(Painter draw, int scale) {
    QImage img = tile(scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    return img.convertToFormat(QImage::Format_RGB888);
}

void paintCompass(QPainter& p) {
    compassRose(p, QPointF(18.5, 18), 14, 35, true);
}

void paintGps(QPainter& p) {
    p.setPen(QPen(QColor(20, 20, 24), 1));
    p.setBrush(QColor(230, 190, 40));
    p.drawRoundedRect(QRectF(10, 7, 17, 25), 3, 3);
    p.setBrush(QColor(40, 40, 44));
    p.drawRect(QRectF(21, 2, 3, 6));
    p.setBrush(QColor(120, 200, 120));
    p.drawRect(QRectF(12.5, 10, 12, 11));
    p.setPen(QPen(QColor(30, 90, 40), 0.8));
    p.drawLine(QPointF(18.5, 10), QPointF(18.5, 21));
    p.drawLine(QPointF(12.5, 15.5), QPointF(24.5, 15.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 30, 30));
    p.drawEllipse(QPointF(20.5, 13.5), 1.6, 1.6);
    p.setBrush(QColor(60, 60, 64));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(14 + i * 4.5, 26.5), 1.4, 1.4);
}

void paintBeacon(QPainter& p) {
    p.setPen(QPen(QColor(255, 220, 90, 200), 1.2));
    for (int i = 0; i < 7; ++i) {
        const double a = (-60 + i * 20) * M_PI / 180;
        p.drawLine(QPointF(18.5, 11) + QPointF(std::sin(a), -std::cos(a)) * 7,
                   QPointF(18.5, 11) + QPointF(std::sin(a), -std::cos(a)) * 10.5);
    }
    QRadialGradient glow(QPointF(18.5, 11), 6);
    glow.setColorAt(0, QColor(255, 250, 200));
    glow.setColorAt(1, QColor(255, 170, 30));
    p.setPen(QPen(QColor(90, 60, 10), 0.8));
    p.setBrush(glow);
    p.drawEllipse(QPointF(18.5, 11), 4.5, 4.5);
    QPolygonF post;
    post << QPointF(15, 15) << QPointF(22, 15) << QPointF(24, 31) << QPointF(13, 31);
    p.setBrush(QColor(200, 40, 36));
    p.drawPolygon(post);
    p.setBrush(QColor(240, 240, 236));
    p.drawRect(QRectF(14.2, 21, 8.6, 3.5));
}

void paintTracker(QPainter& p) {
    p.setPen(Qt::NoPen);
    const QPointF steps[5] = {{8, 29}, {14, 24}, {13, 17}, {20, 13}, {26, 7}};
    for (int i = 0; i < 5; ++i) {
        const double k = 0.45 + 0.55 * i / 4;
        p.setBrush(QColor(int(110 + 140 * k), int(200 * k + 40), int(90 * k + 40)));
        p.drawEllipse(steps[i], 2.6, 3.4);
        p.drawEllipse(steps[i] + QPointF(0, -4.3), 1.3, 1.3);
    }
    p.setPen(QPen(QColor(250, 230, 120), 1.6));
    p.drawLine(QPointF(26, 7), QPointF(31, 3));
}

void paintDetector(QPainter& p) {
    const QPointF c(18.5, 18);
    QRadialGradient g(c, 14);
    g.setColorAt(0, QColor(20, 90, 40));
    g.setColorAt(1, QColor(6, 40, 18));
    p.setPen(QPen(QColor(110, 120, 130), 1.5));
    p.setBrush(g);
    p.drawEllipse(c, 14, 14);
    p.setPen(QPen(QColor(60, 200, 100, 160), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 9, 9);
    p.drawEllipse(c, 4.5, 4.5);
    QPainterPath sweep;
    sweep.moveTo(c);
    sweep.arcTo(QRectF(c - QPointF(13, 13), QSizeF(26, 26)), 20, 50);
    sweep.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 255, 150, 110));
    p.drawPath(sweep);
    p.setBrush(QColor(255, 230, 90));
    p.drawEllipse(QPointF(24, 12), 1.8, 1.8);
    p.drawEllipse(QPointF(12, 22), 1.5, 1.5);
}

void paintEmpty(QPainter& p) {
    p.setPen(QPen(QColor(86, 98, 122), 1, Qt::DashLine));
    p.setBrush(QColor(30, 36, 50));
    p.drawRoundedRect(QRectF(6.5, 6.5, 24, 23), 3, 3);
}

void paintFood(QPainter& p) {
    QLinearGradient bread(8, 12, 8, 30);
    bread.setColorAt(0, QColor(222, 160, 80));
    bread.setColorAt(1, QColor(150, 90, 36));
    p.setPen(QPen(QColor(96, 56, 20), 1));
    p.setBrush(bread);
    p.drawRoundedRect(QRectF(4, 14, 22, 15), 7, 7);
    p.setPen(QPen(QColor(110, 66, 26), 1.2));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(9 + i * 5, 17), QPointF(12 + i * 5, 21));
    QRadialGradient apple(QPointF(25, 21), 8);
    apple.setColorAt(0, QColor(250, 90, 70));
    apple.setColorAt(1, QColor(150, 20, 20));
    p.setPen(QPen(QColor(90, 10, 10), 0.8));
    p.setBrush(apple);
    p.drawEllipse(QPointF(27, 23), 6.5, 6.5);
    p.setPen(QPen(QColor(90, 60, 20), 1.2));
    p.drawLine(QPointF(27, 17), QPointF(28, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 160, 60));
    p.drawEllipse(QPointF(30.5, 14), 2.5, 1.3);
}

void gem(QPainter& p, QPointF c, double r, const QColor& colour) {
    QPolygonF outline;
    outline << c + QPointF(-r, -r * 0.35) << c + QPointF(-r * 0.5, -r * 0.8)
            << c + QPointF(r * 0.5, -r * 0.8) << c + QPointF(r, -r * 0.35) << c + QPointF(0, r);
    p.setPen(QPen(scaled(colour, 0.4), 0.8));
    p.setBrush(colour);
    p.drawPolygon(outline);
    QPolygonF facet;
    facet << c + QPointF(-r * 0.5, -r * 0.8) << c + QPointF(r * 0.1, -r * 0.8)
          << c + QPointF(-r * 0.2, -r * 0.35) << c + QPointF(-r, -r * 0.35);
    p.setPen(Qt::NoPen);
    p.setBrush(scaled(colour, 1.5));
    p.drawPolygon(facet);
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawEllipse(c + QPointF(-r * 0.35, -r * 0.55), r * 0.14, r * 0.14);
}

void paintGems(QPainter& p) {
    gem(p, QPointF(11, 24), 7, QColor(40, 110, 220));
    gem(p, QPointF(26, 25), 6, QColor(30, 170, 80));
    gem(p, QPointF(19, 13), 7.5, QColor(210, 30, 50));
}

void paintCharge(QPainter& p) {
    QLinearGradient body(7, 0, 30, 0);
    body.setColorAt(0, QColor(40, 44, 52));
    body.setColorAt(0.4, QColor(110, 116, 130));
    body.setColorAt(1, QColor(30, 32, 40));
    p.setPen(QPen(QColor(12, 12, 16), 1));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(10, 7, 17, 25), 2.5, 2.5);
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(15, 4, 7, 3));
    QPolygonF bolt;
    bolt << QPointF(20.5, 9) << QPointF(13.5, 21) << QPointF(18, 21) << QPointF(16, 30)
         << QPointF(23.5, 17) << QPointF(19, 17);
    p.setPen(QPen(QColor(120, 80, 0), 0.8));
    p.setBrush(QColor(255, 214, 40));
    p.drawPolygon(bolt);
}

QImage indicator(bool critical, int scale) {
    QImage img = blank(97, 49, scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(slateDark);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    bevelPanel(p, QRectF(0, 0, 97, 49), QColor(50, 58, 78), QColor(22, 26, 38));
    const QColor lamp = critical ? QColor(236, 48, 36) : QColor(250, 196, 54);
    QRadialGradient g(QPointF(20, 22), 16);
    g.setColorAt(0, scaled(lamp, 1.3));
    g.setColorAt(0.6, lamp);
    g.setColorAt(1, scaled(lamp, 0.35));
    p.setPen(QPen(QColor(10, 10, 14), 1));
    p.setBrush(g);
    if (critical) {
        QPolygonF tri;
        tri << QPointF(20, 7) << QPointF(35, 35) << QPointF(5, 35);
        p.drawPolygon(tri);
        text(p, QRectF(5, 12, 30, 24), "!", font("Liberation Sans", 20), QColor(30, 6, 4));
    } else {
        p.drawRoundedRect(QRectF(6, 12, 28, 20), 2, 2);
        p.setPen(QPen(scaled(lamp, 0.35), 1.4));
        p.drawLine(QPointF(7, 13), QPointF(20, 24));
        p.drawLine(QPointF(33, 13), QPointF(20, 24));
    }
    const QFont f = font("Liberation Sans", critical ? 12 : 13);
    text(p, QRectF(38, 8, 57, 18), critical ? "CRITICAL" : "NEW", f, scaled(lamp, 1.15));
    text(p, QRectF(38, 24, 57, 16), critical ? "READ NOW" : "MESSAGE", font("Liberation Sans", 10),
         QColor(214, 220, 232));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        p.setBrush(i < (critical ? 5 : 3) ? lamp : QColor(60, 66, 84));
        p.drawRoundedRect(QRectF(42 + i * 10, 41, 8, 4), 1, 1);
    }
    p.end();
    return img.convertToFormat(QImage::Format_RGB888);
}

} // namespace

void drawPanel(Pictures& out, int scale) {
    const std::pair<const char*, Painter> tiles[] = {
        {"compass", paintCompass}, {"gps", paintGps},           {"beacon", paintBeacon},
        {"tracker", paintTracker}, {"detector", paintDetector}, {"itemempty", paintEmpty},
        {"food", paintFood},       {"gems", paintGems},         {"charge", paintCharge},
    };
    for (const auto& [name, draw] : tiles)
        out.push_back({name, panelTile(draw, scale)});
}

void drawIndicators(Pictures& out, int scale) {
    out.push_back({"message", indicator(false, scale)});
    out.push_back({"critical", indicator(true, scale)});
}

void drawSideArrows(Pictures& out, int scale) {
    // Sixteen-colour pictures: flat colours of the classic palette, no blending.
    const QColor black(0, 0, 0), green(0, 255, 0), darkgreen(0, 128, 0), grey(128, 128, 128),
        silver(192, 192, 192), maroon(128, 0, 0);
    auto arrow = [&](bool left) {
        QImage img(16, 16, QImage::Format_RGB888);
        img.fill(black);
        QPainter p(&img);
        QPolygon a;
        a << QPoint(2, 8) << QPoint(8, 2) << QPoint(8, 5) << QPoint(13, 5) << QPoint(13, 11)
          << QPoint(8, 11) << QPoint(8, 14);
        if (!left) a = QTransform(-1, 0, 0, 1, 15, 0).map(a);
        p.setPen(darkgreen);
        p.setBrush(green);
        p.drawPolygon(a);
        return img;
    };
    auto wall = [&](bool left) {
        QImage img(16, 16, QImage::Format_RGB888);
        img.fill(black);
        QPainter p(&img);
        const int x = left ? 2 : 6;
        p.fillRect(QRect(x, 1, 8, 14), grey);
        p.setPen(silver);
        for (int y = 4; y < 15; y += 4)
            p.drawLine(x, y, x + 7, y);
        for (int y = 1, r = 0; y < 15; y += 4, ++r)
            p.drawLine(x + (r % 2 ? 2 : 5), y, x + (r % 2 ? 2 : 5), y + 2);
        p.setPen(maroon);
        p.drawRect(QRect(x, 1, 7, 13));
        return img;
    };
    // Drawn pixel by pixel, so at a larger scale each pixel becomes a square of pixels:
    // the same flat colours, just as crisp.
    const auto at = [scale](const QImage& img) {
        if (scale == 1) return img;
        QImage big = img.scaled(img.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        big.setDevicePixelRatio(scale);
        return big;
    };
    out.push_back({"canleft", at(arrow(true))});
    out.push_back({"canright", at(arrow(false))});
    out.push_back({"noleft", at(wall(true))});
    out.push_back({"noright", at(wall(false))});
    QImage back(40, 16, QImage::Format_RGB888);
    back.fill(QColor(128, 128, 128));
    {
        QPainter p(&back);
        p.fillRect(QRect(1, 1, 38, 14), black);
        p.setPen(QColor(255, 255, 255));
        p.drawLine(0, 15, 39, 15);
        p.drawLine(39, 0, 39, 15);
    }
    out.push_back({"sidebackdrop", at(back)});
}

namespace {

QImage endPicture(int which, int scale) {
    QImage img = canvas(105, 105, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, 105, 105);
    QRadialGradient bg(QPointF(52, 46), 70);
    if (which == 0) {
        bg.setColorAt(0, QColor(255, 240, 170));
        bg.setColorAt(1, QColor(214, 120, 30));
    } else if (which == 1) {
        bg.setColorAt(0, QColor(70, 74, 96));
        bg.setColorAt(1, QColor(16, 18, 30));
    } else {
        bg.setColorAt(0, QColor(110, 140, 190));
        bg.setColorAt(1, QColor(30, 44, 80));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRoundedRect(all.adjusted(1, 1, -1, -1), 10, 10);
    if (which == 0) { // won: a trophy in the sun
        p.setBrush(QColor(255, 255, 230, 90));
        for (int i = 0; i < 12; ++i) {
            QPolygonF ray;
            const double a = i * M_PI / 6, w = 0.12;
            ray << QPointF(52, 46) << QPointF(52 + 80 * std::cos(a - w), 46 + 80 * std::sin(a - w))
                << QPointF(52 + 80 * std::cos(a + w), 46 + 80 * std::sin(a + w));
            p.drawPolygon(ray);
        }
        QLinearGradient gold(30, 0, 75, 0);
        gold.setColorAt(0, QColor(150, 100, 10));
        gold.setColorAt(0.35, QColor(255, 226, 110));
        gold.setColorAt(1, QColor(170, 110, 10));
        p.setBrush(gold);
        p.setPen(QPen(QColor(110, 70, 0), 1.5));
        QPainterPath cup;
        cup.moveTo(30, 22);
        cup.lineTo(75, 22);
        cup.cubicTo(75, 50, 64, 60, 56, 62);
        cup.lineTo(56, 72);
        cup.lineTo(66, 80);
        cup.lineTo(39, 80);
        cup.lineTo(49, 72);
        cup.lineTo(49, 62);
        cup.cubicTo(41, 60, 30, 50, 30, 22);
        p.drawPath(cup);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(170, 118, 20), 4));
        p.drawArc(QRectF(18, 26, 16, 20), 90 * 16, 180 * 16);
        p.drawArc(QRectF(71, 26, 16, 20), -90 * 16, 180 * 16);
        p.setPen(QPen(QColor(110, 70, 0), 1.5));
        p.setBrush(QColor(90, 50, 20));
        p.drawRect(QRectF(34, 80, 37, 10));
        // The cup's face, x 30..75 and y 26..52, stays plain: the end screen writes the
        // rank reached there.
    } else if (which == 1) { // lost: an empty plate and a flashlight gone dark
        p.setBrush(QColor(200, 204, 214));
        p.setPen(QPen(QColor(90, 94, 110), 1.5));
        p.drawEllipse(QRectF(18, 52, 70, 28));
        p.setBrush(QColor(170, 174, 188));
        p.drawEllipse(QRectF(31, 58, 44, 16));
        p.setPen(QPen(QColor(150, 150, 160), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 50), QPointF(14, 84));
        p.drawLine(QPointF(93, 50), QPointF(91, 84));
        p.save();
        p.translate(52, 30);
        p.rotate(-18);
        p.setPen(QPen(QColor(10, 10, 14), 1.2));
        p.setBrush(QColor(70, 74, 86));
        p.drawRoundedRect(QRectF(-24, -6, 34, 12), 3, 3);
        p.setBrush(QColor(96, 100, 114));
        QPolygonF head;
        head << QPointF(10, -6) << QPointF(22, -10) << QPointF(22, 10) << QPointF(10, 6);
        p.drawPolygon(head);
        p.setBrush(QColor(40, 42, 50));
        p.drawEllipse(QRectF(19, -9, 5, 18));
        p.restore();
        text(p, QRectF(0, 82, 105, 20), "OUT OF FOOD", font("Liberation Sans", 11),
             QColor(230, 120, 110));
    } else { // quit: a door left ajar and an arrow out
        p.setBrush(QColor(40, 30, 22));
        p.setPen(QPen(QColor(20, 14, 8), 1.5));
        p.drawRect(QRectF(30, 18, 40, 70));
        QPolygonF door;
        door << QPointF(30, 18) << QPointF(52, 24) << QPointF(52, 94) << QPointF(30, 88);
        p.setBrush(QColor(156, 104, 56));
        p.drawPolygon(door);
        p.setBrush(QColor(230, 190, 80));
        p.drawEllipse(QPointF(47, 58), 2.2, 2.2);
        QPolygonF arrow;
        arrow << QPointF(58, 48) << QPointF(78, 48) << QPointF(78, 40) << QPointF(96, 55)
              << QPointF(78, 70) << QPointF(78, 62) << QPointF(58, 62);
        p.setBrush(QColor(250, 210, 70));
        p.setPen(QPen(QColor(120, 80, 0), 1.2));
        p.drawPolygon(arrow);
        p.setBrush(QColor(40, 80, 160));
        p.setPen(QPen(QColor(10, 20, 50), 1));
        p.drawRect(QRectF(8, 70, 22, 22));
        p.setBrush(QColor(210, 214, 224));
        p.drawRect(QRectF(12, 70, 14, 8));
        p.setBrush(QColor(240, 240, 244));
        p.drawRect(QRectF(12, 83, 14, 9));
    }
    p.end();
    return flat(img, QColor(236, 233, 216));
}

QImage dialogIcon(int which, int scale) {
    QImage img = canvas(48, 48, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont f = font("Liberation Serif", 32);
    if (which == 0) { // warning
        QPolygonF tri;
        tri << QPointF(24, 3) << QPointF(46, 43) << QPointF(2, 43);
        QLinearGradient g(0, 3, 0, 43);
        g.setColorAt(0, QColor(255, 230, 90));
        g.setColorAt(1, QColor(236, 170, 20));
        p.setPen(QPen(QColor(120, 80, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(g);
        p.drawPolygon(tri);
        text(p, QRectF(0, 12, 48, 32), "!", font("Liberation Sans", 28), QColor(30, 20, 0));
        p.end();
        return img;
    }
    const QColor colours[4] = {{}, QColor(210, 36, 30), QColor(40, 100, 200), QColor(40, 130, 90)};
    QRadialGradient g(QPointF(18, 16), 30);
    g.setColorAt(0, scaled(colours[which], 1.35));
    g.setColorAt(1, scaled(colours[which], 0.75));
    p.setPen(QPen(scaled(colours[which], 0.45), 2));
    p.setBrush(g);
    p.drawEllipse(QPointF(24, 24), 21, 21);
    if (which == 1) {
        p.setPen(QPen(Qt::white, 5.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 16), QPointF(32, 32));
        p.drawLine(QPointF(32, 16), QPointF(16, 32));
    } else {
        text(p, QRectF(0, 2, 48, 44), which == 2 ? "i" : "?", f, Qt::white);
    }
    p.end();
    return img;
}

QImage glyph(int which, int scale) {
    QImage img = canvas(18, 18, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case 0: // yes
        p.setPen(QPen(QColor(20, 150, 40), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(3, 9), QPointF(7.5, 14), QPointF(15, 3.5)}));
        break;
    case 1: // no
        p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(14, 14));
        p.drawLine(QPointF(14, 4), QPointF(4, 14));
        break;
    case 2: // cancel
        p.setPen(QPen(QColor(200, 30, 30), 2.2));
        p.drawEllipse(QPointF(9, 9), 6.5, 6.5);
        p.drawLine(QPointF(4.5, 13.5), QPointF(13.5, 4.5));
        break;
    case 3: // close: a door
        p.setPen(QPen(QColor(60, 40, 20), 1.2));
        p.setBrush(QColor(170, 116, 62));
        p.drawRect(QRectF(4, 2, 10, 14));
        p.setBrush(QColor(240, 200, 80));
        p.drawEllipse(QPointF(11.5, 9.5), 1.2, 1.2);
        break;
    default: // statistics: three bars
        p.setPen(QPen(QColor(20, 30, 60), 1));
        p.setBrush(QColor(60, 110, 210));
        p.drawRect(QRectF(2.5, 9.5, 3.5, 6));
        p.setBrush(QColor(40, 170, 90));
        p.drawRect(QRectF(7.5, 4.5, 3.5, 11));
        p.setBrush(QColor(230, 170, 30));
        p.drawRect(QRectF(12.5, 7.5, 3.5, 8));
        break;
    }
    p.end();
    return img;
}

} // namespace

void drawEndScreen(Pictures& out, int scale) {
    out.push_back({"winner", endPicture(0, scale)});
    out.push_back({"loser", endPicture(1, scale)});
    out.push_back({"quit", endPicture(2, scale)});
}

void drawDialog(Pictures& out, int scale) {
    out.push_back({"iconwarning", dialogIcon(0, scale)});
    out.push_back({"iconerror", dialogIcon(1, scale)});
    out.push_back({"iconinfo", dialogIcon(2, scale)});
    out.push_back({"iconquestion", dialogIcon(3, scale)});
    out.push_back({"glyphyes", glyph(0, scale)});
    out.push_back({"glyphno", glyph(1, scale)});
    out.push_back({"glyphcancel", glyph(2, scale)});
    out.push_back({"glyphclose", glyph(3, scale)});
    out.push_back({"glyphstats", glyph(4, scale)});
}

void drawTitle(Pictures& out, int scale) {
    QImage img = blank(300, 100, scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(slateDark);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, 100);
    bg.setColorAt(0, QColor(40, 48, 68));
    bg.setColorAt(1, QColor(14, 16, 26));
    p.fillRect(QRect(0, 0, 300, 100), bg);
    const QImage view = drawCorridorIcon(84, scale);
    p.drawImage(8, 8, view);
    p.setPen(QPen(brass, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(7, 7, 86, 86));
    const QFont big = font("Liberation Serif", 40, true, true);
    for (int d = 4; d > 0; --d)
        text(p, QRectF(102 + d, 6 + d, 196, 50), "Quorvel", big,
             scaled(brassDark, 0.5 + 0.1 * (4 - d)), Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(102, 6, 196, 50), "Quorvel", big, brassLight, Qt::AlignLeft | Qt::AlignVCenter);
    const QFont three = font("Liberation Sans", 28, true, true);
    text(p, QRectF(244, 52, 54, 34), "3-D", three, QColor(90, 10, 6),
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(242, 50, 54, 34), "3-D", three, QColor(236, 64, 44),
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(104, 60, 140, 20), "A random 3-D maze",
         font("Liberation Serif", 13, false, true), QColor(200, 206, 220),
         Qt::AlignLeft | Qt::AlignVCenter);
    p.end();
    out.push_back({"title", img.convertToFormat(QImage::Format_RGB888)});
}

void drawIcons(Pictures& out, int scale) {
    const QImage view = drawCorridorIcon(256, scale);
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage img = canvas(size, size, scale);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const double r = size * 0.18, border = std::max(1.0, size / 18.0);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), r, r);
        p.setClipPath(shape);
        if (size > 32) {
            p.drawImage(QRectF(0, 0, size, size), view);
        } else {
            // Small sizes: the same corridor in flat shapes that stay readable.
            const double s = size, m = s * 0.3, f = s * 0.42;
            p.fillRect(QRectF(0, 0, s, s), QColor(92, 80, 70));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(112, 114, 126));
            p.drawPolygon(QPolygonF(
                {QPointF(0, s), QPointF(m, s - m), QPointF(s - m, s - m), QPointF(s, s)}));
            p.setBrush(QColor(190, 160, 120));
            p.drawPolygon(
                QPolygonF({QPointF(0, 0), QPointF(m, m), QPointF(m, s - m), QPointF(0, s)}));
            p.setBrush(QColor(168, 140, 106));
            p.drawPolygon(QPolygonF(
                {QPointF(s, 0), QPointF(s - m, m), QPointF(s - m, s - m), QPointF(s, s)}));
            p.setBrush(QColor(20, 18, 16));
            p.drawRect(QRectF(m, m, s - 2 * m, s - 2 * m));
            p.setBrush(QColor(70, 62, 54));
            p.drawRect(QRectF(f, f, s - 2 * f, s - 2 * f));
        }
        p.setClipping(false);
        p.setPen(QPen(brass, border));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
        p.end();
        out.push_back({QString("icon%1").arg(size), img});
    }
}

} // namespace artgen
