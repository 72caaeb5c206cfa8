#!/usr/bin/env bash
# The folders of src/ are layers: each may include only the folders before it in this
# list (and its own), so no include points back up and none makes a loop. The rules
# include nothing of Qt, and the text helpers nothing outside their own folder.
# Usage: layers.sh SOURCE-ROOT
set -u
cd "${1:?the source root}/src" || exit 2
layers=(text game files platform theme sound view widgets play screens app tool)
rank() { local i; for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }; done; echo -1; }
bad=0
for dir in */; do
    dir=${dir%/}
    [ "$(rank "$dir")" -ge 0 ] || { echo "src/$dir: a folder that is not a layer"; bad=1; }
done
while IFS= read -r file; do
    from=${file%%/*}
    own=$(rank "$from")
    while IFS= read -r line; do
        target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/' <<<"$line")
        case "$target" in
        */*) to=${target%%/*}
             [ "$to" = resources ] && [ "$from" != text ] && [ "$from" != game ] && continue
             r=$(rank "$to")
             if [ "$r" -lt 0 ] || [ "$r" -gt "$own" ]; then echo "$file: includes $target"; bad=1; fi
             [ "$from" = text ] && [ "$to" != text ] && { echo "$file: text includes $target"; bad=1; } ;;
        *)   [ -f "$(dirname "$file")/$target" ] || { echo "$file: \"$target\" without its folder"; bad=1; } ;;
        esac
    done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file")
    case "$from" in text|game)
        if grep -qE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
            echo "$file: the $from folder includes Qt"; bad=1
        fi ;;
    esac
done < <(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort)
[ "$bad" -eq 0 ] && echo "every include points down the layers"
exit "$bad"
