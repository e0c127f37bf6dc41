#include "booster/shell_start.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

namespace booster {

bool ShellStart(const std::wstring& target, const std::wstring& parameters, const std::wstring& folder) {
    // Shell extensions the default verb may load expect COM on this thread.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOASYNC;
    info.lpFile = target.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
    info.nShow = SW_SHOWNORMAL;
    bool started = ShellExecuteExW(&info) != FALSE;
    if (SUCCEEDED(com)) CoUninitialize();
    return started;
}

}  // namespace booster
