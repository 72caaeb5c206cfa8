#include "screens/helpresources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerHelp() {
    Q_INIT_RESOURCE(help);
}

namespace quorvel {

void initHelpResources() {
    static const bool registered = (registerHelp(), true);
    (void)registered;
}

} // namespace quorvel
