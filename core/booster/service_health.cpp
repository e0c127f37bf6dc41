#include "core/booster/service_health.h"

#include <algorithm>
#include <cstring>

namespace booster {
namespace {

constexpr std::uint32_t kMagic = 0x48424D54;  // "TMBH" read as a little-endian word
constexpr std::size_t kNameOffset = 28;

void Put(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t Get(const std::uint8_t* at) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    return value;
}

}  // namespace

void EncodeHealth(const ServiceHealth& health, std::uint32_t sequence, std::uint8_t* record) {
    std::memset(record, 0, kHealthRecordSize);
    Put(record, kMagic);
    Put(record + 4, kHealthVersion);
    Put(record + 8, sequence & ~1u);
    Put(record + 12, static_cast<std::uint32_t>(health.quiet));
    Put(record + 16, static_cast<std::uint32_t>(health.takenHotKey));
    Put(record + 20, health.deniedProcesses);
    const std::size_t length = std::min(health.quietProgram.size(), kHealthNameLength);
    Put(record + 24, static_cast<std::uint32_t>(length));
    for (std::size_t i = 0; i < length; ++i) {
        const auto unit = static_cast<std::uint16_t>(health.quietProgram[i]);
        record[kNameOffset + 2 * i] = static_cast<std::uint8_t>(unit);
        record[kNameOffset + 2 * i + 1] = static_cast<std::uint8_t>(unit >> 8);
    }
}

std::optional<ServiceHealth> DecodeHealth(const std::uint8_t* record, std::size_t size) {
    if (!record || size < kHealthRecordSize) return std::nullopt;
    if (Get(record) != kMagic || Get(record + 4) != kHealthVersion || (Get(record + 8) & 1u)) return std::nullopt;
    const std::uint32_t quiet = Get(record + 12);
    const std::uint32_t length = Get(record + 24);
    if (quiet > static_cast<std::uint32_t>(QuietReason::ListedProgram) || length > kHealthNameLength)
        return std::nullopt;
    ServiceHealth health;
    health.quiet = static_cast<QuietReason>(quiet);
    health.takenHotKey = static_cast<std::int32_t>(Get(record + 16));
    health.deniedProcesses = Get(record + 20);
    for (std::uint32_t i = 0; i < length; ++i) {
        const auto unit = static_cast<wchar_t>(record[kNameOffset + 2 * i] | record[kNameOffset + 2 * i + 1] << 8);
        // A name with a terminator or a line break in it is not one the service wrote.
        if (unit == L'\0' || unit == L'\r' || unit == L'\n') return std::nullopt;
        health.quietProgram += unit;
    }
    if ((health.quiet == QuietReason::ListedProgram) == health.quietProgram.empty()) return std::nullopt;
    return health;
}

}  // namespace booster
