#pragma once
#include "core/localizer/errors.h"

// The failures of resource and form processing; the messages are the system's own texts.
namespace localizer {

// EExeError: the executable reader, also for a module that cannot be read for want of memory.
class ExeError : public Error {
public:
    using Error::Error;
};

// EPrjProcsError: "Can't find RCDATA block", "Wrong FRD Format" with line and form.
class PrjProcsError : public Error {
public:
    using Error::Error;
};

// EParserError: a translated form that cannot be written back ("Component name is too long").
class ParserError : public Error {
public:
    using Error::Error;
};

namespace msg {
inline constexpr const char* kUnrecognizedFileFormat = "unrecognized file format";
inline constexpr const char* kNotPeFile = "Not a PE (WIN32 Executable) file";
inline constexpr const char* kNoResources = "No resources in this file.";
inline constexpr const char* kCouldNotOpen = "Couldn't open: ";
inline constexpr const char* kItemIsNotList = "ResourceItem is not a list";
inline constexpr const char* kModuleTooLarge = "Executable file too large: out of memory while reading it";
inline constexpr const char* kNoRcDataBlock = "Can't find RCDATA block";
inline constexpr const char* kInvalidNativeDll = "Can't create DLL. The native DLL is invalid";
}  // namespace msg

}  // namespace localizer
