#include "sound/soundres.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerSounds() {
    Q_INIT_RESOURCE(sounds);
}

namespace quorvel {

void initSoundResources() {
    static const bool registered = (registerSounds(), true);
    (void)registered;
}

} // namespace quorvel
