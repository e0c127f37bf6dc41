#pragma once
#include <stdexcept>
#include <string>

namespace forms {

// Any failure to read or write a form description: malformed text, a truncated or corrupt
// binary stream, or a value the stored form cannot hold.
class FormError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace forms
