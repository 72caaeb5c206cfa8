#pragma once
// Shared pieces of the picture generator: deterministic noise, colour helpers and
// the list of pictures written so far.
//
// Every picture is drawn at a scale: 1 gives the picture at its size in the game, 2
// the same picture at twice the resolution (the "@2x" file that high-density screens
// use). Positions and sizes stay in the game's pixels; a picture drawn at scale 2 is
// twice as wide and high and carries a device pixel ratio of 2, so a painter on it
// draws in the game's pixels.

#include <QColor>
#include <QImage>
#include <QString>

#include <cmath>
#include <cstdint>
#include <vector>

namespace artgen {

/// A picture to be written as pictures/<name>.png.
struct Picture {
    QString name;
    QImage image;
};
using Pictures = std::vector<Picture>;

// Deterministic hashing: the same arguments give the same value on every machine.
inline std::uint32_t hash3(std::int32_t a, std::int32_t b, std::int32_t c, std::uint32_t seed = 0) {
    std::uint32_t h = seed * 0x9E3779B9u + 0x7F4A7C15u;
    for (std::uint32_t v : {std::uint32_t(a), std::uint32_t(b), std::uint32_t(c)}) {
        h ^= v + 0x9E3779B9u + (h << 6) + (h >> 2);
        h *= 0x85EBCA6Bu;
        h ^= h >> 13;
    }
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}
/// 0..1 from a hash.
inline double hashUnit(std::int32_t a, std::int32_t b, std::int32_t c, std::uint32_t seed = 0) {
    return (hash3(a, b, c, seed) & 0xFFFFFF) / double(0x1000000);
}

inline double smooth(double t) {
    return t * t * (3 - 2 * t);
}
inline double clamp01(double v) {
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}
inline double mix(double a, double b, double t) {
    return a + (b - a) * t;
}

/// Smooth value noise in 3-D, 0..1.
inline double noise3(double x, double y, double z, std::uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    const int ix = int(fx), iy = int(fy), iz = int(fz);
    const double tx = smooth(x - fx), ty = smooth(y - fy), tz = smooth(z - fz);
    auto v = [&](int dx, int dy, int dz) { return hashUnit(ix + dx, iy + dy, iz + dz, seed); };
    const double a = mix(mix(v(0, 0, 0), v(1, 0, 0), tx), mix(v(0, 1, 0), v(1, 1, 0), tx), ty);
    const double b = mix(mix(v(0, 0, 1), v(1, 0, 1), tx), mix(v(0, 1, 1), v(1, 1, 1), tx), ty);
    return mix(a, b, tz);
}
/// Three octaves of noise3, 0..1.
inline double fractal3(double x, double y, double z, std::uint32_t seed) {
    return (noise3(x, y, z, seed) * 0.57 + noise3(x * 2.1, y * 2.1, z * 2.1, seed + 1) * 0.29 +
            noise3(x * 4.3, y * 4.3, z * 4.3, seed + 2) * 0.14);
}

/// A colour as three doubles 0..255.
struct Rgb {
    double r = 0, g = 0, b = 0;
    Rgb operator*(double k) const { return {r * k, g * k, b * k}; }
    Rgb operator+(const Rgb& o) const { return {r + o.r, g + o.g, b + o.b}; }
    Rgb operator*(const Rgb& o) const { return {r * o.r / 255, g * o.g / 255, b * o.b / 255}; }
};
inline Rgb mixRgb(const Rgb& a, const Rgb& b, double t) {
    return {mix(a.r, b.r, t), mix(a.g, b.g, t), mix(a.b, b.b, t)};
}
inline QRgb toRgb(const Rgb& c) {
    auto q = [](double v) { return int(std::lround(v < 0 ? 0 : (v > 255 ? 255 : v))); };
    return qRgb(q(c.r), q(c.g), q(c.b));
}

// The corridor (corridor.cpp).
void drawStrips(Pictures& out, int scale);
void drawExits(Pictures& out, int scale);
/// A square corridor view of `size` game pixels for the program icon, at `scale`.
QImage drawCorridorIcon(int size, int scale);
/// The six half-size preview pieces cut from the strip pictures already in `out`
/// (all of one scale).
void drawPreview(Pictures& out);

// Everything else (pictures.cpp).
void drawBoxes(Pictures& out, int scale);
void drawWallMap(Pictures& out, int scale);
void drawCompass(Pictures& out, int scale);
void drawPanel(Pictures& out, int scale);
void drawIndicators(Pictures& out, int scale);
void drawSideArrows(Pictures& out, int scale);
void drawEndScreen(Pictures& out, int scale);
void drawDialog(Pictures& out, int scale);
void drawTitle(Pictures& out, int scale);
void drawIcons(Pictures& out, int scale);

/// The flashlight's fall-off with depth z (1 at the view's edge plane, 0 at the
/// fifth plane), shared by the corridor and the box pictures.
double depthLight(double z);

} // namespace artgen
