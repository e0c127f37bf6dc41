#pragma once
#include <cstdint>
#include <exception>
#include <string>

// Where an exception came from. Every throw in the program passes through a wrapper of the
// runtime's throw function (linked with --wrap=__cxa_throw), which notes the thrown object
// and the code address of the throw.
namespace app {

struct ThrowSite {
    std::string className;     // the exception's type, readable
    std::uintptr_t address{};  // the code address of the throw, 0 when not seen
};

// The origin of an exception held in `error`; ask on the thread that threw it, soon after
// (the notes of the last few throws are kept).
ThrowSite ThrowSiteOf(std::exception_ptr error);

}  // namespace app
