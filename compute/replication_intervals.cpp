#include "compute/replication_intervals.h"

#include <cmath>
#include <initializer_list>
#include <optional>
#include <utility>

#include "compute/entry_names.h"
#include "compute/interval_text.h"
#include "compute/results_table.h"
#include "numeric/arithmetique_controlee.h"
#include "numeric/quantile_retry.h"
#include "numeric/student.h"
#include "reading/read_entry.h"

namespace ormane {

namespace {

constexpr double kInfini = 1e300;  // stands for an infinite number of degrees of freedom

// A guarantee level entered in percent, as a probability.
double LitGarantie(window::FeuilleOrmane& F, std::int16_t index) {
    return LitValeur(F.comboBox("TexteGarantie", index)) / 100;
}

bool GarantieAcceptee(double g) {
    return !(g > 1 || g < 0.5);
}

// An effect interval needs an observed effect.
bool EffetEntre(const window::TextBox& boite, double d) {
    return d != 0 && !EstBlanc(boite.text());
}

// Keeps an interval lower limit first (a negative t or effect reverses the product of a
// scale and a quantile) and shows it.
const ValeurConservee& Garde(window::FeuilleOrmane& F, ResultatsConserves& k, Resultat r, double a,
                             double b, std::int16_t nbDecimales) {
    k.garde(r, Fini(a), Fini(b));
    const ValeurConservee& v = *k[r];
    EtiquetteDe(F, LigneDe(r).nom)
        .setCaption(TexteIntervalle(v.bas, v.haut, nbDecimales, MomentIntervalle::Calcul));
    return v;
}

// The K-prime law's quantiles at P and 1 - P: a central interval's limits, none if either
// search fails.
std::optional<std::pair<double, double>> QuantilesCentrauxK(const ParametresLoi& loi, double P) {
    CodeErreur codeInf = kSucces, codeSup = kSucces;
    const double inf = QuantileAvecReprise("K", P, loi, kRepriseIntervalles, codeInf);
    const double sup = QuantileAvecReprise("K", 1 - P, loi, kRepriseIntervalles, codeSup);
    if (codeInf != kSucces || codeSup != kSucces) return std::nullopt;
    return std::pair{inf, sup};
}

void Manque(ResultatsConserves& k, std::initializer_list<Resultat> resultats, Raison raison) {
    for (const Resultat r : resultats) {
        if (k.raison(r) == Raison::Aucune) k.raison(r) = raison;
    }
}

}  // namespace

void CalculeIntervallesReplication(window::FeuilleOrmane& F, EtatModule& module, double t,
                                   double df, double dfR, double c) {
    ResultatsConserves& k = module.resultats;
    const std::int16_t n = module.NbDecimales;
    using enum Resultat;

    const double s = RacineCarree(Divise(c, Fini(c + 1)));
    const double S = RacineCarree(Fini(c + 1));
    const double tR = Fini(t * s);

    const double g1 = LitGarantie(F, 1);
    if (!GarantieAcceptee(g1)) {
        Manque(k, {tReplique, pReplique, Effet, EffetReplique}, Raison::GarantieHorsLimites);
        return;
    }
    // At 100 percent a prediction interval is the whole line: no limit to show, and none to
    // compute (the quantiles of 0 and 1 are infinite).
    const bool predictionTotale = g1 == 1;
    const double P1 = (1 - g1) / 2;

    // Student t of the future experiment: S times a K-prime variable.
    bool intervalleT = false;
    if (predictionTotale) {
        Manque(k, {tReplique, pReplique, EffetReplique}, Raison::GarantieTotale);
    } else {
        if (const auto K = QuantilesCentrauxK(ParametresLoi{0, df, dfR, 0, tR}, P1)) {
            const ValeurConservee& tFutur = Garde(F, k, tReplique, S * K->first, S * K->second, n);
            intervalleT = true;

            // The same interval as one-tailed p values, the smaller first. For a positive t
            // the upper tail is read as the lower tail of -t: 1 - F(t) would lose small p.
            const double signe = tR >= 0 ? -1.0 : 1.0;
            CodeErreur codeA = kSucces, codeB = kSucces;
            const double a = RepartitionStudent(signe * tFutur.bas, dfR, kPrecisionStudent, codeA);
            const double b = RepartitionStudent(signe * tFutur.haut, dfR, kPrecisionStudent, codeB);
            if (codeA == kSucces && codeB == kSucces && a != 0 && b != 0) {
                Garde(F, k, pReplique, a, b, n);
            } else if (codeA == kSucces && codeB == kSucces) {
                // A tail beyond the doubles: the value is the entries', not a failure.
                Manque(k, {pReplique}, Raison::PSousLesDoubles);
            } else {
                Manque(k, {pReplique}, Raison::EchecNumerique);
            }
        } else {
            Manque(k, {tReplique, pReplique}, Raison::EchecNumerique);
        }
    }

    const double g0 = LitGarantie(F, 0);
    if (!GarantieAcceptee(g0)) {
        Manque(k, {Effet, EffetReplique}, Raison::GarantieHorsLimites);
        return;
    }
    const double P0 = (1 - g0) / 2;

    const bool standardise = F.optionButton("OptionEffet", 0).value() != Faux;
    const window::TextBox& boite = F.textBox("TexteEffet", standardise ? 0 : 1);
    const double d = LitValeur(boite);
    if (!EffetEntre(boite, d)) {
        Manque(k, {Effet, EffetReplique}, Raison::EffetAbsent);
        return;
    }
    // The effect's scale is d / t: an effect observed with t = 0 has no interval.
    if (t == 0) {
        Manque(k, {Effet, EffetReplique}, Raison::TNul);
        return;
    }
    // The estimate at 100 percent is the whole line; at exactly 50 percent none is given.
    bool estimation = true;
    if (g0 == 1) {
        Manque(k, {Effet}, Raison::GarantieTotale);
        estimation = false;
    } else if (g0 == 0.5) {
        Manque(k, {Effet}, Raison::GarantieEffetMoitie);
        estimation = false;
    }

    if (standardise) {
        // Standardized effect: d / t times a K-prime variable with an infinite second number
        // of degrees of freedom.
        const double r = Divise(d, t);
        const double f = Divise(r, RacineCarree(c));
        if (estimation) {
            if (const auto D = QuantilesCentrauxK(ParametresLoi{0, df, kInfini, 0, t}, P0)) {
                Garde(F, k, Effet, r * D->first, r * D->second, n);
            } else {
                Manque(k, {Effet}, Raison::EchecNumerique);
            }
        }
        if (intervalleT) {
            Garde(F, k, EffetReplique, f * k[tReplique]->bas, f * k[tReplique]->haut, n);
        } else {
            Manque(k, {EffetReplique}, Raison::EchecNumerique);
        }
        return;
    }

    // Raw effect: d / t is its standard error, Student quantiles give the half-widths.
    const ParametresLoi student{0, df, 0, 0, 0};
    CodeErreur code0 = kEchec;
    double q0 = 0;
    if (estimation) {
        code0 = kSucces;
        q0 = QuantileAvecReprise("t", (1 + g0) / 2, student, kRepriseIntervalles, code0);
        if (code0 == kSucces) {
            const double h0 = Fini(Divise(d, t) * q0);
            Garde(F, k, Effet, d - h0, d + h0, n);
        } else {
            Manque(k, {Effet}, Raison::EchecNumerique);
        }
    }
    if (predictionTotale) return;
    double q1 = q0;
    CodeErreur code1 = code0;
    if (!(estimation && dfR == df && g1 == g0)) {
        code1 = kSucces;
        q1 = -QuantileAvecReprise("t", P1, student, kRepriseIntervalles, code1);
    }
    if (code1 == kSucces) {
        const double h1 = Divise(Fini(Divise(d, t) * q1), s);
        Garde(F, k, EffetReplique, d - h1, d + h1, n);
    } else {
        Manque(k, {EffetReplique}, Raison::EchecNumerique);
    }
}

}  // namespace ormane
