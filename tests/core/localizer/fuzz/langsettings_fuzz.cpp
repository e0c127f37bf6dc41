// libFuzzer target: the language settings record, as the language switch reads it from a
// module it did not make. A record either reads or is refused; whatever reads writes back
// and reads the same again.
#include <cstdint>
#include <cstdlib>

#include "core/localizer/lang_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace localizer;
    const auto settings = ReadLangSettings({data, size});
    if (!settings) return 0;
    const std::vector<std::uint8_t> written = WriteLangSettings(*settings);
    const auto again = ReadLangSettings(written);
    if (!again || WriteLangSettings(*again) != written) std::abort();
    return 0;
}
