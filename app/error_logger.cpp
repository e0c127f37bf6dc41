#include "app/error_logger.h"

#include "app/exception_handler.h"
#include "app/startup.h"
#include "core/app/error_record.h"
#include "settings/policies.h"

namespace app {

void InstallErrorLogger(TglExceptionHandler& logger) {
    std::uint8_t options = TglExceptionHandler::kStartupOptions;
    if (PolicyValue(settings::ErrorLog).value_or(settings::kTrue) == settings::kFalse)
        options &= static_cast<std::uint8_t>(~(TglExceptionHandler::kWriteLog | TglExceptionHandler::kScreenshots));
    logger.SetLogFileName(kErrorLogName);
    logger.SetApplicationName(kApplicationName);
    logger.SetOptions(options);
    logger.SetActive(true);
}

}  // namespace app
