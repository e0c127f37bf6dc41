// libFuzzer target: the error log as the bug report reads it, any bytes a damaged or
// foreign file may hold. Its lines hold no line ends and no more than the file.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/app/problem_report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::size_t total = 0;
    for (const std::string& line : app::SplitLines(text)) {
        if (line.find_first_of("\r\n") != std::string::npos) std::abort();
        total += line.size();
    }
    if (total > size) std::abort();
    return 0;
}
