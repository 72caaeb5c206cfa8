#!/usr/bin/env bash
# The layer check refuses what the folders' links forbid, naming the file, line and
# include, and takes a new folder from its own CMakeLists.txt: each fault is planted in
# a copy of the source tree, alone, and must be the one complaint.
# Usage: planted.sh SOURCE-ROOT
set -u
root=${1:?the source root}
check="$(cd "$(dirname "$0")" && pwd)/layers.sh"
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
mkdir -p "$copy/resources"
cp "$root/resources/CMakeLists.txt" "$copy/resources/"
failed=0

# plant WANTED FILE TEXT [FILE TEXT ...]: adds each TEXT as the last lines of src/FILE
# (a new file when there is none), runs the check and wants it to fail with WANTED alone
# ("@" in WANTED stands for the number of the last planted line).
plant() {
    local wanted=$1 out
    shift
    rm -rf "$copy/src" && cp -r "$root/src" "$copy/src" || exit 2
    while [ $# -gt 1 ]; do
        mkdir -p "$(dirname "$copy/src/$1")"
        printf '%s\n' "$2" >>"$copy/src/$1"
        wanted=${wanted//@/$(wc -l <"$copy/src/$1")}
        shift 2
    done
    out=$(bash "$check" "$copy" 2>&1) && { echo "passed, wanted: $wanted"; failed=1; return; }
    [ "$out" = "$wanted" ] || { printf 'wanted: %s\ngot:    %s\n' "$wanted" "$out"; failed=1; }
}
# include FILE INCLUDE WHY: plants an include and wants it named with WHY.
include() { plant "src/$1:@: #include $2, but src/${1%%/*}/CMakeLists.txt $3" "$1" "#include $2"; }

for to in view sound theme; do include widgets/dialogs.cpp "\"$to/x.h\"" "does not link a library of $to/"; done
for to in screens app; do include tool/main.cpp "\"$to/x.h\"" "does not link a library of $to/"; done
for to in text game files; do include platform/library.cpp "\"$to/x.h\"" "does not link a library of $to/"; done
include theme/theme.cpp '"platform/x.h"' "does not link a library of platform/"
include view/viewscan.h '"platform/threadpriority.h"' \
    "does not link a library of platform/ PUBLIC, as a header needs"
include game/game.cpp '<QString>' "does not link Qt"
plant 'src/game/game.cpp:@: #include "nowhere.h" without its folder' game/game.cpp '#include "nowhere.h"'
plant "src/stray: a folder without a CMakeLists.txt, so no layer" stray/stray.cpp ''
plant "the links of src/ make a loop through: game text" \
    text/CMakeLists.txt 'target_link_libraries(quorvel_text PUBLIC quorvel_game)'
# A new folder is a layer by its CMakeLists.txt alone: its links allow game, not screens.
plant 'src/lobby/lobby.cpp:@: #include "screens/x.h", but src/lobby/CMakeLists.txt does not link a library of screens/' \
    lobby/CMakeLists.txt 'add_library(quorvel_lobby STATIC lobby.cpp)
target_link_libraries(quorvel_lobby PUBLIC quorvel_game)' \
    lobby/lobby.cpp '#include "game/maze.h"
#include "screens/x.h"'

[ "$failed" -eq 0 ] && echo "every planted fault is refused and named"
exit "$failed"
