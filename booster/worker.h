#pragma once
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// One thread that carries out the service's actions and passes one after another, so the
// window keeps answering state commands while memory is being reclaimed.
namespace booster {

class Worker {
public:
    // A job checks `cancelled` between steps and returns early once it is set.
    using Job = std::function<void(const std::atomic<bool>& cancelled)>;

    Worker();
    ~Worker();
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // A job of a kind that is already waiting is dropped: asking twice for a boost that
    // has not started yet still gives one boost.
    void Post(int kind, Job job);
    // True while a job runs or waits.
    bool Busy() const;
    // Cancels the running job, drops the waiting ones and ends the thread.
    void Stop();

private:
    void Run();

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::pair<int, Job>> queue_;
    bool jobRunning_ = false;
    bool stopping_ = false;
    std::atomic<bool> cancelled_{false};
    std::thread thread_;
};

}  // namespace booster
