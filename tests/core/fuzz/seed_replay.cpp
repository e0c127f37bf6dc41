// Replays the seed inputs of a fuzz target through its LLVMFuzzerTestOneInput, built with
// the normal compiler and the sanitizers, so `make test` fails when a target stops building
// or a seed (every crash found becomes one) crashes again.
//   <target>_replay FOLDER_OR_FILE...
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> seeds;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path given = argv[i];
        if (std::filesystem::is_regular_file(given)) {
            seeds.push_back(given);
            continue;
        }
        std::error_code error;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(given, error))
            if (entry.is_regular_file()) seeds.push_back(entry.path());
    }
    std::sort(seeds.begin(), seeds.end());
    if (seeds.empty()) {
        std::fprintf(stderr, "no seed inputs found\n");
        return 1;
    }
    for (const auto& seed : seeds) {
        std::ifstream file(seed, std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (!file.eof() && file.fail()) {
            std::fprintf(stderr, "cannot read %s\n", seed.c_str());
            return 1;
        }
        // libFuzzer hands its inputs in a buffer of their own size, so the sanitizers see a
        // read past the end; the copy here does the same.
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%zu seed inputs replayed\n", seeds.size());
    return 0;
}
