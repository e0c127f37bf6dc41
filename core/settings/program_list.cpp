#include "core/settings/program_list.h"

#include <algorithm>
#include <cwctype>

namespace settings {
namespace {

std::wstring_view FileNameOf(std::wstring_view path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring_view::npos ? path : path.substr(slash + 1);
}

std::wstring_view Trimmed(std::wstring_view text) {
    const auto first = text.find_first_not_of(L" \t\r\n\"");
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t\r\n\"") - first + 1);
}

}  // namespace

bool SameProgramName(std::wstring_view a, std::wstring_view b) {
    return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

std::vector<std::wstring> ParseProgramList(std::wstring_view stored) {
    std::vector<std::wstring> names;
    while (!stored.empty()) {
        const auto end = stored.find(kProgramListSeparator);
        const auto name = Trimmed(FileNameOf(Trimmed(stored.substr(0, end))));
        stored = end == std::wstring_view::npos ? std::wstring_view{} : stored.substr(end + 1);
        if (!name.empty() && !ListsProgram(names, name)) names.emplace_back(name);
    }
    return names;
}

std::wstring JoinProgramList(const std::vector<std::wstring>& names) {
    std::wstring stored;
    for (const auto& name : names) {
        if (!stored.empty()) stored += kProgramListSeparator;
        stored += name;
    }
    return stored;
}

bool ListsProgram(const std::vector<std::wstring>& names, std::wstring_view path) {
    const auto name = FileNameOf(path);
    return std::ranges::any_of(names, [&](const std::wstring& listed) { return SameProgramName(listed, name); });
}

}  // namespace settings
