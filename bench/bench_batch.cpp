// Speed of `ormane batch` through its entry function (the executable's own code path) on
// 1,000 varied rows: every kind of statistic, degrees of freedom from 2 to 500, future
// experiments, both kinds of alpha, guarantee levels and effects. Reported as rows per
// second of CPU time (the wall time shows beside it; on a busy machine it is longer); the
// target is at least 1,000.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"

namespace {

constexpr int kRows = 1000;

// A small deterministic generator: the same rows on every run.
class Draw {
  public:
    std::uint32_t next() {
        state_ = state_ * 1664525U + 1013904223U;
        return state_ >> 8U;
    }
    double uniform(double low, double high) {
        return low + (high - low) * static_cast<double>(next() % 1000000U) / 1e6;
    }
    template <class T, std::size_t N>
    const T& pick(const std::array<T, N>& choices) {
        return choices[next() % N];
    }

  private:
    std::uint32_t state_ = 2024;
};

std::string variedRows() {
    Draw draw;
    std::ostringstream csv;
    csv << "df,t,F,p2,p1,c,dfR,alpha,alpha_tails,gamma,estimate_level,prediction_level,d,raw\n";
    const std::array<const char*, 5> alphas{"0.001", "0.01", "0.025", "0.05", "0.10"};
    const std::array<const char*, 4> gammas{"0.90", "0.95", "0.975", "0.99"};
    const std::array<const char*, 4> levels{"90", "95", "97.5", "99"};
    const std::array<const char*, 5> multipliers{"0.5", "1", "2", "3", "5"};
    for (int row = 0; row < kRows; ++row) {
        const int df = 2 + static_cast<int>(draw.next() % 499U);
        std::array<std::string, 4> statistic;
        switch (row % 4) {
            case 0:
                statistic[0] = std::to_string(draw.uniform(-4, 4));
                break;
            case 1:
                statistic[1] = std::to_string(draw.uniform(0.1, 20));
                break;
            case 2:
                statistic[2] = std::to_string(draw.uniform(0.001, 0.99));
                break;
            default:
                statistic[3] = std::to_string(draw.uniform(0.001, 0.49));
        }
        std::string c;
        std::string dfR;
        if (row % 3 == 0) {
            c = draw.pick(multipliers);
            dfR = std::to_string(2 + static_cast<int>(draw.next() % 999U));
        }
        std::string d;
        std::string raw;
        (row % 2 == 0 ? d : raw) = std::to_string(draw.uniform(0.05, 10));
        csv << df << ',' << statistic[0] << ',' << statistic[1] << ',' << statistic[2] << ','
            << statistic[3] << ',' << c << ',' << dfR << ',' << draw.pick(alphas) << ','
            << (row % 5 == 0 ? "1" : "2") << ',' << draw.pick(gammas) << ',' << draw.pick(levels)
            << ',' << draw.pick(levels) << ',' << d << ',' << raw << '\n';
    }
    return csv.str();
}

void BM_Batch1000VariedRows(benchmark::State& state) {
    const std::string input = variedRows();
    const std::vector<std::string> arguments{"batch"};
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        const int status = ormane::cli::runCommandLine(arguments, in, out, err);
        if (status != 0) state.SkipWithError("a row failed");
        benchmark::DoNotOptimize(out.str().size());
    }
    state.counters["rows_per_second"] =
        benchmark::Counter(static_cast<double>(kRows) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Batch1000VariedRows)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
