#include "core/localizer/lang_settings.h"

#include "core/localizer/byte_stream.h"

namespace localizer {

std::optional<LangSettings> ReadLangSettings(std::span<const std::uint8_t> record) {
    MemoryStream s(record);
    LangSettings settings;
    try {
        settings.Magic.resize(4);
        s.Read(settings.Magic.data(), 4);
        settings.BuildStamp = s.ReadU32();
        settings.LangID = s.ReadU16();
        settings.Name = s.ReadStr8();
        settings.NativeName = s.ReadWStr();
    } catch (const StreamReadError&) {
        return std::nullopt;
    }
    // The fields after the names came later; an older record stops before them.
    if (s.Remaining() >= 2) settings.Format = s.ReadU16();
    if (s.Remaining() >= 2) settings.Reserved = s.ReadU16();
    if (s.Remaining() >= 4) settings.LangStamp = s.ReadU32();
    if (s.Remaining() >= 1) settings.Pad = s.ReadU8();
    return settings;
}

LangSettings ProgramLangSettings() {
    LangSettings settings;
    settings.Magic = kExeSettingsMagic;
    settings.BuildStamp = kProgramBuildStamp;
    settings.LangID = kProgramLangId;
    settings.Name = kProgramLanguageName;
    settings.NativeName = u"English";
    return settings;
}

std::vector<std::uint8_t> WriteLangSettings(const LangSettings& settings) {
    MemoryStream s;
    std::string magic = settings.Magic;
    magic.resize(4);
    s.Write(magic.data(), 4);
    s.WriteU32(settings.BuildStamp);
    s.WriteU16(settings.LangID);
    s.WriteStr8(settings.Name);
    s.WriteWStr(settings.NativeName);
    s.WriteU16(settings.Format);
    s.WriteU16(settings.Reserved);
    s.WriteU32(settings.LangStamp);
    s.WriteU8(settings.Pad);
    return std::move(s.Bytes());
}

}  // namespace localizer
