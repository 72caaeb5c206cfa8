// The program's own GNU options, the choice of window system, and the real executable
// started as a player or a script would start it, without a display.

#include <QFile>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

#include "app/commandline.h"
#include "files/inifile.h"
#include "support/testapp.h"
#include "support/testfolder.h"

using namespace quorvel;

namespace {

using Action = ProgramOptions::Action;
using Args = std::vector<std::string>;

struct GameRun {
    int status = -1; ///< -1 when the program did not end by itself
    bool crashed = false;
    QString out, err;
};

/// The game's environment with no display at all, in a fresh program folder.
QProcessEnvironment noDisplay(const test::TestFolder& folder) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    env.insert("QUORVEL3D_HOME", QString::fromStdString(folder.home()));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(folder.config()));
    env.insert("SDL_AUDIODRIVER", "dummy");
    return env;
}

// The same on Qt's offscreen platform: the game runs, showing nothing.
QProcessEnvironment offscreen(const test::TestFolder& folder) {
    QProcessEnvironment env = noDisplay(folder);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    return env;
}

GameRun runGame(const QStringList& args, const QProcessEnvironment& env) {
    QProcess game;
    game.setProcessEnvironment(env);
    game.start(QUORVEL3D_EXE, args);
    GameRun r;
    if (!game.waitForFinished(20000)) {
        game.kill();
        game.waitForFinished(5000);
        return r;
    }
    r.crashed = game.exitStatus() != QProcess::NormalExit;
    r.status = r.crashed ? -1 : game.exitCode();
    r.out = QString::fromUtf8(game.readAllStandardOutput());
    r.err = QString::fromUtf8(game.readAllStandardError());
    return r;
}

/// Starts the game and waits until it has named its player (the settings file says
/// so); ends it then. The player's name, or "<none>" when it never came up.
std::string playerOfRun(const QStringList& args, const QProcessEnvironment& env,
                        const test::TestFolder& folder) {
    QProcess game;
    game.setProcessEnvironment(env);
    game.start(QUORVEL3D_EXE, args);
    std::string player = "<none>";
    for (int i = 0; i < 300 && game.state() != QProcess::NotRunning; ++i) {
        player = IniFile::load(folder.home() + "quorvel3d.ini")
                     .readString("Settings", "Player", "<none>");
        if (player != "<none>") break;
        QThread::msleep(50);
    }
    game.kill();
    game.waitForFinished(5000);
    return player;
}

} // namespace

TEST(CommandLine, DashesAndSlashesBecomeUpperCaseSwitches) {
    EXPECT_EQ(readCommandLine({"-ubob"}), "/Ubob");
    EXPECT_EQ(getSwitch('U'), "bob");
    EXPECT_EQ(getSwitch('u'), "bob");
    readCommandLine({"/Ubob"});
    EXPECT_EQ(getSwitch('U'), "bob");
    readCommandLine({"/UJohn%bSmith"});
    EXPECT_EQ(getSwitch('U'), "John Smith");
    readCommandLine({"/U"});
    EXPECT_EQ(getSwitch('U'), "");
    readCommandLine({});
    EXPECT_EQ(getSwitch('U'), "");
    EXPECT_EQ(commandline(), "");
}

TEST(CommandLine, ValuesEndAtTheNextSwitchMark) {
    // A plain minus inside a name is a switch mark, which is why %d exists.
    readCommandLine({"  -uAnn-Marie  ", "-x"});
    EXPECT_EQ(commandline(), "/UAnn/Marie   /X");
    EXPECT_EQ(getSwitch('U'), "Ann");
    readCommandLine({"/uAnn%dMarie", "/xyz"});
    EXPECT_EQ(getSwitch('U'), "Ann-Marie");
    EXPECT_EQ(getSwitch('X'), "yz");
    EXPECT_EQ(getSwitch('Q'), "");
    readCommandLine({"/U" + std::string(300, 'a')});
    EXPECT_EQ(getSwitch('U'), std::string(255, 'a'));
    readCommandLine({"-"}); // a lone mark at the very end stays as it is
    EXPECT_EQ(commandline(), "-");
    EXPECT_EQ(getSwitch('U'), "");
}

TEST(CommandLine, EscapesDecode) {
    EXPECT_EQ(decodeSwitch("say%qhi%q"), "say\"hi\"");
    EXPECT_EQ(decodeSwitch("100%p"), "100%");
    EXPECT_EQ(decodeSwitch("a%xb"), "ab");
    EXPECT_EQ(decodeSwitch("end%"), "end");
    EXPECT_EQ(decodeSwitch("%d%s"), "-/");
    EXPECT_EQ(decodeSwitch("%B"), ""); // codes are lower-case only
    EXPECT_EQ(decodeSwitch("  %bpadded%b  "), " padded ");
    EXPECT_EQ(decodeSwitch("%%b"), "b");
}

TEST(ProgramOptions, GnuOptionsAreTakenOutAndEverythingElseIsPassedOnInOrder) {
    const ProgramOptions o =
        readProgramOptions({"-uBob", "-platform", "offscreen", "/UAnn", "--style=fusion"});
    EXPECT_EQ(o.action, Action::play);
    EXPECT_EQ(o.passOn, (Args{"-uBob", "-platform", "offscreen", "/UAnn", "--style=fusion"}));

    // Qt's options with two dashes are Qt's, and so is their value, whatever it looks like.
    EXPECT_EQ(readProgramOptions({"--platform", "offscreen", "--qwindowtitle", "--odd"}).passOn,
              (Args{"--platform", "offscreen", "--qwindowtitle", "--odd"}));
    // "--" ends the options; it goes, what follows stays as it is.
    const ProgramOptions ended = readProgramOptions({"-uBob", "--", "--help", "-x"});
    EXPECT_EQ(ended.action, Action::play);
    EXPECT_EQ(ended.passOn, (Args{"-uBob", "--help", "-x"}));
    // A single dash is never an option of the program's own: -h stays a switch.
    EXPECT_EQ(readProgramOptions({"-h", "-"}).passOn, (Args{"-h", "-"}));
}

TEST(ProgramOptions, HelpAndVersionWinAtOnceAndMayBeShortened) {
    EXPECT_EQ(readProgramOptions({"--help"}).action, Action::help);
    EXPECT_EQ(readProgramOptions({"-uBob", "--version", "--bogus"}).action, Action::version);
    EXPECT_EQ(readProgramOptions({"--he"}).action, Action::help);
    EXPECT_EQ(readProgramOptions({"--v"}).action, Action::version);
    EXPECT_TRUE(readProgramOptions({"--help"}).passOn.empty());
    EXPECT_EQ(versionLine(), "Quorvel 3-D 1.35");
}

TEST(ProgramOptions, AMazeNumberIsTakenInBothSpellingsAndABadOneRefusesTheRun) {
    ProgramOptions o = readProgramOptions({"/Ubob", "--maze", "3-12345", "-platform", "xcb"});
    EXPECT_EQ(o.action, Action::play);
    EXPECT_EQ(o.maze, (MazeNumber{3, 12345}));
    EXPECT_EQ(o.passOn, (Args{"/Ubob", "-platform", "xcb"})); // "3-12345" never reaches /U
    o = readProgramOptions({"--maze=6-4294967295", "-ubob"});
    EXPECT_EQ(o.maze, (MazeNumber{6, 4294967295u}));
    EXPECT_EQ(o.passOn, Args{"-ubob"});
    EXPECT_EQ(readProgramOptions({"--maze=1-5", "--maze", "2-6"}).maze, (MazeNumber{2, 6}));
    EXPECT_EQ(readProgramOptions({"--", "--maze", "3-1"}).maze, std::nullopt);
    o = readProgramOptions({"--speech", "-ubob"}); // spoken play on from the start
    EXPECT_TRUE(o.speech);
    EXPECT_EQ(o.passOn, Args{"-ubob"});
    EXPECT_FALSE(readProgramOptions({"-ubob"}).speech);

    for (const Args& bad : {Args{"--maze", "7-1"}, Args{"--maze="}, Args{"--maze", "-ubob"},
                            Args{"--maze=3-x", "--maze=3-1"}}) {
        o = readProgramOptions(bad);
        EXPECT_EQ(o.action, Action::refuse) << bad.back();
        EXPECT_NE(o.refusal.find("bad maze number"), std::string::npos) << o.refusal;
        EXPECT_EQ(o.maze, std::nullopt);
    }
    o = readProgramOptions({"-ubob", "--maze"});
    EXPECT_EQ(o.action, Action::refuse);
    EXPECT_EQ(o.refusal, "option '--maze' requires an argument");

    // The maze opens at once, so a word no switch takes refuses the run; switch values
    // and Qt's options with theirs stay, and without a maze such a word is ignored.
    const struct {
        Args args;
        std::string stray; ///< empty when the command line plays
    } words[] = {
        {{"--maze", "3-1", "extra"}, "extra"},
        {{" ", "a\tb", "--maze=3-1", "-ubob"}, "a?b"},
        {{"--maze=3-1", "--", "extra/UBob"}, "extra/UBob"},
        {{"--maze=3-1", "-"}, "-"},
        {{"--maze", "3-1", "-uJohn", "Smith", "-platform", "offscreen"}, ""},
        {{"-platform", "offscreen", "--maze=3-1", "/UAnn", "/"}, ""},
        {{"extra", "-platform", "offscreen"}, ""},
    };
    for (const auto& w : words) {
        o = readProgramOptions(w.args);
        EXPECT_EQ(o.refusal, w.stray.empty() ? "" : "extra operand '" + w.stray + "' with --maze")
            << w.args.front();
        EXPECT_EQ(o.action, w.stray.empty() ? Action::play : Action::refuse) << w.args.front();
    }
}

TEST(ProgramOptions, ARunToWatchIsOneFileWithNothingBesideIt) {
    EXPECT_EQ(readProgramOptions({"--replay", "-a.run", "-ubob"}).replay, "-a.run");
    EXPECT_EQ(readProgramOptions({"--rep=b.run", "-platform", "xcb"}).replay, "b.run");
    EXPECT_EQ(readProgramOptions({"--replay="}).refusal, "option '--replay' names no file");
    EXPECT_EQ(readProgramOptions({"--replay", "a.run", "b.run"}).refusal,
              "extra operand 'b.run' with --replay");
    EXPECT_EQ(readProgramOptions({"--replay=a.run", "--maze=3-1"}).refusal,
              "options '--maze' and '--replay' do not go together");
}

TEST(ProgramOptions, UnknownOptionsAndWrongValuesRefuseTheCommandLine) {
    const ProgramOptions bogus = readProgramOptions({"-uBob", "--bogus", "--help"});
    EXPECT_EQ(bogus.action, Action::refuse);
    EXPECT_EQ(bogus.refusal, "unrecognized option '--bogus'");
    EXPECT_TRUE(bogus.passOn.empty());
    EXPECT_EQ(readProgramOptions({"--help=yes"}).refusal,
              "option '--help' doesn't allow an argument");
    EXPECT_EQ(readProgramOptions({"--5"}).action, Action::refuse);
    EXPECT_EQ(readProgramOptions({"--Help"}).action, Action::refuse); // names are exact
    // "--" alone is the end of the options, "---x" a word nobody knows.
    EXPECT_EQ(readProgramOptions({"---x"}).action, Action::refuse);
}

TEST(ProgramOptions, TheUsageNamesEveryOptionTheSwitchEscapesQtAndTheProgramFolder) {
    const std::string usage = usageText("quorvel3d");
    for (const GnuOption& o : gnuOptions())
        EXPECT_NE(usage.find("--" + std::string(o.name)), std::string::npos) << o.name;
    for (const char* part :
         {"Usage: quorvel3d", "-uNAME", "/UNAME", "%b", "%q", "%p", "%d", "%s", "-platform",
          "-display", "QUORVEL3D_HOME", "WAYLAND_DISPLAY", "xcb", "QT_QPA_PLATFORM", "Exit status"})
        EXPECT_NE(usage.find(part), std::string::npos) << part;
    for (std::size_t start = 0, end; start < usage.size(); start = end + 1) {
        end = usage.find('\n', start);
        ASSERT_NE(end, std::string::npos) << "the usage ends with a line break";
        EXPECT_LE(end - start, 80u) << usage.substr(start, end - start);
    }
}

TEST(GameExecutable, HelpAndVersionNeedNoDisplay) {
    test::TestFolder folder;
    const GameRun help = runGame({"--help"}, noDisplay(folder));
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: quorvel3d ")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("QUORVEL3D_HOME"));
    EXPECT_TRUE(help.err.isEmpty()) << help.err.toStdString();

    const GameRun version = runGame({"--version"}, noDisplay(folder));
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "Quorvel 3-D 1.35\n");
    EXPECT_TRUE(version.err.isEmpty());
}

TEST(GameExecutable, ABadCommandLineIsOneLineAndStatusTwo) {
    test::TestFolder folder;
    // A run file's name with control characters in it shows them as '?'.
    for (const QStringList& args : {QStringList{"--bogus"}, QStringList{"-uBob", "--help=x"},
                                    QStringList{"--maze", "3-12345", "extra"},
                                    QStringList{"--replay", "no\x1b[2J\nsuch.run"}}) {
        const GameRun r = runGame(args, noDisplay(folder));
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith("quorvel3d: ")) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains('\x1b')) << r.err.toStdString();
    }
}

TEST(GameExecutable, WithoutADisplayItSaysWhyAndEndsWithStatusOne) {
    test::TestFolder folder;
    const GameRun none = runGame({}, noDisplay(folder));
    EXPECT_FALSE(none.crashed) << "no core dump";
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "quorvel3d: cannot open a display: set DISPLAY or WAYLAND_DISPLAY\n");
    EXPECT_TRUE(none.out.isEmpty());

    // A display that is named but cannot be opened is the same, through Qt.
    QProcessEnvironment env = noDisplay(folder);
    env.insert("DISPLAY", ":9876");
    const GameRun unreachable = runGame({"-uBob"}, env);
    EXPECT_FALSE(unreachable.crashed) << "no core dump";
    EXPECT_EQ(unreachable.status, 1);
    EXPECT_EQ(unreachable.err,
              "quorvel3d: cannot open a display: set DISPLAY or WAYLAND_DISPLAY\n");

    // A platform Qt does not have is named instead.
    env = noDisplay(folder);
    env.insert("QT_QPA_PLATFORM", "nosuchplatform");
    const GameRun missing = runGame({}, env);
    EXPECT_FALSE(missing.crashed);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err.count('\n'), 1) << missing.err.toStdString();
    EXPECT_TRUE(missing.err.contains("nosuchplatform")) << missing.err.toStdString();
}

TEST(GameExecutable, QtsOwnPlatformOptionWorksBesideThePlayersSwitch) {
    test::ensureApp();
    test::TestFolder folder;
    EXPECT_EQ(playerOfRun({"-platform", "offscreen", "-uBob"}, noDisplay(folder), folder), "Bob");
    QFile::remove(QString::fromStdString(folder.home() + "quorvel3d.ini"));
    EXPECT_EQ(playerOfRun({"/UJohn%bSmith", "--platform", "offscreen"}, noDisplay(folder), folder),
              "John Smith");
    QFile::remove(QString::fromStdString(folder.home() + "quorvel3d.ini"));
    EXPECT_EQ(playerOfRun({"-uAnn%dMarie"}, offscreen(folder), folder), "Ann-Marie");
}

// A crash leaves its stack on standard error and still ends the program by its signal,
// as the shell and a core dump expect.
TEST(GameExecutable, ACrashWritesItsStackAndDiesOfItsSignal) {
    test::ensureApp();
    test::TestFolder folder;
    QProcess game;
    game.setProcessEnvironment(offscreen(folder));
    game.start(QUORVEL3D_EXE, {"-uBob"});
    ASSERT_TRUE(game.waitForStarted(10000));
    const QString registry = QString::fromStdString(folder.config() + "Tendrik.ini");
    for (int i = 0; i < 300 && !QFile::exists(registry); ++i)
        QThread::msleep(50); // up once it has painted and written its registry entry
    ::kill(static_cast<pid_t>(game.processId()), SIGSEGV);
    ASSERT_TRUE(game.waitForFinished(10000));
    EXPECT_EQ(game.exitStatus(), QProcess::CrashExit);
    const QString err = QString::fromUtf8(game.readAllStandardError());
    EXPECT_TRUE(err.contains("quorvel3d: crashed (SEGV); the stack:\n")) << err.toStdString();
    EXPECT_GE(err.count("quorvel3d("), 1) << err.toStdString(); // frames of the program
}

// A file-size limit set by the shell refuses the writes of the larger files (the
// best-times file, the tune): the game notes the refusal in its install record and
// plays on, rather than being killed by the signal that comes with the refusal.
TEST(GameExecutable, AFileSizeLimitRefusesAWriteButNeverEndsTheGame) {
    test::ensureApp();
    test::TestFolder folder;
    QProcess game;
    game.setProcessEnvironment(offscreen(folder));
    game.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_DFL); // as a shell leaves it
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 1024;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    game.start(QUORVEL3D_EXE, {"-uBob"});
    ASSERT_TRUE(game.waitForStarted(10000));
    std::string refusal;
    for (int i = 0; i < 300 && game.state() != QProcess::NotRunning && refusal.empty(); ++i) {
        refusal = IniFile::load(folder.home() + "quorvel3d.tk")
                      .readString("Tendrik.LastError", "Description", "");
        QThread::msleep(50);
    }
    QThread::msleep(200); // time to die, had the signal not been ignored
    EXPECT_EQ(game.state(), QProcess::Running) << "the game ended";
    EXPECT_EQ(refusal.rfind("Unable to create Resource " + folder.home(), 0), 0u) << refusal;
    game.kill();
    game.waitForFinished(5000);
}
