#include "quantile_search.h"

#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "arithmetique_controlee.h"
#include "distribution.h"
#include "kprime_quantile_polish.h"
#include "kprime_start.h"
#include "moments.h"
#include "student_quantile.h"

namespace ormane {
namespace {

constexpr int kPasParTour = 101;
constexpr int kAgrandissementsMax = 11;
constexpr int kCyclesMax = 50;
constexpr double kLargeurFinale = 1e-14;
// The K-prime search: secant steps before it probes the bound, and evaluations inside the
// bracket.
constexpr int kEtapesEncadrement = 12;
constexpr int kEvaluationsEncadre = 40;
constexpr int kEvaluationsAvantSecante = 6;
constexpr double kPasEncadrementMax = 1000;
constexpr int kPaliersMax = 6;
constexpr double kBorneK = 1e300;

// The search gives up: the caller sees code -1 and result 0.
struct Abandon {};

struct Point {
    double x;
    double F;
    bool evalue = true;  // false for a bound whose F is taken as 0 or 1 without evaluation
};

// The distribution function of the searched law, at the tolerance in force.
class Repartition {
  public:
    Repartition(std::string_view nom, double P1, double P2, double P3, double P4, double P5,
                double tolerance)
        : nom_(nom), P1_(P1), P2_(P2), P3_(P3), P4_(P4), P5_(P5), tolerance_(tolerance) {}

    // False when the distribution function fails at x.
    bool Evalue(double x, double& F) const {
        CodeErreur code = kSucces;
        F = RepartitionLoi(nom_, x, P1_, P2_, P3_, P4_, P5_, tolerance_, code);
        return code >= 0;
    }

    double EvalueOuAbandonne(double x) const {
        double F = 0.0;
        if (!Evalue(x, F)) throw Abandon{};
        return F;
    }

  private:
    std::string nom_;
    double P1_, P2_, P3_, P4_, P5_;
    double tolerance_;
};

// The points of the walk from the centre, in order: steps of `pas`, enlarged after every
// 101 steps that failed to bracket p, to (10 step)^m at the m-th time, at most 11 times. A
// downward walk stops at the lower bound, where it would stay; the points end where the
// walk would overflow. They are made as the search reaches them: it usually stops within
// the first few of the 1212.
struct PointDeMarche {
    double x;
    double pas;  // the step in force once the walk is there
};

class Marche {
  public:
    Marche(double centre, double pas, bool versLeBas, double borneInf)
        : x_(centre), pas_(pas), versLeBas_(versLeBas), borneInf_(borneInf) {
        points_.reserve(16);
    }

    // Whether the walk has a point of index i, made if need be.
    bool Existe(std::size_t i) {
        while (points_.size() <= i && !fini_) Avance();
        return i < points_.size();
    }
    std::size_t Taille() const { return points_.size(); }
    const PointDeMarche& operator[](std::size_t i) const { return points_[i]; }

  private:
    void Avance() {
        if (agrandirAvant_) {
            // The enlargement comes before the next point, and the walk ends where it overflows.
            agrandirAvant_ = false;
            if (agrandissements_ == kAgrandissementsMax) {
                fini_ = true;
                return;
            }
            ++agrandissements_;
            const double base = 10.0 * pas_;
            const double pas = std::isfinite(base) ? std::pow(base, agrandissements_) : base;
            if (!std::isfinite(pas)) {
                fini_ = true;
                return;
            }
            pas_ = pas;
            pasFaits_ = 0;
        }
        const double x = versLeBas_ ? x_ - pas_ : x_ + pas_;
        if (!std::isfinite(x)) {
            fini_ = true;
            return;
        }
        x_ = x;
        const bool borne = versLeBas_ && x_ <= borneInf_;
        if (borne) x_ = borneInf_;
        points_.push_back({x_, pas_});
        if (borne) {
            fini_ = true;
            return;
        }
        if (++pasFaits_ >= kPasParTour) agrandirAvant_ = true;
    }

    std::vector<PointDeMarche> points_;
    double x_, pas_;
    bool versLeBas_;
    double borneInf_;
    int pasFaits_ = 0;
    int agrandissements_ = 0;
    bool agrandirAvant_ = false;
    bool fini_ = false;
};

// Where the walk stops: the first of its points whose F fails, meets p or lies beyond it.
// F is monotone along the walk, so that point is found by doubling the index and then
// bisecting: a dozen evaluations instead of up to 1212, and the same point.
template <class Arret>
std::optional<std::size_t> PremierArret(Marche& marche, const Arret& arret) {
    std::ptrdiff_t dernierSans = -1;
    std::size_t avec = 0;
    for (std::size_t i = 0;; i = 2 * i + 1) {
        if (!marche.Existe(i)) {
            if (marche.Taille() == 0) return std::nullopt;
            i = marche.Taille() - 1;
        }
        if (arret(i)) {
            avec = i;
            break;
        }
        dernierSans = static_cast<std::ptrdiff_t>(i);
        if (!marche.Existe(i + 1)) return std::nullopt;
    }
    while (avec - static_cast<std::size_t>(dernierSans + 1) > 0) {
        const std::size_t milieu = static_cast<std::size_t>(dernierSans + 1) +
                                   (avec - static_cast<std::size_t>(dernierSans + 1)) / 2;
        if (arret(milieu)) {
            avec = milieu;
        } else {
            dernierSans = static_cast<std::ptrdiff_t>(milieu);
        }
    }
    return avec;
}

// The bisection's point. Across orders of magnitude (a walk's last step may take the bracket
// from 1e6 to 1e15) the geometric mean, which takes five halvings where the midpoint takes
// thirty; the midpoint otherwise.
double Milieu(double a, double b) {
    constexpr double kRapportGeometrique = 1e3;
    const double petit = std::fmin(std::fabs(a), std::fabs(b));
    const double grand = std::fmax(std::fabs(a), std::fabs(b));
    if ((a > 0) == (b > 0) && petit > 0 && grand > kRapportGeometrique * petit)
        return std::copysign(std::sqrt(petit) * std::sqrt(grand), a);
    return Fini(a + b) / 2.0;
}

// False once a and b are neighbouring doubles: neither a midpoint nor regula falsi can then
// fall strictly between them.
bool PeutRetrecir(double a, double b) {
    const double milieu = (a + b) / 2.0;
    return !std::isfinite(milieu) || (milieu != a && milieu != b);
}

// The K-prime search's bisection point: the geometric mean across orders of magnitude, and
// for ends of opposite signs far apart a step of the same kind from 1 on the far side, so that
// a bracket from -5 to 1e300 closes in a few halvings rather than a thousand.
double MilieuLarge(double a, double b) {
    constexpr double kRapportGeometrique = 1e3;
    const double petit = std::fmin(std::fabs(a), std::fabs(b));
    const double grand = std::fmax(std::fabs(a), std::fabs(b));
    if ((a > 0) == (b > 0) && petit > 0) return Milieu(a, b);
    if (grand > kRapportGeometrique * std::fmax(1.0, petit)) {
        const double loin = std::fabs(a) > std::fabs(b) ? a : b;
        return std::copysign(std::sqrt(std::fmax(1.0, petit)) * std::sqrt(grand), loin);
    }
    return a / 2 + b / 2;
}

struct PointZ {
    double x, F, z;  // z: the normal score of F
};

// The K-prime quantile from a rough start: a second start whose probability is shifted on the
// normal scale by what the first missed, secant steps on that scale (at most 16 times the last
// move) until p is bracketed, the bound probed when they do not reach it, then inverse
// quadratic interpolation, guarded by bisection, inside the bracket. On the normal scale F is
// nearly straight, so a usual search takes five to eight evaluations.
template <class Depart>
double ChercheKprime(const Repartition& F, double p, double tol, double x0, const Depart& depart,
                     CodeErreur& erreur) {
    const double zp = ScoreNormal(p);
    const auto evalue = [&](double x) {
        const double Fx = F.EvalueOuAbandonne(x);
        return PointZ{x, Fx, ScoreNormal(Fx)};
    };
    const auto atteint = [&](const PointZ& q) { return std::fabs(p - q.F) <= tol; };
    const auto dessous = [&](const PointZ& q) { return q.F < p; };

    PointZ a = evalue(x0);
    if (atteint(a)) return a.x;
    double x1 = a.x;
    if (const std::optional<double> d = depart(ProbabiliteNormale(2 * zp - a.z))) x1 = *d;
    if (x1 == a.x || !(std::fabs(x1) < kBorneK))
        x1 = a.x + (dessous(a) ? 1.0 : -1.0) * std::fmax(1e-3 * std::fabs(a.x), 1e-3);
    PointZ b = evalue(x1);
    if (atteint(b)) return b.x;

    for (int etape = 0; dessous(a) == dessous(b); ++etape) {
        const double sens = dessous(b) ? 1.0 : -1.0;
        const double distance = std::fabs(b.x - a.x);
        double pas = 4 * sens * distance;
        const double secante = (zp - b.z) * (b.x - a.x) / (b.z - a.z);
        if (std::isfinite(secante) && secante * sens > 0)
            pas = sens * std::fmin(1.25 * std::fabs(secante), 16 * distance);
        double x = b.x + pas;
        // A step below b's ulp (the quantile within an ulp of b, whose F cannot come closer to
        // p) goes to the neighbouring double, which brackets p.
        if (x == b.x) x = std::nextafter(b.x, sens * HUGE_VAL);
        // A secant that points beyond the bound, or that needs a thousand steps like the last
        // to reach p (F nearly flat over the doubles, as for tiny df), sends the search to the
        // bound at once, rather than after a dozen steps of 16 times. (Two equal F are a
        // plateau of F's rounding, not a slope: the steps of 4 times go on.)
        const bool auDela = (std::isfinite(secante) && secante * sens > 0 &&
                             !(std::fabs(b.x + 1.25 * secante) < kBorneK)) ||
                            (etape > 0 && b.z != a.z &&
                             !(std::fabs(zp - b.z) < kPasEncadrementMax * std::fabs(b.z - a.z)));
        if (etape == kEtapesEncadrement || !(std::fabs(x) < kBorneK) || auDela) {
            // Whether the quantile lies within the doubles at all: the bound itself is open.
            const PointZ borne = evalue(sens * kBorneK);
            if (dessous(borne) == dessous(b)) throw Abandon{};
            a = b;
            b = borne;
            break;
        }
        a = b;
        b = evalue(x);
        if (atteint(b)) return b.x;
    }

    // a and b bracket p; c is the point a replaced.
    PointZ c = a;
    double t = 0.5;
    int n = 0, paliers = 0;
    for (; n < kEvaluationsEncadre; ++n) {
        double x = t == 0.5 ? MilieuLarge(a.x, b.x) : a.x + t * (b.x - a.x);
        if (!(x > std::fmin(a.x, b.x) && x < std::fmax(a.x, b.x))) x = MilieuLarge(a.x, b.x);
        const PointZ q = evalue(x);
        if (atteint(q)) return q.x;
        // F exactly as at an end, again and again: the bracket holds a step of F's own
        // rounding, which no halving narrows in value.
        paliers = q.F == a.F || q.F == b.F ? paliers + 1 : 0;
        if (dessous(q) == dessous(a)) {
            c = a;
        } else {
            c = b;
            b = a;
        }
        a = q;
        if (std::fabs(b.x - a.x) < kLargeurFinale || !PeutRetrecir(a.x, b.x)) break;
        if (paliers == kPaliersMax) {
            n = kEvaluationsEncadre;
            break;
        }
        const double xi = (a.x - b.x) / (c.x - b.x), phi = (a.z - b.z) / (c.z - b.z);
        t = 0.5;
        const double fa = a.z - zp, fb = b.z - zp, fc = c.z - zp;
        if (n >= kEvaluationsAvantSecante && (fa > 0) == (fc > 0) &&
            std::fabs(fa) < std::fabs(fc) / 4) {
            // A search that lasts, its last two points on one side and the newer four times
            // nearer p: the secant through them keeps that pace, where the interpolation
            // through b, far on the other side, and the halvings it falls back on waste every
            // other point.
            t = -fa * (a.x - c.x) / (fa - fc) / (b.x - a.x);
        } else if (phi * phi < xi && (1 - phi) * (1 - phi) < 1 - xi) {
            t = fa / (fb - fa) * fc / (fb - fc) +
                (c.x - a.x) / (b.x - a.x) * fa / (fc - fa) * fb / (fc - fb);
        }
        // Progress of a few ulps at least, and never onto an end.
        const double limite = std::fmin(
            0.5, 4e-16 * std::fmax(std::fabs(a.x), std::fabs(b.x)) / std::fabs(b.x - a.x));
        if (!std::isfinite(t)) t = 0.5;
        t = std::fmax(limite, std::fmin(1 - limite, t));
    }
    // Neighbouring doubles hold the quantile to the last bit, however far apart they are (two
    // ulps of 1e10 are 4e-6): then the end nearer p. So does a bracket that the evaluations
    // allowed did not close, or that holds a step of F's rounding: F then moves by its own
    // rounding across it (tiny df leave F accurate to 1e-12 where it rises by that over ten
    // units), and halving on would chase that noise.
    const bool etroit = std::fabs(b.x - a.x) < kLargeurFinale;
    const bool epuise = n == kEvaluationsEncadre;
    if (!etroit && !epuise && PeutRetrecir(a.x, b.x)) throw Abandon{};
    const PointZ& fin = !etroit && std::fabs(p - b.F) < std::fabs(p - a.F) ? b : a;
    if (std::fabs(p - fin.F) > 1e-6) throw Abandon{};
    if (tol > 1e-7) erreur = kSuccesAvecRemarque;
    return fin.x;
}

}  // namespace

double DepartNormal(double p) {
    const double q = p <= 0.5 ? p : 1.0 - p;
    const double w = Logarithme(Divise(1.0, q * q));
    const double s = RacineCarree(w);
    const double z = s - (2.515517 + 0.802853 * s + 0.010328 * w) /
                             (1.0 + 1.432788 * s + 0.189269 * w + 0.001308 * s * w);
    return p <= 0.5 ? -z : z;
}

double QuantileLoi(std::string_view nom, Booleen infOuverte, double borneInf, Booleen supOuverte,
                   double borneSup, double centre, double& pas, double p, double P1, double P2,
                   double P3, double P4, double P5, double position, double /*echelle*/,
                   double tolerance, CodeErreur& erreur) {
    erreur = kSucces;
    try {
        if (!(p >= 0.0 && p <= 1.0) || !(tolerance < 1.0)) throw Abandon{};
        double tol = tolerance;
        // A p within the tolerance of 0 or 1 would be met by a bound of the support: tighten
        // the tolerance so that the search still runs for it.
        if (p <= tol || (p >= 1.0 - tol && tol > 1e-13)) tol = 1e-13;
        const Repartition F(nom, P1, P2, P3, P4, P5, tol);
        const auto atteint = [&](double Fx) { return std::fabs(p - Fx) <= tol; };

        double variance = 0.0;
        Booleen varianceNonDisponible = Vrai;
        MomentsLoi(nom, P2, P3, P5, position, 1.0, variance, varianceNonDisponible);
        pas = varianceNonDisponible != Faux ? 1.0 : RacineCarree(variance);

        // Student's quantile needs no search, and is exact for every p strictly between 0
        // and 1: only 0 and 1 themselves are met by the bounds of the support.
        if (nom == "t" && p > 0.0 && p < 1.0) {
            const std::optional<double> t = QuantileStudentDirect(p, P2);
            if (!t || *t < borneInf || *t > borneSup || (infOuverte != Faux && *t == borneInf) ||
                (supOuverte != Faux && *t == borneSup))
                throw Abandon{};
            return *t;
        }

        if (p <= tol) {
            if (infOuverte != Faux) erreur = kEchec;
            return borneInf;
        }
        if (p >= 1.0 - tol) {
            if (supOuverte != Faux) erreur = kEchec;
            return borneSup;
        }

        // K-prime with the open bounds of the program: its own start and search.
        if (nom == "K" && infOuverte != Faux && supOuverte != Faux && borneInf <= -kBorneK &&
            borneSup >= kBorneK && (P2 > 0 && P3 > 0 && std::isfinite(P5))) {
            const auto depart = [&](double q) { return QuantileKprimeApproche(q, P2, P3, P5); };
            std::optional<double> x0 = depart(p);
            if (!x0 || !(std::fabs(*x0) < kBorneK)) {
                // No start within the doubles searched (tiny df spread K far beyond them): the
                // bounds say at once whether p is reached in between, where a walk would take
                // a dozen costly evaluations to find out.
                if (!(F.EvalueOuAbandonne(-kBorneK) < p && F.EvalueOuAbandonne(kBorneK) > p))
                    throw Abandon{};
                x0 = x0 ? std::copysign(kBorneK / 10, *x0) : 0.0;
            }
            const double x = ChercheKprime(F, p, tol, *x0, depart, erreur);
            if (erreur != kSucces || !(std::fmin(p, 1.0 - p) < kQueueAAffiner)) return x;
            return AffineQuantileKprime(x, p, P2, P3, P5);
        }

        double x0 = Fini(centre + DepartNormal(p) * pas);
        if (x0 < borneInf) x0 = borneInf;
        if (x0 > borneSup) x0 = borneSup;
        const double F0 = x0 <= -1e300 ? 0.0 : x0 >= 1e300 ? 1.0 : F.EvalueOuAbandonne(x0);
        if (atteint(F0)) return x0;

        Point bas{0.0, 0.0};
        Point haut{0.0, 0.0};
        // The walk from the centre: the point where it stops (its F failed, met p or passed
        // it) and what F gave there.
        const auto marche = [&](bool versLeBas) {
            Marche points(centre, pas, versLeBas, borneInf);
            struct Essai {
                bool echec = false;
                double F = 0.0;
            };
            std::vector<Essai> essais;
            const auto arret = [&](std::size_t i) {
                if (essais.size() <= i) essais.resize(points.Taille());
                Essai& e = essais[i];
                e.echec = !F.Evalue(points[i].x, e.F);
                return e.echec || atteint(e.F) || (versLeBas ? e.F <= p : e.F >= p);
            };
            const std::optional<std::size_t> i = PremierArret(points, arret);
            // The walk ran out of steps or overflowed without bracketing p.
            if (!i) throw Abandon{};
            pas = points[*i].pas;
            return std::pair{points[*i].x, essais[*i]};
        };
        const bool F0Evalue = x0 > -1e300 && x0 < 1e300;
        if (p < F0) {
            haut = {x0, F0, F0Evalue};
            bas = {borneInf, 0.0, false};
            const auto [x, e] = marche(true);
            if (e.echec) {
                if (infOuverte != Faux) throw Abandon{};
                bas = {borneInf, 0.0, false};
            } else {
                if (atteint(e.F)) return x;
                bas = {x, e.F};
            }
        } else {
            bas = {x0, F0, F0Evalue};
            haut = borneSup >= 1e300 ? Point{borneSup, 1.0, false}
                                     : Point{borneSup, F.EvalueOuAbandonne(borneSup)};
            if (atteint(haut.F)) return borneSup;
            if (!(haut.F >= p && supOuverte == Faux)) {
                const auto [x, e] = marche(false);
                if (e.echec) throw Abandon{};
                if (atteint(e.F)) return x;
                haut = {x, e.F};
            }
        }

        // Regula falsi converges fast on a smooth F; the bisection that follows each of its
        // steps guarantees that the bracket shrinks even where it stalls.
        double x = 0.0;
        double Fx = 0.0;
        const auto essaie = [&](double candidat) {
            x = candidat;
            // A stalled regula falsi lands on an end again, whose F is known.
            if (x == bas.x && bas.evalue) {
                Fx = bas.F;
            } else if (x == haut.x && haut.evalue) {
                Fx = haut.F;
            } else {
                Fx = F.EvalueOuAbandonne(x);
            }
            if (atteint(Fx)) return true;
            if (p < Fx) {
                haut = {x, Fx};
            } else {
                bas = {x, Fx};
            }
            return false;
        };
        for (int cycle = 0; cycle < kCyclesMax; ++cycle) {
            const double decalage = Divise(Fini(haut.x - bas.x) * (p - bas.F), haut.F - bas.F);
            if (essaie(Fini(bas.x + decalage))) return x;
            if (essaie(Milieu(bas.x, haut.x))) return x;
            // Neighbouring ends, however far apart, hold the quantile to the last bit.
            if (std::fabs(bas.x - haut.x) < kLargeurFinale || !PeutRetrecir(bas.x, haut.x)) break;
        }
        if (!(std::fabs(bas.x - haut.x) < kLargeurFinale || !PeutRetrecir(bas.x, haut.x)) ||
            std::fabs(p - Fx) > 1e-6) {
            throw Abandon{};
        }
        if (tol > 1e-7) erreur = kSuccesAvecRemarque;
        return x;
    } catch (const Abandon&) {
    } catch (const ErreurExecution&) {
    }
    erreur = kEchec;
    return 0.0;
}

}  // namespace ormane
