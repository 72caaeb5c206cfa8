#include "platform/fontconfiguration.h"

#ifdef QUORVEL_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace quorvel {

#ifdef QUORVEL_FONTCONFIG

namespace {

// Whether a configuration names a folder for the caches of the font list; without one
// fontconfig adds its defaults and warns, which is best left to it.
bool hasCacheFolder(FcConfig* config) {
    FcStrList* folders = FcConfigGetCacheDirs(config);
    if (!folders) return false;
    const bool any = FcStrListNext(folders) != nullptr;
    FcStrListDone(folders);
    return any;
}

} // namespace

bool loadFontConfiguration() {
    FcConfig* config = FcConfigCreate();
    if (!config) return false;
    // The file of FONTCONFIG_FILE, else the system's fonts.conf with its conf.d,
    // complaining as fontconfig itself does; then the font list, from the caches.
    const bool loaded = FcConfigParseAndLoad(config, nullptr, FcTrue) && hasCacheFolder(config) &&
                        FcConfigBuildFonts(config) && FcConfigSetCurrent(config);
    FcConfigDestroy(config); // the current configuration holds its own reference
    return loaded;
}

#else

bool loadFontConfiguration() {
    return false;
}

#endif

} // namespace quorvel
