#pragma once
#include <string>
#include <vector>

// The machine as the configuration wizard's welcome page describes it: processor, system,
// cache mode, memory and page file, in the current language. The problem reports use
// the same parts.
namespace wizards {

std::vector<std::wstring> SystemSummaryLines();

// The 12 letters of the processor's vendor identification.
std::wstring ProcessorVendor();
// The operating system's name, build and service pack, in the current language.
std::wstring OsText();

}  // namespace wizards
