#!/usr/bin/env bash
# Spoken play through the real speech service: a private speech-dispatcher with espeak-ng,
# its own configuration and log, its audio sent to ALSA's null device; the game on Xvfb
# for a player whose settings have spoken play on. The service's own log shows the game's
# words reaching it: the opening screen when it shows, and the counters and what lies
# ahead when asked for by key. Skips without speech-dispatcher, its espeak-ng module or
# Qt's speech-dispatcher plug-in.
source "$(dirname "$0")/lib.sh"
e2e_start_speech

# check PATTERN WHAT [AFTER]: an ok line when the service heard it within 30 seconds.
check() {
    if heard "$1" 30 "${3:-0}"; then
        echo "ok: $2 reached the speech service"
    else
        e2e_fail "$2 was not heard; the last texts: $(said | tail -n 3)"
    fi
}

e2e_start_display 1280x1024
e2e_new_home ann
e2e_set Speech 1 ann.SoundSettings
e2e_start_game

# Connecting lists the service's voices, which takes a few seconds: the opening screen's
# words wait for it (the newest words, never a queue of them).
E2E_OPENING="$(e2e_wait_window "Quorvel 3-D." 15)" || { e2e_fail "no opening screen"; e2e_done; }
check '^Quorvel 3-D\. Player: ann\. Skill level: A little harder now, a maze of 40 by 40 cells\.' \
    "the opening screen when it shows"
e2e_key "$E2E_OPENING" Return
e2e_game_opened || { e2e_fail "the game did not open"; e2e_done; }
check '([a-z]+ cells?|a wall|the exit)' "the start of the game and what lies ahead"

before="$(said | wc -l)"
e2e_key "$E2E_GAME_WINDOW" i
check '^Food 100, battery 100 percent, gems 0, steps 0, time 0 days, 00:00:[0-9]{2}\.$' \
    "the counters asked for by I" "$before"
before="$(said | wc -l)"
e2e_key "$E2E_GAME_WINDOW" a
check '^([a-z]+ cells?|a wall|the exit ahead|standing in the exit)' "what lies ahead, asked for by A" \
    "$before"

before="$(said | wc -l)"
e2e_key "$E2E_GAME_WINDOW" alt+q
check '^Quit game\? Are you sure you want to stop playing\? Yes: press Y\. No: press N\.$' \
    "the quit question with its buttons" "$before"
question="$(e2e_wait_window "Quit game?" 10)" && e2e_key "$question" n
e2e_quit_game no || e2e_fail "the game did not end"
e2e_done
