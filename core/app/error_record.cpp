#include "core/app/error_record.h"

#include <cstdio>
#include <string_view>

namespace app {
namespace {

class RecordText {
public:
    explicit RecordText(std::string_view first) : text_(first) {}
    void Line(std::string_view key, std::string_view value) {
        text_ += "\r\n";
        text_ += key;
        text_ += '=';
        text_ += value;
    }
    template <class Value>
    void Number(std::string_view key, Value value) {
        Line(key, std::to_string(value));
    }
    void Optional(std::string_view key, const std::string& value) {
        if (!value.empty()) Line(key, value);
    }
    std::string Finish() && {
        text_ += "\r\n";
        text_ += kRecordTrailer;
        text_ += "\r\n\r\n\r\n\r\n";
        return std::move(text_);
    }

private:
    std::string text_;
};

std::string AddressText(std::uintptr_t address) {
    char buffer[2 * sizeof address + 1];
    std::snprintf(
        buffer, sizeof buffer, "%0*llX", static_cast<int>(2 * sizeof address), static_cast<unsigned long long>(address)
    );
    return buffer;
}

}  // namespace

std::string FormatErrorRecord(const ErrorRecord& record) {
    RecordText text(kRecordHeader);
    text.Line("ExeModule", record.exeModule);
    if (const auto& m = record.machine) {
        text.Line("OSPlatform", m->platform);
        text.Number("CPUKind", m->processorKind);
        text.Line("CPUName", m->processorName);
        text.Number("TotalPhys", m->totalPhys);
        text.Number("AvailPhys", m->availPhys);
        text.Number("TotalPageFile", m->totalPageFile);
        text.Number("AvailPageFile", m->availPageFile);
        text.Number("TotalVirtual", m->totalVirtual);
        text.Number("AvailVirtual", m->availVirtual);
        text.Number("ColorDepth", m->colorDepth);
        text.Line("SystemFont", m->systemFont);
        text.Number("VRefreshRate", m->refreshRate);
        text.Line("GraphicResolution", m->resolution);
    }
    if (const auto& e = record.exception) {
        text.Line("Exception class", e->className);
        text.Line("ExceptAddr", AddressText(e->address));
    }
    text.Line("Computer", record.computer);
    text.Line("User", record.user);
    text.Line("Datetime", record.datetime);
    text.Optional("ID", record.id);
    text.Optional("ExceptionMessage", record.exceptionMessage);
    text.Optional("Message", record.message);
    return std::move(text).Finish();
}

std::string ProcessorName(std::int32_t level) {
    switch (level) {
        case 3:
            return "80386";
        case 4:
            return "80486";
        case 5:
            return "Pentium";
        case 6:
            return "Pentium Pro/Celeron";
        default:
            return std::string("P").append(std::to_string(level));
    }
}

std::string SystemFontName(int pixelsPerInch) {
    if (pixelsPerInch == 96) return "SmallFont";
    if (pixelsPerInch == 120) return "BigFont";
    return "";
}

std::string ResolutionText(int width, int height) { return std::to_string(width) + "x" + std::to_string(height); }

std::wstring LogFilePath(const std::wstring& name, const std::wstring& dataFolder) {
    const bool bare = name.find(L"//") == std::wstring::npos && name.find(L':') == std::wstring::npos;
    return bare ? dataFolder + name : name;
}

}  // namespace app
