#include "tools/lngtool/text_shape.h"

#include <gtest/gtest.h>

using namespace lngtool;

TEST(TextShape, FindsPlaceholdersMnemonicsAndLineBreaks) {
    EXPECT_EQ(
        Placeholders("%s of %d, %0:s, %-8.2f, 100%% and %"),
        (std::vector<std::string>{"%s", "%d", "%0:s", "%-8.2f", "%%", "%"})
    );
    EXPECT_EQ(Placeholders("50 % off"), std::vector<std::string>{"%"});
    EXPECT_EQ(MnemonicCount("&File"), 1);
    EXPECT_EQ(MnemonicCount("Tom && Jerry"), 0);
    EXPECT_EQ(MnemonicCount("&&&Save &as"), 2);
    EXPECT_EQ(MnemonicCount("trailing &"), 1);
}

TEST(TextShape, ComparesATranslationWithItsSource) {
    EXPECT_EQ(ShapeDifference("&Save %s\nnow", "%s &speichern\njetzt"), std::nullopt);  // order may change
    EXPECT_EQ(ShapeDifference("Free %d MB", "%d MB frei"), std::nullopt);
    EXPECT_EQ(ShapeDifference("Free %d MB", "Frei MB"), "placeholders %d became none");
    EXPECT_EQ(ShapeDifference("Load %d%%", "Last %d %"), "placeholders %d %% became %d %");
    EXPECT_EQ(ShapeDifference("&Open", "Open"), "mnemonics 1 became 0");
    EXPECT_EQ(ShapeDifference("A\nB", "A B"), "line breaks 1 became 0");
    EXPECT_EQ(
        ShapeDifference("&A %s\nB", "A\nB\nC"),
        "placeholders %s became none, mnemonics 1 became 0, line breaks 1 became 2"
    );
}
