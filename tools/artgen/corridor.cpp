// The corridor: one 3-D model of the maze corridor, seen from the player's eye, from
// which every strip picture and exit picture is ray-cast. The corridor is 2 units wide
// and 2 high (floor at Y = -1, ceiling at Y = +1, eye in the middle); its cells end at
// the depths where their fronts fill the squares of the view's planes:
// 240 px at z 1, 120 at z 2, 40 at z 6, 20 at z 12 and 10 at z 24. A picture is the
// model rendered for one layout of open and blocked cells, cut to its strip. What a
// strip sees depends only on the cells its picture stands for, so any combination the
// view plan allows joins without a seam.

#include <QPainter>

#include <algorithm>
#include <array>

#include "artgen.h"

namespace artgen {

namespace {

constexpr std::array<double, 6> planeZ = {1, 2, 6, 12, 24, 48};
constexpr double centre = 120;
constexpr int viewSize = 240;

/// Which cells around the corridor are open, for one picture.
struct Layout {
    int depth = 0;              ///< open cells straight ahead, 0..4
    std::array<bool, 5> left{}; ///< left[d]: the cell left of the d-th cell ahead is open (d 1..3)
    std::array<bool, 5> right{};
    int exitPlane = -1;  ///< the plane whose far wall holds the daylight doorway
    double nearFace = 0; ///< when > 0: the ending, a doorway right at this depth
};

enum class Kind { face, sideWall, floor, ceiling, daylight, dark };

struct Hit {
    Kind kind = Kind::dark;
    double x = 0, y = 0, z = 0; ///< the point in the model
    int plane = 0;              ///< for a face: the plane it stands in
    bool sideBlock = false;     ///< a face of a block beside the corridor
    bool corridorGoes = false;  ///< that block's face ends at a corner (the corridor goes on)
    bool farCorner = false;     ///< a side wall or floor ending in the far wall at zend
    double zend = 0;            ///< the depth where the hit's cell ends
    bool doorFrame = false;     ///< dressed stone round the daylight doorway
    double doorDist = 0;        ///< distance from the doorway's edge (frame only)
};

constexpr double doorHalf = 0.55; ///< half the width of the exit doorway
constexpr double doorTop = 0.72;  ///< the doorway's lintel height (floor at -1)
constexpr double frameWidth = 0.16;

/// Marks a far-wall hit that falls in the daylight doorway or its frame.
void exitDoor(Hit& h) {
    const double ax = std::abs(h.x);
    if (ax < doorHalf && h.y < doorTop) {
        h.kind = Kind::daylight;
        return;
    }
    if (ax < doorHalf + frameWidth && h.y < doorTop + frameWidth) {
        h.doorFrame = true;
        h.doorDist = std::max(ax - doorHalf, h.y - doorTop);
    }
}

Hit trace(double dx, double dy, const Layout& lay) {
    Hit h;
    if (lay.nearFace > 0) {
        h.kind = Kind::face;
        h.z = lay.nearFace;
        h.x = dx * h.z;
        h.y = dy * h.z;
        h.plane = 0;
        exitDoor(h);
        return h;
    }
    if (lay.depth == 0) {
        h = {Kind::face, dx, dy, 1.0, 0};
        if (lay.exitPlane == 0) exitDoor(h);
        return h;
    }
    for (int d = 1; d <= 5; ++d) {
        const double z1 = planeZ[d];
        if (d == 5) return h; // beyond the fifth plane: darkness
        const bool lOpen = d <= 3 && lay.left[d];
        const bool rOpen = d <= 3 && lay.right[d];
        const double xl = lOpen ? -3 : -1, xr = rOpen ? 3 : 1;
        double best = z1;
        Kind kind = Kind::face;
        if (dy < 0 && -1 / dy < best) best = -1 / dy, kind = Kind::floor;
        if (dy > 0 && 1 / dy < best) best = 1 / dy, kind = Kind::ceiling;
        if (dx < 0 && xl / dx < best) best = xl / dx, kind = Kind::sideWall;
        if (dx > 0 && xr / dx < best) best = xr / dx, kind = Kind::sideWall;
        h.x = dx * best;
        h.y = dy * best;
        h.z = best;
        h.zend = z1;
        const bool inMain = std::abs(h.x) <= 1;
        if (kind == Kind::floor || kind == Kind::ceiling) {
            h.kind = kind;
            h.farCorner = !inMain || d == lay.depth; // a wall stands at the cell's far end
            return h;
        }
        if (kind == Kind::sideWall) {
            h.kind = kind;
            h.farCorner = std::abs(h.x) < 1.5 && d == lay.depth;
            return h;
        }
        // The ray leaves the cell through its far plane.
        if (inMain && d < lay.depth) continue;
        h.kind = Kind::face;
        h.plane = d;
        h.sideBlock = !inMain;
        h.corridorGoes = lay.depth > d;
        if (inMain && lay.exitPlane == d) exitDoor(h);
        return h;
    }
    return h;
}

/// Cells 0..4 between the view's planes, straight along the corridor.
double cellsDeep(double z) {
    for (int i = 0; i < 5; ++i)
        if (z <= planeZ[i + 1]) return i + (z - planeZ[i]) / (planeZ[i + 1] - planeZ[i]);
    return 5;
}

/// Dressed stone blocks in running bond: u along the wall, v up from the floor.
Rgb stonework(double u, double v, std::uint32_t seed, const Rgb& light, const Rgb& dark) {
    constexpr double course = 1.0 / 3, block = 2.0 / 3, mortar = 0.017;
    const double row = std::floor(v / course);
    const double fv = v - row * course;
    const double shift = (int(row) & 1) ? block / 2 : 0;
    const double uu = u + shift + 0.08 * (hashUnit(int(row), 7, 0, seed) - 0.5);
    const double col = std::floor(uu / block);
    const double fu = uu - col * block;
    double edge = std::min({fu, block - fu, fv, course - fv});
    edge += (noise3(u * 23, v * 23, seed, seed + 3) - 0.5) * 0.018;
    const double grain = 0.86 + 0.26 * fractal3(u * 11, v * 11, seed * 3.1, seed + 9);
    if (edge < mortar) {
        const Rgb m{92, 86, 78};
        return m * (0.8 + 0.4 * noise3(u * 40, v * 40, seed, seed + 5));
    }
    const double t = hashUnit(int(col), int(row), 1, seed);
    const double t2 = hashUnit(int(col), int(row), 2, seed);
    Rgb c = mixRgb(light, dark, t) * (0.86 + 0.22 * t2) * grain;
    // Worn edges: a little shade just inside the joint, a little light on the top edge.
    if (edge < mortar + 0.022) c = c * (0.78 + 0.22 * (edge - mortar) / 0.022);
    if (course - fv < mortar + 0.03 && edge >= mortar + 0.01) c = c * 1.08;
    return c;
}

/// Flagstones of the floor: x across, z along the corridor.
Rgb flagstones(double x, double z) {
    constexpr double size = 1.0, grout = 0.022;
    const double row = std::floor(z / size);
    const double xx = x + 0.5 + ((int(row) & 1) ? 0.5 : 0);
    const double col = std::floor(xx / size);
    const double fx = xx - col * size, fz = z - row * size;
    double edge = std::min({fx, size - fx, fz, size - fz});
    edge += (noise3(x * 17, z * 17, 0, 41) - 0.5) * 0.02;
    if (edge < grout) return Rgb{52, 52, 58} * (0.85 + 0.3 * noise3(x * 30, z * 30, 1, 42));
    const double t = hashUnit(int(col), int(row), 3, 43);
    const double grain = 0.84 + 0.3 * fractal3(x * 8, z * 8, 2, 44);
    Rgb c = mixRgb(Rgb{122, 122, 132}, Rgb{98, 100, 112}, t) * grain;
    if (edge < grout + 0.03) c = c * (0.82 + 0.18 * (edge - grout) / 0.03);
    return c;
}

/// The ceiling: rough-hewn slabs laid across the corridor, warmer and darker than
/// the floor.
Rgb ceilingSlabs(double x, double z) {
    constexpr double length = 0.5, width = 1.0;
    const double row = std::floor(z / length);
    const double xx = x + 0.25 + ((int(row) & 1) ? width / 2 : 0);
    const double col = std::floor(xx / width);
    const double fz = z - row * length, fx = xx - col * width;
    double edge = std::min({fz, length - fz, fx, width - fx});
    edge += (noise3(x * 15, z * 15, 3, 54) - 0.5) * 0.015;
    if (edge < 0.016) return Rgb{44, 38, 34} * (0.85 + 0.3 * noise3(x * 30, z * 30, 2, 55));
    const double t = hashUnit(int(col), int(row), 4, 52);
    const double grain = 0.84 + 0.3 * fractal3(x * 7, z * 7, 5, 51);
    Rgb c = mixRgb(Rgb{118, 102, 88}, Rgb{96, 84, 74}, t) * grain;
    if (edge < 0.04) c = c * (0.8 + 0.2 * (edge - 0.016) / 0.024);
    return c;
}

/// The open air beyond the exit, by direction (eye one unit above the ground).
Rgb daylight(double dx, double dy) {
    const double hills =
        0.03 + 0.07 * noise3(dx * 2.2 + 3.7, 0.5, 0, 61) + 0.025 * noise3(dx * 7.5, 1.5, 0, 62);
    if (dy < 0) {
        const double g = 1 / -dy; // distance along the ground
        const double gx = dx * g;
        const double haze = clamp01(g / 45);
        const double pathX = 0.35 * std::sin(g * 0.18);
        Rgb c;
        if (std::abs(gx - pathX) < 0.45 + 0.05 * noise3(g, 0, 0, 63)) {
            c = Rgb{206, 186, 138} * (0.88 + 0.2 * noise3(gx * 4, g * 2, 0, 64));
        } else {
            const double n = fractal3(gx * 2.5, g * 1.2, 0, 65);
            c = mixRgb(Rgb{84, 148, 58}, Rgb{124, 176, 72}, n);
            c = c * (0.95 + 0.06 * std::sin(gx * 5 + g * 0.4));
        }
        return mixRgb(c, Rgb{176, 200, 214}, haze * 0.85);
    }
    if (dy < hills) {
        const double t = clamp01(dy / hills);
        return mixRgb(Rgb{118, 150, 126}, Rgb{150, 176, 180}, t * 0.6) *
               (0.92 + 0.12 * noise3(dx * 12, dy * 12, 0, 66));
    }
    const double t = clamp01(dy / 1.1);
    Rgb sky = mixRgb(Rgb{222, 236, 248}, Rgb{92, 152, 224}, std::pow(t, 0.6));
    const double sun = std::hypot(dx - 0.32, dy - 0.45);
    sky = mixRgb(sky, Rgb{255, 250, 228}, clamp01(1.2 * std::exp(-sun * 9)));
    const double cloud = fractal3(dx * 2.5 / (dy + 0.25), 3 / (dy + 0.25), 0.5, 67);
    sky = mixRgb(sky, Rgb{250, 250, 252}, clamp01((cloud - 0.55) * 3.5) * 0.85);
    return sky;
}

/// How strongly a corner line darkens at `px` pixels from the corner.
double cornerShade(double px) {
    return 0.38 * std::exp(-std::max(px, 0.0) / 1.3);
}

Rgb shade(const Hit& h, double sx, double sy) {
    if (h.kind == Kind::dark) return {};
    if (h.kind == Kind::daylight) return daylight((sx - centre) / centre, (centre - sy) / centre);
    const double radius = std::hypot(sx - centre, sy - centre) / 170;
    const double rim = 1 - 0.34 * radius * radius;
    double light = depthLight(h.z) * rim;
    Rgb c;
    double dim = 0;
    const double px = centre / h.z; // pixels per model unit at this depth
    switch (h.kind) {
    case Kind::face: {
        if (h.doorFrame) {
            c = stonework(h.x * 0.75 + 5, h.y + 1, 77, Rgb{204, 192, 168}, Rgb{182, 170, 146});
            light = light * 1.05 + 0.55 * std::exp(-h.doorDist / 0.05); // daylight on the jambs
            if (h.plane == 0 && h.z < 1) light = 0.7 + 0.4 * std::exp(-h.doorDist / 0.08);
        } else {
            c = stonework(h.x, h.y + 1, 10 + h.plane, Rgb{184, 156, 122}, Rgb{154, 130, 104});
        }
        dim += cornerShade((1 - std::abs(h.y)) * px);
        if (h.sideBlock && h.corridorGoes) { // the block's corner where the corridor goes on
            const double e = (std::abs(h.x) - 1) * px;
            light *= 1 + 0.22 * std::exp(-e / 1.1);
        }
        break;
    }
    case Kind::sideWall:
        c = stonework(h.z * (h.x < 0 ? 1 : -1), h.y + 1, h.x < 0 ? 21 : 22, Rgb{178, 150, 118},
                      Rgb{150, 126, 100});
        light *= 0.8;
        dim += cornerShade((1 - std::abs(h.y)) * px);
        if (h.farCorner) dim += cornerShade(centre * std::abs(h.x) * (1 / h.z - 1 / h.zend));
        break;
    case Kind::floor:
        c = flagstones(h.x, h.z);
        light *= 0.74;
        if (h.farCorner) dim += cornerShade(centre * (1 / h.z - 1 / h.zend));
        break;
    case Kind::ceiling:
        c = ceilingSlabs(h.x, h.z);
        light *= 0.66;
        if (h.farCorner) dim += cornerShade(centre * (1 / h.z - 1 / h.zend));
        break;
    default: break;
    }
    light *= 1 - std::min(dim, 0.6);
    const Rgb torch{255, 247, 228}; // the flashlight's slightly warm beam
    return (c * torch) * light;
}

/// Renders the model for `lay` into the view columns x0..x0+width at `scale` pixels a
/// view pixel, 3 x 3 samples a pixel. The samples are placed in view pixels, so a
/// picture at scale 2 is the same model at twice the resolution (and the samples of a
/// picture at scale 1 lie exactly where they always have).
QImage render(const Layout& lay, int x0, int width, int scale) {
    QImage img(width * scale, viewSize * scale, QImage::Format_RGB888);
    img.setDevicePixelRatio(scale);
    constexpr int ss = 3;
    const int samples = ss * scale; // samples a view pixel, in each direction
    for (int y = 0; y < viewSize * scale; ++y) {
        for (int x = 0; x < width * scale; ++x) {
            Rgb sum;
            for (int j = 0; j < ss; ++j) {
                for (int i = 0; i < ss; ++i) {
                    const double sx = x0 + double(x) / scale + (i + 0.5) / samples;
                    const double sy = double(y) / scale + (j + 0.5) / samples;
                    const Hit h = trace((sx - centre) / centre, (centre - sy) / centre, lay);
                    sum = sum + shade(h, sx, sy);
                }
            }
            img.setPixel(x, y, toRgb(sum * (1.0 / (ss * ss))));
        }
    }
    return img;
}

/// One strip picture: its name, its strip (1..6) and a layout it stands for.
struct StripSpec {
    const char* name;
    int strip;
    Layout layout;
};

Layout ahead(int depth) {
    Layout l;
    l.depth = depth;
    return l;
}
Layout withLeft(int depth, int d) {
    Layout l = ahead(depth);
    l.left[d] = true;
    return l;
}
Layout withRight(int depth, int d) {
    Layout l = ahead(depth);
    l.right[d] = true;
    return l;
}

std::vector<StripSpec> stripSpecs() {
    return {
        {"middle3", 1, ahead(0)},  {"middle2", 2, ahead(0)},
        {"middle1", 3, ahead(0)},  {"middle8", 4, ahead(0)},
        {"middle9", 5, ahead(0)},  {"middle4", 6, ahead(0)},
        {"middle6", 2, ahead(1)},  {"middle5", 3, ahead(1)},
        {"middle10", 4, ahead(1)}, {"middle11", 5, ahead(1)},
        {"middle7", 3, ahead(2)},  {"middle12", 4, ahead(2)},
        {"wall1", 1, ahead(1)},    {"door1", 1, withLeft(1, 1)},
        {"wall2", 6, ahead(1)},    {"door2", 6, withRight(1, 1)},
        {"wall3", 1, ahead(2)},    {"door3", 1, withLeft(2, 1)},
        {"wall5", 6, ahead(2)},    {"door5", 6, withRight(2, 1)},
        {"wall4", 2, ahead(2)},    {"door4", 2, withLeft(2, 2)},
        {"wall6", 5, ahead(2)},    {"door6", 5, withRight(2, 2)},
        {"wall8", 2, ahead(3)},    {"door8", 2, withLeft(3, 2)},
        {"wall10", 5, ahead(3)},   {"door10", 5, withRight(3, 2)},
        {"wall7", 3, ahead(3)},    {"door7", 3, withLeft(3, 3)},
        {"wall9", 4, ahead(3)},    {"door9", 4, withRight(3, 3)},
        {"wall11", 3, ahead(4)},   {"door11", 3, withLeft(4, 3)},
        {"wall12", 4, ahead(4)},   {"door12", 4, withRight(4, 3)},
    };
}

constexpr std::array<int, 7> stripLeft = {0, 0, 60, 100, 120, 140, 180};
constexpr std::array<int, 7> stripWidth = {0, 60, 40, 20, 20, 40, 60};

} // namespace

double depthLight(double z) {
    const double w = std::max(0.0, cellsDeep(z));
    return std::max(0.0, 1 - std::pow(w / 4, 0.85));
}

void drawStrips(Pictures& out, int scale) {
    for (const StripSpec& s : stripSpecs())
        out.push_back({s.name, render(s.layout, stripLeft[s.strip], stripWidth[s.strip], scale)});
}

void drawExits(Pictures& out, int scale) {
    Layout one = ahead(0), two = ahead(1), three = ahead(2), ending;
    one.exitPlane = 0;
    two.exitPlane = 1;
    three.exitPlane = 2;
    ending.nearFace = 0.72;
    out.push_back({"exita", render(one, 0, 240, scale)});
    out.push_back({"exitb", render(two, 60, 120, scale)});
    out.push_back({"exitc", render(three, 100, 40, scale)});
    out.push_back({"ending", render(ending, 0, 240, scale)});
}

QImage drawCorridorIcon(int size, int scale) {
    // A corridor with openings on both sides, going on into the dark.
    Layout l = ahead(4);
    l.left[2] = true;
    l.right[1] = true;
    const QImage full = render(l, 0, 240, scale);
    QImage icon =
        full.scaled(size * scale, size * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    icon.setDevicePixelRatio(scale);
    return icon;
}

void drawPreview(Pictures& out) {
    // The opening screen shows a theme by six of its strips at half size:
    // wall3, door4, middle7, middle12, wall6, door5.
    const std::array<std::pair<const char*, const char*>, 6> pieces = {{
        {"preview1", "wall3"},
        {"preview2", "door5"},
        {"preview3", "door4"},
        {"preview4", "wall6"},
        {"preview5", "middle7"},
        {"preview6", "middle12"},
    }};
    for (const auto& [name, source] : pieces) {
        QImage piece;
        for (const Picture& p : out)
            if (p.name == source) piece = p.image;
        QImage half = piece.scaled(piece.width() / 2, piece.height() / 2, Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
        half.setDevicePixelRatio(piece.devicePixelRatio());
        out.push_back({name, half});
    }
}

} // namespace artgen
