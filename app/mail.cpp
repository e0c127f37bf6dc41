#include "app/mail.h"

#include <windows.h>

#include <mapi.h>

#include <thread>

#include "platform/system_library.h"

namespace app {
namespace {

constexpr DWORD kAsynchronousPause = 2000;

// The system's mail library, never a file of that name beside the program.
LPMAPISENDMAIL MapiSendMail() { return platform::SystemFunction<LPMAPISENDMAIL>(L"MAPI32.DLL", "MAPISendMail"); }

unsigned long Perform(MailRequest& request) {
    LPMAPISENDMAIL send = MapiSendMail();
    if (!send) return MAPI_E_FAILURE;
    MapiRecipDesc recipient{};
    recipient.ulRecipClass = MAPI_TO;
    recipient.lpszName = request.recipientName.data();
    recipient.lpszAddress = request.recipientAddress.data();
    MapiRecipDesc originator{};  // empty: the mail program fills in the sender
    MapiMessage message{};
    message.lpOriginator = &originator;
    message.lpszSubject = request.subject.data();
    message.lpszNoteText = request.body.data();
    message.nRecipCount = 1;
    message.lpRecips = &recipient;
    return send(0, 0, &message, MAPI_DIALOG, 0);
}

}  // namespace

unsigned long SendMail(bool synchronous, MailRequest request) {
    if (synchronous) return Perform(request);
    std::thread([request = std::move(request)]() mutable { Perform(request); }).detach();
    Sleep(kAsynchronousPause);
    return 0;
}

}  // namespace app
