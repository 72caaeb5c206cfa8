# From `quorvel3d-tool maze` output: the shortest way from the start to the exit, as taps
# (R: turn right, U: step forward), then the number of steps; nothing when there is none.
# Facing 1..4 looks towards column - 1, row + 1, column + 1, row - 1; codes of 128 and
# more are walls; the exit is code 1, in column N, and stepping onto it wins.
BEGIN { n = 0; split("0 1 0 -1", dr, " "); split("-1 0 1 0", dc, " ") }
NR == 2 { r0 = $2 + 0; c0 = $3 + 0; f0 = $5 + 0; next }
NR > 2 { for (i = 1; i <= NF; i++) cell[n, i - 1] = $i + 0; n++ }
function open(y, x) { return ((y, x) in cell) && cell[y, x] < 128 }
END {
    head = 0; tail = 0; qy[tail] = r0; qx[tail] = c0; tail++; seen[r0, c0] = 1
    while (head < tail) {
        y = qy[head]; x = qx[head]; head++
        if (cell[y, x] == 1) { ty = y; tx = x; found = 1; break }
        for (f = 1; f <= 4; f++) {
            ny = y + dr[f]; nx = x + dc[f]
            if (open(ny, nx) && !((ny, nx) in seen)) {
                seen[ny, nx] = 1; from[ny, nx] = f; qy[tail] = ny; qx[tail] = nx; tail++
            }
        }
    }
    if (!found) exit
    count = 0; y = ty; x = tx
    while (y != r0 || x != c0) { f = from[y, x]; way[count++] = f; y -= dr[f]; x -= dc[f] }
    taps = ""; facing = f0
    for (i = count - 1; i >= 0; i--) {
        while (facing != way[i]) { taps = taps "R"; facing = facing % 4 + 1 }
        taps = taps "U"
    }
    print taps, count
}
