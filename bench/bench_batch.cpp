// Speed of `ormane batch` through its entry function (the executable's own code path), with
// one worker and with two: on 1,000 varied rows (every kind of statistic, degrees of
// freedom from 2 to 500, future experiments, both kinds of alpha, guarantee levels and
// effects; target 10,000 rows per second on 2 cores) and on the hard rows of the trust
// checks (tiny and small degrees of freedom, p down to 1e-300, t up to 1e300, c of 0.01 and
// 100, small future degrees of freedom; target 1,000 rows per second). Reported as rows per
// second of wall time (on a busy machine it falls with the load) and per second of the CPU
// time of all the threads (which the load does not change).
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <ctime>
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

// The hard entries of bench_hard_entries as rows: each grid point once with the statistic
// entered as a one-tailed p and, for the t grid, as a t.
std::string hardRows() {
    std::ostringstream csv;
    csv << "df,t,p1,c,dfR,alpha,alpha_tails\n";
    const auto add = [&](const std::vector<const char*>& dfs, const std::vector<const char*>& ps,
                         const std::vector<const char*>& ts, const std::vector<const char*>& dfRs) {
        for (const char* df : dfs)
            for (const char* c : {"0.01", "1", "100"})
                for (const char* dfR : dfRs) {
                    // An empty dfR: the same as df.
                    const std::string future = std::string(c) + "," + (*dfR ? dfR : df);
                    for (const char* p : ps)
                        csv << df << ",," << p << ',' << future << ",0.025,1\n";
                    for (const char* t : ts)
                        csv << df << ',' << t << ",," << future << ",0.025,1\n";
                }
    };
    add({"1e-6", "3e-6", "1e-5", "3e-5"}, {"0.25", "0.025", "1e-3"}, {"0.5", "3"}, {"", "1"});
    add({"1", "2", "3"}, {"0.15", "1e-6", "1e-12", "1e-300"}, {}, {"", "1", "1e300"});
    add({"30", "1e4", "1e7", "1e300"}, {"0.15", "1e-12", "1e-300"}, {}, {"", "2"});
    add({"1e-6", "1", "30", "1e300"}, {}, {"40", "1e10", "1e300"}, {"1", "1e300"});
    return csv.str();
}

std::size_t countRows(const std::string& csv) {
    std::size_t lines = 0;
    for (const char ch : csv) lines += ch == '\n' ? 1 : 0;
    return lines - 1;  // the header
}

double ProcessCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + 1e-9 * static_cast<double>(ts.tv_nsec);
}

// state.range(0): the number of workers. Failed rows are part of the hard rows' outcome.
void RunBatch(benchmark::State& state, const std::string& input, bool rowsMayFail) {
    const std::vector<std::string> arguments{"batch", "--jobs", std::to_string(state.range(0))};
    const std::size_t rows = countRows(input);
    double cpuSeconds = 0;
    for (auto _ : state) {
        const double start = ProcessCpuSeconds();
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        const int status = ormane::cli::runCommandLine(arguments, in, out, err);
        if (status != 0 && !rowsMayFail) state.SkipWithError("a row failed");
        benchmark::DoNotOptimize(out.str().size());
        cpuSeconds += ProcessCpuSeconds() - start;
    }
    state.counters["rows"] = static_cast<double>(rows);
    // Every thread's CPU time: what the rows cost whatever the load of the machine; on N
    // idle cores, N workers reach about N times this.
    state.counters["rows_per_cpu_second"] =
        static_cast<double>(rows) * static_cast<double>(state.iterations()) / cpuSeconds;
    state.counters["rows_per_second"] =
        benchmark::Counter(static_cast<double>(rows) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

void BM_BatchVariedRows(benchmark::State& state) {
    static const std::string input = variedRows();
    RunBatch(state, input, false);
}
BENCHMARK(BM_BatchVariedRows)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_BatchHardRows(benchmark::State& state) {
    static const std::string input = hardRows();
    RunBatch(state, input, true);
}
BENCHMARK(BM_BatchHardRows)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
