#pragma once
#include "core/booster/load_figures.h"
#include "core/booster/reclaim_plan.h"

// The machine's load as the system reports it, in the percentages the status block holds.
namespace booster {

struct SystemLoad {
    int memory;            // physical memory in use
    int processor;         // busy share of processor time since the previous reading
    int kernelMode;        // share of processor time spent in kernel mode
    int pageFile;          // commit charge against the commit limit
    int systemCache;       // physical memory held as system cache
    int availablePercent;  // physical memory available
};

MemoryFigures CurrentMemory();

class SystemSampler {
public:
    SystemSampler();
    // Processor figures cover the time since the previous call (or since construction).
    SystemLoad Measure();

private:
    ProcessorMeter processor_;
};

}  // namespace booster
