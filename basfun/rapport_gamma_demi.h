// Gamma(a) / Gamma(a + 1/2), which starts both series summed from index 0.
#pragma once

namespace basfun_interne {

// Remembered for the last few a in each thread: the evaluations of one law, a quantile search's
// say, all ask for the same two.
double RapportGammaDemi(double a);

}  // namespace basfun_interne
