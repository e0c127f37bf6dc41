#include "core/app/screenshot_files.h"

#include <fstream>

namespace app {
namespace {

void WriteWhole(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out;
    out.exceptions(std::ios::failbit | std::ios::badbit);
    out.open(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
}

// Failures of the moves and deletions are of no consequence: a capture is then lost or
// overwritten, the new one is saved anyway.
void MoveOlderOn(const std::filesystem::path& folder) {
    std::error_code ignored;
    std::filesystem::remove(folder / "3.jpg", ignored);
    std::filesystem::rename(folder / "2.jpg", folder / "3.jpg", ignored);
    std::filesystem::rename(folder / "1.jpg", folder / "2.jpg", ignored);
    std::filesystem::remove(folder / "1.jpg", ignored);
}

}  // namespace

void SaveNewestScreenshot(const std::filesystem::path& folder, const std::vector<std::uint8_t>& jpeg) {
    std::filesystem::create_directories(folder);
    const std::filesystem::path written = folder / "1.jpg.new";
    WriteWhole(written, jpeg);
    MoveOlderOn(folder);
    std::filesystem::rename(written, folder / "1.jpg");
}

}  // namespace app
