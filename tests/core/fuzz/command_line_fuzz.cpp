// libFuzzer target: the two command lines the programs read. The input is a whole command
// line in UTF-16 code units, the program name first. The configurator looks for its
// switches in the whole line; the service parses its file launch, whose file receives the
// rest of the line untouched, and which reads back the same when written again the way
// shortcuts write it, and its starts at logon, which name their argument alone.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/app/command_line.h"
#include "core/booster/file_launch_request.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::wstring line;
    for (std::size_t i = 0; i + 1 < size; i += 2) line += static_cast<wchar_t>(data[i] | data[i + 1] << 8);
    app::FindSwitch(line);

    const booster::ServiceArguments parsed = booster::ParseServiceCommandLine(line);
    if (parsed.kind == booster::ServiceArguments::kLogon || parsed.kind == booster::ServiceArguments::kLogonByPolicy) {
        const std::wstring argument =
            parsed.kind == booster::ServiceArguments::kLogon ? booster::kLogonArgument : booster::kLogonByPolicyArgument;
        if (line.find(argument) == std::wstring::npos) std::abort();
        if (booster::ParseServiceCommandLine(L"p " + argument + L" ").kind != parsed.kind) std::abort();
        return 0;
    }
    if (parsed.kind != booster::ServiceArguments::kFile) return 0;
    const booster::FileLaunchRequest& request = parsed.request;
    if (request.megabytes != booster::kAutomaticAmount &&
        (request.megabytes < 0 || request.megabytes > booster::kMaxMegabytes))
        std::abort();
    if (!booster::IsUsablePath(request.path)) std::abort();
    if (!request.folder.empty() && !booster::IsUsablePath(request.folder)) std::abort();
    // The parameters are the line's own end, and start at an argument.
    if (request.parameters.size() > line.size() ||
        line.compare(line.size() - request.parameters.size(), std::wstring::npos, request.parameters) != 0)
        std::abort();
    if (!request.parameters.empty() && (request.parameters[0] == L' ' || request.parameters[0] == L'\t'))
        std::abort();
    // Written again as shortcuts write it, the line reads back the same.
    std::wstring again = L"p " + booster::AlwaysQuoted(std::to_wstring(request.megabytes)) + L" " +
                         booster::AlwaysQuoted(booster::ModeLetter(request.after)) + L" " +
                         booster::AlwaysQuoted(request.path);
    if (!request.folder.empty()) again += L" " + booster::StartInArgument(request.folder);
    again += L" " + booster::ShowArgument(request.show) + L" " + request.parameters;
    const booster::ServiceArguments reread = booster::ParseServiceCommandLine(again);
    if (reread.kind != booster::ServiceArguments::kFile || reread.request.megabytes != request.megabytes ||
        reread.request.after != request.after || reread.request.path != request.path ||
        reread.request.folder != request.folder || reread.request.show != request.show ||
        reread.request.parameters != request.parameters)
        std::abort();
    return 0;
}
