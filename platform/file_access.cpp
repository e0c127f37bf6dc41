#include "core/files/file_access.h"

#include <windows.h>

#include <algorithm>

#include "platform/handles.h"

// The programs' file access for the portable code: wide paths straight to the system, so
// neither the standard library's streams nor its path conversions are linked in.
namespace files {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr std::size_t kChunk = 1u << 30;  // ReadFile and WriteFile take 32-bit counts

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::optional<std::vector<std::uint8_t>> Read(const std::wstring& path, std::size_t limit) {
    platform::KernelHandle file(
        CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
    );
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size)) return std::nullopt;
    std::vector<std::uint8_t> bytes(std::min<std::uint64_t>(static_cast<std::uint64_t>(size.QuadPart), limit));
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        const auto want = static_cast<DWORD>(std::min(kChunk, bytes.size() - done));
        if (!ReadFile(file.Get(), bytes.data() + done, want, &got, nullptr)) return std::nullopt;
        if (got == 0) break;  // the file became shorter
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

bool Write(const std::wstring& path, std::span<const std::uint8_t> bytes) {
    platform::KernelHandle file(CreateFileW(
        path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr
    ));
    if (!file) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const auto want = static_cast<DWORD>(std::min(kChunk, bytes.size() - done));
        if (!WriteFile(file.Get(), bytes.data() + done, want, &written, nullptr) || written != want) return false;
        done += written;
    }
    return true;
}

bool Writable(const std::wstring& path) {
    return static_cast<bool>(platform::KernelHandle(CreateFileW(
        path.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr
    )));
}

bool Rename(const std::wstring& from, const std::wstring& to) {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool Remove(const std::wstring& path) { return DeleteFileW(path.c_str()) != 0; }

// Climbs only as far as the first folder that exists, so drive roots and network shares
// are never created.
bool MakeFolders(const std::wstring& path) {
    if (path.empty()) return false;
    if (IsFolder(path)) return true;
    std::size_t end = path.size();
    while (end > 0 && IsSeparator(path[end - 1])) --end;  // trailing separators
    std::size_t cut = end;
    while (cut > 0 && !IsSeparator(path[cut - 1])) --cut;
    while (cut > 0 && IsSeparator(path[cut - 1])) --cut;
    if (cut > 0 && !MakeFolders(path.substr(0, cut))) return false;
    return CreateDirectoryW(path.substr(0, end).c_str(), nullptr) || IsFolder(path);
}

std::wstring Join(const std::wstring& folder, const std::wstring& name) {
    if (folder.empty() || IsSeparator(folder.back())) return folder + name;
    return folder + L'\\' + name;
}

}  // namespace files
