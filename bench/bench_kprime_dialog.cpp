// Time of one computation of the K-prime calculator (what the dialog and `ormane kprime`
// run on each change): both tails at x or the quantile at p, the moments and the median.
// Points: a limit and a probability for the general law, the noncentral t (df1 infinite),
// the lambda-prime (df2 infinite), the normal law, a far tail and large degrees of freedom;
// and a grid of the extremes (df1 and df2 from 1e-320 to infinity, lambda up to 1e300 either
// way, x up to 1e300, p from 5e-324), whose median and worst computation are reported (CPU
// microseconds, the best of the iterations for each entry).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <utility>
#include <vector>

#include "kprime/kprime_computation.h"

namespace {

using ormane::EntreesKprime;
using ormane::kDdlInfini;
using ormane::ModeKprime;

void Run(benchmark::State& state, EntreesKprime e) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ormane::CalculeKprime(e));
    }
}

constexpr ModeKprime L = ModeKprime::Limite;
constexpr ModeKprime P = ModeKprime::Probabilite;

BENCHMARK_CAPTURE(Run, limit_general, EntreesKprime{9, 20, 1, L, 2});
BENCHMARK_CAPTURE(Run, probability_general, EntreesKprime{9, 20, 1, P, 0.975});
BENCHMARK_CAPTURE(Run, limit_noncentral_t, EntreesKprime{kDdlInfini, 15, 3, L, 2.5});
BENCHMARK_CAPTURE(Run, probability_noncentral_t, EntreesKprime{kDdlInfini, 15, 3, P, 0.05});
BENCHMARK_CAPTURE(Run, limit_lambda_prime, EntreesKprime{9, kDdlInfini, 10, L, 11.1});
BENCHMARK_CAPTURE(Run, probability_normal, EntreesKprime{kDdlInfini, kDdlInfini, -2, P, 0.3});
BENCHMARK_CAPTURE(Run, probability_far_tail, EntreesKprime{5, 8, 2, P, 1e-9});
BENCHMARK_CAPTURE(Run, limit_large_df, EntreesKprime{5000, 20000, 40, L, 41});
BENCHMARK_CAPTURE(Run, probability_large_lambda, EntreesKprime{30, 30, 60, P, 0.99});

double TempsCpu() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + 1e-9 * static_cast<double>(ts.tv_nsec);
}

void BM_Extremes(benchmark::State& state) {
    static const std::vector<EntreesKprime> grille = [] {
        std::vector<EntreesKprime> g;
        const double dfs[] = {1e-320, 1e-300, 1e-6, 1, 9, 1e8, 1e12, 1e15, kDdlInfini};
        for (const double df1 : dfs)
            for (const double df2 : dfs)
                for (const double lambda : {0.0, 1.0, 40.0, 1e7, 1e10, 1e300, -1e10}) {
                    for (const double x : {0.0, 1.5, lambda, 1e300})
                        g.push_back({df1, df2, lambda, L, x});
                    for (const double p : {5e-324, 1e-10, 0.5, 0.975})
                        g.push_back({df1, df2, lambda, P, p});
                }
        return g;
    }();
    std::vector<double> meilleur(grille.size(), HUGE_VAL);
    for (auto _ : state) {
        for (std::size_t i = 0; i < grille.size(); ++i) {
            const double debut = TempsCpu();
            benchmark::DoNotOptimize(ormane::CalculeKprime(grille[i]));
            meilleur[i] = std::min(meilleur[i], TempsCpu() - debut);
        }
    }
    std::sort(meilleur.begin(), meilleur.end());
    state.counters["calculs"] = static_cast<double>(meilleur.size());
    state.counters["mediane_us"] = 1e6 * meilleur[meilleur.size() / 2];
    state.counters["pire_us"] = 1e6 * meilleur.back();
}
BENCHMARK(BM_Extremes)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
