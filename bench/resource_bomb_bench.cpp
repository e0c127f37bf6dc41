// The cost of refusing hostile language modules: a 292 KB module whose 20,000 named
// entries all share one 65,535-character name, and one whose 20,000 type entries all share
// one directory of 20,000 names. Time (best of five) and the most heap memory held at once
// while the executable reader and the resource processor refuse them. Figures, not
// pass/fail.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "core/localizer/basic_locale.h"
#include "core/localizer/res_processor.h"
#include "tests/core/allocation_meter.h"
#include "tests/core/localizer/pe_image_builder.h"

namespace {

using Clock = std::chrono::steady_clock;

// The error text, so the figures are shown beside what the reader said.
std::string Refuse(const pe_test::Bytes& module, const localizer::Locale& locale) {
    try {
        localizer::ResProcessor(locale).Load(localizer::PEReader(pe_test::Bytes(module)));
    } catch (const localizer::Error& error) {
        return error.what();
    }
    return "(read)";
}

void Report(const char* title, const pe_test::Bytes& module) {
    localizer::BasicLocale locale;
    std::string outcome;
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        const auto start = Clock::now();
        outcome = Refuse(module, locale);
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    // The module's own copy handed to the reader is counted too.
    const std::size_t peak = allocation_meter::PeakDuring([&] { Refuse(module, locale); });
    std::printf(
        "  %-44s %8.0f KB  %9.2f ms  peak %7.2f MB  (%s)\n", title, double(module.size()) / 1024, best * 1e3,
        double(peak) / (1 << 20), outcome.c_str()
    );
}

}  // namespace

int main() {
    std::printf("Refusing hostile modules (native, optimised build; best of 5, heap peak)\n");
    Report("20,000 entries sharing a 65,535-character name", pe_test::SharedNameBomb(20000, 0xFFFF));
    Report("20,000 types sharing a directory of 20,000", pe_test::SharedDirectoryBomb(20000));
    std::printf("  goal: refused with the module's error, in time and memory linear in the file's size\n");
    return 0;
}
