#include "booster/instance_guard.h"

namespace booster {
namespace {

constexpr const wchar_t* kInstanceMutexName = L"TesslyMBsrvInstance";

}  // namespace

InstanceGuard::InstanceGuard() : mutex_(CreateMutexW(nullptr, FALSE, kInstanceMutexName)) {
    first_ = mutex_ && GetLastError() != ERROR_ALREADY_EXISTS;
}

}  // namespace booster
