// Speed of one K-prime evaluation (function 5 of libbasfun, through its entry point) next to
// Boost.Math's noncentral t distribution function at the same x, nu2 and lambda, on
// typical arguments of the program (nu between 5 and 200, |lambda| <= 5, x inside the
// central 99.8 %), at the program's tolerance 1e-9 and at 1e-16.
#include <benchmark/benchmark.h>

#include <boost/math/distributions/non_central_t.hpp>
#include <cstdint>

#include "basfun.h"

namespace {

struct Jeu {
    double x, nu1, nu2, lambda;
};

// Representative sets: central, one tail each, larger df, negative lambda.
const Jeu kJeux[] = {{2.5, 20, 20, 2.0}, {0.3, 9, 9, 1.0},     {5.8, 100, 50, 5.0},
                     {-1.5, 5, 5, -0.5}, {1.0, 200, 200, 3.0}, {6.0, 5, 12, 2.5}};

void Kprime(benchmark::State& state) {
    const Jeu j = kJeux[state.range(0)];
    double tolerance = state.range(1) == 0 ? 1e-9 : 1e-16;
    std::int32_t code = BASFUN_KPRIME, limite = 10000;
    double x = j.x, nu1 = j.nu1, nu2 = j.nu2, lambda = j.lambda, a10 = 0;
    for (auto _ : state) {
        std::int32_t statut = 0;
        double valeur;
        benchmark::DoNotOptimize(x);
        basfun(&code, &valeur, &statut, &limite, &x, &nu1, &nu2, &lambda, &tolerance, &a10);
        benchmark::DoNotOptimize(valeur);
    }
}

void BoostNoncentralT(benchmark::State& state) {
    const Jeu j = kJeux[state.range(0)];
    double x = j.x;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        const boost::math::non_central_t nct(j.nu2, j.lambda);
        benchmark::DoNotOptimize(boost::math::cdf(nct, x));
    }
}

}  // namespace

BENCHMARK(Kprime)->ArgsProduct({{0, 1, 2, 3, 4, 5}, {0, 1}})->ArgNames({"jeu", "tol16"});
BENCHMARK(BoostNoncentralT)->DenseRange(0, 5)->ArgName("jeu");
