#include "core/localizer/lzk.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <tuple>
#include <utility>

namespace localizer {

namespace {

constexpr std::size_t kWindow = 2048;    // a candidate at distance 2048 or more has left it
constexpr std::size_t kLookAhead = 127;  // refilled from the source before every step
constexpr std::size_t kMaxMatch = 18;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kLongEnough = 8;     // a candidate longer than this ends the scan
constexpr std::uint32_t kCandidates = 40;  // most recent positions kept per byte value
constexpr std::size_t kMaxRun = 127;
constexpr int kHashBits = 13;

// The rules keep, per byte value, the 40 most recent positions where it was consumed and
// scan them newest first. Only a candidate whose first three bytes agree can become a match
// and only such a candidate changes the scan's course, so the scan here follows a chain of
// the positions that share the current three bytes (by hash, each checked), in the same
// order, and skips the rest: text has many candidates per byte and few per three bytes.
// Each position knows its rank among the positions of its byte value, which tells whether
// the rules' list of 40 would still hold it.
class Candidates {
public:
    explicit Candidates(std::span<const std::uint8_t> source) : src_(source.data()), size_(source.size()) {
        std::fill(std::begin(head_), std::end(head_), 0u);
        std::fill(std::begin(added_), std::end(added_), 0u);
    }

    void Add(std::size_t p) {
        const std::size_t slot = p & (kWindow - 1);
        rank_[slot] = ++added_[src_[p]];
        if (p + kMinMatch > size_) return;  // too near the end to be anyone's candidate
        std::uint32_t& head = head_[Hash(src_ + p)];
        previous_[slot] = head;
        head = static_cast<std::uint32_t>(p + 1);
    }

    // The match the rules choose at `pos` with at most `maxLength` bytes: its length (0 for
    // none) and position.
    std::pair<std::size_t, std::size_t> Best(std::size_t pos, std::size_t maxLength) const {
        const std::uint8_t* cur = src_ + pos;
        std::size_t bestLength = 0, bestPos = 0;
        for (std::uint32_t link = head_[Hash(cur)]; link != 0;) {
            const std::size_t p = link - 1;
            if (pos - p >= kWindow) break;  // left the window, with every older one
            const std::size_t slot = p & (kWindow - 1);
            link = previous_[slot];
            const std::uint8_t* cand = src_ + p;
            if (cand[0] != cur[0] || cand[1] != cur[1] || cand[2] != cur[2]) continue;
            if (added_[cur[0]] - rank_[slot] >= kCandidates) break;  // beyond the 40 newest
            // Only a candidate longer than the best so far can win, so it must agree at that
            // index; once the best has the longest possible length no later one counts.
            const std::size_t need = std::max(bestLength, kMinMatch - 1);
            if (need >= maxLength) break;
            if (cand[need] != cur[need]) continue;
            std::size_t length = kMinMatch;
            while (length < maxLength && cand[length] == cur[length]) ++length;
            if (length > bestLength) {
                bestLength = length;
                bestPos = p;
                if (length > kLongEnough) break;
            }
        }
        return {bestLength, bestPos};
    }

private:
    static std::size_t Hash(const std::uint8_t* p) {
        const std::uint32_t v = p[0] | static_cast<std::uint32_t>(p[1]) << 8 | static_cast<std::uint32_t>(p[2]) << 16;
        return (v * 2654435761u) >> (32 - kHashBits);
    }

    const std::uint8_t* src_;
    std::size_t size_;
    std::uint32_t head_[1 << kHashBits];  // newest position + 1 per hash, 0 for none
    std::uint32_t previous_[kWindow];     // per position in the window: the next older one + 1
    std::uint32_t rank_[kWindow];         // per position in the window: its count among its byte's
    std::uint32_t added_[256];            // positions consumed so far per byte value
};

void FlushLiterals(const std::uint8_t* run, std::size_t length, std::vector<std::uint8_t>& out) {
    if (length == 0) return;
    out.push_back(static_cast<std::uint8_t>(length * 2));
    out.insert(out.end(), run, run + length);
}

}  // namespace

bool HasLzkSignature(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 5 && std::memcmp(bytes.data(), kLzkSignature, 5) == 0;
}

std::uint32_t LzkWord(std::span<const std::uint8_t> stream) {
    if (stream.size() < kLzkHeaderSize) return 0;
    return static_cast<std::uint32_t>(stream[5]) | static_cast<std::uint32_t>(stream[6]) << 8 |
           static_cast<std::uint32_t>(stream[7]) << 16 | static_cast<std::uint32_t>(stream[8]) << 24;
}

void LzkEncodeTokens(
    std::span<const std::uint8_t> source, std::vector<std::uint8_t>& out, const LzkProgress& progress
) {
    const std::uint8_t* src = source.data();
    const std::size_t n = source.size();
    auto chains = std::make_unique<Candidates>(source);
    Candidates& c = *chains;
    std::size_t pos = 0;
    std::size_t pending = 0;  // the pending literals are the `pending` bytes before `pos`
    out.reserve(out.size() + n / 2 + 16);
    while (pos < n) {
        const std::size_t look = std::min(kLookAhead, n - pos);
        std::size_t bestLength = 0, bestPos = 0;
        if (look >= kMinMatch) std::tie(bestLength, bestPos) = c.Best(pos, std::min(kMaxMatch, look));
        if (bestLength) {
            FlushLiterals(src + pos - pending, pending, out);
            pending = 0;
            const unsigned offset = static_cast<unsigned>(pos - bestPos);
            const unsigned token = (offset * 2 + 1) + (static_cast<unsigned>(bestLength - kMinMatch) << 12);
            out.push_back(static_cast<std::uint8_t>(token));
            out.push_back(static_cast<std::uint8_t>(token >> 8));
            for (std::size_t k = 0; k < bestLength; ++k) c.Add(pos + k);
            pos += bestLength;
        } else {
            if (pending == kMaxRun) {
                FlushLiterals(src + pos - pending, pending, out);
                pending = 0;
            }
            ++pending;
            c.Add(pos);
            ++pos;
        }
        if (progress) progress(pos, n);
    }
    FlushLiterals(src + pos - pending, pending, out);
}

std::vector<std::uint8_t> LzkCompress(
    std::span<const std::uint8_t> source, std::uint32_t word, const LzkProgress& progress
) {
    std::vector<std::uint8_t> out(kLzkSignature, kLzkSignature + 5);
    for (int k = 0; k < 4; ++k) out.push_back(static_cast<std::uint8_t>(word >> (8 * k)));
    LzkEncodeTokens(source, out, progress);
    return out;
}

void KCompressor::Compress(std::uint32_t word) {
    if (!Source) throw KCompressError(msg::kSourceNotDefined);
    if (!Destination) throw KCompressError(msg::kDestinationNotDefined);
    auto packed = LzkCompress(Source->Rest(), word, OnProgress);
    Source->Seek(Source->Size());
    Destination->Write(packed.data(), packed.size());
}

void KCompressor::Decompress() {
    if (!Source) throw KCompressError(msg::kSourceNotDefined);
    if (!Destination) throw KCompressError(msg::kDestinationNotDefined);
    Source->Seek(0);
    auto plain = LzkDecompress(Source->Rest(), OnProgress);
    Source->Seek(Source->Size());
    Destination->Write(plain.data(), plain.size());
}

void KCompressor::Decompress(MemoryStream& source, MemoryStream& destination) {
    Source = &source;
    Destination = &destination;
    Decompress();
}

bool KCompressor::IsCompressed(MemoryStream& stream) {
    std::size_t at = stream.Position();
    auto rest = stream.Rest();
    bool compressed = HasLzkSignature(rest);
    stream.Seek(at);
    return compressed;
}

}  // namespace localizer
