#include "soundres.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registersounds() {
    Q_INIT_RESOURCE(sounds);
}

namespace quorvel {

void initsoundresources() {
    static const bool registered = (registersounds(), true);
    (void)registered;
}

} // namespace quorvel
