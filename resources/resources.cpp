#include "resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerQuorvel3D() {
    Q_INIT_RESOURCE(quorvel3d);
    Q_INIT_RESOURCE(unpacked);
    Q_INIT_RESOURCE(unpacked2x);
}

namespace quorvel {

void initResources() {
    static const bool registered = (registerQuorvel3D(), true);
    (void)registered;
}

} // namespace quorvel
