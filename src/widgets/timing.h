#pragma once
// Timings for the start-up benchmark (bench/startup.sh). With QUORVEL3D_TIMING set in
// the environment the game prints one line per mark to standard error:
//   quorvel3d-timing <mark> <wall-clock ms> <resident KiB> <processor ms> <libraries>
//                    <user-interface thread's processor ms>
// (the processor time of all threads so far, the shared libraries mapped), so a script
// can take the time from its own launch of the program, or from one mark to another;
// the processor time and the libraries hardly depend on how busy the machine is. When the
// variable's value is a mark's name, the program ends right after printing that mark (for
// a profiler's count up to it). Without the
// variable every call returns at once and prints nothing.

class QWidget;

namespace quorvel {

/// True when QUORVEL3D_TIMING is set (read once).
bool timingWanted();
/// Prints the line for `mark` now, when timings are wanted.
void markTime(const char* mark);
/// Prints the line for `mark` once the next paint of widget has been put on the
/// screen, when timings are wanted.
void markNextPaint(QWidget* widget, const char* mark);

} // namespace quorvel
