#pragma once
// Libraries loaded at run time, when first needed, rather than with the program (SDL2
// for sound and game controllers, FluidSynth for music): the program then starts with
// Qt's libraries only. The operating system's loader stays behind this header.

namespace quorvel {

/// Opens a shared library by its file name ("libSDL2-2.0.so.0") for the rest of the
/// run; nullptr when it is not installed or cannot be loaded.
void* openLibrary(const char* fileName);
/// The address of a function of a library openLibrary gave; nullptr when it has none.
void* librarySymbol(void* library, const char* name);

/// Looks a function up by name in a library openLibrary gave; true when it has it.
template <class Function> bool bindFunction(void* library, Function& function, const char* name) {
    function = reinterpret_cast<Function>(librarySymbol(library, name));
    return function != nullptr;
}

} // namespace quorvel
