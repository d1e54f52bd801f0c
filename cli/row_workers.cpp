#include "cli/row_workers.h"

#include <utility>

namespace ormane::cli {

RowWorkers::RowWorkers(unsigned count, RowComputation compute, OrderedOutput& output)
    : compute_(std::move(compute)), output_(output) {
    threads_.reserve(count);
    for (unsigned i = 0; i < count; ++i) threads_.emplace_back([this] { work(); });
}

RowWorkers::~RowWorkers() {
    finish();
}

void RowWorkers::submit(PendingRow row) {
    {
        const std::lock_guard lock(mutex_);
        waiting_.push_back(std::move(row));
    }
    available_.notify_one();
}

void RowWorkers::finish() {
    {
        const std::lock_guard lock(mutex_);
        closed_ = true;
    }
    available_.notify_all();
    for (std::thread& thread : threads_) {
        if (thread.joinable()) thread.join();
    }
}

void RowWorkers::work() {
    std::unique_ptr<Calculator> calculator;
    for (;;) {
        PendingRow row;
        {
            std::unique_lock lock(mutex_);
            available_.wait(lock, [&] { return closed_ || !waiting_.empty(); });
            if (waiting_.empty()) return;
            row = std::move(waiting_.front());
            waiting_.pop_front();
        }
        // Nothing more is written once a write has failed: computing would be wasted.
        if (output_.writeFailure()) continue;
        ComputedRow done = compute_(calculator, row);
        output_.complete(row.number, std::move(done.text), done.failed);
    }
}

}  // namespace ormane::cli
