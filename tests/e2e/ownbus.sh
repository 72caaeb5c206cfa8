# Sourced first by a test that needs buses of its own: runs the test's script again on a
# session bus of its own (dbus-run-session), in a process session of its own, and when it
# ends, ends whatever its buses started and left behind (an accessibility daemon would
# keep CTest waiting on the test's output until its timeout). The script goes on after
# this only on that bus, its first argument "--on-own-bus".
if [ "${1:-}" != --on-own-bus ]; then
    if ! command -v dbus-run-session >/dev/null; then
        echo "SKIP: dbus-run-session is not installed (scripts/setup.sh installs dbus)"
        exit 77
    fi
    setsid dbus-run-session -- bash "$0" --on-own-bus "$@" &
    session=$!
    wait "$session"
    status=$?
    kill -KILL -- "-$session" 2>/dev/null
    exit "$status"
fi
