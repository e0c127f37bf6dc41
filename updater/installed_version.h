#pragma once
#include <optional>

#include "core/update/version_feed.h"

namespace updater {

// The file version of the configurator beside this program; nothing when it cannot be read.
std::optional<update::Version> InstalledVersion();

}  // namespace updater
