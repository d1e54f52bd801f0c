// Time of one computation of the K-prime calculator (what the dialog and `ormane kprime`
// run on each change): both tails at x or the quantile at p, the moments and the median.
// Points: a limit and a probability for the general law, the noncentral t (df1 infinite),
// the lambda-prime (df2 infinite), the normal law, a far tail and large degrees of freedom.
#include <benchmark/benchmark.h>

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

}  // namespace
