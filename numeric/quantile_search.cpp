#include "quantile_search.h"

#include <cmath>
#include <string>

#include "arithmetique_controlee.h"
#include "distribution.h"
#include "moments.h"

namespace ormane {
namespace {

constexpr int kPasParTour = 101;
constexpr int kAgrandissementsMax = 11;
constexpr int kCyclesMax = 50;
constexpr double kLargeurFinale = 1e-14;

// The search gives up: the caller sees code -1 and result 0.
struct Abandon {};

struct Point {
    double x;
    double F;
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

// The walk's step grows after every 101 steps that failed to bracket p: (10 step)^m at the
// m-th time, at most 11 times.
class Marche {
  public:
    explicit Marche(double& pas) : pas_(pas) {}

    void CompteUnPas() {
        if (++pas_faits_ < kPasParTour) return;
        if (agrandissements_ == kAgrandissementsMax) throw Abandon{};
        ++agrandissements_;
        pas_ = Puissance(10.0 * pas_, agrandissements_);
        pas_faits_ = 0;
    }

  private:
    double& pas_;
    int pas_faits_ = 0;
    int agrandissements_ = 0;
};

}  // namespace

double DepartNormalAbramowitzStegun(double p) {
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

        if (p <= tol) {
            if (infOuverte != Faux) erreur = kEchec;
            return borneInf;
        }
        if (p >= 1.0 - tol) {
            if (supOuverte != Faux) erreur = kEchec;
            return borneSup;
        }

        double x0 = Fini(centre + DepartNormalAbramowitzStegun(p) * pas);
        if (x0 < borneInf) x0 = borneInf;
        if (x0 > borneSup) x0 = borneSup;
        const double F0 = x0 <= -1e300 ? 0.0 : x0 >= 1e300 ? 1.0 : F.EvalueOuAbandonne(x0);
        if (atteint(F0)) return x0;

        Point bas{0.0, 0.0};
        Point haut{0.0, 0.0};
        if (p < F0) {
            haut = {x0, F0};
            bas = {borneInf, 0.0};
            Marche marche(pas);
            for (double x = centre;;) {
                x = Fini(x - pas);
                if (x < borneInf) x = borneInf;
                double Fx = 0.0;
                if (!F.Evalue(x, Fx)) {
                    if (infOuverte != Faux) throw Abandon{};
                    bas = {borneInf, 0.0};
                    break;
                }
                if (atteint(Fx)) return x;
                if (Fx <= p) {
                    bas = {x, Fx};
                    break;
                }
                marche.CompteUnPas();
            }
        } else {
            bas = {x0, F0};
            haut = {borneSup, borneSup >= 1e300 ? 1.0 : F.EvalueOuAbandonne(borneSup)};
            if (atteint(haut.F)) return borneSup;
            if (!(haut.F >= p && supOuverte == Faux)) {
                Marche marche(pas);
                for (double x = centre;;) {
                    x = Fini(x + pas);
                    const double Fx = F.EvalueOuAbandonne(x);
                    if (atteint(Fx)) return x;
                    if (Fx >= p) {
                        haut = {x, Fx};
                        break;
                    }
                    marche.CompteUnPas();
                }
            }
        }

        // Regula falsi converges fast on a smooth F; the bisection that follows each of its
        // steps guarantees that the bracket shrinks even where it stalls.
        double x = 0.0;
        double Fx = 0.0;
        const auto essaie = [&](double candidat) {
            x = candidat;
            Fx = F.EvalueOuAbandonne(x);
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
            if (essaie(Fini(bas.x + haut.x) / 2.0)) return x;
            if (std::fabs(bas.x - haut.x) < kLargeurFinale) break;
        }
        if (!(std::fabs(bas.x - haut.x) < kLargeurFinale) || std::fabs(p - Fx) > 1e-6) {
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
