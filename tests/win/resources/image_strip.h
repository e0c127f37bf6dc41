#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The image lists the program carries as bitmap strips, and pixel access to them as
// LoadImage delivers them to the windows.
namespace image_tests {

struct StripLayout {
    const wchar_t* name;
    int size;   // width and height of one image
    int count;  // images in the strip
};

inline constexpr StripLayout kStrips[] = {
    {L"MMIMAGES", 16, 25},   {L"IMGPNLINACT", 24, 6},  {L"IMGPNLACT", 24, 6},
    {L"IMGPNLDISAB", 24, 6}, {L"IMGLISTDIAGS", 16, 5}, {L"WIZARDHEADER", 70, 3},
};

// The booster service's icon file, copied beside the test programs by the build.
std::wstring ServiceIconFile();

struct Pixel {
    std::uint8_t r, g, b, a;
    int Spread() const;  // max - min of the colour channels: 0 for grey
};

class Strip {
public:
    explicit Strip(const wchar_t* name);  // a BITMAP resource of this program
    ~Strip();
    Strip(const Strip&) = delete;
    Strip& operator=(const Strip&) = delete;

    HBITMAP Handle() const { return bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    // (x, y) from the top-left corner, whatever the row order of the section.
    Pixel At(int x, int y) const;
    // The pixels of one square image of the strip, row by row from the top.
    std::vector<Pixel> Cell(int index, int size) const;

private:
    HBITMAP bitmap_ = nullptr;
    int width_ = 0, height_ = 0, bitsPerPixel_ = 0;
    bool bottomUp_ = true;
    const std::uint8_t* bits_ = nullptr;
};

}  // namespace image_tests
