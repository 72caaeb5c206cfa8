#!/usr/bin/env bash
# A new player on a 1024 x 768 screen, at the scale given as the first argument (1 when
# none). The name box and its refusal stand centred on the screen, frame and all, at every
# showing. The map window's frame, title bar included, stands at the game screen's client
# point (412, 200) when it opens and after every move of the game window; zoomed in, the
# whole window stays on the screen; it has a tool window's title bar and leaves the
# keyboard to the game after clicks on it.
source "$(dirname "$0")/lib.sh"
e2e_require
e2e_start_display 1024x768
e2e_new_home Ann
e2e_set Skill 1
e2e_start_unnamed

# The name box offers the last player; a name of 13 letters is refused, and it asks again.
ask="$(e2e_wait_window "Welcome to Quorvel 3-D" 15)" || { e2e_fail "no name box"; e2e_done; }
opening="$(e2e_find_window "Quorvel 3-D.")"
e2e_check "name box centred" yes "$(e2e_centred "$ask")"
e2e_key "$ask" ctrl+a A b c d e f g h i j k l m Return
refusal=""
for _ in $(seq 100); do
    refusal="$(xdotool search --onlyvisible --name '^Quorvel 3-D\.$' | grep -vx "$opening" | head -n 1)"
    [ -n "$refusal" ] && xprop -id "$refusal" _NET_FRAME_EXTENTS | grep -q '=' && break
    sleep 0.05
done
[ -n "$refusal" ] || { e2e_fail "the long name was not refused"; e2e_done; }
e2e_check "refusal centred" yes "$(e2e_centred "$refusal")"
e2e_key "$refusal" Return
ask="$(e2e_wait_window "Welcome to Quorvel 3-D" 10)" || { e2e_fail "no second name box"; e2e_done; }
e2e_check "name box centred again" yes "$(e2e_centred "$ask")"
e2e_key "$ask" ctrl+a A n n Return
e2e_wait_gone "Welcome to Quorvel 3-D" || e2e_fail "the name Ann was not taken"
e2e_open_game || { e2e_fail "the game did not open"; e2e_done; }

# Where the map's frame must be: the game's client corner plus (412, 200).
map_wanted() {
    local x y w h
    read -r x y w h < <(e2e_client_geometry "$E2E_GAME_WINDOW")
    echo "$((x + 412)) $((y + 200))"
}
map_corner() {
    e2e_frame_geometry "$E2E_MAP" | cut -d' ' -f1,2
}

e2e_near "map frame on first showing" "$(map_wanted)" "$(map_corner)"
e2e_check "map title bar without minimise" "" \
    "$(xprop -id "$E2E_MAP" _NET_WM_ALLOWED_ACTIONS | grep -o MINIMIZE)"
e2e_check "map never takes the keyboard" "False" \
    "$(xprop -id "$E2E_MAP" WM_HINTS | sed -n 's/.*input focus: //p')"

# Four steps of zoom: the side is cut to the largest multiple of 25 that keeps the
# whole window, frame included, on the screen from where it stands.
read -r mx my _ _ < <(e2e_client_geometry "$E2E_MAP")
for _ in 1 2 3 4; do
    e2e_click $((mx + 38)) $((my + 14)) # ZoomPlus
    e2e_settle 0.2
done
e2e_settle
read -r fx fy fw fh < <(e2e_frame_geometry "$E2E_MAP")
read -r l r t b < <(e2e_frame_extents "$E2E_MAP")
across=$((1024 - fx - l - r)) down=$((768 - fy - t - b - 29))
side=$(((across < down ? across : down) / 25 * 25))
e2e_near "zoomed map client" "$side $((side + 29))" \
    "$(e2e_client_geometry "$E2E_MAP" | cut -d' ' -f3,4)"
e2e_check "zoomed map within the screen" "yes" \
    "$([ $((fx + fw)) -le 1024 ] && [ $((fy + fh)) -le 768 ] && echo yes || echo no)"
e2e_check "keyboard after clicks on the zoom button" "$E2E_GAME_WINDOW" "$(xdotool getwindowfocus)"
[ -n "${E2E_SHOTS:-}" ] && e2e_screenshot "$E2E_SHOTS/map-zoomed.png"

e2e_move "$E2E_GAME_WINDOW" 100 90
e2e_settle
e2e_near "game frame after the first move" "100 90" \
    "$(e2e_frame_geometry "$E2E_GAME_WINDOW" | cut -d' ' -f1,2)"
e2e_near "map frame after the first move" "$(map_wanted)" "$(map_corner)"
e2e_move "$E2E_GAME_WINDOW" 180 120
e2e_settle
e2e_near "map frame after the second move" "$(map_wanted)" "$(map_corner)"

# Clicks on the map's picture and buttons leave the keyboard with the game.
read -r mx my _ _ < <(e2e_client_geometry "$E2E_MAP")
for _ in 1 2 3; do
    e2e_click $((mx + 58)) $((my + 14)) # ZoomMin
    e2e_click $((mx + 60)) $((my + 60)) # the map picture
done
e2e_settle
e2e_check "keyboard after clicks on the map" "$E2E_GAME_WINDOW" "$(xdotool getwindowfocus)"
[ -n "${E2E_SHOTS:-}" ] && e2e_screenshot "$E2E_SHOTS/map-moved.png"

e2e_done
