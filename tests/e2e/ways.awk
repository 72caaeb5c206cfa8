# The shortest way for the e2e scripts, read with a script that defines open(y, x) (a cell
# one may walk on) and goal(y, x) (0 for no goal; a facing 1..4 to turn to on arriving,
# or -1 for none), and sets r0, c0 and f0 (where the walk starts, and its facing). Facing
# 1..4 looks towards column - 1, row + 1, column + 1, row - 1. printWay prints the way as
# taps (R: turn right, U: step forward; "-" for none needed) and the number of steps, and
# nothing when no goal can be reached.
BEGIN { split("0 1 0 -1", dr, " "); split("-1 0 1 0", dc, " ") }
function printWay(    head, tail, y, x, f, ny, nx, ty, tx, tf, count, i, taps, facing) {
    head = 0; tail = 0; qy[tail] = r0; qx[tail] = c0; tail++; seen[r0, c0] = 1
    while (head < tail) {
        y = qy[head]; x = qx[head]; head++
        if ((f = goal(y, x))) { ty = y; tx = x; tf = f; break }
        for (f = 1; f <= 4; f++) {
            ny = y + dr[f]; nx = x + dc[f]
            if (open(ny, nx) && !((ny, nx) in seen)) {
                seen[ny, nx] = 1; from[ny, nx] = f; qy[tail] = ny; qx[tail] = nx; tail++
            }
        }
    }
    if (!tf) return
    # The way back from the goal, then forwards as taps.
    count = 0; y = ty; x = tx
    while (y != r0 || x != c0) { f = from[y, x]; way[count++] = f; y -= dr[f]; x -= dc[f] }
    taps = ""; facing = f0
    for (i = count - 1; i >= 0; i--) {
        while (facing != way[i]) { taps = taps "R"; facing = facing % 4 + 1 }
        taps = taps "U"
    }
    while (tf > 0 && facing != tf) { taps = taps "R"; facing = facing % 4 + 1 }
    if (taps == "") taps = "-"
    print taps, count
}
