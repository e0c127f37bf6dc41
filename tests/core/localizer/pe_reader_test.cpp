#include "core/localizer/pe_reader.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/localizer/basic_locale.h"
#include "core/localizer/res_processor.h"
#include "pe_image_builder.h"

using namespace localizer;
using namespace pe_test;

namespace {

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ExeError& e) {
        return e.what();
    }
    return "(no error)";
}

// What the processor does with a module: every type, name and first language's data.
void WalkAll(const PEReader& reader, const Locale& locale) {
    const PEResourceList types = reader.Resources();
    for (const PEResourceItem& type : types.Items()) {
        type.Name(locale);
        const PEResourceList names = type.List();
        for (const PEResourceItem& name : names.Items()) {
            name.Name(locale);
            const PEResourceList languages = name.List();
            for (const PEResourceItem& language : languages.Items()) language.Data();
        }
    }
}

Node SampleTree() {
    return Node::Dir(
        0,
        {
            Node::Dir(6, {Node::Dir(1, {Node::Dir(0, {Node::Data(StringBlock({{0, u"Zero"}, {3, u"Three"}}))})})}),
            Node::Dir(
                10,
                {Node::NamedLeaf(u"TMAINWND", Ascii("TPF0 main")), Node::NamedLeaf(u"QVT_EXESETTINGS_", Ascii("KEXE"))}
            ),
            Node::Dir(24, {Node::Leaf(1, Ascii("<manifest/>"))}),
        }
    );
}

}  // namespace

// The program file is a 64-bit image: its optional header is 240 bytes, so its section
// table starts 16 bytes later than in a 32-bit one.
TEST(PEReader, ReadsTheResourcesOfA64BitAndA32BitImage) {
    BasicLocale locale;
    for (bool is64Bit : {true, false}) {
        ImageLayout layout;
        layout.is64Bit = is64Bit;
        PEReader reader(Image(SampleTree(), layout));
        EXPECT_EQ(reader.Is64Bit(), is64Bit);
        const PEResourceList types = reader.Resources();
        ASSERT_EQ(types.Count(), 3);
        EXPECT_EQ(types[0].Name(locale), "String");
        EXPECT_EQ(types[1].Name(locale), "RCData");
        EXPECT_EQ(types[2].Name(locale), "24");
        const PEResourceList forms = types[1].List();
        ASSERT_EQ(forms.Count(), 2);
        EXPECT_TRUE(forms[0].Named());
        EXPECT_EQ(forms[0].Name(locale), "TMAINWND");
        const auto data = forms[0].List()[0].Data();
        EXPECT_EQ(std::string(data.begin(), data.end()), "TPF0 main");
        // Below the top level a number is only a number.
        EXPECT_EQ(types[0].List()[0].Name(locale), "1");
        EXPECT_EQ(ErrorOf([&] { forms[0].List()[0].List(); }), "ResourceItem is not a list");
    }
}

TEST(PEReader, ProcessorKeepsStringTablesAndRcDataOnly) {
    BasicLocale locale;
    ResProcessor resources(locale);
    resources.Load(PEReader(Image(SampleTree())));
    ASSERT_EQ(resources.Groups().size(), 2u);
    ASSERT_NE(resources.Strings(), nullptr);
    EXPECT_EQ(resources.Strings()->Items().size(), 2u);
    EXPECT_EQ(*resources.Strings()->Find(0), u"Zero");
    EXPECT_EQ(*resources.Strings()->Find(3), u"Three");
    ASSERT_NE(resources.RCData(), nullptr);
    ASSERT_EQ(resources.RCData()->Items().size(), 2u);
    EXPECT_EQ(resources.RCData()->Items()[1].name, "QVT_EXESETTINGS_");
    EXPECT_NE(resources.RCData()->Find("tmainwnd"), nullptr);
}

TEST(PEReader, StringBlockNumberGivesTheIds) {
    BasicLocale locale;
    const Node tree = Node::Dir(
        0, {Node::Dir(
               6, {Node::Leaf(4081, StringBlock({{15, u"Last of 65295"}})),
                   Node::Leaf(4096, StringBlock({{15, u"65535"}}))}
           )}
    );
    ResProcessor resources(locale);
    resources.Load(PEReader(Image(tree)));
    ASSERT_NE(resources.Strings()->Find(65295), nullptr);
    EXPECT_EQ(*resources.Strings()->Find(65295), u"Last of 65295");
    EXPECT_EQ(*resources.Strings()->Find(65535), u"65535");
}

TEST(PEReader, RefusesWhatIsNotAnExecutable) {
    EXPECT_EQ(ErrorOf([] { PEReader(Bytes{}); }), "unrecognized file format");
    EXPECT_EQ(ErrorOf([] { PEReader(Ascii("ZM")); }), "unrecognized file format");
    EXPECT_EQ(ErrorOf([] { PEReader(Ascii("MZ")); }), "Not a PE (WIN32 Executable) file");
    Bytes image = Image(SampleTree());
    Bytes wrongSignature = image;
    wrongSignature[0x80] = 'N';
    EXPECT_EQ(ErrorOf([&] { PEReader{wrongSignature}; }), "Not a PE (WIN32 Executable) file");
    Bytes noRsrc = image;
    for (std::size_t i = 0; i + 5 <= noRsrc.size(); ++i)
        if (std::memcmp(&noRsrc[i], ".rsrc", 5) == 0) noRsrc[i + 1] = 'x';
    EXPECT_EQ(ErrorOf([&] { PEReader{noRsrc}; }), "No resources in this file.");
    EXPECT_EQ(
        ErrorOf([] { PEReader::FromFile(L"/nonexistent/TesslyMBCfg.ntv"); }),
        "Couldn't open: /nonexistent/TesslyMBCfg.ntv"
    );
}

// Every offset, size and RVA taken from the file is checked; damage gives the reader's
// error, never a read outside the image (the sanitizers watch these runs).
TEST(PEReader, DamagedHeadersAndTreesRaiseExeError) {
    BasicLocale locale;
    const Bytes good = Image(SampleTree());
    const std::size_t pe = 0x80, section = pe + 24 + 240 + 40;
    struct Damage {
        const char* what;
        std::function<void(Bytes&)> apply;
    };
    const Damage damages[] = {
        {"header offset past the end", [](Bytes& b) { Put32(b, 0x3C, 0xFFFFFFF0u); }},
        {"optional header past the end", [&](Bytes& b) { Put16(b, pe + 20, 0xFFFF); }},
        {"optional header too small", [&](Bytes& b) { Put16(b, pe + 20, 1); }},
        {"unknown optional header", [&](Bytes& b) { Put16(b, pe + 24, 0x0107); }},
        {"section table past the end", [&](Bytes& b) { Put16(b, pe + 6, 0xFFFF); }},
        {"section data past the end", [&](Bytes& b) { Put32(b, section + 20, 0x7FFFFFFF); }},
        {"cut inside the tree", [](Bytes& b) { b.resize(0x400 + 40); }},
        {"entry count beyond the section", [](Bytes& b) { Put16(b, 0x400 + 14, 0xFFFF); }},
        {"subdirectory beyond the section", [](Bytes& b) { Put32(b, 0x400 + 20, 0x8FFFFFF0u); }},
        {"data RVA below the section",
         [](Bytes& b) {
             for (std::size_t at = 0x400; at + 8 <= b.size(); at += 4)
                 if (Get32(b, at) >= 0x3000 && Get32(b, at) < 0x3000 + 0x400 && Get32(b, at + 4) == 9)
                     Put32(b, at, 0x10);
         }},
        {"data size beyond the section",
         [](Bytes& b) {
             for (std::size_t at = 0x400; at + 8 <= b.size(); at += 4)
                 if (Get32(b, at) >= 0x3000 && Get32(b, at) < 0x3000 + 0x400 && Get32(b, at + 4) == 9)
                     Put32(b, at + 4, 0x7FFFFFFF);
         }},
        {"name length beyond the section",
         [](Bytes& b) {
             for (std::size_t at = 0x400; at + 18 <= b.size(); at += 2)
                 if (std::memcmp(&b[at + 2], "T\0M\0A\0I\0N\0", 10) == 0) Put16(b, at, 0xFFFF);
         }},
    };
    for (const Damage& damage : damages) {
        Bytes bytes = good;
        damage.apply(bytes);
        const std::string error = ErrorOf([&] {
            PEReader reader(bytes);
            WalkAll(reader, locale);
            ResProcessor(locale).Load(reader);
        });
        EXPECT_EQ(error, "Not a PE (WIN32 Executable) file") << damage.what;
    }
}

// A directory that points back at the root would loop a walker that follows it blindly; the
// processor goes three levels down and then wants data.
TEST(PEReader, DirectoryCycleEndsInAnError) {
    BasicLocale locale;
    Bytes tree(16 + 8);
    Put16(tree, 14, 1);
    Put32(tree, 16, 10);
    Put32(tree, 20, 0x80000000u);  // the RCDATA type's names are the root again
    PEReader reader(Image(tree));
    EXPECT_EQ(ErrorOf([&] { ResProcessor(locale).Load(reader); }), "Not a PE (WIN32 Executable) file");
}

// Name entries that all share one large data entry would multiply a small file in memory.
TEST(PEReader, SharedDataCannotMultiplyTheFile) {
    BasicLocale locale;
    std::vector<Node> names;
    for (int i = 0; i < 8; ++i) names.push_back(Node::NamedLeaf(u"N" + std::u16string(1, char16_t(u'A' + i)), {}));
    Bytes tree = TreeWriter(0x3000).Write(Node::Dir(0, {Node::Dir(10, std::move(names))}));
    // Point every data entry at one block of 1000 bytes that fills most of the file.
    const std::uint32_t block = std::uint32_t(tree.size());
    tree.resize(tree.size() + 1000);
    for (std::size_t at = 0; at + 16 <= block; at += 4)
        if (Get32(tree, at) >= 0x3000 && Get32(tree, at) <= 0x3000 + block && Get32(tree, at + 4) == 0) {
            Put32(tree, at, 0x3000 + block);
            Put32(tree, at + 4, 1000);
        }
    EXPECT_EQ(ErrorOf([&] { ResProcessor(locale).Load(PEReader(Image(tree))); }), "Not a PE (WIN32 Executable) file");
}

// Entries that share one long name, or directories shared by many entries, describe far
// more than the file holds; the reader refuses them once it has handed out a few times the
// file's size, whether the processor or another walker asks.
TEST(PEReader, SharedNamesAndDirectoriesCannotMultiplyTheFile) {
    BasicLocale locale;
    const Bytes names = SharedNameBomb(20000, 0xFFFF);
    EXPECT_LT(names.size(), 300'000u);
    EXPECT_EQ(ErrorOf([&] { ResProcessor(locale).Load(PEReader(names)); }), "Not a PE (WIN32 Executable) file");
    EXPECT_EQ(
        ErrorOf([&] {
            PEReader reader(names);
            WalkAll(reader, locale);
        }),
        "Not a PE (WIN32 Executable) file"
    );
    const Bytes directories = SharedDirectoryBomb(20000);
    EXPECT_EQ(ErrorOf([&] { ResProcessor(locale).Load(PEReader(directories)); }), "Not a PE (WIN32 Executable) file");
}

// The same sharing on a small scale is read, and so is a large module in which nothing is
// shared, also after a walk over all of it.
TEST(PEReader, LargeAndModestlySharedModulesRead) {
    BasicLocale locale;
    ResProcessor shared(locale);
    shared.Load(PEReader(SharedNameBomb(3, 40)));
    ASSERT_NE(shared.RCData(), nullptr);
    EXPECT_EQ(shared.RCData()->Items().size(), 3u);

    std::vector<Node> forms, blocks;
    for (int i = 0; i < 3000; ++i) {
        std::u16string name = u"TFORM" + std::u16string(200, u'A' + i % 26);
        for (int digit = i; digit; digit /= 10) name += char16_t(u'0' + digit % 10);
        forms.push_back(Node::NamedLeaf(name, Bytes(2000, std::uint8_t(i))));
    }
    for (int block = 1; block <= 4096; ++block)
        blocks.push_back(Node::Leaf(std::uint16_t(block), StringBlock({{block % 16, u"Text of a block"}})));
    const Bytes image = Image(Node::Dir(0, {Node::Dir(6, std::move(blocks)), Node::Dir(10, std::move(forms))}));
    EXPECT_GT(image.size(), 6'000'000u);
    PEReader reader(image);
    WalkAll(reader, locale);
    ResProcessor resources(locale);
    resources.Load(reader);
    ASSERT_NE(resources.RCData(), nullptr);
    EXPECT_EQ(resources.RCData()->Items().size(), 3000u);
    EXPECT_EQ(resources.RCData()->Items()[2999].data, Bytes(2000, std::uint8_t(2999)));
    EXPECT_EQ(resources.Strings()->Items().size(), 4096u);
}
