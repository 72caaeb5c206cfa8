#pragma once
// The message panel of the game screen: one bright current line and four older
// black lines above it, and the message indicator that lights with the standard or
// the critical picture when something worth reading has happened. A line too long for
// the panel ends in an ellipsis and shows its whole text as its tooltip. The game screen
// places the panel (Panel1) and lends it its clockPanel for the indicator, which shares
// that panel with the clock and the step counter.

#include <QFrame>
#include <QImage>
#include <functional>
#include <string>
#include <string_view>

#include "game/host.h"

class QColor;
class QLabel;

namespace quorvel {

class MessageCatalogue;

/// Size of the indicator and of its standard and critical pictures.
constexpr int indicatorWidth = 97;
constexpr int indicatorHeight = 49;

/// The built-in indicator pictures (imstandardb, imcriticalb).
QImage builtinIndicatorPicture(bool critical);

class MessagePanel : public QFrame {
    Q_OBJECT
  public:
    /// Panel1 at its place on the game screen (253, 5), 375 by 107.
    explicit MessagePanel(QWidget* gameScreen = nullptr);

    /// Moves Label3 and the indicator imindecator into the game screen's clockPanel. Until
    /// then they sit at the same places inside the panel itself.
    void placeIndicator(QWidget* panel6);
    /// The indicator image (imindecator), for the game screen's own layout.
    QLabel* indicator() const { return m_indicator; }

    /// The theme's pictures (imstandard, imcritical); a null image takes the built-in one.
    void setIndicatorPictures(const QImage& standard, const QImage& critical);
    /// Game start: message.bmp and critical.bmp of the theme folder when the theme
    /// supplies the whole panel set, else the built-in pictures. A theme picture that
    /// cannot be decoded falls back to its built-in one.
    void loadIndicatorPictures(const std::string& themeFolder);

    /// Fills the key's text for the player and shows it; false (and nothing changes)
    /// when the text comes out empty.
    bool postGameMessage(MessageCatalogue& catalogue, MessageKey key, std::string_view player,
                         Colour colour, MessageLevel level);
    /// Scrolls the log and shows text as the current line in colour; a standard or
    /// critical level lights that picture of the indicator. False, changing nothing, for
    /// an empty text.
    bool showGameMessage(std::string_view text, Colour colour, MessageLevel level);
    /// Moves the log up one line; the oldest falls off.
    void scrollMessages();
    /// The step-end rule: at age 6 the indicator goes out and the age restarts at 0,
    /// otherwise the age grows by one.
    void ageIndicator(int& indicatorAge);
    void hideIndicator();
    /// Empties the current line and the four older ones (a game starts).
    void clearMessages();


    /// The whole text of a line, also when the panel shows it cut with an ellipsis: line
    /// 1 is the current line (with its two leading spaces), 2..5 the older ones, newest
    /// first.
    QString messageLine(int line) const;
    QColor currentColour() const;
    bool indicatorLit() const;
    /// The picture the indicator shows now.
    QImage indicatorPicture() const { return m_canvas; }


  signals:
    /// A new current line appeared: its whole text without the leading blanks (spoken
    /// play says it).
    void lineShown(const std::string& line);
  private:
    QLabel* makeLabel(QWidget* parent, const char* name, int x, int y, const QString& hint);

    QLabel* m_current = nullptr;          ///< lblmessagecurrent
    QLabel* m_older[4] = {};              ///< lblmessage2..lblmessage5
    QLabel* m_indicator = nullptr;        ///< imindecator
    QLabel* m_indicatorCaption = nullptr; ///< Label3
    QImage m_standard, m_critical;        ///< imstandard, imcritical
    QImage m_canvas;                      ///< what imindecator shows
};

/// The colour of a message as the panel draws it.
QColor messageColour(Colour colour);

} // namespace quorvel
