#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The error log's record: a block of 8-bit text lines joined by CR LF, "key=value" each,
// between a header and a trailer line of hash signs.
namespace app {

// The machine as the record describes it.
struct MachineSnapshot {
    std::string platform;          // "NT", "95" or empty
    std::int32_t processorKind{};  // level in the low half, revision in the high half
    std::string processorName;
    // Bytes, taken from the 64-bit memory status: 32-bit figures go negative above 2 GB.
    std::uint64_t totalPhys{};
    std::uint64_t availPhys{};
    std::uint64_t totalPageFile{};
    std::uint64_t availPageFile{};
    std::uint64_t totalVirtual{};
    std::uint64_t availVirtual{};
    std::int32_t colorDepth{};
    std::string systemFont;
    std::int32_t refreshRate{};
    std::string resolution;
};

struct HandledException {
    std::string className;
    std::uintptr_t address{};
};

struct ErrorRecord {
    std::string exeModule;
    std::optional<MachineSnapshot> machine;     // absent when it could not be gathered
    std::optional<HandledException> exception;  // only while one is being handled
    std::string computer;
    std::string user;
    std::string datetime;
    // Each of these appears only when it is not empty.
    std::string id;
    std::string exceptionMessage;
    std::string message;
};

inline constexpr const char* kRecordHeader = "##################### exception log record";
inline constexpr const char* kRecordTrailer = "##################### exception log record end";

std::string FormatErrorRecord(const ErrorRecord& record);

// The name of a processor level: "80386" ... "Pentium Pro/Celeron", else "P" and the level.
std::string ProcessorName(std::int32_t level);
// "SmallFont" at 96 logical pixels per inch, "BigFont" at 120, empty otherwise.
std::string SystemFontName(int pixelsPerInch);
std::string ResolutionText(int width, int height);

// The program's error log, in the user's data folder; "-bugreport" attaches it.
inline constexpr const wchar_t* kErrorLogName = L"errorlog.txt";

// Where the log lies: a bare name (no "//" and no ":") in the data folder, any other name as
// given.
std::wstring LogFilePath(const std::wstring& name, const std::wstring& dataFolder);

}  // namespace app
