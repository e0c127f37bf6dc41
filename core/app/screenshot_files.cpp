#include "core/app/screenshot_files.h"

#include <stdexcept>

#include "core/files/file_access.h"

namespace app {
namespace {

// Failures of the moves and deletions are of no consequence: a capture is then lost or
// overwritten, the new one is saved anyway.
void MoveOlderOn(const std::wstring& folder) {
    files::Remove(files::Join(folder, L"3.jpg"));
    files::Rename(files::Join(folder, L"2.jpg"), files::Join(folder, L"3.jpg"));
    files::Rename(files::Join(folder, L"1.jpg"), files::Join(folder, L"2.jpg"));
    files::Remove(files::Join(folder, L"1.jpg"));
}

}  // namespace

void SaveNewestScreenshot(const std::wstring& folder, const std::vector<std::uint8_t>& jpeg) {
    if (!files::MakeFolders(folder)) throw std::runtime_error("The screenshot folder cannot be made");
    const std::wstring written = files::Join(folder, L"1.jpg.new");
    if (!files::Write(written, jpeg)) throw std::runtime_error("The screenshot cannot be written");
    MoveOlderOn(folder);
    if (!files::Rename(written, files::Join(folder, L"1.jpg")))
        throw std::runtime_error("The screenshot cannot be given its name");
}

}  // namespace app
