#!/usr/bin/env bash
# Makes the Debian package with `cpack -G DEB` into a temporary folder, runs lintian on
# it and checks the control fields and the files that Debian's tools rely on.
#
# Usage: check_deb.sh BUILD_DIR
# Exits 0 when all is well, 1 on any fault, 77 (skipped) when the package cannot be
# made here or lintian is not installed.
set -uo pipefail

build="$1"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

for tool in dpkg-deb:dpkg dpkg-shlibdeps:dpkg-dev; do
    if ! command -v "${tool%%:*}" >/dev/null 2>&1; then
        echo "SKIPPED: ${tool%%:*} is not installed (Debian package ${tool#*:}; scripts/setup.sh installs it)"
        exit 77
    fi
done

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
if ! (cd "$build" && cpack -G DEB -B "$out") >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    echo "FAIL: cpack -G DEB"
    exit 1
fi
debs=("$out"/*.deb)
if [ "${#debs[@]}" -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "cpack made ${#debs[@]} packages instead of one"
    exit 1
fi
deb="${debs[0]}"
[ "$(basename "$deb")" = "quorvel3d_1.35-1_$(dpkg --print-architecture).deb" ] ||
    fail "the package file is named $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quorvel3d ] || fail "Package: $(field Package)"
[ "$(field Version)" = 1.35-1 ] || fail "Version: $(field Version)"
[ "$(field Section)" = games ] || fail "Section: $(field Section), not games"
[ "$(field Priority)" = optional ] || fail "Priority: $(field Priority), not optional"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Homepage)" ] || fail "no Homepage"
depends="$(field Depends)"
for library in libqt6widgets6 libqt6texttospeech6 libsdl2-2.0-0 qt6-wayland; do
    grep -qE "(^|, )$library( |,|$)" <<<"$depends" || fail "Depends lacks $library: $depends"
done
for recommended in libfluidsynth3 timgm6mb-soundfont libsndfile1 fonts-liberation2 \
    qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng qt6-translations-l10n; do
    grep -q "$recommended" <<<"$(field Recommends)" || fail "Recommends lacks $recommended"
done
[ "$(field Description | wc -l)" -ge 5 ] || fail "the description has no extended part"

# The programs where Debian keeps games, and the files every package needs.
contents="$(dpkg-deb -c "$deb")"
for file in usr/games/quorvel3d usr/games/quorvel3d-tool usr/share/doc/quorvel3d/copyright \
    usr/share/doc/quorvel3d/changelog.Debian.gz usr/share/man/man6/quorvel3d.6.gz \
    usr/share/man/man6/quorvel3d-tool.6.gz; do
    grep -q " \./$file$" <<<"$contents" || fail "the package lacks /$file"
done
if grep -q ' \./usr/bin/' <<<"$contents"; then
    fail "the package has programs in /usr/bin as well as /usr/games"
fi
if ! grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    <(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/quorvel3d/copyright); then
    fail "the copyright file is not in the machine-readable format"
fi

if ! command -v lintian >/dev/null 2>&1; then
    [ "$failures" -eq 0 ] || exit 1
    echo "SKIPPED: lintian is not installed (Debian package lintian; scripts/setup.sh installs it)"
    exit 77
fi
report="$(lintian --display-info "$deb" 2>&1)"
echo "$report"
if grep -q '^E:' <<<"$report"; then
    fail "lintian reports errors"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures fault(s) in the Debian package"
    exit 1
fi
echo "The Debian package is sound."
