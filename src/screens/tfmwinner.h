#pragma once
// The end screen: the one dialog shown when a game ends, won, lost, or quit with the
// offer to save. The caller prepares it (caption, picture, messages, buttons, sound)
// and shows it modally.

#include <QDialog>
#include <QImage>
#include <functional>

#include "host.h"

class QLabel;
class QPushButton;

namespace quorvel {

struct Session;

class Tfmwinner : public QDialog {
    Q_OBJECT
  public:
    explicit Tfmwinner(Session& session, QWidget* parent = nullptr);

    /// Prepares the dialog for one use and shows it modally; returns the answer.
    Answer showend(const EndScreen& screen);

    /// Opens the statistics of the game just won (until the statistics screen exists,
    /// nothing); given the rank.
    std::function<void(int)> showgamestats;

    int rank() const { return m_rank; }

    QLabel* imendgame;
    QLabel* lblWinnMsg;
    QLabel* lblWinnMsg2;
    QPushButton* btnYes;
    QPushButton* btnClose;
    QPushButton* btnNo;
    QPushButton* btnStats;
    QImage imwinner, imlooser, imquit;

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    Session& m_session;
    std::string m_soundname;
    std::string m_soundfallback;
    int m_rank = 0;

    void setpicture(const QImage& picture);
};

} // namespace quorvel
