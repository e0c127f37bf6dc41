#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/wizards/link_memo.h"

// The shortcut wizard's look at a chosen shortcut file.
namespace wizards {

// Everything the wizard shows of `file`; nothing when it is no readable shortcut.
std::optional<ExaminedShortcut> ExamineShortcut(const std::wstring& file);

// The memo lines describing it, labelled in the current language.
std::vector<std::wstring> DescribeShortcut(const ExaminedShortcut& shortcut);

}  // namespace wizards
