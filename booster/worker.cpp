#include "booster/worker.h"

#include <algorithm>

namespace booster {

Worker::Worker() : thread_([this] { Run(); }) {}

Worker::~Worker() { Stop(); }

void Worker::Post(int kind, Job job) {
    std::lock_guard lock(mutex_);
    if (stopping_) return;
    if (std::any_of(queue_.begin(), queue_.end(), [kind](const auto& waiting) { return waiting.first == kind; }))
        return;
    queue_.emplace_back(kind, std::move(job));
    wake_.notify_one();
}

bool Worker::Busy() const {
    std::lock_guard lock(mutex_);
    return jobRunning_ || !queue_.empty();
}

void Worker::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
        cancelled_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
}

void Worker::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (stopping_) return;
        Job job = std::move(queue_.front().second);
        queue_.pop_front();
        jobRunning_ = true;
        lock.unlock();
        try {
            job(cancelled_);
        } catch (...) {
            // A failed job must not take the service down; the next one still runs.
        }
        lock.lock();
        jobRunning_ = false;
    }
}

}  // namespace booster
