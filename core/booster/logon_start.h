#pragma once
#include <cstdint>
#include <optional>

#include "core/booster/file_launch_request.h"

namespace booster {

// Whether a start with `kind` runs the service, given the Autostart policy in force (its
// value, nothing when not set): the user's own logon start runs unless the policy forbids
// starting at logon; the start for every user runs only when the policy asks for it. Any
// other start runs as asked.
bool StartRuns(ServiceArguments::Kind kind, std::optional<std::int32_t> autostartPolicy);

}  // namespace booster
