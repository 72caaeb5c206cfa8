#include "platform/library.h"

#include <dlfcn.h>

namespace quorvel {

void* openLibrary(const char* fileName) {
    // Bound at once and kept to itself, so a missing function shows here and the
    // library's symbols never stand in for the program's.
    return dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
}

void* librarySymbol(void* library, const char* name) {
    return library ? dlsym(library, name) : nullptr;
}

} // namespace quorvel
