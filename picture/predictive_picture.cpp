#include "picture/predictive_picture.h"

#include <algorithm>
#include <cmath>

#include "numeric/distribution.h"
#include "numeric/kprime_density.h"
#include "numeric/kprime_start.h"
#include "numeric/quantile_retry.h"
#include "numeric/student.h"
#include "numeric/student_density.h"

namespace ormane {

namespace {

// The range drawn holds all but this share of the distribution on each side. Tails below 0.1 %
// the library computes to their last digits, in up to five times the time: the search for this
// share's quantiles stays clear of them.
constexpr double kQueueHorsImage = 0.002;
constexpr double kMarge = 0.04;  // of the range, on each side
// The density is computed every this many samples, and between them only where straight
// lines between its values would be off by more than this share of its largest value (a
// tenth of a pixel of a plot 200 pixels high).
constexpr int kPasGrossier = 16;
constexpr double kEcartTolere = 5e-4;

struct Variable {
    double S;       // the future t is S K
    double lambda;  // K's noncentrality
};

Variable VariableDe(const DernierCalcul& k) {
    return {std::sqrt(k.c + 1), k.t * std::sqrt(k.c / (k.c + 1))};
}

// The range's ends need a fraction of a pixel only: the search for them stops once F is within
// this share of the tail left out, which moves an end by about that share of the tail's width,
// at a few evaluations of a distribution function asked to that tolerance.
constexpr double kPrecisionQueue = 1e-4;

// Below one degree of freedom a tail of 0.2 % may lie beyond any double, which a search finds
// only after a long walk outwards: F at the last double says so at once.
constexpr double kBorneDouble = 1e300;

// Once both df reach this, the normal approximation of K's quantiles puts the range's ends
// within 0.2 % of its width of the exact ones (about a pixel), where each distribution
// function a search asks for takes a millisecond.
constexpr double kDdlQuasiNormaux = 1e4;

std::optional<double> QuantileTFutur(double p, const DernierCalcul& k) {
    const Variable v = VariableDe(k);
    if (k.df >= kDdlQuasiNormaux && k.dfR >= kDdlQuasiNormaux) {
        const std::optional<double> n = QuantileKprimeNormal(p, k.df, k.dfR, v.lambda);
        if (n && std::isfinite(v.S * *n)) return v.S * *n;
    }
    if (k.df < 1 || k.dfR < 1) {
        const bool bas = p < 0.5;
        CodeErreur code = kSucces;
        const double F = RepartitionLoi("K", bas ? -kBorneDouble : kBorneDouble, 0, k.df, k.dfR, 0,
                                        v.lambda, kPrecisionQueue * std::min(p, 1 - p), code);
        if (code >= 0 && (bas ? F > p : F < p)) return std::nullopt;
    }
    double pas = 1;
    CodeErreur erreur = kSucces;
    const double q = QuantileLoi("K", Vrai, -1e300, Vrai, 1e300, 0, pas, p, 0, k.df, k.dfR, 0,
                                 v.lambda, 0, 1, kPrecisionQueue * std::min(p, 1 - p), erreur);
    if (erreur < 0 || !std::isfinite(q) || !std::isfinite(v.S * q)) return std::nullopt;
    return v.S * q;
}

// Whether more than p of K lies beyond kBorneDouble on a side that holds `partDuCote` of it (the
// share of Z + lambda U on that side of 0): the side's quantile then lies beyond any double,
// and no search need look for it. K is beyond the bound whenever Z + lambda U is beyond d on
// that side and V < d / B. Z's density, at most 1 / sqrt(2 pi), leaves at most
// d / sqrt(2 pi) of Z + lambda U between 0 and d; and with a = nu2 / 2 and
// y = nu2 d^2 / (2 B^2), P(V < d / B) = P(Gamma(a) < y) >= y^a e^-y / Gamma(a + 1). Only a
// tiny nu2 gets there: V is then almost always below the reciprocal of any double.
bool QueueAuDelaDesDoubles(double partDuCote, double nu2, double p) {
    constexpr double d = 1e-3;
    const double partZ = partDuCote - d / std::sqrt(2 * M_PI);
    if (!(partZ > p)) return false;
    const double a = nu2 / 2;
    const double logY =
        std::log(nu2) + 2 * std::log(d) - 2 * std::log(kBorneDouble) - std::log(2.0);
    const double logPartV = a * logY - std::exp(logY) - std::lgamma(a + 1);
    return partZ * std::exp(logPartV) > p;
}

// The future t's quantiles of kQueueHorsImage and 1 - kQueueHorsImage, where the range may
// stop short of them: nullopt for a side whose end 0 or the marks set anyway.
// - K <= 0 where Z / U <= -lambda: F(0) is Student's at -lambda. A side that holds less than
//   the tail left out has its quantile beyond 0, where 0 sets that end: its costly search
//   (far in a steep tail) is spared.
// - A side whose tail lies beyond any double (a tiny dfR) has its end set by the marks.
// - On the side opposite lambda (below 0 for lambda > 0), K <= x < 0 needs Z <= x V since
//   lambda U >= 0: F is below Student's F(x; nu2) there, and the side's quantile lies between
//   Student's quantile and 0. Where that stretch is within a quarter of the margin of the
//   range's width (a steep entry, the other side spreading far), Student's quantile ends the
//   range and its search, the slow one, is spared.
std::pair<std::optional<double>, std::optional<double>> QueuesHorsImage(const DernierCalcul& k) {
    const Variable v = VariableDe(k);
    CodeErreur erreurZero = kSucces;
    const double sousZero = RepartitionStudent(-v.lambda, k.df, kPrecisionStudent, erreurZero);
    const double surZero = 1 - sousZero;  // Student's law is symmetric; only 0.2 % is compared
    const bool zeroConnu = erreurZero == kSucces;
    // Whether 0 or the marks set the end of a side holding `part` of K.
    const auto finFixee = [&](double part) {
        return zeroConnu &&
               (part <= kQueueHorsImage || QueueAuDelaDesDoubles(part, k.dfR, kQueueHorsImage));
    };
    const auto cherche = [&](double part, double p) -> std::optional<double> {
        if (finFixee(part)) return std::nullopt;
        return QuantileTFutur(p, k);
    };
    if (v.lambda == 0)
        return {cherche(sousZero, kQueueHorsImage), cherche(surZero, 1 - kQueueHorsImage)};
    const bool positif = v.lambda > 0;
    const std::optional<double> proche =
        positif ? cherche(surZero, 1 - kQueueHorsImage) : cherche(sousZero, kQueueHorsImage);
    const double partLoin = positif ? sousZero : surZero;
    const double pLoin = positif ? kQueueHorsImage : 1 - kQueueHorsImage;
    std::optional<double> loin;
    if (!finFixee(partLoin)) {
        CodeErreur erreur = kSucces;
        const double student =
            v.S * QuantileAvecReprise("t", pLoin, ParametresLoi{0, k.dfR, 0, 0, 0},
                                      kRepriseIntervalles, erreur);
        loin = proche && erreur == kSucces && std::isfinite(student) &&
                       std::abs(student) <= kMarge / 4 * std::abs(*proche - student)
                   ? student
                   : QuantileTFutur(pLoin, k);
    }
    return positif ? std::pair{loin, proche} : std::pair{proche, loin};
}

// The density at the abscissas a + (b - a) i / (n - 1): computed every kPasGrossier samples,
// then in each gap at its middle, and in halves of the gap again wherever the middle is off
// the straight line between the ends by more than the tolerance; elsewhere interpolated.
std::optional<std::vector<double>> Echantillons(const DernierCalcul& k, double a, double b, int n) {
    const auto abscisse = [&](int i) { return a + (b - a) * i / (n - 1); };
    std::vector<double> f(static_cast<std::size_t>(n), 0.0);
    std::vector<char> connu(static_cast<std::size_t>(n), 0);
    bool echec = false;
    const auto calcule = [&](int i) {
        const std::size_t j = static_cast<std::size_t>(i);
        if (connu[j]) return f[j];
        const std::optional<double> v = DensiteTFutur(abscisse(i), k);
        if (!v) echec = true;
        f[j] = v.value_or(0.0);
        connu[j] = 1;
        return f[j];
    };
    // A density that fails once leaves the picture without a curve: no need to go on.
    double plusGrand = 0;
    for (int i = 0; i < n; i += kPasGrossier) {
        plusGrand = std::max(plusGrand, calcule(i));
        if (echec) return std::nullopt;
    }
    plusGrand = std::max(plusGrand, calcule(n - 1));
    if (echec) return std::nullopt;
    // Intervals still to settle, as pairs of known ends.
    std::vector<std::pair<int, int>> aFaire;
    for (int i = 0; i < n - 1; i += kPasGrossier)
        aFaire.push_back({i, std::min(i + kPasGrossier, n - 1)});
    while (!aFaire.empty()) {
        const auto [g, d] = aFaire.back();
        aFaire.pop_back();
        if (d - g < 2) continue;
        const int m = (g + d) / 2;
        const double fm = calcule(m);
        if (echec) return std::nullopt;
        plusGrand = std::max(plusGrand, fm);
        const double lineaire =
            f[static_cast<std::size_t>(g)] +
            (f[static_cast<std::size_t>(d)] - f[static_cast<std::size_t>(g)]) * (m - g) / (d - g);
        if (std::abs(fm - lineaire) > kEcartTolere * plusGrand) {
            aFaire.push_back({g, m});
            aFaire.push_back({m, d});
            continue;
        }
        // Straight enough: the samples in between on the two lines through the middle.
        for (int i = g + 1; i < d; ++i) {
            const std::size_t j = static_cast<std::size_t>(i);
            if (connu[j]) continue;
            const int e = i < m ? g : d;
            f[j] = fm + (f[static_cast<std::size_t>(e)] - fm) * (i - m) / (e - m);
        }
    }
    return f;
}

}  // namespace

// K = (Z + lambda U) / V. Once lambda U spreads over thousands of units Z no longer shapes K,
// and K / r is K for lambda / r: its density is then taken at a lambda the series handle. U / V
// spreads by about the root of 1 / (2 nu1) + 1 / (2 nu2); below nu1 = 1 too much of U lies
// near 0 for Z to be left out.
constexpr double kLambdaRamene = 1e4;
constexpr double kEtalementSuffisant = 1e3;

std::optional<double> DensiteTFutur(double x, const DernierCalcul& k) {
    const Variable v = VariableDe(k);
    double echelle = v.S, lambda = v.lambda;
    const double etalement = std::sqrt(0.5 / k.df + 0.5 / k.dfR);
    const double lambdaRamene = std::max(kLambdaRamene, kEtalementSuffisant / etalement);
    if (k.df >= 1 && std::abs(lambda) > lambdaRamene) {
        const double r = std::abs(lambda) / lambdaRamene;
        echelle *= r;
        lambda /= r;
    }
    const std::optional<double> f = DensiteKprime(x / echelle, k.df, k.dfR, lambda);
    if (!f) return std::nullopt;
    return *f / echelle;
}

namespace {

// Whether DensiteTFutur can have a value for these entries: below one df it does not bring
// lambda down, and the density's methods stop at kBorneDensiteKprime.
bool DensitePossible(const DernierCalcul& k) {
    return k.df >= 1 || std::abs(VariableDe(k).lambda) < kBorneDensiteKprime;
}

// The range shown: [a, b] widened to hold the prediction interval (which the picture then
// brackets), with a margin on each side; none when it is empty or not finite.
std::optional<std::pair<double, double>> EtendueMontree(
    double a, double b, const std::optional<ValeurConservee>& intervalle, ImagePredictive& image) {
    if (intervalle) {
        image.intervalle = std::pair{intervalle->bas, intervalle->haut};
        a = std::min(a, intervalle->bas);
        b = std::max(b, intervalle->haut);
    }
    const double marge = (b - a) * kMarge;
    a -= marge;
    b += marge;
    if (!(b > a) || !std::isfinite(b - a)) return std::nullopt;
    return std::pair{a, b};
}

// A raw effect's own predictive law, as its prediction interval has it: the observed effect
// plus its standard error d / t, widened by sqrt((c + 1) / c), times Student's t with the
// observed experiment's degrees of freedom. The future raw effect's significance depends on
// the future experiment's own estimate of its standard error, not on a fixed raw value: no
// significance limit is drawn on this scale, nor psrep's area.
std::optional<ImagePredictive> ImageEffetBrut(const DernierCalcul& k,
                                              const ResultatsConserves& resultats, int points) {
    const double d = *k.effet;
    const double echelle = std::abs(d / k.t) * std::sqrt((k.c + 1) / k.c);
    if (!std::isfinite(echelle) || !(echelle > 0)) return std::nullopt;
    CodeErreur erreur = kSucces;
    const double q = QuantileAvecReprise("t", 1 - kQueueHorsImage, ParametresLoi{0, k.df, 0, 0, 0},
                                         kRepriseIntervalles, erreur);
    if (erreur != kSucces || !std::isfinite(echelle * q)) return std::nullopt;

    ImagePredictive image;
    image.echelle = EchelleImage::Effet;
    image.effetStandardise = false;
    image.prep = resultats.valeur(Resultat::Prep);
    image.cote = d < 0 ? -1 : 1;
    image.observe = d;
    const auto etendue =
        EtendueMontree(std::min({d - echelle * q, 0.0, d}), std::max({d + echelle * q, 0.0, d}),
                       resultats[Resultat::EffetReplique], image);
    if (!etendue) return std::nullopt;
    const auto [a, b] = *etendue;
    image.x.reserve(static_cast<std::size_t>(points));
    image.densite.reserve(static_cast<std::size_t>(points));
    for (int i = 0; i < points; ++i) {
        const double x = a + (b - a) * i / (points - 1);
        const std::optional<double> f = DensiteStudent((x - d) / echelle, k.df);
        if (!f) return std::nullopt;
        image.x.push_back(x);
        image.densite.push_back(*f / echelle);
    }
    image.xmin = image.x.front();
    image.xmax = image.x.back();
    return image;
}

}  // namespace

std::optional<ImagePredictive> CalculeImagePredictive(const DernierCalcul& k,
                                                      const ResultatsConserves& resultats,
                                                      EchelleImage echelle, int points) {
    if (points < 2 || !(k.df > 0) || !(k.dfR > 0) || !(k.c > 0)) return std::nullopt;
    // The effect's scale: the future t times d / (t sqrt(c)).
    double facteur = 1;
    if (echelle == EchelleImage::Effet) {
        if (!k.effet || k.t == 0) return std::nullopt;
        if (!k.effetStandardise) return ImageEffetBrut(k, resultats, points);
        facteur = *k.effet / (k.t * std::sqrt(k.c));
        if (!std::isfinite(facteur) || facteur == 0) return std::nullopt;
    }

    ImagePredictive image;
    image.echelle = echelle;
    image.effetStandardise = k.effetStandardise;
    image.prep = resultats.valeur(Resultat::Prep);
    image.psrep = resultats.valeur(Resultat::Psrep);
    const int cote = k.t < 0 ? -1 : 1;

    // On the effect's scale the observed effect sits where the future t is t sqrt(c).
    const double observeT = echelle == EchelleImage::Effet ? k.t * std::sqrt(k.c) : k.t;
    // A curve needs the density at every sample: without one, no picture, and no range
    // searches paid for first. (A density computed here, before the searches, doubled the time
    // of the benchmark's pictures.)
    if (!DensitePossible(k)) return std::nullopt;

    // The range, on the future t's scale: nearly all of the distribution, 0, the observed
    // t, the limits and the interval.
    const auto [bas, haut] = QueuesHorsImage(k);
    double a = std::min({bas.value_or(0.0), 0.0, observeT});
    double b = std::max({haut.value_or(0.0), 0.0, observeT});

    std::vector<double> limites;
    if (k.alpha > 0) {
        CodeErreur erreur = kSucces;
        const double q = QuantileAvecReprise("t", 1 - k.alpha, ParametresLoi{0, k.dfR, 0, 0, 0},
                                             kRepriseIntervalles, erreur);
        if (erreur == kSucces && std::isfinite(q)) {
            image.limiteSignificative = cote * q;
            if (k.bilateral) {
                limites = {-q, q};
            } else {
                limites = {cote * q};
            }
        }
    }
    for (double l : limites) {
        a = std::min(a, l);
        b = std::max(b, l);
    }
    const auto etendue = EtendueMontree(a, b, resultats[Resultat::tReplique], image);
    if (!etendue) return std::nullopt;
    const auto [debut, fin] = *etendue;

    const std::optional<std::vector<double>> densites = Echantillons(k, debut, fin, points);
    if (!densites) return std::nullopt;
    image.x.reserve(static_cast<std::size_t>(points));
    image.densite.reserve(static_cast<std::size_t>(points));
    const double jacobien = 1 / std::abs(facteur);
    for (int i = 0; i < points; ++i) {
        image.x.push_back((debut + (fin - debut) * i / (points - 1)) * facteur);
        image.densite.push_back((*densites)[static_cast<std::size_t>(i)] * jacobien);
    }

    // Everything to the shown scale; a negative factor turns the axis round.
    image.observe = echelle == EchelleImage::Effet ? *k.effet : k.t;
    image.limiteSignificative *= facteur;
    for (double& l : limites) l *= facteur;
    image.cote = facteur < 0 ? -cote : cote;
    if (image.intervalle) {
        const double u = image.intervalle->first * facteur, v = image.intervalle->second * facteur;
        image.intervalle = std::pair{std::min(u, v), std::max(u, v)};
    }
    if (facteur < 0) {
        std::reverse(image.x.begin(), image.x.end());
        std::reverse(image.densite.begin(), image.densite.end());
    }
    std::sort(limites.begin(), limites.end());
    image.limites = std::move(limites);
    image.xmin = image.x.front();
    image.xmax = image.x.back();
    return image;
}

}  // namespace ormane
