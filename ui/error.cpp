#include "ui/error.h"

#include "ui/resource_source.h"

namespace ui {

Error::Error(const std::wstring& message) : std::runtime_error(ToAnsi(message)), message_(message) {}

}  // namespace ui
