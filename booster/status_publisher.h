#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "booster/system_load.h"
#include "core/service/status_block.h"

// Keeps the histories of the shared status block current. The histories hold, newest
// first: memory in use, processor load, processor time in kernel mode (the third history,
// which the configurator only validates), physical memory held as system cache (the
// memory reference), and page-file use. When the block cannot be mapped the service
// keeps the same layout in memory of its own, so its tray icon still has data.
namespace booster {

class StatusPublisher {
public:
    StatusPublisher();

    void Publish(const SystemLoad& load, const PublishedLoad& extra, int processorAverage, int kernelModeAverage);
    void SetState(int state);
    void SetRefreshSeconds(int seconds);

    // The newest samples of a history, newest first.
    std::vector<std::int32_t> Newest(statusblock::History history, int count) const;

private:
    void* block_;
    std::vector<std::int32_t> ownBlock_;
};

}  // namespace booster
