#include "serie_melange.h"

#include <algorithm>
#include <cmath>

namespace basfun_interne {

namespace {

// Direct evaluations every this many terms keep the recurrences' rounding below ~1e-13.
constexpr long kPasReamorcage = 1024;
// How often the exact leftover mass is looked at when the geometric bound is too loose.
constexpr long kPasControleMasse = 256;
// Where J falls, each step subtracts D from it and multiplies its relative error by
// J / (J - D): harmless for an absolute accuracy, but a tail summed to its last digits
// re-evaluates J directly once the product of those factors passes this.
constexpr double kPerteMax = 64;

// The index near which w(t) J(t + 1/2) is largest: between the weights' mode and J's
// cross-over, where the product of the two step ratios falls through 1. It is kept where
// the weights are still representable, so that neither recurrence starts from an underflow.
double IndiceDeDepart(const PoidsMelange& w, const FonctionIncomplete& f, double o) {
    const double tMode = w.Mode();
    const double tCentre = std::fmax(0.0, f.Centre() - 0.5);
    double lo = std::fmin(tMode, tCentre), hi = std::fmax(tMode, tCentre);
    auto monte = [&](double t) { return w.Rapport(t) * f.RapportEcart(t + 0.5) >= 1; };
    double t = lo;
    if (monte(hi)) {
        t = hi;
    } else if (monte(lo)) {
        for (int i = 0; i < 200 && hi - lo > 0.5; ++i) {
            const double milieu = 0.5 * (lo + hi);
            (monte(milieu) ? lo : hi) = milieu;
        }
        t = lo;
    }
    const double logMax = w.LogPoids(tMode);
    if (std::isfinite(logMax) && !(w.LogPoids(t) >= logMax - 600)) {
        double proche = tMode, loin = t;
        for (int i = 0; i < 200 && std::fabs(loin - proche) > 0.5; ++i) {
            const double milieu = 0.5 * (proche + loin);
            (w.LogPoids(milieu) >= logMax - 600 ? proche : loin) = milieu;
        }
        t = proche;
    }
    return std::fmax(0.0, std::floor(t - o + 0.5));
}

struct Marche {
    const PoidsMelange& w;
    const FonctionIncomplete& f;
    double o;
    bool complement;  // J is 1 - I (increasing in the index) rather than I
    double masseTotale;
    double precision;
    long& budget;
    // Each term to its own relative accuracy (a tail summed for its last digits): see
    // kPerteMax.
    bool relative;
};

// Sums the terms from index j on, going up (sens = +1) or down (sens = -1).
double Parcourir(const Marche& m, double j, int sens, bool& converge) {
    // I falls as the index grows, 1 - I rises.
    const bool jDecroit = (sens > 0) != m.complement;
    double total = 0;
    for (;;) {
        double t = j + m.o, a = t + 0.5;
        double wv = m.w.Poids(t);
        double jv = m.f.Valeur(a, m.complement);
        double dv = sens > 0 ? m.f.Ecart(a) : (j >= 1 ? m.f.Ecart(a - 1) : 0.0);
        if (!std::isfinite(wv) || !std::isfinite(jv) || !std::isfinite(dv)) {
            converge = false;
            return total;
        }
        double bloc = 0, perte = 1;
        for (long pas = 1; pas <= kPasReamorcage; ++pas) {
            bloc += wv * jv;
            if (--m.budget < 0) {
                converge = false;
                return total + bloc;
            }
            if (sens < 0 && j < 1) return total + bloc;
            double wSuiv, jSuiv, dSuiv, rho;
            if (sens > 0) {
                wSuiv = wv * m.w.Rapport(t);
                jSuiv = m.complement ? jv + dv : jv - dv;
                dSuiv = dv * m.f.RapportEcart(a);
                rho = m.w.RapportMaxAuDela(t + 1);
            } else {
                wSuiv = wv * m.w.RapportArriere(t);
                jSuiv = m.complement ? jv - dv : jv + dv;
                dSuiv = dv / m.f.RapportEcart(a - 2);
                rho = m.w.RapportArriereMaxEnDeca(t - 1);
            }
            jSuiv = std::clamp(jSuiv, 0.0, 1.0);
            if (m.relative && jDecroit) {
                perte *= jv / jSuiv;
                if (!(perte <= kPerteMax)) {
                    jSuiv = m.f.Valeur(a + sens, m.complement);
                    perte = 1;
                }
            }
            // Weight mass of the terms not yet summed: geometric bound, or the exact
            // closed form now and then.
            double masse = rho < 1 ? std::fmin(m.masseTotale, wSuiv / (1 - rho)) : m.masseTotale;
            auto masseExacte = [&] {
                return sens > 0 ? m.w.MasseDepuis(t + 1) : m.w.MasseAvant(t, m.o);
            };
            const bool controle = pas % kPasControleMasse == 0;
            if (jDecroit) {
                if (jSuiv * masse <= m.precision) return total + bloc;
                if (controle && jSuiv * masseExacte() <= m.precision) return total + bloc;
            } else {
                if (masse <= m.precision) return total + bloc;
                if (controle || (1 - jSuiv) * masse <= m.precision) {
                    const double exacte = masseExacte();
                    if (exacte <= m.precision) return total + bloc;
                    // J is 1 to the precision asked over all the rest: add it in one go.
                    if ((1 - jSuiv) * exacte <= m.precision)
                        return total + bloc + exacte * (1 + jSuiv) / 2;
                }
            }
            wv = wSuiv;
            jv = jSuiv;
            dv = dSuiv;
            j += sens;
            t += sens;
            a += sens;
        }
        total += bloc;
    }
}

}  // namespace

SommeMelange SommeSerie(const PoidsMelange& w, const FonctionIncomplete& f, double o,
                        double precision, long& budget, SommeDirecte directe) {
    SommeMelange s;
    const double masseTotale = w.MasseTotale(o);
    // Sum whichever of J and 1 - J is small where the weights are: its terms are the ones
    // that can be tiny, and the other follows from the total mass.
    const bool complement = directe == SommeDirecte::LaPlusPetite
                                ? !(f.Centre() - 0.5 < w.Mode())
                                : directe == SommeDirecte::AvecComplement;
    const Marche m{w,           f,         o,      complement,
                   masseTotale, precision, budget, directe != SommeDirecte::LaPlusPetite};
    const double j0 = IndiceDeDepart(w, f, o);
    double somme = Parcourir(m, j0, +1, s.converge);
    if (j0 >= 1 && s.converge) somme += Parcourir(m, j0 - 1, -1, s.converge);
    if (!std::isfinite(somme) || !std::isfinite(masseTotale)) s.converge = false;
    s.avecJ = complement ? masseTotale - somme : somme;
    s.avecComplement = complement ? somme : masseTotale - somme;
    return s;
}

}  // namespace basfun_interne
