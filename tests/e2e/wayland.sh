#!/usr/bin/env bash
# The game on a Wayland desktop without X (weston's headless compositor, no DISPLAY and
# so no XWayland), as the package installs it with Qt's Wayland platform: the opening
# screen comes up, and a maze number opens a game with its map window. QUORVEL3D_TIMING
# naming a mark ends the game (status 0) once that window has been painted, and
# Wayland's protocol log (WAYLAND_DEBUG) shows which windows it opened.
source "$(dirname "$0")/lib.sh"
e2e_start_wayland 1280x1024
e2e_new_home Ann

# wayland_run MARK [ARGS]: the game until it has painted MARK; its status, log in MARK.log.
wayland_run() {
    local mark=$1
    shift
    QUORVEL3D_TIMING="$mark" WAYLAND_DEBUG=client SDL_AUDIODRIVER=dummy \
        timeout 60 env -u QT_QPA_PLATFORM "$E2E_GAME" "-u$E2E_PLAYER" "$@" >"$E2E_TMP/$mark.log" 2>&1
    echo $?
}
# shown MARK TEXT: yes when the run of MARK logged TEXT.
shown() {
    if grep -qF -- "$2" "$E2E_TMP/$1.log"; then echo yes; else echo no; fi
}

e2e_check "opening screen run ends at its first paint" 0 "$(wayland_run first-window)"
e2e_check "opening screen painted" yes "$(shown first-window "quorvel3d-timing first-window ")"
e2e_check "opening screen is a Wayland window" yes "$(shown first-window 'set_title("Quorvel 3-D.")')"

e2e_check "game run ends at its first view" 0 "$(wayland_run view --maze 1-12345)"
e2e_check "game's view painted" yes "$(shown view "quorvel3d-timing view ")"
e2e_check "game window opened" yes "$(shown view 'set_title("Quorvel 3-D.")')"
e2e_check "map window opened" yes "$(shown view 'set_title("Quorvel Map")')"

# On failure the game's own lines are shown, not the protocol's.
[ "$E2E_FAILURES" -eq 0 ] || grep -hv '^\[' "$E2E_TMP/first-window.log" "$E2E_TMP/view.log" \
    "$E2E_TMP/weston.log" >"$E2E_TMP/game.log"
e2e_done
