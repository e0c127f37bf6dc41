#pragma once
#include <exception>
#include <new>
#include <stdexcept>

#include "core/localizer/errors.h"

namespace localizer {

// Runs `read` over outside input and lets only the core's own failures out, so a caller
// that catches localizer::Error handles a hostile file like any other damaged one. Memory
// running out (a file that is merely large, or a length no container can hold) becomes
// `OwnError` with `tooLarge`; any other failure `OwnError` with its own text.
template <class OwnError, class Read>
auto ReadAsOwn(const char* tooLarge, Read&& read) -> decltype(read()) {
    try {
        return read();
    } catch (const Error&) {
        throw;
    } catch (const std::bad_alloc&) {
        throw OwnError(tooLarge);
    } catch (const std::length_error&) {
        throw OwnError(tooLarge);
    } catch (const std::exception& failure) {
        throw OwnError(failure.what());
    }
}

}  // namespace localizer
