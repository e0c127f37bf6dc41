#pragma once
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/forms/code_page.h"
#include "core/forms/form_error.h"
#include "core/forms/form_object.h"
#include "core/forms/form_read_limits.h"

namespace forms {

// How a stored form description begins.
enum class FormStorage {
    Text,            // anything else
    Binary,          // "TPF"
    ResourceRecord,  // FF 0A 00: a resource-file record around the binary form
};
FormStorage DetectFormStorage(std::span<const std::uint8_t> data);

// Reads a binary form ("TPF0") or a resource-file record holding one; bytes after the form
// (resource padding) are ignored. Throws FormError for truncated or corrupt data, and for
// data whose tree would take more memory than `limits` allow for its size.
Object ReadFormBinary(std::span<const std::uint8_t> data, const ReadLimits& limits = {});

// Writer formats: from format 6 on, an 8-bit string whose UTF-8 form differs
// from its bytes is stored as UTF-8 (tag 20); before, as the 8-bit string itself (tag 6 or
// 12). The form processor's default is 6; the program as built carries format 5 in its
// language settings record, so its forms (and the modules made from them) use format 5.
constexpr int kDefaultWriterFormat = 6;
constexpr int kBuiltWriterFormat = 5;

// The binary form. From writer format 6 on, an 8-bit string whose UTF-8 form (through
// `codePage`) differs from its bytes is stored as UTF-8.
std::vector<std::uint8_t> WriteFormBinary(
    const Object& form, int writerFormat = kDefaultWriterFormat, const CodePage& codePage = Windows1252()
);

// The binary form wrapped in a resource-file record named after the top object's class.
// Throws FormError "Component name is too long" for a class name over 69 characters.
std::vector<std::uint8_t> WriteFormResourceRecord(
    const Object& form, int writerFormat = kDefaultWriterFormat, const CodePage& codePage = Windows1252()
);

}  // namespace forms
