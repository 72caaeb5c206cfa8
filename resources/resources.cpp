#include "resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerquorvel3d() {
    Q_INIT_RESOURCE(quorvel3d);
}

namespace quorvel {

void initresources() {
    static const bool registered = (registerquorvel3d(), true);
    (void)registered;
}

} // namespace quorvel
