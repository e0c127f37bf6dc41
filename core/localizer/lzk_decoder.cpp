// The LZK00 decoder. Most tokens are decoded by a fast loop that copies fixed-width blocks
// (a literal run as 16 or 128 bytes, a match as 16- or 8-byte blocks, a run of one repeated
// byte as a fill) into an output that always keeps room for them past what has been
// written; the bytes written beyond a token are overwritten by the next one or cut off at
// the end.
// The last bytes of the stream, where a block would read past it, go through a careful
// loop that checks every length, so both refuse and stop exactly where a byte-by-byte
// decoder would.
#include <algorithm>
#include <cstring>

#include "core/localizer/lzk.h"

namespace localizer {

namespace {

constexpr std::size_t kShortLiteral = 16;
constexpr std::size_t kLiteralBlock = 128;                   // longer than any literal run (127)
constexpr std::size_t kMatchBlock = 32;                      // the widest match copy
constexpr std::size_t kSlack = kLiteralBlock + kMatchBlock;  // a run and the match after it
constexpr std::size_t kFastTail = 1 + kLiteralBlock;         // stream bytes a fast token may read
constexpr std::size_t kProgressStep = 4096;                  // stream bytes between progress reports
constexpr std::size_t kFirstOutputCap = std::size_t(8) << 20;

[[noreturn]] void WrongFormat() { throw KCompressError(msg::kWrongStreamFormat); }

// The decoded bytes: a vector returned as it is, cut to what was written, so the output is
// allocated and touched once. The decoder keeps its write position and the last position
// with room for the widest block in locals (stores through a byte pointer would make the
// compiler reload members after every write).
class Output {
public:
    // The word promises the decoded size but is not trusted: the first allocation is the
    // smaller of it and what the tokens could plausibly make, and the output grows from
    // there as it is decoded.
    Output(std::uint32_t word, std::size_t tokenBytes)
        : bytes_(std::min({std::size_t(word), 4 * tokenBytes, kFirstOutputCap}) + kSlack) {}
    std::uint8_t* Begin() { return bytes_.data(); }
    std::uint8_t* Limit() { return bytes_.data() + bytes_.size() - kSlack; }
    // Doubles the room; `end` is moved along.
    void Grow(std::uint8_t*& end) {
        const std::size_t written = static_cast<std::size_t>(end - Begin());
        bytes_.resize(std::max(2 * bytes_.size(), written + 2 * kSlack));
        end = Begin() + written;
    }
    std::vector<std::uint8_t> Take(const std::uint8_t* end) {
        bytes_.resize(static_cast<std::size_t>(end - Begin()));
        return std::move(bytes_);
    }

private:
    std::vector<std::uint8_t> bytes_;
};

// Length bytes from `offset` back, as a byte-by-byte copy would make them; writes up to
// kMatchBlock bytes. Blocks are copied in order, and each reads only bytes already in place.
inline void CopyMatch(std::uint8_t* d, std::size_t offset, std::size_t length) {
    const std::uint8_t* from = d - offset;
    if (offset >= 16) {
        std::memcpy(d, from, 16);
        std::memcpy(d + 16, from + 16, 8);
    } else if (offset == 1) {
        std::memset(d, d[-1], kMatchBlock);
    } else if (offset >= 8) {
        std::memcpy(d, from, 8);
        std::memcpy(d + 8, from + 8, 8);
        std::memcpy(d + 16, from + 16, 8);
    } else {
        for (std::size_t k = 0; k < length; ++k) d[k] = from[k];
    }
}

// Strict: refuses a cut token or a match before the output; otherwise (the prefix of a
// stream that may have been cut anywhere) stops quietly there, keeping what it has.
template <bool Strict>
std::vector<std::uint8_t> Decode(std::span<const std::uint8_t> stream, const LzkProgress& progress) {
    if (!HasLzkSignature(stream) || stream.size() < kLzkHeaderSize) {
        if (Strict) WrongFormat();
        return {};
    }
    const std::uint8_t* s = stream.data();
    const std::size_t size = stream.size();
    std::size_t i = kLzkHeaderSize;
    Output out(LzkWord(stream), size - i);
    std::uint8_t* base = out.Begin();
    std::uint8_t* limit = out.Limit();
    std::uint8_t* d = base;
    auto reserve = [&] {
        if (d <= limit) return;
        out.Grow(d);
        base = out.Begin();
        limit = out.Limit();
    };
    auto badMatch = [&](std::size_t offset) { return offset - 1 >= static_cast<std::size_t>(d - base); };

    const std::size_t fastEnd = size > kFastTail ? size - kFastTail : 0;
    while (i < fastEnd) {
        const std::size_t stepEnd = std::min(fastEnd, i + kProgressStep);
        while (i < stepEnd) {
            reserve();
            std::size_t b = s[i];
            if ((b & 1) == 0) {
                if (b <= 2 * kShortLiteral) {
                    std::memcpy(d, s + i + 1, kShortLiteral);
                } else {
                    std::memcpy(d, s + i + 1, kLiteralBlock);
                }
                d += b >> 1;
                i += 1 + (b >> 1);
                // The encoder ends a literal run only for a match (or at 127 bytes), so the
                // match is taken here, where the branch is easy to predict.
                if (i >= fastEnd) break;
                b = s[i];
                if ((b & 1) == 0) continue;
            }
            const unsigned w = static_cast<unsigned>(b) | static_cast<unsigned>(s[i + 1]) << 8;
            const std::size_t offset = (w & 0x0FFF) >> 1;
            if (badMatch(offset)) {
                if (Strict) WrongFormat();
                return out.Take(d);
            }
            const std::size_t length = (w >> 12) + 3;
            CopyMatch(d, offset, length);
            d += length;
            i += 2;
        }
        if (progress) progress(i, size);
    }

    while (i < size) {
        reserve();
        const std::uint8_t b = s[i++];
        if ((b & 1) == 0) {
            std::size_t n = b >> 1;
            if (n > size - i) {
                if (Strict) WrongFormat();
                n = size - i;
            }
            std::memcpy(d, s + i, n);
            d += n;
            i += n;
            continue;
        }
        if (i >= size) {
            if (Strict) WrongFormat();
            break;
        }
        const unsigned w = b | static_cast<unsigned>(s[i++]) << 8;
        const std::size_t offset = (w & 0x0FFF) >> 1;
        if (badMatch(offset)) {
            if (Strict) WrongFormat();
            break;
        }
        const std::size_t length = (w >> 12) + 3;
        const std::uint8_t* from = d - offset;
        for (std::size_t k = 0; k < length; ++k) d[k] = from[k];
        d += length;
    }
    if (progress) progress(i, size);
    return out.Take(d);
}

}  // namespace

std::vector<std::uint8_t> LzkDecompress(std::span<const std::uint8_t> stream, const LzkProgress& progress) {
    return Decode<true>(stream, progress);
}

std::vector<std::uint8_t> LzkDecompressPrefix(std::span<const std::uint8_t> stream) {
    return Decode<false>(stream, {});
}

}  // namespace localizer
