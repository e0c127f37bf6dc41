#include "wizards/shell_places.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "core/wizards/item_id_list.h"
#include "core/wizards/link_memo.h"
#include "platform/com.h"
#include "platform/registry.h"

namespace wizards {
namespace {

using platform::ComPtr;

constexpr const char* kShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

ComPtr<IShellFolder> Desktop() {
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop))) return {};
    return ComPtr<IShellFolder>(desktop);
}

}  // namespace

std::wstring DesktopFolder() {
    const auto key = platform::RegistryKey::Open(HKEY_CURRENT_USER, platform::AsciiName(kShellFoldersKey), KEY_QUERY_VALUE);
    return key.ReadString(L"Desktop").value_or(L"");
}

std::wstring AssociatedProgram(const std::wstring& file) {
    wchar_t program[MAX_PATH] = {};
    if (reinterpret_cast<INT_PTR>(FindExecutableW(file.c_str(), nullptr, program)) <= 32) return {};
    return program;
}

std::wstring DisplayNameOf(const std::vector<std::uint8_t>& idList) {
    if (!SplitItemIdList(idList)) return {};
    platform::ComSession com;
    ComPtr<IShellFolder> desktop = Desktop();
    STRRET name{};
    if (!desktop || FAILED(desktop.Get()->GetDisplayNameOf(
                        reinterpret_cast<LPCITEMIDLIST>(idList.data()), SHGDN_FORPARSING | SHGDN_FORADDRESSBAR, &name
                    )))
        return {};
    wchar_t* text = nullptr;
    if (FAILED(StrRetToStrW(&name, nullptr, &text))) return {};
    std::wstring result = text;
    CoTaskMemFree(text);
    return result;
}

std::optional<std::wstring> ClassIdPathOf(const std::vector<std::uint8_t>& idList) {
    const auto items = SplitItemIdList(idList);
    if (!items) return std::nullopt;
    platform::ComSession com;
    ComPtr<IShellFolder> folder = Desktop();
    std::vector<std::wstring> classIds;
    for (const auto& bytes : *items) {
        if (!folder) break;
        // The item on its own, as a list relative to the folder above it.
        std::vector<std::uint8_t> item(bytes.begin(), bytes.end());
        item.resize(item.size() + sizeof(USHORT), 0);
        IShellFolder* inner = nullptr;
        if (FAILED(folder.Get()->BindToObject(
                reinterpret_cast<LPCITEMIDLIST>(item.data()), nullptr, IID_IShellFolder, (void**)&inner
            )))
            break;  // a file: no folder, no class of its own
        folder = ComPtr<IShellFolder>(inner);
        IPersist* persist = nullptr;
        if (FAILED(inner->QueryInterface(IID_IPersist, (void**)&persist))) break;
        ComPtr<IPersist> persistence(persist);
        CLSID classId{};
        if (FAILED(persistence.Get()->GetClassID(&classId))) break;
        wchar_t text[40];
        StringFromGUID2(classId, text, 40);
        classIds.push_back(text);
    }
    if (classIds.empty()) return std::nullopt;
    return ClassIdPath(classIds);
}

std::optional<std::wstring> BrowseForFolder(HWND owner) {
    platform::ComSession com;
    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    LPITEMIDLIST chosen = SHBrowseForFolderW(&browse);
    if (!chosen) return std::nullopt;
    platform::Owned<void*, platform::release::TaskMemory> owned(chosen);
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(chosen, path)) return std::nullopt;
    return std::wstring(path);
}

}  // namespace wizards
