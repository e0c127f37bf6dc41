#pragma once
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

// The module from which strings and form descriptions are loaded: the program itself, or
// the translated resource module that the localizer switches to. Texts are loaded afresh on
// every request, never cached, so a language switch reaches every later caller.
namespace platform {

HINSTANCE ResourceSource();
void SetResourceSource(HINSTANCE module);  // nullptr: back to the program's own resources
// The module that holds resource `name` of `type`: the current source, or the program itself
// for what a language module does not carry (pictures stay the same in every language).
HINSTANCE ResourceSourceOf(LPCWSTR name, LPCWSTR type);

// The bytes of resource `name` of `type` in `module`, for as long as the module stays loaded;
// empty when it is not there.
std::span<const std::uint8_t> ResourceBytes(HMODULE module, LPCWSTR name, LPCWSTR type);

// String `id` of the current resource source; empty when absent.
std::wstring LoadResString(UINT id);
// The same, converted to the current 8-bit code page (registry values, mail texts).
std::string LoadResStringA(UINT id);

// String `id` as a web or mail address to hand to the shell: the translation when it is one,
// else the program's own text, so a language file cannot make the shell start a program.
std::wstring LoadWebAddress(UINT id);

// Replaces each "%s" of a resource-string format by `argument`.
std::wstring FormatResString(UINT id, const std::wstring& argument);

}  // namespace platform
