#!/usr/bin/env bash
# A run kept, checked and watched: maze 1-1234 won with the arrow keys over a best-times
# file that holds only "Friend" leaves a run in Replays that `quorvel3d-tool replay`
# verifies with the time, gems and steps of the new best time; the same run with one
# action changed is refused with status 1; `quorvel3d --replay FILE` plays it back to the
# same end and says so, and the watch changes no file.
source "$(dirname "$0")/lib.sh"
e2e_require python3
[ -x "$E2E_TOOL" ] || e2e_skip "the companion tool is not built: $E2E_TOOL"
e2e_start_display 1280x1024
e2e_new_home ann

e2e_beatable_times

# The way out of maze 1-1234, as taps: R turns right, U steps.
read -r taps walked < <("$E2E_TOOL" maze --level 1 --seed 1234 | awk -f "$(dirname "$0")/ways.awk" -f "$(dirname "$0")/way_out.awk")
[ -n "${taps:-}" ] || { e2e_fail "no way out of maze 1-1234"; e2e_done; }

e2e_start_game --maze 1-1234
e2e_game_opened || { e2e_fail "the game did not open"; e2e_done; }
e2e_walk "$taps"
winner="$(e2e_wait_window "Winner! (New Best Time)" 10)" || { e2e_fail "no win"; e2e_done; }
e2e_key "$winner" Escape
opening="$(e2e_wait_window "Quorvel 3-D." 10)" || { e2e_fail "no opening screen"; e2e_done; }
e2e_settle 0.5
e2e_key "$opening" Escape
e2e_game_exited 10 || e2e_fail "Esc on the opening screen did not end the program"

# The run behind the new best time, checked by the rules alone.
runs=("$QUORVEL3D_HOME"/Replays/*.run)
e2e_check "one run kept" 1 "${#runs[@]}"
run="${runs[0]}"
"$E2E_TOOL" replay "$run" >"$E2E_TMP/replay" 2>&1
status=$?
e2e_check "the run verifies" "0 verified" "$status $(tail -n 1 "$E2E_TMP/replay")"
value() { awk -F'\t' -v k="$1" '$1 == k {print $2}' "$E2E_TMP/replay"; }
IFS=$'\t' read -r _ _ name time text gems steps _ < <("$E2E_TOOL" scores "$QUORVEL3D_HOME/quorvel3d.his" | head -n 1)
e2e_check "its time, gems and steps are the best time's" "ann $time $gems $steps" \
    "$(value player) $(value time) $(value gems) $(value steps)"
e2e_check "the steps are the way's" "$walked" "$steps"

# One action changed, the checksum made to match: the rules refuse the run.
python3 - "$run" "$E2E_TMP/changed.run" <<'PY'
import struct, sys, zlib
run = bytearray(open(sys.argv[1], "rb").read())
at = 38
for _ in range(2):  # the player's name and the theme
    at += 2 + struct.unpack_from("<H", run, at)[0]
count = struct.unpack_from("<I", run, at)[0]
at += 4
for i in range(count):
    if run[at + i * 17 + 8] == 8:  # the first step forward becomes a left turn
        run[at + i * 17 + 8] = 6
        break
run[-4:] = struct.pack("<I", zlib.crc32(bytes(run[:-4])))
open(sys.argv[2], "wb").write(run)
PY
"$E2E_TOOL" replay "$E2E_TMP/changed.run" >"$E2E_TMP/changed" 2>&1
status=$?
e2e_check "a changed action is refused" "1" "$status"
grep -q '^departs at event ' "$E2E_TMP/changed" || e2e_fail "no departure: $(cat "$E2E_TMP/changed")"

# Watched again at 4x: the same end, said at the end, and no file changed.
files() { (cd "$QUORVEL3D_HOME" && find . -type f ! -name '.*' | sort | xargs md5sum); }
files >"$E2E_TMP/before"
QUORVEL3D_TIMING=1 e2e_start_game --replay "$run"
watching="$(e2e_wait_window "Watching ann's run: 1x" 30)" ||
    { e2e_fail "the watch did not open"; e2e_done; }
e2e_key "$watching" 4
e2e_wait_window "Watching ann's run: 4x" 5 >/dev/null ||
    e2e_fail "4 did not set the speed"
[ -n "${E2E_SHOTS:-}" ] && e2e_screenshot "$E2E_SHOTS/watched-run.png"
for _ in $(seq 200); do
    grep -q '^quorvel3d-watch ' "$E2E_TMP/game.log" && break
    sleep 0.1
done
[ "$gems" = 1 ] && gemWords="1 gem" || gemWords="$gems gems"
e2e_check "the watch says it reached the result" \
    "quorvel3d-watch The run reached its recorded result: won in $text with $gemWords and $steps steps." \
    "$(grep '^quorvel3d-watch ' "$E2E_TMP/game.log")"
e2e_settle 0.5
e2e_type Return # the message
opening="$(e2e_wait_window "Quorvel 3-D." 10)" || { e2e_fail "no opening screen after"; e2e_done; }
e2e_settle 0.5
files >"$E2E_TMP/after"
e2e_check "the watch changed no file" "" "$(diff "$E2E_TMP/before" "$E2E_TMP/after")"
e2e_key "$opening" Escape
e2e_game_exited 10 || e2e_fail "Esc on the opening screen did not end the program"

e2e_done
