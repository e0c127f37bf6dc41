#pragma once
#include <optional>

#include "core/booster/file_launch_request.h"

// A launch with a file: reclaim memory, start the file through the shell, then leave a
// running service as the mode letter says. A service already running is told by state
// command; when none runs and the mode says to keep running, this process becomes the
// service.
namespace booster {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadArguments = 2;
inline constexpr int kExitNotStarted = 3;

// The exit code, or nothing when this process is to carry on as the service.
std::optional<int> RunFileLaunch(const FileLaunchRequest& request);

}  // namespace booster
