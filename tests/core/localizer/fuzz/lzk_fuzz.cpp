// libFuzzer target: the LZK00 decoder, strict and prefix, on arbitrary bytes. Every input
// either decodes or raises "Wrong stream format"; whatever decodes re-encodes and decodes
// back to itself. The raw bytes, encoded, give the tokens of the rules as written.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/localizer/lzk.h"
#include "tests/core/localizer/lzk_reference.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::span<const std::uint8_t> input(data, size);
    std::vector<std::uint8_t> tokens;
    localizer::LzkEncodeTokens(input, tokens);
    if (tokens != lzk_reference::EncodeTokens(input)) std::abort();
    localizer::LzkDecompressPrefix(input);
    std::vector<std::uint8_t> plain;
    try {
        plain = localizer::LzkDecompress(input);
    } catch (const localizer::KCompressError&) {
        // The raw bytes as a source: the encoder's output must decode back to them.
        auto packed = localizer::LzkCompress(input, static_cast<std::uint32_t>(size));
        if (localizer::LzkDecompress(packed) != std::vector<std::uint8_t>(data, data + size)) std::abort();
        return 0;
    }
    auto again = localizer::LzkCompress(plain, static_cast<std::uint32_t>(plain.size()));
    if (localizer::LzkDecompress(again) != plain) std::abort();
    return 0;
}
