#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "core/booster/service_health.h"

// The service health beside the status block: a second small named mapping that the
// service writes whenever the health changes and the configurator reads (record layout in
// core/booster/service_health.h). After writing, the service posts kHealthChangedMessage
// to the configurator's main window so the status bar follows at once.
namespace service {

inline constexpr const wchar_t* kHealthMappingName = L"TesslyDavIdadeHealthMapping";
// A registered message, so it can clash with no other program's.
inline constexpr const wchar_t* kHealthChangedMessageName = L"TesslyDavIdadeHealthChanged";

// Creates or opens the mapping and maps it whole; null on failure. Kept for the process's
// life.
std::uint8_t* OpenHealthMapping();

// Writes the record so that a reader never takes a half-written one for whole: the
// sequence is odd while the rest changes. `sequence` is the writer's counter.
void WriteHealthRecord(std::uint8_t* view, const booster::ServiceHealth& health, std::uint32_t& sequence);

// The health the record holds, read as a whole; nothing for no view, no service having
// written yet, or a record being written.
std::optional<booster::ServiceHealth> ReadHealthRecord(const std::uint8_t* view);

// The health texts of the string table in the current language, in HealthText order.
std::vector<std::wstring> HealthTextsFromStrings();

// The same as a pack for the service ("line\r\n" each, an empty line at the end), in the
// system's 8-bit code page as the other tray texts.
std::string HealthPack();

}  // namespace service
