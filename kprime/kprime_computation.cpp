#include "kprime/kprime_computation.h"

#include <cmath>
#include <utility>

#include "numeric/basfun_loader.h"
#include "numeric/kprime_moments.h"
#include "numeric/kprime_tails.h"
#include "numeric/quantile_retry.h"
#include "numeric/special_functions.h"

namespace ormane {

namespace {

double Normalise(double nu) {
    return DdlInfini(nu) ? kDdlInfini : nu;
}

// Secant steps on the logarithm of the smaller tail, from the search's answer: the search
// meets p within an absolute tolerance, which in a far tail leaves x loose. A step is kept
// only while it brings the tail closer to its target, and there are at most this many.
constexpr int kPasAffinage = 6;

double Affine(double x0, double p, double nu1, double nu2, double lambda) {
    const bool bas = p <= 0.5;
    const double cible = bas ? p : 1 - p;  // exact for p in [1/2, 1]
    const auto ecart = [&](double x, double& g) {
        CodeErreur code = kSucces;
        const DeuxQueues q = QueuesDe(x, nu1, nu2, lambda, code);
        const double queue = bas ? q.inferieure : q.superieure;
        if (code < 0 || !(queue > 0)) return false;
        g = std::log(queue / cible);
        return std::isfinite(g);
    };
    double xa = x0, ga = 0;
    if (!ecart(xa, ga) || ga == 0) return x0;
    double xb = x0 + 1e-7 * std::fmax(std::fabs(x0), 1.0), gb = 0;
    if (!ecart(xb, gb)) return x0;
    double meilleur = std::fabs(ga) <= std::fabs(gb) ? xa : xb;
    double gMeilleur = std::fmin(std::fabs(ga), std::fabs(gb));
    for (int i = 0; i < kPasAffinage && gb != ga && gMeilleur > 0; ++i) {
        const double xc = xb - gb * (xb - xa) / (gb - ga);
        double gc = 0;
        if (!std::isfinite(xc) || !ecart(xc, gc)) break;
        if (std::fabs(gc) < gMeilleur) {
            meilleur = xc;
            gMeilleur = std::fabs(gc);
        }
        if (std::fabs(xc - xb) <= 1e-15 * std::fabs(xc)) break;
        xa = xb;
        ga = gb;
        xb = xc;
        gb = gc;
    }
    return meilleur;
}

// The quantile of K at p, or nothing when the search fails.
std::optional<double> Quantile(double p, double nu1, double nu2, double lambda) {
    CodeErreur code = kSucces;
    const double x = QuantileAvecReprise("K", p, ParametresLoi{0, nu1, nu2, 0, lambda},
                                         kRepriseIntervalles, code);
    if (code < 0 || !std::isfinite(x)) return std::nullopt;
    return Affine(x, p, nu1, nu2, lambda);
}

}  // namespace

// Each tail from the library directly, so that a small one keeps its relative accuracy.
DeuxQueues QueuesDe(double x, double nu1, double nu2, double lambda, CodeErreur& code) {
    code = kSucces;
    const QueuesKprime q = CalculeQueuesKprime(x, nu1, nu2, lambda, code);
    if (code < 0) return {};
    return {q.inferieure, q.superieure};
}

ResultatsKprime CalculeKprime(const EntreesKprime& e) {
    ResultatsKprime r;
    if (!(e.nu1 > 0)) {
        r.etat = EtatKprime::Nu1Invalide;
        return r;
    }
    if (!(e.nu2 > 0)) {
        r.etat = EtatKprime::Nu2Invalide;
        return r;
    }
    if (e.mode == ModeKprime::Probabilite && !(e.valeur > 0 && e.valeur < 1)) {
        r.etat = EtatKprime::ProbabiliteHorsLimites;
        return r;
    }
    if (!BasfunDisponible()) {
        r.etat = EtatKprime::BibliothequeAbsente;
        return r;
    }
    const double nu1 = Normalise(e.nu1);
    const double nu2 = Normalise(e.nu2);
    const double lambda = e.lambda;

    if (e.mode == ModeKprime::Limite) {
        r.x = e.valeur;
    } else {
        r.x = Quantile(e.valeur, nu1, nu2, lambda);
    }
    if (r.x) {
        CodeErreur code = kSucces;
        const DeuxQueues q = QueuesDe(*r.x, nu1, nu2, lambda, code);
        if (code >= 0) {
            r.inferieure = q.inferieure;
            r.superieure = q.superieure;
        }
    }

    const MomentsKprime m = MomentsDeKprime(nu1, nu2, lambda);
    r.moyenne = m.moyenne;
    r.ecartType = m.ecartType;
    // K is symmetric about 0 when lambda = 0.
    r.mediane = lambda == 0 ? std::optional<double>(0.0) : Quantile(0.5, nu1, nu2, lambda);

    using enum ResultatsKprime::Manquant;
    const std::pair<bool, ResultatsKprime::Manquant> manquants[] = {
        {!r.x, X},
        {!r.inferieure, Queues},
        {e.nu2 > 1 && !r.moyenne, Moyenne},
        {!r.mediane, Mediane},
        {e.nu2 > 2 && !r.ecartType, EcartType}};
    for (const auto& [manque, resultat] : manquants) {
        if (manque && r.premierManquant == Aucun) r.premierManquant = resultat;
    }
    r.echecNumerique = r.premierManquant != Aucun;
    return r;
}

}  // namespace ormane
