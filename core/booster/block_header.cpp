#include "core/booster/block_header.h"

#include "core/service/status_block.h"

namespace booster {
namespace {

static_assert(static_cast<std::uint32_t>(HeaderWord::ProcessId) < statusblock::kHeaderWords);

std::size_t OffsetOf(HeaderWord word) {
    return statusblock::kHeaderOffset + static_cast<std::uint32_t>(word) * sizeof(std::int32_t);
}

}  // namespace

std::int32_t ReadHeaderWord(const void* block, HeaderWord word) {
    return *reinterpret_cast<const volatile std::int32_t*>(static_cast<const unsigned char*>(block) + OffsetOf(word));
}

void WriteHeaderWord(void* block, HeaderWord word, std::int32_t value) {
    *reinterpret_cast<volatile std::int32_t*>(static_cast<unsigned char*>(block) + OffsetOf(word)) = value;
}

}  // namespace booster
