#pragma once
// Runs quorvel3d-tool as another program would and keeps what it said.

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvel::test {

struct ToolRun {
    int status = -1; ///< the exit status; -1 when the tool did not end normally
    std::string out;
    std::string err;
};

/// Runs the tool with args (a shell command line) and waits for it. A prefix runs
/// first in the same shell ("ulimit -v 262144;") or wraps the tool ("timeout 10").
inline ToolRun runTool(const std::string& args, const std::string& prefix = "") {
    char errName[] = "/tmp/quorvel-tool-err-XXXXXX";
    const int fd = mkstemp(errName);
    if (fd >= 0) close(fd);
    const std::string command =
        prefix + " " + std::string(QUORVEL_TOOL) + " " + args + " 2>" + errName;
    ToolRun r;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 4096> buffer{};
        std::size_t n = 0;
        while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
            r.out.append(buffer.data(), n);
        const int status = pclose(pipe);
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::ifstream err(errName);
    r.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    std::remove(errName);
    return r;
}

} // namespace quorvel::test
