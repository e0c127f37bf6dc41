#pragma once
#include <string>
#include <variant>

// Fetches the version feed with WinHTTP, bounded in time and size.
namespace updater {

enum class DownloadError { Unreachable, NotFound };

// The answer's body (at most update::kMaxFeedSize + 1 bytes, so an oversized one shows), or
// why there is none: no connection, a timeout or an HTTP status other than 200. Returns within
// the time limit whatever the network does; a download still hanging then is left behind
// for the process's end.
std::variant<std::string, DownloadError> DownloadFeed(const std::wstring& address);

}  // namespace updater
