#include "core/localizer/lzk.h"

#include <gtest/gtest.h>

#include "tests/core/localizer/lzk_reference.h"

#include <random>
#include <string>

using namespace localizer;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes B(std::string_view s) { return Bytes(s.begin(), s.end()); }
Bytes Tokens(std::string_view s) {
    Bytes out;
    LzkEncodeTokens(B(s), out);
    return out;
}
Bytes Stream(const Bytes& tokens, std::uint32_t word = 0) {
    Bytes s = {'L', 'Z', 'K', '0', '0'};
    for (int k = 0; k < 4; ++k) s.push_back(static_cast<std::uint8_t>(word >> (8 * k)));
    s.insert(s.end(), tokens.begin(), tokens.end());
    return s;
}
std::string Decoded(const Bytes& tokens) {
    auto out = LzkDecompress(Stream(tokens));
    return std::string(out.begin(), out.end());
}
std::string ErrorOf(const Bytes& stream) {
    try {
        LzkDecompress(stream);
    } catch (const KCompressError& e) {
        return e.what();
    }
    return "(no error)";
}

}  // namespace

// ---- Golden encoder output, worked out by hand from the rules -------------
//
// Notation: a literal run of n bytes is the byte 2n and the bytes; a match is the 16-bit
// word (Offset*2 + 1) + ((Length - 3) << 12), low byte first. The candidate lists hold,
// per byte value, the positions where that byte was consumed, newest first.

TEST(LzkGolden, EmptySourceGivesSignatureWordAndNoTokens) {
    EXPECT_EQ(LzkCompress({}, 0), (Bytes{'L', 'Z', 'K', '0', '0', 0, 0, 0, 0}));
    // The word is the caller's, little-endian.
    EXPECT_EQ(LzkCompress({}, 0x01020304), (Bytes{'L', 'Z', 'K', '0', '0', 4, 3, 2, 1}));
}

TEST(LzkGolden, ShortSourceIsOneLiteralRun) {
    // "abc": pos 0 has 3 look-ahead bytes but the list of 'a' is empty -> literal; pos 1
    // and 2 have fewer than 3 look-ahead bytes -> literals. The end flushes the run of 3.
    EXPECT_EQ(Tokens("abc"), (Bytes{0x06, 'a', 'b', 'c'}));
}

TEST(LzkGolden, RunOfOneByteIsALiteralAndAnOverlappingMatch) {
    // "aaaaaaaaaa" (10): pos 0 literal 'a' (list empty), list a = [0]. pos 1: look-ahead 9,
    // so at most 9; candidate 0 (offset 1) matches all 9 bytes (the match may run into the
    // bytes it produces) -> 9 > 8 ends the scan. Flush "a" = 02 61; token 3 + (6 << 12) =
    // 0x6003 -> 03 60.
    EXPECT_EQ(Tokens("aaaaaaaaaa"), (Bytes{0x02, 'a', 0x03, 0x60}));
}

TEST(LzkGolden, PeriodicTextIsOneMatchAfterTheFirstPeriod) {
    // "abcabcabcabc" (12): pos 0..2 literals. pos 3: candidate a0, offset 3, the period-3
    // text matches the 9 look-ahead bytes -> length 9. 06 'a' 'b' 'c', token 7 + 0x6000.
    EXPECT_EQ(Tokens("abcabcabcabc"), (Bytes{0x06, 'a', 'b', 'c', 0x07, 0x60}));
}

TEST(LzkGolden, OlderLongerCandidateWinsOverNewerShorterOne) {
    // "abcdXabcYabcd": a0 b1 c2 d3 X4 a5 b6 c7 Y8 a9 b10 c11 d12.
    // pos 0..4 literals. pos 5: candidate a0 gives "abc" then d/Y -> 3: match offset 5
    // length 3 after flushing 5 literals: 0A "abcdX", token 11 = 0B 00. Consumes 5..7.
    // pos 8 'Y' literal. pos 9: look-ahead 4; candidates newest first: a5 ("abcY" vs
    // "abcd") length 3, then a0 ("abcd") length 4 > 3 -> wins: offset 9, length 4:
    // 02 'Y', token 19 + (1 << 12) = 0x1013 -> 13 10.
    EXPECT_EQ(Tokens("abcdXabcYabcd"), (Bytes{0x0A, 'a', 'b', 'c', 'd', 'X', 0x0B, 0x00, 0x02, 'Y', 0x13, 0x10}));
}

TEST(LzkGolden, EqualLengthsKeepTheNewestCandidate) {
    // "abcXabcYabc": pos 4 matches a0 (offset 4, length 3): 08 "abcX" 09 00. pos 7 'Y'
    // literal. pos 8: look-ahead 3; a4 gives length 3 first; a0 cannot be longer, so the
    // newest stays: offset 4 again (not 8): 02 'Y' 09 00.
    EXPECT_EQ(Tokens("abcXabcYabc"), (Bytes{0x08, 'a', 'b', 'c', 'X', 0x09, 0x00, 0x02, 'Y', 0x09, 0x00}));
}

TEST(LzkGolden, CandidateLongerThanEightEndsTheScan) {
    // S = "abcdefghijklmnopqr" (18 distinct bytes); input S "1" S[0..9) "2" S, 47 bytes.
    // pos 0..18 literals (19 of them). pos 19: a0 gives "abcdefghi" then j/2 -> 9 > 8:
    // 26 S "1", token 19*2+1 = 39 + 0x6000 -> 27 60; consumes 19..27.
    // pos 28 '2' literal. pos 29: candidates a19 then a0. a19 (offset 10) matches
    // "abcdefghi" (9 > 8) and ends the scan, although a0 would match all 18:
    // 02 '2', token 21 + 0x6000 -> 15 60; consumes 29..37.
    // pos 38 'j': 9 bytes left; j9 (offset 29) matches "jklmnopqr" = 9: 59 + 0x6000 -> 3B 60.
    std::string s = "abcdefghijklmnopqr";
    std::string input = s + "1" + s.substr(0, 9) + "2" + s;
    Bytes expected = {0x26};
    for (char c : s + "1") expected.push_back(static_cast<std::uint8_t>(c));
    Bytes rest = {0x27, 0x60, 0x02, '2', 0x15, 0x60, 0x3B, 0x60};
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_EQ(Tokens(input), expected);
}

TEST(LzkGolden, LiteralRunsSplitAt127Bytes) {
    // 130 distinct bytes, no candidates ever: a run of 127 (FE) then one of 3 (06).
    Bytes input;
    for (int i = 0; i < 130; ++i) input.push_back(static_cast<std::uint8_t>(i));
    Bytes out;
    LzkEncodeTokens(input, out);
    Bytes expected = {0xFE};
    expected.insert(expected.end(), input.begin(), input.begin() + 127);
    expected.push_back(0x06);
    expected.insert(expected.end(), input.begin() + 127, input.end());
    EXPECT_EQ(out, expected);
}

TEST(LzkGolden, WindowEndsAtOffset2047) {
    // "abc", a filler of 'z' and "abc" again. With 2044 'z' the second "abc" starts at
    // 2047, offset 2047: the last token is 2047*2+1 = 0x0FFF -> FF 0F. With 2045 'z' it
    // starts at 2048: a0 has left the window, so "abc" ends as literals 06 'a' 'b' 'c'
    // (the filler's matches cannot reach into it).
    for (int filler : {2044, 2045}) {
        std::string input = "abc" + std::string(static_cast<std::size_t>(filler), 'z') + "abc";
        Bytes out = Tokens(input);
        ASSERT_GE(out.size(), 4u);
        Bytes tail(out.end() - (filler == 2044 ? 2 : 4), out.end());
        EXPECT_EQ(tail, filler == 2044 ? (Bytes{0xFF, 0x0F}) : (Bytes{0x06, 'a', 'b', 'c'})) << filler;
        EXPECT_EQ(Decoded(out), input);
    }
}

// ---- Decoder edge cases ---------------------------------------------------------------

TEST(LzkDecoder, OffsetOneLengthEighteenRepeatsTheLastByte) {
    // Offset 1, Length 18: w = 3 + (15 << 12) = 0xF003.
    EXPECT_EQ(Decoded({0x02, 'q', 0x03, 0xF0}), std::string(19, 'q'));
}

TEST(LzkDecoder, EmptyLiteralRunIsValid) {
    EXPECT_EQ(Decoded({0x00, 0x02, 'x', 0x00}), "x");
    EXPECT_EQ(Decoded({}), "");
}

TEST(LzkDecoder, WordIsIgnored) {
    auto out = LzkDecompress(Stream({0x04, 'h', 'i'}, 0xFFFFFFFF));
    EXPECT_EQ(std::string(out.begin(), out.end()), "hi");
}

TEST(LzkDecoder, RefusesDataWithoutSignature) {
    EXPECT_EQ(ErrorOf(B("LZK01\0\0\0\0")), "Wrong stream format");
    EXPECT_EQ(ErrorOf(B("LZK0")), "Wrong stream format");
    EXPECT_EQ(ErrorOf({}), "Wrong stream format");
    // The signature without its complete word.
    EXPECT_EQ(ErrorOf(B("LZK00\1\2")), "Wrong stream format");
}

TEST(LzkDecoder, RefusesMatchesReachingBeforeTheOutput) {
    EXPECT_EQ(ErrorOf(Stream({0x01, 0x00})), "Wrong stream format");             // offset 0, nothing written
    EXPECT_EQ(ErrorOf(Stream({0x02, 'a', 0x01, 0x00})), "Wrong stream format");  // offset 0
    EXPECT_EQ(ErrorOf(Stream({0x02, 'a', 0x05, 0x00})), "Wrong stream format");  // offset 2 > 1 written
    EXPECT_EQ(ErrorOf(Stream({0x04, 'a', 'b', 0x05, 0x00})), "(no error)");      // offset 2 = 2 written
}

TEST(LzkDecoder, RefusesTokensCutAtTheEnd) {
    EXPECT_EQ(ErrorOf(Stream({0x02, 'a', 0x03})), "Wrong stream format");  // match without its second byte
    EXPECT_EQ(ErrorOf(Stream({0x06, 'a', 'b'})), "Wrong stream format");   // literal run short of bytes
}

TEST(LzkDecoder, PrefixDecoderStopsQuietlyWhereTheStreamWasCut) {
    Bytes full = LzkCompress(B("hello hello hello world"), 23);
    for (std::size_t cut = 0; cut <= full.size(); ++cut) {
        auto prefix = LzkDecompressPrefix(std::span(full).first(cut));
        std::string text(prefix.begin(), prefix.end());
        EXPECT_EQ(text, std::string("hello hello hello world").substr(0, text.size()));
    }
}

// Progress comes every few kilobytes of the stream, and once at its end.
TEST(LzkDecoder, ReportsProgressEveryFewKilobytes) {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> calls;
    Bytes small = Stream({0x02, 'a', 0x03, 0x00});
    LzkDecompress(small, [&](std::uint64_t p, std::uint64_t s) { calls.emplace_back(p, s); });
    EXPECT_EQ(calls, (std::vector<std::pair<std::uint64_t, std::uint64_t>>{{13, 13}}));

    std::mt19937 rng(3);
    Bytes text(200000);
    for (auto& b : text) b = static_cast<std::uint8_t>('a' + rng() % 4);
    const Bytes packed = LzkCompress(text, 0);
    calls.clear();
    EXPECT_EQ(LzkDecompress(packed, [&](std::uint64_t p, std::uint64_t s) { calls.emplace_back(p, s); }), text);
    ASSERT_GT(calls.size(), packed.size() / 8192);
    std::uint64_t last = 0;
    for (const auto& [position, size] : calls) {
        EXPECT_EQ(size, packed.size());
        EXPECT_GT(position, last);
        EXPECT_LE(position - last, 8192u);
        last = position;
    }
    EXPECT_EQ(last, packed.size());
}

// What a decoder written straight from the token rules, one byte at a time, makes of a
// stream: the bytes, and whether it refused it (strict) or where it stopped (prefix).
struct Reference {
    Bytes bytes;
    bool refused = false;
};
Reference ReferenceDecode(const Bytes& stream) {
    Reference r;
    std::size_t i = 9;
    while (i < stream.size()) {
        const std::uint8_t b = stream[i++];
        if ((b & 1) == 0) {
            std::size_t n = b >> 1;
            if (n > stream.size() - i) r.refused = true, n = stream.size() - i;
            r.bytes.insert(r.bytes.end(), stream.begin() + std::ptrdiff_t(i), stream.begin() + std::ptrdiff_t(i + n));
            i += n;
            if (r.refused) return r;
            continue;
        }
        if (i >= stream.size()) return r.refused = true, r;
        const unsigned w = b | unsigned(stream[i++]) << 8;
        const std::size_t offset = (w & 0x0FFF) >> 1, length = (w >> 12) + 3;
        if (offset == 0 || offset > r.bytes.size()) return r.refused = true, r;
        for (std::size_t k = 0; k < length; ++k) r.bytes.push_back(r.bytes[r.bytes.size() - offset]);
    }
    return r;
}

// Long streams of valid and damaged tokens, whole and cut anywhere: the decoder makes the
// reference's bytes and refuses exactly what it refuses; the prefix decoder keeps what the
// reference made before it stopped.
TEST(LzkDecoder, DecodesAndRefusesAsTheTokenRulesSay) {
    std::mt19937 rng(11);
    for (int round = 0; round < 300; ++round) {
        Bytes tokens;
        std::size_t written = 0;
        const int count = 1 + int(rng() % 400);
        for (int t = 0; t < count; ++t) {
            if (rng() % 2 || written == 0) {
                const std::size_t n = rng() % 128;
                tokens.push_back(std::uint8_t(n * 2));
                for (std::size_t k = 0; k < n; ++k) tokens.push_back(std::uint8_t(rng() % 3));
                written += n;
            } else {
                // Mostly offsets that reach into the output, 1, 2..15, 16 and above; now
                // and then one that reaches before it.
                const std::size_t reach = std::min<std::size_t>(written, 2047);
                std::size_t offset = rng() % 4 == 0 ? 1 + rng() % std::min<std::size_t>(reach, 16) : 1 + rng() % reach;
                if (round % 10 == 0 && t == count / 2) offset = std::min<std::size_t>(written + 1, 2047);
                const std::size_t length = 3 + rng() % 16;
                const unsigned w = unsigned(offset * 2 + 1) + unsigned((length - 3) << 12);
                tokens.push_back(std::uint8_t(w));
                tokens.push_back(std::uint8_t(w >> 8));
                written += length;
            }
        }
        const Bytes whole = Stream(tokens, std::uint32_t(rng()));
        for (std::size_t cut : {whole.size(), whole.size() - 1 - rng() % tokens.size(), 9 + rng() % tokens.size()}) {
            const Bytes stream(whole.begin(), whole.begin() + std::ptrdiff_t(cut));
            const Reference expected = ReferenceDecode(stream);
            if (expected.refused) {
                EXPECT_EQ(ErrorOf(stream), "Wrong stream format") << round << " cut " << cut;
            } else {
                EXPECT_EQ(LzkDecompress(stream), expected.bytes) << round << " cut " << cut;
            }
            EXPECT_EQ(LzkDecompressPrefix(stream), expected.bytes) << round << " cut " << cut;
        }
    }
}

// A stream's word may claim any size: empty literal runs that claim 4 GB decode to nothing.
TEST(LzkDecoder, AnyClaimedSizeDecodesToWhatTheTokensMake) {
    EXPECT_EQ(LzkDecompress(Stream(Bytes(100000, 0x00), 0xFFFFFFFF)), Bytes());
    const Bytes text(50000, 'z');
    EXPECT_EQ(LzkDecompress(LzkCompress(text, 1)), text);
}

// ---- Encoder behaviour ------------------------------------------------------------------

TEST(LzkEncoder, ReportsProgressAfterEveryStep) {
    std::vector<std::uint64_t> positions;
    LzkCompress(B("aaaaaaaaaa"), 10, [&](std::uint64_t p, std::uint64_t s) {
        EXPECT_EQ(s, 10u);
        positions.push_back(p);
    });
    EXPECT_EQ(positions, (std::vector<std::uint64_t>{1, 10}));
}

TEST(LzkEncoder, RoundTripsVariedInputs) {
    std::mt19937 rng(7);
    for (int round = 0; round < 60; ++round) {
        std::size_t size = round < 20 ? static_cast<std::size_t>(round) : rng() % 20000;
        int alphabet = 1 + static_cast<int>(rng() % 256);
        Bytes input(size);
        for (auto& b : input) b = static_cast<std::uint8_t>(rng() % static_cast<unsigned>(alphabet));
        // Some long-range repeats.
        for (std::size_t i = 3000; i < size; i += 2500) input[i] = input[i - 2047];
        Bytes packed = LzkCompress(input, static_cast<std::uint32_t>(size));
        EXPECT_EQ(LzkDecompress(packed), input) << round;
        // Every token is well formed: no match reaches before the output.
        EXPECT_EQ(LzkWord(packed), size);
    }
}

// The encoder's output is fixed by its rules: whatever way it finds the matches, it must
// write the tokens of the rules as written, on inputs that stress each rule (many positions
// per byte value, long repeats, runs, distances around the window's end).
TEST(LzkEncoder, WritesTheTokensOfTheRulesAsWritten) {
    std::mt19937 rng(11);
    std::vector<Bytes> inputs;
    for (int round = 0; round < 40; ++round) {
        const std::size_t size = rng() % 30000;
        const unsigned alphabet = 1 + rng() % (round % 4 == 0 ? 4 : 256);
        Bytes input(size);
        for (auto& b : input) b = static_cast<std::uint8_t>(rng() % alphabet);
        // Copies from varied distances, some just inside or beyond the window.
        for (std::size_t i = 0; i + 40 < size; i += 1 + rng() % 300) {
            const std::size_t distance = 1 + rng() % 2100;
            if (distance > i) continue;
            const std::size_t length = 1 + rng() % 30;
            for (std::size_t k = 0; k < length; ++k) input[i + k] = input[i + k - distance];
        }
        inputs.push_back(std::move(input));
    }
    std::string words;
    const char* const vocabulary[] = {"the ", "then ", "there ", "these ", "of ", "off ", "offer ", "and ", "a ", "an "};
    while (words.size() < 50000) words += vocabulary[rng() % 10];
    inputs.push_back(B(words));
    inputs.push_back(Bytes(5000, 'x'));
    for (const Bytes& input : inputs) {
        Bytes tokens;
        LzkEncodeTokens(input, tokens);
        ASSERT_EQ(tokens, lzk_reference::EncodeTokens(input)) << "input of " << input.size() << " bytes";
    }
}

TEST(LzkCompressorObject, NeedsBothStreamsAndRewindsTheSource) {
    KCompressor k;
    MemoryStream src(B("some text, some text")), dst;
    try {
        k.Compress(0);
        FAIL();
    } catch (const KCompressError& e) {
        EXPECT_STREQ(e.what(), "Source stream is not defined");
    }
    k.Source = &src;
    try {
        k.Decompress();
        FAIL();
    } catch (const KCompressError& e) {
        EXPECT_STREQ(e.what(), "Destination stream is not defined");
    }
    k.Destination = &dst;
    k.Compress(20);
    MemoryStream packed(dst.Bytes()), plain;
    packed.Seek(7);  // Decompress rewinds the source to 0
    KCompressor().Decompress(packed, plain);
    EXPECT_EQ(plain.Bytes(), B("some text, some text"));

    packed.Seek(0);
    EXPECT_TRUE(KCompressor::IsCompressed(packed));
    EXPECT_EQ(packed.Position(), 0u);
    MemoryStream not_(B("LZK0"));
    EXPECT_FALSE(KCompressor::IsCompressed(not_));
    MemoryStream wrongData(B("plain"));
    try {
        KCompressor().Decompress(wrongData, plain);
        FAIL();
    } catch (const KCompressError& e) {
        EXPECT_STREQ(e.what(), "Wrong stream format");
    }
}
