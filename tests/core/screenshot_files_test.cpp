#include "core/app/screenshot_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using namespace app;
namespace fs = std::filesystem;

namespace {

class ScreenshotFiles : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("shots-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                   std::to_string(reinterpret_cast<std::uintptr_t>(this))) /
                  "minidump";
        fs::remove_all(folder_.parent_path());
    }
    void TearDown() override { fs::remove_all(folder_.parent_path()); }

    std::string Read(const char* name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        if (!in) return "(missing)";
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

    fs::path folder_;
};

}  // namespace

TEST_F(ScreenshotFiles, TheFolderIsMadeAndTheThreeNewestAreKeptNewestFirst) {
    for (const char* shot : {"first", "second", "third", "fourth"})
        SaveNewestScreenshot(folder_.wstring(), Bytes(shot));
    EXPECT_EQ(Read("1.jpg"), "fourth");
    EXPECT_EQ(Read("2.jpg"), "third");
    EXPECT_EQ(Read("3.jpg"), "second");
    EXPECT_EQ(Read("4.jpg"), "(missing)");
    EXPECT_EQ(Read("1.jpg.new"), "(missing)");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 3);
}

TEST_F(ScreenshotFiles, GapsInTheRowAreClosedAsTheCapturesMoveOn) {
    SaveNewestScreenshot(folder_.wstring(), Bytes("one"));
    fs::remove(folder_ / "1.jpg");
    SaveNewestScreenshot(folder_.wstring(), Bytes("two"));
    EXPECT_EQ(Read("1.jpg"), "two");
    EXPECT_EQ(Read("2.jpg"), "(missing)");
}

TEST_F(ScreenshotFiles, AnImageThatCannotBeWrittenLeavesTheKeptCapturesInPlace) {
    SaveNewestScreenshot(folder_.wstring(), Bytes("kept"));
    fs::create_directory(folder_ / "1.jpg.new");  // the temporary name is taken by a folder
    EXPECT_ANY_THROW(SaveNewestScreenshot(folder_.wstring(), Bytes("lost")));
    EXPECT_EQ(Read("1.jpg"), "kept");
    EXPECT_EQ(Read("2.jpg"), "(missing)");
}
