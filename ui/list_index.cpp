#include "ui/list_index.h"

#include <string>

#include "platform/error.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"

using platform::Error;
using platform::FormatResString;

namespace ui {

void CheckListIndex(int index, int count) {
    if (index < 0 || index >= count) throw Error(FormatResString(str::SListIndexError, std::to_wstring(index)));
}

}  // namespace ui
