#pragma once
#include <string>
#include <vector>

// The machine as the configuration wizard's welcome page describes it: processor, system,
// cache mode, memory and page file, in the current language.
namespace wizards {

std::vector<std::wstring> SystemSummaryLines();

}  // namespace wizards
