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

// ELFProcError: "Invalid file format", "Invalid LangResources", "Invalid index", and a
// language file that cannot be read for want of memory.
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

// The language switch (ELocOnFlyError and the ELocUtilsError family): the localizer's own
// failures, and the language modules it cannot use.
class LocOnFlyError : public Error {
public:
    using Error::Error;
};
class LUOutOfVersion : public Error {
public:
    using Error::Error;
};
class LULoadResLibError : public Error {
public:
    using Error::Error;
};
class LUInvalidResLibrary : public Error {
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
inline constexpr const char* kLanguageFileTooLarge = "Language file too large: out of memory while reading it";
inline constexpr const char* kSourceNotDefined = "Source stream is not defined";
inline constexpr const char* kDestinationNotDefined = "Destination stream is not defined";
inline constexpr const char* kWrongStreamFormat = "Wrong stream format";
inline constexpr const char* kNotInitialized = "Localizer is not initialized";
inline constexpr const char* kLanguageFileNotFound = "Language file \"%s\" not found";
inline constexpr const char* kPathDoesNotExist = "Specified path \"%s\" does not exist";
inline constexpr const char* kCanNotDeleteFile = "Can not delete file \"%s\"";
inline constexpr const char* kErrorLoadingResourceFile = "Error loading resource file \"%s\"";
inline constexpr const char* kInvalidResourceFileFormat = "Invalid resource file format";
inline constexpr const char* kResourceFileOutOfVersion =
    "The version of the resource file \"%s\" is invalid. Please, update the file and try again";
inline constexpr const char* kResourcesOutOfVersion =
    "The version of the resource file is invalid. Please, update the file and try again";
// The message with its "%s" replaced by `argument`.
inline std::string Format(const char* message, const std::string& argument) {
    std::string text = message;
    if (const std::size_t at = text.find("%s"); at != std::string::npos) text.replace(at, 2, argument);
    return text;
}
}  // namespace msg

}  // namespace localizer
