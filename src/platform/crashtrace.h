#pragma once
// A crash leaves its trace: on SIGSEGV, SIGBUS, SIGFPE, SIGILL or SIGABRT the program
// writes the signal and its stack (the program's and its libraries' addresses, which
// `addr2line -e quorvel3d` turns into places) to standard error, then dies of the
// signal as it would have, so a core dump and the shell's status are unchanged.

namespace quorvel {

/// Installs the handlers; the program's name starts the lines written.
void traceCrashes(const char* programName);

} // namespace quorvel
