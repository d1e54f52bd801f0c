// One computation of the K-prime calculator, without any window: from the degrees of
// freedom, the noncentrality and either a limit x or a probability p, the two tails at x
// (x found from p when p is given), the mean, the median and the standard deviation.
// Shared by the dialog and by `ormane kprime`.
#pragma once

#include <optional>

#include "numeric/types.h"

namespace ormane {

// What stands for an infinite number of degrees of freedom.
inline constexpr double kDdlInfini = 1e300;

// P(K <= x) and P(K > x).
struct DeuxQueues {
    double inferieure = 0;
    double superieure = 0;
};

// The one place the calculator asks for the tails: code 0 success, -1 failure.
DeuxQueues QueuesDe(double x, double nu1, double nu2, double lambda, CodeErreur& code);

enum class ModeKprime { Limite, Probabilite };

struct EntreesKprime {
    double nu1 = 0;  // kDdlInfini (or more) for infinity
    double nu2 = 0;
    double lambda = 0;
    ModeKprime mode = ModeKprime::Limite;
    double valeur = 0;  // x, or p
};

// Why nothing was computed, or that something was.
enum class EtatKprime {
    Calcule,
    Nu1Invalide,             // df1 empty, zero or negative
    Nu2Invalide,             // df2 empty, zero or negative
    ProbabiliteHorsLimites,  // p not strictly between 0 and 1
    BibliothequeAbsente,     // libbasfun cannot be loaded
};

struct ResultatsKprime {
    EtatKprime etat = EtatKprime::Calcule;
    std::optional<double> x;           // the limit: given, or found from p
    std::optional<double> inferieure;  // P(K <= x)
    std::optional<double> superieure;  // P(K > x)
    std::optional<double> moyenne;     // nu2 > 1
    std::optional<double> mediane;
    std::optional<double> ecartType;  // nu2 > 2
    // A result that should exist but could not be computed accurately, and the first such
    // in the order the results are shown (the one the status line names).
    bool echecNumerique = false;
    enum class Manquant { Aucun, X, Queues, Moyenne, Mediane, EcartType };
    Manquant premierManquant = Manquant::Aucun;
};

ResultatsKprime CalculeKprime(const EntreesKprime& entrees);

}  // namespace ormane
