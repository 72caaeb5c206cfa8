#pragma once
// The game screen's controls as a player or a screen reader finds them: by their names.

#include <gtest/gtest.h>

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "screens/gamescreen.h"
#include "screens/messagepanel.h"

namespace quorvel::test {

/// The one child of screen named name; a test fails when there is not exactly one.
template <typename T>
T* part(const GameScreen& screen, const char* name) {
    const QList<T*> found = screen.findChildren<T*>(QString::fromLatin1(name));
    EXPECT_EQ(found.size(), 1) << name;
    return found.isEmpty() ? nullptr : found.front();
}

struct GameScreenParts {
    explicit GameScreenParts(const GameScreen& s)
        : viewPicture(part<QLabel>(s, "mazeimage2")), namePanel(part<QFrame>(s, "Panel3")),
          nameLabel(part<QLabel>(s, "lblname")), sideBackdrop(part<QLabel>(s, "Image1")),
          leftOpening(part<QLabel>(s, "LeftSpace")), rightOpening(part<QLabel>(s, "RightSpace")),
          compassPicture(part<QLabel>(s, "imcompass")),
          forwardButton(part<QPushButton>(s, "btnmove")),
          turnLeftButton(part<QPushButton>(s, "btnturnleft")),
          useButton(part<QPushButton>(s, "btnuse")),
          turnRightButton(part<QPushButton>(s, "btnturnright")),
          backButton(part<QPushButton>(s, "btnturnback")),
          soundsButton(part<QPushButton>(s, "btnsounds")),
          musicButton(part<QPushButton>(s, "btnmusic")), soundsState(part<QLabel>(s, "lblsounds")),
          musicState(part<QLabel>(s, "lblmusic")), quitButton(part<QPushButton>(s, "btnquit")),
          itemPanel(part<QFrame>(s, "Panel5")), itemBox(part<QGroupBox>(s, "gbitems")),
          foodPicture(part<QLabel>(s, "imfood")), gemPicture(part<QLabel>(s, "imstone")),
          batteryPicture(part<QLabel>(s, "imlight")),
          compassToolPicture(part<QLabel>(s, "imcomp")),
          detectorPicture(part<QLabel>(s, "imdetector")),
          beaconPicture(part<QLabel>(s, "imbeacon")), gpsPicture(part<QLabel>(s, "imgps")),
          trackerPicture(part<QLabel>(s, "imtrack")), foodCount(part<QLabel>(s, "lblfood")),
          gemCount(part<QLabel>(s, "lblstone")), batteryCount(part<QLabel>(s, "lblbatcount")),
          mazeNumberLine(part<QLabel>(s, "mazeNumberLine")), clockPanel(part<QFrame>(s, "Panel6")),
          clockLabel(part<QLabel>(s, "lblElapsed")),
          stepCounter(part<QLabel>(s, "lblstepcounter")),
          messagePanel(part<MessagePanel>(s, "Panel1")), clockTimer(part<QTimer>(s, "GameTimer")),
          runTimer(part<QTimer>(s, "RunTimer")) {}

    QLabel* viewPicture;
    QFrame* namePanel;
    QLabel* nameLabel;
    QLabel* sideBackdrop;
    QLabel* leftOpening;
    QLabel* rightOpening;
    QLabel* compassPicture;
    QPushButton* forwardButton;
    QPushButton* turnLeftButton;
    QPushButton* useButton;
    QPushButton* turnRightButton;
    QPushButton* backButton;
    QPushButton* soundsButton;
    QPushButton* musicButton;
    QLabel* soundsState;
    QLabel* musicState;
    QPushButton* quitButton;
    QFrame* itemPanel;
    QGroupBox* itemBox;
    QLabel* foodPicture;
    QLabel* gemPicture;
    QLabel* batteryPicture;
    QLabel* compassToolPicture;
    QLabel* detectorPicture;
    QLabel* beaconPicture;
    QLabel* gpsPicture;
    QLabel* trackerPicture;
    QLabel* foodCount;
    QLabel* gemCount;
    QLabel* batteryCount;
    QLabel* mazeNumberLine;
    QFrame* clockPanel;
    QLabel* clockLabel;
    QLabel* stepCounter;
    MessagePanel* messagePanel;
    QTimer* clockTimer;
    QTimer* runTimer;
};

inline GameScreenParts parts(const GameScreen& screen) {
    return GameScreenParts(screen);
}
inline GameScreenParts parts(const GameScreen* screen) {
    return GameScreenParts(*screen);
}
inline GameScreenParts parts(const std::unique_ptr<GameScreen>& screen) {
    return GameScreenParts(*screen);
}

} // namespace quorvel::test
