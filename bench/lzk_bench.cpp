// LZK00 throughput and ratio next to memcpy and zlib level 6 (Debian's zlib, for reference
// only), for the program's own language file (built from resources/strings.def and
// forms/*.form with the language file writer) and for a 1 MB text corpus (the licence
// texts of /usr/share/common-licenses, which base-files installs on every Debian system,
// concatenated in name order and repeated up to 1 MiB), and the memory that a stream
// claiming far more than it holds takes. Figures, not pass/fail; the goals are printed
// beside them.
//   lzk_bench SOURCE_DIR
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/localizer/basic_locale.h"
#include "core/localizer/lang_file.h"
#include "core/localizer/lzk.h"
#include "tests/core/allocation_meter.h"
#include "tools/lngtool/program_lang.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

volatile std::uint8_t g_sink;

// Rates in MB/s (1 MB = 10^6 bytes) of `bytes` processed per call, one per call: each the
// best of seven samples, each sample repeating its call for at least 0.1 s. The calls take
// their samples in turn, so that on a shared machine all of them meet the same conditions.
std::vector<double> Rates(std::size_t bytes, const std::vector<std::function<void()>>& calls) {
    std::vector<double> best(calls.size(), 0.0);
    for (int sample = 0; sample < 7; ++sample)
        for (std::size_t c = 0; c < calls.size(); ++c) {
            std::size_t rounds = 0;
            auto start = Clock::now();
            double seconds = 0;
            do {
                calls[c]();
                ++rounds;
                seconds = std::chrono::duration<double>(Clock::now() - start).count();
            } while (seconds < 0.1);
            best[c] = std::max(best[c], static_cast<double>(bytes) * static_cast<double>(rounds) / seconds / 1e6);
        }
    return best;
}

Bytes ZlibCompress(const Bytes& in) {
    uLongf size = compressBound(static_cast<uLong>(in.size()));
    Bytes out(size);
    if (compress2(out.data(), &size, in.data(), static_cast<uLong>(in.size()), 6) != Z_OK) std::abort();
    out.resize(size);
    return out;
}

void ZlibDecompress(const Bytes& packed, Bytes& out) {
    uLongf size = static_cast<uLongf>(out.size());
    if (uncompress(out.data(), &size, packed.data(), static_cast<uLong>(packed.size())) != Z_OK) std::abort();
}

void Report(const char* title, const Bytes& input) {
    Bytes lzk = localizer::LzkCompress(input, static_cast<std::uint32_t>(input.size()));
    if (localizer::LzkDecompress(lzk) != input) std::abort();
    Bytes zlib = ZlibCompress(input);
    Bytes copy(input.size()), unpacked(input.size());

    const std::vector<double> rates = Rates(
        input.size(),
        {[&] {
             std::memcpy(copy.data(), input.data(), input.size());
             g_sink = copy[copy.size() / 2];
         },
         [&] {
             Bytes out = localizer::LzkCompress(input, static_cast<std::uint32_t>(input.size()));
             g_sink = out.back();
         },
         [&] {
             Bytes out = localizer::LzkDecompress(lzk);
             g_sink = out.back();
         },
         [&] {
             Bytes out = ZlibCompress(input);
             g_sink = out.back();
         },
         [&] {
             ZlibDecompress(zlib, unpacked);
             g_sink = unpacked.back();
         }}
    );
    const double memcpyRate = rates[0], lzkEncode = rates[1], lzkDecode = rates[2], zlibEncode = rates[3],
                 zlibDecode = rates[4];
    std::printf("\n%s: %zu bytes\n", title, input.size());
    std::printf("  %-14s %12s %12s %9s\n", "", "encode MB/s", "decode MB/s", "ratio");
    std::printf("  %-14s %12s %12.0f %9s\n", "memcpy", "", memcpyRate, "");
    std::printf(
        "  %-14s %12.1f %12.0f %8.1f%%   (%zu bytes)\n", "LZK00", lzkEncode, lzkDecode,
        100.0 * static_cast<double>(lzk.size()) / static_cast<double>(input.size()), lzk.size()
    );
    std::printf(
        "  %-14s %12.1f %12.0f %8.1f%%   (%zu bytes)\n", "zlib level 6", zlibEncode, zlibDecode,
        100.0 * static_cast<double>(zlib.size()) / static_cast<double>(input.size()), zlib.size()
    );
    std::printf(
        "  goals: LZK00 decode >= 3 x zlib level 6 = %.0f MB/s: %s; encode >= 30 MB/s: %s\n", 3 * zlibDecode,
        lzkDecode >= 3 * zlibDecode ? "met" : "NOT met", lzkEncode >= 30 ? "met" : "NOT met"
    );
}

// A stream that claims 4 GB and holds 20 MB of empty literal runs: it decodes to nothing,
// and the memory it may take is what the decoder allocates before it knows that.
void ReportEmptyRuns() {
    Bytes stream(localizer::kLzkSignature, localizer::kLzkSignature + 5);
    stream.insert(stream.end(), {0xFF, 0xFF, 0xFF, 0xFF});
    stream.resize(stream.size() + 20'000'000, 0x00);
    std::size_t decoded = 0;
    const auto start = Clock::now();
    const std::size_t peak = allocation_meter::PeakDuring([&] { decoded = localizer::LzkDecompress(stream).size(); });
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf(
        "\n20 MB of empty literal runs claiming 4 GB: %zu bytes decoded in %.1f ms, peak %.1f MB allocated\n"
        "  goal: the allocation follows what is decoded, not the claim\n",
        decoded, seconds * 1e3, double(peak) / 1e6
    );
}

Bytes ReadFile(const std::filesystem::path& path) { return localizer::ReadWholeFile(path.wstring()); }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: lzk_bench SOURCE_DIR\n");
        return 2;
    }
    const std::filesystem::path root = argv[1];
    try {
        // The program's language file, as lngtool build makes it.
        localizer::BasicLocale locale;
        localizer::LangResource dict(locale);
        auto text = [](const Bytes& b) { return std::string(b.begin(), b.end()); };
        lngtool::AddStringTable(dict, text(ReadFile(root / "resources" / "strings.def")));
        std::vector<std::filesystem::path> forms;
        for (auto& entry : std::filesystem::directory_iterator(root / "forms"))
            if (entry.path().extension() == ".form") forms.push_back(entry.path());
        std::sort(forms.begin(), forms.end());
        for (auto& f : forms) lngtool::AddFormText(dict, text(ReadFile(f)));
        localizer::LangFile file;
        file.LangID = 0x0409;
        file.BuildStamp = 174;
        file.Name = "English";
        file.NativeName = u"English";
        lngtool::NumberItems(dict, file.LastConstID, file.LastPropID);
        Bytes language = file.Write(dict, 0);

        // The text corpus.
        std::vector<std::filesystem::path> licences;
        for (auto& entry : std::filesystem::directory_iterator("/usr/share/common-licenses"))
            if (entry.is_regular_file() && !entry.is_symlink()) licences.push_back(entry.path());
        std::sort(licences.begin(), licences.end());
        Bytes all;
        for (auto& l : licences) {
            Bytes b = ReadFile(l);
            all.insert(all.end(), b.begin(), b.end());
        }
        if (all.empty()) throw localizer::Error("no licence texts in /usr/share/common-licenses");
        Bytes corpus;
        while (corpus.size() < (1u << 20)) corpus.insert(corpus.end(), all.begin(), all.end());
        corpus.resize(1u << 20);

        std::printf("LZK00 benchmark (native, optimised build; MB = 10^6 bytes, best of 7)\n");
        Report("Program language file (strings.def + forms/*.form, plain layout)", language);
        Report("Text corpus (/usr/share/common-licenses, 1 MiB)", corpus);
        ReportEmptyRuns();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lzk_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
