#include "service/health_mapping.h"

#include <cstring>

#include "core/booster/health_line.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "resources/string_ids.h"

namespace service {

std::uint8_t* OpenHealthMapping() {
    HANDLE mapping = CreateFileMappingW(
        INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, static_cast<DWORD>(booster::kHealthRecordSize),
        kHealthMappingName
    );
    if (!mapping) return nullptr;
    // The handle stays open for the life of the process: it keeps the mapping alive.
    return static_cast<std::uint8_t*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, booster::kHealthRecordSize));
}

void WriteHealthRecord(std::uint8_t* view, const booster::ServiceHealth& health, std::uint32_t& sequence) {
    if (!view) return;
    std::uint8_t record[booster::kHealthRecordSize];
    sequence = (sequence | 1u) + 1;  // the next even number
    booster::EncodeHealth(health, sequence, record);
    // Mark the record as being written, write all but the mark, then the new even mark.
    auto* mark = reinterpret_cast<volatile LONG*>(view + 8);
    InterlockedExchange(mark, static_cast<LONG>(sequence - 1));
    std::memcpy(view + 12, record + 12, booster::kHealthRecordSize - 12);
    std::memcpy(view, record, 8);
    MemoryBarrier();
    InterlockedExchange(mark, static_cast<LONG>(sequence));
}

std::optional<booster::ServiceHealth> ReadHealthRecord(const std::uint8_t* view) {
    if (!view) return std::nullopt;
    // Two copies alike with an even sequence were not written in between.
    for (int attempt = 0; attempt < 4; ++attempt) {
        std::uint8_t first[booster::kHealthRecordSize];
        std::uint8_t second[booster::kHealthRecordSize];
        std::memcpy(first, view, sizeof first);
        MemoryBarrier();
        std::memcpy(second, view, sizeof second);
        if (std::memcmp(first, second, sizeof first) == 0) return booster::DecodeHealth(first, sizeof first);
    }
    return std::nullopt;
}

std::vector<std::wstring> HealthTextsFromStrings() {
    const unsigned ids[booster::kHealthTextCount] = {
        str::SServiceStopped,      str::SHealthFullScreen, str::SHealthQuietProgram, str::SHealthHotKeyTaken,
        str::SHealthAccessDenied, str::SKeyShift,         str::SKeyCtrl,            str::SKeyAlt};
    std::vector<std::wstring> texts;
    for (unsigned id : ids) texts.push_back(platform::LoadResString(id));
    return texts;
}

std::string HealthPack() {
    std::wstring pack;
    for (const std::wstring& line : HealthTextsFromStrings()) pack += line + L"\r\n";
    return platform::Narrow(pack + L"\r\n");
}

}  // namespace service
