#pragma once
// SDL2, loaded when the sound layer or the game controllers first need it rather than
// with the program: SDL2 and the libraries it brings (X11, Wayland, PulseAudio, ALSA,
// udev) would otherwise be loaded before the first window. The functions are SDL2's
// own, called through this table; include only where SDL is used.

#include <SDL.h>

#include "platform/library.h"

namespace quorvel {

/// The functions of SDL2 the game uses: the audio device and wave files for the sound
/// layer, the game-controller subsystem and its events for the gamepad.
struct SdlLibrary {
    decltype(&SDL_SetHint) setHint = nullptr;
    decltype(&SDL_InitSubSystem) initSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) quitSubSystem = nullptr;
    // Sound.
    decltype(&SDL_OpenAudioDevice) openAudioDevice = nullptr;
    decltype(&SDL_CloseAudioDevice) closeAudioDevice = nullptr;
    decltype(&SDL_PauseAudioDevice) pauseAudioDevice = nullptr;
    decltype(&SDL_RWFromConstMem) rwFromConstMem = nullptr;
    decltype(&SDL_LoadWAV_RW) loadWav = nullptr;
    decltype(&SDL_FreeWAV) freeWav = nullptr;
    decltype(&SDL_BuildAudioCVT) buildAudioCvt = nullptr;
    decltype(&SDL_ConvertAudio) convertAudio = nullptr;
    // Game controllers.
    decltype(&SDL_AddEventWatch) addEventWatch = nullptr;
    decltype(&SDL_DelEventWatch) delEventWatch = nullptr;
    decltype(&SDL_PollEvent) pollEvent = nullptr;
    decltype(&SDL_NumJoysticks) numJoysticks = nullptr;
    decltype(&SDL_IsGameController) isGameController = nullptr;
    decltype(&SDL_JoystickGetDeviceInstanceID) joystickGetDeviceInstanceId = nullptr;
    decltype(&SDL_GameControllerOpen) gameControllerOpen = nullptr;
    decltype(&SDL_GameControllerClose) gameControllerClose = nullptr;
    decltype(&SDL_GameControllerGetAttached) gameControllerGetAttached = nullptr;
    decltype(&SDL_GameControllerGetAxis) gameControllerGetAxis = nullptr;
    decltype(&SDL_GameControllerGetButtonFromString) gameControllerGetButtonFromString = nullptr;
};

/// SDL2, loaded on the first call (libSDL2-2.0.so.0); nullptr when it is not installed
/// or lacks a function, and then neither sound nor controllers are there.
const SdlLibrary* sdlLibrary();

} // namespace quorvel
