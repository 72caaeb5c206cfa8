#include "sdllibrary.h"

#include <optional>

#include <dlfcn.h>

namespace quorvel {

namespace {

template <class Function> bool bind(void* library, Function& function, const char* name) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

std::optional<SdlLibrary> loadSdl() {
    void* library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library) return std::nullopt;
    SdlLibrary a;
    const bool bound =
        bind(library, a.setHint, "SDL_SetHint") &&
        bind(library, a.initSubSystem, "SDL_InitSubSystem") &&
        bind(library, a.quitSubSystem, "SDL_QuitSubSystem") &&
        bind(library, a.openAudioDevice, "SDL_OpenAudioDevice") &&
        bind(library, a.closeAudioDevice, "SDL_CloseAudioDevice") &&
        bind(library, a.pauseAudioDevice, "SDL_PauseAudioDevice") &&
        bind(library, a.rwFromConstMem, "SDL_RWFromConstMem") &&
        bind(library, a.loadWav, "SDL_LoadWAV_RW") && bind(library, a.freeWav, "SDL_FreeWAV") &&
        bind(library, a.buildAudioCvt, "SDL_BuildAudioCVT") &&
        bind(library, a.convertAudio, "SDL_ConvertAudio") &&
        bind(library, a.addEventWatch, "SDL_AddEventWatch") &&
        bind(library, a.delEventWatch, "SDL_DelEventWatch") &&
        bind(library, a.pollEvent, "SDL_PollEvent") &&
        bind(library, a.numJoysticks, "SDL_NumJoysticks") &&
        bind(library, a.isGameController, "SDL_IsGameController") &&
        bind(library, a.joystickGetDeviceInstanceId, "SDL_JoystickGetDeviceInstanceID") &&
        bind(library, a.gameControllerOpen, "SDL_GameControllerOpen") &&
        bind(library, a.gameControllerClose, "SDL_GameControllerClose") &&
        bind(library, a.gameControllerGetAttached, "SDL_GameControllerGetAttached") &&
        bind(library, a.gameControllerGetAxis, "SDL_GameControllerGetAxis") &&
        bind(library, a.gameControllerGetButtonFromString, "SDL_GameControllerGetButtonFromString");
    if (!bound) return std::nullopt;
    return a;
}

} // namespace

const SdlLibrary* sdlLibrary() {
    static const std::optional<SdlLibrary> library = loadSdl();
    return library ? &*library : nullptr;
}

} // namespace quorvel
