#pragma once
#include <string>
#include <vector>

// Files and folders of the shortcut tests, each of its own so tests can run side by side.
namespace link_files {

// A new empty folder under the temporary folder, removed with all it holds at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& tag);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& Path() const { return path_; }  // no trailing backslash

private:
    std::wstring path_;
};

// Deletes a file at the end of the scope, also when the test fails on the way.
class Removed {
public:
    explicit Removed(std::wstring file) : file_(std::move(file)) {}
    ~Removed();
    Removed(const Removed&) = delete;
    Removed& operator=(const Removed&) = delete;

private:
    std::wstring file_;
};

// The booster service program beside the test, where the wizard finds it.
std::wstring ServiceProgram();

void WriteText(const std::wstring& file, const std::string& text);
std::string ReadText(const std::wstring& file);
// A file of UTF-16 text; empty when it is missing or cannot be opened yet.
std::wstring ReadWideText(const std::wstring& file);
// Names of the files in `folder`, sorted.
std::vector<std::wstring> FilesIn(const std::wstring& folder);

}  // namespace link_files
