#include "ui/list_index.h"

#include <string>

#include "resources/string_ids.h"
#include "ui/error.h"
#include "ui/resource_source.h"

namespace ui {

void CheckListIndex(int index, int count) {
    if (index < 0 || index >= count) throw Error(FormatResString(str::SListIndexError, std::to_wstring(index)));
}

}  // namespace ui
