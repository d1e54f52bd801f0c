// Speed of the quantile search, and of the numeric work of one computation of the start-up
// example (two-tailed p = 0.30 with 9 degrees of freedom, plain replication).
#include <benchmark/benchmark.h>

#include <cmath>

#include "numeric/psrep.h"
#include "numeric/quantile_search.h"
#include "numeric/student.h"

namespace {

using namespace ormane;

// As the program asks for its quantiles: 1e-16, then 1e-10 on failure.
double Quantile(const char* nom, double p, double nu1, double nu2, double lambda,
                CodeErreur& erreur) {
    double x = 0.0;
    for (const double tolerance : {1e-16, 1e-10}) {
        double pas = 1.0;
        x = QuantileLoi(nom, Vrai, -1e300, Vrai, 1e300, 0.0, pas, p, 0.0, nu1, nu2, 0.0, lambda,
                        0.0, 1.0, tolerance, erreur);
        if (erreur == kSucces) break;
    }
    return x;
}

void BM_QuantileStudent(benchmark::State& etat) {
    for (auto _ : etat) {
        CodeErreur erreur = kSucces;
        benchmark::DoNotOptimize(Quantile("t", 0.15, 9.0, 0.0, 0.0, erreur));
    }
}
BENCHMARK(BM_QuantileStudent)->Unit(benchmark::kMicrosecond);

void BM_QuantileKprime(benchmark::State& etat) {
    const double lambda = 1.0997 * std::sqrt(0.5);
    for (auto _ : etat) {
        CodeErreur erreur = kSucces;
        benchmark::DoNotOptimize(Quantile("K", 0.975, 9.0, 9.0, lambda, erreur));
    }
}
BENCHMARK(BM_QuantileKprime)->Unit(benchmark::kMicrosecond);

void BM_QuantileKprimeNu2Infini(benchmark::State& etat) {
    for (auto _ : etat) {
        CodeErreur erreur = kSucces;
        benchmark::DoNotOptimize(Quantile("K", 0.025, 9.0, 1e300, 1.0997, erreur));
    }
}
BENCHMARK(BM_QuantileKprimeNu2Infini)->Unit(benchmark::kMicrosecond);

// The numeric calls of one computation: t from p, prep, psrep, ppreprep, and the four K
// quantiles of the t prediction interval and of the standardized effect interval.
void BM_CalculExempleDemarrage(benchmark::State& etat) {
    for (auto _ : etat) {
        CodeErreur erreur = kSucces;
        const double t = -Quantile("t", 0.15, 9.0, 0.0, 0.0, erreur);
        benchmark::DoNotOptimize(CalculPrep(t, 9.0, 1.0, erreur));
        benchmark::DoNotOptimize(CalculePsrep(0.025, t, 9.0, 9.0, 1.0, erreur));
        benchmark::DoNotOptimize(CalculePpreprep(0.9, t, 9.0, 9.0, 1.0, erreur));
        const double tR = t * std::sqrt(0.5);
        for (const double p : {0.025, 0.975}) {
            benchmark::DoNotOptimize(Quantile("K", p, 9.0, 9.0, tR, erreur));
        }
        for (const double p : {0.025, 0.975}) {
            benchmark::DoNotOptimize(Quantile("K", p, 9.0, 1e300, t, erreur));
        }
    }
}
BENCHMARK(BM_CalculExempleDemarrage)->Unit(benchmark::kMicrosecond);

}  // namespace
