#include <gtest/gtest.h>

#include <random>

#include "tests/core/forms/form_test_support.h"
#include "tests/core/forms/fuzz/form_input_check.h"

using namespace forms;

namespace {

const std::string kSeedText = formtest::Crlf({
    "object F: TF [1]",
    "  S = 'It'#39's'#13#10 + 'Gr\xF6\xDF"
    "e'",
    "  W = 'x'#1055",
    "  N = -70000",
    "  E = 1.5E300",
    "  R = 1.5s",
    "  C = -1.25c",
    "  D = 2.5d",
    "  A = [a, b]",
    "  L = (",
    "    1",
    "    nil",
    "    True)",
    "  P = <",
    "    item [2]",
    "      B = {0102}",
    "    end>",
    "  inherited G: TG",
    "    I = alNone",
    "  end",
    "end",
});

// Random byte changes, insertions, deletions and cuts of a valid input.
std::string Mutate(std::string input, std::mt19937& random) {
    const int edits = 1 + int(random() % 4);
    for (int i = 0; i < edits && !input.empty(); ++i) {
        const size_t at = random() % input.size();
        switch (random() % 4) {
            case 0:
                input[at] = char(random());
                break;
            case 1:
                input.insert(input.begin() + std::ptrdiff_t(at), char(random()));
                break;
            case 2:
                input.erase(at, 1 + random() % 8);
                break;
            default:
                input.resize(at);
                break;
        }
    }
    return input;
}

}  // namespace

TEST(FormMutation, DamagedInputIsRefusedOrConvertsConsistently) {
    const std::vector<std::uint8_t> binary = WriteFormBinary(ParseFormText(kSeedText));
    const std::vector<std::uint8_t> record = WriteFormResourceRecord(ParseFormText(kSeedText));
    ASSERT_EQ(formtest::CheckFormInput(binary), std::nullopt);
    std::mt19937 random(20240601);
    for (const std::string& seed :
         {kSeedText, std::string(binary.begin(), binary.end()), std::string(record.begin(), record.end())}) {
        for (int round = 0; round < 3000; ++round) {
            const std::string input = Mutate(seed, random);
            const auto problem = formtest::CheckFormInput(formtest::Bytes(input));
            ASSERT_EQ(problem, std::nullopt) << "round " << round;
        }
    }
}
