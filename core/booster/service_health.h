#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/booster/quiet_rules.h"

// Why the service's automatic optimisation cannot act, as the service publishes it for the
// configurator in a small named mapping of its own ("TesslyDavIdadeHealthMapping"), beside
// the status block, whose layout stays as it is. The record, little-endian:
//
//   offset  size  field
//        0     4  magic "TMBH"
//        4     4  version, 1
//        8     4  sequence: odd while the service writes, even when the record is whole
//       12     4  quiet reason (QuietReason)
//       16     4  the first of the service's hot keys another program holds, as its
//                 shortcut code (0: all registered)
//       20     4  processes the last pass could not trim for lack of rights
//       24     4  length of the quiet program's name in UTF-16 units, at most 63
//       28   126  that name, UTF-16
//      154   102  zero
//
// Anyone may write the mapping, so the reader checks every field.
namespace booster {

inline constexpr std::size_t kHealthRecordSize = 256;
inline constexpr std::size_t kHealthNameLength = 63;
inline constexpr std::uint32_t kHealthVersion = 1;

struct ServiceHealth {
    QuietReason quiet = QuietReason::None;
    std::wstring quietProgram;  // cut to kHealthNameLength when written
    std::int32_t takenHotKey = 0;
    std::uint32_t deniedProcesses = 0;
    bool operator==(const ServiceHealth&) const = default;
};

// Writes the whole record with the given (even) sequence into `record`
// (kHealthRecordSize bytes).
void EncodeHealth(const ServiceHealth& health, std::uint32_t sequence, std::uint8_t* record);

// The record's health; nothing when it is not a whole, valid record of this version (an
// empty mapping, one being written, foreign bytes).
std::optional<ServiceHealth> DecodeHealth(const std::uint8_t* record, std::size_t size);

}  // namespace booster
