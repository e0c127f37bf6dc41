#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The portable code's only way to the file system: whole files and the few folder
// operations it needs, on paths in the platform's wide form. Native builds implement them
// with the standard library (file_access_std.cpp); Windows builds with the system's wide
// calls (platform/file_access.cpp), which keeps the standard library's locale and path
// conversions out of the programs.
namespace files {

// The file's first `limit` bytes (all of a shorter file); nothing when it cannot be opened
// or read.
std::optional<std::vector<std::uint8_t>> Read(
    const std::wstring& path, std::size_t limit = static_cast<std::size_t>(-1)
);
// Creates or empties the file and writes `bytes`; false when any of that fails.
bool Write(const std::wstring& path, std::span<const std::uint8_t> bytes);
// Whether the existing file can be opened for reading and writing.
bool Writable(const std::wstring& path);
// Moves the file, replacing one already at `to`.
bool Rename(const std::wstring& from, const std::wstring& to);
// False also when there was no file.
bool Remove(const std::wstring& path);
// Creates the folder and any missing folders above it; true when it exists afterwards.
bool MakeFolders(const std::wstring& path);

// "folder" + separator + "name", with no second separator when the folder ends in one.
std::wstring Join(const std::wstring& folder, const std::wstring& name);

}  // namespace files
