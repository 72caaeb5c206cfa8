#!/usr/bin/env bash
# A screen reader's view of the game: the game on its own display with Qt's accessibility
# bridge on, read through AT-SPI (python3-pyatspi, screen_reader.py) on an accessibility
# bus of this test's own. The client reads the opening screen's buttons, level buttons and
# load buttons by name, starts a game with the Enter button's action, reads the counters by
# name and value and the view's description, steps and hears the step counter change; the
# game is then quit with a save, and the load button of its level is read on the opening
# screen.
# A session bus of the test's own, on which the accessibility bus starts: no desktop's
# screen reader and no other test meets this game.
source "$(dirname "$0")/ownbus.sh"
shift
source "$(dirname "$0")/lib.sh"
e2e_require dbus-send dbus-update-activation-environment
[ -x /usr/libexec/at-spi-bus-launcher ] ||
    e2e_skip "the accessibility bus is not installed (scripts/setup.sh installs at-spi2-core)"
# Debian's pyatspi belongs to the system's python, which may not be the first on the path.
reader=""
for python in /usr/bin/python3 python3; do
    if "$python" -c 'import pyatspi' 2>/dev/null; then
        reader="$python"
        break
    fi
done
[ -n "$reader" ] || e2e_skip "pyatspi is not installed (scripts/setup.sh installs python3-pyatspi)"

export XDG_RUNTIME_DIR="$E2E_TMP/run" # the accessibility bus's socket is the test's own
mkdir -m 700 "$XDG_RUNTIME_DIR"
e2e_start_display 1280x1024
dbus-update-activation-environment DISPLAY XDG_RUNTIME_DIR
# The accessibility bus is up before the game starts, as on a desktop with a screen reader.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null || e2e_skip "the accessibility bus did not start"
e2e_new_home ann
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
e2e_start_game

timeout 120 "$reader" "$(dirname "$0")/screen_reader.py" opening || e2e_fail "reading the game"
E2E_GAME_WINDOW="$(e2e_find_window "Quorvel 3-D.")"
E2E_MAP="$(e2e_find_window "Quorvel Map")"
if [ -n "$E2E_MAP" ]; then
    e2e_quit_game yes || e2e_fail "the game was not quit and saved"
    timeout 60 "$reader" "$(dirname "$0")/screen_reader.py" load || e2e_fail "reading the load button"
fi
e2e_stop_game
e2e_done
