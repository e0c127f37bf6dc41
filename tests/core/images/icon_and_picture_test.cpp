#include <gtest/gtest.h>

#include "core/images/icon_file.h"
#include "core/images/stored_picture.h"
#include "tests/core/images/image_bytes.h"

using namespace images;
using namespace image_test;

namespace {

// An .ico file with images of the given widths (square), each `bytes` long.
Bytes Icon(const std::vector<int>& widths, std::uint32_t bytes) {
    Bytes b;
    Put(b, 2, 1, 2);
    Put(b, 4, static_cast<std::uint32_t>(widths.size()), 2);
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * widths.size());
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const std::size_t entry = 6 + 16 * i;
        Put(b, entry, static_cast<std::uint32_t>(widths[i] & 0xFF), 1);
        Put(b, entry + 1, static_cast<std::uint32_t>(widths[i] & 0xFF), 1);
        Put(b, entry + 8, bytes, 4);
        Put(b, entry + 12, offset, 4);
        offset += bytes;
    }
    b.resize(offset, 0x22);
    return b;
}

}  // namespace

TEST(IconFile, PicksTheImageClosestTo32AndChecksItLiesInTheFile) {
    const Bytes ico = Icon({16, 48, 256, 32}, 10);
    const auto image = PickIconImage(ico, 32);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 32);
    EXPECT_EQ(image->offset, 6u + 64u + 30u);
    EXPECT_EQ(image->size, 10u);
    EXPECT_EQ(PickIconImage(ico, 300)->width, 256);  // a stored 0 is 256

    Bytes cut = ico;
    cut.pop_back();
    EXPECT_FALSE(PickIconImage(cut, 32));           // the last image runs past the end
    EXPECT_FALSE(PickIconImage(Icon({}, 10), 32));  // no images
    Bytes directoryPastEnd = Icon({32}, 0);
    Put(directoryPastEnd, 4, 2, 2);
    EXPECT_FALSE(PickIconImage(directoryPastEnd, 32));
    Bytes cursor = ico;
    Put(cursor, 2, 2, 2);
    EXPECT_FALSE(PickIconImage(cursor, 32));
}

TEST(StoredPicture, SplitsBitmapsAndIconsFromTheirClassNames) {
    auto stored = [](std::string kind, const Bytes& body) {
        Bytes b{static_cast<std::uint8_t>(kind.size())};
        b.insert(b.end(), kind.begin(), kind.end());
        b.insert(b.end(), body.begin(), body.end());
        return b;
    };
    const Bytes bitmap = stored("TBitmap", {3, 0, 0, 0, 'B', 'M', '!', 'x'});
    const auto graphic = SplitStoredPicture(bitmap);
    ASSERT_TRUE(graphic);
    EXPECT_EQ(graphic->kind, GraphicKind::Bitmap);
    EXPECT_EQ(Bytes(graphic->file.begin(), graphic->file.end()), (Bytes{'B', 'M', '!'}));
    const auto icon = SplitStoredPicture(stored("TIcon", {0, 0, 1, 0}));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->kind, GraphicKind::Icon);
    EXPECT_EQ(icon->file.size(), 4u);

    EXPECT_FALSE(SplitStoredPicture(stored("TBitmap", {5, 0, 0, 0, 'B', 'M'})));  // size past the end
    EXPECT_FALSE(SplitStoredPicture(stored("TBitmap", {1, 0})));
    EXPECT_FALSE(SplitStoredPicture(stored("TMetafile", {})));
    EXPECT_FALSE(SplitStoredPicture(Bytes{}));
    EXPECT_FALSE(SplitStoredPicture(Bytes{9, 'T'}));  // the class name runs past the end
}
