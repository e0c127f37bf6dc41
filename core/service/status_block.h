#pragma once
#include <cstddef>
#include <cstdint>

// Layout of the 4096-byte block in which the booster service publishes its load
// histories. Offsets are a contract between the two programs; every field is a signed
// 32-bit little-endian integer, and each history holds 120 percentages, newest first.
namespace statusblock {

inline constexpr const char* kMappingName = "TesslyDavIdadeDataMapping";
inline constexpr std::size_t kBlockSize = 4096;
inline constexpr int kHistoryLength = 120;
inline constexpr std::int32_t kMinPercent = 0;
inline constexpr std::int32_t kMaxPercent = 100;

enum class History : std::uint32_t {
    Memory = 44,
    Processor = 524,
    Third = 1004,
    MemoryReference = 1484,
    PageFile = 1964,
};

// In offset order, as the start-up check walks them.
inline constexpr History kAllHistories[] = {
    History::Memory, History::Processor, History::Third, History::MemoryReference, History::PageFile};

// The service's own header words; the configurator never reads them.
inline constexpr std::size_t kHeaderOffset = 0;
inline constexpr std::size_t kHeaderWords = 11;

// Reads element k (0 = newest) as one aligned 32-bit load: the service may be writing
// the block at the same moment, and a sample is never torn.
std::int32_t ReadSample(const void* block, History history, int k);
void WriteSample(void* block, History history, int k, std::int32_t value);

// Shifts a history by one place (dropping the oldest sample) and stores `value` as the newest.
void PushSample(void* block, History history, std::int32_t value);

// True when all 5 x 120 history elements lie in 0..100.
bool ValidateBlock(const void* block);
void ClearBlock(void* block);

// Start-up decision: keep the block only when it is valid and the service answered
// with a non-zero state; otherwise its content is stale or foreign.
bool MustClearAtStartup(bool blockValid, int serviceState);

}  // namespace statusblock
