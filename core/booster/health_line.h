#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/booster/service_health.h"

// The one line that tells the user why automatic optimisation cannot act: in the
// configurator's status bar and under the service's tray tooltip. Its texts come in the
// current language from the string table, or for the service from the health pack the
// configurator leaves in the registry (lines in the order of HealthText).
namespace booster {

enum class HealthMessage { None, ServiceStopped, FullScreen, QuietProgram, HotKeyTaken, AccessDenied };

enum HealthText : std::size_t {
    kStoppedText,     // no "%s"
    kFullScreenText,  // no "%s"
    kProgramText,     // "%s": the program's file name
    kHotKeyText,      // "%s": the key, "Ctrl+Alt+F"
    kDeniedText,      // "%s": the number of processes
    kShiftLabel,      // "Shift+"
    kCtrlLabel,       // "Ctrl+"
    kAltLabel,        // "Alt+"
    kHealthTextCount
};

// The most pressing reason first: a stopped service, then a quiet time, then a hot key
// that did not register, then processes the service may not trim.
HealthMessage ChooseHealthMessage(bool serviceRunning, const ServiceHealth& health);

// The line for `message` (empty for None). `texts` holds kHealthTextCount lines; `keyName`
// names a key that is not a letter or digit ("F1").
std::wstring HealthLineText(
    HealthMessage message, const ServiceHealth& health, const std::vector<std::wstring>& texts,
    const std::function<std::wstring(unsigned)>& keyName
);

// `format` with its first "%s" replaced by `argument` and "%%" by "%"; nothing else in it
// is interpreted, since it may come from the registry.
std::wstring FillPlace(std::wstring_view format, std::wstring_view argument);

// The tooltip with the health line below it, the whole cut to `maxLength` characters; the
// line goes first when both do not fit, since it is the news.
std::wstring AppendTipLine(const std::wstring& tip, const std::wstring& line, std::size_t maxLength);

}  // namespace booster
