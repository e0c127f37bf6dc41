#pragma once
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "core/localizer/errors.h"

namespace localizer {

// An in-memory stream of bytes with a position: what the language files are read from and
// written to. Reads past the end raise StreamReadError and move nothing.
class MemoryStream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    explicit MemoryStream(std::span<const std::uint8_t> bytes) : bytes_(bytes.begin(), bytes.end()) {}

    std::size_t Size() const { return bytes_.size(); }
    std::size_t Position() const { return position_; }
    void Seek(std::size_t position) { position_ = position < bytes_.size() ? position : bytes_.size(); }
    std::size_t Remaining() const { return bytes_.size() - position_; }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::vector<std::uint8_t>& Bytes() { return bytes_; }
    std::span<const std::uint8_t> Rest() const { return {bytes_.data() + position_, Remaining()}; }

    void Read(void* out, std::size_t count) {
        if (count > Remaining()) throw StreamReadError();
        if (count) std::memcpy(out, bytes_.data() + position_, count);
        position_ += count;
    }
    // Refuses, before anything is allocated, a count of records whose smallest possible
    // size already exceeds the rest of the stream.
    void Require(std::uint64_t count, std::uint64_t minimumEach) const {
        if (count * minimumEach > Remaining()) throw StreamReadError();
    }
    std::uint8_t ReadU8() {
        std::uint8_t v;
        Read(&v, 1);
        return v;
    }
    std::uint16_t ReadU16() {
        std::uint8_t b[2];
        Read(b, 2);
        return static_cast<std::uint16_t>(b[0] | b[1] << 8);
    }
    std::uint32_t ReadU32() {
        std::uint8_t b[4];
        Read(b, 4);
        return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
               static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    }
    std::uint64_t ReadU64() {
        std::uint64_t lo = ReadU32();
        return lo | static_cast<std::uint64_t>(ReadU32()) << 32;
    }
    // Str8: u16 length, then that many bytes.
    std::string ReadStr8() {
        std::uint16_t n = ReadU16();
        if (n > Remaining()) throw StreamReadError();
        std::string s(reinterpret_cast<const char*>(bytes_.data() + position_), n);
        position_ += n;
        return s;
    }
    // WStr: u16 length in characters, then 2n bytes of UTF-16.
    std::u16string ReadWStr() {
        std::uint16_t n = ReadU16();
        if (2u * n > Remaining()) throw StreamReadError();
        std::u16string s(n, u'\0');
        for (std::uint16_t i = 0; i < n; ++i)
            s[i] = static_cast<char16_t>(bytes_[position_ + 2 * i] | bytes_[position_ + 2 * i + 1] << 8);
        position_ += 2u * n;
        return s;
    }

    void Write(const void* data, std::size_t count) {
        if (position_ + count > bytes_.size()) bytes_.resize(position_ + count);
        if (count) std::memcpy(bytes_.data() + position_, data, count);
        position_ += count;
    }
    void WriteU8(std::uint8_t v) { Write(&v, 1); }
    void WriteU16(std::uint16_t v) {
        std::uint8_t b[2] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)};
        Write(b, 2);
    }
    void WriteU32(std::uint32_t v) {
        std::uint8_t b[4] = {
            static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
            static_cast<std::uint8_t>(v >> 24)};
        Write(b, 4);
    }
    void WriteU64(std::uint64_t v) {
        WriteU32(static_cast<std::uint32_t>(v));
        WriteU32(static_cast<std::uint32_t>(v >> 32));
    }
    // Texts longer than 65535 units are cut to the length field's range.
    void WriteStr8(std::string_view s) {
        std::uint16_t n = static_cast<std::uint16_t>(s.size() > 0xFFFF ? 0xFFFF : s.size());
        WriteU16(n);
        Write(s.data(), n);
    }
    void WriteWStr(std::u16string_view s) {
        std::uint16_t n = static_cast<std::uint16_t>(s.size() > 0xFFFF ? 0xFFFF : s.size());
        WriteU16(n);
        for (std::uint16_t i = 0; i < n; ++i) WriteU16(s[i]);
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

}  // namespace localizer
