#include "screens/bindings.h"

#include <map>

namespace quorvel {

std::vector<int> resolveBindings(const std::vector<int>& own, const std::vector<int>& named) {
    const int count = static_cast<int>(own.size());
    std::vector<int> inputs(own);
    std::map<int, int> takenBy; // input -> the action whose entry took it
    std::vector<bool> chosen(own.size(), false);

    // The player's own entries first, in the order of the actions.
    for (int a = 0; a < count; ++a) {
        const int input = a < static_cast<int>(named.size()) ? named[a] : noInput;
        if (input == noInput || takenBy.count(input)) continue;
        inputs[a] = input;
        takenBy[input] = a;
        chosen[a] = true;
    }
    // Every other action keeps its own input while no entry took it. When one did, the
    // action takes the input the taker left free; when an entry took that one too, the
    // input that entry's action left free, and so on down the chain. Every step lands on
    // another action's own input, so the chain ends within one step per action, on an
    // input no entry took; and as no two chains share a step, no two actions end on one.
    for (int a = 0; a < count; ++a) {
        if (chosen[a]) continue;
        int input = own[a];
        for (int step = 0; takenBy.count(input) && step < count; ++step)
            input = own[takenBy[input]];
        inputs[a] = takenBy.count(input) ? noInput : input;
    }
    return inputs;
}

} // namespace quorvel
