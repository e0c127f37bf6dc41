#include "core/service/status_block.h"

namespace statusblock {
namespace {

volatile std::int32_t* Element(void* block, History history, int k) {
    auto* base = static_cast<unsigned char*>(block) + static_cast<std::uint32_t>(history);
    return reinterpret_cast<volatile std::int32_t*>(base) + k;
}

const volatile std::int32_t* Element(const void* block, History history, int k) {
    auto* base = static_cast<const unsigned char*>(block) + static_cast<std::uint32_t>(history);
    return reinterpret_cast<const volatile std::int32_t*>(base) + k;
}

}  // namespace

std::int32_t ReadSample(const void* block, History history, int k) { return *Element(block, history, k); }

void WriteSample(void* block, History history, int k, std::int32_t value) { *Element(block, history, k) = value; }

void PushSample(void* block, History history, std::int32_t value) {
    for (int k = kHistoryLength - 1; k > 0; --k) WriteSample(block, history, k, ReadSample(block, history, k - 1));
    WriteSample(block, history, 0, value);
}

bool ValidateBlock(const void* block) {
    for (int k = 0; k < kHistoryLength; ++k)
        for (History h : kAllHistories) {
            std::int32_t v = ReadSample(block, h, k);
            if (v < kMinPercent || v > kMaxPercent) return false;
        }
    return true;
}

void ClearBlock(void* block) {
    auto* bytes = static_cast<volatile unsigned char*>(block);
    for (std::size_t i = 0; i < kBlockSize; ++i) bytes[i] = 0;
}

bool MustClearAtStartup(bool blockValid, int serviceState) { return !blockValid || serviceState == 0; }

}  // namespace statusblock
