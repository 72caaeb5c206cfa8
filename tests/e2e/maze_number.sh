#!/usr/bin/env bash
# A shared maze number: `quorvel3d --maze 3-12345 /Ubob` opens bob's game on that maze at
# once, with no opening screen (the last player was someone else); saved at once, the
# grid is what `quorvel3d-tool maze --level 3 --seed 12345` prints and the saved game
# keeps the number. When the game ends, the opening screen comes.
source "$(dirname "$0")/lib.sh"
e2e_require
e2e_start_display 1280x1024
e2e_new_home ann
E2E_PLAYER=bob

e2e_start_unnamed --maze 3-12345 /Ubob

e2e_game_opened || { e2e_fail "the game did not open"; e2e_done; }
e2e_check "one window of that title: the game's, no opening screen" "1" \
    "$(xdotool search --onlyvisible --name '^Quorvel 3-D\.$' | wc -l)"
e2e_check "the game has the keyboard" "$E2E_GAME_WINDOW" "$(xdotool getwindowfocus)"
[ -n "${E2E_SHOTS:-}" ] && e2e_screenshot "$E2E_SHOTS/maze-number-game.png"

e2e_quit_game yes || e2e_fail "the game did not end"
e2e_check "saved for bob at level 3" "60" "$(e2e_saved 3 mazesize)"
e2e_check "the saved game keeps the number" "3-12345" "$(e2e_saved 3 maze)"
"$E2E_TOOL" save "$QUORVEL3D_HOME/Saved Games/bob3.sav" | sed -n '/^grid$/,/^placed/p' |
    sed '1d;/^placed/d' >"$E2E_TMP/saved-grid"
"$E2E_TOOL" maze --level 3 --seed 12345 | tail -n +3 >"$E2E_TMP/tool-grid"
e2e_check "61 rows saved" "61" "$(wc -l <"$E2E_TMP/saved-grid")"
if cmp -s "$E2E_TMP/saved-grid" "$E2E_TMP/tool-grid"; then
    echo "ok: the saved grid is the maze quorvel3d-tool prints for level 3, seed 12345"
else
    e2e_fail "the saved grid is not the maze quorvel3d-tool prints for level 3, seed 12345"
fi
read -r _ row col _ facing _ turn _ < <("$E2E_TOOL" maze --level 3 --seed 12345 | sed -n 2p)
e2e_check "unmoved at the maze's start" "$row $col $facing $turn" \
    "$(e2e_saved 3 posrow) $(e2e_saved 3 poscol) $(e2e_saved 3 facing) $(e2e_saved 3 compassturn)"

opening="$(e2e_wait_window "Quorvel 3-D." 10)" || { e2e_fail "no opening screen after"; e2e_done; }
e2e_settle 0.5
e2e_check "bob is the last player now" "bob" "$(e2e_setting Settings Player)"
e2e_key "$opening" Escape
e2e_game_exited 10 || e2e_fail "Esc on the opening screen did not end the program"

e2e_done
