// libFuzzer target: the service health record as the configurator reads it from a mapping
// anyone may write, then the line shown from it with a format that may come from the
// registry. A record that decodes encodes back to the same health; no line crashes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/booster/health_line.h"
#include "core/booster/service_health.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto health = booster::DecodeHealth(data, size);
    if (!health) return 0;
    std::vector<std::uint8_t> again(booster::kHealthRecordSize);
    booster::EncodeHealth(*health, 0, again.data());
    if (booster::DecodeHealth(again.data(), again.size()) != health) std::abort();

    std::wstring format;
    for (std::size_t i = booster::kHealthRecordSize; i + 1 < size; i += 2)
        format += static_cast<wchar_t>(data[i] | data[i + 1] << 8);
    const std::vector<std::wstring> texts(booster::kHealthTextCount, format);
    for (bool running : {false, true}) {
        const auto message = booster::ChooseHealthMessage(running, *health);
        booster::HealthLineText(message, *health, texts, [](unsigned key) { return std::to_wstring(key); });
    }
    return 0;
}
