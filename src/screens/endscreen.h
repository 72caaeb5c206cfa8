#pragma once
// The end screen: the one dialog shown when a game ends, won, lost, or quit with the
// offer to save. The caller prepares it (caption, picture, messages, buttons, sound)
// and shows it modally.

#include <QDialog>
#include <QImage>
#include <functional>
#include <string>

#include "game/host.h"

class QLabel;
class QPushButton;

namespace quorvel {

struct Session;

/// The winner's trophy with the rank reached (1, 2 or 3) written on its cup; the
/// plain trophy for any other rank (no best time, or a best-times file that could not
/// be written).
QImage trophyPicture(const QImage& trophy, int rank);

class EndScreen : public QDialog {
    Q_OBJECT
  public:
    explicit EndScreen(Session& session, QWidget* parent = nullptr);

    /// Prepares the dialog for one use and shows it modally; returns the answer.
    Answer showEnd(const EndScreenSetup& screen);

    int rank() const { return m_rank; }
    /// The dialog in words, as spoken play says it when it shows: its caption, the
    /// message, the question, the maze's number and the buttons with their keys.
    std::string spokenWords() const;

    QLabel* endPicture;
    QLabel* messageLine;
    QLabel* questionLine;
    QLabel* mazeNumberLine; ///< the maze's number in the top left corner; hidden when unknown
    QPushButton* yesButton;
    QPushButton* closeButton;
    QPushButton* noButton;
    QPushButton* statsButton;
    QImage winnerPicture, loserPicture, quitPicture;


  signals:
    /// The statistics of the game just ended were asked for; rank is its best-times
    /// rank 1..3, or 0.
    void statisticsWanted(int rank);
  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    Session& m_session;
    Sound m_sound = Sound::none;
    int m_rank = 0;

    void setPicture(const QImage& picture);
    void showMessage(const EndScreenSetup& screen);
    void describePicture(const EndScreenSetup& screen);
};

} // namespace quorvel
