# End-to-end helpers: the real game on a private X display with a real window
# manager (openbox), driven by xdotool and measured with xwininfo and xprop.
# Sourced by the tests in this folder, never run. A test's first argument is the scale the
# game runs at (QT_SCALE_FACTOR: 1, 1.5, 2; 1 when not given): the display is that much
# larger, and every place and size the helpers take or give is in the game's own pixels,
# the display's pixels divided by the scale, as the game places its windows and stores
# their places.
#
#   e2e_require              skip (exit 77) unless Xvfb, openbox, xdotool, xprop, xwininfo exist
#   e2e_start_display [WxH] [bare]  a fresh Xvfb with openbox on it (none when bare), WxH
#                            at the scale; exports DISPLAY
#   e2e_start_wayland [WxH]  a Wayland desktop without X instead: weston's headless
#                            compositor (skip without weston); exports WAYLAND_DISPLAY
#   e2e_start_sway [WxH]     sway's headless desktop (pixman, no X) with a keyboard that
#                            wtype types on; sway refuses root, so as root sway and the
#                            game run as the unprivileged user quorvel-e2e (made once)
#   e2e_start_mutter         GNOME's compositor nested in a bare X display (e2e_start_display
#                            WxH bare first) on a session bus of its own; xdotool types into it
#   e2e_wayland_game [ARGS]  the game on that desktop, player PLAYER, silent, Wayland's
#                            protocol log in its output
#   e2e_wayland_key KEY...   types keys (xdotool names: Right, alt+q) on that desktop
#   e2e_wayland_wait TITLE N waits until the game has opened N windows of that title
#   e2e_new_home PLAYER      a fresh program folder whose settings name PLAYER; exports it
#   e2e_start_speech         a private speech-dispatcher with espeak-ng, audio to ALSA's null
#                            device (skip without them or Qt's plug-in); exports
#                            SPEECHD_ADDRESS; `said` prints the texts its log shows received,
#                            `heard PATTERN SECONDS [AFTER]` waits for one
#   e2e_start_game [ARGS]    the game on that display, player PLAYER, silent
#   e2e_start_unnamed [ARGS] the game without switch U: the name box offers PLAYER
#   e2e_stop_game            ends the game started here (by its process id)
#   e2e_wait_window TITLE    waits until a window of exactly that title is shown; prints its id
#   e2e_wait_gone TITLE      waits until no window of that title is shown
#   e2e_client_geometry ID   "x y width height" of the window's client area on the screen
#   e2e_frame_geometry ID    "x y width height" of its frame, title bar included
#   e2e_frame_extents ID     "left right top bottom" from _NET_FRAME_EXTENTS
#   e2e_key ID KEY...        makes the window active and types keys (xdotool key names)
#   e2e_type KEY...          types keys wherever the keyboard focus is
#   e2e_move ID X Y          drags the window by its title bar until its frame's corner is at X Y
#   e2e_click X Y            a click of the left button at X Y
#   e2e_centred ID           "yes" when the window's frame is centred on the screen (to a pixel)
#   e2e_open_game            Enter on the opening screen; sets E2E_OPENING, E2E_GAME_WINDOW, E2E_MAP
#   e2e_game_opened [SECONDS] waits for the game's map window (30 s); sets E2E_GAME_WINDOW, E2E_MAP
#   e2e_quit_game yes|no     quits the game by its Quit button, answering the save offer
#   e2e_saved LEVEL NAME     one value of the player's saved game (quorvel3d-tool save)
#   e2e_beatable_times       a best-times table that any win enters
#   e2e_walk TAPS            walks a way (R a right turn, U a step) in the game screen
#   e2e_screenshot FILE      the whole screen as a PNG (when ImageMagick is there)
#   e2e_check WHAT EXPECTED ACTUAL, e2e_near (the same, a pixel's rounding allowed at a
#                            scale that is not whole), e2e_fail MESSAGE, e2e_done   results
#
# Each test's temporary files live in E2E_TMP, removed on exit with everything started here.

set -uo pipefail

E2E_SKIP=77
E2E_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
E2E_GAME="${QUORVEL3D_EXE:-$E2E_ROOT/build/bin/quorvel3d}"
E2E_TOOL="${QUORVEL3D_TOOL:-$(dirname "$E2E_GAME")/quorvel3d-tool}"
E2E_TMP="$(mktemp -d "${TMPDIR:-/tmp}/quorvel-e2e.XXXXXX")"
E2E_PIDS=()
E2E_GAME_PID=""
E2E_FAILURES=0
E2E_SCALE="${1:-1}"

# e2e_until SECONDS PAUSE COMMAND...: true once COMMAND succeeds, tried again every PAUSE
# seconds; false when it has not within that time (by the clock, not by a count of tries).
e2e_until() {
    local until=$((SECONDS + $1)) pause="$2"
    shift 2
    while [ "$SECONDS" -le "$until" ]; do
        "$@" && return 0
        sleep "$pause"
    done
    return 1
}

# e2e_ended PID SECONDS: true when the process ended within that time.
e2e_ended() { e2e_until "$2" 0.05 e2e_not_running "$1"; }
e2e_not_running() { ! kill -0 "$1" 2>/dev/null; }

# e2e_end_process PID SECONDS: asks the process to end and waits that long for it; one
# that is still there then (a speech service waiting on its module, a screen reader on
# its bus) is killed, so the test never waits for its own helpers until CTest's timeout.
e2e_end_process() {
    kill "$1" 2>/dev/null || return 0
    if ! e2e_ended "$1" "$2"; then
        echo "cleanup: $(ps -o comm= -p "$1" 2>/dev/null) ($1) did not end on SIGTERM" >&2
        kill -KILL "$1" 2>/dev/null
    fi
    wait "$1" 2>/dev/null
}

e2e_cleanup() {
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        e2e_end_process "${E2E_PIDS[$i]}" 10
    done
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

e2e_skip() {
    echo "SKIP: $*"
    exit "$E2E_SKIP"
}

e2e_require() {
    local tool
    for tool in Xvfb openbox xdotool xprop xwininfo "$@"; do
        command -v "$tool" >/dev/null || e2e_skip "$tool is not installed (scripts/setup.sh installs it)"
    done
    [ -x "$E2E_GAME" ] || e2e_skip "the game is not built: $E2E_GAME"
}

# e2e_device N...: the display's pixels of the game's N (rounded as Qt rounds).
e2e_device() {
    awk -v s="$E2E_SCALE" 'BEGIN { for (i = 1; i < ARGC; i++) printf "%d%s", int(ARGV[i] * s + 0.5), (i < ARGC - 1 ? " " : "\n") }' "$@"
}

# e2e_logical N...: the game's pixels of the display's N.
e2e_logical() {
    awk -v s="$E2E_SCALE" 'BEGIN { for (i = 1; i < ARGC; i++) printf "%d%s", int(ARGV[i] / s + 0.5), (i < ARGC - 1 ? " " : "\n") }' "$@"
}

e2e_start_display() {
    local size="${1:-1280x1024}" fifo="$E2E_TMP/display" number=""
    E2E_SCREEN_WIDTH="${size%x*}" E2E_SCREEN_HEIGHT="${size#*x}"
    size="$(e2e_device "$E2E_SCREEN_WIDTH" "$E2E_SCREEN_HEIGHT" | tr ' ' x)"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$fifo" 2>"$E2E_TMP/xvfb.log" &
    E2E_PIDS+=($!)
    # Without -noreset the server starts afresh as its last client leaves, and a client
    # connecting then is refused: openbox just after the check below. A loaded machine
    # may take seconds to start it and let the first client in: wait by the clock, not
    # by a count of tries, before anything connects.
    local until=$((SECONDS + 30))
    while [ -z "$number" ] && [ "$SECONDS" -le "$until" ]; do
        number="$(cat "$fifo" 2>/dev/null)"
        [ -n "$number" ] || sleep 0.05
    done
    [ -n "$number" ] || e2e_skip "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
    export DISPLAY=":$number"
    e2e_until 30 0.05 e2e_x_answers || e2e_skip "Xvfb did not answer on $DISPLAY"
    [ "${2:-}" = bare ] && return 0
    # openbox with its stock settings, not the user's.
    XDG_CONFIG_HOME="$E2E_TMP/config" openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_until 30 0.05 e2e_wm_running || e2e_skip "openbox did not start: $(cat "$E2E_TMP/openbox.log")"
}
e2e_x_answers() { xprop -root >/dev/null 2>&1; }
e2e_wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

e2e_start_wayland() {
    local size="${1:-1280x1024}"
    command -v weston >/dev/null || e2e_skip "weston is not installed (scripts/setup.sh installs it)"
    [ -x "$E2E_GAME" ] || e2e_skip "the game is not built: $E2E_GAME"
    # A runtime folder of its own holds the compositor's socket; no X display, so no XWayland.
    export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset DISPLAY
    export XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=quorvel-e2e
    weston --backend=headless-backend.so --no-config --idle-time=0 --socket="$WAYLAND_DISPLAY" \
        --width="${size%x*}" --height="${size#*x}" >"$E2E_TMP/weston.log" 2>&1 &
    E2E_PIDS+=($!)
    for _ in $(seq 600); do # thirty seconds, as for sway
        [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && return 0
        sleep 0.05
    done
    e2e_skip "weston did not start: $(tail -n 5 "$E2E_TMP/weston.log")"
}

# The user the Wayland desktop and the game run as: ourselves, or for root (as CI runs)
# the unprivileged quorvel-e2e, since sway refuses to run as root. The test's folder is
# then opened for it, and what it writes is its own.
e2e_wayland_user() {
    E2E_AS=()
    [ "$(id -u)" -ne 0 ] && return 0
    command -v runuser >/dev/null || e2e_skip "runuser is not installed"
    id -u quorvel-e2e >/dev/null 2>&1 ||
        useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin \
            quorvel-e2e || e2e_skip "no unprivileged user for sway could be made"
    E2E_AS=(runuser -u quorvel-e2e --)
    chmod 755 "$E2E_TMP"
}

# e2e_as_user COMMAND...: runs a command as that user on the test's desktop. Started in
# the background, "${E2E_USER[@]}" COMMAND & is the one to end by its process id.
e2e_as_user() {
    "${E2E_USER[@]}" "$@"
}
e2e_user_env() {
    E2E_USER=("${E2E_AS[@]}" env HOME="$E2E_TMP" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR"
        WAYLAND_DISPLAY="${WAYLAND_DISPLAY:-}")
}

e2e_start_sway() {
    local size="${1:-1280x1024}" tool socket
    for tool in sway swaymsg wtype; do
        command -v "$tool" >/dev/null || e2e_skip "$tool is not installed (scripts/setup.sh installs it)"
    done
    [ -x "$E2E_GAME" ] || e2e_skip "the game is not built: $E2E_GAME"
    e2e_wayland_user
    E2E_COMPOSITOR=sway
    export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    [ ${#E2E_AS[@]} -gt 0 ] && chown quorvel-e2e: "$XDG_RUNTIME_DIR"
    unset DISPLAY WAYLAND_DISPLAY
    export XDG_SESSION_TYPE=wayland
    # Its stock look, no X, and an output of the size asked; fixed-size windows float.
    printf 'output * resolution %s\nxwayland disable\n' "$(e2e_device "${size%x*}" "${size#*x}" | tr ' ' x)" \
        >"$E2E_TMP/sway.config"
    e2e_user_env
    "${E2E_USER[@]}" WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        sway -c "$E2E_TMP/sway.config" >"$E2E_TMP/sway.log" 2>&1 &
    E2E_PIDS+=($!)
    # Thirty seconds at most: on a machine busy with other tests a compositor is slow to
    # come up, and a test that gave up on it would be skipped, not run.
    for _ in $(seq 600); do
        socket="$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -type s -name 'wayland-*' -printf '%f' -quit)"
        SWAYSOCK="$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -type s -name 'sway-ipc.*' -print -quit)"
        [ -n "$socket" ] && [ -n "$SWAYSOCK" ] && break
        sleep 0.05
    done
    [ -n "$socket" ] || e2e_skip "sway did not start: $(tail -n 5 "$E2E_TMP/sway.log")"
    export WAYLAND_DISPLAY="$socket" SWAYSOCK
    e2e_user_env
    # A headless desktop has no keyboard, and one that comes and goes with each wtype
    # reaches the game too late for its key: one virtual keyboard stays for the whole test.
    mkfifo "$E2E_TMP/keyboard"
    "${E2E_USER[@]}" wtype - <"$E2E_TMP/keyboard" &
    E2E_PIDS+=($!)
    exec 9>"$E2E_TMP/keyboard"
}

e2e_start_mutter() {
    local tool
    for tool in mutter dbus-daemon; do
        command -v "$tool" >/dev/null || e2e_skip "$tool is not installed (scripts/setup.sh installs it)"
    done
    E2E_AS=()
    E2E_COMPOSITOR=mutter
    export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    dbus-daemon --session --nofork --print-address=3 3>"$E2E_TMP/bus" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    for _ in $(seq 100); do
        [ -s "$E2E_TMP/bus" ] && break
        sleep 0.05
    done
    DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$E2E_TMP/bus")"
    export DBUS_SESSION_BUS_ADDRESS XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=quorvel-e2e
    e2e_user_env
    mutter --nested --wayland --no-x11 --wayland-display="$WAYLAND_DISPLAY" >"$E2E_TMP/mutter.log" 2>&1 &
    E2E_PIDS+=($!)
    # Its window in the X display (which xdotool's search does not find) takes the keys
    # xdotool types; no window manager there takes any (openbox would close it at Alt+F4).
    local window=""
    for _ in $(seq 600); do # thirty seconds, as for sway
        window="$(xwininfo -root -children 2>/dev/null | awk '$2 == "\"mutter\":" {print $1; exit}')"
        [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && [ -n "$window" ] && break
        sleep 0.05
    done
    [ -n "$window" ] || e2e_skip "mutter did not start: $(tail -n 5 "$E2E_TMP/mutter.log")"
    xdotool windowfocus "$window"
}

e2e_wayland_game() {
    local game="$E2E_GAME"
    if [ ${#E2E_AS[@]} -gt 0 ]; then
        chown -R quorvel-e2e: "$QUORVEL3D_HOME" "$XDG_CONFIG_HOME"
        # A build the unprivileged user cannot reach (a clone in root's home) is copied.
        if ! "${E2E_AS[@]}" test -x "$game"; then
            install -m 755 "$game" "$E2E_TMP/quorvel3d"
            game="$E2E_TMP/quorvel3d"
        fi
    fi
    "${E2E_USER[@]}" QT_QPA_PLATFORM=wayland SDL_AUDIODRIVER=dummy WAYLAND_DEBUG=client \
        QUORVEL3D_HOME="$QUORVEL3D_HOME" XDG_CONFIG_HOME="$XDG_CONFIG_HOME" \
        "$game" "-u$E2E_PLAYER" "$@" >>"$E2E_TMP/game.log" 2>&1 &
    E2E_GAME_PID=$!
    E2E_PIDS+=("$E2E_GAME_PID")
}

e2e_wayland_key() {
    local key args
    for key in "$@"; do
        if [ "$E2E_COMPOSITOR" != sway ]; then
            xdotool key --clearmodifiers "$key"
            continue
        fi
        args=() # alt+q: Alt held, q typed, Alt let go
        while [ "${key#*+}" != "$key" ]; do
            args=(-M "${key%%+*}" "${args[@]}" -m "${key%%+*}")
            key="${key#*+}"
        done
        e2e_as_user wtype "${args[@]:0:${#args[@]}/2}" -k "$key" "${args[@]:${#args[@]}/2}"
    done
}

# The windows the game opened, by title, from Wayland's protocol log.
e2e_wayland_opened() {
    grep -cF -- "set_title(\"$1\")" "$E2E_TMP/game.log"
}

e2e_wayland_wait() {
    e2e_until "${3:-15}" 0.05 e2e_wayland_has "$1" "$2" && return 0
    echo "the game did not open window $2 titled \"$1\"" >&2
    return 1
}
e2e_wayland_has() { [ "$(e2e_wayland_opened "$1")" -ge "$2" ]; }

e2e_start_speech() {
    e2e_require speech-dispatcher
    local modules=/usr/lib/speech-dispatcher-modules plugin speech="$E2E_TMP/speech"
    [ -x "$modules/sd_espeak-ng" ] ||
        e2e_skip "speech-dispatcher has no espeak-ng module (Debian package speech-dispatcher-espeak-ng)"
    plugin="$(find /usr/lib /usr/local/lib -path '*/texttospeech/libqtexttospeech_speechd.so' \
        2>/dev/null | head -n 1)"
    [ -n "$plugin" ] ||
        e2e_skip "Qt has no speech-dispatcher plug-in (Debian package qt6-speech-speechd-plugin)"
    # In the foreground of its own process, nothing of the user's or the system's.
    mkdir -p "$speech/conf/modules" "$speech/log" "$speech/cache"
    cat >"$speech/conf/speechd.conf" <<'CONF'
LogLevel 5
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF
    if [ -f /etc/speech-dispatcher/modules/espeak-ng.conf ]; then
        cp /etc/speech-dispatcher/modules/espeak-ng.conf "$speech/conf/modules/"
    else
        : >"$speech/conf/modules/espeak-ng.conf"
    fi
    XDG_CACHE_HOME="$speech/cache" XDG_RUNTIME_DIR="$speech" speech-dispatcher -s -t 0 \
        -C "$speech/conf" -m "$modules" -c unix_socket -S "$speech/socket" -L "$speech/log" \
        -P "$speech/pid" >"$speech/stdout.log" 2>&1 &
    E2E_PIDS+=($!)
    for _ in $(seq 100); do
        [ -S "$speech/socket" ] && break
        sleep 0.1
    done
    [ -S "$speech/socket" ] ||
        e2e_skip "speech-dispatcher did not start: $(tail -n 5 "$speech/stdout.log")"
    export SPEECHD_ADDRESS="unix_socket:$speech/socket"
    E2E_SPEECH_LOG="$speech/log/speech-dispatcher.log"
}

# said: the texts the speech service's log shows it received from a client, one a line
# (its protocol's own "speak" and end-of-text lines left out).
said() {
    grep -F 'DATA:|' "$E2E_SPEECH_LOG" 2>/dev/null | sed 's/.*DATA:|//; s/\r$//' |
        grep -vxF -e speak -e .
}

# heard PATTERN SECONDS [AFTER]: true once the service has received a text matching the
# extended regular expression PATTERN, past the first AFTER texts.
heard() { e2e_until "$2" 0.2 heard_now "$1" "${3:-0}"; }
heard_now() { said | tail -n "+$(($2 + 1))" | grep -qE -- "$1"; }

e2e_new_home() {
    E2E_PLAYER="$1"
    export QUORVEL3D_HOME="$E2E_TMP/home/"
    export XDG_CONFIG_HOME="$E2E_TMP/config/"
    mkdir -p "$QUORVEL3D_HOME" "$XDG_CONFIG_HOME"
    printf '[Settings]\nPlayer=%s\n\n[Players]\n%s=\n' "$E2E_PLAYER" "$E2E_PLAYER" \
        >"$QUORVEL3D_HOME/quorvel3d.ini"
}

# e2e_setting SECTION KEY: a value from the settings file.
e2e_setting() {
    awk -F= -v s="[$1]" -v k="$2" '/^\[/ {in_s = ($0 == s)} in_s && $1 == k {print $2}' \
        "$QUORVEL3D_HOME/quorvel3d.ini"
}

# e2e_set KEY VALUE [SECTION]: one line in the player's section of the settings file.
e2e_set() {
    local section="${3:-$E2E_PLAYER.Settings}" ini="$QUORVEL3D_HOME/quorvel3d.ini"
    printf '\n[%s]\n%s=%s\n' "$section" "$1" "$2" >>"$ini"
}

e2e_start_game() {
    # The player comes from the command line as well, so no name box opens.
    e2e_start_unnamed "-u$E2E_PLAYER" "$@"
}

e2e_start_unnamed() {
    SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$E2E_SCALE" "$E2E_GAME" "$@" \
        >>"$E2E_TMP/game.log" 2>&1 &
    E2E_GAME_PID=$!
    E2E_PIDS+=("$E2E_GAME_PID")
}

# Ends the game as the desktop does at log-out (SIGTERM). A game that has not ended
# 30 s later is a fault: SIGABRT then has its crash trace write where it waits into
# the game's output, which the failure prints.
e2e_stop_game() {
    [ -n "$E2E_GAME_PID" ] || return 0
    kill "$E2E_GAME_PID" 2>/dev/null
    if ! e2e_game_exited 30; then
        e2e_fail "the game did not end within 30 s of SIGTERM"
        kill -ABRT "$E2E_GAME_PID" 2>/dev/null
        e2e_game_exited 10 || kill -KILL "$E2E_GAME_PID" 2>/dev/null
    fi
    wait "$E2E_GAME_PID" 2>/dev/null
    E2E_GAME_PID=""
}

# e2e_game_exited SECONDS: true when the game ended within that time.
e2e_game_exited() {
    e2e_ended "$E2E_GAME_PID" "$1"
}

e2e_find_window() {
    xdotool search --onlyvisible --name "^$(printf '%s' "$1" | sed 's/[.[\*^$()+?{|]/\\&/g')\$" \
        2>/dev/null | head -n 1
}

e2e_wait_window() {
    e2e_until "${2:-10}" 0.05 e2e_framed "$1" && return 0
    echo "no window titled \"$1\" appeared" >&2
    return 1
}
# e2e_framed TITLE: prints the id of the window of that title once it is framed and mapped
# (the window manager has set its extents).
e2e_framed() {
    local id
    id="$(e2e_find_window "$1")"
    [ -n "$id" ] && xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '=' && echo "$id"
}

e2e_wait_gone() { e2e_until "${2:-10}" 0.05 e2e_no_window "$1"; }
e2e_no_window() { [ -z "$(e2e_find_window "$1")" ]; }

e2e_client_geometry() {
    # shellcheck disable=SC2046 # four numbers
    e2e_logical $(xwininfo -id "$1" | awk '
        /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')
}

e2e_frame_extents() {
    # shellcheck disable=SC2046
    e2e_logical $(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ',')
}

e2e_frame_geometry() {
    local x y w h l r t b
    read -r x y w h < <(e2e_client_geometry "$1")
    read -r l r t b < <(e2e_frame_extents "$1")
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

e2e_key() {
    # As typed on the keyboard: the window is made active, then the keys go to it.
    local id="$1"
    shift
    e2e_activate "$id"
    xdotool key --clearmodifiers "$@"
}

e2e_activate() {
    timeout 5 xdotool windowactivate --sync "$1" 2>/dev/null
}

e2e_type() {
    xdotool key --clearmodifiers "$@"
}

e2e_move() {
    # Drags the title bar, as a player does; the window manager moves the frame.
    local x y w h tx ty grip=40
    read -r x y w h < <(e2e_frame_geometry "$1")
    read -r x y w < <(e2e_device "$x" "$y" "$w")
    read -r tx ty < <(e2e_device "$2" "$3")
    xdotool mousemove $((x + w / 2 - 1)) $((y + 8)) sleep 0.05 mousemove $((x + w / 2)) $((y + 8)) \
        sleep 0.05 mousedown 1 sleep 0.05 mousemove $((x + w / 2 + grip)) $((y + 8 + grip)) \
        sleep 0.05 mousemove $((tx + w / 2)) $((ty + 8)) sleep 0.05 mouseup 1
    # The window manager follows the drag in its own time, later than any fixed pause on
    # a loaded machine: wait (5 s at most) until the frame stands where it was dragged.
    local until=$((SECONDS + 5))
    while [ "$SECONDS" -le "$until" ]; do
        read -r x y _ < <(e2e_frame_geometry "$1")
        (((x - $2) ** 2 <= 1 && (y - $3) ** 2 <= 1)) && return 0
        sleep 0.1
    done
}

e2e_click() {
    # shellcheck disable=SC2046
    xdotool mousemove $(e2e_device "$1" "$2") click 1
}

e2e_centred() {
    local x y w h
    read -r x y w h < <(e2e_frame_geometry "$1")
    awk -v x="$x" -v y="$y" -v w="$w" -v h="$h" -v sw="$E2E_SCREEN_WIDTH" -v sh="$E2E_SCREEN_HEIGHT" '
        function off(a) { return a < 0 ? -a : a }
        BEGIN { print (off(2 * x + w - sw) <= 2 && off(2 * y + h - sh) <= 2) ? "yes" : "no: " x " " y " " w " " h }'
}

# e2e_settle: lets the game and the window manager finish what the last action started.
e2e_settle() {
    sleep "${1:-0.4}"
}

e2e_open_game() {
    E2E_OPENING="$(e2e_wait_window "Quorvel 3-D." 15)" || return 1
    sleep 0.5 # the screen's setup runs once it has appeared
    e2e_key "$E2E_OPENING" Return
    e2e_game_opened
}

e2e_game_opened() {
    E2E_MAP="$(e2e_wait_window "Quorvel Map" "${1:-30}")" || return 1
    e2e_settle 1
    E2E_GAME_WINDOW="$(e2e_find_window "Quorvel 3-D.")"
}

e2e_quit_game() {
    local question offer replace until=$((SECONDS + 10))
    e2e_key "$E2E_GAME_WINDOW" alt+q
    question="$(e2e_wait_window "Quit game?" 10)" || return 1
    e2e_key "$question" y
    offer="$(e2e_wait_window "Save?" 10)" || return 1
    if [ "$1" = yes ]; then e2e_key "$offer" Return; else e2e_key "$offer" Escape; fi
    # A saved game of this level is there already: it is replaced.
    while [ -n "$(e2e_find_window "Quorvel Map")" ]; do
        replace="$(e2e_find_window "Replace Save File?")"
        [ -n "$replace" ] && e2e_key "$replace" y
        [ "$SECONDS" -le "$until" ] || return 1
        sleep 0.1
    done
}

# e2e_beatable_times: a best-times table of default entries (Friend, 99.999999 days), so
# that any win takes a row.
e2e_beatable_times() {
    python3 - "$QUORVEL3D_HOME/quorvel3d.his" <<'PY'
import struct, sys
table = bytearray(39424)
table[0:5] = b"\x04QVBT"
table[5:7] = bytes([1, 35])
table[16:20] = struct.pack("<I", 39424)
for i in range(18):
    at = 256 + i * 2176
    table[at:at + 7] = b"\x06Friend"
    table[at + 24:at + 32] = struct.pack("<d", 99.999999)
    text = b"99 days, 23:59:59"
    table[at + 36:at + 37 + len(text)] = bytes([len(text)]) + text
open(sys.argv[1], "wb").write(table)
PY
}

# e2e_walk TAPS: walks a way in the game screen, R a right turn and U a step each, each
# typed by e2e_tap KEY (on the game window; a Wayland test types it on its desktop).
e2e_walk() {
    local i key
    for ((i = 0; i < ${#1}; i++)); do
        [ "${1:i:1}" = R ] && key=Right || key=Up
        e2e_tap "$key"
        e2e_settle 0.15
    done
}
e2e_tap() { e2e_key "$E2E_GAME_WINDOW" "$1"; }

e2e_saved() {
    "$E2E_TOOL" save "$QUORVEL3D_HOME/Saved Games/$E2E_PLAYER$1.sav" | awk -F'\t' -v k="$2" '$1 == k {print $2}'
}

e2e_screenshot() {
    if command -v import >/dev/null; then
        import -window root "$1" 2>/dev/null
    elif command -v xwd >/dev/null && command -v convert >/dev/null; then
        xwd -root -silent | convert xwd:- "$1" 2>/dev/null
    fi
}

e2e_check() {
    if [ "$2" = "$3" ]; then
        echo "ok: $1 ($3)"
    else
        echo "FAILED: $1: expected \"$2\", got \"$3\""
        E2E_FAILURES=$((E2E_FAILURES + 1))
    fi
}

# e2e_near WHAT EXPECTED ACTUAL: e2e_check for places and sizes measured on the display; at a
# scale that is not whole, the display's pixels round the game's, so each may be one off.
e2e_near() {
    local within
    within="$(awk -v s="$E2E_SCALE" -v a="$2" -v b="$3" 'BEGIN {
        n = split(a, x, " "); if (n != split(b, y, " ") || s == int(s)) { print "no"; exit }
        for (i = 1; i <= n; i++) { d = x[i] - y[i]; if (d > 1 || d < -1) { print "no"; exit } }
        print "yes" }')"
    if [ "$within" = yes ]; then e2e_check "$1" "$3" "$3"; else e2e_check "$@"; fi
}

e2e_fail() {
    echo "FAILED: $*"
    E2E_FAILURES=$((E2E_FAILURES + 1))
}

e2e_done() {
    if [ "$E2E_FAILURES" -ne 0 ]; then
        [ -n "${E2E_SHOTS:-}" ] && e2e_screenshot "$E2E_SHOTS/failure-$(basename "$0" .sh).png"
        echo "game output:"
        # Not Wayland's protocol log: its lines start with a time in brackets.
        grep -v '^\[[0-9. ]*\] ' "$E2E_TMP/game.log" 2>/dev/null
        for log in "$E2E_TMP"/sway.log "$E2E_TMP"/mutter.log; do
            [ -f "$log" ] && echo "$(basename "$log" .log):" && tail -n 20 "$log"
        done
        exit 1
    fi
    exit 0
}
