// Speed of one K-prime evaluation (function 5 of libbasfun, through its entry point) next to
// Boost.Math's noncentral t distribution function at the same x, nu2 and lambda, at the
// program's two tolerances: 1e-9 (psrep) and 1e-16 (the quantile searches).
// Points: six hand-picked sets, and a grid of 24 drawn once with a fixed seed from the usual
// arguments: nu1 and nu2 log-uniform in [5, 200], lambda uniform in [-5, 5], x the K-quantile
// of a probability uniform in [0.001, 0.999]. After the runs a table puts, point by point and
// for the whole grid, both of our times next to Boost's (CPU time; medians when repeated).
#include <benchmark/benchmark.h>

#include <boost/math/distributions/non_central_t.hpp>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "basfun.h"

namespace {

struct Point {
    double x, nu1, nu2, lambda;
};

double Kprime(const Point& p, double tolerance) {
    std::int32_t code = BASFUN_KPRIME, statut = 0, limite = 10000;
    double valeur = 0, x = p.x, nu1 = p.nu1, nu2 = p.nu2, lambda = p.lambda, a10 = 0;
    basfun(&code, &valeur, &statut, &limite, &x, &nu1, &nu2, &lambda, &tolerance, &a10);
    return valeur;
}

double NoncentralT(const Point& p) {
    const boost::math::non_central_t nct(p.nu2, p.lambda);
    return boost::math::cdf(nct, p.x);
}

// Central, one tail each, larger df, negative lambda.
const std::vector<Point> kJeux = {{2.5, 20, 20, 2.0}, {0.3, 9, 9, 1.0},     {5.8, 100, 50, 5.0},
                                  {-1.5, 5, 5, -0.5}, {1.0, 200, 200, 3.0}, {6.0, 5, 12, 2.5}};

// The x with P(K <= x) = probabilite, by bisection: with these degrees of freedom and
// lambda, K's quantiles at 0.001 and 0.999 lie well inside +-1000.
double QuantileK(Point p, double probabilite) {
    double bas = -1000, haut = 1000;
    for (int i = 0; i < 80; ++i) {
        p.x = 0.5 * (bas + haut);
        (Kprime(p, 1e-12) < probabilite ? bas : haut) = p.x;
    }
    return 0.5 * (bas + haut);
}

std::vector<Point> Grille() {
    std::mt19937_64 alea(20240611);
    // A uniform double from the engine's bits, the same everywhere (unlike
    // std::uniform_real_distribution, whose algorithm each library chooses).
    auto uniforme = [&] { return static_cast<double>(alea() >> 11) * 0x1.0p-53; };
    std::vector<Point> points;
    for (int i = 0; i < 24; ++i) {
        // Braced initialisers are evaluated in order.
        Point p{0, 5 * std::pow(40.0, uniforme()), 5 * std::pow(40.0, uniforme()),
                -5 + 10 * uniforme()};
        p.x = QuantileK(p, 0.001 + 0.998 * uniforme());
        points.push_back(p);
    }
    return points;
}

const char* const kOrmane9 = "ormane_1e-9";
const char* const kOrmane16 = "ormane_1e-16";
const char* const kBoost = "boost";

// One benchmark per method for a group of points; an iteration evaluates every point once.
void Enregistre(const std::string& nom, const std::vector<Point>& points) {
    for (const double tolerance : {1e-9, 1e-16}) {
        benchmark::RegisterBenchmark(
            (nom + "/" + (tolerance == 1e-9 ? kOrmane9 : kOrmane16)).c_str(),
            [points, tolerance](benchmark::State& etat) {
                for (auto _ : etat) {
                    for (const Point& p : points) benchmark::DoNotOptimize(Kprime(p, tolerance));
                }
            });
    }
    benchmark::RegisterBenchmark((nom + "/" + kBoost).c_str(), [points](benchmark::State& etat) {
        for (auto _ : etat) {
            for (Point p : points) {
                // Keeps the compiler from hoisting the inlined Boost code out of the loop.
                benchmark::DoNotOptimize(p);
                benchmark::DoNotOptimize(NoncentralT(p));
            }
        }
    });
}

// The console output, then the comparison table.
class Comparaison : public benchmark::ConsoleReporter {
  public:
    explicit Comparaison(std::vector<std::pair<std::string, Point>> lignes)
        : ConsoleReporter(OO_Tabular), lignes_(std::move(lignes)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool mediane =
                run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !mediane) continue;
            Temps& t = temps_[run.run_name.function_name];
            if (t.mediane && !mediane) continue;
            // Adjusted times are in the run's unit; the multiplier is that unit per second.
            t = {run.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit),
                 mediane};
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::ostream& sortie = GetOutputStream();
        char ligne[160];
        std::snprintf(ligne, sizeof ligne, "%-13s %8s %7s %7s %7s %11s %11s %10s %8s %8s\n",
                      "point", "x", "nu1", "nu2", "lambda", "ours 1e-9", "ours 1e-16", "Boost",
                      "ratio 9", "ratio 16");
        sortie << "\nK-prime next to Boost's noncentral t: CPU ns per iteration, ratio = ours / "
                  "Boost\n"
               << ligne;
        for (const auto& [nom, p] : lignes_) {
            const double a = Lit(nom, kOrmane9), b = Lit(nom, kOrmane16), c = Lit(nom, kBoost);
            if (c <= 0) continue;
            if (std::isnan(p.x)) {
                std::snprintf(ligne, sizeof ligne, "%-13s %33s %11.0f %11.0f %10.0f %8.2f %8.2f\n",
                              nom.c_str(), "(all the grid's points)", a, b, c, a / c, b / c);
            } else {
                std::snprintf(ligne, sizeof ligne,
                              "%-13s %8.3f %7.1f %7.1f %7.2f %11.0f %11.0f %10.0f %8.2f %8.2f\n",
                              nom.c_str(), p.x, p.nu1, p.nu2, p.lambda, a, b, c, a / c, b / c);
            }
            sortie << ligne;
        }
    }

  private:
    struct Temps {
        double ns = 0;
        bool mediane = false;
    };
    double Lit(const std::string& nom, const char* methode) const {
        const auto it = temps_.find(nom + "/" + methode);
        return it == temps_.end() ? 0.0 : it->second.ns;
    }

    std::vector<std::pair<std::string, Point>> lignes_;
    std::map<std::string, Temps> temps_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    std::vector<std::pair<std::string, Point>> lignes;
    auto ajoute = [&](const std::string& nom, const std::vector<Point>& points) {
        Enregistre(nom, points);
        lignes.emplace_back(nom, points.size() == 1 ? points[0] : Point{NAN, NAN, NAN, NAN});
    };
    char nom[32];
    for (std::size_t i = 0; i < kJeux.size(); ++i) {
        std::snprintf(nom, sizeof nom, "jeu/%zu", i);
        ajoute(nom, {kJeux[i]});
    }
    const std::vector<Point> grille = Grille();
    for (std::size_t i = 0; i < grille.size(); ++i) {
        std::snprintf(nom, sizeof nom, "grille/%02zu", i);
        ajoute(nom, {grille[i]});
    }
    ajoute("grille/total", grille);
    Comparaison rapport(std::move(lignes));
    benchmark::RunSpecifiedBenchmarks(&rapport);
    benchmark::Shutdown();
    return 0;
}
