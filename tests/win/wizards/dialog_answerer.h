#pragma once
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Answers the platform's dialog boxes of this process (message boxes, the file dialog) from
// a thread of its own while the code under test waits in their modal loops.
class DialogAnswerer {
public:
    // For a file dialog: the file name to type before pressing OK; empty for message boxes,
    // which are answered with the button `messageAnswer` (IDOK, IDYES, IDNO...).
    explicit DialogAnswerer(std::wstring fileName = L"", int messageAnswer = IDOK);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // The texts of the message boxes answered so far.
    std::vector<std::wstring> Messages() const;
    // The captions of the Yes and No buttons of the message boxes answered, as "Yes|No".
    std::vector<std::wstring> YesNoCaptions() const;

private:
    void Watch();
    void Answer(HWND dialog);

    std::wstring fileName_;
    int messageAnswer_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<std::wstring> messages_;
    std::vector<std::wstring> yesNoCaptions_;
    std::vector<HWND> answered_;
    std::thread thread_;
};
