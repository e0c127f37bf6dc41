#include "wizards/shell_link.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "platform/com.h"
#include "platform/handles.h"

namespace wizards {
namespace {

using platform::ComPtr;

ComPtr<IShellLinkW> NewLinkObject() {
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, (void**)&link)))
        return {};
    return ComPtr<IShellLinkW>(link);
}

ComPtr<IPersistFile> PersistenceOf(IShellLinkW* link) {
    IPersistFile* file = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, (void**)&file))) return {};
    return ComPtr<IPersistFile>(file);
}

// Reads one text of at most kLinkTextLimit characters through `get`.
template <class Get>
bool ReadText(std::wstring& into, Get get) {
    wchar_t buffer[kLinkTextLimit + 1] = {};
    if (FAILED(get(buffer, static_cast<int>(kLinkTextLimit)))) return false;
    into = buffer;
    return true;
}

bool ReadFields(IShellLinkW* link, ShortcutInfo& info) {
    WIN32_FIND_DATAW found{};
    if (!ReadText(info.targetPath, [&](wchar_t* b, int n) { return link->GetPath(b, n, &found, SLGP_UNCPRIORITY); }))
        return false;
    LPITEMIDLIST idList = nullptr;
    if (FAILED(link->GetIDList(&idList))) return false;
    if (idList) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(idList);
        info.idList.assign(bytes, bytes + ILGetSize(idList));
        // The item list names the target in full; some link objects keep the path text only
        // in the system's code page, which loses the characters outside it.
        wchar_t path[MAX_PATH] = {};
        if (SHGetPathFromIDListW(idList, path) && path[0]) info.targetPath = path;
        CoTaskMemFree(idList);
    }
    if (!ReadText(info.description, [&](wchar_t* b, int n) { return link->GetDescription(b, n); })) return false;
    if (!ReadText(info.workingDir, [&](wchar_t* b, int n) { return link->GetWorkingDirectory(b, n); })) return false;
    if (!ReadText(info.arguments, [&](wchar_t* b, int n) { return link->GetArguments(b, n); })) return false;
    int iconIndex = 0;
    if (!ReadText(info.iconPath, [&](wchar_t* b, int n) { return link->GetIconLocation(b, n, &iconIndex); })) return false;
    info.iconIndex = iconIndex;
    WORD hotKey = 0;
    if (FAILED(link->GetHotkey(&hotKey))) return false;
    info.hotKey = hotKey;
    int showCommand = 0;
    if (FAILED(link->GetShowCmd(&showCommand))) return false;
    info.showState = ShowStateFromCommand(showCommand);
    return true;
}

// Some link objects forget the show command when they load a file, so it is read from the
// file's header (a 32-bit value at offset 60) when that can be had.
std::optional<int> PersistedShowCommand(const std::wstring& file) {
    constexpr DWORD kHeaderSize = 76, kShowCommandOffset = 60;
    platform::KernelHandle handle(
        CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)
    );
    std::uint8_t header[kHeaderSize];
    DWORD read = 0;
    if (!handle || !ReadFile(handle.Get(), header, kHeaderSize, &read, nullptr) || read != kHeaderSize ||
        header[0] != kHeaderSize)
        return std::nullopt;
    std::int32_t showCommand = 0;
    std::memcpy(&showCommand, header + kShowCommandOffset, sizeof showCommand);
    return showCommand;
}

bool WriteFields(IShellLinkW* link, const ShortcutInfo& info) {
    if (FAILED(link->SetPath(info.targetPath.c_str()))) return false;
    if (!info.idList.empty() && FAILED(link->SetIDList(reinterpret_cast<LPCITEMIDLIST>(info.idList.data()))))
        return false;
    return SUCCEEDED(link->SetDescription(info.description.c_str())) &&
           SUCCEEDED(link->SetWorkingDirectory(info.workingDir.c_str())) &&
           SUCCEEDED(link->SetArguments(info.arguments.c_str())) &&
           SUCCEEDED(link->SetIconLocation(info.iconPath.c_str(), info.iconIndex)) &&
           (info.hotKey == 0 || SUCCEEDED(link->SetHotkey(info.hotKey))) &&
           SUCCEEDED(link->SetShowCmd(ShowCommandFromState(info.showState)));
}

std::wstring FolderPart(const std::wstring& file) {
    const std::size_t slash = file.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : file.substr(0, slash + 1);
}

}  // namespace

std::optional<ShortcutInfo> ReadShellLink(const std::wstring& file) {
    platform::ComSession com;
    ComPtr<IShellLinkW> link = NewLinkObject();
    if (!link) return std::nullopt;
    ComPtr<IPersistFile> persistence = PersistenceOf(link.Get());
    if (!persistence || FAILED(persistence.Get()->Load(file.c_str(), STGM_READ))) return std::nullopt;
    ShortcutInfo info;
    if (!ReadFields(link.Get(), info)) return std::nullopt;
    if (auto showCommand = PersistedShowCommand(file)) info.showState = ShowStateFromCommand(*showCommand);
    return info;
}

bool SaveShellLink(const std::wstring& file, const ShortcutInfo& info) {
    if (file.size() >= kLinkTextLimit) return false;
    // A read-only shortcut of the same name is not replaced, as the system would not.
    const DWORD existing = GetFileAttributesW(file.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    platform::ComSession com;
    ComPtr<IShellLinkW> link = NewLinkObject();
    if (!link || !WriteFields(link.Get(), info)) return false;
    ComPtr<IPersistFile> persistence = PersistenceOf(link.Get());
    if (!persistence) return false;
    // Making the new file is also the test that the folder takes files at all.
    wchar_t temporary[MAX_PATH];
    if (!GetTempFileNameW(FolderPart(file).c_str(), L"lnk", 0, temporary)) return false;
    const bool saved = SUCCEEDED(persistence.Get()->Save(temporary, TRUE)) &&
                       MoveFileExW(temporary, file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!saved) DeleteFileW(temporary);
    return saved;
}

}  // namespace wizards
