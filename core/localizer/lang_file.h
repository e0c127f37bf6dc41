#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/localizer/byte_stream.h"
#include "core/localizer/lang_resource.h"
#include "core/localizer/lzk.h"

// TLangFile: one language file, plain or LZK00-compressed; its header is read
// when it is opened and its body is merged into a dictionary on request. The writer
// produces the same layout (the system itself only reads).
namespace localizer {

inline constexpr std::uint16_t kLangFileMagic = 0x464C;  // "LF"
inline constexpr std::uint16_t kLangFileVersion = 5;

// Options of the body merge.
inline constexpr unsigned kMatchByNames = 1;  // bit 0: find items by names, not by ID
inline constexpr unsigned kRenumberIds = 2;   // bit 1: structure load renumbers taken IDs

class LangFile {
public:
    LangFile() = default;  // "Create empty": defaults only

    std::uint16_t Version = kLangFileVersion;
    std::uint16_t LangID = 0;
    std::uint32_t BuildStamp = 0;
    std::uint32_t LangStamp = 0;
    std::string Name;
    std::u16string NativeName;
    bool HeaderFlag = false;
    std::uint16_t HeaderWord48 = 0;
    std::uint16_t HeaderWord50 = 0;
    std::uint32_t LastConstID = 0;
    std::uint32_t LastPropID = 0;
    std::wstring FileName;
    std::uint32_t KeyboardLayout = 0;  // set by the platform side; not stored in files
    bool ReadOnly = false;
    bool Compressed = false;
    int TargetIndex = 0;
    LzkProgress OnProgress;  // progress of decompression while loading

    // Stores the name; when the file exists, finds whether it can be written, and reads
    // the header (from the decoded first 1024 bytes when it is LZK00). A missing file
    // leaves the defaults.
    void Open(const std::wstring& fileName);
    // The header fields in their order; with `discard` read and checked, not stored.
    void ReadHeader(MemoryStream& stream, bool discard);
    // The language index to fill; index < 0 clears the dictionary.
    int PrepareTarget(LangResource* dictionary, int index);
    // PrepareTarget, then the body merge; the header is stored.
    void LoadInto(MemoryStream& stream, LangResource* dictionary, unsigned options, int index);
    // PrepareTarget, the whole file FileName, then the body merge with the header discarded.
    void LoadFileInto(LangResource* dictionary, int index, unsigned options);

    // The plain layout of this header (in `Version`'s format) and of the dictionary's
    // values at `index`.
    std::vector<std::uint8_t> Write(const LangResource& dictionary, int index) const;
    void WriteHeader(MemoryStream& stream) const;
    // Write, LZK00-compressed when asked (the word is the plain length), to a file.
    void SaveToFile(const std::wstring& fileName, const LangResource& dictionary, int index, bool compress) const;

    struct Header {
        std::uint16_t version = 0, langId = 0, word48 = 0, word50 = 0;
        std::uint32_t buildStamp = 0, langStamp = 0, lastConstId = 0, lastPropId = 0;
        std::string name;
        std::u16string nativeName;
        bool flag = false;
    };
    // Reads and checks a header ("Invalid file format" for a wrong magic or version).
    static Header ParseHeader(MemoryStream& stream);

private:
    void Store(const Header& header);
    void MergeBody(MemoryStream& stream, LangResource& dictionary, unsigned options, int index, bool discardHeader);
};

// Whole files in and out; failures raise FileError with the platform's texts
// ("Cannot open file "%s"", "Cannot create file "%s"").
std::vector<std::uint8_t> ReadWholeFile(const std::wstring& fileName);
void WriteWholeFile(const std::wstring& fileName, std::span<const std::uint8_t> bytes);

// A path as it appears in messages: UTF-8, whatever the width of the platform's wide
// characters.
std::string PathText(const std::wstring& fileName);

}  // namespace localizer
