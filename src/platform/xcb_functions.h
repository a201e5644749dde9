// The xcb functions the program calls, taken from the libraries that Qt's xcb platform loads.
#pragma once

#include <dlfcn.h>

namespace kestravon {

// The function `name` of the xcb library `soname`, which Qt's xcb platform has loaded, or
// nullptr where it has not. The program links no xcb library: as it starts, each library that
// it links is searched for every symbol of every library loaded after it.
template <typename Function>
Function* LoadedXcbFunction(const char* soname, const char* name) {
    void* library = dlopen(soname, RTLD_LAZY | RTLD_NOLOAD);
    if (library == nullptr) {
        return nullptr;
    }
    auto* function = reinterpret_cast<Function*>(dlsym(library, name));
    // Qt's platform keeps the library loaded.
    dlclose(library);
    return function;
}

}  // namespace kestravon
