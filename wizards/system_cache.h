#pragma once
#include <windows.h>

// The system's file cache mode, `LargeSystemCache` under the local machine's memory
// management key: on for a file server, off for a home computer.
namespace wizards {

// False when the key cannot be opened (a user without rights to the local machine's keys).
bool ReadLargeSystemCache();
// Throws platform::Error naming the value when it cannot be written.
void WriteLargeSystemCache(bool cacheServer);

// Tests stand in another root key; null returns to HKEY_LOCAL_MACHINE.
void OverrideSystemCacheRoot(HKEY root);

}  // namespace wizards
