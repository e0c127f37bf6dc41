#include "platform/data_folder.h"

#include <windows.h>
#include <shlobj.h>

namespace platform {

std::wstring UserDataFolder() {
    std::wstring folder;
    wchar_t* local = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &local)))
        folder = local;
    CoTaskMemFree(local);
    if (folder.empty()) {  // a profile without one: the user's temporary folder is still the user's
        wchar_t temp[MAX_PATH + 1] = {};
        folder.assign(temp, GetTempPathW(MAX_PATH + 1, temp));
        while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    }
    folder += L"\\TesslySoftware\\DozidiDavazez\\";
    // A folder that cannot be made shows itself where a file in it cannot be written.
    SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    return folder;
}

}  // namespace platform
