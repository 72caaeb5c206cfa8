#!/usr/bin/env bash
# A held arrow key steps once, also with both processors busy, when many of the key's
# repeats reach the game looking like real releases. The steps are read back from a
# saved game, in a corridor long enough that a second step would show.
source "$(dirname "$0")/lib.sh"
e2e_require
[ -x "$E2E_TOOL" ] || e2e_skip "the companion tool is not built: $E2E_TOOL"
e2e_start_display 1024x768
xset r on r rate 500 30 2>/dev/null # the usual desktop repeat: after half a second, 30 a second
e2e_new_home Ann
e2e_set Skill 1
e2e_start_game
e2e_open_game || { e2e_fail "the game did not open"; e2e_done; }
e2e_quit_game yes || { e2e_fail "the game was not saved"; e2e_done; }

# A way from the start to a cell with two open cells ahead, as taps: R turns right, U
# steps; then the number of steps it takes.
row="$(e2e_saved 1 posrow)" col="$(e2e_saved 1 poscol)" facing="$(e2e_saved 1 facing)"
read -r taps walked < <("$E2E_TOOL" save "$QUORVEL3D_HOME/Saved Games/${E2E_PLAYER}1.sav" |
    awk -v r0="$row" -v c0="$col" -v f0="$facing" -f "$(dirname "$0")/ways.awk" -f "$(dirname "$0")/corridor.awk")
[ -n "${taps:-}" ] || e2e_skip "no corridor of two cells in this maze (a rare maze)"
[ "$taps" = - ] && taps=""

opening="$(e2e_wait_window "Quorvel 3-D." 10)"
e2e_settle 0.5
e2e_key "$opening" alt+1 # the load button of level 1
e2e_game_opened 20 || { e2e_fail "the saved game did not load"; e2e_done; }
e2e_walk "$taps"

# Both processors busy, the Up key held for two seconds.
for _ in 1 2; do
    (while :; do :; done) &
    E2E_PIDS+=($!)
    busy+=($!)
done
e2e_activate "$E2E_GAME_WINDOW"
xdotool keydown Up
sleep 2
xdotool keyup Up
kill "${busy[@]}"
e2e_settle 1
[ -n "${E2E_SHOTS:-}" ] && e2e_screenshot "$E2E_SHOTS/held-arrow.png"
e2e_quit_game yes || { e2e_fail "the game was not saved again"; e2e_done; }
e2e_check "steps taken" "$((walked + 1))" "$(e2e_saved 1 stepcount)"

e2e_done
