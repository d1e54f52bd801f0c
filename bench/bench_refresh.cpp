// Speed of one refresh of the main window on the start-up example (two-tailed p 0.30 with
// 9 degrees of freedom): the statistic boxes, prep, psrep, ppreprep, the t and p prediction
// intervals at 95 % and the standardized effect's estimate and prediction at 95 %, all
// written into the window model. Beside it, the numeric part alone: the same calls of the
// numeric core that refresh makes, without the window, its texts and its formatting.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "compute/module_state.h"
#include "compute/refresh.h"
#include "headless/headless_platform.h"
#include "numeric/number_format.h"
#include "numeric/psrep.h"
#include "numeric/quantile_retry.h"
#include "numeric/student.h"
#include "window/design/feuille_ormane.h"
#include "window/model/session.h"

namespace {

using namespace ormane;

struct Fenetre {
    platform::HeadlessPlatform platform;
    window::Session session{platform.services()};
    std::unique_ptr<window::FeuilleOrmane> feuille = window::creeFeuilleOrmane(session);
    EtatModule module;

    Fenetre() {
        window::FeuilleOrmane& f = *feuille;
        f.load();
        module.NbDecimales = 3;
        module.ChoixStatistique = Statistique::PBilateral;
        f.optionButton("Optiont", 3).setValue(Vrai);
        f.textBox("Textedf").setText("9");
        f.textBox("Textet", 3).setText("0.30");
        f.comboBox("Textealpha").setText("0.05");
        f.comboBox("TexteGamma").setText("0.90");
        f.comboBox("TexteGarantie", 0).setText("95");
        f.comboBox("TexteGarantie", 1).setText("95");
        f.textBox("TexteEffet", 0).setText(FormateNombre(1.09971619639466 / std::sqrt(10.0), 8));
        f.textBox("TexteEffet", 1).setText("5");
    }
};

void BM_MiseAJOURExempleDemarrage(benchmark::State& etat) {
    Fenetre fenetre;
    for (auto _ : etat) {
        std::int16_t calcule = 1;
        MiseAJOUR(*fenetre.feuille, fenetre.module, calcule);
    }
    // Every result must have been computed, or the figure means nothing.
    const ResultatsConserves& r = fenetre.module.resultats;
    if (!r[Resultat::Psrep] || !r[Resultat::Ppreprep] || !r[Resultat::pReplique] ||
        !r[Resultat::Effet] || !r[Resultat::EffetReplique]) {
        etat.SkipWithError("a result is missing");
    }
}
BENCHMARK(BM_MiseAJOURExempleDemarrage)->Unit(benchmark::kMicrosecond);

// The refresh's numeric calls for the start-up example, in its order: t from p1 = 0.15,
// prep, psrep (alpha 0.05 two-tailed), ppreprep (gamma 0.90), the K-prime quantiles of the
// t prediction interval, the two Student tails of the p interval and the K-prime quantiles
// of the standardized effect's estimate.
void BM_NumeriqueExempleDemarrage(benchmark::State& etat) {
    const double df = 9;
    const double c = 1;
    const double tR = std::sqrt(c / (c + 1));
    const double S = std::sqrt(c + 1);
    for (auto _ : etat) {
        CodeErreur e = kSucces;
        const double t =
            -QuantileAvecReprise("t", 0.15, ParametresLoi{0, df, 0, 0, 0}, kRepriseIntervalles, e);
        benchmark::DoNotOptimize(CalculPrep(t, df, c, e));
        benchmark::DoNotOptimize(CalculePsrep(0.025, t, df, df, c, e));
        benchmark::DoNotOptimize(CalculePpreprep(0.9, t, df, df, c, e));
        const ParametresLoi replique{0, df, df, 0, tR * t};
        const double kInf = QuantileAvecReprise("K", 0.025, replique, kRepriseIntervalles, e);
        const double kSup = QuantileAvecReprise("K", 0.975, replique, kRepriseIntervalles, e);
        benchmark::DoNotOptimize(RepartitionStudent(-S * kInf, df, kPrecisionStudent, e));
        benchmark::DoNotOptimize(RepartitionStudent(-S * kSup, df, kPrecisionStudent, e));
        const ParametresLoi lambdaPrime{0, df, 1e300, 0, t};
        benchmark::DoNotOptimize(
            QuantileAvecReprise("K", 0.025, lambdaPrime, kRepriseIntervalles, e));
        benchmark::DoNotOptimize(
            QuantileAvecReprise("K", 0.975, lambdaPrime, kRepriseIntervalles, e));
        if (e != kSucces) etat.SkipWithError("a numeric call failed");
    }
}
BENCHMARK(BM_NumeriqueExempleDemarrage)->Unit(benchmark::kMicrosecond);

}  // namespace
