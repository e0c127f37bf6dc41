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

const std::wstring kStartIn = L"/startin:";
const std::wstring kShow = L"/show:";

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::size_t SkipBlanks(std::wstring_view line, std::size_t i) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    return i;
}

// The program name has rules of its own: up to the closing quotation mark when it starts
// with one, else up to the first blank; backslashes are plain characters.
std::size_t AfterProgramName(std::wstring_view line) {
    if (!line.empty() && line[0] == L'"') {
        const std::size_t close = line.find(L'"', 1);
        return close == std::wstring_view::npos ? line.size() : close + 1;
    }
    std::size_t i = 0;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    return i;
}

// The argument starting at `i`, which moves past it. Blanks separate arguments outside
// quotation marks; 2n backslashes before a quotation mark give n and the mark opens or
// closes a quoted part, 2n + 1 give n and a literal mark; other backslashes are literal.
std::wstring ReadArgument(std::wstring_view line, std::size_t& i) {
    std::wstring argument;
    bool quoted = false;
    while (i < line.size() && (quoted || !IsBlank(line[i]))) {
        std::size_t backslashes = 0;
        while (i < line.size() && line[i] == L'\\') ++backslashes, ++i;
        if (i < line.size() && line[i] == L'"') {
            argument.append(backslashes / 2, L'\\');
            if (backslashes % 2)
                argument += L'"';
            else
                quoted = !quoted;
            ++i;
        } else {
            argument.append(backslashes, L'\\');
            if (i < line.size() && (quoted || !IsBlank(line[i]))) argument += line[i++];
        }
    }
    return argument;
}

// The value of the argument at `i` when it is the option `name`; `i` then moves to the
// argument after it.
std::optional<std::wstring> TakeOption(std::wstring_view line, std::size_t& i, const std::wstring& name) {
    std::size_t next = i;
    std::wstring argument = ReadArgument(line, next);
    if (argument.compare(0, name.size(), name) != 0) return std::nullopt;
    i = SkipBlanks(line, next);
    return argument.substr(name.size());
}

// A start at logon: one of the logon arguments, alone.
std::optional<ServiceArguments::Kind> LogonKind(std::wstring_view line, std::size_t i) {
    const std::wstring argument = ReadArgument(line, i);
    if (SkipBlanks(line, i) != line.size()) return std::nullopt;
    if (argument == kLogonArgument) return ServiceArguments::kLogon;
    if (argument == kLogonByPolicyArgument) return ServiceArguments::kLogonByPolicy;
    return std::nullopt;
}

}  // namespace

ServiceArguments ParseServiceCommandLine(std::wstring_view line) {
    const ServiceArguments invalid{ServiceArguments::kInvalid, {}};
    std::size_t i = SkipBlanks(line, AfterProgramName(line));
    if (i == line.size()) return {ServiceArguments::kPlain, {}};
    if (auto logon = LogonKind(line, i)) return {*logon, {}};
    std::wstring fields[3];
    for (std::wstring& field : fields) {
        if (i == line.size()) return invalid;
        field = ReadArgument(line, i);
        i = SkipBlanks(line, i);
    }
    const auto megabytes = ParseMegabytes(fields[0]);
    const auto mode = ParseMode(fields[1]);
    if (!megabytes || !mode || !IsUsablePath(fields[2])) return invalid;
    FileLaunchRequest request;
    request.megabytes = *megabytes;
    request.after = *mode;
    request.path = std::move(fields[2]);
    // Each optional argument is taken only in its place; anything else starts the file's own.
    if (std::optional<std::wstring> folder = TakeOption(line, i, kStartIn)) {
        if (!IsUsablePath(*folder)) return invalid;
        request.folder = std::move(*folder);
    }
    if (std::optional<std::wstring> show = TakeOption(line, i, kShow)) {
        if (show->size() != 1 || (*show)[0] < L'0' || (*show)[0] > L'2') return invalid;
        request.show = static_cast<LaunchShow>((*show)[0] - L'0');
    }
    request.parameters = line.substr(i);
    return {ServiceArguments::kFile, std::move(request)};
}

std::wstring StartInArgument(const std::wstring& folder) { return AlwaysQuoted(kStartIn + folder); }

std::wstring ShowArgument(LaunchShow show) {
    return AlwaysQuoted(kShow + std::wstring(1, static_cast<wchar_t>(L'0' + static_cast<int>(show))));
}

std::vector<std::wstring> SplitArguments(std::wstring_view arguments) {
    std::vector<std::wstring> split;
    for (std::size_t i = SkipBlanks(arguments, 0); i < arguments.size(); i = SkipBlanks(arguments, i))
        split.push_back(ReadArgument(arguments, i));
    return split;
}

bool IsFullPath(const std::wstring& path) {
    if (path.size() >= 3 && std::iswalpha(path[0]) && path[1] == L':' && IsSeparator(path[2])) return true;
    return path.size() >= 3 && IsSeparator(path[0]) && IsSeparator(path[1]) && !IsSeparator(path[2]);
}

bool IsUsablePath(const std::wstring& path) { return IsFullPath(path) && !HasControlCharacters(path); }

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
