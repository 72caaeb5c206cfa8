# From `quorvel3d-tool maze` output: the shortest way from the start to the exit (with
# ways.awk: awk -f ways.awk -f way_out.awk). Codes of 128 and more are walls; the exit is
# code 1, in column N, and stepping onto it wins.
BEGIN { n = 0 }
NR == 2 { r0 = $2 + 0; c0 = $3 + 0; f0 = $5 + 0; next }
NR > 2 { for (i = 1; i <= NF; i++) cell[n, i - 1] = $i + 0; n++ }
function open(y, x) { return ((y, x) in cell) && cell[y, x] < 128 }
function goal(y, x) { return cell[y, x] == 1 ? -1 : 0 }
END { printWay() }
