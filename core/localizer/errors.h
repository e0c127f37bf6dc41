#pragma once
#include <stdexcept>
#include <string>

// The failures of the language core, one class for each kind of failure; the message is the
// system's own English text. These texts have no string-table identifiers, so the core
// carries them itself.
namespace localizer {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// ELangResError: "Empty dictionary", "Could not add language", "Could not remove language".
class LangResError : public Error {
public:
    using Error::Error;
};

// ELocalesError: "Can not get locale info".
class LocalesError : public Error {
public:
    using Error::Error;
};

// ELFProcError: "Invalid file format", "Invalid LangResources", "Invalid index".
class LFProcError : public Error {
public:
    using Error::Error;
};

// EKCompressError: "Source stream is not defined", "Destination stream is not defined",
// "Wrong stream format".
class KCompressError : public Error {
public:
    using Error::Error;
};

// The stream's read error (EReadError "Stream read error"): a stream that ends inside a
// record, or a count or length that promises more than the rest of the stream holds.
class StreamReadError : public Error {
public:
    StreamReadError() : Error("Stream read error") {}
};

// File open and write failures of TLangFile and lngtool (EFOpenError / EFCreateError texts).
class FileError : public Error {
public:
    using Error::Error;
};

namespace msg {
inline constexpr const char* kEmptyDictionary = "Empty dictionary";
inline constexpr const char* kCouldNotAddLanguage = "Could not add language";
inline constexpr const char* kCouldNotRemoveLanguage = "Could not remove language";
inline constexpr const char* kCanNotGetLocaleInfo = "Can not get locale info";
inline constexpr const char* kInvalidFileFormat = "Invalid file format";
inline constexpr const char* kInvalidLangResources = "Invalid LangResources";
inline constexpr const char* kInvalidIndex = "Invalid index";
inline constexpr const char* kSourceNotDefined = "Source stream is not defined";
inline constexpr const char* kDestinationNotDefined = "Destination stream is not defined";
inline constexpr const char* kWrongStreamFormat = "Wrong stream format";
}  // namespace msg

}  // namespace localizer
