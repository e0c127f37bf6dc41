#pragma once
#include <windows.h>

// Libraries come from the system folder or from a full path the program names, never from
// the program's folder or the current folder, where a planted file of the same name would
// run inside the program (and inside an elevated uninstaller that starts it).
namespace platform {

// Called first at start-up: the process's own later loads search the system folder only.
void RestrictLibrarySearch();

// A library of the system folder, loaded for the rest of the run; null when it is not there.
HMODULE LoadSystemLibrary(const wchar_t* name);

// A function of such a library; null when the library or the function is missing.
template <class Function>
Function SystemFunction(const wchar_t* library, const char* name) {
    HMODULE module = LoadSystemLibrary(library);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace platform
