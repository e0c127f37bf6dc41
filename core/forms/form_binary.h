#pragma once
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/forms/code_page.h"
#include "core/forms/form_error.h"
#include "core/forms/form_object.h"

namespace forms {

// How a stored form description begins.
enum class FormStorage {
    Text,            // anything else
    Binary,          // "TPF"
    ResourceRecord,  // FF 0A 00: a resource-file record around the binary form
};
FormStorage DetectFormStorage(std::span<const std::uint8_t> data);

// Reads a binary form ("TPF0") or a resource-file record holding one; bytes after the form
// (resource padding) are ignored. Throws FormError for truncated or corrupt data.
Object ReadFormBinary(std::span<const std::uint8_t> data);

// The binary form. From writer format 6 on, an 8-bit string whose UTF-8 form (through
// `codePage`) differs from its bytes is stored as UTF-8.
std::vector<std::uint8_t> WriteFormBinary(const Object& form, int writerFormat = 6,
                                          const CodePage& codePage = Windows1252());

// The binary form wrapped in a resource-file record named after the top object's class.
// Throws FormError "Component name is too long" for a class name over 69 characters.
std::vector<std::uint8_t> WriteFormResourceRecord(const Object& form, int writerFormat = 6,
                                                  const CodePage& codePage = Windows1252());

}  // namespace forms
