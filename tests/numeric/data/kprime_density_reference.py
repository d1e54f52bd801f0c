#!/usr/bin/env python3
"""Writes kprime-density-reference.csv: the K-prime density where the mixture series is long
(few degrees of freedom on U), to 20 digits, with mpmath at 40 digits. K = (Z + lambda U) / V;
integrating the radius out of the joint density of U and V leaves, with s = V / U,
  f(x) = C int_0^inf s^nu2 P(s)^(-N) ds,  P(s) = (x s - lambda)^2 + nu1 + nu2 s^2,
N = (nu1 + nu2 + 1) / 2. With s = rho sigma, rho^2 = (lambda^2 + nu1) / (x^2 + nu2), the part
beyond sigma = 1 is folded back by sigma -> 1 / sigma, and its slow tail near sigma = 0 (the
integral of sigma^(nu1 - 1)) is taken in closed form, 1 / nu1; the rest is integrated by
mpmath's tanh-sinh rule, split about the integrand's peak at sigma = t. From one degree of
freedom on, where the tail decays fast, the integral over s is taken as it stands, split about
its peak (density_unfolded). Densities below 1e-300 are left out.
Run from this folder: python3 kprime_density_reference.py > kprime-density-reference.csv"""
import mpmath as mp

mp.mp.dps = 40

NU1 = ["1e-6", "1e-3", "0.1", "0.5", "0.9", "1", "3", "30", "100"]
NU2 = ["1e-6", "0.5", "1", "9", "100", "1000"]
LAMBDA = ["-20", "0", "0.3", "5", "1e4"]
X = ["-3", "-0.2", "0", "0.5", "2", "40", "1e4"]


def log_constant(n1, n2, N):
    return (-mp.log(2 * mp.pi) / 2 + mp.log(2) + n1 / 2 * mp.log(n1 / 2) + n2 / 2 * mp.log(n2 / 2)
            - mp.loggamma(n1 / 2) - mp.loggamma(n2 / 2) + mp.loggamma(N) + N * mp.log(2))


def density_unfolded(x, n1, n2, lam):
    """From one degree of freedom on, the integral over s as it stands, in tau = ln s: its log
    L(tau) = (nu2 + 1) tau - N ln P(e^tau) has one peak, at the positive root of
    nu1 a s^2 - (nu1 - nu2 - 1) x lambda s - (nu2 + 1) c = 0, and is split about it at steps
    of its width there, more finely near it."""
    N = (n1 + n2 + 1) / 2
    a = x * x + n2
    c = lam * lam + n1
    b = (n1 - n2 - 1) * x * lam
    s0 = (b + mp.sqrt(b * b + 4 * n1 * a * (n2 + 1) * c)) / (2 * n1 * a)
    t0 = mp.log(s0)

    def L(t):
        s = mp.e ** t
        return (n2 + 1) * t - N * mp.log((x * s - lam) ** 2 + n1 + n2 * s * s)

    w = 1 / mp.sqrt(-mp.diff(L, t0, 2))
    points = [-mp.inf] + sorted(t0 + k * w for k in (-64, -16, -6, -2, 0, 2, 6, 16, 64)) + [mp.inf]
    integral = mp.quad(lambda t: mp.e ** (L(t) - L(t0)), points)
    return mp.e ** (log_constant(n1, n2, N) + L(t0)) * integral


def density(x, n1, n2, lam):
    if n1 >= 1:
        return density_unfolded(x, n1, n2, lam)
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
    return mp.e ** (log_constant(n1, n2, N) - n1 / 2 * mp.log(c) - (n2 + 1) / 2 * mp.log(a)) * J


print("x,nu1,nu2,lambda,density")
for n1 in NU1:
    for n2 in NU2:
        for lam in LAMBDA:
            for x in X:
                f = density(mp.mpf(x), mp.mpf(n1), mp.mpf(n2), mp.mpf(lam))
                if f < mp.mpf("1e-300"):
                    continue  # beyond doubles
                print(f"{x},{n1},{n2},{lam},{mp.nstr(f, 20, min_fixed=0, max_fixed=0)}", flush=True)
