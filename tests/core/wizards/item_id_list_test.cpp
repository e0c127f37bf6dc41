#include "core/wizards/item_id_list.h"

#include <gtest/gtest.h>

using namespace wizards;

namespace {
using Bytes = std::vector<std::uint8_t>;
}

// A list of two items and its end mark gives the two items; a list the shell would read
// past its end gives nothing.
TEST(ItemIdList, SplitsWellFormedListsOnly) {
    const Bytes list = {4, 0, 'a', 'b', 3, 0, 'c', 0, 0};
    const auto items = SplitItemIdList(list);
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), 2u);
    EXPECT_EQ(Bytes((*items)[0].begin(), (*items)[0].end()), (Bytes{4, 0, 'a', 'b'}));
    EXPECT_EQ(Bytes((*items)[1].begin(), (*items)[1].end()), (Bytes{3, 0, 'c'}));
    EXPECT_EQ(SplitItemIdList(Bytes{0, 0})->size(), 0u);

    EXPECT_FALSE(SplitItemIdList(Bytes{}));                      // no end mark
    EXPECT_FALSE(SplitItemIdList(Bytes{4, 0, 'a', 'b'}));        // no end mark
    EXPECT_FALSE(SplitItemIdList(Bytes{9, 0, 'a', 'b', 0, 0}));  // the item runs past the end
    EXPECT_FALSE(SplitItemIdList(Bytes{1, 0, 0, 0}));            // shorter than its size field
    EXPECT_FALSE(SplitItemIdList(Bytes{3, 0, 'c', 0}));          // an end mark cut short
}
