"""What a screen reader reads of the running game, through AT-SPI as Orca reads it.

Run by screen_reader.sh, one part at a time, while the game runs on its display:
  opening   the opening screen's buttons, level buttons and load buttons by name, then
            Enter pressed through its action; the game screen's counters by name and
            value and the view's description; a step, heard as a change of value
  load      back on the opening screen after a save: the load button of level 2 shown
Prints "ok: ..." per check and "FAILED: ..." per failure; exits 1 on any failure.
"""

import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = 0


def check(what, expected, actual):
    global failures
    if expected == actual:
        print(f"ok: {what} ({actual})")
    else:
        print(f'FAILED: {what}: expected "{expected}", got "{actual}"')
        failures += 1


def fail(what):
    global failures
    print(f"FAILED: {what}")
    failures += 1


def pump():
    """Lets the accessibility events that came in reach their listeners."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(find, seconds=15):
    until = time.monotonic() + seconds
    while time.monotonic() < until:
        pump()
        try:
            found = find()
        except Exception:  # the game's tree changes while it is read
            found = None
        if found:
            return found
        time.sleep(0.1)
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def game():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "quorvel3d":
            return app
    return None


def window_with(role, name):
    """The shown window of the game that holds a shown control of that role and name."""
    app = game()
    if app is None:
        return None
    for window in app:
        if window is None or not showing(window):
            continue
        for node in descendants(window):
            if node.getRole() == role and node.name == name and showing(node):
                return window
    return None


def controls(window, roles):
    return [n for n in descendants(window) if n.getRole() in roles]


def named(window, role, prefix):
    for node in descendants(window):
        if node.getRole() == role and node.name.startswith(prefix) and showing(node):
            return node
    return None


def key(*keys):
    """Keys typed on the game window, as a player types them."""
    window = subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", r"^Quorvel 3-D\.$"],
        capture_output=True, text=True).stdout.split()
    if window:
        subprocess.run(["xdotool", "windowactivate", "--sync", window[0]], timeout=5)
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys])


BUTTONS = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
           pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX)
OPENING_CONTROLS = ["Enter", "Exit", "New Player", "Instructions", "About", "Best times",
                    "Intro tune", "Level 1: Nice -n- Easy",
                    "Level 2: A little harder now", "Level 3: A real challenge",
                    "Level 4: Now we're getting there", "Level 5: O.K. This is hard",
                    "Level 6: Only for the Strongest"]
VIEW_WORDS = re.compile(r"^(a wall( with the map of the maze)?|(one|two|three|four) cells?.*|the exit ahead|"
                        r"standing in the exit)(; .+)?$")


def read_opening():
    opening = wait_for(lambda: window_with(pyatspi.ROLE_PUSH_BUTTON, "Enter"))
    if opening is None:
        fail("no opening screen with an Enter button in the accessibility tree")
        return None
    check("the opening screen's name", "Quorvel 3-D.", opening.name)
    player = wait_for(lambda: named(opening, pyatspi.ROLE_LABEL, "Player's name: "))
    check("the player", "Player's name: ann", player.name if player else None)
    found = controls(opening, BUTTONS)
    for node in found:
        if showing(node):
            print(f"read: {node.getRoleName()} \"{node.name}\": {node.description}")
            if not node.name or not node.description:
                fail(f"a {node.getRoleName()} without a name or a description: \"{node.name}\"")
    names = {n.name for n in found}
    for name in OPENING_CONTROLS:
        check(f"the opening screen has \"{name}\"", True, name in names)
    # The theme box reads as the theme chosen, its label naming it, as Qt reads every
    # combo box on this desktop.
    themes = [n for n in found if n.getRole() == pyatspi.ROLE_COMBO_BOX]
    check("the theme box", ["Back to basics <Default>"], [n.name for n in themes])
    for level in range(1, 7):
        check(f"a load button of level {level}", True,
              f"Load the saved game of level {level}" in names)
    return opening


def play(opening):
    enter = named(opening, pyatspi.ROLE_PUSH_BUTTON, "Enter")
    enter.queryAction().doAction(0)  # as a screen reader's user presses it
    screen = wait_for(lambda: window_with(pyatspi.ROLE_IMAGE, "View ahead"), 30)
    if screen is None:
        fail("no game screen with the view in the accessibility tree")
        return
    counters = {}
    for what in ["Food", "Gems", "Battery", "Steps", "Time in maze"]:
        counters[what] = named(screen, pyatspi.ROLE_LABEL, what + " ")
        if counters[what] is None:
            fail(f"no counter named {what}")
            return
    for what, value, unit in [("Food", 100, ""), ("Gems", 0, ""), ("Battery", 100, "%"),
                              ("Steps", 0, "")]:
        check(f"{what.lower()} by name", f"{what} {value}{unit}", counters[what].name)
        check(f"{what.lower()} by value", value, int(counters[what].queryValue().currentValue))
    check("the clock by name", True,
          re.fullmatch(r"Time in maze 0 days, 00:00:\d\d", counters["Time in maze"].name)
          is not None)
    view = named(screen, pyatspi.ROLE_IMAGE, "View ahead")
    print(f"read: the view: {view.description}")
    check("the view in the words of spoken play", True,
          VIEW_WORDS.match(view.description) is not None)
    newest = [n for n in descendants(screen)
              if n.getRole() == pyatspi.ROLE_LABEL and n.description == "The newest message."]
    check("the newest message is read", True, bool(newest) and bool(newest[0].name))
    if newest:
        print(f"read: the newest message: {newest[0].name}")

    heard = []

    def hear(event):
        heard.append(event.source.name if event.source else "")

    pyatspi.Registry.registerEventListener(hear, "object:property-change:accessible-value",
                                           "object:property-change:accessible-name")
    for _ in range(4):  # turned towards a corridor, if there is one
        if " cell" in view.description:
            break
        before = view.description
        key("Left")
        wait_for(lambda: view.description != before, 1)
    if " cell" not in view.description:
        fail("walled in on every side: nowhere to step")
        return
    key("Up")
    stepped = wait_for(lambda: counters["Steps"].name == "Steps 1", 10)
    check("a step, by name", "Steps 1", counters["Steps"].name)
    if stepped:
        check("a step, by value", 1, int(counters["Steps"].queryValue().currentValue))
        check("the food a step takes", 99, int(counters["Food"].queryValue().currentValue))
        check("a screen reader heard the step counter change", True,
              wait_for(lambda: any(name.startswith("Steps") for name in heard), 5) is not None)
        check("the view read after the step", True, VIEW_WORDS.match(view.description) is not None)
    check("a screen reader heard the clock tick", True,
          wait_for(lambda: any(name.startswith("Time in maze") for name in heard), 5) is not None)
    pyatspi.Registry.deregisterEventListener(hear, "object:property-change:accessible-value",
                                             "object:property-change:accessible-name")


def read_load_button():
    opening = wait_for(lambda: window_with(pyatspi.ROLE_PUSH_BUTTON,
                                           "Load the saved game of level 2"))
    if opening is None:
        fail("no load button of level 2 shown after the save")
        return
    button = named(opening, pyatspi.ROLE_PUSH_BUTTON, "Load the saved game of level 2")
    check("the load button's description", "Go on with the game you saved at level 2.",
          button.description)
    shown = [n.name for n in controls(opening, [pyatspi.ROLE_PUSH_BUTTON])
             if n.name.startswith("Load") and showing(n)]
    check("the load buttons shown", ["Load the saved game of level 2"], shown)


def main():
    part = sys.argv[1] if len(sys.argv) > 1 else "opening"
    if part == "opening":
        opening = read_opening()
        if opening is not None:
            play(opening)
    else:
        read_load_button()
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
