// The workers of a batch: threads that each drive their own hidden window (a Calculator,
// made in the thread on its first row) and compute the rows handed to them, in whatever
// order they come free. A row's text goes to the OrderedOutput, which writes the rows in
// input order. Once a write has failed the rows still waiting are dropped, not computed.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "cli/calculator.h"
#include "cli/ordered_output.h"
#include "cli/request.h"

namespace ormane::cli {

// A row read and understood, waiting for its computation.
struct PendingRow {
    std::uint64_t number = 0;
    std::vector<std::string> cells;  // the input's named cells
    Request request;
};

// A row's output record and whether its error column is filled.
struct ComputedRow {
    std::string text;
    bool failed = false;
};

// Computes one row on the worker's calculator, which it may replace (a calculator left
// half-way by a fault) or make (null on the worker's first row).
using RowComputation =
    std::function<ComputedRow(std::unique_ptr<Calculator>& calculator, const PendingRow& row)>;

class RowWorkers {
  public:
    RowWorkers(unsigned count, RowComputation compute, OrderedOutput& output);
    // Finishes the rows handed in, then ends the threads.
    ~RowWorkers();
    RowWorkers(const RowWorkers&) = delete;
    RowWorkers& operator=(const RowWorkers&) = delete;

    // The output's window bounds the rows waiting here: each was reserved there.
    void submit(PendingRow row);
    // No more rows: waits until every worker has finished and ended.
    void finish();

  private:
    void work();

    RowComputation compute_;
    OrderedOutput& output_;
    std::mutex mutex_;
    std::condition_variable available_;
    std::deque<PendingRow> waiting_;
    bool closed_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace ormane::cli
