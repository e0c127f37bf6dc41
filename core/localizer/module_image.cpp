// The language module: a 32-bit resource-only DLL whose one section holds the resource tree.
#include <cstdio>
#include <ctime>

#include "core/files/file_access.h"
#include "core/localizer/lang_file.h"
#include "core/localizer/pe_format.h"
#include "core/localizer/res_processor.h"

namespace localizer {

namespace {

constexpr std::uint32_t kHeadersSize = 1024;  // the 544 bytes of headers, rounded up
constexpr std::uint32_t kFileAlignment = 512;
constexpr std::uint32_t kSectionAlignment = 4096;
constexpr std::uint32_t kSectionAddress = 0x2000;
constexpr std::uint32_t kPeHeaderOffset = 0x100;
constexpr std::uint16_t kMachineI386 = 0x014C;
constexpr std::uint16_t kImageCharacteristics = 0xA18E;
constexpr std::uint32_t kSectionCharacteristics = 0x40000000;  // readable

constexpr std::uint32_t RoundUp(std::uint32_t value, std::uint32_t unit) { return (value + unit - 1) / unit * unit; }

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

// Zeros up to `size` bytes.
void PadTo(MemoryStream& out, std::size_t size) {
    if (out.Size() < size) out.Write(std::vector<std::uint8_t>(size - out.Size()).data(), size - out.Size());
}

void WriteDosHeader(MemoryStream& out) {
    const std::uint16_t words[] = {0x5A4D, 0x0050, 2, 0, 4, 0x000F, 0xFFFF, 0, 0x00B8, 0, 0, 0, 0x0040, 0x001A};
    for (std::uint16_t word : words) out.WriteU16(word);
    PadTo(out, pe::kNewHeaderOffsetField);
    out.WriteU32(kPeHeaderOffset);
    const std::uint8_t code[] = {0xBA, 0x10, 0x00, 0x0E, 0x1F, 0xB4, 0x09, 0xCD,
                                 0x21, 0xB8, 0x01, 0x4C, 0xCD, 0x21, 0x90, 0x90};
    out.Write(code, sizeof code);
    const char text[] = "This program must be run under Win32";
    out.Write(text, sizeof text - 1);
    const std::uint8_t end[] = {0x0D, 0x0A, 0x24, 0x37};
    out.Write(end, sizeof end);
    PadTo(out, kPeHeaderOffset);
}

void WritePeHeaders(MemoryStream& out, std::uint32_t resourceSize, const StampClock& clock) {
    const std::uint32_t rawSize = RoundUp(resourceSize, kFileAlignment);
    out.WriteU32(pe::kPeSignature);
    out.WriteU16(kMachineI386);
    out.WriteU16(1);  // sections
    out.WriteU32(clock());
    out.WriteU32(0);  // symbol table
    out.WriteU32(0);
    out.WriteU16(pe::kPe32OptionalHeaderSize);
    out.WriteU16(kImageCharacteristics);

    out.WriteU16(pe::kMagicPe32);
    out.WriteU8(1);  // linker 1.0
    out.WriteU8(0);
    for (int i = 0; i < 6; ++i) out.WriteU32(0);  // code, data, bss sizes, entry point, code and data bases
    out.WriteU32(0x00400000);
    out.WriteU32(kSectionAlignment);
    out.WriteU32(kFileAlignment);
    const std::uint16_t versions[] = {1, 0, 1, 0, 4, 0};  // operating system, image, subsystem
    for (std::uint16_t v : versions) out.WriteU16(v);
    out.WriteU32(0);  // Win32VersionValue
    out.WriteU32(RoundUp(kHeadersSize + resourceSize, kSectionAlignment));
    out.WriteU32(kHeadersSize);
    out.WriteU32(0);  // checksum
    out.WriteU16(2);  // subsystem: GUI
    out.WriteU16(0x0001);
    const std::uint32_t stackAndHeap[] = {4096, 256, 4096, 256};
    for (std::uint32_t v : stackAndHeap) out.WriteU32(v);
    out.WriteU32(0);  // loader flags
    out.WriteU32(pe::kDataDirectoryCount);
    for (std::uint32_t i = 0; i < pe::kDataDirectoryCount; ++i) {
        const bool resources = i == pe::kResourceDirectoryIndex;
        out.WriteU32(resources ? kSectionAddress : 0);
        out.WriteU32(resources ? rawSize : 0);
    }

    out.Write(pe::kResourceSectionName, pe::kSectionNameSize);
    out.WriteU32(resourceSize);
    out.WriteU32(kSectionAddress);
    out.WriteU32(rawSize);
    out.WriteU32(kHeadersSize);
    for (int i = 0; i < 3; ++i) out.WriteU32(0);  // relocations, line numbers and their counts
    out.WriteU32(kSectionCharacteristics);
}

}  // namespace

std::uint32_t LocalTimeStamp() {
    const std::time_t now = std::time(nullptr);
    const std::tm local = *std::localtime(&now);  // the user-interface thread is the only caller
    const std::int64_t days = DaysFromCivil(local.tm_year + 1900, unsigned(local.tm_mon + 1), unsigned(local.tm_mday));
    const std::int64_t seconds = days * 86400 + local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    return static_cast<std::uint32_t>(seconds + 8 * 3600);  // counted from 1969-12-31 16:00:00
}

std::vector<std::uint8_t> ResProcessor::ModuleImage(const StampClock& clock) const {
    const auto groupCount = static_cast<std::uint32_t>(groups_.size());
    std::uint32_t resourceSize = pe::kDirectorySize + pe::kEntrySize * groupCount;
    for (const auto& group : groups_) resourceSize += group->TotalSize();

    MemoryStream out;
    WriteDosHeader(out);
    WritePeHeaders(out, resourceSize, clock);
    PadTo(out, kHeadersSize);

    out.WriteU32(0);  // Characteristics
    out.WriteU32(clock());
    out.WriteU32(0);  // version 0.0
    out.WriteU16(0);
    out.WriteU16(static_cast<std::uint16_t>(groupCount));
    std::uint32_t subtree = pe::kDirectorySize + pe::kEntrySize * groupCount;
    for (const auto& group : groups_) {
        out.WriteU32(group->Type());
        out.WriteU32(pe::kSubtreeBit | subtree);
        subtree += group->TotalSize();
    }
    subtree = pe::kDirectorySize + pe::kEntrySize * groupCount;
    for (const auto& group : groups_) {
        group->WriteTree(out, subtree, clock);
        subtree += group->TotalSize();
    }
    PadTo(out, kHeadersSize + RoundUp(resourceSize, kFileAlignment));
    return std::move(out.Bytes());
}

void ResProcessor::Save(const std::wstring& fileName, const StampClock& clock) const {
    const std::vector<std::uint8_t> image = ModuleImage(clock);
    const std::wstring temporary = fileName + L".tmp";
    try {
        WriteWholeFile(temporary, image);
    } catch (const FileError&) {
        files::Remove(temporary);
        throw;
    }
    if (!files::Rename(temporary, fileName)) {
        files::Remove(temporary);
        throw FileError("Cannot create file \"" + PathText(fileName) + "\"");
    }
}

}  // namespace localizer
