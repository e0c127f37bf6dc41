#pragma once
#include <cstdint>

// The service's own words at the start of the status block (the configurator never
// reads them): they let a reader tell whether the histories are being kept current.
namespace booster {

enum class HeaderWord : std::uint32_t {
    SampleCount = 0,     // samples published since the service started, wrapping
    ServiceState = 1,    // 0 stopped, 1 idle, 2 running
    RefreshSeconds = 2,  // interval between samples
    ProcessId = 3,       // the publishing service
};

std::int32_t ReadHeaderWord(const void* block, HeaderWord word);
void WriteHeaderWord(void* block, HeaderWord word, std::int32_t value);

}  // namespace booster
