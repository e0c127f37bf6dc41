#include "updater/feed_download.h"

#include <windows.h>
#include <winhttp.h>

#include <memory>

#include "core/update/version_feed.h"
#include "platform/handles.h"

namespace updater {
namespace {

namespace release {
inline void Internet(HINTERNET handle) { WinHttpCloseHandle(handle); }
}  // namespace release
using InternetHandle = platform::Owned<HINTERNET, release::Internet>;

// Each step (name lookup, connection, sending, each read) may take this long, the whole
// download a little longer, as not every step honours its limit.
constexpr int kStepTimeoutMs = 5000;
constexpr DWORD kDownloadLimitMs = 12000;

using Answer = std::variant<std::string, DownloadError>;

Answer Download(const std::wstring& address) {
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof(parts);
    wchar_t host[256] = L"";
    wchar_t path[2048] = L"";
    parts.lpszHostName = host;
    parts.dwHostNameLength = ARRAYSIZE(host);
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = ARRAYSIZE(path);
    if (!WinHttpCrackUrl(address.c_str(), 0, 0, &parts)) return DownloadError::Unreachable;

    InternetHandle session(WinHttpOpen(L"TesslyDozidiDavazez-Update/1.0", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                                       WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session) return DownloadError::Unreachable;
    WinHttpSetTimeouts(session.Get(), kStepTimeoutMs, kStepTimeoutMs, kStepTimeoutMs, kStepTimeoutMs);
    InternetHandle connection(WinHttpConnect(session.Get(), host, parts.nPort, 0));
    if (!connection) return DownloadError::Unreachable;
    const DWORD secure = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
    InternetHandle request(WinHttpOpenRequest(connection.Get(), L"GET", path, nullptr, WINHTTP_NO_REFERER,
                                              WINHTTP_DEFAULT_ACCEPT_TYPES, secure));
    if (!request || !WinHttpSendRequest(request.Get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !WinHttpReceiveResponse(request.Get(), nullptr))
        return DownloadError::Unreachable;

    DWORD status = 0;
    DWORD size = sizeof(status);
    if (!WinHttpQueryHeaders(request.Get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX) ||
        status != 200)
        return DownloadError::NotFound;

    std::string body;
    char buffer[1024];
    DWORD read = 0;
    while (body.size() <= update::kMaxFeedSize) {
        if (!WinHttpReadData(request.Get(), buffer, sizeof(buffer), &read)) return DownloadError::Unreachable;
        if (read == 0) break;
        body.append(buffer, read);
    }
    return body;
}

struct Job {
    std::wstring address;
    Answer answer = DownloadError::Unreachable;
};

DWORD WINAPI RunJob(void* parameter) {
    auto* job = static_cast<Job*>(parameter);
    try {
        job->answer = Download(job->address);
    } catch (...) {
        job->answer = DownloadError::Unreachable;
    }
    return 0;
}

}  // namespace

Answer DownloadFeed(const std::wstring& address) {
    auto job = std::make_unique<Job>(Job{address});
    platform::KernelHandle thread(CreateThread(nullptr, 0, RunJob, job.get(), 0, nullptr));
    if (!thread) return DownloadError::Unreachable;
    if (WaitForSingleObject(thread.Get(), kDownloadLimitMs) != WAIT_OBJECT_0) {
        job.release();  // still in use by the hanging thread, which ends with the process
        return DownloadError::Unreachable;
    }
    return std::move(job->answer);
}

}  // namespace updater
