#include "game/generator.h"

#include "game/levels.h"
#include "game/random.h"

namespace quorvel {
namespace {

class Generator {
  public:
    Generator(Maze& maze, Random& rng, const ServiceEvents& service, long attemptBound)
        : m(maze), m_rng(rng), m_service(service), n(maze.mazeSize), m_attemptBound(attemptBound) {}

    bool run() {
        clear();
        wallLines();
        gapsAndStubs();
        frame();
        const int exitRow = throughPath();
        placeExit(exitRow);
        placeStart();
        if (!placeWallMap()) return true;
        placeTools();
        const struct {
            int code;
            int size;
        } sweeps[] = {{cellFood, 6},
                      {cellBattery, 10},
                      {cellMixed, 10},
                      {cellFoodTrap, 20},
                      {cellGemTrap, 20}};
        for (const auto& s : sweeps)
            if (!scatterItems(s.code, s.size)) return true;
        return m_reject;
    }

  private:
    Maze& m;
    Random& m_rng;
    const ServiceEvents& m_service;
    const int n;
    const long m_attemptBound;
    int m_placeTries = 0;
    bool m_reject = false;

    int rand(int k) { return static_cast<int>(m_rng.rand(static_cast<std::uint32_t>(k))); }

    void clear() {
        m_placeTries = 0;
        m_reject = false;
        m.grid.fill(cellOpen);
    }

    void wallLines() {
        for (int c = 2; c < n; c += 2)
            for (int r = 0; r <= n; ++r)
                m.set(r, c, cellWall);
    }

    // Column N is included: its gaps are closed again by the frame.
    void gapsAndStubs() {
        for (int c = 2; c <= n; c += 2) {
            int a = c == 2 ? 3 : 0;
            while (a < n - 4) {
                a += rand(3) + 1;
                m.set(a, c, cellOpen);
                const int s = rand(3);
                if (s == 1)
                    m.set(a - 1, c - 1, cellWall);
                else if (s == 2)
                    m.set(a + 1, c - 1, cellWall);
                a += 1;
            }
        }
    }

    void frame() {
        for (int i = 0; i <= n; ++i) {
            m.set(i, 0, cellWall);
            m.set(i, n, cellWall);
            m.set(0, i, cellWall);
            m.set(n, i, cellWall);
        }
    }

    // One opening through every wall line and a run of 1..4 cells up or down in
    // every corridor. Returns the row of the path's last cell, the exit row.
    int throughPath() {
        int a = rand(n - 4) + 2;
        m.set(a, 1, cellPath);
        int c = 2;
        while (c < n - 1) {
            int d = rand(2); // 0 towards higher rows, 1 towards lower rows
            const int k = rand(4) + 1;
            m.set(a, c, cellPath);
            m.set(a + 1, c, cellWall);
            m.set(a - 1, c, cellWall);
            ++c;
            if (d == 0 && a > n - 6)
                d = 1;
            else if (d == 1 && a < 6)
                d = 0;
            const int step = d == 0 ? 1 : -1;
            for (int i = 0; i < k; ++i) {
                m.set(a, c, cellPath);
                a += step;
            }
            ++c;
            a -= step;
        }
        return a;
    }

    void placeExit(int e) {
        m.set(e, n, cellExit);
        m.set(e + 1, n, cellWall);
        m.set(e - 1, n, cellWall);
        m.set(e, n + 1, cellWall);
        m.set(e - 1, n + 1, cellWall);
        m.set(e + 1, n + 1, cellWall);
    }

    // The topmost path cell of column c, searching rows first..N - 1; N when none.
    int topmostPath(int c, int first) const {
        for (int r = first; r < n; ++r)
            if (m.at(r, c) == cellPath) return r;
        return n;
    }

    void placeStart() {
        const int c = rand(n - 20) + 10;
        m.posRow = topmostPath(c, 0);
        m.posCol = c;
        m.facing = rand(3) + 1;
        m.compassTurn = rand(4);
        m.set(m.posRow, m.posCol, cellStart);
    }

    bool placeWallMap() {
        for (long attempt = 0; attempt < m_attemptBound; ++attempt) {
            const int c = rand(n - 6) + 3;
            const int r = topmostPath(c, 1);
            if (c == m.posCol || r == m.posRow) continue;
            const Step order[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (const Step s : order) {
                if (m.at(r + s.dr, c + s.dc) == cellWall) {
                    m.set(r + s.dr, c + s.dc, cellWallMap);
                    return true;
                }
            }
        }
        return false;
    }

    // A tool's cell lies on the path, off the start's row and column, and touches only
    // path cells and plain walls: no side passage, box, exit or wall map.
    bool toolCell(int r, int c) const {
        if (m.at(r, c) != cellPath || r == m.posRow || c == m.posCol) return false;
        const CellCode around[] = {m.at(r + 1, c), m.at(r - 1, c), m.at(r, c + 1), m.at(r, c - 1)};
        for (const CellCode code : around) {
            if (code == cellWallMap || code == cellExit) return false;
            if (code != cellPath && !isWall(code)) return false;
        }
        return true;
    }

    bool placeTool(CellCode code) {
        ++m_placeTries;
        if (m_service) m_service();
        const int c = m.posCol - 9 + rand(18);
        bool placed = false;
        for (int r = 1; r <= n - 1; ++r) {
            if (toolCell(r, c)) {
                m.set(r, c, code);
                placed = true;
                break;
            }
        }
        // A tool that needs a third attempt rejects the maze, even when it succeeds.
        if (m_placeTries == 3) m_reject = true;
        return placed;
    }

    void placeTools() {
        const CellCode tools[] = {cellCompass, cellBeacon, cellDetector, cellGps, cellTracker};
        for (const CellCode tool : tools) {
            m_placeTries = 0;
            while (!placeTool(tool) && !m_reject) {
            }
        }
    }

    // Boxes, traps, the start and the exit never touch; floor, path and walls may.
    bool touchesItem(int r, int c) const {
        const CellCode around[] = {m.at(r, c - 1), m.at(r, c + 1), m.at(r - 1, c), m.at(r + 1, c)};
        for (const CellCode code : around)
            if (code >= 1 && code <= 127 && code != cellPath) return true;
        return false;
    }

    bool touchesExitOrMap(int r, int c) const {
        const CellCode around[] = {m.at(r, c - 1), m.at(r, c + 1), m.at(r - 1, c), m.at(r + 1, c)};
        for (const CellCode code : around)
            if (code == cellWallMap || code == cellExit) return true;
        return false;
    }

    CellCode mixedCode() {
        switch (rand(8)) {
        case 0: return cellStone;
        case 1:
        case 5: return cellGem1;
        case 2:
        case 6: return cellGem3;
        case 3:
        case 7: return cellGem5;
        default: return cellEmptyBox;
        }
    }

    // One item in every size x size block. False when a block found no cell within
    // the attempt bound (the maze is then rejected).
    bool scatterItems(int code, int size) {
        for (int b = 0; b <= n - 5; b += size) {
            for (int a = 0; a <= n - 5; a += size) {
                long attempt = 0;
                for (;; ++attempt) {
                    if (attempt >= m_attemptBound) return false;
                    const int r = a + rand(size);
                    const int c = b + rand(size);
                    const CellCode here = m.at(r, c);
                    if (here != cellOpen && here != cellPath) continue;
                    if (r == m.posRow || c == m.posCol) continue;
                    if (touchesItem(r, c)) continue;
                    const CellCode item =
                        code == cellMixed ? mixedCode() : static_cast<CellCode>(code);
                    if (touchesExitOrMap(r, c)) continue;
                    m.set(r, c, item);
                    break;
                }
            }
        }
        return true;
    }
};

} // namespace

bool generateMaze(Maze& maze, Random& rng, const ServiceEvents& service, long attemptBound) {
    maze.seed.reset(); // one attempt of many; only the whole protocol knows the first state
    return Generator(maze, rng, service, attemptBound).run();
}

int generateAccepted(Maze& maze, Random& rng, int level, const ServiceEvents& service) {
    const std::uint32_t firstState = rng.seed();
    maze.mazeSize = mazeSizeOfLevel(level);
    int rejected = 0;
    while (generateMaze(maze, rng, service))
        ++rejected;
    maze.seed = firstState;
    return rejected;
}

} // namespace quorvel
