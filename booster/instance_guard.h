#pragma once
#include <windows.h>

// One service per session: a named mutex held for the life of the process. A second
// plain launch sees it and leaves without touching anything.
namespace booster {

class InstanceGuard {
public:
    InstanceGuard();
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    bool First() const { return first_; }

private:
    HANDLE mutex_;
    bool first_;
};

}  // namespace booster
