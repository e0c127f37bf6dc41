#include "booster/status_publisher.h"

#include <windows.h>

#include "core/booster/block_header.h"
#include "service/status_block_view.h"

namespace booster {

using statusblock::History;

StatusPublisher::StatusPublisher() : block_(statusblock::OpenStatusBlock()) {
    if (!block_) {
        ownBlock_.assign(statusblock::kBlockSize / sizeof(std::int32_t), 0);
        block_ = ownBlock_.data();
    }
    // Left behind by a foreign writer: start the histories afresh.
    if (!statusblock::ValidateBlock(block_)) statusblock::ClearBlock(block_);
    WriteHeaderWord(block_, HeaderWord::ProcessId, static_cast<std::int32_t>(GetCurrentProcessId()));
}

void StatusPublisher::Publish(
    const SystemLoad& load, const PublishedLoad& extra, int processorAverage, int kernelModeAverage
) {
    statusblock::PushSample(block_, History::Memory, load.memory);
    statusblock::PushSample(block_, History::Processor, processorAverage);
    statusblock::PushSample(block_, History::Third, kernelModeAverage);
    statusblock::PushSample(block_, History::MemoryReference, extra.systemCache);
    statusblock::PushSample(block_, History::PageFile, extra.pageFile);
    std::int32_t count = ReadHeaderWord(block_, HeaderWord::SampleCount);
    // Wraps to 0 rather than overflowing.
    WriteHeaderWord(block_, HeaderWord::SampleCount, count == INT32_MAX ? 0 : count + 1);
}

void StatusPublisher::SetState(int state) { WriteHeaderWord(block_, HeaderWord::ServiceState, state); }

void StatusPublisher::SetRefreshSeconds(int seconds) { WriteHeaderWord(block_, HeaderWord::RefreshSeconds, seconds); }

std::vector<std::int32_t> StatusPublisher::Newest(History history, int count) const {
    std::vector<std::int32_t> samples;
    for (int k = 0; k < count && k < statusblock::kHistoryLength; ++k)
        samples.push_back(statusblock::ReadSample(block_, history, k));
    return samples;
}

}  // namespace booster
