#include "service/status_block_view.h"

#include "core/service/status_block.h"

namespace statusblock {
namespace {

void* g_view = nullptr;

// Read-write, committed, not cached: the protection and creation flags the service uses too.
constexpr DWORD kProtection = PAGE_READWRITE | SEC_COMMIT | SEC_NOCACHE;

}  // namespace

void* OpenStatusBlock() {
    HANDLE mapping =
        CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, kProtection, 0, static_cast<DWORD>(kBlockSize), kMappingName);
    if (!mapping) return nullptr;
    // The handle stays open for the life of the process: it keeps the block alive.
    return MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, kBlockSize);
}

void* View() { return g_view; }
void SetView(void* view) { g_view = view; }

int CheckAtStartup(void* view, const StateQuery& queryServiceState) {
    if (!view) return 0;
    bool valid = ValidateBlock(view);
    int state = valid && queryServiceState ? queryServiceState() : 0;
    if (MustClearAtStartup(valid, state)) ClearBlock(view);
    return state;
}

}  // namespace statusblock
