// libFuzzer entry: both form readers on arbitrary bytes.
#include <cstdio>
#include <cstdlib>

#include "tests/core/forms/fuzz/form_input_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const auto problem = formtest::CheckFormInput({data, size})) {
        std::fprintf(stderr, "%s\n", problem->c_str());
        std::abort();
    }
    return 0;
}
