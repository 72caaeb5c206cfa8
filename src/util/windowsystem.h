#pragma once
// Opening the window system: Qt's application is made here, so that a display that
// cannot be opened ends the program with one line and status 1 instead of Qt's abort
// (and a core dump).

#include <memory>
#include <string>
#include <vector>

class QApplication;

namespace quorvel {

/// Makes the application from `args` (the program's name first). When Qt cannot open
/// its platform, prints "<program>: " and the reason on one line to standard error and
/// ends the process with status 1; Qt's own messages of a successful start are passed
/// on as usual. The arguments live as long as the program.
std::unique_ptr<QApplication> openWindowSystem(std::vector<std::string> args);

} // namespace quorvel
