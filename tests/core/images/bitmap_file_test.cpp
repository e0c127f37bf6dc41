#include "core/images/bitmap_file.h"

#include <gtest/gtest.h>

#include "tests/core/images/image_bytes.h"

using namespace images;
using namespace image_test;

// A resource becomes a file whose rows start after the info header and the whole colour
// table: a paletted bitmap that does not say how many colours it uses has all of them.
TEST(BitmapFile, ResourceGetsAFileHeaderPointingPastTheColourTable) {
    const Bytes eightBit = BitmapResource(4, 2, 8, 0, 256);
    const auto file = BitmapFileOfResource(eightBit);
    ASSERT_TRUE(file);
    EXPECT_EQ((*file)[0], 'B');
    EXPECT_EQ((*file)[1], 'M');
    const auto layout = CheckBitmapFile(*file);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->pixels, 14u + 40u + 1024u);
    EXPECT_EQ(layout->headerEnd, layout->pixels);
    EXPECT_EQ(layout->stride, 4u);
    EXPECT_EQ(layout->rows, 2u);

    const auto fewColours = CheckBitmapFile(*BitmapFileOfResource(BitmapResource(4, -3, 4, 3, 3)));
    ASSERT_TRUE(fewColours);
    EXPECT_EQ(fewColours->pixels, 14u + 40u + 12u);
    EXPECT_TRUE(fewColours->topDown);
    EXPECT_EQ(fewColours->rows, 3u);

    const auto trueColour = CheckBitmapFile(*BitmapFileOfResource(BitmapResource(3, 1, 32, 0, 0)));
    ASSERT_TRUE(trueColour);
    EXPECT_EQ(trueColour->bitCount, 32);
    EXPECT_EQ(trueColour->stride, 12u);
}

// The platform reads the info header, the colour table and the rows where the headers say:
// a file whose table or rows would lie past its end is refused. An 8-bit bitmap without its
// table would have the platform read a kilobyte past the data.
TEST(BitmapFile, RefusesWhatWouldBeReadPastTheData) {
    // A file header whose rows start right after the info header.
    auto file = [](const Bytes& resource) {
        Bytes b = {'B', 'M'};
        Put(b, 2, static_cast<std::uint32_t>(14 + resource.size()), 4);
        Put(b, 10, 14 + 40, 4);
        b.insert(b.end(), resource.begin(), resource.end());
        return b;
    };
    const Bytes noTable = file(BitmapResource(4, 2, 8, 0, 0));
    EXPECT_FALSE(CheckBitmapFile(noTable));
    EXPECT_FALSE(BitmapFileOfResource(BitmapResource(4, 2, 8, 0, 0)));
    Bytes shortRows = file(BitmapResource(4, 2, 24, 0, 0));
    shortRows.pop_back();
    EXPECT_FALSE(CheckBitmapFile(shortRows));
    Bytes cutHeader = file(BitmapResource(1, 1, 24, 0, 0));
    cutHeader.resize(14 + 39);
    EXPECT_FALSE(CheckBitmapFile(cutHeader));

    const Bytes good = file(BitmapResource(2, 2, 24, 0, 0));
    ASSERT_TRUE(CheckBitmapFile(good));
    auto changed = [&](std::size_t at, std::uint32_t value, int bytes) {
        Bytes b = good;
        Put(b, at, value, bytes);
        return CheckBitmapFile(b).has_value();
    };
    EXPECT_FALSE(changed(0, 'X', 1));                                     // not "BM"
    EXPECT_FALSE(changed(10, 0xFFFFFFF0u, 4));                            // rows past the end
    EXPECT_FALSE(changed(10, 20, 4));                                     // rows inside the info header
    EXPECT_FALSE(changed(14, 0x7FFFFFFF, 4));                             // info header past the end
    EXPECT_FALSE(changed(14, 12, 4));                                     // an older, smaller header
    EXPECT_FALSE(changed(18, 0, 4));                                      // no width
    EXPECT_FALSE(changed(22, 0, 4));                                      // no height
    EXPECT_FALSE(changed(22, 0x80000000u, 4));                            // the most negative height
    EXPECT_FALSE(changed(18, 0x7FFFFFFF, 4));                             // rows far beyond the file
    EXPECT_FALSE(changed(28, 7, 2));                                      // no such pixel size
    EXPECT_FALSE(changed(30, 1, 4));                                      // compressed
    EXPECT_FALSE(changed(46, 0xFFFFFFFFu, 4));                            // a colour table past the end
    EXPECT_FALSE(BitmapFileOfResource(BitmapResource(1, 1, 4, 17, 17)));  // 17 colours in 4 bits
    EXPECT_FALSE(BitmapFileOfResource(Bytes(39, 0)));
}
