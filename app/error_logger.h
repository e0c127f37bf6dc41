#pragma once

class TglExceptionHandler;

namespace app {

// Makes `logger` the program's error logger, as start-up does first: records go to the log
// file in the user's data folder with screenshots of new failures beside it, and the user is
// told of each failure. When the ErrorLog policy is off, nothing is written or kept: the user
// is still told.
void InstallErrorLogger(TglExceptionHandler& logger);

}  // namespace app
