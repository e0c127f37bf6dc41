#include "booster/clipboard.h"

#include <windows.h>

namespace booster {
namespace {

constexpr int kAttempts = 20;
constexpr DWORD kRetryMs = 50;

}  // namespace

bool EmptyTheClipboard() {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (OpenClipboard(nullptr)) {
            bool emptied = EmptyClipboard() != FALSE;
            CloseClipboard();
            return emptied;
        }
        Sleep(kRetryMs);
    }
    return false;
}

}  // namespace booster
