// Time of one computation on hard entries: the numeric calls the compute layer makes for one
// set of entries (t from p, prep, psrep, ppreprep, the t prediction interval, the
// standardized and the raw effect intervals), over grids of tiny, small and large degrees of
// freedom, small and large c, small dfR, p down to 1e-300 and t up to 1e300, and a grid of
// the extremes (df and dfR from 1e-320 to 1e300, t and F up to 1e300, p down to 5e-324, c from
// 0.01 to 1e300). Each benchmark runs its whole grid once per iteration and reports the median
// and the worst computation (CPU microseconds, the best of the iterations for each entry).
// Also the Student quantile alone, over p and df.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <vector>

#include "numeric/psrep.h"
#include "numeric/quantile_search.h"
#include "numeric/student.h"

namespace {

using namespace ormane;

constexpr double kInfini = 1e300;

// As the compute layer asks for its quantiles: 1e-16, then 1e-10 when the code is not 0.
double Quantile(const char* nom, double p, double nu1, double nu2, double lambda,
                CodeErreur& erreur) {
    double x = 0.0;
    for (const double tolerance : {1e-16, 1e-10}) {
        double pas = 1.0;
        x = QuantileLoi(nom, Vrai, -kInfini, Vrai, kInfini, 0.0, pas, p, 0.0, nu1, nu2, 0.0, lambda,
                        0.0, 1.0, tolerance, erreur);
        if (erreur == kSucces) break;
    }
    return x;
}

struct Entree {
    bool depuisP;  // the entry is a one-tailed p (else a t)
    double valeur, df, dfR, c;
};

// One computation, alpha 0.025 one-tailed, gamma 0.9, both guarantees 95 %. Both effect
// intervals are computed, though the window shows one of them at a time.
void Calcul(const Entree& e) {
    CodeErreur erreur = kSucces;
    const double t = e.depuisP ? -Quantile("t", e.valeur, e.df, 0, 0, erreur) : e.valeur;
    benchmark::DoNotOptimize(RepartitionStudent(-std::fabs(t), e.df, 1e-14, erreur));
    benchmark::DoNotOptimize(CalculPrep(t, e.df, e.c, erreur));
    benchmark::DoNotOptimize(CalculePsrep(0.025, t, e.df, e.dfR, e.c, erreur));
    benchmark::DoNotOptimize(CalculePpreprep(0.9, t, e.df, e.dfR, e.c, erreur));
    const double tR = t * std::sqrt(e.c / (e.c + 1));
    for (const double p : {0.025, 0.975}) {
        benchmark::DoNotOptimize(Quantile("K", p, e.df, e.dfR, tR, erreur));
        benchmark::DoNotOptimize(Quantile("K", p, e.df, kInfini, t, erreur));
    }
    benchmark::DoNotOptimize(Quantile("t", 0.975, e.df, 0, 0, erreur));
    benchmark::DoNotOptimize(Quantile("t", 0.025, e.df, 0, 0, erreur));
}

std::vector<Entree> Grille(const std::vector<double>& dfs, const std::vector<double>& ps,
                           const std::vector<double>& ts, const std::vector<double>& dfRs,
                           const std::vector<double>& cs = {0.01, 1.0, 100.0}) {
    std::vector<Entree> grille;
    for (const double df : dfs)
        for (const double c : cs)
            for (const double dfR : dfRs) {
                const double r = dfR == 0 ? df : dfR;  // 0: the same as df
                for (const double p : ps) grille.push_back({true, p, df, r, c});
                for (const double t : ts) grille.push_back({false, t, df, r, c});
            }
    return grille;
}

double TempsCpu() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + 1e-9 * static_cast<double>(ts.tv_nsec);
}

void Mesure(benchmark::State& etat, const std::vector<Entree>& grille) {
    std::vector<double> meilleur(grille.size(), HUGE_VAL);
    for (auto _ : etat) {
        for (std::size_t i = 0; i < grille.size(); ++i) {
            const double debut = TempsCpu();
            Calcul(grille[i]);
            meilleur[i] = std::min(meilleur[i], TempsCpu() - debut);
        }
    }
    std::vector<double> tri = meilleur;
    std::sort(tri.begin(), tri.end());
    etat.counters["calculs"] = static_cast<double>(tri.size());
    etat.counters["mediane_us"] = 1e6 * tri[tri.size() / 2];
    etat.counters["pire_us"] = 1e6 * tri.back();
}

void BM_CalculDfMinuscule(benchmark::State& etat) {
    static const std::vector<Entree> grille =
        Grille({1e-6, 3e-6, 1e-5, 3e-5}, {0.25, 0.025, 1e-3}, {0.5, 3.0}, {0, 1.0});
    Mesure(etat, grille);
}
BENCHMARK(BM_CalculDfMinuscule)->Unit(benchmark::kMillisecond);

void BM_CalculDfPetit(benchmark::State& etat) {
    static const std::vector<Entree> grille =
        Grille({1, 2, 3}, {0.15, 1e-6, 1e-12, 1e-300}, {}, {0, 1.0, kInfini});
    Mesure(etat, grille);
}
BENCHMARK(BM_CalculDfPetit)->Unit(benchmark::kMillisecond);

void BM_CalculDfGrand(benchmark::State& etat) {
    static const std::vector<Entree> grille =
        Grille({30, 1e4, 1e7, kInfini}, {0.15, 1e-12, 1e-300}, {}, {0, 2.0});
    Mesure(etat, grille);
}
BENCHMARK(BM_CalculDfGrand)->Unit(benchmark::kMillisecond);

// Large entered t, with any df.
void BM_CalculGrandT(benchmark::State& etat) {
    static const std::vector<Entree> grille =
        Grille({1e-6, 1, 30, kInfini}, {}, {40.0, 1e10, 1e300}, {1.0, kInfini});
    Mesure(etat, grille);
}
BENCHMARK(BM_CalculGrandT)->Unit(benchmark::kMillisecond);

// The extremes: subnormal, tiny, huge and infinite df and dfR, t up to 1e300 (an F of 1e300 is
// a t of 1e150), one-tailed p down to the smallest double, c from 0.01 to 1e300.
void BM_CalculExtremes(benchmark::State& etat) {
    static const std::vector<Entree> grille =
        Grille({1e-320, 1e-6, 1, 1e8, 1e12, 1e15, kInfini}, {5e-324, 1e-300, 1e-16, 0.15},
               {0.0, 2.0, 1e10, 1e150, 1e300}, {0, 1e-320, 1e-6, 1, 1e8, 1e12, 1e15, kInfini},
               {0.01, 1.0, 1e300});
    Mesure(etat, grille);
}
BENCHMARK(BM_CalculExtremes)->Unit(benchmark::kMillisecond)->Iterations(2);

// The Student quantile alone, as the compute layer asks for it, over p and df; the time is
// per quantile.
void BM_QuantileStudent(benchmark::State& etat) {
    std::vector<std::pair<double, double>> points;
    for (const double df : {0.5, 1.0, 3.0, 9.0, 30.0, 1e3, 1e6})
        for (const double p : {1e-12, 1e-4, 0.025, 0.15, 0.7, 0.975}) points.push_back({p, df});
    for (auto _ : etat) {
        for (const auto& [p, df] : points) {
            CodeErreur erreur = kSucces;
            benchmark::DoNotOptimize(Quantile("t", p, df, 0, 0, erreur));
        }
    }
    // Seconds per quantile, shown in the console with an SI prefix (u for microseconds).
    etat.counters["par_quantile"] = benchmark::Counter(
        static_cast<double>(points.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_QuantileStudent)->Unit(benchmark::kMicrosecond);

}  // namespace
