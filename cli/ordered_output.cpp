#include "cli/ordered_output.h"

#include <utility>

#include "cli/output_check.h"

namespace ormane::cli {

OrderedOutput::OrderedOutput(std::ostream& out, std::size_t capacity)
    : out_(out), slots_(capacity == 0 ? 1 : capacity) {}

std::optional<std::uint64_t> OrderedOutput::reserve() {
    std::unique_lock lock(mutex_);
    // Once the window is full, reading waits until half of it is written: one wake-up for
    // many rows rather than one for each.
    if (reserved_ - next_ >= slots_.size()) {
        written_.wait(lock, [&] { return failure_ || reserved_ - next_ <= slots_.size() / 2; });
    }
    if (failure_) return std::nullopt;
    return reserved_++;
}

void OrderedOutput::complete(std::uint64_t row, std::string text, bool failed) {
    std::unique_lock lock(mutex_);
    Slot& done = slot(row);
    done.text = std::move(text);
    done.done = true;
    if (failed) anyRowFailed_ = true;
    // One thread writes at a time, in order; the others leave their rows to it. It writes
    // outside the lock, then looks again for rows done meanwhile.
    if (writing_) return;
    writing_ = true;
    while (!failure_ && next_ < reserved_ && slot(next_).done) {
        Slot& s = slot(next_);
        const std::string ready = std::move(s.text);
        s = Slot{};
        ++next_;
        lock.unlock();
        // Each row is out (flushed) before the next is written.
        std::optional<std::string> problem = writeOut(out_, ready);
        lock.lock();
        if (problem) failure_ = std::move(problem);
        written_.notify_all();
    }
    writing_ = false;
    written_.notify_all();
}

void OrderedOutput::waitUntilWritten() {
    std::unique_lock lock(mutex_);
    written_.wait(lock, [&] { return failure_ || (next_ == reserved_ && !writing_); });
}

std::optional<std::string> OrderedOutput::writeFailure() const {
    const std::lock_guard lock(mutex_);
    return failure_;
}

bool OrderedOutput::anyRowFailed() const {
    const std::lock_guard lock(mutex_);
    return anyRowFailed_;
}

}  // namespace ormane::cli
