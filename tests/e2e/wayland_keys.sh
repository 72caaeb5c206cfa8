#!/usr/bin/env bash
# A whole game with real key presses on a Wayland desktop: sway's headless desktop typed
# on with wtype (E2E_COMPOSITOR=sway; sway refuses root, so as root the compositor and the
# game run as the unprivileged user quorvel-e2e), or GNOME's mutter nested in the X test
# display typed on with xdotool (E2E_COMPOSITOR=mutter). Such desktops give the keyboard
# to the window shown last, the map; the game's keys must work all the same. Maze 1-1234
# by its number: a third of its shortest way walked, the map closed and opened again with
# W, another third walked, the game quit and saved, loaded again with Alt+1, and the rest
# walked to the win. The windows are known from Wayland's protocol log (set_title).
source "$(dirname "$0")/lib.sh"
[ -x "$E2E_TOOL" ] || e2e_skip "the companion tool is not built: $E2E_TOOL"
case "${E2E_COMPOSITOR:-sway}" in
sway) e2e_start_sway 1280x1024 ;;
mutter)
    e2e_require
    e2e_start_display 1280x1024 bare
    e2e_start_mutter
    ;;
*) e2e_skip "no such compositor: $E2E_COMPOSITOR" ;;
esac
e2e_new_home ann

read -r taps walked < <("$E2E_TOOL" maze --level 1 --seed 1234 | awk -f "$(dirname "$0")/ways.awk" -f "$(dirname "$0")/way_out.awk")
[ -n "${taps:-}" ] || { e2e_fail "no way out of maze 1-1234"; e2e_done; }
third=$((${#taps} / 3))
# A walk's taps (R turns right, U steps) each a press and a release of its arrow.
e2e_tap() { e2e_wayland_key "$1"; }
steps() {
    local u="${1//R/}"
    echo "${#u}"
}
# The window that has the keyboard: the surface of Wayland's last keyboard enter.
keyboard_on() {
    grep -o 'wl_keyboard@[0-9]*\.enter([0-9]*, wl_surface@[0-9]*' "$E2E_TMP/game.log" | tail -n 1 | sed 's/.*, //'
}
# The surface of the first window titled as the game screen.
game_surface() {
    awk '
        match($0, /get_xdg_surface\(new id xdg_surface@[0-9]+, wl_surface@[0-9]+/) {
            split(substr($0, RSTART, RLENGTH), p, /[ ,]+/); surface[p[3]] = p[4] }
        match($0, /xdg_surface@[0-9]+\.get_toplevel\(new id xdg_toplevel@[0-9]+/) {
            split(substr($0, RSTART, RLENGTH), p, /[.( ]+/); of[p[5]] = surface[p[1]] }
        match($0, /xdg_toplevel@[0-9]+\.set_title\("Quorvel 3-D\."\)/) {
            split(substr($0, RSTART, RLENGTH), p, "."); print of[p[1]]; exit }
    ' "$E2E_TMP/game.log"
}

e2e_wayland_game --maze 1-1234
e2e_wayland_wait "Quorvel Map" 1 30 || { e2e_fail "the game did not open"; e2e_done; }
e2e_settle 1
e2e_walk "${taps:0:third}"

# The map closed (sway by its command, GNOME by Alt+F4 on the map, which has the
# keyboard) and opened again with W.
if [ "$E2E_COMPOSITOR" = sway ]; then
    e2e_as_user swaymsg -q '[title="^Quorvel Map$"] kill'
else
    e2e_wayland_key alt+F4
fi
e2e_settle 0.5
e2e_wayland_key w
e2e_wayland_wait "Quorvel Map" 2 10 || e2e_fail "W did not open the map again"
e2e_settle 1
# GNOME gives the game screen the keyboard back when it asks (xdg-activation).
[ "$E2E_COMPOSITOR" = mutter ] && e2e_check "the keyboard is back on the game screen" "$(game_surface)" "$(keyboard_on)"
e2e_walk "${taps:third:third}"

e2e_wayland_key alt+q
e2e_wayland_wait "Quit game?" 1 || { e2e_fail "Alt+Q asked nothing"; e2e_done; }
e2e_settle 0.3
e2e_wayland_key y
e2e_wayland_wait "Save?" 1 || { e2e_fail "no offer to save"; e2e_done; }
e2e_settle 0.3
e2e_wayland_key y
e2e_wayland_wait "Quorvel 3-D." 2 || { e2e_fail "no opening screen after saving"; e2e_done; }
e2e_check "saved with the steps walked" "$(steps "${taps:0:2*third}")" "$(e2e_saved 1 stepcount)"
e2e_check "saved game's maze" "1-1234" "$(e2e_saved 1 maze)"

e2e_settle 1 # the opening screen's setup runs once it has appeared
e2e_wayland_key alt+1
e2e_wayland_wait "Quorvel Map" 3 30 || { e2e_fail "Alt+1 did not load the saved game"; e2e_done; }
e2e_settle 1
e2e_walk "${taps:2*third}"
# Maze 1-1234 walked in seconds beats the built-in best times of level 1.
e2e_wayland_wait "Winner! (New Best Time)" 1 10 || { e2e_fail "no win"; e2e_done; }
IFS=$'\t' read -r _ _ name _ _ _ steps _ < <("$E2E_TOOL" scores "$QUORVEL3D_HOME/quorvel3d.his" | head -n 1)
e2e_check "the best time is ann's, in the way's steps" "ann $walked" "$name $steps"
e2e_settle 0.5
e2e_wayland_key Escape
e2e_wayland_wait "Quorvel 3-D." 3 || e2e_fail "no opening screen after the win"
e2e_settle 1
e2e_wayland_key Escape
e2e_game_exited 10 || e2e_fail "Esc on the opening screen did not end the program"

e2e_done
