#pragma once
// The composition of the first-person view: the working picture set of the view
// (strips, boxes, exit pictures, wall map, compass headings, panel and tool pictures,
// side arrows) and the hidden 240 x 240 image the view is painted in, stage by stage,
// before the finished frame replaces the visible one in a single copy.
//
// Painting only: no widgets. The game screen calls the stages in the order the rules
// ask for them (drawMaze, drawWallMap, then drawBox, darken, showView, showSides) and
// shows shownView().
//
// On a screen with more than one device pixel to each of its pixels the view is
// composed at twice the resolution (setDevicePixelRatio): every strip, box, exit and
// the wall map lands on exactly twice its coordinates, the built-in pictures come from
// their @2x files, and a theme's pictures are scaled up. The compass and the side
// arrows follow the same scale; the item panel's pictures stay at 1x.

#include <memory>
#include <string>

#include "game/maze.h"
#include "view/viewscan.h"

class QImage;
class QString;

namespace quorvel {

enum class Tool;

/// The fourteen panel pictures a theme replaces as one group, in the theme's file order.
enum class PanelPicture {
    food,
    gems,
    charge,
    compass,
    gps,
    beacon,
    tracker,
    detector,
    standard, ///< the message indicator
    critical, ///< the critical message indicator
    north,
    east,
    south,
    west,
};
constexpr int panelPictureCount = 14;

/// Which picture groups came from the theme folder (the rest are built in).
struct ViewSources {
    bool strips = false;
    bool boxes = false;
    bool exits = false;
    bool map = false;
    bool panel = false;
};

/// The pictures the side-opening indicators show.
struct SidePictures {
    const QImage* left = nullptr;
    const QImage* right = nullptr;
    bool leftOpen = false;
    bool rightOpen = false;
};

constexpr int viewSize = 240; ///< the view is viewSize x viewSize pixels
constexpr int wallMapX = 40, wallMapY = 67;
constexpr int largestViewScale = 2; ///< the built-in pictures exist at 1x and 2x

class ViewComposer {
  public:
    /// Starts with the built-in picture set.
    ViewComposer();
    ~ViewComposer();
    ViewComposer(const ViewComposer&) = delete;
    ViewComposer& operator=(const ViewComposer&) = delete;

    /// Fills the working pictures group by group, each group wholly from the theme
    /// folder or wholly built in by the theme's group rule (groupFromFolder); an empty
    /// folder path means the built-in theme. The path is as the file system spells it
    /// (themeFolder), whatever its bytes. A theme file that cannot be read whole as a
    /// picture counts as missing, so its group is built in.
    ViewSources loadViewImages(const std::string& themeFolder);

    /// Composes from now on for a screen of `ratio` device pixels to a pixel: above 1 at
    /// scale 2 (a 480 x 480 frame for the 240 x 240 view), else at scale 1. The frames,
    /// the compass and the side arrows carry the scale as their device pixel ratio. A
    /// change of scale starts the next frame from black and lays the compass anew.
    void setDevicePixelRatio(double ratio);
    /// Device pixels to each pixel of the view: 1 or 2.
    int scale() const;

    /// Paints the strips or exit pictures of the plan into the hidden view. Standing on
    /// the exit, it paints the ending picture and shows it at once, at full light.
    void drawMaze(const ViewPlan& plan);
    /// Lays the wall-map picture over the hidden view at (40, 67).
    void drawWallMap();
    /// Lays the box pictures of the plan: open 1, 2, 3, then closed 1, 2, 3.
    void drawBox(const ViewPlan& plan);
    /// Takes `darkness` (0..255) off every colour value of the hidden view, floor 0.
    void darken(int darkness);
    /// The visible view takes a copy of the hidden one.
    void showView();
    /// The side-opening pictures for the player's own cell.
    SidePictures showSides(const Maze& maze) const;
    /// Lays compass heading 0..3 (north, east, south, west) over the compass indicator.
    void drawCompass(int heading);
    /// Puts the compass indicator back to its design picture (a new game).
    void resetCompass();

    const QImage& mazeImage() const; ///< the hidden view being composed, at the scale
    const QImage& shownView() const; ///< the last finished frame, at the scale
    const QImage& compassImage() const;
    /// A strip picture at the scale.
    const QImage& strip(StripPicture picture) const;
    /// A panel picture at 1x (the compass headings too; drawCompass lays them at the scale).
    const QImage& panelPicture(PanelPicture picture) const;
    /// The item panel's picture of an owned tool.
    const QImage& toolPicture(Tool tool) const;
    /// The item panel's picture of a tool not owned.
    const QImage& itemEmpty() const;

  private:
    struct PictureSet;
    struct Images;
    std::unique_ptr<Images> m_images;

    /// The working pictures at the current scale.
    const PictureSet& pictures() const;
    /// Fills the scale-2 pictures: built-in groups from their @2x files, theme groups
    /// scaled up from their working pictures.
    void makeDoubled();
};

/// Starts decoding every built-in picture of the view on a worker thread and returns at
/// once; composers made later share them instead of decoding them (builtinpictures.h).
/// Above one device pixel a pixel the @2x pictures are decoded too.
void preloadBuiltinPictures(double devicePixelRatio = 1);

/// Copies every pixel of `source` whose colour differs from its bottom-left pixel to
/// (x + column, y + row) of `destination`, row by row; nothing is written outside the
/// destination. Both are used as 24-bit pictures.
void transparentDraw(QImage& destination, int x, int y, const QImage& source);
/// The picture with its key colour (that of its bottom-left pixel) made transparent,
/// for the widgets that show a keyed picture rather than lay it over another.
QImage withoutKey(const QImage& picture);
/// Copies the whole of `source` to (x, y) of `destination`, clipped to the destination.
void opaqueDraw(QImage& destination, int x, int y, const QImage& source);
/// Takes `darkness` off each red, green and blue value of a 24-bit picture, floor 0.
void darkenImage(QImage& image, int darkness);

} // namespace quorvel
