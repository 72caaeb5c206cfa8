#include "screens/padmapping.h"

#include <cstdlib>

#include "files/inifile.h"
#include "files/settingsfile.h"
#include "platform/sdllibrary.h"
#include "screens/bindings.h"

namespace quorvel {

namespace {

constexpr std::array<const char*, padActionCount> actionKeys = {
    "Up", "Down", "Left", "Right", "Use", "Run", "Map", "Story", "Quit", "Sounds"};

constexpr std::array<int, padActionCount> defaultButtons = {
    SDL_CONTROLLER_BUTTON_DPAD_UP,   SDL_CONTROLLER_BUTTON_DPAD_DOWN,
    SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
    SDL_CONTROLLER_BUTTON_A,         SDL_CONTROLLER_BUTTON_B,
    SDL_CONTROLLER_BUTTON_Y,         SDL_CONTROLLER_BUTTON_X,
    SDL_CONTROLLER_BUTTON_START,     SDL_CONTROLLER_BUTTON_BACK};

constexpr int noButton = noInput;

// The button a settings value names (SDL's names, any case), or noButton.
int buttonNamed(const std::string& name) {
    if (name.empty()) return noButton;
    const SdlLibrary* sdl = sdlLibrary();
    if (!sdl) return noButton;
    const int b = sdl->gameControllerGetButtonFromString(name.c_str());
    // A button a later SDL knows and this game does not is no button either.
    return b < 0 || b >= SDL_CONTROLLER_BUTTON_MAX ? noButton : b;
}

} // namespace

const char* padActionKey(PadAction action) {
    return actionKeys[static_cast<int>(action)];
}

PadMapping::PadMapping() : m_buttons(defaultButtons) {}

PadMapping PadMapping::fromSettings(const IniFile& settings) {
    std::vector<std::string> names;
    for (const char* key : actionKeys)
        names.push_back(settings.readString(controllerSection, key, ""));
    return fromNames(names);
}

PadMapping PadMapping::fromNames(const std::vector<std::string>& names) {
    std::vector<int> named;
    for (int a = 0; a < padActionCount; ++a)
        named.push_back(a < static_cast<int>(names.size()) ? buttonNamed(names[a]) : noInput);
    const std::vector<int> buttons =
        resolveBindings({defaultButtons.begin(), defaultButtons.end()}, named);
    PadMapping mapping;
    std::copy(buttons.begin(), buttons.end(), mapping.m_buttons.begin());
    return mapping;
}

PadMapping PadMapping::load() {
    return fromNames(loadActionBindings(controllerSection, {actionKeys.begin(), actionKeys.end()}));
}

std::optional<PadAction> PadMapping::actionOf(int button) const {
    if (button == noButton) return std::nullopt;
    for (int a = 0; a < padActionCount; ++a)
        if (m_buttons[a] == button) return static_cast<PadAction>(a);
    return std::nullopt;
}

std::optional<PadAction> StickDirections::move(int x, int y) {
    const int ax = std::abs(x), ay = std::abs(y);
    if (m_engaged) {
        if (ax < innerThreshold && ay < innerThreshold) m_engaged = false;
        return std::nullopt;
    }
    if (ax < outerThreshold && ay < outerThreshold) return std::nullopt;
    m_engaged = true;
    // The axis pushed further wins; a perfect diagonal walks rather than turns.
    if (ay >= ax) return y < 0 ? PadAction::up : PadAction::down;
    return x < 0 ? PadAction::left : PadAction::right;
}

} // namespace quorvel
