#include "core/booster/pack_text.h"

namespace booster {

std::vector<std::wstring> SplitPackLines(std::wstring_view pack) {
    std::vector<std::wstring> lines;
    while (!pack.empty()) {
        std::size_t end = pack.find(L'\n');
        std::wstring_view line = pack.substr(0, end);
        if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
        if (line.empty()) break;
        lines.emplace_back(line);
        if (end == std::wstring_view::npos) break;
        pack.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::wstring> CaptionsOrFallback(
    const std::vector<std::wstring>& stored, const std::vector<std::wstring>& fallback
) {
    std::vector<std::wstring> captions = fallback;
    for (std::size_t i = 0; i < captions.size() && i < stored.size(); ++i)
        if (!stored[i].empty()) captions[i] = stored[i];
    return captions;
}

std::wstring FormatTrayTip(std::wstring_view format, int memory, int processor, std::size_t maxLength) {
    const int values[] = {memory, processor};
    std::size_t used = 0;
    std::wstring tip;
    for (std::size_t i = 0; i < format.size(); ++i) {
        wchar_t c = format[i];
        wchar_t next = i + 1 < format.size() ? format[i + 1] : L'\0';
        if (c == L'%' && next == L'%') {
            tip += L'%';
            ++i;
        } else if (c == L'%' && next == L'd' && used < 2) {
            tip += std::to_wstring(values[used++]);
            ++i;
        } else {
            tip += c;
        }
    }
    if (tip.size() > maxLength) tip.resize(maxLength);
    return tip;
}

}  // namespace booster
