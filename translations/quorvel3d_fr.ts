<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>quorvel::AboutBox</name>
    <message>
        <source>Back to basics &lt;default&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphics by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Quorvel 3-D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A random 3-D maze: find the way out before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your food and your flashlight run out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every maze is new. Good luck in there!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit the home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for new version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look on the home page for a newer version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A link: a click visits the home page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the about box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel 3-D version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::BestTimesScreen</name>
    <message>
        <source>Nice-n-Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A little harder now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A real challenge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now we&apos;re getting there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O.K. This is hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only for the Strongest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rank %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A click shows the statistics of this game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch this run again on the game screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked: the kept run of this result plays again with the rules to this very time and gems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the best times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>third</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::CommandLine</name>
    <message>
        <source>show this help and end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the version and end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>play maze number L-S at once: level L (1 to 6)
from generator state S (0 to 4294967295); a word
that belongs to no switch is refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>watch the run kept in FILE (one of the Replays
folder) and say whether it reaches its recorded
result; Space pauses, Right plays one event,
1 2 4 set the speed, Esc stops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  -uNAME, /UNAME        play as NAME without being asked for a name (the
                        letter u in either case)
      --                end the options: what follows is passed on as it is
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every &quot;-&quot; and &quot;/&quot; in the rest of the command line starts a switch, so a
player&apos;s name writes these as escapes:
  %b a blank   %q a double quote   %p a percent sign   %d a minus   %s a slash
For example -uJohn%bSmith plays as &quot;John Smith&quot;, /UAnn%dMarie as &quot;Ann-Marie&quot;.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt&apos;s own options, with one dash or two, are passed on to Qt; among them:
  -platform NAME        the window system: xcb (X11), wayland, or offscreen
                        and minimal, which need no display
  -display DISPLAY      the X display to open (xcb)
  -style STYLE, -stylesheet FILE, -platformtheme NAME, -reverse,
  -qwindowgeometry GEOMETRY, -qwindowtitle TITLE, -qwindowicon FILE,
  -platformpluginpath PATH, -plugin NAME, -session ID, -name NAME
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On a Wayland desktop with XWayland (both WAYLAND_DISPLAY and DISPLAY set) the
game runs through X11 (Qt&apos;s xcb platform), where it can place its map window
beside the game screen and carry a locked map along, which no Wayland client
may do. Set QT_QPA_PLATFORM or give -platform to choose otherwise.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Environment:
  QUORVEL3D_HOME        the folder of the settings, saved games, best times
                        and themes; else the program&apos;s own folder when it is
                        writable, else $XDG_DATA_HOME/quorvel3d
  DISPLAY, WAYLAND_DISPLAY  the display to open
  QT_QPA_PLATFORM       Qt&apos;s platform, as -platform
  SDL_AUDIODRIVER       SDL&apos;s audio driver (dummy plays nothing)
  SDL_SOUNDFONTS        the General MIDI SoundFont of the music
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status: 0 when the game ends (or another copy is running already),
1 when it cannot start, 2 for a bad command line.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]... [-uNAME] [QT-OPTION]...
Quorvel 3-D: a random 3-D maze, seen in first person.

Options:
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::EndScreen</name>
    <message>
        <source>You Lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winner! (New Best Time)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save your game before exiting?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stats...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the game, then leave the maze.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave the maze without saving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close this window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statistics of this game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maze number
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You won, with the best time of rank %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You won.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You lost: the food ran out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leaving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are leaving this maze.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::GameScreen</name>
    <message>
        <source>north</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>east</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>south</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>west</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An opening to the left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An opening to the right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move forward.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds on or off (S).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music on or off (M).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit Maze...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit this maze.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ITEMS :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time in maze:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stepcounter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current number of steps taken in maze.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View ahead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player and sides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One step forward; the up arrow key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quarter-turn to the left; the left arrow key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quarter-turn to the right; the right arrow key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One step backwards; the down arrow key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds on or off; the S key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music on or off; the M key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Maze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave this maze, with the offer to save it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Food</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time and steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time in maze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long this maze has taken so far.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maze %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound cues on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound cues off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A wall to the left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A wall to the right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facing %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use battery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use %1; the U key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to use yet: a battery is used here once one is found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to stop playing?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::HelpWindow</name>
    <message>
        <source>Getting Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Themes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading a Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading a Previously Saved Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing the Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Necessary Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helpful Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scoring Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigating the Maze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ending the Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving a Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving a Game while in Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grand Finale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Grand Finale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel 3-D Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The topics of the help under their headings; choosing one shows its page. N, P, F and L go to the next, previous, first and last topic.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The topic shown, and the hint of a button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic %1 of %2:  %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::MapWindow</name>
    <message>
        <source>Quorvel Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock the map to the game window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; it then keeps no keys.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A larger map.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A smaller map.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overhead map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maze from above, as far as the tools show it; resting the mouse on a cell tells what it holds.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::MessageDialog</name>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kind of this message.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::MessagePanel</name>
    <message>
        <source>                                   Messages :                              </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous message recived.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Older messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message before the current one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An older message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The newest message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No message yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message Indicator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something urgent in the messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something to read in the messages.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::OpeningScreen</name>
    <message>
        <source>Please enter your name (up to 12 characters).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nice -n- &amp;Easy...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A &amp;little harder now...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A &amp;real challenge...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Now we&apos;re getting there...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O.K. This is &amp;hard...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Only for the Strongest...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Either the theme entered was not a valid path or
     One or more files were missing or corrupt.

      The theme has been reset to the defalt.
                    &lt; Back to basics &lt;Default&gt; &gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player&apos;s name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill level: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The look, words and sounds of the maze.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLEASE SELECT A &amp;THEME .</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A theme is a folder beside the game with its own walls, words and sounds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PREVIEW.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLEASE SELECT  A SKILL LEVEL .</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load the saved game of level %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go on with the game you saved at level %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A maze of %1 x %1 cells.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LET&apos;S GET STARTED!!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a new maze.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Quorvel 3-D.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Best times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The best times of every level.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The intro tune on or off (M).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intro tune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.   Press M to switch the intro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Quorvel 3-D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play under the name typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play under the name offered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name you enter must not be over 12 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name you enter can not contain \ / : * ? &quot; &lt; &gt; | . or spaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name you enter can not be used: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Walls and doors of the theme %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load saved game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::Problems</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A run cannot be watched while a game is played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run %1 cannot be watched: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1! High scores may not be able to be viewed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to read %1! High scores may not be able to be viewed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a valid Quorvel Score File! Defuault scores will be used!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is corrupt or has been altered!  Defuault scores will be used!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to read %1!  Defuault scores will be used!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a valid Quorvel Save File!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has is corrupt or has been altered!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 contains invalid data!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to read %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create Saved Game folder!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace Save File?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You already have a save file.

Do you want to save anyway? (the old save file will be replaced)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::RunWatch</name>
    <message>
        <source>a player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paused, Space goes on, Right plays one event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1x, Space pauses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watching %1&apos;s run: %2, 1 2 4 speed, Esc stops</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::SpokenPlay</name>
    <message>
        <source>%1: press %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::StatisticsScreen</name>
    <message>
        <source>Game Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Placed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the statistics.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 steps </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 placed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maze %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item, placed, found:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 placed, %3 found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best time of rank %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None placed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quorvel::StoryWindow</name>
    <message>
        <source>Quorvel 3-D Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Story</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The story of the theme.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the story.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The story of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
