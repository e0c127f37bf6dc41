#pragma once
#include <string>

namespace app {

// A mail that the user's mail program opens for editing and sending.
struct MailRequest {
    std::string recipientName;
    std::string recipientAddress;
    std::string subject;
    std::string body;
};

// Hands the mail to the system's simple mail interface with its dialog shown. Synchronous:
// returns the call's result (0 for success; the general failure code when MAPI32.DLL or
// its MAPISendMail is missing). Otherwise the call runs on a thread of its
// own, the caller waits two seconds (so the mail program can come up before the caller
// goes on) and gets 0.
unsigned long SendMail(bool synchronous, MailRequest request);

}  // namespace app
