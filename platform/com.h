#pragma once
#include <objbase.h>

#include "platform/handles.h"

// The component object model for the shell's objects: a session for the span of one call,
// and interface pointers released when they go.
namespace platform {

namespace release {
inline void ComObject(IUnknown* object) { object->Release(); }
inline void TaskMemory(void* memory) { CoTaskMemFree(memory); }
}  // namespace release

template <class Interface>
using ComPtr = Owned<Interface*, release::ComObject>;

// Initialises the library on this thread until the guard ends; a thread that already had
// it keeps it.
class ComSession {
public:
    ComSession() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComSession() {
        if (initialized_) CoUninitialize();
    }
    ComSession(const ComSession&) = delete;
    ComSession& operator=(const ComSession&) = delete;

private:
    bool initialized_;
};

}  // namespace platform
