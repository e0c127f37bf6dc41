#pragma once
#include "core/booster/booster_settings.h"

// Reads the service's settings and tray texts from the settings store. Window thread
// only: the store's access layer is not shared between threads.
namespace booster {

// Values an administrator fixed by policy are the ones in force. Every ranged value is
// brought inside its range, so a hand-edited registry value never
// reaches the timers or the drawing code out of bounds.
BoosterSettings ReadBoosterSettings();

// The texts the configurator left in the current language; missing or damaged ones
// fall back to the built-in English texts.
TrayTexts ReadTrayTexts();

}  // namespace booster
