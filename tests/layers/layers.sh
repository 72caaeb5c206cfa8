#!/usr/bin/env bash
# The folders of src/ are layers, one CMake library each, and a folder's CMakeLists.txt
# says what it may use: a file may include from its own folder and from the folders of
# the libraries its folder links by name (target_link_libraries), and a <Q...> header
# only when it links Qt. Only a direct link allows an include, so every use shows in
# the folder's own CMakeLists.txt rather than resting on what a library below happens
# to pass on. A header may use only what its folder links PUBLIC (its includers get
# those too), or what an executable of the folder links; a source file any link. The
# links between the folders of src/ make no loop, and an include without a folder
# names a file beside the includer. A new folder needs no change here.
# Usage: layers.sh SOURCE-ROOT
set -u
shopt -s nullglob
root=${1:?the source root}
cd "$root" || exit 2

# Every "FOLDER SCOPE KIND LINKED" of a folder's CMakeLists.txt: SCOPE PUBLIC, PRIVATE or
# INTERFACE, KIND library or executable (the target that links), LINKED the linked
# target's name.
links() {
    awk -v folder="$1" '
    { sub(/#.*/, ""); text = text " " $0 }
    END {
        s = text
        while (match(s, /add_(library|executable)[ \t]*\([ \t]*[^ \t)]+/)) {
            d = substr(s, RSTART, RLENGTH); s = substr(s, RSTART + RLENGTH)
            kind = d ~ /^add_executable/ ? "executable" : "library"
            sub(/^[^(]*\([ \t]*/, "", d); kinds[d] = kind
        }
        s = text
        while (match(s, /target_link_libraries[ \t]*\([^)]*\)/)) {
            call = substr(s, RSTART, RLENGTH); s = substr(s, RSTART + RLENGTH)
            sub(/^[^(]*\(/, "", call); sub(/\)$/, "", call)
            n = split(call, w, /[ \t]+/); target = ""; scope = "PUBLIC"
            for (i = 1; i <= n; i++) {
                if (w[i] == "") continue
                if (target == "") { target = w[i]; continue }
                if (w[i] ~ /^(PUBLIC|PRIVATE|INTERFACE)$/) { scope = w[i]; continue }
                if (w[i] !~ /^\$/) print folder, scope, kinds[target], w[i]
            }
        }
    }' "$2"
}

# Every "TARGET FOLDER": the libraries of src/ and of the project's own folders (the
# built-in resources), by the folder that makes them.
targets() {
    local file
    for file in src/*/CMakeLists.txt */CMakeLists.txt; do
        folder=${file%/CMakeLists.txt}
        sed -nE 's/.*add_library[[:space:]]*\([[:space:]]*([^[:space:])]+).*/\1/p' "$file" |
            while read -r target; do echo "$target ${folder#src/}"; done
    done
}

bad=0
table=$(mktemp)
trap 'rm -f "$table"' EXIT
echo "FOLDER SCOPE KIND LINKED" >"$table"
for dir in src/*/; do
    dir=${dir%/}
    if [ -f "$dir/CMakeLists.txt" ]; then
        links "${dir#src/}" "$dir/CMakeLists.txt" >>"$table"
    else
        echo "$dir: a folder without a CMakeLists.txt, so no layer"
        bad=1
    fi
done

# The links between the folders of src/ as a graph: tsort names a loop.
loops=$(awk 'NR == FNR { folderOf[$1] = $2; next }
             ($4 in folderOf) && folderOf[$4] != $1 { print $1, folderOf[$4] }' \
            <(targets) "$table" | tsort 2>&1 >/dev/null | sed '1d; s/^tsort: //' | tr '\n' ' ')
if [ -n "$loops" ]; then
    echo "the links of src/ make a loop through: ${loops% }"
    bad=1
fi

# Each include against its folder's links. Input: the table of links, every file of
# src/, then every include as "path:line:text".
cd src || exit 2
awk -v targetsOf="$(cd .. && targets)" '
    BEGIN {
        n = split(targetsOf, t, "\n")
        for (i = 1; i <= n; i++) { split(t[i], p, " "); folderOf[p[1]] = p[2] }
    }
    FNR == 1 { part++ }
    part == 1 {
        to = $4 ~ /^Qt6::/ ? "<Qt>" : ($4 in folderOf ? folderOf[$4] : "")
        if (to == "") next
        source[$1, to] = 1
        if ($2 != "PRIVATE" || $3 == "executable") header[$1, to] = 1
        next
    }
    part == 2 { exists[$0] = 1; next }
    {
        path = $0; sub(/:.*/, "", path)
        rest = substr($0, length(path) + 2); line = rest; sub(/:.*/, "", line)
        text = substr(rest, length(line) + 2)
        from = path; sub(/\/.*/, "", from)
        isHeader = path ~ /\.h$/
        if (match(text, /"[^"]+"/)) {
            inc = substr(text, RSTART + 1, RLENGTH - 2)
            if (inc !~ /\//) {
                beside = path; sub(/[^\/]*$/, "", beside)
                if (!((beside inc) in exists)) {
                    printf "src/%s:%s: #include \"%s\" without its folder\n", path, line, inc
                    bad = 1
                }
                next
            }
            to = inc; sub(/\/.*/, "", to); shown = "\"" inc "\""
        } else if (match(text, /<Q[^>]*>/)) {
            to = "<Qt>"; shown = substr(text, RSTART, RLENGTH)
        } else next
        if (to == from || (isHeader ? header[from, to] : source[from, to])) next
        printf "src/%s:%s: #include %s, but src/%s/CMakeLists.txt does not link %s%s\n",
               path, line, shown, from, to == "<Qt>" ? "Qt" : "a library of " to "/",
               isHeader && source[from, to] ? " PUBLIC, as a header needs" : ""
        bad = 1
    }
    END { exit bad }
' "$table" <(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort) \
    <(find . \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z |
        xargs -0 grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' | sed 's|^\./||') ||
    bad=1
[ "$bad" -eq 0 ] && echo "every include is one its folder's links allow"
exit "$bad"
