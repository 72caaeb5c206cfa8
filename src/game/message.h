#pragma once
// What the rules say to the player. A message is asked for by its key; the catalogue
// (theme/messages.h) holds the themed words of every key and fills them for the player.
// The panel shows it in a colour, at a level that decides what the indicator shows.

#include <array>
#include <string_view>

namespace quorvel {

/// Number of message keys; keys are 0..35.
constexpr int messageKeyCount = 36;

/// The message keys, also the names of a theme's variant files (theme/messages.h gives
/// each key's word). Keys 1 to 13 double as the item codes of the item words.
enum MessageKey : int {
    msgRandom = 0,    ///< a random remark after a step, or a fun key's
    msgFood = 1,      ///< a box of food
    msgBattery = 2,   ///< a battery
    msgGem5 = 3,      ///< a gem worth 5
    msgGem3 = 4,      ///< a gem worth 3
    msgGem1 = 5,      ///< a gem worth 1
    msgStone = 6,     ///< a worthless stone
    msgCompass = 7,   ///< the compass
    msgGps = 8,       ///< the G.P.S.
    msgBeacon = 9,    ///< the beacon
    msgTracker = 10,  ///< the tracker
    msgDetector = 11, ///< the detector
    msgEmpty = 12,    ///< an empty box
    msgOpen = 13,     ///< a box already opened
    msgWallMap = 14,  ///< the wall picture of the maze straight ahead
    msgFoodTrap = 15, ///< a trap that takes food
    msgGemTrap = 16,  ///< a trap that takes gems
    msgStart = 17,    ///< a game begins
    msgLose = 18,     ///< the end screen of a lost game
    msgWin = 19,      ///< the end screen of a won game
    msgQuit = 20,     ///< the end screen's save offer
    msgRun = 21,      ///< running starts
    msgStop = 22,     ///< a wall stops the run
    msgBlocked = 23,  ///< a wall in the way
    msgUseBatt = 24,  ///< a battery used
    msgHungry = 25,   ///< food down to 50
    msgStarving = 26, ///< food below 25, every step
    msgWeakBatt = 27, ///< the battery down to 25 %
    msgDeadBatt = 28, ///< the battery empty
    msgHint = 29,     ///< the exit or the wall map beside or behind the player
    msgYell = 30,     ///< fun key Y
    msgLaugh = 31,    ///< fun key L
    msgCry = 32,      ///< fun key C
    msgJump = 33,     ///< fun key J
    msgDance = 34,    ///< fun key D
    msgExit = 35,     ///< the exit straight ahead
};

/// The name of each key, by key: the name of a theme's variant file (without ".txt"),
/// and how tools and test traces write the key.
constexpr std::array<std::string_view, messageKeyCount> messageKeywords = {
    "random",  "food",   "battery",  "gem5",     "gem3",     "gem1", "stone", "compass",
    "gps",     "beacon", "tracker",  "detector", "empty",    "open", "map",   "foodtrap",
    "gemtrap", "start",  "lose",     "win",      "quit",     "run",  "stop",  "blocked",
    "usebatt", "hungry", "starving", "weakbatt", "deadbatt", "hint", "yell",  "laugh",
    "cry",     "jump",   "dance",    "exit",
};

/// The name of a key; empty outside 0..35.
constexpr std::string_view messageKeyword(int key) {
    return key >= 0 && key < messageKeyCount ? messageKeywords[key] : std::string_view{};
}

/// Colours of the message panel, as 0x00BBGGRR.
enum class Colour : unsigned {
    white = 0xFFFFFF,
    lime = 0x00FF00,
    yellow = 0x00FFFF,
    aqua = 0xFFFF00,
};

/// How a message is shown: in the log alone, or with the indicator lit in its standard
/// or its critical picture.
enum class MessageLevel {
    log,      ///< the log only
    standard, ///< the standard indicator
    critical, ///< the critical indicator
};

} // namespace quorvel
