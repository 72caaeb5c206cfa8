// quorvel3d-tool as other programs use it: exact output, bad input refused with one
// line on standard error and status 2, output that cannot be written with status 1.

#include <gtest/gtest.h>

#include "game/run.h"
#include "runtool.h"
#include "support/runbytes.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using quorvel::test::ToolRun;
ToolRun run(const std::string& args) {
    return quorvel::test::runTool(args);
}

int lines(const std::string& s) {
    int n = 0;
    for (const char c : s)
        n += c == '\n';
    return n;
}

TEST(Tool, MazePrintsHeaderStartAndEveryRow) {
    const ToolRun r = run("maze --level 1 --seed 0x4D2");
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream in(r.out);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "level 1 size 20 seed 1234");
    std::getline(in, line);
    EXPECT_EQ(line, "start 8 10 facing 2 compassturn 3 rejected 4");
    int rows = 0;
    while (std::getline(in, line)) {
        ++rows;
        std::istringstream cells(line);
        int count = 0, code = 0;
        while (cells >> code)
            ++count;
        EXPECT_EQ(count, 22);
        EXPECT_EQ(line.find("  "), std::string::npos);
    }
    EXPECT_EQ(rows, 21);
    EXPECT_EQ(run("maze --level 1 --seed 1234").out, r.out); // the same bytes every run
}

TEST(Tool, ViewPrintsThePlanOfAPosition) {
    const ToolRun r = run("view --level 1 --seed 1234 --row 2 --col 1 --facing 3");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "strips wall3 door4 middle7 middle12 wall6 wall5\n"
                     "case normal\n"
                     "boxes 0 0 0 0 1 0\n"
                     "ahead 3\n");
    const ToolRun start = run("view --level 1 --seed 1234");
    EXPECT_EQ(start.status, 0);
    EXPECT_EQ(lines(start.out), 4);
}

TEST(Tool, BadInputIsOneLineAndStatusTwo) {
    for (const char* args : {
             "frobnicate",
             "maze --level 0 --seed 1",
             "maze --level 7 --seed 1",
             "maze --level 1",
             "maze --level 1 --seed 4294967296",
             "maze --level 1 --seed -1",
             "maze --level 1 --seed 0x",
             "maze --level one --seed 1",
             "maze --level 1 --seed 1 --bogus 2",
             "maze --level 1 --seed 1 --seed 2",
             "maze --level 1 --seed",
             "view --level 1 --seed 1 --facing 0",
             "view --level 1 --seed 1 --facing 5",
             "view --level 1 --seed 1 --row 130 --col 3 --facing 2",
             "view --level 1 --seed 1 --row -1 --col 3",
             "view --level 1 --seed 1 --row 99999999999999999999",
         }) {
        SCOPED_TRACE(args);
        const ToolRun r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(lines(r.err), 1) << r.err;
    }
}

TEST(Tool, HelpVersionAndUsage) {
    EXPECT_EQ(run("--version").out, "quorvel3d-tool 1.35\n");
    const ToolRun help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("maze --level L --seed S"), std::string::npos);
    // No arguments is bad input like any other: one line on standard error.
    const ToolRun bare = run("");
    EXPECT_EQ(bare.status, 2);
    EXPECT_TRUE(bare.out.empty());
    EXPECT_EQ(bare.err, "Usage: quorvel3d-tool COMMAND [OPTIONS]; try 'quorvel3d-tool --help'\n");
}

// Output lost on a full disk is a failure, whichever command printed it.
TEST(Tool, StandardOutputThatTakesNothingIsStatusOne) {
    for (const char* args :
         {"--help", "--version", "maze --level 1 --seed 1", "view --level 1 --seed 1",
          "scores --builtin", "render --level 1 --seed 1 --out -"}) {
        SCOPED_TRACE(args);
        const ToolRun r = run(std::string(args) + " >/dev/full");
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(lines(r.err), 1) << r.err;
    }
}

} // namespace

// A run file as the game writes it (the seeds of the run-file fuzzer lack only their
// checksum): verified as it stands; one action changed departs there; a file changed
// by hand, or of other rules, is refused with one line.
TEST(Tool, ReplayVerifiesARunAndNamesWhereAChangedOneDeparts) {
    using namespace quorvel;
    std::ifstream seed(std::string(QUORVEL_SOURCE) + "/fuzz/seeds/run/won.run", std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(seed)),
                                    std::istreambuf_iterator<char>());
    const std::string path = "/tmp/quorvel-tool-test-" + std::to_string(::getpid()) + ".run";
    const auto write = [&](const std::vector<std::uint8_t>& b) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    };
    write(test::withRunChecksum(bytes));
    ToolRun r = run("replay " + path);
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("maze\t1-4321\nplayer\tAnn\ntheme\tBack to basics <Default>\n"
                         "result\twon\n"),
              std::string::npos)
        << r.out;
    EXPECT_TRUE(r.out.ends_with("\nverified\n")) << r.out;

    RunRecord played;
    ASSERT_FALSE(decodeRun(test::withRunChecksum(bytes), played));
    std::size_t at = 0;
    while (played.events[at].action != RunAction::stepForward)
        ++at;
    played.events[at].action = RunAction::stepBack;
    write(encodeRun(played));
    r = run("replay " + path);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("\ndeparts at event " + std::to_string(at + 2) + ": "), std::string::npos)
        << r.out;

    // Names as a terminal may show them: no line of a name reads "verified".
    played.player = "x\nverified";
    played.theme = "\x1b]0;title\x07 \xC2\x9B"
                   "2J \\ Gr\xC3\xBCn \xFF";
    write(encodeRun(played));
    r = run("replay " + path);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("player\tx\\x0Averified\ntheme\t\\x1B]0;title\\x07 \\xC2\\x9B2J "
                         "\\\\ Gr\xC3\xBCn \\xFF\n"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("\nverified\n"), std::string::npos) << r.out;

    std::vector<std::uint8_t> changed = test::withRunChecksum(bytes);
    changed[20] ^= 1;
    write(changed);
    r = run("replay " + path);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "quorvel3d-tool replay: " + path + ": damaged: its checksum does not match\n");

    std::vector<std::uint8_t> otherRules = bytes;
    otherRules[6] = 99;
    write(test::withRunChecksum(otherRules));
    r = run("replay " + path);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("played by another version of the rules (99, this game plays 1)"),
              std::string::npos)
        << r.err;
    std::remove(path.c_str());
}
