// libFuzzer target: the two command lines the programs read. The input is the arguments,
// UTF-16 code units separated by zero units. The configurator looks for its switches in
// the whole line; the service parses its file launch, whose parameters it quotes for the
// started program: split back by the system's rules, they must give the arguments again.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/app/command_line.h"
#include "core/booster/file_launch_request.h"

namespace {

// The system's splitting of a command line after the program name: blanks separate
// arguments outside quotation marks; 2n backslashes before a quotation mark give n and
// the mark opens or closes a quoted part, 2n + 1 give n and a literal mark; other
// backslashes are literal.
std::vector<std::wstring> SplitArguments(const std::wstring& line) {
    std::vector<std::wstring> args;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && (line[i] == L' ' || line[i] == L'\t')) ++i;
        if (i == line.size()) return args;
        std::wstring arg;
        bool quoted = false;
        while (i < line.size() && (quoted || (line[i] != L' ' && line[i] != L'\t'))) {
            std::size_t backslashes = 0;
            while (i < line.size() && line[i] == L'\\') ++backslashes, ++i;
            if (i < line.size() && line[i] == L'"') {
                arg.append(backslashes / 2, L'\\');
                if (backslashes % 2) {
                    arg += L'"';
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                arg.append(backslashes, L'\\');
                if (i < line.size() && (quoted || (line[i] != L' ' && line[i] != L'\t'))) arg += line[i++];
            }
        }
        args.push_back(std::move(arg));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::wstring> args(1);
    std::wstring line;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const wchar_t unit = static_cast<wchar_t>(data[i] | data[i + 1] << 8);
        line += unit ? unit : L' ';
        if (unit) {
            args.back() += unit;
        } else {
            args.emplace_back();
        }
    }
    app::FindSwitch(line);

    const booster::ServiceArguments parsed = booster::ParseServiceArguments(args);
    if (parsed.kind != booster::ServiceArguments::kFile) return 0;
    const booster::FileLaunchRequest& request = parsed.request;
    if (request.megabytes != booster::kAutomaticAmount &&
        (request.megabytes < 0 || request.megabytes > booster::kMaxMegabytes))
        std::abort();
    if (!booster::IsFullPath(request.path)) std::abort();
    if (SplitArguments(request.parameters) != std::vector<std::wstring>(args.begin() + 3, args.end())) std::abort();
    return 0;
}
