#include "view/mappalette.h"

namespace quorvel {

const std::array<MapMeaning, 9> mapMeanings = {{
    {"nothing known", mapColour::black, safeMapColour::black},
    {"a wall", mapColour::gray, safeMapColour::gray},
    {"the map wall", mapColour::silver, safeMapColour::silver},
    {"a closed box", mapColour::fuchsia, safeMapColour::fuchsia},
    {"a battery left", mapColour::red, safeMapColour::red},
    {"the exit", mapColour::lime, safeMapColour::lime},
    {"your path", mapColour::aqua, safeMapColour::aqua},
    {"your location", mapColour::yellow, safeMapColour::yellow},
    {"your location", mapColour::navy, safeMapColour::navy},
}};

MapColour shownColour(MapColour picture, MapPalette palette) {
    if (palette == MapPalette::standard) return picture;
    for (const MapMeaning& m : mapMeanings)
        if (m.standard == picture) return m.safe;
    return picture;
}

} // namespace quorvel
