// A stand-in for the system's simple mail library: it records every mail it is handed to
// the file named by MAPI_RECORD_FILE and answers with MAPI_RESULT_CODE.
#include <windows.h>

#include <mapi.h>

#include <fstream>
#include <string>

namespace {

std::string Environment(const char* name) {
    char value[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
    return length && length < MAX_PATH ? value : "";
}

std::string Text(const char* text) { return text ? text : "(null)"; }

}  // namespace

extern "C" ULONG WINAPI RecordSendMail(LHANDLE session, ULONG_PTR parent, lpMapiMessage message, FLAGS flags, ULONG) {
    std::ofstream out(Environment("MAPI_RECORD_FILE"), std::ios::binary | std::ios::app);
    out << "session=" << session << "\nparent=" << parent << "\nflags=" << flags;
    out << "\noriginator=" << (message->lpOriginator ? Text(message->lpOriginator->lpszName) : "(none)");
    out << "\nattachments=" << message->nFileCount << "\nrecipients=" << message->nRecipCount;
    for (ULONG i = 0; i < message->nRecipCount; ++i) {
        const MapiRecipDesc& r = message->lpRecips[i];
        out << "\nrecipient=" << r.ulRecipClass << "|" << Text(r.lpszName) << "|" << Text(r.lpszAddress);
    }
    out << "\nsubject=" << Text(message->lpszSubject) << "\nbody=\n" << Text(message->lpszNoteText);
    out << "\n<end of mail>\n";
    return MAPI_RESULT_CODE;
}
