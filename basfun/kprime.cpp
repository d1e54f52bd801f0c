#include "kprime.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>

#include "fonction_incomplete.h"
#include "integrale_kprime.h"
#include "integrale_par_student.h"
#include "loi_student.h"
#include "motif_binaire.h"
#include "poids_melange.h"
#include "queues_kprime.h"
#include "serie_depuis_zero.h"
#include "serie_melange.h"

namespace basfun_interne {

// U's spread, about 1 / sqrt(2 nu1), moves K's mean by lambda / (4 nu1) and its variance by
// lambda^2 / (2 nu1): below 1e-20 once nu1 exceeds 1e20 max(1, lambda^2). V enters through
// x V (K <= x is Z + lambda U <= x V), the same with x.
bool Nu1Infini(double nu1, double lambda) {
    return !(nu1 < kDdlInfini) ||
           (nu1 > 1e20 && (nu1 / 1e20 / std::fmax(1.0, std::fabs(lambda))) > std::fabs(lambda));
}

bool Nu2Infini(double nu2, double x) {
    return !(nu2 < kDdlInfini) ||
           (nu2 > 1e20 && (nu2 / 1e20 / std::fmax(1.0, std::fabs(x))) > std::fabs(x));
}

namespace {

enum : std::int32_t { kOk = 0, kDomaine = 1, kNonFormable = 3 };

// Past this many terms (about 0.2 ms) the integral is the faster method. The series may use
// four times as many before it gives up and leaves the value to the integral.
constexpr double kTermesSerieMax = 20000;
// Where the integral over the Student variable suits the arguments (MarcheRaide) it takes
// about 50 us, the time of this many terms.
constexpr double kTermesSerieMaxFaceAuStudent = 1000;
constexpr long kBudgetSerie = 80000;
constexpr double kIndiceMax = 1e12;
// The series summed from index 0 is the faster method as long as it needs fewer terms than
// this (about the cost of the incomplete betas that start the other one); its budget leaves
// room for a rough estimate.
constexpr double kTermesDepuisZeroMax = 600;
constexpr long kBudgetDepuisZero = 1500;

// Absolute accuracy aimed at: as good as doubles allow, whatever tolerance is asked. The
// tolerance is an upper bound on the error, and full accuracy costs a few more terms only,
// so psrep (asked at 1e-9) is as exact as the quantile searches (asked at 1e-16).
constexpr double kPrecisionVisee = 1e-17;

// Rough number of series terms: the series runs over the indices where both the weights
// and the incomplete function are neither negligible nor settled, so over the narrower of
// the two spreads (the weights': about 1 / (1 - pi) and their standard deviation; J's:
// the spread of a beta law's parameter at the cross-over x^2/2).
double TermesEstimes(double x, double nu1, double nu2, double lambda) {
    const double rapport = (lambda / std::sqrt(nu1)) * (lambda / std::sqrt(nu1));  // pi/(1-pi)
    // Poisson weights of mean lambda^2 / 2 for an infinite nu1.
    const double ecartPoids = std::isinf(nu1) ? std::fabs(lambda) / std::sqrt(2.0)
                                              : std::sqrt(nu1 / 2 * rapport * (1 + rapport));
    const double termesPoids = 40 * (1 + rapport) + 10 * ecartPoids;
    const double centre = (x / std::sqrt(2.0)) * (x / std::sqrt(2.0));
    const double etirement = nu2 >= kNu2Infini ? 1.0 : 1 + 2 * centre / nu2;
    const double termesJ = 40 * etirement + 10 * std::sqrt(centre * etirement);
    const double n = std::fmin(termesPoids, termesJ);
    return std::isnan(n) ? HUGE_VAL : n;
}

}  // namespace

// The negative-binomial series (Poisson when nu1 is infinite). For x >= 0
//   F = F_t(-lambda; nu1) + 1/2 S_0[I] + 1/2 sign(lambda) S_1/2[I],
// and for x < 0 the same sums of 1 - I at |x| and -lambda give F as the upper tail of the
// reflected variable: F = 1/2 S_0[1 - I] + 1/2 sign(-lambda) S_1/2[1 - I].
namespace {

ValeurMethode SerieAuSommet(double x, double nu1, double nu2, double lambda, double precision,
                            double termesMax) {
    if (!(TermesEstimes(x, nu1, nu2, lambda) <= termesMax)) return {};
    const bool negatif = x < 0;
    const double l = negatif ? -lambda : lambda;
    const double signe = l > 0 ? 1.0 : (l < 0 ? -1.0 : 0.0);
    const PoidsMelange w =
        Nu1Infini(nu1, l) ? PoidsMelange::Poisson(l) : PoidsMelange::BinomialeNegative(nu1, l);
    // Past this index the direct evaluations that re-seed the sums cost milliseconds each,
    // and the integrals are the better method anyway.
    if (!(w.Mode() <= kIndiceMax)) return {};
    if (x == 0) {
        // F_t(-lambda; nu1) = 1/2 (1 - sign(lambda) M_1/2).
        const double p = signe > 0 ? 0.5 * w.UnMoinsMasseDemi() : 0.5 * (1 + w.MasseTotale(0.5));
        return {p, std::isfinite(p)};
    }
    const FonctionIncomplete f =
        nu2 >= kNu2Infini ? FonctionIncomplete::Gamma(x) : FonctionIncomplete::Beta(x, nu2);
    long budget = kBudgetSerie;
    const double precisionSomme = precision / 2;
    const SommeMelange s0 = SommeSerie(w, f, 0.0, precisionSomme, budget);
    if (!s0.converge) return {};
    const SommeMelange s1 = SommeSerie(w, f, 0.5, precisionSomme, budget);
    if (!s1.converge) return {};
    double p;
    if (!negatif) {
        const double studentMoinsLambda =
            signe > 0 ? 0.5 * w.UnMoinsMasseDemi() : 0.5 * (1 + w.MasseTotale(0.5));
        p = studentMoinsLambda + 0.5 * s0.avecJ + 0.5 * signe * s1.avecJ;
    } else {
        p = 0.5 * s0.avecComplement + 0.5 * signe * s1.avecComplement;
    }
    return {p, std::isfinite(p)};
}

}  // namespace

ValeurMethode KprimeSerieAuSommet(double x, double nu1, double nu2, double lambda,
                                  double precision) {
    return SerieAuSommet(x, nu1, nu2, lambda, precision, kTermesSerieMax);
}

// For x != 0; F(x; lambda) = 1 - F(-x; -lambda) for x < 0.
ValeurMethode KprimeSerieDepuisZero(double x, double nu1, double nu2, double lambda,
                                    double precision) {
    if (x == 0) return {};
    const double l = x < 0 ? -lambda : lambda;
    const double signe = l > 0 ? 1.0 : (l < 0 ? -1.0 : 0.0);
    const PoidsMelange w =
        Nu1Infini(nu1, l) ? PoidsMelange::Poisson(l) : PoidsMelange::BinomialeNegative(nu1, l);
    const FonctionIncomplete f =
        nu2 >= kNu2Infini ? FonctionIncomplete::Gamma(x) : FonctionIncomplete::Beta(x, nu2);
    if (!(TermesDepuisZero(w, f) <= kTermesDepuisZeroMax)) return {};
    const ValeurSerie v = SerieDepuisZero(w, f, signe, precision, kBudgetDepuisZero);
    if (!v.ok) return {};
    return {x < 0 ? 1 - v.p : v.p, true};
}

namespace {

// The integral over U / V steps from one level to another within a width of about
// sqrt((nu2 + nu1 (x/lambda)^2) / (nu1 + nu2)) / |x| in tau = log(U / V) around x / lambda; where
// that is well below the spread of tau, sqrt((1/nu1 + 1/nu2) / 2) or more, the integral over
// the Student variable is smooth and the faster of the two.
bool MarcheRaide(double x, double nu1, double nu2, bool nu2Infini, double lambda) {
    if (!(x * lambda > 0)) return false;
    const double r = x / lambda;
    const double largeur =
        nu2Infini ? 1 / std::fabs(x) : std::sqrt((nu2 + nu1 * r * r) / (nu1 + nu2)) / std::fabs(x);
    const double etendue = std::sqrt((1 / nu1 + (nu2Infini ? 0.0 : 1 / nu2)) / 2);
    return largeur < etendue / 10;
}

// Past this many degrees of freedom Boost's incomplete gamma and beta functions lose digits
// where their argument is near their parameter (1e-13 from 1e8 on, and wrong from 1e11): the
// integral over the Student variable (its parameters are nu / 2) and the series where their
// parameters meet there (the weights, of nu1 / 2 and of indices about lambda^2 / 2; the
// incomplete function, of nu2 / 2 and about x^2 / 2) give way to the integral over tau, whose
// density is written out in full.
constexpr double kDdlGrands = 1e7;
constexpr double kIndiceSurAvecDdlGrands = 1e5;

bool DdlGrand(double nu) {
    return std::isfinite(nu) && nu >= kDdlGrands;
}
bool DdlGrands(double nu1, double nu2) {
    return DdlGrand(nu1) || DdlGrand(nu2);
}
bool SeriesSures(double x, double nu1, double nu2, double lambda) {
    return !(DdlGrand(nu1) && !(lambda * lambda <= kIndiceSurAvecDdlGrands)) &&
           !(DdlGrand(nu2) && !(x * x <= kIndiceSurAvecDdlGrands));
}

// Whether the integral over the Student variable is tried first: U = 1 to double precision
// (the integral over tau would have a density of no width), or a steep step.
bool IntegraleParStudentConvient(double x, double nu1, double nu2, double lambda) {
    return x != 0 && (std::isinf(nu1) || MarcheRaide(x, nu1, nu2, nu2 >= kNu2Infini, lambda));
}

}  // namespace

ValeurMethode KprimeIntegrale(double x, double nu1, double nu2, double lambda, double precision) {
    const bool nu2Infini = nu2 >= kNu2Infini;
    // An integral whose own error estimate is far above the accuracy asked gives no value.
    const auto sure = [&](const ValeurIntegrale& vi) {
        return vi.ok && vi.erreur <= ErreurAdmise(precision);
    };
    if (!DdlGrands(nu1, nu2) && IntegraleParStudentConvient(x, nu1, nu2, lambda)) {
        const bool nu1Infini = std::isinf(nu1);
        // F(x; lambda) = 1 - F(-x; -lambda) brings x (and lambda, but for nu1 infinite) to
        // positive values.
        const double l = x < 0 ? -lambda : lambda;
        const ValeurIntegrale vt =
            IntegraleParStudent(std::fabs(x), nu1, nu1Infini, nu2, nu2Infini, l, precision);
        if (sure(vt)) return {x < 0 ? 1 - vt.p : vt.p, true};
    }
    const ValeurIntegrale vi =
        IntegraleKprime(x, nu1, nu2, std::isinf(nu1), nu2Infini, lambda, precision);
    return {vi.p, sure(vi)};
}

namespace {

// The arguments' checks and the cases with a value at once, common to both tails. Returns
// true when `valeur` (P(K <= x)) or the status is settled.
bool CasImmediat(double x, double nu1, double nu2, double lambda, double tolerance, double& valeur,
                 std::int32_t& statut) {
    statut = kOk;
    if (std::isnan(x) || std::isnan(nu1) || std::isnan(nu2) || std::isnan(lambda) ||
        std::isnan(tolerance) || !(nu1 > 0) || !(nu2 > 0)) {
        statut = kDomaine;
        valeur = 0.0;
        return true;
    }
    valeur = 0.0;
    if (std::isinf(x)) {
        valeur = x > 0 ? 1.0 : 0.0;
        return true;
    }
    // U > 0 almost surely, so an infinite lambda sends K to the same infinity.
    if (std::isinf(lambda)) {
        valeur = lambda > 0 ? 0.0 : 1.0;
        return true;
    }
    return false;
}

// The arguments as the methods take them: an infinite nu1 or nu2 as +infinity (see Nu1Infini
// and Nu2Infini).
struct Arguments {
    double x, nu1, nu2, lambda;
};

Arguments Normalises(double x, double nu1, double nu2, double lambda) {
    return {x, Nu1Infini(nu1, lambda) ? HUGE_VAL : nu1, Nu2Infini(nu2, x) ? HUGE_VAL : nu2, lambda};
}

// Both tails at once, each to its own relative accuracy.
struct DeuxQueues {
    double inferieure, superieure;
};

// P(chi2_nu / nu > c) for nu <= 2, bounded from above in logarithms (log c given): with
// a = nu / 2 and z = a c, Gamma(a, z) = int_z^inf t^(a-1) e^-t dt <= ln(1/z) + 1 (the integrand
// is below 1/t up to 1 and below e^-t beyond), and Gamma(a) = Gamma(a + 1) / a >= 0.885 / a:
// Q(a, z) <= 1.13 a (max(0, ln(1/z)) + 1).
double MajorantQueueKhiDeux(double nu, double logC) {
    const double a = nu / 2;
    return 1.13 * a * (std::fmax(0.0, -(std::log(a) + logC)) + 1);
}

// A tiny degree of freedom leaves U or V almost surely near 0, and K tends to a Student law:
// - nu1 -> 0: lambda U -> 0, and K -> Z / V, Student's with nu2 df. On |lambda| U <= d, K lies
//   within d / V of Z / V, and P(Z in [x V - d, x V + d]) <= 0.8 d: the two distribution
//   functions differ by at most P(|lambda| U > d) + 0.8 d.
// - nu2 -> 0: V -> 0 and K goes to the infinity of N = Z + lambda U's sign: P(K <= x) ->
//   P(N <= 0) = F_t(-lambda; nu1). K <= x is N <= x V; on V <= d it differs from N <= 0 only
//   where |N| <= |x| d, of probability at most 0.8 |x| d (N's density is at most that of Z):
//   the difference is at most P(V > d) + 0.8 |x| d.
// With d = 1e-300 (over max(1, |x|) for V) the chi tails above are below 1e-296 for df of
// 1e-300; the limit is taken when the bound is below 1e-17 of the smaller tail, so that both
// keep full relative accuracy, and the series and integrals, which cannot see mass spread
// over hundreds of orders of magnitude, never meet such df.
constexpr double kDdlMinuscule = 2;
constexpr double kDdlHorsDePortee = 1e-300;
constexpr double kLogEcartLimite = -690.8;  // ln 1e-300

std::optional<DeuxQueues> LimiteDdlMinuscule(const Arguments& a) {
    const auto suffit = [](const DeuxQueues& q, double majorant) {
        return majorant <= 1e-17 * std::fmin(q.inferieure, q.superieure);
    };
    if (a.nu2 <= kDdlMinuscule) {
        const double logD = kLogEcartLimite - std::log(std::fmax(1.0, std::fabs(a.x)));
        const double majorant =
            MajorantQueueKhiDeux(a.nu2, 2 * logD) + 0.8 * std::fabs(a.x) * std::exp(logD);
        const DeuxQueues q{QueueStudent(-a.lambda, a.nu1, false),
                           QueueStudent(-a.lambda, a.nu1, true)};
        if (suffit(q, majorant)) return q;
    }
    if (a.nu1 <= kDdlMinuscule) {
        const double majorant =
            a.lambda == 0 ? 0.0
                          : MajorantQueueKhiDeux(
                                a.nu1, 2 * (kLogEcartLimite - std::log(std::fabs(a.lambda)))) +
                                0.8 * std::exp(kLogEcartLimite);
        const DeuxQueues q{QueueStudent(a.x, a.nu2, false), QueueStudent(a.x, a.nu2, true)};
        if (suffit(q, majorant)) return q;
    }
    return std::nullopt;
}

// Both df past 1e20: K = Z + lambda U / V spreads about lambda by about s = sqrt(1 + lambda^2
// (1/(2 nu1) + 1/(2 nu2))), and U and V have Gaussian tails to within terms in 1/nu. Beyond 70 s
// the event needs Z, U and V together 70 of their deviations out, a probability below
// e^-2400; the integrals there would take seconds.
std::optional<DeuxQueues> LoinDansLesQueues(const Arguments& a) {
    if (!(a.nu1 >= 1e20 && a.nu2 >= 1e20)) return std::nullopt;
    const double s = std::hypot(1.0, std::fabs(a.lambda) * std::sqrt(0.5 / a.nu1 + 0.5 / a.nu2));
    if (!(std::fabs(a.x - a.lambda) > 70 * s)) return std::nullopt;
    return a.x > a.lambda ? DeuxQueues{1.0, 0.0} : DeuxQueues{0.0, 1.0};
}

bool Normale(const Arguments& a) {
    return std::isinf(a.nu1) && std::isinf(a.nu2);
}

// P(K <= x) to about 1e-16 absolute, for checked arguments, K not normal.
ValeurMethode RepartitionAbsolue(double x, double nu1, double nu2, double lambda) {
    const double precision = kPrecisionVisee;
    ValeurMethode v;
    if (SeriesSures(x, nu1, nu2, lambda)) {
        v = KprimeSerieDepuisZero(x, nu1, nu2, lambda, precision);
        const bool student =
            !DdlGrands(nu1, nu2) && IntegraleParStudentConvient(x, nu1, nu2, lambda);
        if (!v.ok)
            v = SerieAuSommet(x, nu1, nu2, lambda, precision,
                              student ? kTermesSerieMaxFaceAuStudent : kTermesSerieMax);
    }
    if (!v.ok) v = KprimeIntegrale(x, nu1, nu2, lambda, precision);
    if (v.ok) v.p = std::fmin(1.0, std::fmax(0.0, v.p));
    return v;
}

// The last values computed in this thread, both tails of each. The value does not depend on
// the tolerance (see kPrecisionVisee), and a caller often asks again for one it already had:
// a quantile search retried with a looser tolerance walks through the same points, the polish
// of a quantile starts where the search ended, and the calculator asks for both tails at
// once. Arguments are compared bit for bit.
class Souvenirs {
  public:
    template <class Calcul>
    std::optional<DeuxQueues> Valeur(double x, double nu1, double nu2, double lambda,
                                     const Calcul& calcul) {
        const Cle cle{MotifBinaire(x), MotifBinaire(nu1), MotifBinaire(nu2), MotifBinaire(lambda)};
        for (std::size_t i = 0; i < nombre_; ++i)
            if (souvenirs_[i].cle == cle) return souvenirs_[i].queues;
        const std::optional<DeuxQueues> queues = calcul();
        souvenirs_[prochain_] = {cle, queues};
        prochain_ = (prochain_ + 1) % kNombre;
        if (nombre_ < kNombre) ++nombre_;
        return queues;
    }

  private:
    static constexpr std::size_t kNombre = 32;
    struct Cle {
        std::uint64_t x, nu1, nu2, lambda;
        bool operator==(const Cle&) const = default;
    };
    struct Souvenir {
        Cle cle;
        std::optional<DeuxQueues> queues;
    };
    std::array<Souvenir, kNombre> souvenirs_{};
    std::size_t nombre_ = 0, prochain_ = 0;
};

thread_local Souvenirs souvenirs;

// P(K <= x) and P(K > x), each to its relative accuracy where it is small.
std::optional<DeuxQueues> QueuesCalculees(const Arguments& a) {
    if (const std::optional<DeuxQueues> q = LimiteDdlMinuscule(a)) return q;
    // Below this the series and integrals take half-parameters that are subnormal or nearly so
    // (their Boost functions then give any value): where the limit above does not hold to
    // full accuracy, nothing does.
    if (a.nu1 < kDdlHorsDePortee || a.nu2 < kDdlHorsDePortee) return std::nullopt;
    if (const std::optional<DeuxQueues> q = LoinDansLesQueues(a)) return q;
    const auto [x, nu1, nu2, lambda] = a;
    // U = V = 1: K is normal about lambda.
    if (Normale(a))
        return DeuxQueues{0.5 * std::erfc(-(x / 2 - lambda / 2) * std::sqrt(2.0)),
                          0.5 * std::erfc((x / 2 - lambda / 2) * std::sqrt(2.0))};
    const ValeurMethode v = RepartitionAbsolue(x, nu1, nu2, lambda);
    if (!v.ok) return std::nullopt;
    DeuxQueues q{v.p, 1.0 - v.p};
    // A small tail to its last digits, the upper tail of K or of the reflected variable, and
    // the other tail from it: 1 minus a tail known to full relative accuracy is within half an
    // ulp, where the sums and integrals keep about 1e-15.
    if (v.p < kQueueDirecteMax) {
        const ValeurMethode petite = PetiteQueueSuperieure(-x, nu1, nu2, -lambda);
        if (petite.ok) q = {petite.p, 1.0 - petite.p};
    } else if (1.0 - v.p < kQueueDirecteMax) {
        const ValeurMethode petite = PetiteQueueSuperieure(x, nu1, nu2, lambda);
        if (petite.ok) q = {1.0 - petite.p, petite.p};
    }
    return q;
}

double Queue(double x, double nu1, double nu2, double lambda, double tolerance, bool superieure,
             std::int32_t& statut) {
    double valeur = 0.0;
    if (CasImmediat(x, nu1, nu2, lambda, tolerance, valeur, statut))
        return statut == kOk && superieure ? 1.0 - valeur : valeur;
    const std::optional<DeuxQueues> q = souvenirs.Valeur(
        x, nu1, nu2, lambda, [&] { return QueuesCalculees(Normalises(x, nu1, nu2, lambda)); });
    if (!q) {
        statut = kNonFormable;
        return 0.0;
    }
    return superieure ? q->superieure : q->inferieure;
}

}  // namespace

double RepartitionKprime(double x, double nu1, double nu2, double lambda, double tolerance,
                         std::int32_t limite, std::int32_t& statut) {
    (void)limite;
    return Queue(x, nu1, nu2, lambda, tolerance, false, statut);
}

double QueueSuperieureKprime(double x, double nu1, double nu2, double lambda, double tolerance,
                             std::int32_t limite, std::int32_t& statut) {
    (void)limite;
    return Queue(x, nu1, nu2, lambda, tolerance, true, statut);
}

}  // namespace basfun_interne
