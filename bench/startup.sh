#!/usr/bin/env bash
# Start-up figures of the game beside a bare Qt 6 window, run in turn under one Xvfb
# (SDL's dummy audio device stands in for a sound card):
#   first window   from the launch to the first paint on the screen: the wall clock, the
#                  processor time, the resident memory and the libraries then (medians
#                  of RUNS runs each), and the instructions executed up to it (valgrind's
#                  callgrind, one run each; they do not depend on how busy the machine
#                  is). Beside the game: the bare window, and the same window with one
#                  line of text in the game's face, which shows what the toolkit spends
#                  on any text at all (fontconfig's configuration, the font list, a face);
#   start to view  from the Enter key on the opening screen to the first view of the
#                  game, at every level (medians of RUNS runs each);
#   idle wake-ups  a second, of every thread of the game, on the opening screen once the
#                  intro has finished (and of the bare window), over IDLE seconds.
# The game reports its marks itself when QUORVEL3D_TIMING is set (src/widgets/timing.h);
# the bare window, built here, reports its first paint the same way.
#
# Usage: bench/startup.sh [BUILD]      (BUILD: the build folder, default build)
# Environment: RUNS (default 11, at least 9), IDLE (default 5), IDLE_RUNS (default 3),
# LEVELS (default "1 2 3 4 5 6"), SKIP_IDLE=1 to leave the wake-ups out, CALLGRIND=0 to
# leave the instructions out (without valgrind they are left out with a note).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
game="$build/bin/quorvel3d"
runs="${RUNS:-11}"
idle="${IDLE:-5}"
idleRuns="${IDLE_RUNS:-3}"
levels="${LEVELS:-1 2 3 4 5 6}"
[ -x "$game" ] || { echo "startup.sh: build the game first ($game is missing)" >&2; exit 1; }
[ "$runs" -ge 9 ] || { echo "startup.sh: RUNS must be at least 9" >&2; exit 2; }
for tool in Xvfb xdotool g++ pkg-config; do
    command -v "$tool" >/dev/null || { echo "startup.sh: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done
callgrind="${CALLGRIND:-1}"
if [ "$callgrind" != 0 ] && ! command -v valgrind >/dev/null; then
    echo "startup.sh: valgrind is missing (scripts/setup.sh installs it); instructions left out" >&2
    callgrind=0
fi

work="$(mktemp -d /tmp/quorvel-startup.XXXXXX)"
xvfb=""
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# ---- the bare Qt 6 window ----------------------------------------------------------
cat >"$work/bare.cpp" <<'EOF'
// A bare Qt 6 window of the opening screen's size that reports its first paint as the
// game does; built with -DWITH_TEXT, it shows one line of text in the game's face.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <set>
#include <string>
#include <sys/resource.h>

static double processorMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 +
           (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

static std::size_t libraryCount() {
    std::FILE* f = std::fopen("/proc/self/maps", "r");
    std::set<std::string> libraries;
    char line[4096];
    while (f && std::fgets(line, sizeof line, f)) {
        const char* path = std::strchr(line, '/');
        if (path && std::strstr(path, ".so")) libraries.insert(path);
    }
    if (f) std::fclose(f);
    return libraries.size();
}

static long residentKiB() {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    char line[256];
    long kib = 0;
    while (f && std::fgets(line, sizeof line, f))
        if (std::strncmp(line, "VmRSS:", 6) == 0) kib = std::strtol(line + 6, nullptr, 10);
    if (f) std::fclose(f);
    return kib;
}

class Watch : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        watched->removeEventFilter(this);
        QMetaObject::invokeMethod(this, [] {
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            timespec thread{};
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &thread);
            std::fprintf(stderr, "quorvel3d-timing first-window %.3f %ld %.1f %zu %.1f\n",
                         now.tv_sec * 1e3 + now.tv_nsec / 1e6, residentKiB(), processorMs(),
                         libraryCount(), thread.tv_sec * 1e3 + thread.tv_nsec / 1e6);
            std::fflush(stderr);
            const char* stop = std::getenv("QUORVEL3D_TIMING");
            if (stop && std::strcmp(stop, "first-window") == 0) std::_Exit(0);
        }, Qt::QueuedConnection);
        return false;
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare");
    window.setFixedSize(632, 453);
#ifdef WITH_TEXT
    QFont face("Liberation Sans");
    face.setPixelSize(11);
    face.setBold(true);
    window.setFont(face);
    QLabel text("PLEASE SELECT  A SKILL LEVEL .", &window);
    text.setGeometry(386, 122, 236, 16);
#endif
    Watch watch;
    window.installEventFilter(&watch);
    window.show();
    return app.exec();
}
EOF
# shellcheck disable=SC2046
g++ -std=c++17 -O2 -fPIC -o "$work/bare" "$work/bare.cpp" $(pkg-config --cflags --libs Qt6Widgets)
# shellcheck disable=SC2046
g++ -std=c++17 -O2 -fPIC -DWITH_TEXT -o "$work/text" "$work/bare.cpp" $(pkg-config --cflags --libs Qt6Widgets)

# ---- one display for everything -------------------------------------------------------
exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
display=":$(head -n1 "$work/display")"

home="$work/home/"
mkdir -p "$home" "$work/config"
runEnv=(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" QUORVEL3D_HOME="$home"
    XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy QUORVEL3D_TIMING=1)

# Waits until the log has a line for the mark; prints its time, resident KiB, processor
# milliseconds (all threads), shared libraries and the main thread's processor milliseconds.
waitMark() { # log mark
    for _ in $(seq 400); do
        local line
        line="$(grep -m1 "^quorvel3d-timing $2 " "$1" || true)"
        if [ -n "$line" ]; then
            echo "$line" | awk '{print $3, $4, $5, $6, $7}'
            return 0
        fi
        sleep 0.025
    done
    echo "startup.sh: no '$2' mark; the program said:" >&2
    cat "$1" >&2
    return 1
}

# Launches a program; sets pid, log and t0 (milliseconds).
launch() { # program args...
    log="$work/log.$RANDOM"
    : >"$log"
    t0="$EPOCHREALTIME"
    "${runEnv[@]}" "$@" 2>"$log" &
    pid=$!
    t0="$(awk -v t="$t0" 'BEGIN{printf "%.3f", t * 1000}')"
}

finish() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    rm -f "$log"
}

median() { sort -n | awk '{a[NR]=$1} END{if (NR % 2) print a[(NR+1)/2]; else printf "%.2f\n", (a[NR/2]+a[NR/2+1])/2}'; }

setLevel() { # level: the bench player's stored skill level
    local ini="$home/quorvel3d.ini"
    if grep -q '^\[Bench.Settings\]' "$ini" 2>/dev/null; then
        sed -i '/^\[Bench.Settings\]/,/^\[/{s/^Skill=.*/Skill='"$1"'/}' "$ini"
        grep -A20 '^\[Bench.Settings\]' "$ini" | grep -q '^Skill=' ||
            sed -i '/^\[Bench.Settings\]/a Skill='"$1" "$ini"
    else
        printf '[Bench.Settings]\nSkill=%s\n' "$1" >>"$ini"
    fi
}

# Warm-up: the game makes its files, every program warms the file cache.
for _ in 1 2; do
    launch "$game" -uBench
    waitMark "$log" first-window >/dev/null
    sleep 0.5
    finish
    for who in bare text; do
        launch "$work/$who"
        waitMark "$log" first-window >/dev/null
        finish
    done
done

# Launches one of the programs: game, bare or text.
launchProgram() { # who
    case "$1" in
    game) launch "$game" -uBench ;;
    *) launch "$work/$1" ;;
    esac
}

echo "First window (launch to first paint), $runs runs each, game, bare window and text window in turn:"
programs=(game bare text)
for who in "${programs[@]}"; do
    for what in ms kib cpu libs instructions; do : >"$work/$who.$what"; done
done
for _ in $(seq "$runs"); do
    for who in "${programs[@]}"; do
        launchProgram "$who"
        read -r t kib cpu libs _ < <(waitMark "$log" first-window)
        awk -v a="$t" -v b="$t0" 'BEGIN{printf "%.2f\n", a - b}' >>"$work/$who.ms"
        echo "$kib" >>"$work/$who.kib"
        echo "$cpu" >>"$work/$who.cpu"
        echo "$libs" >>"$work/$who.libs"
        finish
    done
done
if [ "$callgrind" != 0 ]; then
    for who in "${programs[@]}"; do
        program="$work/$who"; args=()
        [ "$who" = game ] && { program="$game"; args=(-uBench); }
        "${runEnv[@]}" QUORVEL3D_TIMING=first-window valgrind --tool=callgrind \
            --callgrind-out-file="$work/callgrind.$who" "$program" "${args[@]}" >/dev/null 2>&1
        awk '/^totals:/ {print $2}' "$work/callgrind.$who" >"$work/$who.instructions"
    done
fi
report() { # what unit scale
    local g b t
    g="$(median <"$work/game.$1")"; b="$(median <"$work/bare.$1")"; t="$(median <"$work/text.$1")"
    awk -v g="$g" -v b="$b" -v t="$t" -v w="$2" -v u="$3" -v s="$4" 'BEGIN{
        printf "  %-18s game %7.1f %-3s %5.2fx   bare window %7.1f %-3s   text window %7.1f %-3s %5.2fx\n",
            w, g / s, u, g / b, b / s, u, t / s, u, t / b}'
}
report ms "wall clock" ms 1
if [ "$callgrind" != 0 ]; then
    report instructions "instructions" M 1000000
else
    echo "  instructions       left out (CALLGRIND=0)"
fi
report cpu "processor time" ms 1
report kib "resident memory" MiB 1024
report libs "shared libraries" "" 1

echo "Start to first view (Enter on the opening screen to the view painted), $runs runs a level:"
for level in $levels; do
    setLevel "$level"
    : >"$work/view.ms"; : >"$work/view.cpu"
    for _ in $(seq "$runs"); do
        launch "$game" -uBench
        waitMark "$log" first-window >/dev/null
        sleep 0.3
        window="$(DISPLAY="$display" xdotool search --sync --name '^Quorvel 3-D\.$' | head -n1)"
        DISPLAY="$display" xdotool windowactivate --sync "$window" key Return 2>/dev/null ||
            DISPLAY="$display" xdotool windowfocus --sync "$window" key Return
        read -r s _ _ _ scpu < <(waitMark "$log" start)
        read -r v _ _ _ vcpu < <(waitMark "$log" view)
        awk -v a="$v" -v b="$s" 'BEGIN{printf "%.2f\n", a - b}' >>"$work/view.ms"
        awk -v a="$vcpu" -v b="$scpu" 'BEGIN{printf "%.2f\n", a - b}' >>"$work/view.cpu"
        finish
    done
    printf "  level %s: %s ms (processor time of the user-interface thread %s ms)\n" "$level" "$(median <"$work/view.ms")" \
        "$(median <"$work/view.cpu")"
done

[ "${SKIP_IDLE:-}" = 1 ] && exit 0
# Every thread's context switches: each time a thread sleeps again after waking.
switches() { # pid
    cat /proc/"$1"/task/*/status 2>/dev/null |
        awk '/^(voluntary|nonvoluntary)_ctxt_switches/ {n += $2} END{print n + 0}'
}
echo "Idle wake-ups a second on the opening screen, intro finished, over $idle s ($idleRuns runs):"
for who in game bare; do
    : >"$work/idle"
    for _ in $(seq "$idleRuns"); do
        if [ "$who" = game ]; then launch "$game" -uBench; else launch "$work/bare"; fi
        waitMark "$log" first-window >/dev/null
        sleep 7 # the intro lasts 4.2 s; then the sound layer may go quiet
        a="$(switches "$pid")"
        sleep "$idle"
        b="$(switches "$pid")"
        awk -v a="$a" -v b="$b" -v s="$idle" 'BEGIN{printf "%.1f\n", (b - a) / s}' >>"$work/idle"
        finish
    done
    printf "  %s: %s a second\n" "$who" "$(median <"$work/idle")"
done
