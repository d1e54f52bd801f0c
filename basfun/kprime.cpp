#include "kprime.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "fonction_incomplete.h"
#include "integrale_kprime.h"
#include "integrale_par_student.h"
#include "motif_binaire.h"
#include "poids_melange.h"
#include "queues_kprime.h"
#include "serie_depuis_zero.h"
#include "serie_melange.h"

namespace basfun_interne {

bool Nu1Infini(double nu1, double lambda) {
    return std::isinf(nu1) ||
           (nu1 > 1e20 && (nu1 / 1e20 / std::fmax(1.0, std::fabs(lambda))) > std::fabs(lambda));
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
    const double ecartPoids = std::sqrt(nu1 / 2 * rapport * (1 + rapport));
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

// Whether the integral over the Student variable is tried first: U = 1 to double precision
// (the integral over tau would have a density of no width), or a steep step.
bool IntegraleParStudentConvient(double x, double nu1, double nu2, double lambda) {
    return x != 0 &&
           (Nu1Infini(nu1, lambda) || MarcheRaide(x, nu1, nu2, nu2 >= kNu2Infini, lambda));
}

}  // namespace

ValeurMethode KprimeIntegrale(double x, double nu1, double nu2, double lambda, double precision) {
    const bool nu2Infini = nu2 >= kNu2Infini;
    // An integral whose own error estimate is far above the accuracy asked gives no value.
    const auto sure = [&](const ValeurIntegrale& vi) {
        return vi.ok && vi.erreur <= ErreurAdmise(precision);
    };
    if (IntegraleParStudentConvient(x, nu1, nu2, lambda)) {
        const bool nu1Infini = Nu1Infini(nu1, lambda);
        // F(x; lambda) = 1 - F(-x; -lambda) brings x (and lambda, but for nu1 infinite) to
        // positive values.
        const double l = x < 0 ? -lambda : lambda;
        const ValeurIntegrale vt =
            IntegraleParStudent(std::fabs(x), nu1, nu1Infini, nu2, nu2Infini, l, precision);
        if (sure(vt)) return {x < 0 ? 1 - vt.p : vt.p, true};
    }
    const ValeurIntegrale vi = IntegraleKprime(x, nu1, nu2, nu2Infini, lambda, precision);
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
    // Both df huge: K = Z + lambda U / V spreads about lambda by about s = sqrt(1 + lambda^2
    // (1/(2 nu1) + 1/(2 nu2))). Beyond 70 s one of Z, U, V is 40 of its deviations out, a
    // probability below the smallest double; the integrals there would take seconds.
    if (nu1 >= kNu2Infini && nu2 >= kNu2Infini) {
        const double s = std::hypot(1.0, std::fabs(lambda) * std::sqrt(0.5 / nu1 + 0.5 / nu2));
        if (std::fabs(x - lambda) > 70 * s) {
            valeur = x > lambda ? 1.0 : 0.0;
            return true;
        }
        // A spread of 1e15 or more (lambda of 1e25 and more): the law is normal to within its
        // skewness, below 1e-10.
        if (s >= 1e15) {
            valeur = 0.5 * std::erfc(-((x - lambda) / s) / std::sqrt(2.0));
            return true;
        }
    }
    return false;
}

bool Normale(double nu1, double nu2, double lambda) {
    return Nu1Infini(nu1, lambda) && nu2 >= kNu2Infini;
}

// P(K <= x) to about 1e-16 absolute, for checked arguments, K not normal.
ValeurMethode RepartitionAbsolue(double x, double nu1, double nu2, double lambda) {
    const double precision = kPrecisionVisee;
    ValeurMethode v = KprimeSerieDepuisZero(x, nu1, nu2, lambda, precision);
    const bool student = IntegraleParStudentConvient(x, nu1, nu2, lambda);
    if (!v.ok)
        v = SerieAuSommet(x, nu1, nu2, lambda, precision,
                          student ? kTermesSerieMaxFaceAuStudent : kTermesSerieMax);
    if (!v.ok) v = KprimeIntegrale(x, nu1, nu2, lambda, precision);
    if (v.ok) v.p = std::fmin(1.0, std::fmax(0.0, v.p));
    return v;
}

// The last values computed in this thread. The value does not depend on the tolerance (see
// kPrecisionVisee), and a caller often asks again for one it already had: a quantile search
// retried with a looser tolerance walks through the same points, and the polish of a quantile
// starts where the search ended. Arguments are compared bit for bit.
class Souvenirs {
  public:
    template <class Calcul>
    double Valeur(bool superieure, double x, double nu1, double nu2, double lambda,
                  std::int32_t& statut, const Calcul& calcul) {
        const Cle cle{superieure, MotifBinaire(x), MotifBinaire(nu1), MotifBinaire(nu2),
                      MotifBinaire(lambda)};
        for (std::size_t i = 0; i < nombre_; ++i) {
            if (souvenirs_[i].cle == cle) {
                statut = souvenirs_[i].statut;
                return souvenirs_[i].valeur;
            }
        }
        const double valeur = calcul(statut);
        souvenirs_[prochain_] = {cle, valeur, statut};
        prochain_ = (prochain_ + 1) % kNombre;
        if (nombre_ < kNombre) ++nombre_;
        return valeur;
    }

  private:
    static constexpr std::size_t kNombre = 32;
    struct Cle {
        bool superieure;
        std::uint64_t x, nu1, nu2, lambda;
        bool operator==(const Cle&) const = default;
    };
    struct Souvenir {
        Cle cle;
        double valeur;
        std::int32_t statut;
    };
    std::array<Souvenir, kNombre> souvenirs_{};
    std::size_t nombre_ = 0, prochain_ = 0;
};

thread_local Souvenirs souvenirs;

double RepartitionCalculee(double x, double nu1, double nu2, double lambda, std::int32_t& statut) {
    // U = V = 1: K is normal about lambda.
    if (Normale(nu1, nu2, lambda)) return 0.5 * std::erfc(-(x / 2 - lambda / 2) * std::sqrt(2.0));
    const ValeurMethode v = RepartitionAbsolue(x, nu1, nu2, lambda);
    if (!v.ok) {
        statut = kNonFormable;
        return 0.0;
    }
    // A small lower tail to its last digits: the upper tail of the reflected variable.
    if (v.p < kQueueDirecteMax) {
        const ValeurMethode q = PetiteQueueSuperieure(-x, nu1, nu2, -lambda);
        if (q.ok) return q.p;
    }
    return v.p;
}

double QueueSuperieureCalculee(double x, double nu1, double nu2, double lambda,
                               std::int32_t& statut) {
    if (Normale(nu1, nu2, lambda)) return 0.5 * std::erfc((x / 2 - lambda / 2) * std::sqrt(2.0));
    const ValeurMethode v = RepartitionAbsolue(x, nu1, nu2, lambda);
    if (!v.ok) {
        statut = kNonFormable;
        return 0.0;
    }
    if (1.0 - v.p < kQueueDirecteMax) {
        const ValeurMethode q = PetiteQueueSuperieure(x, nu1, nu2, lambda);
        if (q.ok) return q.p;
    }
    return 1.0 - v.p;
}

}  // namespace

double RepartitionKprime(double x, double nu1, double nu2, double lambda, double tolerance,
                         std::int32_t limite, std::int32_t& statut) {
    (void)limite;
    double valeur = 0.0;
    if (CasImmediat(x, nu1, nu2, lambda, tolerance, valeur, statut)) return valeur;
    return souvenirs.Valeur(false, x, nu1, nu2, lambda, statut, [&](std::int32_t& s) {
        return RepartitionCalculee(x, nu1, nu2, lambda, s);
    });
}

double QueueSuperieureKprime(double x, double nu1, double nu2, double lambda, double tolerance,
                             std::int32_t limite, std::int32_t& statut) {
    (void)limite;
    double valeur = 0.0;
    if (CasImmediat(x, nu1, nu2, lambda, tolerance, valeur, statut))
        return statut == kOk ? 1.0 - valeur : 0.0;
    return souvenirs.Valeur(true, x, nu1, nu2, lambda, statut, [&](std::int32_t& s) {
        return QueueSuperieureCalculee(x, nu1, nu2, lambda, s);
    });
}

}  // namespace basfun_interne
