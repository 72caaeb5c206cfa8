#!/usr/bin/env bash
# Two runs of the program at level 6, at the scale given as the first argument (1 when
# none). The game window comes back exactly where the player left it: its frame's corner
# is stored, and the next run puts the frame, not the client area, there, so the stored
# place does not creep from run to run. Keys typed while the level-6 maze is made reach no
# window: a second Enter makes no second maze, Esc asks no question and ends nothing, M
# leaves the intro.
source "$(dirname "$0")/lib.sh"
e2e_require
e2e_start_display 1280x1024
e2e_new_home Ann
e2e_set Skill 6

game_corner() {
    e2e_frame_geometry "$E2E_GAME_WINDOW" | cut -d' ' -f1,2
}

# First run: the window opens centred, frame and all, and is dragged away.
e2e_start_game
e2e_open_game || { e2e_fail "the game did not open"; e2e_done; }
read -r _ _ w h < <(e2e_frame_geometry "$E2E_GAME_WINDOW")
e2e_near "first showing centred" "$(((1280 - w) / 2)) $(((1024 - h) / 2))" "$(game_corner)"
e2e_move "$E2E_GAME_WINDOW" 210 140
e2e_settle
e2e_near "dragged to" "210 140" "$(game_corner)"
e2e_quit_game no || e2e_fail "the game did not end"
stored="$(e2e_setting Ann.Settings Left120) $(e2e_setting Ann.Settings Top120)"
e2e_near "stored frame corner" "210 140" "$stored"
e2e_key "$(e2e_wait_window "Quorvel 3-D." 10)" Escape # leaves the program
e2e_game_exited 10 || e2e_fail "the program did not end"

# Second run: Enter, and at once more keys while the maze is made.
e2e_start_game
opening="$(e2e_wait_window "Quorvel 3-D." 15)" || { e2e_fail "no opening screen"; e2e_done; }
e2e_settle 0.5
e2e_key "$opening" Return
e2e_type Return m Escape Return
e2e_game_opened || { e2e_fail "the game did not open"; e2e_done; }
e2e_near "second run: game frame" "$stored" "$(game_corner)"
e2e_check "opening screen stays hidden" "" "$(e2e_find_window "Quorvel 3-D." | grep -x "$opening")"
e2e_check "no quit question" "" "$(e2e_find_window "Quit game?")"
kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the program ended"
e2e_check "the game has the keyboard" "$E2E_GAME_WINDOW" "$(xdotool getwindowfocus)"
[ -n "${E2E_SHOTS:-}" ] && e2e_screenshot "$E2E_SHOTS/two-runs.png"

e2e_quit_game no || e2e_fail "the game did not end"
e2e_check "stored again unchanged" "$stored" \
    "$(e2e_setting Ann.Settings Left120) $(e2e_setting Ann.Settings Top120)"
e2e_key "$(e2e_wait_window "Quorvel 3-D." 10)" Escape
e2e_game_exited 10 || e2e_fail "Esc on the opening screen did not end the program"
e2e_check "intro still on" "0" "$(e2e_setting Ann.SoundSettings NoIntro)"

e2e_done
