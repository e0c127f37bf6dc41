#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The language settings record of a module: "QVT_EXESETTINGS_" (magic "KEXE") in the
// program, "QVT_LIBSETTINGS_" (magic "LDLL") in a language module.
namespace localizer {

inline constexpr const char* kExeSettingsName = "QVT_EXESETTINGS_";
inline constexpr const char* kLibSettingsName = "QVT_LIBSETTINGS_";
inline constexpr const char* kLocLangsName = "QVT_LOC_LANGS_";
inline constexpr const char* kExeSettingsMagic = "KEXE";
inline constexpr const char* kLibSettingsMagic = "LDLL";

struct LangSettings {
    std::string Magic;  // four characters
    std::uint32_t BuildStamp = 0;
    std::uint16_t LangID = 0;
    std::string Name;
    std::u16string NativeName;
    std::uint16_t Format = 5;  // also when a record ends before it
    std::uint16_t Reserved = 0;
    std::uint32_t LangStamp = 0;
    std::uint8_t Pad = 0;
};

// The program's own record as built: its build stamp, and English as its language. The
// native language file carries the same stamp and language.
inline constexpr std::uint32_t kProgramBuildStamp = 174;
inline constexpr std::uint16_t kProgramLangId = 9;
inline constexpr const char* kProgramLanguageName = "English";
LangSettings ProgramLangSettings();

// Nothing when the record ends inside its magic, stamp, language or names.
std::optional<LangSettings> ReadLangSettings(std::span<const std::uint8_t> record);
std::vector<std::uint8_t> WriteLangSettings(const LangSettings& settings);

}  // namespace localizer
