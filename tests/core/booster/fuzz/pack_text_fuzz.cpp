// libFuzzer target: the tray texts the service reads from the registry, as UTF-16 code
// units: the caption packs and the tooltip format. No caption holds a line feed, none comes
// out empty where a fallback exists, and the tooltip never exceeds its length.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/booster/pack_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::wstring text;
    for (std::size_t i = 0; i + 1 < size; i += 2) text += static_cast<wchar_t>(data[i] | data[i + 1] << 8);

    const std::vector<std::wstring> stored = booster::SplitPackLines(text);
    for (const std::wstring& line : stored)
        if (line.find(L'\n') != std::wstring::npos) std::abort();  // a carriage return alone stays
    const std::vector<std::wstring> fallback = {L"Open", L"Boost", L"Exit"};
    const std::vector<std::wstring> captions = booster::CaptionsOrFallback(stored, fallback);
    for (std::size_t i = 0; i < fallback.size(); ++i)
        if (i >= captions.size() || captions[i].empty()) std::abort();

    const std::size_t maxLength = size % 128;
    if (booster::FormatTrayTip(text, 42, 100, maxLength).size() > maxLength) std::abort();
    return 0;
}
