#include "platform/endsignals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace quorvel {

namespace {

int signalWriteEnd = -1;

void noteSignal(int number) {
    const int saved = errno; // the interrupted code may be about to read errno
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalWriteEnd, &byte, 1);
    errno = saved;
}

} // namespace

void onEndSignals(QObject* context, std::function<void(int)> ended) {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, ends) != 0) return;
    signalWriteEnd = ends[0];
    auto* notifier = new QSocketNotifier(ends[1], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context,
                     [readEnd = ends[1], ended = std::move(ended)] {
                         unsigned char byte;
                         while (::read(readEnd, &byte, 1) == 1)
                             ended(byte);
                     });
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    // Restarted system calls, so no read or write of the game fails by the signal; the
    // handler is taken once, so a second signal ends a program that does not end.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int number : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(number, &action, nullptr);
}

} // namespace quorvel
