#include "core/files/file_access.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

// The native builds' file access (tests, tools, fuzzing), through the standard library.
namespace files {

namespace fs = std::filesystem;

std::optional<std::vector<std::uint8_t>> Read(const std::wstring& path, std::size_t limit) {
    std::ifstream in(fs::path(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    char buffer[65536];
    while (bytes.size() < limit) {
        const std::size_t want = std::min(sizeof buffer, limit - bytes.size());
        in.read(buffer, static_cast<std::streamsize>(want));
        const auto got = static_cast<std::size_t>(in.gcount());
        bytes.insert(bytes.end(), buffer, buffer + got);
        if (got < want) break;
    }
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool Write(const std::wstring& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(fs::path(path), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

bool Writable(const std::wstring& path) {
    return static_cast<bool>(std::fstream(fs::path(path), std::ios::binary | std::ios::in | std::ios::out));
}

bool Rename(const std::wstring& from, const std::wstring& to) {
    std::error_code error;
    fs::rename(from, to, error);
    return !error;
}

bool Remove(const std::wstring& path) {
    std::error_code error;
    return fs::remove(path, error);
}

bool MakeFolders(const std::wstring& path) {
    std::error_code error;
    fs::create_directories(path, error);
    return fs::is_directory(path, error);
}

std::wstring Join(const std::wstring& folder, const std::wstring& name) {
    if (folder.empty() || folder.back() == L'/') return folder + name;
    return folder + L'/' + name;
}

}  // namespace files
