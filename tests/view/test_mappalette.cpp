// The map's colour-blind-safe palette: every two things the map shows stay apart for
// eyes blind to red, green or blue. The eyes are simulated with the matrices of
// Machado, Oliveira and Fernandes (2009) at full severity on linear sRGB, and the
// distance is CIEDE2000, checked against the published test data of Sharma, Wu and
// Dalal (2005).

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "view/mappalette.h"

namespace quorvel {
namespace {

struct Lab {
    double l, a, b;
};
using Matrix = std::array<std::array<double, 3>, 3>;

struct Eye {
    const char* name;
    Matrix simulation;
    bool simulated = true; ///< an eye blind to one of the three colours
};
const Eye eyes[] = {
    {"protanopia",
     {{{0.152286, 1.052583, -0.204868},
       {0.114503, 0.786281, 0.099216},
       {-0.003882, -0.048116, 1.051998}}}},
    {"deuteranopia",
     {{{0.367322, 0.860646, -0.227968},
       {0.280085, 0.672501, 0.047413},
       {-0.011820, 0.042940, 0.968881}}}},
    {"tritanopia",
     {{{1.255528, -0.076749, -0.178779},
       {-0.078411, 0.930809, 0.147602},
       {0.004733, 0.691367, 0.303900}}}},
    {"full colour vision", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}, false},
};

double toLinear(std::uint8_t v) {
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

/// The colour as the eye sees it, in CIELAB (D65). The simulated colour is clamped to
/// the screen's range in linear light and taken on from there, which is what encoding
/// it back to sRGB and decoding it again would give.
Lab seenAs(MapColour colour, const Matrix& eye) {
    const std::array<double, 3> rgb{toLinear(colour.r), toLinear(colour.g), toLinear(colour.b)};
    std::array<double, 3> seen{};
    for (int i = 0; i < 3; ++i)
        seen[i] =
            std::clamp(eye[i][0] * rgb[0] + eye[i][1] * rgb[1] + eye[i][2] * rgb[2], 0.0, 1.0);
    const double x = (0.4124564 * seen[0] + 0.3575761 * seen[1] + 0.1804375 * seen[2]) / 0.95047;
    const double y = 0.2126729 * seen[0] + 0.7151522 * seen[1] + 0.0721750 * seen[2];
    const double z = (0.0193339 * seen[0] + 0.1191920 * seen[1] + 0.9503041 * seen[2]) / 1.08883;
    const auto f = [](double t) {
        return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}
double cosDeg(double d) {
    return std::cos(d * std::numbers::pi / 180);
}

/// CIEDE2000 with all three weights 1.
double ciede2000(Lab p, Lab q) {
    const double cBar = (std::hypot(p.a, p.b) + std::hypot(q.a, q.b)) / 2;
    const double g =
        0.5 * (1 - std::sqrt(std::pow(cBar, 7) / (std::pow(cBar, 7) + std::pow(25, 7))));
    const double a1 = (1 + g) * p.a, a2 = (1 + g) * q.a;
    const double c1 = std::hypot(a1, p.b), c2 = std::hypot(a2, q.b);
    const auto hue = [](double b, double a) {
        return a == 0 && b == 0 ? 0.0 : std::fmod(degrees(std::atan2(b, a)) + 360, 360);
    };
    const double h1 = hue(p.b, a1), h2 = hue(q.b, a2);
    const bool grey = c1 * c2 == 0;
    double dh = grey ? 0 : h2 - h1;
    if (dh > 180) dh -= 360;
    if (dh < -180) dh += 360;
    const double dH = 2 * std::sqrt(c1 * c2) * std::sin(dh * std::numbers::pi / 360);
    double hBar = h1 + h2;
    if (!grey) hBar = std::abs(h1 - h2) <= 180 ? hBar / 2 : (hBar + (hBar < 360 ? 360 : -360)) / 2;
    const double t = 1 - 0.17 * cosDeg(hBar - 30) + 0.24 * cosDeg(2 * hBar) +
                     0.32 * cosDeg(3 * hBar + 6) - 0.20 * cosDeg(4 * hBar - 63);
    const double lBar = (p.l + q.l) / 2, cpBar = (c1 + c2) / 2;
    const double sl =
        1 + 0.015 * (lBar - 50) * (lBar - 50) / std::sqrt(20 + (lBar - 50) * (lBar - 50));
    const double sc = 1 + 0.045 * cpBar, sh = 1 + 0.015 * cpBar * t;
    const double rc = 2 * std::sqrt(std::pow(cpBar, 7) / (std::pow(cpBar, 7) + std::pow(25, 7)));
    const double rotation = 30 * std::exp(-std::pow((hBar - 275) / 25, 2));
    const double rt = -std::sin(2 * rotation * std::numbers::pi / 180) * rc;
    const double l = (q.l - p.l) / sl, c = (c2 - c1) / sc, h = dH / sh;
    return std::sqrt(l * l + c * c + h * h + rt * c * h);
}

TEST(ColourBlindPalette, Ciede2000MatchesTheTestDataOfSharmaWuAndDalal) {
    struct Pair {
        Lab p, q;
        double expected;
    };
    // The blue region where the rotation term counts, greys, hues either side of the
    // mean's wrap, large differences and near black.
    const Pair pairs[] = {
        {{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
        {{50, -1.3802, -84.2814}, {50, 0, -82.7485}, 1.0000},
        {{50, 0, 0}, {50, -1, 2}, 2.3669},
        {{50, 2.49, -0.001}, {50, -2.49, 0.0009}, 7.1792},
        {{50, 2.49, -0.001}, {50, -2.49, 0.0011}, 7.2195},
        {{50, -0.001, 2.49}, {50, 0.0011, -2.49}, 4.7461},
        {{50, 2.5, 0}, {73, 25, -18}, 27.1492},
        {{50, 2.5, 0}, {56, -27, -3}, 31.9030},
        {{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082},
    };
    for (const Pair& t : pairs) {
        EXPECT_NEAR(ciede2000(t.p, t.q), t.expected, 1e-4) << t.expected;
        EXPECT_NEAR(ciede2000(t.q, t.p), t.expected, 1e-4) << t.expected;
    }
}

struct Closest {
    double distance = 1e9;
    std::string between;
};

/// The two meanings of the map that lie closest for an eye in a palette. The player's
/// place counts once: each of its blink colours against every other meaning.
Closest closestMeanings(const Matrix& eye, bool safe) {
    Closest closest;
    for (const MapMeaning& m : mapMeanings)
        for (const MapMeaning& n : mapMeanings) {
            if (std::string(m.name) >= n.name) continue;
            const double d = ciede2000(seenAs(safe ? m.safe : m.standard, eye),
                                       seenAs(safe ? n.safe : n.standard, eye));
            if (d < closest.distance) closest = {d, std::string(m.name) + " / " + n.name};
        }
    return closest;
}

TEST(ColourBlindPalette, EveryTwoMeaningsStayAtLeastTenApartForEveryEye) {
    for (const Eye& eye : eyes) {
        const Closest standard = closestMeanings(eye.simulation, false);
        const Closest safe = closestMeanings(eye.simulation, true);
        std::printf("%-18s standard %5.2f (%s), safe %5.2f (%s)\n", eye.name, standard.distance,
                    standard.between.c_str(), safe.distance, safe.between.c_str());
        EXPECT_GE(safe.distance, 10) << eye.name << ": " << safe.between;
        // The standard colours run together for each simulated eye, which is why the safe
        // ones exist (and shows the simulation changes what it is given).
        if (eye.simulated) {
            EXPECT_LT(standard.distance, 10) << eye.name;
        }
    }
}

TEST(ColourBlindPalette, OnlyTheMapsOwnColoursAreSwapped) {
    for (const MapMeaning& m : mapMeanings) {
        EXPECT_EQ(shownColour(m.standard, MapPalette::standard), m.standard);
        EXPECT_EQ(shownColour(m.standard, MapPalette::colourBlindSafe), m.safe) << m.name;
    }
    const MapColour fromAFile{1, 2, 3};
    EXPECT_EQ(shownColour(fromAFile, MapPalette::colourBlindSafe), fromAFile);
}

} // namespace
} // namespace quorvel
