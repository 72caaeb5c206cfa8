#pragma once
// Places the program's top-level windows by their frames, as a player sees them: a
// window stands where the corner of its frame (title bar and border included) is,
// that corner is what the settings file stores, and a centred window is centred
// frame and all. The window manager draws the frame; its size is measured once the
// window is framed, asked of the window manager before the first showing, or taken
// from a framed window of the same kind. Without a window manager the frame is what
// the platform reports (none on a bare X server, a thin border offscreen). Places and
// frames are in the game's pixels (Qt's), also on a scaled screen.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace quorvel {

/// The frame around a top-level window: left border, title bar, right and bottom borders.
QMargins frameMargins(QWidget* window);
/// True once the frame of window is known for certain: measured on the framed window or
/// told by the window manager, not estimated from another window.
bool frameKnown(QWidget* window);
/// The screen point of the frame's top-left corner.
QPoint framePosition(QWidget* window);
/// The whole window's size, frame included.
QSize frameSize(QWidget* window);
/// Puts the frame's top-left corner at corner (screen pixels), keeping the size. A
/// window placed before its frame was known is put right when it is first framed,
/// unless it was moved in between.
void placeFrame(QWidget* window, QPoint corner);
/// Centres the whole window, frame included, on the free area of its screen.
void centreFrame(QWidget* window);
/// The free area (without panels) of the screen that holds the point, else of the
/// window's screen.
QRect freeArea(QWidget* window, QPoint point);

/// The frame corner that centres a window of frame size outer on area.
QPoint centredCorner(const QRect& area, QSize outer);

/// Centres the whole window on the free area of its screen at each of its showings, with
/// the size it has for that showing: for dialogs that size themselves as they show.
void centreAtEveryShowing(QWidget* window);

/// The frame corner nearest to corner at which a window of frame size outer lies whole on
/// the free area of the screen that holds its middle (else of the window's screen); one
/// larger than that area keeps its top left corner on it. Brings a stored place back.
QPoint cornerOnScreen(QWidget* window, QPoint corner, QSize outer);

/// Sets or clears one window flag (staying on top, taking the focus) of a top-level
/// window without hiding it, as changing the flags otherwise does.
void setWindowFlagLive(QWidget* window, Qt::WindowType flag, bool on);

/// Gives a tool window a small title bar with only a close box, before it is first shown.
/// Some window managers (openbox) keep minimise and maximise boxes on every tool
/// window, but not on toolbar windows, so under X11 the window is typed a toolbar.
void useToolBorder(QWidget* window);

/// Forgets what was learnt of frames of every kind (tests start from nothing).
void forgetFrames();

} // namespace quorvel
