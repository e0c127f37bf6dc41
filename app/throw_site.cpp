#include "app/throw_site.h"

#include <cxxabi.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace {

struct Note {
    const void* object = nullptr;
    std::uintptr_t address = 0;
};

// A small ring: between a throw and its handler only a few other throws can happen.
thread_local std::array<Note, 16> t_notes;
thread_local std::size_t t_next = 0;

}  // namespace

extern "C" {

[[noreturn]] void __real___cxa_throw(void* object, std::type_info* type, void (*destroy)(void*));

[[noreturn]] void __wrap___cxa_throw(void* object, std::type_info* type, void (*destroy)(void*)) {
    t_notes[t_next++ % t_notes.size()] = {object, reinterpret_cast<std::uintptr_t>(__builtin_return_address(0))};
    __real___cxa_throw(object, type, destroy);
}

}  // extern "C"

namespace app {
namespace {

std::string Readable(const char* mangled) {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free
    );
    return status == 0 && name ? name.get() : mangled;
}

std::uintptr_t AddressOf(const void* object) {
    for (std::size_t i = 1; i <= t_notes.size(); ++i) {
        const Note& note = t_notes[(t_next - i) % t_notes.size()];
        if (note.object == object) return note.address;
    }
    return 0;
}

}  // namespace

ThrowSite ThrowSiteOf(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        // A reference to the thrown object itself, as it was handed to the throw.
        return {Readable(typeid(e).name()), AddressOf(&e)};
    } catch (...) {
        const std::type_info* type = abi::__cxa_current_exception_type();
        return {type ? Readable(type->name()) : std::string(), 0};
    }
}

}  // namespace app
