#pragma once
#include <windows.h>

// Whether every form a module must provide reads whole: each binary form of `reference` (the
// resources the module was made from), and each binary form the module itself carries. A module is checked so
// before it becomes the resource source, so that a damaged form fails the language switch
// instead of the first window opened after it.
namespace localizer {

bool ModuleFormsReadable(HMODULE module, HMODULE reference);

}  // namespace localizer
