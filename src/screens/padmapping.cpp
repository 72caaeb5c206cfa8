#include "screens/padmapping.h"

#include <cstdlib>

#include "files/inifile.h"
#include "files/settingsfile.h"
#include "platform/sdllibrary.h"

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

constexpr int noButton = -1;

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
    PadMapping mapping;
    // The action whose entry took each button; -1 while no entry has.
    std::array<int, SDL_CONTROLLER_BUTTON_MAX> takenBy;
    takenBy.fill(-1);
    std::array<bool, padActionCount> chosen{};

    // The player's own entries first, in the order of the actions.
    for (int a = 0; a < padActionCount; ++a) {
        const int b = a < static_cast<int>(names.size()) ? buttonNamed(names[a]) : noButton;
        if (b == noButton || takenBy[b] >= 0) continue;
        mapping.m_buttons[a] = b;
        takenBy[b] = a;
        chosen[a] = true;
    }
    // Every other action keeps its own button while no entry took it. When one did,
    // the action takes the button the taker left free; when an entry took that one
    // too, the button that entry's action left free, and so on down the chain. Every
    // step lands on another action's own button, so the chain ends within one step per
    // action, on a button no entry took; and as no two chains share a step, no two
    // actions end on one button.
    for (int a = 0; a < padActionCount; ++a) {
        if (chosen[a]) continue;
        int b = defaultButtons[a];
        for (int step = 0; takenBy[b] >= 0 && step < padActionCount; ++step)
            b = defaultButtons[takenBy[b]];
        mapping.m_buttons[a] = takenBy[b] >= 0 ? noButton : b;
    }
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
