// Speed of one refresh of the main window on the start-up example (two-tailed p 0.30 with
// 9 degrees of freedom): the statistic boxes, prep, psrep, ppreprep, the t and p prediction
// intervals at 95 % and the standardized effect's estimate and prediction at 95 %, all
// written into the window model.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "compute/module_state.h"
#include "compute/refresh.h"
#include "numeric/number_format.h"
#include "window/design/feuille_ormane.h"
#include "window/model/session.h"
#include "headless/headless_platform.h"

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
        module.ChoixStatistique = 3;
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

}  // namespace
