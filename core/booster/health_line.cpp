#include "core/booster/health_line.h"

#include "core/wizards/link_memo.h"

namespace booster {

HealthMessage ChooseHealthMessage(bool serviceRunning, const ServiceHealth& health) {
    if (!serviceRunning) return HealthMessage::ServiceStopped;
    if (health.quiet == QuietReason::FullScreen) return HealthMessage::FullScreen;
    if (health.quiet == QuietReason::ListedProgram) return HealthMessage::QuietProgram;
    if (health.takenHotKey != 0) return HealthMessage::HotKeyTaken;
    if (health.deniedProcesses != 0) return HealthMessage::AccessDenied;
    return HealthMessage::None;
}

std::wstring HealthLineText(
    HealthMessage message, const ServiceHealth& health, const std::vector<std::wstring>& texts,
    const std::function<std::wstring(unsigned)>& keyName
) {
    auto text = [&texts](HealthText which) { return which < texts.size() ? texts[which] : std::wstring(); };
    switch (message) {
        case HealthMessage::None:
            return {};
        case HealthMessage::ServiceStopped:
            return FillPlace(text(kStoppedText), L"");
        case HealthMessage::FullScreen:
            return FillPlace(text(kFullScreenText), L"");
        case HealthMessage::QuietProgram:
            return FillPlace(text(kProgramText), health.quietProgram);
        case HealthMessage::HotKeyTaken: {
            auto label = [&text](wizards::LinkLabel l) {
                return text(l == wizards::LinkLabel::Shift  ? kShiftLabel
                            : l == wizards::LinkLabel::Ctrl ? kCtrlLabel
                                                            : kAltLabel);
            };
            const auto code = static_cast<std::uint16_t>(health.takenHotKey);
            return FillPlace(text(kHotKeyText), wizards::ShortcutText(code, label, keyName));
        }
        case HealthMessage::AccessDenied:
            return FillPlace(text(kDeniedText), std::to_wstring(health.deniedProcesses));
    }
    return {};
}

std::wstring FillPlace(std::wstring_view format, std::wstring_view argument) {
    std::wstring line;
    bool filled = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const wchar_t next = i + 1 < format.size() ? format[i + 1] : L'\0';
        if (format[i] == L'%' && next == L'%') {
            line += L'%';
            ++i;
        } else if (format[i] == L'%' && next == L's' && !filled) {
            line += argument;
            filled = true;
            ++i;
        } else {
            line += format[i];
        }
    }
    return line;
}

std::wstring AppendTipLine(const std::wstring& tip, const std::wstring& line, std::size_t maxLength) {
    if (line.empty()) return tip.substr(0, maxLength);
    if (line.size() >= maxLength) return line.substr(0, maxLength);
    std::wstring joined = tip.substr(0, maxLength - line.size() - (tip.empty() ? 0 : 1));
    if (!joined.empty()) joined += L'\n';
    return joined + line;
}

}  // namespace booster
