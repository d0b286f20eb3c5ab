#pragma once
// A Windows system function bound by name when first needed: the registry functions, which the
// program declares itself, and libraries only one action needs (the number conversion, the
// screen-reader support), which are then not loaded while the program starts.

#include <windows.h>

namespace os {

// The function `name` of the system library `library`, or null when either cannot be found.
template <typename Function> Function* lateBound(const wchar_t* library, const char* name) {
    const HMODULE module = LoadLibraryW(library);
    const FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
    // Through the generic function pointer type, which any function pointer converts to.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(found));
}

} // namespace os
