// Every routine that reaches libbasfun, with the library out of reach (a file that does not
// exist, or a library without the entry point): defined failures, never a crash.
#include <gtest/gtest.h>

#include "numeric/distribution.h"
#include "numeric/kprime_tails.h"
#include "numeric/psrep.h"
#include "numeric/quantile_search.h"
#include "numeric/special_functions.h"
#include "numeric/student.h"

namespace ormane {
namespace {

TEST(BibliothequeHorsDePortee, EveryCallFailsWithItsDefinedValue) {
    for (const char* chemin : {"/nonexistent/libbasfun.so", "libm.so.6"}) {
        SCOPED_TRACE(chemin);
        DefinitCheminBasfunPourTests(chemin);
        CodeErreur erreur = kSucces;
        auto echoue = [&](double obtenu, double attendu) {
            EXPECT_EQ(obtenu, attendu);
            EXPECT_EQ(erreur, kEchec);
            erreur = kSucces;
        };
        echoue(BetaIncomplete(0.5, 0.5, 2.0, erreur), 0.0);
        echoue(RepartitionKprime(0.5, 9.0, 9.0, 1.0, 1e-9, erreur), 0.0);
        echoue(RepartitionStudent(1.3, 9.0, 1e-12, erreur), -1.0);
        echoue(RepartitionStudent(1.3, 1e6, 1e-12, erreur), -1.0);
        echoue(RepartitionLoi("K", 1.3, 0.0, 9.0, 9.0, 0.0, 1.0, 1e-9, erreur), -1.0);
        double pas = 1.0;
        echoue(QuantileLoi("K", Vrai, -1e300, Vrai, 1e300, 0.0, pas, 0.15, 0.0, 9.0, 9.0, 0.0, 1.0,
                           0.0, 1.0, 1e-16, erreur),
               0.0);
        echoue(CalculePsrep(0.025, 1.1, 9.0, 9.0, 1.0, erreur), 0.0);
        echoue(CalculePpreprep(0.9, 1.1, 9.0, 9.0, 1.0, erreur), 0.0);
        const QueuesKprime queues = CalculeQueuesKprime(1.0, 5.0, 5.0, 1.0, erreur);
        echoue(queues.inferieure + queues.superieure, 0.0);
        EXPECT_EQ(CalculPrep(1.3, 9.0, 1.0, erreur), 0.0);
        // Student needs no library for an extreme t, nor for its quantile.
        erreur = kEchec;
        EXPECT_EQ(RepartitionStudent(2e100, 9.0, 1e-12, erreur), 1.0);
        EXPECT_EQ(erreur, kSucces);
        EXPECT_NEAR(QuantileLoi("t", Vrai, -1e300, Vrai, 1e300, 0.0, pas, 0.975, 0.0, 10.0, 0.0,
                                0.0, 0.0, 0.0, 1.0, 1e-16, erreur),
                    2.228138851986274, 1e-15);
        EXPECT_EQ(erreur, kSucces);
        DefinitCheminBasfunPourTests(std::nullopt);
    }
}

}  // namespace
}  // namespace ormane
