#include "platform/key_name.h"

#include <windows.h>

namespace platform {

std::wstring KeyName(unsigned virtualKey) {
    LONG scanCode = static_cast<LONG>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    // The navigation block shares scan codes with the number pad, told apart by this bit.
    const bool extended = (virtualKey >= VK_PRIOR && virtualKey <= VK_DOWN) || virtualKey == VK_INSERT ||
                          virtualKey == VK_DELETE || virtualKey == VK_DIVIDE || virtualKey == VK_NUMLOCK;
    wchar_t name[64] = {};
    if (scanCode && GetKeyNameTextW((scanCode << 16) | (extended ? 1L << 24 : 0), name, 64) > 0) return name;
    return L"#" + std::to_wstring(virtualKey);
}

}  // namespace platform
