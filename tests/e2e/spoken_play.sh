#!/usr/bin/env bash
# Spoken play through the real speech service: a private speech-dispatcher with espeak-ng,
# its own configuration and log, its audio sent to ALSA's null device; the game on Xvfb
# for a player whose settings have spoken play on. The service's own log shows the game's
# words reaching it: the opening screen when it shows, and the counters and what lies
# ahead when asked for by key. Skips without speech-dispatcher, its espeak-ng module or
# Qt's speech-dispatcher plug-in.
source "$(dirname "$0")/lib.sh"
e2e_require speech-dispatcher
modules=/usr/lib/speech-dispatcher-modules
[ -x "$modules/sd_espeak-ng" ] ||
    e2e_skip "speech-dispatcher has no espeak-ng module (Debian package speech-dispatcher-espeak-ng)"
plugin="$(find /usr/lib /usr/local/lib -path '*/texttospeech/libqtexttospeech_speechd.so' \
    2>/dev/null | head -n 1)"
[ -n "$plugin" ] || e2e_skip "Qt has no speech-dispatcher plug-in (Debian package qt6-speech-speechd-plugin)"

# The service: in the foreground of its own process, nothing of the user's or the system's.
speech="$E2E_TMP/speech"
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
[ -S "$speech/socket" ] || e2e_skip "speech-dispatcher did not start: $(tail -n 5 "$speech/stdout.log")"
export SPEECHD_ADDRESS="unix_socket:$speech/socket"
log="$speech/log/speech-dispatcher.log"

# heard TEXT SECONDS: true once the service's log shows it received TEXT from a client.
heard() {
    local until=$((SECONDS + $2))
    while [ "$SECONDS" -le "$until" ]; do
        grep -F 'DATA:|' "$log" 2>/dev/null | grep -qF -- "$1" && return 0
        sleep 0.2
    done
    return 1
}

e2e_start_display 1280x1024
e2e_new_home ann
e2e_set Speech 1 ann.SoundSettings
e2e_start_game

e2e_open_game || { e2e_fail "the game did not open"; e2e_done; }
if heard "Player: ann. Skill level: A little harder now" 30; then
    echo "ok: the opening screen's words reached the speech service"
else
    e2e_fail "the opening screen was not heard: $(grep -F 'DATA:|' "$log" | tail -n 3)"
fi

e2e_key "$E2E_GAME_WINDOW" i
if heard "Food 100, battery 100 percent, gems 0, steps 0, time 0 days" 20; then
    echo "ok: the counters asked for by I reached the speech service"
else
    e2e_fail "the counters were not heard: $(grep -F 'DATA:|' "$log" | tail -n 3)"
fi
e2e_key "$E2E_GAME_WINDOW" a
until=$((SECONDS + 20))
while ! grep -F 'DATA:|' "$log" | tail -n 1 | grep -qE '\|(corridor, |a wall|the exit|standing in)'; do
    [ "$SECONDS" -le "$until" ] || break
    sleep 0.2
done
if grep -F 'DATA:|' "$log" | tail -n 1 | grep -qE '\|(corridor, |a wall|the exit|standing in)'; then
    echo "ok: what lies ahead, asked for by A, reached the speech service"
else
    e2e_fail "what lies ahead was not heard: $(grep -F 'DATA:|' "$log" | tail -n 3)"
fi

e2e_quit_game no || e2e_fail "the game did not end"
e2e_done
