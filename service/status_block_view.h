#pragma once
#include <windows.h>

#include <functional>

// The configurator's mapping of the shared status block. Opened once at start-up and kept
// until the process ends; when it cannot be mapped the view stays empty and every reader
// treats the charts as having no data.
namespace statusblock {

// Creates or opens the page-file-backed mapping and maps all of it. nullptr on failure.
void* OpenStatusBlock();

// The view opened at start-up (nullptr when there is none).
void* View();
void SetView(void* view);

// Start-up check: keeps the block only when every history value lies in 0..100 and the
// service, asked for its state without being launched, reports a non-zero state;
// otherwise clears it. Without a view nothing is checked and the service is not asked.
// Returns the state reply (0 when it was not asked).
using StateQuery = std::function<int()>;
int CheckAtStartup(void* view, const StateQuery& queryServiceState);

}  // namespace statusblock
