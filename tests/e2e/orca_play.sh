#!/usr/bin/env bash
# A blind player with Orca alone: the game, Orca 43 and a private speech-dispatcher with
# espeak-ng (its log read back) on a session and accessibility bus of this test's own,
# spoken play off. orca_player.py hears only what Orca sends to the speech service and
# answers with keys: it starts a maze from the opening screen with Enter, keeps its own
# map from the words of each step and turn, and walks until Orca reads the winner screen
# (after a lost game it starts a new one).
# Skips without Orca, the accessibility bus or the speech service.
source "$(dirname "$0")/ownbus.sh"
shift
source "$(dirname "$0")/lib.sh"
e2e_require dbus-send dbus-update-activation-environment orca python3
[ -x /usr/libexec/at-spi-bus-launcher ] ||
    e2e_skip "the accessibility bus is not installed (scripts/setup.sh installs at-spi2-core)"
e2e_start_speech

export XDG_RUNTIME_DIR="$E2E_TMP/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
e2e_start_display 1280x1024
dbus-update-activation-environment DISPLAY XDG_RUNTIME_DIR SPEECHD_ADDRESS
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null || e2e_skip "the accessibility bus did not start"

# Orca with its stock settings in a folder of its own; it tells the desktop a screen
# reader runs, which the game's bridge follows. It is started by its launcher's own code
# without the launcher's look for other Orcas of this user: with --replace it kills every
# one (another test's, or the developer's own screen reader), and without it Orca will
# not start beside one. This one only ever meets this test's buses.
mkdir -p "$E2E_TMP/orca"
/usr/bin/python3 - "$E2E_TMP/orca" >"$E2E_TMP/orca.log" 2>&1 <<'LAUNCH' &
import sys
launcher = {"__name__": "orca_launcher", "__file__": "/usr/bin/orca"}
exec(compile(open("/usr/bin/orca").read(), "/usr/bin/orca", "exec"), launcher)
launcher["otherOrcas"] = lambda: []
sys.argv = ["orca", "-u", sys.argv[1]]
sys.exit(launcher["main"]())
LAUNCH
E2E_PIDS+=($!)
heard '<speak>' 60 || { e2e_fail "Orca did not speak: $(tail -n 5 "$E2E_TMP/orca.log")"; e2e_done; }

e2e_new_home ann
e2e_set Speech 0 ann.SoundSettings # a player who has switched spoken play off
e2e_start_game
E2E_OPENING="$(e2e_wait_window "Quorvel 3-D." 20)" || { e2e_fail "no opening screen"; e2e_done; }
e2e_activate "$E2E_OPENING"

timeout 840 python3 -u "$(dirname "$0")/orca_player.py" "$E2E_SPEECH_LOG" "${ORCA_PLAY_KEYS:-2500}" ||
    e2e_fail "the maze was not won by Orca's words; the last: $(said | tail -n 8)"
e2e_stop_game
e2e_done
