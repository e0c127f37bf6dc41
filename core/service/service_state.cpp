#include "core/service/service_state.h"

#include "core/service/service_protocol.h"
#include "resources/string_ids.h"

namespace protocol {

StateAppearance AppearanceOf(int state) {
    switch (state) {
        case kStopped:
            return {true, kCanRun, str::SStartService, str::SServiceStopped};
        case kIdle:
            return {true, kCanRun | kCanStop | kCanRestart | kCanStopAndExit, str::SStartService, str::SServiceIdle};
        case kRunning:
            return {
                true, kCanPause | kCanStop | kCanRestart | kCanStopAndExit, str::SStopService, str::SServiceRunning};
        default:
            return {false, 0, str::SStartService, 0};
    }
}

Notification ClassifyNotification(long long code) {
    if (code >= kStopped && code <= kRunning) return {Notification::kStateChanged, static_cast<int>(code)};
    if (code == kBoostStarted) return {Notification::kBoostStarted, 0};
    if (code >= kBoostProgressFirst && code <= kBoostProgressLast)
        return {Notification::kBoostProgress, static_cast<int>(code - kBoostStarted)};
    if (code == kBoostFinished) return {Notification::kBoostFinished, 100};
    return {Notification::kIgnored, 0};
}

}  // namespace protocol
