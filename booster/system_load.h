#pragma once
#include <windows.h>

#include "core/booster/load_figures.h"
#include "core/booster/reclaim_plan.h"

// The machine's load as the system reports it, in the percentages the status block holds.
namespace booster {

// Read every second: the automatic passes watch these.
struct SystemLoad {
    int memory;            // physical memory in use
    int processor;         // busy share of processor time since the previous reading
    int kernelMode;        // share of processor time spent in kernel mode
    int availablePercent;  // physical memory available
};

// Read only when a sample is published: nothing else needs them.
struct PublishedLoad {
    int pageFile;     // use of all page files together; 0 without a page file
    int systemCache;  // physical memory held as system cache
};

MemoryFigures CurrentMemory();

class SystemSampler {
public:
    SystemSampler();
    // Processor figures cover the time since the previous call (or since construction).
    SystemLoad Measure();
    // The system cache share is read afresh only every kCacheRefreshSeconds: it moves
    // slowly, and the system walks every process to report it.
    PublishedLoad MeasurePublished();

    static constexpr ULONGLONG kCacheRefreshSeconds = 10;

private:
    ProcessorMeter processor_;
    int systemCache_ = 0;
    ULONGLONG cacheReadAt_ = 0;
    bool cacheRead_ = false;
};

}  // namespace booster
