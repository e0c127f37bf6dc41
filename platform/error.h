#pragma once
#include <stdexcept>
#include <string>

// The program's exception: its message is one of the program's own texts, usually loaded
// from the string table, and is what the error logger records and shows.
namespace platform {

class Error : public std::runtime_error {
public:
    explicit Error(const std::wstring& message);
    const std::wstring& Message() const { return message_; }

private:
    std::wstring message_;
};

// The system's description of an error code, as GetLastError reports them.
std::wstring SystemErrorText(unsigned long code);

}  // namespace platform
