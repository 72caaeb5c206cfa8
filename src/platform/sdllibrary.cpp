#include "platform/sdllibrary.h"

#include <optional>

namespace quorvel {

namespace {

std::optional<SdlLibrary> loadSdl() {
    void* library = openLibrary("libSDL2-2.0.so.0");
    if (!library) return std::nullopt;
    SdlLibrary a;
    const bool bound =
        bindFunction(library, a.setHint, "SDL_SetHint") &&
        bindFunction(library, a.initSubSystem, "SDL_InitSubSystem") &&
        bindFunction(library, a.quitSubSystem, "SDL_QuitSubSystem") &&
        bindFunction(library, a.openAudioDevice, "SDL_OpenAudioDevice") &&
        bindFunction(library, a.closeAudioDevice, "SDL_CloseAudioDevice") &&
        bindFunction(library, a.pauseAudioDevice, "SDL_PauseAudioDevice") &&
        bindFunction(library, a.rwFromConstMem, "SDL_RWFromConstMem") &&
        bindFunction(library, a.loadWav, "SDL_LoadWAV_RW") &&
        bindFunction(library, a.freeWav, "SDL_FreeWAV") &&
        bindFunction(library, a.buildAudioCvt, "SDL_BuildAudioCVT") &&
        bindFunction(library, a.convertAudio, "SDL_ConvertAudio") &&
        bindFunction(library, a.addEventWatch, "SDL_AddEventWatch") &&
        bindFunction(library, a.delEventWatch, "SDL_DelEventWatch") &&
        bindFunction(library, a.pollEvent, "SDL_PollEvent") &&
        bindFunction(library, a.numJoysticks, "SDL_NumJoysticks") &&
        bindFunction(library, a.isGameController, "SDL_IsGameController") &&
        bindFunction(library, a.joystickGetDeviceInstanceId, "SDL_JoystickGetDeviceInstanceID") &&
        bindFunction(library, a.gameControllerOpen, "SDL_GameControllerOpen") &&
        bindFunction(library, a.gameControllerClose, "SDL_GameControllerClose") &&
        bindFunction(library, a.gameControllerGetAttached, "SDL_GameControllerGetAttached") &&
        bindFunction(library, a.gameControllerGetAxis, "SDL_GameControllerGetAxis") &&
        bindFunction(library, a.gameControllerGetButtonFromString,
                     "SDL_GameControllerGetButtonFromString");
    if (!bound) return std::nullopt;
    return a;
}

} // namespace

const SdlLibrary* sdlLibrary() {
    static const std::optional<SdlLibrary> library = loadSdl();
    return library ? &*library : nullptr;
}

} // namespace quorvel
