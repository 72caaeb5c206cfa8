#include "platform/threadpriority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace quorvel {

void lowerThreadPriority() {
    // On Linux a thread's nice value is its own: the thread's id names it alone.
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
}

} // namespace quorvel
