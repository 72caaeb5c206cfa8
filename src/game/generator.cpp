#include "generator.h"

#include "random.h"

namespace quorvel {
namespace {

class Generator {
  public:
    Generator(Maze& maze, Random& rng, const ServiceEvents& service)
        : m(maze), m_rng(rng), m_service(service), n(maze.mazesize) {}

    bool run() {
        clear();
        walllines();
        gapsandstubs();
        frame();
        const int exitrow = throughpath();
        placeexit(exitrow);
        placestart();
        if (!placewallmap()) return true;
        placetools();
        const struct {
            int code;
            int size;
        } sweeps[] = {{cellfood, 6},
                      {cellbattery, 10},
                      {cellmixed, 10},
                      {cellfoodtrap, 20},
                      {cellgemtrap, 20}};
        for (const auto& s : sweeps)
            if (!scatteritems(s.code, s.size)) return true;
        return m_reject;
    }

  private:
    Maze& m;
    Random& m_rng;
    const ServiceEvents& m_service;
    const int n;
    int m_placetries = 0;
    bool m_reject = false;

    int rand(int k) { return static_cast<int>(m_rng.rand(static_cast<std::uint32_t>(k))); }

    void clear() {
        m_placetries = 0;
        m_reject = false;
        m.grid.fill(cellopen);
    }

    void walllines() {
        for (int c = 2; c < n; c += 2)
            for (int r = 0; r <= n; ++r)
                m.set(r, c, cellwall);
    }

    // Column N is included: its gaps are closed again by the frame.
    void gapsandstubs() {
        for (int c = 2; c <= n; c += 2) {
            int a = c == 2 ? 3 : 0;
            while (a < n - 4) {
                a += rand(3) + 1;
                m.set(a, c, cellopen);
                const int s = rand(3);
                if (s == 1)
                    m.set(a - 1, c - 1, cellwall);
                else if (s == 2)
                    m.set(a + 1, c - 1, cellwall);
                a += 1;
            }
        }
    }

    void frame() {
        for (int i = 0; i <= n; ++i) {
            m.set(i, 0, cellwall);
            m.set(i, n, cellwall);
            m.set(0, i, cellwall);
            m.set(n, i, cellwall);
        }
    }

    // One opening through every wall line and a run of 1..4 cells up or down in
    // every corridor. Returns the row of the path's last cell, the exit row.
    int throughpath() {
        int a = rand(n - 4) + 2;
        m.set(a, 1, cellpath);
        int c = 2;
        while (c < n - 1) {
            int d = rand(2); // 0 towards higher rows, 1 towards lower rows
            const int k = rand(4) + 1;
            m.set(a, c, cellpath);
            m.set(a + 1, c, cellwall);
            m.set(a - 1, c, cellwall);
            ++c;
            if (d == 0 && a > n - 6)
                d = 1;
            else if (d == 1 && a < 6)
                d = 0;
            const int step = d == 0 ? 1 : -1;
            for (int i = 0; i < k; ++i) {
                m.set(a, c, cellpath);
                a += step;
            }
            ++c;
            a -= step;
        }
        return a;
    }

    void placeexit(int e) {
        m.set(e, n, cellexit);
        m.set(e + 1, n, cellwall);
        m.set(e - 1, n, cellwall);
        m.set(e, n + 1, cellwall);
        m.set(e - 1, n + 1, cellwall);
        m.set(e + 1, n + 1, cellwall);
    }

    // The topmost path cell of column c, searching rows first..N - 1; N when none.
    int topmostpath(int c, int first) const {
        for (int r = first; r < n; ++r)
            if (m.at(r, c) == cellpath) return r;
        return n;
    }

    void placestart() {
        const int c = rand(n - 20) + 10;
        m.posrow = topmostpath(c, 0);
        m.poscol = c;
        m.facing = rand(3) + 1;
        m.compassturn = rand(4);
        m.set(m.posrow, m.poscol, cellstart);
    }

    bool placewallmap() {
        for (long attempt = 0; attempt < generatorattemptbound; ++attempt) {
            const int c = rand(n - 6) + 3;
            const int r = topmostpath(c, 1);
            if (c == m.poscol || r == m.posrow) continue;
            const Step order[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (const Step s : order) {
                if (m.at(r + s.dr, c + s.dc) == cellwall) {
                    m.set(r + s.dr, c + s.dc, cellwallmap);
                    return true;
                }
            }
        }
        return false;
    }

    // A tool's cell lies on the path, off the start's row and column, and touches only
    // path cells and plain walls: no side passage, box, exit or wall map.
    bool toolcell(int r, int c) const {
        if (m.at(r, c) != cellpath || r == m.posrow || c == m.poscol) return false;
        const CellCode around[] = {m.at(r + 1, c), m.at(r - 1, c), m.at(r, c + 1), m.at(r, c - 1)};
        for (const CellCode code : around) {
            if (code == cellwallmap || code == cellexit) return false;
            if (code != cellpath && !iswall(code)) return false;
        }
        return true;
    }

    bool placetool(CellCode code) {
        ++m_placetries;
        if (m_service) m_service();
        const int c = m.poscol - 9 + rand(18);
        bool placed = false;
        for (int r = 1; r <= n - 1; ++r) {
            if (toolcell(r, c)) {
                m.set(r, c, code);
                placed = true;
                break;
            }
        }
        // A tool that needs a third attempt rejects the maze, even when it succeeds.
        if (m_placetries == 3) m_reject = true;
        return placed;
    }

    void placetools() {
        const CellCode tools[] = {cellcompass, cellbeacon, celldetector, cellgps, celltracker};
        for (const CellCode tool : tools) {
            m_placetries = 0;
            while (!placetool(tool) && !m_reject) {
            }
        }
    }

    // Boxes, traps, the start and the exit never touch; floor, path and walls may.
    bool touchesitem(int r, int c) const {
        const CellCode around[] = {m.at(r, c - 1), m.at(r, c + 1), m.at(r - 1, c), m.at(r + 1, c)};
        for (const CellCode code : around)
            if (code >= 1 && code <= 127 && code != cellpath) return true;
        return false;
    }

    bool touchesexitormap(int r, int c) const {
        const CellCode around[] = {m.at(r, c - 1), m.at(r, c + 1), m.at(r - 1, c), m.at(r + 1, c)};
        for (const CellCode code : around)
            if (code == cellwallmap || code == cellexit) return true;
        return false;
    }

    CellCode mixedcode() {
        switch (rand(8)) {
        case 0: return cellstone;
        case 1:
        case 5: return cellgem1;
        case 2:
        case 6: return cellgem3;
        case 3:
        case 7: return cellgem5;
        default: return cellemptybox;
        }
    }

    // One item in every size x size block. False when a block found no cell within
    // the attempt bound (the maze is then rejected).
    bool scatteritems(int code, int size) {
        for (int b = 0; b <= n - 5; b += size) {
            for (int a = 0; a <= n - 5; a += size) {
                long attempt = 0;
                for (;; ++attempt) {
                    if (attempt >= generatorattemptbound) return false;
                    const int r = a + rand(size);
                    const int c = b + rand(size);
                    const CellCode here = m.at(r, c);
                    if (here != cellopen && here != cellpath) continue;
                    if (r == m.posrow || c == m.poscol) continue;
                    if (touchesitem(r, c)) continue;
                    const CellCode item =
                        code == cellmixed ? mixedcode() : static_cast<CellCode>(code);
                    if (touchesexitormap(r, c)) continue;
                    m.set(r, c, item);
                    break;
                }
            }
        }
        return true;
    }
};

} // namespace

bool generatemaze(Maze& maze, Random& rng, const ServiceEvents& service) {
    return Generator(maze, rng, service).run();
}

int generateaccepted(Maze& maze, Random& rng, int level, const ServiceEvents& service) {
    maze.mazesize = 20 * level;
    int rejected = 0;
    while (generatemaze(maze, rng, service))
        ++rejected;
    return rejected;
}

} // namespace quorvel
