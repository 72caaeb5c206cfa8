#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and its tools
# read from it: the desktop entry, the AppStream metainfo, the manual pages, the icons
# and the one application id that ties them together.
#
# Usage: check_install.sh BUILD_DIR SOURCE_DIR
# Exits 0 when all is well, 1 on any fault, 77 (skipped) when no fault was found but
# a validator is not installed.
set -uo pipefail

build="$1"
source="$2"
appid="example.tendrik.quorvel3d"

failures=0
missing=()
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
have() {
    command -v "$1" >/dev/null 2>&1 || {
        missing+=("$1 (Debian package $2)")
        return 1
    }
}

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log"
    rm -f "$prefix.log"
    echo "FAIL: cmake --install into a temporary prefix"
    exit 1
fi
rm -f "$prefix.log"
share="$prefix/share"

# The programs, and a manual page for each.
for program in quorvel3d quorvel3d-tool; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
    [ -f "$share/man/man6/$program.6.gz" ] || fail "share/man/man6/$program.6.gz is not installed"
done
version="$("$prefix/bin/quorvel3d-tool" --version 2>&1)"
[ "$version" = "quorvel3d-tool 1.35" ] || fail "installed quorvel3d-tool --version says '$version'"
[ -f "$share/doc/quorvel3d/copyright" ] || fail "share/doc/quorvel3d/copyright is not installed"

# One id for the desktop entry, the metainfo and the icon.
desktop="$share/applications/$appid.desktop"
metainfo="$share/metainfo/$appid.metainfo.xml"
[ -f "$desktop" ] || fail "the desktop entry $appid.desktop is not installed"
[ -f "$metainfo" ] || fail "the metainfo $appid.metainfo.xml is not installed"
if [ -f "$desktop" ]; then
    grep -qx "Icon=$appid" "$desktop" || fail "the desktop entry does not name the icon $appid"
    grep -qx "Exec=quorvel3d" "$desktop" || fail "the desktop entry does not start quorvel3d"
    for lang in de fr es; do # the languages the game speaks, in the launchers too
        grep -q "^Name\[$lang\]=" "$desktop" && grep -q "^Comment\[$lang\]=" "$desktop" ||
            fail "the desktop entry has no name or comment in $lang"
        grep -q "<summary xml:lang=\"$lang\">" "$metainfo" || fail "the metainfo has no $lang summary"
    done
fi
if [ -f "$metainfo" ]; then
    grep -q "<id>$appid</id>" "$metainfo" || fail "the metainfo's id is not $appid"
    grep -q "<launchable type=\"desktop-id\">$appid.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $appid.desktop"
    # What software centres show, which appstreamcli does not insist on.
    for element in '<summary>' '<description>' '<metadata_license>' '<project_license>' \
        '<developer_name>Tendrik</developer_name>' '<content_rating type="oars-1.1"' \
        '<release version="1.35"' '<url type="homepage">https://www.tendrik.example/quorvel</url>'; do
        grep -qF "$element" "$metainfo" || fail "the metainfo lacks $element"
    done
    # Screenshots: the game's own, on the maker's site, each with a caption.
    screenshots=0
    while read -r url; do
        screenshots=$((screenshots + 1))
        file="${url#https://www.tendrik.example/quorvel/screenshots/}"
        [ "$file" != "$url" ] || fail "the screenshot $url is not on the maker's site"
        [ -f "$source/docs/screenshots/$file" ] || fail "the screenshot $file is not in docs/screenshots"
    done < <(grep -o '<image>[^<]*</image>' "$metainfo" | sed 's/<[^>]*>//g')
    [ "$screenshots" -ge 2 ] || fail "the metainfo shows $screenshots screenshots, not two or more"
    captions="$(grep -c '<caption>[^<]' "$metainfo")"
    [ "$captions" -eq "$screenshots" ] || fail "$captions captions for $screenshots screenshots"
fi

# The validators.
if have desktop-file-validate desktop-file-utils && [ -f "$desktop" ]; then
    out="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate rejects the entry"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
fi
if have appstreamcli appstream && [ -f "$metainfo" ]; then
    out="$(appstreamcli validate --no-net "$metainfo" 2>&1)" ||
        fail "appstreamcli validate rejects the metainfo"
    if grep -E '^[EW]:' <<<"$out"; then
        fail "appstreamcli validate has errors or warnings"
    fi
fi
if have groff groff-base; then
    for page in "$share"/man/man6/*.6.gz; do
        # Both the typeset and the terminal output, as man and lintian read the page.
        for device in ps utf8; do
            out="$(gzip -dc "$page" | groff -man -ww -z -T"$device" 2>&1 >/dev/null)"
            [ -z "$out" ] || fail "groff -man -ww -T$device on $(basename "$page"): $out"
        done
    done
fi

# Both manual pages have every section a reader looks for.
for program in quorvel3d quorvel3d-tool; do
    page="$share/man/man6/$program.6.gz"
    [ -f "$page" ] || continue
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES ENVIRONMENT "EXIT STATUS" EXAMPLES \
        "SEE ALSO"; do
        gzip -dc "$page" | grep -qx "\.SH \"\?$section\"\?" ||
            fail "$program(6) has no section $section"
    done
done

# Every command and option of the companion's --help is in its manual page.
toolpage="$share/man/man6/quorvel3d-tool.6.gz"
if [ -f "$toolpage" ]; then
    page="$(gzip -dc "$toolpage")"
    help="$("$prefix/bin/quorvel3d-tool" --help)"
    # A command's line: two blanks, its name, then an option or an upper-case argument.
    commands="$(sed -n '/^Commands:/,/^Options:/s/^  \([a-z]\+\)\( \(--\|[A-Z]\).*\)\?$/\1/p' <<<"$help")"
    [ -n "$commands" ] || fail "no commands found in quorvel3d-tool --help"
    for command in $commands; do
        # Each command heads an item of its own: ".TP", then ".B command ...".
        awk -v c="$command" 'prev == ".TP" && $1 == ".B" && $2 == c { found = 1 } { prev = $0 }
                             END { exit !found }' <<<"$page" ||
            fail "quorvel3d-tool(6) lacks the command $command"
    done
    while read -r option; do
        grep -qF -- "\\-\\-${option#--}" <<<"$page" || fail "quorvel3d-tool(6) lacks the option $option"
    done < <(grep -o -- '--[a-z]\+' <<<"$help" | sort -u)
fi

# Every icon size, each PNG its nominal size, and the scalable icon.
png_size() { # prints "WIDTH HEIGHT" of a PNG, or nothing when it is not a PNG
    local bytes
    read -r -a bytes <<<"$(od -An -tu1 -N24 -w24 "$1")"
    [ "${#bytes[@]}" -eq 24 ] || return
    [ "${bytes[*]:0:8}" = "137 80 78 71 13 10 26 10" ] || return
    [ "${bytes[*]:12:4}" = "73 72 68 82" ] || return
    echo "$(((bytes[16] << 24) | (bytes[17] << 16) | (bytes[18] << 8) | bytes[19])) \
$(((bytes[20] << 24) | (bytes[21] << 16) | (bytes[22] << 8) | bytes[23]))"
}
for size in 16 24 32 48 64 128 256; do
    icon="$share/icons/hicolor/${size}x$size/apps/$appid.png"
    if [ ! -f "$icon" ]; then
        fail "the ${size}x$size icon is not installed"
        continue
    fi
    actual="$(png_size "$icon")"
    [ "$actual" = "$size $size" ] ||
        fail "the ${size}x$size icon is ${actual:-not a PNG} (width height)"
done
svg="$share/icons/hicolor/scalable/apps/$appid.svg"
if [ ! -f "$svg" ]; then
    fail "the scalable icon is not installed"
else
    grep -q '<svg[^>]*viewBox="0 0 256 256"' "$svg" || fail "the scalable icon is not a square SVG"
    if have xmllint libxml2-utils; then
        xmllint --noout "$svg" || fail "the scalable icon is not well-formed XML"
    fi
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures fault(s) in the installed files"
    exit 1
fi
if [ "${#missing[@]}" -gt 0 ]; then
    echo "SKIPPED: not installed: ${missing[*]} (scripts/setup.sh installs them)"
    exit 77
fi
echo "The installed files are valid."
