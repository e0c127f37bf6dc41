#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "core/localizer/byte_stream.h"

// LZK00, the LZ compression of language files: "LZK00", a 4-byte word, tokens.
namespace localizer {

// Called after every step with (source position, source size).
using LzkProgress = std::function<void(std::uint64_t position, std::uint64_t size)>;

inline constexpr std::uint8_t kLzkSignature[5] = {'L', 'Z', 'K', '0', '0'};
inline constexpr std::size_t kLzkHeaderSize = 9;

// Whether the bytes start with "LZK00".
bool HasLzkSignature(std::span<const std::uint8_t> bytes);

// The token stream alone for `source` (no signature, no word), appended to `out`. The
// encoder follows the rules step by step, so the tokens are unique for an input.
void LzkEncodeTokens(
    std::span<const std::uint8_t> source, std::vector<std::uint8_t>& out, const LzkProgress& progress = {}
);
// Signature, `word` and tokens.
std::vector<std::uint8_t> LzkCompress(
    std::span<const std::uint8_t> source, std::uint32_t word, const LzkProgress& progress = {}
);
// A whole compressed stream: refuses ("Wrong stream format") data that does not start with
// "LZK00" and its word, a match that reaches before the start of the output (offset 0 or
// beyond what has been written) and a token cut at the end of the stream.
std::vector<std::uint8_t> LzkDecompress(std::span<const std::uint8_t> stream, const LzkProgress& progress = {});
// The decoded prefix of a stream that may have been cut anywhere (TLangFile::Open reads the
// header from the first 1024 bytes): stops quietly at a cut token, and at a bad match.
std::vector<std::uint8_t> LzkDecompressPrefix(std::span<const std::uint8_t> stream);
// The word behind the signature (0 when there is none).
std::uint32_t LzkWord(std::span<const std::uint8_t> stream);

// The compressor: a source, a destination and a progress callback.
class KCompressor {
public:
    MemoryStream* Source = nullptr;
    MemoryStream* Destination = nullptr;
    LzkProgress OnProgress;

    // Compresses the source from its position to its end into the destination at its
    // position: signature, `word`, tokens.
    void Compress(std::uint32_t word);
    // Rewinds the source to 0 and decodes it whole into the destination at its position.
    void Decompress();
    void Decompress(MemoryStream& source, MemoryStream& destination);

    // Reads 5 bytes at the current position (and 4 more when they are "LZK00"), answers
    // whether they were, and puts the position back.
    static bool IsCompressed(MemoryStream& stream);
};

}  // namespace localizer
