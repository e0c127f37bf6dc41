#include "core/localizer/lang_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <unistd.h>

#include "core/localizer/basic_locale.h"

using namespace localizer;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Builds language files byte by byte, independent of the writer under test.
struct Raw {
    MemoryStream s;
    std::uint16_t version;
    explicit Raw(std::uint16_t v) : version(v) {}
    Raw& u16(std::uint16_t x) {
        s.WriteU16(x);
        return *this;
    }
    Raw& u32(std::uint32_t x) {
        s.WriteU32(x);
        return *this;
    }
    Raw& f64(double d) {
        std::uint64_t b;
        std::memcpy(&b, &d, 8);
        s.WriteU64(b);
        return *this;
    }
    Raw& str8(std::string_view x) {
        s.WriteStr8(x);
        return *this;
    }
    Raw& wstr(std::u16string_view x) {
        s.WriteWStr(x);
        return *this;
    }
    Raw& flags(std::uint16_t x) {
        if (version > 1) u16(x);
        return *this;
    }
    // Header: LangID 0x0407, BuildStamp 174, LangStamp 77, name "Deutsch".
    Raw& header(std::uint32_t lastConst = 10, std::uint32_t lastProp = 200) {
        u16(0x464C).u16(version).u32(174);
        if (version > 4) u32(77);
        u16(0x0407);
        if (version > 2) u16(50);
        str8("German").wstr(u"Deutsch").u16(1);
        if (version > 1) u16(48);
        return u32(lastConst).u32(lastProp);
    }
    Raw& constant(
        std::string_view name, std::uint32_t id, std::u16string_view text, std::uint16_t fl = 0,
        std::uint16_t resId = 65000, std::uint32_t revision = 3
    ) {
        str8(name).flags(fl).u16(resId).u32(id).wstr(text).u32(revision).u32(0xAAAA).u32(0xBBBB);
        return *this;
    }
    Raw& textProperty(std::string_view name, std::uint32_t id, std::u16string_view text, std::uint16_t fl = 0) {
        str8(name).flags(fl).u32(id).u32(kKindText).wstr(text).u32(5).u32(1).u32(2);
        return *this;
    }
    Bytes bytes() const { return s.Bytes(); }
};

// One unit "Main" with two constants; one form "MainWnd" with an own Caption (text, 100),
// a Left (float, 101) and component "Button1" with Caption (102) and Tag (integer, 103).
Bytes SampleFile(std::uint16_t version, std::u16string_view one = u"Eins", std::u16string_view caption = u"Haupt") {
    Raw r(version);
    r.header();
    r.u16(1).str8("Main").flags(7).u16(2);
    r.constant("SOne", 1, one, 0x0080);
    r.constant("STwo", 2, u"Zwei");
    r.u16(1).str8("MainWnd").flags(9);
    r.u16(2);
    r.textProperty("Caption", 100, caption);
    r.str8("Left").flags(0).u32(101).u32(kKindFloat);
    if (version > 3) r.f64(1.5);
    r.u32(6).u32(0).u32(0);
    r.u16(1).str8("Button1").flags(0).u16(2);
    r.textProperty("Caption", 102, u"&Gut");
    r.str8("Tag").flags(0).u32(103).u32(kKindInteger);
    if (version > 3) r.u32(static_cast<std::uint32_t>(-42));
    r.u32(6).u32(0).u32(0);
    return r.bytes();
}

template <class F>
std::string ErrorOf(F action) {
    try {
        action();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

struct TempDir {
    std::filesystem::path path;
    TempDir() {
        path = std::filesystem::temp_directory_path() / ("lngtest-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
    }
    ~TempDir() { std::filesystem::remove_all(path); }
    std::wstring File(const char* name) const { return (path / name).wstring(); }
};

}  // namespace

// ---- Headers ----------------------------------------------------------------------------

TEST(LangFileHeader, EveryVersionReadsItsFields) {
    for (std::uint16_t v = 1; v <= 5; ++v) {
        Raw r(v);
        r.header(11, 22);
        MemoryStream s(r.bytes());
        LangFile f;
        f.ReadHeader(s, false);
        EXPECT_EQ(s.Remaining(), 0u) << v;
        EXPECT_EQ(f.Version, v);
        EXPECT_EQ(f.BuildStamp, 174u);
        EXPECT_EQ(f.LangStamp, v > 4 ? 77u : 0u);
        EXPECT_EQ(f.LangID, 0x0407);
        EXPECT_EQ(f.HeaderWord50, v > 2 ? 50 : 0);
        EXPECT_EQ(f.HeaderWord48, v > 1 ? 48 : 0);
        EXPECT_EQ(f.Name, "German");
        EXPECT_EQ(f.NativeName, u"Deutsch");
        EXPECT_TRUE(f.HeaderFlag);
        EXPECT_EQ(f.LastConstID, 11u);
        EXPECT_EQ(f.LastPropID, 22u);
    }
}

TEST(LangFileHeader, DiscardReadsWithoutStoring) {
    Raw r(5);
    r.header();
    MemoryStream s(r.bytes());
    LangFile f;
    f.ReadHeader(s, true);
    EXPECT_EQ(s.Remaining(), 0u);
    EXPECT_EQ(f.LangID, 0);
    EXPECT_EQ(f.Version, 5);
}

TEST(LangFileHeader, WrongMagicOrVersionIsInvalidFormat) {
    for (auto bytes :
         {Raw(5).u16(0x464D).u16(5).bytes(), Raw(5).u16(0x464C).u16(0).bytes(), Raw(5).u16(0x464C).u16(6).bytes()}) {
        MemoryStream s(bytes);
        EXPECT_EQ(ErrorOf([&] { LangFile().ReadHeader(s, false); }), "Invalid file format");
    }
    MemoryStream cut(Raw(5).u16(0x464C).u16(5).u32(1).bytes());
    EXPECT_EQ(ErrorOf([&] { LangFile().ReadHeader(cut, false); }), "Stream read error");
}

// ---- Loading as structure ------------------------------------------------------------------

TEST(LangFileLoad, StructureLoadOfEveryVersion) {
    for (std::uint16_t v = 1; v <= 5; ++v) {
        BasicLocale locale;
        LangResource dict(locale);
        dict.Units().FindOrAdd("Stale");  // cleared by the structure load
        MemoryStream s(SampleFile(v));
        LangFile f;
        f.LoadInto(s, &dict, 0, -1);
        EXPECT_EQ(f.Version, v);
        ASSERT_EQ(dict.Units().Count(), 1) << v;
        LResUnitItem* unit = dict.Units()[0];
        EXPECT_EQ(unit->Name(), "Main");
        EXPECT_EQ(unit->Flags, v > 1 ? 7 : 0);
        LResConstantItem* one = unit->Constants().Find("SOne");
        ASSERT_NE(one, nullptr);
        EXPECT_EQ(one->ID, 1u);
        EXPECT_EQ(one->ResID, 65000);
        EXPECT_EQ(one->Value(0)->Text(), u"Eins");
        EXPECT_EQ(one->Value(0)->LangId(), 0x0407);
        EXPECT_EQ(one->Value(0)->Revision, 3u);
        EXPECT_EQ(one->Value(0)->Extra, (std::array<std::uint32_t, 2>{0xAAAA, 0xBBBB}));
        EXPECT_EQ(one->Flags(), v > 1 ? kFlagNeverTranslate : 0);
        LResFormItem* form = dict.Forms().Find("MainWnd");
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->Flags, v > 1 ? 9 : 0);
        auto* left = form->FindProperty("", "Left");
        ASSERT_NE(left, nullptr);
        EXPECT_EQ(left->Kind(), kKindFloat);
        // Version 3 and lower carry no value for kinds other than 2 and 4.
        EXPECT_EQ(left->Value(0)->Text(), v > 3 ? u"1.5" : u"");
        EXPECT_EQ(form->FindProperty("Button1", "Tag")->Value(0)->Text(), v > 3 ? u"-42" : u"");
        EXPECT_EQ(form->FindProperty("Button1", "Caption")->Value(0)->Text(), u"&Gut");
        EXPECT_EQ(form->FindProperty("Button1", "Caption")->ID, 102u);
        EXPECT_EQ(dict.LanguageCount(), 1);
    }
}

TEST(LangFileLoad, Version1HasNoFlagsWordsAndNoStamp) {
    BasicLocale locale;
    LangResource dict(locale);
    MemoryStream s(SampleFile(1));
    LangFile f;
    f.LoadInto(s, &dict, 0, -1);
    EXPECT_EQ(f.HeaderWord48, 0);
    EXPECT_EQ(f.HeaderWord50, 0);
    EXPECT_EQ(f.LangStamp, 0u);
    EXPECT_EQ(dict.Units()[0]->Flags, 0);
}

TEST(LangFileLoad, RenumberingGivesTakenIdsTheNextFreeNumbers) {
    Raw r(5);
    r.header(10, 20);
    r.u16(2);
    r.str8("A").flags(0).u16(2).constant("S1", 4, u"x").constant("S2", 4, u"y");  // S2 repeats ID 4
    r.str8("B").flags(0).u16(1).constant("S3", 0, u"z");                          // ID 0: numbered
    r.u16(1).str8("F").flags(0).u16(2).textProperty("P1", 30, u"p").textProperty("P2", 30, u"q").u16(0);
    BasicLocale locale;
    {
        LangResource dict(locale);
        MemoryStream s(r.bytes());
        LangFile f;
        f.LoadInto(s, &dict, kRenumberIds, -1);
        EXPECT_EQ(dict.ConstantByNames("A", "S1")->ID, 4u);
        EXPECT_EQ(dict.ConstantByNames("A", "S2")->ID, 11u);  // LastConstID + 1
        EXPECT_EQ(dict.ConstantByNames("B", "S3")->ID, 12u);
        EXPECT_EQ(dict.PropertyByNames("F", "", "P1")->ID, 30u);
        EXPECT_EQ(dict.PropertyByNames("F", "", "P2")->ID, 31u);  // above the highest ID seen
        EXPECT_EQ(f.LastConstID, 12u);
        EXPECT_EQ(f.LastPropID, 31u);
    }
    {
        // Without option bit 1 the ID stays taken twice.
        LangResource dict(locale);
        MemoryStream s(r.bytes());
        LangFile f;
        f.LoadInto(s, &dict, 0, -1);
        EXPECT_EQ(dict.ConstantByNames("A", "S2")->ID, 4u);
        EXPECT_EQ(dict.ConstantByNames("B", "S3")->ID, 11u);  // 0 is always numbered
    }
}

// A header whose LastConstID and LastPropID are below the IDs the file uses: new items are
// numbered above every ID in use, so each translation merged by ID lands on its own string.
TEST(LangFileLoad, UnderstatedLastIdsNeverGiveTwoItemsOneId) {
    Raw structure(5);
    structure.header(1, 1);
    structure.u16(1).str8("A").flags(0).u16(3).constant("S1", 2, u"one").constant("S2", 0, u"two");
    structure.constant("S3", 3, u"three");
    structure.u16(1).str8("F").flags(0).u16(2).textProperty("P1", 0, u"p1").textProperty("P2", 2, u"p2").u16(0);
    BasicLocale locale;
    LangResource dict(locale);
    LangFile f;
    MemoryStream s(structure.bytes());
    f.LoadInto(s, &dict, 0, -1);
    EXPECT_EQ(dict.ConstantByNames("A", "S2")->ID, 4u);
    EXPECT_EQ(dict.PropertyByNames("F", "", "P1")->ID, 3u);
    EXPECT_EQ(f.LastConstID, 4u);
    EXPECT_EQ(f.LastPropID, 3u);

    dict.AddLanguage(0, 0x0407);
    Raw translation(5);
    translation.header();
    translation.u16(1).str8("A").flags(0).u16(3).constant("S1", 2, u"eins").constant("S2", 4, u"zwei");
    translation.constant("S3", 3, u"drei");
    translation.u16(1).str8("F").flags(0).u16(2).textProperty("P1", 3, u"e1").textProperty("P2", 2, u"e2").u16(0);
    MemoryStream t(translation.bytes());
    LangFile().LoadInto(t, &dict, 0, 1);
    EXPECT_EQ(dict.ConstantByNames("A", "S1")->Value(1)->Text(), u"eins");
    EXPECT_EQ(dict.ConstantByNames("A", "S2")->Value(1)->Text(), u"zwei");
    EXPECT_EQ(dict.ConstantByNames("A", "S3")->Value(1)->Text(), u"drei");
    EXPECT_EQ(dict.PropertyByNames("F", "", "P1")->Value(1)->Text(), u"e1");
    EXPECT_EQ(dict.PropertyByNames("F", "", "P2")->Value(1)->Text(), u"e2");
}

// ---- Merging into a language index ---------------------------------------------------------

TEST(LangFileMerge, ByIdIntoIndexTwoSkipsUnknownIds) {
    BasicLocale locale;
    LangResource dict(locale);
    {
        MemoryStream s(SampleFile(5, u"One", u"Main"));
        LangFile().LoadInto(s, &dict, 0, -1);
    }
    dict.AddLanguage(0, 0x0419);
    dict.AddLanguage(0, 0x0407);
    // A file that knows constant 1, an unknown constant 99 and property 100.
    Raw r(5);
    r.header();
    r.u16(1).str8("Whatever").flags(0).u16(2).constant("Renamed", 1, u"Eins").constant("SNew", 99, u"Neu");
    r.u16(1).str8("Other").flags(0).u16(1).textProperty("X", 100, u"Haupt").u16(0);
    MemoryStream s(r.bytes());
    LangFile f;
    f.LoadInto(s, &dict, 0, 2);
    EXPECT_EQ(dict.ConstantById(1)->Value(2)->Text(), u"Eins");
    EXPECT_EQ(dict.ConstantById(1)->Value(2)->LangId(), 0x0407);
    EXPECT_EQ(dict.ConstantById(1)->Value(1)->Text(), u"One");  // other index untouched
    EXPECT_EQ(dict.ConstantById(99), nullptr);
    EXPECT_EQ(dict.ConstantByNames("Whatever", "SNew"), nullptr);
    EXPECT_EQ(dict.PropertyById(100)->Value(2)->Text(), u"Haupt");
    EXPECT_EQ(f.LastConstID, 99u);
}

TEST(LangFileMerge, ByNamesIgnoresIdsAndDropsComponentKindMismatches) {
    BasicLocale locale;
    LangResource dict(locale);
    {
        MemoryStream s(SampleFile(5));
        LangFile().LoadInto(s, &dict, 0, -1);
    }
    dict.AddLanguage(0, 0x0419);
    Raw r(5);
    r.header();
    r.u16(1).str8("main").flags(0).u16(1).constant("sone", 555, u"Odin");
    r.u16(1).str8("MAINWND").flags(0).u16(1).textProperty("caption", 777, u"Glavnoe");
    r.u16(2);
    r.str8("Button1").flags(0).u16(1).textProperty("Tag", 103, u"text, but Tag is an integer");
    r.str8("Nothing").flags(0).u16(1).textProperty("Caption", 102, u"dropped");
    MemoryStream s(r.bytes());
    LangFile f;
    f.LoadInto(s, &dict, kMatchByNames, 1);
    EXPECT_EQ(dict.ConstantByNames("Main", "SOne")->Value(1)->Text(), u"Odin");
    EXPECT_EQ(dict.PropertyByNames("MainWnd", "", "Caption")->Value(1)->Text(), u"Glavnoe");
    EXPECT_EQ(dict.PropertyByNames("MainWnd", "Button1", "Tag")->Value(1)->Text(), u"-42");
    EXPECT_EQ(dict.PropertyByNames("MainWnd", "Button1", "Caption")->Value(1)->Text(), u"&Gut");
}

TEST(LangFileMerge, PrepareTargetChecksDictionaryAndIndex) {
    BasicLocale locale;
    LangResource dict(locale);
    LangFile f;
    EXPECT_EQ(ErrorOf([&] { f.PrepareTarget(nullptr, 0); }), "Invalid LangResources");
    EXPECT_EQ(ErrorOf([&] { f.PrepareTarget(&dict, 0); }), "Invalid index");
    MemoryStream s(SampleFile(5));
    f.LoadInto(s, &dict, 0, -1);
    EXPECT_EQ(f.PrepareTarget(&dict, 0), 0);
    EXPECT_EQ(ErrorOf([&] { f.PrepareTarget(&dict, 1); }), "Invalid index");
    EXPECT_EQ(f.PrepareTarget(&dict, -1), 0);
    EXPECT_EQ(dict.Forms().Count(), 0);
}

// ---- Faults ---------------------------------------------------------------------------------

TEST(LangFileFaults, TruncatedFileRaisesReadErrorAndKeepsWhatWasMerged) {
    Bytes full = SampleFile(5);
    // Cut inside the second constant's text: the first constant is merged.
    Raw r(5);
    r.header();
    r.u16(1).str8("Main").flags(7).u16(2);
    r.constant("SOne", 1, u"Eins", 0x0080);
    std::size_t cut = r.bytes().size() + 12;
    BasicLocale locale;
    LangResource dict(locale);
    MemoryStream s(Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut)));
    EXPECT_EQ(ErrorOf([&] { LangFile().LoadInto(s, &dict, 0, -1); }), "Stream read error");
    ASSERT_EQ(dict.Units().Count(), 1);
    EXPECT_EQ(dict.Units()[0]->Constants().Count(), 1);
    EXPECT_EQ(dict.Units()[0]->Constants()[0]->Value(0)->Text(), u"Eins");

    // Every cut of every version raises an error and never crashes.
    for (std::uint16_t v = 1; v <= 5; ++v) {
        Bytes file = SampleFile(v);
        for (std::size_t n = 0; n < file.size(); ++n) {
            LangResource d(locale);
            MemoryStream part(Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n)));
            EXPECT_NE(ErrorOf([&] { LangFile().LoadInto(part, &d, 0, -1); }), "(no error)") << v << " " << n;
        }
    }
}

TEST(LangFileFaults, CountsThatPromiseMoreThanTheRestAreRefused) {
    BasicLocale locale;
    LangResource dict(locale);
    // Header, then 65535 units in a file that has 2 bytes left.
    Raw r(5);
    r.header();
    r.u16(0xFFFF).u16(0);
    MemoryStream s(r.bytes());
    EXPECT_EQ(ErrorOf([&] { LangFile().LoadInto(s, &dict, 0, -1); }), "Stream read error");
    EXPECT_EQ(dict.Units().Count(), 0);  // refused before any unit was read
    // A string length beyond the end.
    Raw t(5);
    t.u16(0x464C).u16(5).u32(0).u32(0).u16(0).u16(0).u16(0xFFFF).u16(0);
    MemoryStream u(t.bytes());
    EXPECT_EQ(ErrorOf([&] { LangFile().ReadHeader(u, false); }), "Stream read error");
    // A compressed file whose word promises 4 GB.
    Bytes packed = LzkCompress(SampleFile(5), 0xFFFFFFFF);
    MemoryStream p(packed);
    EXPECT_EQ(ErrorOf([&] { LangFile().LoadInto(p, &dict, 0, -1); }), "(no error)");
}

TEST(LangFileFaults, CompressedFileWithBadTokensIsWrongStreamFormat) {
    BasicLocale locale;
    LangResource dict(locale);
    Bytes bad = {'L', 'Z', 'K', '0', '0', 0, 0, 0, 0, 0x02, 'L', 0x05, 0x00};
    MemoryStream s(bad);
    EXPECT_EQ(ErrorOf([&] { LangFile().LoadInto(s, &dict, 0, -1); }), "Wrong stream format");
}

// ---- Writing and round trips ------------------------------------------------------------------

TEST(LangFileWrite, WriterProducesTheHandBuiltLayoutForEveryVersion) {
    for (std::uint16_t v = 1; v <= 5; ++v) {
        BasicLocale locale;
        LangResource dict(locale);
        MemoryStream s(SampleFile(v));
        LangFile f;
        f.LoadInto(s, &dict, 0, -1);
        Bytes w = f.Write(dict, 0), e = SampleFile(v);
        std::size_t at = 0;
        while (at < w.size() && at < e.size() && w[at] == e[at]) ++at;
        EXPECT_EQ(w, e) << v << " differs at " << at << " of " << w.size() << "/" << e.size();
    }
}

TEST(LangFileWrite, RoundTripsOfEveryVersionPlainAndCompressed) {
    TempDir dir;
    for (std::uint16_t v = 1; v <= 5; ++v) {
        for (bool compress : {false, true}) {
            BasicLocale locale;
            LangResource dict(locale);
            MemoryStream s(SampleFile(v));
            LangFile f;
            f.LoadInto(s, &dict, 0, -1);
            std::wstring name = dir.File(compress ? "c.lng" : "p.lng");
            f.SaveToFile(name, dict, 0, compress);

            LangFile g;
            g.Open(name);
            EXPECT_EQ(g.Compressed, compress);
            EXPECT_EQ(g.Version, v);
            EXPECT_EQ(g.LangID, 0x0407);
            EXPECT_EQ(g.Name, "German");
            LangResource again(locale);
            g.LoadFileInto(&again, -1, 0);
            EXPECT_EQ(g.Write(again, 0), SampleFile(v)) << v << compress;
            Bytes onDisk = ReadWholeFile(name);
            if (compress) {
                EXPECT_EQ(LzkWord(onDisk), SampleFile(v).size());
                EXPECT_EQ(LzkDecompress(onDisk), SampleFile(v));
            } else {
                EXPECT_EQ(onDisk, SampleFile(v));
            }
        }
    }
}

TEST(LangFileWrite, SecondLanguageIsWrittenFromItsIndex) {
    BasicLocale locale;
    LangResource dict(locale);
    MemoryStream s(SampleFile(5));
    LangFile f;
    f.LoadInto(s, &dict, 0, -1);
    dict.AddLanguage(0, 0x0419);
    dict.ConstantById(2)->Value(1)->SetText(u"Dva");
    LangFile out;
    out.LangID = 0x0419;
    Bytes bytes = out.Write(dict, 1);
    dict.AddLanguage(0, 0x0419);
    MemoryStream in(bytes);
    LangFile().LoadInto(in, &dict, 0, 2);
    EXPECT_EQ(dict.ConstantById(2)->Value(2)->Text(), u"Dva");
    EXPECT_EQ(dict.ConstantById(2)->Value(2)->LangId(), 0x0419);
}

TEST(LangFileOpen, MissingFileKeepsDefaultsAndLargeCompressedHeadersComeFromThePrefix) {
    TempDir dir;
    LangFile missing;
    missing.Open(dir.File("none.lng"));
    EXPECT_EQ(missing.Version, 5);
    EXPECT_EQ(missing.LangID, 0);
    EXPECT_FALSE(missing.Compressed);
    EXPECT_EQ(missing.FileName, dir.File("none.lng"));
    BasicLocale locale;
    LangResource dict(locale);
    EXPECT_NE(ErrorOf([&] { missing.LoadFileInto(&dict, -1, 0); }), "(no error)");

    // A file far longer than 1024 bytes compressed: the header still reads from the prefix.
    LangFile big;
    big.LangID = 0x0419;
    big.Name = "Russian";
    for (int i = 0; i < 300; ++i)
        dict.Units().FindOrAdd("U" + std::to_string(i))->FindOrAddConstant("S", static_cast<std::uint32_t>(i + 1), 1);
    std::wstring name = dir.File("big.lng");
    big.SaveToFile(name, dict, 0, true);
    ASSERT_GT(std::filesystem::file_size(name), 1024u);
    LangFile g;
    g.Open(name);
    EXPECT_TRUE(g.Compressed);
    EXPECT_EQ(g.Name, "Russian");
    EXPECT_EQ(g.LangID, 0x0419);
    EXPECT_FALSE(g.ReadOnly);
}
