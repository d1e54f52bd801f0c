// The rows of a batch between their reading and their writing. Rows are numbered in input
// order as they are read; they may be done in any order (by several workers), and each is
// written as soon as it and every row before it are done, so that a row waits for nothing
// but the rows before it. At most `capacity` rows are in flight (read but not yet written):
// reading waits for room, which keeps memory bounded whatever the input's size. The first
// failed write stops everything: no row is written after it. Safe to use from several
// threads at once.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace ormane::cli {

class OrderedOutput {
  public:
    OrderedOutput(std::ostream& out, std::size_t capacity);
    OrderedOutput(const OrderedOutput&) = delete;
    OrderedOutput& operator=(const OrderedOutput&) = delete;

    // The number of the next row, once fewer than `capacity` rows are in flight (when all
    // `capacity` are, once half of them are written); nullopt once a write has failed
    // (nothing more will be written).
    std::optional<std::uint64_t> reserve();

    // Hands in the text of a reserved row (its record with its line end). `failed`: the
    // row's error column is not empty. The row, and the done rows behind it, are written
    // now when every row before it is written; otherwise by whoever completes that one.
    void complete(std::uint64_t row, std::string text, bool failed);

    // Waits until every reserved row has been written, or a write has failed.
    void waitUntilWritten();

    // Whether a write failed, and its reason.
    std::optional<std::string> writeFailure() const;
    // Whether a written row failed.
    bool anyRowFailed() const;

  private:
    struct Slot {
        bool done = false;
        std::string text;
    };
    Slot& slot(std::uint64_t row) { return slots_[row % slots_.size()]; }

    std::ostream& out_;
    mutable std::mutex mutex_;
    std::condition_variable written_;  // rows were written, or writing stopped
    std::vector<Slot> slots_;
    std::uint64_t reserved_ = 0;  // rows numbered so far
    std::uint64_t next_ = 0;      // the next row to write
    bool writing_ = false;        // a thread is writing, outside the lock
    std::optional<std::string> failure_;
    bool anyRowFailed_ = false;
};

}  // namespace ormane::cli
