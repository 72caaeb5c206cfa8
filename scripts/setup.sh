# Shared set-up of scripts/run and scripts/test: installs what is missing from
# Debian, then configures and builds. Sourced, not run.
set -euo pipefail

QUORVEL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QUORVEL_BUILD="${QUORVEL_BUILD:-$QUORVEL_ROOT/build}"

quorvel_packages=(
    build-essential cmake ninja-build ccache pkg-config python3
    qt6-base-dev libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    qt6-speech-dev qt6-declarative-dev
    qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
    libsdl2-dev libfluidsynth-dev libsndfile1-dev timgm6mb-soundfont libxcb1-dev
    fonts-liberation2 libfontconfig-dev qt6-wayland
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb openbox xdotool x11-utils imagemagick valgrind weston sway wtype mutter
    dbus at-spi2-core python3-pyatspi orca
    clang libclang-rt-dev
    desktop-file-utils appstream groff-base libxml2-utils dpkg-dev lintian
)

quorvel_install() {
    local missing=()
    for p in "${quorvel_packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures (once, or again when settings are given) and builds. Arguments: CMake's
# -D settings (-DQUORVEL_WERROR=ON), then what the build takes (--target test_soak).
quorvel_build() {
    local generator=() settings=()
    command -v ninja >/dev/null && generator=(-G Ninja)
    while [ $# -gt 0 ] && [ "${1#-D}" != "$1" ]; do settings+=("$1"); shift; done
    if [ ! -f "$QUORVEL_BUILD/CMakeCache.txt" ] || [ ${#settings[@]} -gt 0 ]; then
        cmake -S "$QUORVEL_ROOT" -B "$QUORVEL_BUILD" "${generator[@]}" \
            -DCMAKE_BUILD_TYPE=RelWithDebInfo "${settings[@]}"
    fi
    cmake --build "$QUORVEL_BUILD" --parallel "$(nproc)" "$@"
}
