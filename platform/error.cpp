#include "platform/error.h"

#include "platform/text.h"

namespace platform {

Error::Error(const std::wstring& message) : std::runtime_error(Narrow(message)), message_(message) {}

}  // namespace platform
