#include "serie_depuis_zero.h"

#include <cmath>

namespace basfun_interne {

namespace {

// A forward sum needs its first weight and first D representable wherever what follows them
// matters; w(0) >= e^-(lambda^2/2) and D(1/2) ~ e^-(x^2/2) unless J stays negligible. Their
// relative error, a few ulps times lambda^2/2 and x^2/2, also grows with these. Past them the
// series started at its peak is the method.
constexpr double kPoidsInitialMin = 1e-250;
constexpr double kCentreMax = 500;

struct Somme {
    double valeur = 0;
    bool ok = false;
};

// Where a sum starts: index o, its weight w(o), J(o + 1/2) or 1 - J(o + 1/2), and D(o + 1/2).
struct Depart {
    double o, poids, j, ecart;
};

// S_P = sum_k D(k + 1/2) W(k), W(k) = w(0) + ... + w(k) <= 1: the rest after index k is
// below the D's still to come, a geometric tail once their ratio is below 1.
Somme SommeParEcarts(const PoidsMelange& w, const FonctionIncomplete& f, const Depart& depart,
                     double precision, long& budget) {
    double t = 0, a = 0.5, wv = depart.poids, d = depart.ecart, cumul = wv, s = 0;
    for (;;) {
        s += d * cumul;
        if (--budget < 0) return {};
        d *= f.RapportEcart(a);
        const double rapportMax = f.RapportEcartMaxAuDela(a);
        if (rapportMax < 1 && d <= precision * (1 - rapportMax)) return {s, true};
        wv *= w.Rapport(t);
        cumul += wv;
        t += 1;
        a += 1;
    }
}

// A bound of a sum still to come, min(majorant, terme / (1 - rapport)) with `rapport` above
// every ratio of its terms, kept as a fraction so that testing it needs no division.
struct Borne {
    double numerateur, denominateur;
};
Borne BorneQueue(double majorant, double terme, double rapport) {
    const double marge = 1 - rapport;
    if (!(marge > 0)) return {majorant, 1};
    const double m = majorant * marge;
    return {m < terme ? m : terme, marge};
}

// sum_j w(j + o) J(j + o + 1/2), J falling by D at each step. The rest is below J(next)
// times the weights to come, which total at most `masse` and form a geometric tail once
// their ratio is below 1. J(next) is bounded by the D's still to come as well: J formed by
// subtraction keeps a rounding floor near 1e-16, which a tighter precision never reaches.
Somme SommeAvecJ(const PoidsMelange& w, const FonctionIncomplete& f, const Depart& depart,
                 double masse, double precision, long& budget) {
    double t = depart.o, a = t + 0.5, wv = depart.poids, jv = depart.j, d = depart.ecart, s = 0;
    for (;;) {
        s += wv * jv;
        if (--budget < 0) return {};
        wv *= w.Rapport(t);
        jv = jv > d ? jv - d : 0.0;
        d *= f.RapportEcart(a);
        const Borne resteJ = BorneQueue(jv, d, f.RapportEcartMaxAuDela(a));
        const Borne restePoids = BorneQueue(masse, wv, w.RapportMaxAuDela(t));
        if (resteJ.numerateur * restePoids.numerateur <=
            precision * resteJ.denominateur * restePoids.denominateur)
            return {s, true};
        t += 1;
        a += 1;
    }
}

// sum_j w(j + o) (1 - J(j + o + 1/2)), 1 - J rising by D at each step. 1 - J <= 1, so the
// rest is below the weights to come.
Somme SommeAvecComplement(const PoidsMelange& w, const FonctionIncomplete& f, const Depart& depart,
                          double precision, long& budget) {
    double t = depart.o, a = t + 0.5, wv = depart.poids, gv = depart.j, d = depart.ecart, s = 0;
    for (;;) {
        s += wv * gv;
        if (--budget < 0) return {};
        wv *= w.Rapport(t);
        gv = gv + d < 1 ? gv + d : 1.0;
        d *= f.RapportEcart(a);
        const double rapportMax = w.RapportMaxAuDela(t);
        if (rapportMax < 1 && wv <= precision * (1 - rapportMax)) return {s, true};
        t += 1;
        a += 1;
    }
}

}  // namespace

double TermesDepuisZero(const PoidsMelange& w, const FonctionIncomplete& f) {
    const double finPoids = w.FinEstimee(), finJ = f.FinEstimee();
    const double premiere = std::fmin(finPoids, finJ);
    const double p = f.ComplementDemiCourt() ? premiere : finJ;
    const double q = w.UnMoinsMasseDemiCourte() ? premiere : finPoids;
    return std::isnan(p + q) ? HUGE_VAL : p + q;
}

ValeurSerie SerieDepuisZero(const PoidsMelange& w, const FonctionIncomplete& f, double signe,
                            double precision, long budget) {
    if (!(f.Centre() <= kCentreMax)) return {};
    const PoidsMelange::Debut poids = w.ValeursDebut();
    const FonctionIncomplete::Debut debut = f.ValeursDebut();
    if (!(poids.zero >= kPoidsInitialMin) || !std::isfinite(poids.demi) ||
        !std::isfinite(debut.ecartDemi) || !std::isfinite(debut.ecartUn))
        return {};
    // F takes half of each sum, so half the precision for each leaves room for the short
    // series and the rounding.
    const double precisionSomme = precision / 2;
    const double precisionDemi = precision / 8;

    Somme sp;
    if (f.ComplementDemiCourt()) {
        const double jDemi = 1 - f.ComplementDemi(debut.ecartDemi, precisionDemi);
        sp = SommeAvecJ(w, f, {0, poids.zero, jDemi, debut.ecartDemi}, 1.0, precisionSomme, budget);
    } else {
        sp = SommeParEcarts(w, f, {0, poids.zero, 0, debut.ecartDemi}, precisionSomme, budget);
    }
    if (!sp.ok) return {};
    // lambda = 0: only w(0) = 1 is left, and F_t(0; nu1) = 1/2.
    if (signe == 0) return {0.5 + 0.5 * sp.valeur, std::isfinite(sp.valeur)};

    const Depart departQ{0.5, poids.demi, debut.complementUn, debut.ecartUn};
    double p;
    if (w.UnMoinsMasseDemiCourte()) {
        const double unMoinsM = w.UnMoinsMasseDemiParSerie(poids.demi, precisionDemi);
        Depart departJ = departQ;
        departJ.j = 1 - debut.complementUn;
        const Somme sq = SommeAvecJ(w, f, departJ, 1 - unMoinsM, precisionSomme, budget);
        if (!sq.ok) return {};
        p = 0.5 * (1 - signe * (1 - unMoinsM)) + 0.5 * sp.valeur + 0.5 * signe * sq.valeur;
    } else {
        const Somme sq = SommeAvecComplement(w, f, departQ, precisionSomme, budget);
        if (!sq.ok) return {};
        p = 0.5 + 0.5 * sp.valeur - 0.5 * signe * sq.valeur;
    }
    return {p, std::isfinite(p)};
}

}  // namespace basfun_interne
