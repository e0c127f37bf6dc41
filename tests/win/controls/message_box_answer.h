#pragma once
#include <windows.h>

#include <string>
#include <thread>

namespace testing_support {

// Waits on a thread of its own for the next message box of the thread that creates the
// watcher, keeps its text and answers it with OK, so a test can trigger the box and go on.
class MessageBoxAnswer {
public:
    MessageBoxAnswer();
    ~MessageBoxAnswer();
    MessageBoxAnswer(const MessageBoxAnswer&) = delete;
    MessageBoxAnswer& operator=(const MessageBoxAnswer&) = delete;

    // Waits until a box was answered (or the watch gave up) and returns its text; empty
    // when no box appeared.
    std::wstring Text();

private:
    DWORD thread_id_;
    std::wstring text_;
    std::thread watcher_;
};

}  // namespace testing_support
