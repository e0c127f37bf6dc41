#pragma once
#include <windows.h>

// The system's file cache mode, `LargeSystemCache` under the local machine's memory
// management key: on for a file server, off for a home computer.
namespace wizards {

// Read with read access only, so a standard user sees the real mode; false when the value
// is missing or not a number.
bool ReadLargeSystemCache();
// False when the system refuses the change (only administrators may make it).
bool WriteLargeSystemCache(bool cacheServer);

// Tests stand in another root key; null returns to HKEY_LOCAL_MACHINE.
void OverrideSystemCacheRoot(HKEY root);

}  // namespace wizards
