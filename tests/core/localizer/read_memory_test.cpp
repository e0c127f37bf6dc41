// Reading a module or a language file when memory runs out: the reader's own error, never
// std::bad_alloc, so the language switch reports it like any damaged file. This program
// counts and refuses allocations (allocation_meter), so it runs apart from core_tests.
#include <gtest/gtest.h>

#include <functional>

#include "core/localizer/basic_locale.h"
#include "core/localizer/lang_file.h"
#include "core/localizer/res_processor.h"
#include "tests/core/allocation_meter.h"
#include "tests/core/localizer/pe_image_builder.h"

using namespace localizer;
using namespace pe_test;

namespace {

std::string ErrorOf(const std::function<void()>& read) {
    try {
        read();
    } catch (const ExeError& error) {
        return std::string("ExeError: ") + error.what();
    } catch (const LFProcError& error) {
        return std::string("LFProcError: ") + error.what();
    } catch (const std::exception& error) {
        return std::string("escaped: ") + error.what();
    }
    return "(read)";
}

}  // namespace

TEST(ReadMemory, ModuleReadWithoutMemoryRaisesExeError) {
    BasicLocale locale;
    std::vector<Node> forms;
    for (int i = 0; i < 200; ++i)
        forms.push_back(Node::NamedLeaf(
            u"TFORM" + std::u16string(1, char16_t(u'A' + i % 26)) + char16_t(u'a' + i / 26), Bytes(10000, 1)
        ));
    const PEReader reader(Image(Node::Dir(0, {Node::Dir(10, std::move(forms))})));
    EXPECT_EQ(ErrorOf([&] { ResProcessor(locale).Load(reader); }), "(read)");
    std::string error;
    {
        allocation_meter::RefuseBeyond limit(500'000);
        error = ErrorOf([&] { ResProcessor(locale).Load(reader); });
    }
    EXPECT_EQ(error, "ExeError: Executable file too large: out of memory while reading it");
}

TEST(ReadMemory, LanguageFileReadWithoutMemoryRaisesLFProcError) {
    BasicLocale locale;
    LangResource dict(locale);
    LResUnitItem* unit = dict.Units().FindOrAdd("Main");
    for (std::uint16_t i = 1; i <= 2000; ++i)
        unit->FindOrAddConstant("S" + std::to_string(i), i, i)->Value(0)->Assign(std::u16string(200, u'x'), 0x0409);
    LangFile file;
    const Bytes bytes = file.Write(dict, 0);
    std::string error;
    for (const Bytes& stored : {bytes, LzkCompress(bytes, std::uint32_t(bytes.size()))}) {
        LangResource loaded(locale);
        MemoryStream input(stored);
        {
            allocation_meter::RefuseBeyond limit(300'000);
            error = ErrorOf([&] { LangFile().LoadInto(input, &loaded, 0, -1); });
        }
        EXPECT_EQ(error, "LFProcError: Language file too large: out of memory while reading it");
        MemoryStream s(stored);
        EXPECT_EQ(ErrorOf([&] { LangFile().LoadInto(s, &loaded, 0, -1); }), "(read)");
    }
}
