#include "core/booster/file_launch_request.h"

#include <cwctype>

namespace booster {
namespace {

std::optional<std::int64_t> ParseMegabytes(const std::wstring& text) {
    if (text == L"-1") return kAutomaticAmount;
    if (text.empty() || text.size() > 9) return std::nullopt;
    std::int64_t value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    if (value > kMaxMegabytes) return std::nullopt;
    return value;
}

std::optional<AfterLaunch> ParseMode(const std::wstring& text) {
    if (text.size() != 1) return std::nullopt;
    switch (std::towlower(text[0])) {
        case L's':
            return AfterLaunch::KeepPreviousState;
        case L'r':
            return AfterLaunch::KeepRunning;
        case L'e':
            return AfterLaunch::Unload;
        default:
            return std::nullopt;
    }
}

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool HasControlCharacters(const std::wstring& text) {
    for (wchar_t c : text)
        if (c < 32) return true;
    return false;
}

}  // namespace

ServiceArguments ParseServiceArguments(const std::vector<std::wstring>& args) {
    ServiceArguments invalid{ServiceArguments::kInvalid, {}};
    if (args.empty()) return {ServiceArguments::kPlain, {}};
    if (args.size() < 3) return invalid;
    auto megabytes = ParseMegabytes(args[0]);
    auto mode = ParseMode(args[1]);
    const std::wstring& path = args[2];
    if (!megabytes || !mode || !IsFullPath(path) || HasControlCharacters(path)) return invalid;
    std::wstring parameters;
    for (std::size_t i = 3; i < args.size(); ++i) {
        if (!parameters.empty()) parameters += L' ';
        parameters += QuoteArgument(args[i]);
    }
    return {ServiceArguments::kFile, {*megabytes, *mode, path, parameters}};
}

bool IsFullPath(const std::wstring& path) {
    if (path.size() >= 3 && std::iswalpha(path[0]) && path[1] == L':' && IsSeparator(path[2])) return true;
    return path.size() >= 3 && IsSeparator(path[0]) && IsSeparator(path[1]) && !IsSeparator(path[2]);
}

std::wstring QuoteArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
    return AlwaysQuoted(argument);
}

std::wstring AlwaysQuoted(const std::wstring& argument) {
    // Backslashes are literal except before a quotation mark, where they must be doubled.
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    quoted += L'"';
    return quoted;
}

const wchar_t* ModeLetter(AfterLaunch after) {
    switch (after) {
        case AfterLaunch::KeepRunning:
            return L"r";
        case AfterLaunch::Unload:
            return L"e";
        case AfterLaunch::KeepPreviousState:
            break;
    }
    return L"s";
}

}  // namespace booster
