// Student's distribution function inside the library, for the limits K tends to when a degree
// of freedom is tiny (U or V then almost surely near 0): both tails to relative accuracy for
// any t and any nu > 0, subnormal nu and |t| up to the largest double included, where Boost's
// own distribution loses half the mass (it takes P(T <= -1e10) as 0 for nu = 1e-310).
#pragma once

namespace basfun_interne {

// P(T <= t), or P(T > t) when `superieure`, for Student's T with nu > 0 degrees of freedom
// (an infinite nu: the normal law); t not NaN.
double QueueStudent(double t, double nu, bool superieure);

}  // namespace basfun_interne
