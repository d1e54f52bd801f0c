#!/usr/bin/env python3
"""Writes kprime-density-reference.csv: the K-prime density for fewer than one degree of
freedom on U, to 20 digits, with mpmath at 40 digits. K = (Z + lambda U) / V; integrating
the radius out of the joint density of U and V leaves, with s = V / U,
  f(x) = C int_0^inf s^nu2 P(s)^(-N) ds,  P(s) = (x s - lambda)^2 + nu1 + nu2 s^2,
N = (nu1 + nu2 + 1) / 2. With s = rho sigma, rho^2 = (lambda^2 + nu1) / (x^2 + nu2), the part
beyond sigma = 1 is folded back by sigma -> 1 / sigma, and its slow tail near sigma = 0
(the integral of sigma^(nu1 - 1)) is taken in closed form, 1 / nu1. The rest is integrated
by mpmath's tanh-sinh rule, split about the integrand's peak at sigma = t. Densities below
1e-300 are left out.
Run from this folder: python3 kprime_density_reference.py > kprime-density-reference.csv"""
import mpmath as mp

mp.mp.dps = 40

NU1 = ["1e-6", "1e-3", "0.1", "0.5", "0.9"]
NU2 = ["1e-6", "0.5", "1", "9", "100", "1000"]
LAMBDA = ["-20", "0", "0.3", "5", "1e4"]
X = ["-3", "-0.2", "0", "0.5", "2", "40", "1e4"]


def density(x, n1, n2, lam):
    N = (n1 + n2 + 1) / 2
    a = x * x + n2
    c = lam * lam + n1
    t = x * lam / mp.sqrt(a * c)
    d2 = (x * x * n1 + n2 * c) / (a * c)  # 1 - t^2
    d = mp.sqrt(d2)

    def g(s):
        return ((s - t) ** 2 + d2) ** (-N)

    points = {mp.mpf(0), mp.mpf(1)}
    if 0 < t < 1:
        points.add(t)
    for k in range(-12, 60):
        for sign in (-1, 1):
            p = t + sign * d * mp.mpf(2) ** k
            if 0 < p < 1:
                points.add(p)
    J = mp.quad(lambda s: s ** n2 * g(s) + s ** (n1 - 1) * (g(s) - 1), sorted(points)) + 1 / n1
    log_c = (-mp.log(2 * mp.pi) / 2 + mp.log(2) + n1 / 2 * mp.log(n1 / 2) + n2 / 2 * mp.log(n2 / 2)
             - mp.loggamma(n1 / 2) - mp.loggamma(n2 / 2) + mp.loggamma(N) + N * mp.log(2))
    return mp.e ** (log_c - n1 / 2 * mp.log(c) - (n2 + 1) / 2 * mp.log(a)) * J


print("x,nu1,nu2,lambda,density")
for n1 in NU1:
    for n2 in NU2:
        for lam in LAMBDA:
            for x in X:
                f = density(mp.mpf(x), mp.mpf(n1), mp.mpf(n2), mp.mpf(lam))
                if f < mp.mpf("1e-300"):
                    continue  # beyond doubles
                print(f"{x},{n1},{n2},{lam},{mp.nstr(f, 20, min_fixed=0, max_fixed=0)}", flush=True)
