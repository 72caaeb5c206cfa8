#pragma once
// The message panel of the game screen: one bright current line and four older
// black lines above it, and the message indicator that lights with the standard or
// the critical picture when something worth reading has happened. The game screen
// places the panel (Panel1) and lends it its Panel6 for the indicator, which shares
// that panel with the clock and the step counter.

#include <QFrame>
#include <QImage>
#include <string>
#include <string_view>

#include "host.h"

class QColor;
class QLabel;

namespace quorvel {

class MessageCatalogue;

/// Size of the indicator and of its standard and critical pictures.
constexpr int indicatorwidth = 97;
constexpr int indicatorheight = 49;

/// The built-in indicator pictures (imstandardb, imcriticalb).
QImage builtinindicatorpicture(bool critical);

class MessagePanel : public QFrame {
  public:
    /// Panel1 at its place on the game screen (253, 5), 375 by 107.
    explicit MessagePanel(QWidget* gamescreen = nullptr);

    /// Moves Label3 and the indicator imindecator into the game screen's Panel6. Until
    /// then they sit at the same places inside the panel itself.
    void placeindicator(QWidget* panel6);
    /// The indicator image (imindecator), for the game screen's own layout.
    QLabel* indicator() const { return m_indicator; }

    /// The theme's pictures (imstandard, imcritical); a null image takes the built-in one.
    void setindicatorpictures(const QImage& standard, const QImage& critical);
    /// Game start: message.bmp and critical.bmp of the theme folder when the theme
    /// supplies the whole panel set, else the built-in pictures. A theme picture that
    /// cannot be decoded falls back to its built-in one.
    void loadindicatorpictures(const std::string& themefolder);

    /// Fills the key's text for the player and shows it; false (and nothing changes)
    /// when the text comes out empty.
    bool postgamemessage(MessageCatalogue& catalogue, int key, std::string_view player,
                         Colour colour, int level);
    /// Scrolls the log and shows text as the current line in colour; level 1 lights the
    /// standard picture, level 2 the critical one. False, changing nothing, for an empty text.
    bool showgamemessage(std::string_view text, Colour colour, int level);
    /// Moves the log up one line; the oldest falls off.
    void scrollmessages();
    /// The step-end rule: at age 6 the indicator goes out and the age restarts at 0,
    /// otherwise the age grows by one.
    void ageindicator(int& indicatorage);
    void hideindicator();
    /// Empties the current line and the four older ones (a game starts).
    void clearmessages();

    /// What the panel shows: line 1 is the current line (as shown, with its two leading
    /// spaces), 2..5 the older ones, newest first.
    QString messageline(int line) const;
    QColor currentcolour() const;
    bool indicatorlit() const;
    /// The picture the indicator shows now.
    QImage indicatorpicture() const { return m_canvas; }

  private:
    QLabel* makelabel(QWidget* parent, const char* name, int x, int y, const QString& hint);

    QLabel* m_current = nullptr;          ///< lblmessagecurrent
    QLabel* m_older[4] = {};              ///< lblmessage2..lblmessage5
    QLabel* m_indicator = nullptr;        ///< imindecator
    QLabel* m_indicatorcaption = nullptr; ///< Label3
    QImage m_standard, m_critical;        ///< imstandard, imcritical
    QImage m_canvas;                      ///< what imindecator shows
};

/// The colour of a message as the panel draws it.
QColor messagecolour(Colour colour);

} // namespace quorvel
