// The executable reader on a 64-bit module linked by the cross toolchain, not by the tests'
// own image builder.
#include <gtest/gtest.h>

#include "core/localizer/basic_locale.h"
#include "core/localizer/res_processor.h"

using namespace localizer;

TEST(ToolchainModule, ResourcesOfA64BitModuleRead) {
    BasicLocale locale;
    const PEReader reader = PEReader::FromFile(L"" TOOLCHAIN_MODULE);
    EXPECT_TRUE(reader.Is64Bit());
    ResProcessor resources(locale);
    resources.Load(reader);
    ASSERT_NE(resources.Strings(), nullptr);
    EXPECT_EQ(resources.Strings()->Items().size(), 3u);
    EXPECT_EQ(*resources.Strings()->Find(65204), u"Stopped");
    EXPECT_EQ(*resources.Strings()->Find(65295), u"Last of the block");
    ASSERT_NE(resources.RCData(), nullptr);
    const ResRCDataItem* form = resources.RCData()->Find("TOPTWND");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(std::string(form->data.begin(), form->data.begin() + 4), "TPF0");
    EXPECT_NE(resources.RCData()->Find("QVT_EXESETTINGS_"), nullptr);
}
