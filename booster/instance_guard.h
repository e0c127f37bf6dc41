#pragma once
#include <windows.h>

#include "platform/handles.h"

// One service per session: a named mutex held for the life of the process. A second
// plain launch sees it and leaves without touching anything.
namespace booster {

class InstanceGuard {
public:
    InstanceGuard();

    bool First() const { return first_; }

private:
    platform::KernelHandle mutex_;
    bool first_;
};

}  // namespace booster
