#include "helpresources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerhelp() {
    Q_INIT_RESOURCE(help);
}

namespace quorvel {

void inithelpresources() {
    static const bool registered = (registerhelp(), true);
    (void)registered;
}

} // namespace quorvel
