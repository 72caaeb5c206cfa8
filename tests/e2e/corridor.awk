# From `quorvel3d-tool save` output: the shortest way from (r0, c0) facing f0 to a cell
# with two open cells ahead, printed as taps (R: turn right, U: step forward) followed
# by the number of steps; nothing when there is none. Facing 1..4 looks towards
# column - 1, row + 1, column + 1, row - 1; codes of 128 and more are walls; the exit
# column is left alone, as reaching it would end the game.
BEGIN { n = 0; split("0 1 0 -1", dr, " "); split("-1 0 1 0", dc, " ") }
/^grid$/ { g = 1; next }
/^placed/ { g = 0 }
g { for (i = 1; i <= NF; i++) cell[n, i - 1] = $i + 0; n++ }
function open(y, x) { return y >= 0 && y < n && x >= 0 && x < n - 1 && cell[y, x] < 128 }
function corridor(y, x,    f) {
    for (f = 1; f <= 4; f++)
        if (open(y + dr[f], x + dc[f]) && open(y + 2 * dr[f], x + 2 * dc[f])) return f
    return 0
}
END {
    # Breadth first over open cells.
    head = 0; tail = 0; qy[tail] = r0; qx[tail] = c0; tail++; seen[r0, c0] = 1
    while (head < tail) {
        y = qy[head]; x = qx[head]; head++
        if ((f = corridor(y, x))) { ty = y; tx = x; tf = f; break }
        for (f = 1; f <= 4; f++) {
            ny = y + dr[f]; nx = x + dc[f]
            if (open(ny, nx) && !((ny, nx) in seen)) {
                seen[ny, nx] = 1; from[ny, nx] = f; qy[tail] = ny; qx[tail] = nx; tail++
            }
        }
    }
    if (!tf) exit
    # The way back from the target, then forwards as taps.
    count = 0; y = ty; x = tx
    while (y != r0 || x != c0) { f = from[y, x]; way[count++] = f; y -= dr[f]; x -= dc[f] }
    taps = ""; facing = f0
    for (i = count - 1; i >= 0; i--) {
        while (facing != way[i]) { taps = taps "R"; facing = facing % 4 + 1 }
        taps = taps "U"
    }
    while (facing != tf) { taps = taps "R"; facing = facing % 4 + 1 }
    if (taps == "") taps = "-"
    print taps, count
}
