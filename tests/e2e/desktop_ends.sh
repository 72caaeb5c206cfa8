#!/usr/bin/env bash
# The desktop ends the program: SIGTERM (a logout) while the quit question is open, SIGHUP
# (the terminal closed) on the opening screen, and the display lost in the middle of a
# game. Each time the player's settings stay whole, the saved game is not written over,
# and no temporary file is left behind.
source "$(dirname "$0")/lib.sh"
e2e_require
[ -x "$E2E_TOOL" ] || e2e_skip "the companion tool is not built: $E2E_TOOL"

# The temporary files a write left half done (".NAME.abc123") in the program folders.
leftovers() {
    find "$QUORVEL3D_HOME" "$XDG_CONFIG_HOME" -type f -regextype posix-extended \
        -regex '.*/\.[^/]+\.[0-9a-z]{6}' 2>/dev/null
}

e2e_start_display 1024x768
e2e_new_home Ann
e2e_set Skill 1

# A saved game first, the one a logout must leave as it is.
e2e_start_game
e2e_open_game || { e2e_fail "the game did not open"; e2e_done; }
e2e_quit_game yes || { e2e_fail "the game was not saved"; e2e_done; }
saved="$(cksum <"$QUORVEL3D_HOME/Saved Games/Ann1.sav")"

# A new game, the quit question open, then a logout: the question is answered as Esc
# answers it, nothing is saved, and the program ends at once with status 0.
e2e_key "$E2E_OPENING" Return
e2e_game_opened || { e2e_fail "the second game did not open"; e2e_done; }
e2e_key "$E2E_GAME_WINDOW" alt+q
e2e_wait_window "Quit game?" 10 >/dev/null || { e2e_fail "no quit question"; e2e_done; }
kill -TERM "$E2E_GAME_PID"
e2e_game_exited 10 || e2e_fail "the game did not end on SIGTERM"
wait "$E2E_GAME_PID"
e2e_check "status after SIGTERM" 0 "$?"
E2E_GAME_PID=""
e2e_check "the saved game after SIGTERM" "$saved" "$(cksum <"$QUORVEL3D_HOME/Saved Games/Ann1.sav")"
e2e_check "the player after SIGTERM" Ann "$(e2e_setting Settings Player)"
e2e_check "temporaries after SIGTERM" "" "$(leftovers)"

# SIGHUP on the opening screen: the level chosen there is kept, as closing would keep it.
e2e_start_game
opening="$(e2e_wait_window "Quorvel 3-D." 15)" || { e2e_fail "no opening screen"; e2e_done; }
e2e_settle 0.5
e2e_key "$opening" alt+r # the third level
e2e_settle
kill -HUP "$E2E_GAME_PID"
e2e_game_exited 10 || e2e_fail "the game did not end on SIGHUP"
wait "$E2E_GAME_PID"
e2e_check "status after SIGHUP" 0 "$?"
E2E_GAME_PID=""
e2e_check "the level kept after SIGHUP" 3 "$(e2e_setting Ann.Settings Skill)"

# SIGTERM at the winner screen: the win was recorded before the screen showed, once, and
# its run verifies.
e2e_beatable_times
read -r taps _ < <("$E2E_TOOL" maze --level 1 --seed 1234 |
    awk -f "$(dirname "$0")/ways.awk" -f "$(dirname "$0")/way_out.awk")
e2e_start_game --maze 1-1234
e2e_game_opened || { e2e_fail "maze 1-1234 did not open"; e2e_done; }
e2e_walk "$taps"
e2e_wait_window "Winner! (New Best Time)" 10 >/dev/null || { e2e_fail "no win"; e2e_done; }
kill -TERM "$E2E_GAME_PID"
e2e_game_exited 10 || e2e_fail "the game did not end on SIGTERM at the winner screen"
E2E_GAME_PID=""
e2e_check "rows of Ann after SIGTERM at the winner screen" 1 \
    "$("$E2E_TOOL" scores "$QUORVEL3D_HOME/quorvel3d.his" | awk -F'\t' '$3 == "Ann"' | wc -l)"
runs=("$QUORVEL3D_HOME"/Replays/*.run)
e2e_check "runs kept" 1 "${#runs[@]}"
"$E2E_TOOL" replay "${runs[0]}" >"$E2E_TMP/replay" 2>&1
e2e_check "the run verifies" "0 verified" "$? $(tail -n 1 "$E2E_TMP/replay")"

# The display goes in the middle of a game: the program ends, its files stay whole.
before="$(cksum <"$QUORVEL3D_HOME/quorvel3d.ini")"
e2e_start_game
e2e_open_game || { e2e_fail "the third game did not open"; e2e_done; }
e2e_key "$E2E_GAME_WINDOW" Up Up Right Up
kill -KILL "${E2E_PIDS[0]}" # Xvfb, the first thing started
e2e_game_exited 10 || e2e_fail "the game did not end when its display went"
E2E_GAME_PID=""
e2e_check "the settings after the display went" "$before" "$(cksum <"$QUORVEL3D_HOME/quorvel3d.ini")"
e2e_check "the saved game after the display went" "$saved" \
    "$(cksum <"$QUORVEL3D_HOME/Saved Games/Ann1.sav")"
e2e_check "temporaries after the display went" "" "$(leftovers)"
e2e_done
