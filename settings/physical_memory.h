#pragma once
#include <cstdint>

// The machine's physical memory, which bounds the settings windows' size fields. Taken once
// per process from the system's memory status; tests stand in other machines' figures.

std::uint64_t PhysicalMemoryBytes();

// The upper limit of a field that shows a byte size in megabytes: the physical memory,
// capped at what the settings store can hold.
std::int32_t SizeFieldMaximumMB();

// Makes PhysicalMemoryBytes report `bytes` from now on; 0 returns to the real figure.
void OverridePhysicalMemoryBytes(std::uint64_t bytes);
