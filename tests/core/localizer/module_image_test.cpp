// The language module's bytes against the layout of a resource-only 32-bit DLL.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>
#include <cstdlib>
#include <ctime>

#include "core/localizer/basic_locale.h"
#include "core/localizer/lang_file.h"
#include "core/localizer/res_processor.h"
#include "pe_image_builder.h"

using namespace localizer;
using namespace pe_test;

namespace {

constexpr std::uint32_t kStamp = 0x12345678;
std::uint32_t FixedStamp() { return kStamp; }

std::u16string WideAt(const Bytes& b, std::size_t at) {
    std::u16string s(Get16(b, at), u'\0');
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = char16_t(Get16(b, at + 2 + 2 * i));
    return s;
}

// One string (ID 15, the last slot of block 1) and two RCDATA items.
struct Module : ::testing::Test {
    BasicLocale locale;
    ResProcessor resources{locale};
    Bytes image;
    void SetUp() override {
        resources.AddRCData().Add("TFORM", Ascii("abc"));
        resources.AddRCData().Add("QVT_LIBSETTINGS_", Ascii("LDLL"));
        resources.AddStrings().Set(15, u"Hi");
        image = resources.ModuleImage(FixedStamp);
    }
};

}  // namespace

TEST_F(Module, HeadersFollowTheLayout) {
    // Resource tree: root 16 + 2 * 8; strings 16 + 48 + 16 * 2 + 4; RCDATA 16 + 2 * 48, the
    // names "QVT_LIBSETTINGS_" and "TFORM" (2 + 32, 2 + 10), the data 4 + 3.
    const std::uint32_t resourceSize = 32 + (64 + 36) + (112 + 34 + 12 + 7);
    ASSERT_EQ(image.size(), 1024u + 512u);
    EXPECT_EQ(Get16(image, 0), 0x5A4D);
    const std::uint16_t dosWords[] = {0x5A4D, 0x0050, 2, 0, 4, 0x000F, 0xFFFF, 0, 0x00B8, 0, 0, 0, 0x0040, 0x001A};
    for (std::size_t i = 0; i < std::size(dosWords); ++i) EXPECT_EQ(Get16(image, 2 * i), dosWords[i]) << i;
    EXPECT_EQ(Get32(image, 0x3C), 0x100u);
    EXPECT_EQ(image[0x40], 0xBA);
    EXPECT_EQ(image[0x4F], 0x90);
    EXPECT_EQ(std::string(image.begin() + 0x50, image.begin() + 0x74), "This program must be run under Win32");
    EXPECT_EQ(Get32(image, 0x74), 0x37240A0Du);
    EXPECT_EQ(image[0x78], 0);

    const std::size_t pe = 0x100, opt = pe + 24;
    EXPECT_EQ(Get32(image, pe), 0x00004550u);
    EXPECT_EQ(Get16(image, pe + 4), 0x014C);
    EXPECT_EQ(Get16(image, pe + 6), 1);
    EXPECT_EQ(Get32(image, pe + 8), kStamp);
    EXPECT_EQ(Get16(image, pe + 20), 224);
    EXPECT_EQ(Get16(image, pe + 22), 0xA18E);
    EXPECT_EQ(Get16(image, opt), 0x010B);
    EXPECT_EQ(image[opt + 2], 1);
    EXPECT_EQ(Get32(image, opt + 28), 0x00400000u);
    EXPECT_EQ(Get32(image, opt + 32), 4096u);
    EXPECT_EQ(Get32(image, opt + 36), 512u);
    EXPECT_EQ(Get16(image, opt + 40), 1);  // operating system 1.0
    EXPECT_EQ(Get16(image, opt + 44), 1);  // image 1.0
    EXPECT_EQ(Get16(image, opt + 48), 4);  // subsystem 4.0
    EXPECT_EQ(Get32(image, opt + 56), (1024u + resourceSize + 4095) / 4096 * 4096);
    EXPECT_EQ(Get32(image, opt + 60), 1024u);
    EXPECT_EQ(Get16(image, opt + 68), 2);
    EXPECT_EQ(Get16(image, opt + 70), 0x0001);
    EXPECT_EQ(Get32(image, opt + 72), 4096u);
    EXPECT_EQ(Get32(image, opt + 76), 256u);
    EXPECT_EQ(Get32(image, opt + 92), 16u);
    for (std::uint32_t d = 0; d < 16; ++d) {
        EXPECT_EQ(Get32(image, opt + 96 + 8 * d), d == 2 ? 0x2000u : 0u) << d;
        EXPECT_EQ(Get32(image, opt + 100 + 8 * d), d == 2 ? 512u : 0u) << d;
    }
    const std::size_t section = opt + 224;
    EXPECT_EQ(std::string(image.begin() + section, image.begin() + section + 8), std::string(".rsrc\0\0\0", 8));
    EXPECT_EQ(Get32(image, section + 8), resourceSize);
    EXPECT_EQ(Get32(image, section + 12), 0x2000u);
    EXPECT_EQ(Get32(image, section + 16), 512u);
    EXPECT_EQ(Get32(image, section + 20), 1024u);
    EXPECT_EQ(Get32(image, section + 36), 0x40000000u);
    for (std::size_t i = section + 40; i < 1024; ++i) ASSERT_EQ(image[i], 0) << i;
    for (std::size_t i = 1024 + resourceSize; i < image.size(); ++i) ASSERT_EQ(image[i], 0) << i;
}

TEST_F(Module, GroupSizesAndTheirDirectories) {
    EXPECT_EQ(resources.Strings()->DirectorySize(), 16u + 48u);
    EXPECT_EQ(resources.Strings()->TotalSize(), 64u + 36u);
    EXPECT_EQ(resources.RCData()->DirectorySize(), 16u + 96u);
    EXPECT_EQ(resources.RCData()->TotalSize(), 112u + 34u + 12u + 7u);

    const Bytes r(image.begin() + 1024, image.end());
    // Root: string tables before RCDATA, each pointing at its subtree.
    EXPECT_EQ(Get32(r, 4), kStamp);
    EXPECT_EQ(Get16(r, 12), 0);
    EXPECT_EQ(Get16(r, 14), 2);
    EXPECT_EQ(Get32(r, 16), 6u);
    EXPECT_EQ(Get32(r, 20), 0x80000000u | 32u);
    EXPECT_EQ(Get32(r, 24), 10u);
    EXPECT_EQ(Get32(r, 28), 0x80000000u | 132u);
    // The string group: block 1, its language directory, its data entry, its data.
    EXPECT_EQ(Get16(r, 32 + 14), 1);
    EXPECT_EQ(Get32(r, 48), 1u);
    EXPECT_EQ(Get32(r, 52), 0x80000000u | 56u);
    EXPECT_EQ(Get16(r, 56 + 14), 1);
    EXPECT_EQ(Get32(r, 72), 0u);  // language neutral
    EXPECT_EQ(Get32(r, 76), 80u);
    EXPECT_EQ(Get32(r, 80), 0x2000u + 96u);
    EXPECT_EQ(Get32(r, 84), 36u);
}

// A block whose only string is in slot 15 is fifteen zero lengths, then that string.
TEST_F(Module, StringBlockWithOnlySlot15) {
    const Bytes r(image.begin() + 1024, image.end());
    for (int slot = 0; slot < 15; ++slot) EXPECT_EQ(Get16(r, 96 + 2 * slot), 0) << slot;
    EXPECT_EQ(WideAt(r, 96 + 30), u"Hi");
}

// RCDATA entries are named: each name field points at a length-prefixed UTF-16 name kept
// after the data entries, in item order; the data follows the names unpadded. Names are
// in the order the loader's binary search expects.
TEST_F(Module, RcDataNamesAndData) {
    const Bytes r(image.begin() + 1024, image.end());
    const std::uint32_t group = 132;
    EXPECT_EQ(Get16(r, group + 12), 2);
    EXPECT_EQ(Get16(r, group + 14), 0);
    const std::uint32_t names = group + 112;
    EXPECT_EQ(Get32(r, group + 16), 0x80000000u | names);
    EXPECT_EQ(Get32(r, group + 24), 0x80000000u | (names + 34));
    EXPECT_EQ(WideAt(r, names), u"QVT_LIBSETTINGS_");
    EXPECT_EQ(WideAt(r, names + 34), u"TFORM");
    const std::uint32_t dataEntries = group + 16 + 16 + 48;
    EXPECT_EQ(Get32(r, dataEntries), 0x2000u + names + 46);
    EXPECT_EQ(Get32(r, dataEntries + 4), 4u);
    EXPECT_EQ(Get32(r, dataEntries + 16), 0x2000u + names + 50);
    EXPECT_EQ(Get32(r, dataEntries + 20), 3u);
    EXPECT_EQ(std::string(r.begin() + names + 46, r.begin() + names + 53), "LDLLabc");
}

TEST_F(Module, ReadsBackThroughTheReader) {
    ResProcessor again(locale);
    again.Load(PEReader(Bytes(image)));
    ASSERT_NE(again.Strings(), nullptr);
    EXPECT_EQ(again.Strings()->Items(), resources.Strings()->Items());
    ASSERT_NE(again.RCData(), nullptr);
    ASSERT_EQ(again.RCData()->Items().size(), 2u);
    EXPECT_EQ(again.RCData()->Items()[0].name, "QVT_LIBSETTINGS_");
    EXPECT_EQ(again.RCData()->Items()[1].data, Ascii("abc"));
    EXPECT_EQ(again.ModuleImage(FixedStamp), image);
}

TEST(ModuleImage, EmptyProcessorGivesABareRoot) {
    BasicLocale locale;
    const Bytes image = ResProcessor(locale).ModuleImage(FixedStamp);
    ASSERT_EQ(image.size(), 1024u + 512u);
    EXPECT_EQ(Get32(image, 0x100 + 24 + 224 + 8), 16u);
    EXPECT_EQ(Get16(image, 1024 + 14), 0);
}

TEST(ModuleImage, AddedItemsKeepNamesSortedAndGroupsByType) {
    BasicLocale locale;
    ResProcessor resources(locale);
    ResRCData& rcData = resources.AddRCData();
    for (const char* name : {"TOPTWND", "QVT_LOC_LANGS_", "TABOUT", "TMAINWND"}) rcData.Add(name, {});
    std::vector<std::string> names;
    for (const ResRCDataItem& item : rcData.Items()) names.push_back(item.name);
    EXPECT_EQ(names, (std::vector<std::string>{"QVT_LOC_LANGS_", "TABOUT", "TMAINWND", "TOPTWND"}));
    EXPECT_TRUE(rcData.Remove("tabout"));
    EXPECT_FALSE(rcData.Remove("TABOUT"));
    resources.AddStrings();
    EXPECT_EQ(resources.Groups()[0]->Type(), 6);
    EXPECT_EQ(resources.Groups()[1]->Type(), 10);
}

TEST(ModuleImage, SaveReplacesAnExistingModuleWhole) {
    BasicLocale locale;
    ResProcessor resources(locale);
    resources.AddStrings().Set(1, u"One");
    const std::wstring path =
        std::filesystem::path(::testing::TempDir() + "module_image_test-" + std::to_string(::getpid()) + ".deu")
            .wstring();
    WriteWholeFile(path, Ascii("an older, broken module"));
    resources.Save(path, FixedStamp);
    EXPECT_EQ(ReadWholeFile(path), resources.ModuleImage(FixedStamp));
    std::filesystem::remove(path);
    EXPECT_THROW(resources.Save(L"/nonexistent/dir/module.deu", FixedStamp), FileError);
}

// Stamps count the local date and time from 1969-12-31 16:00:00: eight hours more than the
// seconds since 1970 where local time is UTC.
TEST(ModuleImage, TimeStampCountsLocalTimeFromEightHoursBefore1970) {
    const std::string saved = std::getenv("TZ") ? std::getenv("TZ") : "";
    const bool hadZone = std::getenv("TZ") != nullptr;
    setenv("TZ", "UTC", 1);
    tzset();
    const auto before = static_cast<std::int64_t>(std::time(nullptr));
    const auto stamp = static_cast<std::int64_t>(LocalTimeStamp());
    const auto after = static_cast<std::int64_t>(std::time(nullptr));
    if (hadZone)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
    EXPECT_GE(stamp, (before + 8 * 3600) & 0xFFFFFFFF);
    EXPECT_LE(stamp, (after + 8 * 3600) & 0xFFFFFFFF);
}
