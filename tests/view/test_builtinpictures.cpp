// The built-in picture set: every picture at its size with its key colour, and
// strips that join into one corridor whatever the view plan puts side by side; and
// the same of every picture's @2x file at twice the size.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <cmath>
#include <string>

#include "resources/resources.h"
#include "theme/theme.h"
#include "view/builtinpictures.h"
#include "view/viewcomposer.h"
#include "view/viewscan.h"

namespace quorvel {
namespace {

/// A built-in picture at scale 1, or its @2x file at scale 2.
QImage builtin(const std::string& stem, int scale = 1) {
    initResources();
    const std::string suffix = scale == 1 ? "" : "@" + std::to_string(scale) + "x";
    return QImage(QString::fromStdString(":/pictures/" + stem + suffix + ".png"))
        .convertToFormat(QImage::Format_RGB888);
}

TEST(BuiltinPictures, EveryPictureHasItsSizeAndItsTwiceAsLargeTwin) {
    struct Size {
        const char* stem;
        int w, h;
    };
    const Size sizes[] = {
        {"exita", 240, 240},      {"exitb", 120, 240},      {"exitc", 40, 240},
        {"ending", 240, 240},     {"openbox1", 60, 60},     {"closebox1", 60, 60},
        {"openbox2", 40, 40},     {"closebox2", 40, 40},    {"openbox3", 20, 20},
        {"closebox3", 20, 20},    {"map", 160, 100},        {"north", 72, 148},
        {"east", 72, 148},        {"south", 72, 148},       {"west", 72, 148},
        {"compassdial", 72, 148}, {"compass", 37, 36},      {"gps", 37, 36},
        {"beacon", 37, 36},       {"tracker", 37, 36},      {"detector", 37, 36},
        {"itemempty", 37, 36},    {"food", 37, 36},         {"gems", 37, 36},
        {"charge", 37, 36},       {"message", 97, 49},      {"critical", 97, 49},
        {"canleft", 16, 16},      {"noleft", 16, 16},       {"canright", 16, 16},
        {"noright", 16, 16},      {"preview1", 30, 120},    {"preview2", 30, 120},
        {"preview3", 20, 120},    {"preview4", 20, 120},    {"preview5", 10, 120},
        {"preview6", 10, 120},    {"winner", 105, 105},     {"loser", 105, 105},
        {"quit", 105, 105},       {"iconwarning", 48, 48},  {"iconerror", 48, 48},
        {"iconinfo", 48, 48},     {"iconquestion", 48, 48}, {"icon16", 16, 16},
        {"icon32", 32, 32},       {"icon48", 48, 48},       {"icon256", 256, 256},
    };
    for (int scale : {1, 2}) {
        for (const Size& s : sizes)
            EXPECT_EQ(builtin(s.stem, scale).size(), QSize(s.w, s.h) * scale) << s.stem;
        for (int i = 0; i < stripPictureCount; ++i) {
            const StripPicture p = StripPicture::fromIndex(i);
            EXPECT_EQ(builtin(std::string(stripName(p)), scale).size(),
                      QSize(stripWidth(p), 240) * scale)
                << stripName(p);
        }
    }
    // Loaded by its name, a @2x file tells its scale.
    EXPECT_EQ(QImage(":/pictures/door1@2x.png").devicePixelRatio(), 2.0);
}

TEST(BuiltinPictures, OverlaysStandOnTheirKeyColour) {
    const QColor pink(255, 195, 225), lightRed(255, 201, 201), white(255, 255, 255);
    const auto check = [](const std::string& stem, QColor key) {
        for (int scale : {1, 2}) {
            const QImage p = builtin(stem, scale);
            EXPECT_EQ(p.pixelColor(0, p.height() - 1), key) << stem << " at " << scale;
            EXPECT_EQ(p.pixelColor(0, 0), key) << stem << " at " << scale;
            EXPECT_NE(p.pixelColor(p.width() / 2, p.height() * 3 / 4), key)
                << stem << " at " << scale;
        }
    };
    for (const char* box :
         {"openbox1", "openbox2", "openbox3", "closebox1", "closebox2", "closebox3"})
        check(box, pink);
    check("map", lightRed);
    for (const char* h : {"north", "east", "south", "west", "compassdial"})
        check(h, white);
}

/// The mean difference of two columns of a picture, over the three colours.
double columnDifference(const QImage& v, int a, int b) {
    double sum = 0;
    for (int y = 0; y < v.height(); ++y) {
        const QColor p = v.pixelColor(a, y), q = v.pixelColor(b, y);
        sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
               std::abs(p.blue() - q.blue());
    }
    return sum / (3.0 * v.height());
}

StripPicture named(const std::string& name) {
    for (int i = 0; i < stripPictureCount; ++i)
        if (stripName(StripPicture::fromIndex(i)) == name) return StripPicture::fromIndex(i);
    ADD_FAILURE() << "no strip picture " << name;
    return {};
}

// Strip pictures that meet where the corridor's surface goes on without an edge: a
// side wall running on into the next cell, a far wall across two strips, a side block
// whose face is the far wall itself. Across such a join the picture must change no
// more than it does between two neighbouring columns inside a strip, at 1x and at 2x.
TEST(BuiltinPictures, StripsJoinWithoutSeams) {
    struct Join {
        const char* left;
        const char* right;
        int x; ///< where the right picture begins
    };
    const Join joins[] = {
        {"middle3", "middle2", 60},  {"middle2", "middle1", 100},  {"middle1", "middle8", 120},
        {"middle8", "middle9", 140}, {"middle9", "middle4", 180},  {"door1", "middle6", 60},
        {"middle6", "middle5", 100}, {"middle5", "middle10", 120}, {"middle10", "middle11", 140},
        {"middle11", "door2", 180},  {"wall3", "wall4", 60},       {"wall3", "wall8", 60},
        {"door4", "middle7", 100},   {"middle7", "middle12", 120}, {"middle12", "door6", 140},
        {"wall6", "wall5", 180},     {"wall10", "wall5", 180},     {"wall8", "wall7", 100},
        {"wall8", "wall11", 100},    {"wall7", "wall9", 120},      {"door7", "door9", 120},
        {"door7", "wall9", 120},     {"wall11", "wall12", 120},    {"door11", "door12", 120},
        {"wall9", "wall10", 140},    {"wall12", "wall10", 140},
    };
    ViewComposer composer;
    for (int scale : {1, 2}) {
        composer.setDevicePixelRatio(scale);
        for (const Join& j : joins) {
            QImage view(240 * scale, 240 * scale, QImage::Format_RGB888);
            view.fill(Qt::black);
            const QImage& a = composer.strip(named(j.left));
            const QImage& b = composer.strip(named(j.right));
            const int x = j.x * scale;
            opaqueDraw(view, x - a.width(), 0, a);
            opaqueDraw(view, x, 0, b);
            const double seam = columnDifference(view, x - 1, x);
            const double inside =
                std::max(columnDifference(view, x - 2, x - 1), columnDifference(view, x, x + 1));
            EXPECT_LT(seam, inside + 2.0) << j.left << " | " << j.right << " at " << scale << ": "
                                          << seam << " vs " << inside;
        }
    }
}

} // namespace
} // namespace quorvel

namespace quorvel {
namespace {

// ---- decoded once for the whole run -----------------------------------------------------

TEST(BuiltinPictureStore, ComposersAndEveryNewGameShareOneDecodingOfEachPicture) {
    ViewComposer first;
    const uchar* strip = first.strip(StripPicture::fromIndex(0)).constBits();
    const uchar* gems = first.panelPicture(PanelPicture::gems).constBits();
    // A new game fills the working pictures again: from the same decoded pictures.
    first.loadViewImages(std::string());
    EXPECT_EQ(first.strip(StripPicture::fromIndex(0)).constBits(), strip);
    EXPECT_EQ(first.panelPicture(PanelPicture::gems).constBits(), gems);
    ViewComposer second;
    EXPECT_EQ(second.strip(StripPicture::fromIndex(0)).constBits(), strip);
    EXPECT_EQ(second.itemEmpty().constBits(), first.itemEmpty().constBits());
    // Drawing never changes the shared pictures.
    const QImage before = first.strip(StripPicture::fromIndex(0)).copy();
    first.drawMaze(ViewPlan{});
    first.darken(200);
    first.showView();
    EXPECT_EQ(second.strip(StripPicture::fromIndex(0)), before);
}

TEST(BuiltinPictureStore, APreloadOnAnotherThreadGivesTheSamePicturesAsDecodingThemHere) {
    preloadBuiltinPictures();
    preloadBuiltinPictures(); // a second request while one runs changes nothing
    for (const PictureGroup group : {PictureGroup::strips, PictureGroup::boxes, PictureGroup::exits,
                                     PictureGroup::map, PictureGroup::panel})
        for (const std::string& file : groupFiles(group)) {
            const std::string stem = file.substr(0, file.size() - 4);
            const QImage shared = builtinPicture(QString::fromStdString(stem));
            EXPECT_EQ(shared.format(), QImage::Format_RGB888) << stem;
            EXPECT_EQ(shared, builtin(stem)) << stem;
        }
    EXPECT_TRUE(builtinPicture("no-such-picture").isNull());
}

} // namespace
} // namespace quorvel
