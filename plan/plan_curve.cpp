#include "plan/plan_curve.h"

#include <algorithm>
#include <cmath>

#include "numeric/number_format.h"

namespace ormane {

window::CurveFigure FigurePlan(const DemandePlan& demande, const ResultatPlan& resultat,
                               Langue langue) {
    const bool fr = EnFrancais(langue);
    window::CurveFigure f;
    const double bout = resultat.nFutur ? 2.0 * static_cast<double>(*resultat.nFutur)
                                        : 20.0 * std::ceil(resultat.nObserve);
    const auto nMax =
        static_cast<std::int64_t>(std::clamp(bout, 10.0, static_cast<double>(kNFuturMaximum)));
    f.xMin = static_cast<double>(kNFuturMinimum);
    f.xMax = static_cast<double>(nMax);
    f.yMin = 0;
    f.yMax = 1;
    std::int64_t precedent = 0;
    for (int i = 0; i < kPointsCourbePlan; ++i) {
        const double x = f.xMin + (f.xMax - f.xMin) * i / (kPointsCourbePlan - 1);
        const auto n = static_cast<std::int64_t>(std::llround(x));
        if (n == precedent) continue;
        precedent = n;
        CodeErreur erreur = kSucces;
        const double y = ProbabiliteCible(demande, n, erreur);
        if (erreur != kSucces || !std::isfinite(y)) continue;
        f.points.push_back({static_cast<double>(n), y});
    }
    f.levels.push_back({demande.probabilite, "P = " + FormateNombre(demande.probabilite, -16)});
    f.levels.push_back(
        {resultat.limite, (fr ? "limite " : "limit ") + FormateNombre(resultat.limite, 3)});
    if (resultat.nFutur) {
        f.marks.push_back(
            {static_cast<double>(*resultat.nFutur), "n' = " + std::to_string(*resultat.nFutur)});
    }
    f.xMinText = std::to_string(kNFuturMinimum);
    f.xMaxText = std::to_string(nMax);
    f.yMinText = "0";
    f.yMaxText = "1";
    f.xTitle = fr ? "n' par cellule" : "n' per cell";
    f.yTitle = "P";
    return f;
}

}  // namespace ormane
