# From `quorvel3d-tool save` output: the shortest way from (r0, c0) facing f0 to a cell
# with two open cells ahead, facing them (with ways.awk: awk -f ways.awk -f corridor.awk).
# Codes of 128 and more are walls; the exit column is left alone, as reaching it would
# end the game.
BEGIN { n = 0 }
/^grid$/ { g = 1; next }
/^placed/ { g = 0 }
g { for (i = 1; i <= NF; i++) cell[n, i - 1] = $i + 0; n++ }
function open(y, x) { return y >= 0 && y < n && x >= 0 && x < n - 1 && cell[y, x] < 128 }
function goal(y, x,    f) {
    for (f = 1; f <= 4; f++)
        if (open(y + dr[f], x + dc[f]) && open(y + 2 * dr[f], x + 2 * dc[f])) return f
    return 0
}
END { printWay() }
