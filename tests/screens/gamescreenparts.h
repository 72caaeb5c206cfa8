#pragma once
// The game screen's controls as a player or a screen reader finds them: by their names.

#include <gtest/gtest.h>

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "screens/gamescreen.h"
#include "screens/messagepanel.h"

namespace quorvel::test {

/// The one child of screen named name; a test fails when there is not exactly one.
template <typename T> T* part(const GameScreen& screen, const char* name) {
    const QList<T*> found = screen.findChildren<T*>(QString::fromLatin1(name));
    EXPECT_EQ(found.size(), 1) << name;
    return found.isEmpty() ? nullptr : found.front();
}

struct GameScreenParts {
    explicit GameScreenParts(const GameScreen& shown) : screen(shown) {}

    const GameScreen& screen; ///< first: every part below is found in it
    QLabel* viewPicture = part<QLabel>(screen, "mazeimage2");
    QFrame* namePanel = part<QFrame>(screen, "Panel3");
    QLabel* nameLabel = part<QLabel>(screen, "lblname");
    QLabel* sideBackdrop = part<QLabel>(screen, "Image1");
    QLabel* leftOpening = part<QLabel>(screen, "LeftSpace");
    QLabel* rightOpening = part<QLabel>(screen, "RightSpace");
    QLabel* compassPicture = part<QLabel>(screen, "imcompass");
    QPushButton* forwardButton = part<QPushButton>(screen, "btnmove");
    QPushButton* turnLeftButton = part<QPushButton>(screen, "btnturnleft");
    QPushButton* useButton = part<QPushButton>(screen, "btnuse");
    QPushButton* turnRightButton = part<QPushButton>(screen, "btnturnright");
    QPushButton* backButton = part<QPushButton>(screen, "btnturnback");
    QPushButton* soundsButton = part<QPushButton>(screen, "btnsounds");
    QPushButton* musicButton = part<QPushButton>(screen, "btnmusic");
    QLabel* soundsState = part<QLabel>(screen, "lblsounds");
    QLabel* musicState = part<QLabel>(screen, "lblmusic");
    QPushButton* quitButton = part<QPushButton>(screen, "btnquit");
    QFrame* itemPanel = part<QFrame>(screen, "Panel5");
    QGroupBox* itemBox = part<QGroupBox>(screen, "gbitems");
    QLabel* foodPicture = part<QLabel>(screen, "imfood");
    QLabel* gemPicture = part<QLabel>(screen, "imstone");
    QLabel* batteryPicture = part<QLabel>(screen, "imlight");
    QLabel* compassToolPicture = part<QLabel>(screen, "imcomp");
    QLabel* detectorPicture = part<QLabel>(screen, "imdetector");
    QLabel* beaconPicture = part<QLabel>(screen, "imbeacon");
    QLabel* gpsPicture = part<QLabel>(screen, "imgps");
    QLabel* trackerPicture = part<QLabel>(screen, "imtrack");
    QLabel* foodCount = part<QLabel>(screen, "lblfood");
    QLabel* gemCount = part<QLabel>(screen, "lblstone");
    QLabel* batteryCount = part<QLabel>(screen, "lblbatcount");
    QLabel* mazeNumberLine = part<QLabel>(screen, "mazeNumberLine");
    QFrame* clockPanel = part<QFrame>(screen, "Panel6");
    QLabel* clockLabel = part<QLabel>(screen, "lblElapsed");
    QLabel* stepCounter = part<QLabel>(screen, "lblstepcounter");
    MessagePanel* messagePanel = part<MessagePanel>(screen, "Panel1");
    QTimer* clockTimer = part<QTimer>(screen, "GameTimer");
    QTimer* runTimer = part<QTimer>(screen, "RunTimer");
};

/// The parts of the game screen a pointer (plain or owning) points to.
template <typename Pointer> GameScreenParts parts(const Pointer& screen) {
    return GameScreenParts(*screen);
}

} // namespace quorvel::test
