// The readers' memory budget, measured: this program counts every byte the global
// operator new hands out (allocation_meter), so it runs apart from core_tests.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "tests/core/allocation_meter.h"
#include "tests/core/forms/form_test_support.h"

using allocation_meter::PeakDuring;
using namespace forms;

namespace {

// "TPF0", an object with one property "V" holding a list of `count` nils; nothing closes
// the list, as in a hostile input that only has to be read far enough.
std::vector<std::uint8_t> NilList(std::size_t count) {
    std::vector<std::uint8_t> bytes = formtest::Bytes(std::string_view(
        "TPF0\x02TF\x01"
        "F\x01V\x01",
        12
    ));
    bytes.resize(bytes.size() + count, 13);
    return bytes;
}

std::string ErrorOf(const std::function<void()>& read) {
    try {
        read();
    } catch (const FormError& error) {
        return error.what();
    } catch (const std::exception& error) {
        return std::string("escaped: ") + error.what();
    }
    return "(read)";
}

// The smallest budget with which `reads` succeeds.
std::size_t SmallestBudget(const std::function<bool(std::size_t)>& reads) {
    std::size_t low = 0, high = std::size_t(1) << 20;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (reads(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

}  // namespace

// A hostile form, scaled down from 10 MB: 2 MB of nils in a list would take some
// 800 MB as a tree; the reader stops at its budget with the format error, and the memory it
// held meanwhile stays within that budget (vectors grow by doubling, so the old block and
// the new one are held together for a moment: at most one and a half times the budget).
TEST(FormBudget, HostileNilListStopsAtTheBudget) {
    const std::vector<std::uint8_t> hostile = NilList(2'000'000);
    const ReadLimits limits;
    std::string error;
    const std::size_t peak = PeakDuring([&] { error = ErrorOf([&] { ReadFormBinary(hostile); }); });
    EXPECT_NE(error.find("Form description too large"), std::string::npos) << error;
    const std::size_t allowed = limits.AllowedFor(hostile.size());
    EXPECT_LE(peak, allowed + allowed / 2) << "allowed " << allowed;
    EXPECT_LT(peak, std::size_t(100) << 20);
}

TEST(FormBudget, HostileTextStopsAtTheBudget) {
    std::string text = "object F: TF\r\n  V = (";
    for (int i = 0; i < 1'000'000; ++i) text += "0 ";
    text += ")\r\nend\r\n";
    std::string error;
    const std::size_t peak = PeakDuring([&] { error = ErrorOf([&] { ParseFormText(text); }); });
    EXPECT_NE(error.find("Form description too large"), std::string::npos) << error;
    const std::size_t allowed = ReadLimits().AllowedFor(text.size());
    EXPECT_LE(peak, allowed + allowed / 2) << "allowed " << allowed;
}

// The same input within a budget large enough reads; one byte less is refused. The budget
// counts what the tree takes, so a smaller budget is what keeps the memory down.
TEST(FormBudget, TheBudgetDecides) {
    const std::vector<std::uint8_t> form = WriteFormBinary(ParseFormText(formtest::Crlf({
        "object F: TF",
        "  V = (",
        "    nil",
        "    'text'",
        "    <",
        "      item",
        "        W = [a, b]",
        "      end>)",
        "  object G: TG",
        "    B = {0102}",
        "  end",
        "end",
    })));
    auto reads = [&](std::size_t budget) { return ErrorOf([&] { ReadFormBinary(form, {budget, 0}); }) == "(read)"; };
    const std::size_t needed = SmallestBudget(reads);
    EXPECT_GT(needed, 1000u);
    EXPECT_NE(ErrorOf([&] { ReadFormBinary(form, {needed - 1, 0}); }).find("too large"), std::string::npos);
    // What the tree holds is what was charged.
    std::size_t peak = PeakDuring([&] { ReadFormBinary(form, {needed, 0}); });
    EXPECT_LE(peak, needed + needed / 2);

    // The same tree from its text form.
    const std::string text = WriteFormText(ReadFormBinary(form));
    auto parses = [&](std::size_t budget) {
        return ErrorOf([&] { ParseFormText(text, Windows1252(), {budget, 0}); }) == "(read)";
    };
    const std::size_t neededForText = SmallestBudget(parses);
    EXPECT_NE(
        ErrorOf([&] {
            ParseFormText(text, Windows1252(), {neededForText - 1, 0});
        }).find("too large"),
        std::string::npos
    );
}

// Every window of the program reads in a fraction of its default budget.
TEST(FormBudget, RealFormsFitEasily) {
    const std::vector<std::uint8_t> form = WriteFormBinary(ParseFormText(formtest::Crlf({
        "object AskForClose: TAskForClose",
        "  Left = 0",
        "  Caption = '[Tessly Dozidi Davazez] - Close'",
        "  Font.Style = []",
        "  object Button1: TButton",
        "    Tag = -2",
        "    OnClick = Button1Click",
        "  end",
        "end",
    })));
    EXPECT_EQ(ErrorOf([&] { ReadFormBinary(form); }), "(read)");
    const std::size_t peak = PeakDuring([&] { ReadFormBinary(form); });
    EXPECT_LT(peak, ReadLimits().AllowedFor(form.size()) / 100);
}

// Out of memory is the format error as well, never std::bad_alloc: here with no budget and
// allocations refused beyond 4 MB.
TEST(FormBudget, OutOfMemoryIsTheFormatError) {
    const std::vector<std::uint8_t> hostile = NilList(200'000);
    std::string text = "object F: TF\r\n  V = (";
    for (int i = 0; i < 200'000; ++i) text += "0 ";
    text += ")\r\nend\r\n";
    const ReadLimits unlimited{std::numeric_limits<std::size_t>::max(), 0};
    std::string binaryError, textError;
    {
        allocation_meter::RefuseBeyond limit(std::size_t(4) << 20);
        binaryError = ErrorOf([&] { ReadFormBinary(hostile, unlimited); });
    }
    {
        allocation_meter::RefuseBeyond limit(std::size_t(4) << 20);
        textError = ErrorOf([&] { ParseFormText(text, Windows1252(), unlimited); });
    }
    EXPECT_EQ(binaryError, "Form description too large: out of memory while reading it");
    EXPECT_EQ(textError, "Form description too large: out of memory while reading it");
    EXPECT_NE(textError.find("Form description too large"), std::string::npos) << textError;
}
