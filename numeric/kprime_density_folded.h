// The K-prime density for few degrees of freedom on U. There the single integral over s = V / U
// (kprime_density_integral.h) decays like s^(-1 - nu1), and below one degree of freedom its
// quadrature must run far out. With rho = sqrt(c / a), a = x^2 + nu2, c = lambda^2 + nu1, s = rho
// sigma and the part beyond sigma = 1 folded onto (0, 1) by sigma -> 1 / sigma,
//   f_K(x) = C c^(-nu1/2) a^(-(nu2+1)/2) J,
//   J = ∫_0^1 (sigma^nu2 + sigma^(nu1 - 1)) ((sigma - t)^2 + d^2)^(-N) dsigma,
// t = x lambda / sqrt(a c), d^2 = 1 - t^2. Near 0 the integrand is summed as the expansion of
// (1 - 2 t sigma + sigma^2)^(-N) in Gegenbauer polynomials, term by term in closed form (the
// long tail of U near 0 becomes its first term, 1 / nu1); the rest, which peaks at sigma = t
// with a width of d, by Gauss-Legendre panels in u where sigma = t + d sinh u.
#pragma once

#include <optional>

namespace ormane {

inline constexpr double kNu1MaxRepli = 100;
inline constexpr double kNu2MaxRepli = 1e3;

// f_K(x) for 0 < nu1 < kNu1MaxRepli, 0 < nu2 <= kNu2MaxRepli, |x| and |lambda| below 1e150; nullopt
// outside that range or when the sums do not settle. Accurate to about 1e-12 relative.
std::optional<double> DensiteKprimeRepliee(double x, double nu1, double nu2, double lambda);

}  // namespace ormane
