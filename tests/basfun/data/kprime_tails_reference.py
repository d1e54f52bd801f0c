#!/usr/bin/env python3
"""Writes kprime-tails-reference.csv: both tails of the K-prime distribution,
P(K <= x) and P(K > x), K = (Z + lambda*sqrt(chi2_nu1/nu1)) / sqrt(chi2_nu2/nu2), at points
where one of them is small (down to 1e-300), to 25 significant digits.

Each value is computed twice with mpmath at 60 digits: by the Poisson-mixture series of the
noncentral t averaged over the chi variable (the negative binomial series), and by a direct
integral over U / V of the conditional Student (or normal) probability. A point is kept
only when both agree to 1e-22 relative on each tail. nu = inf stands for an infinite df (the
CSV writes 1e300, as the program passes it). Run: python3 kprime_tails_reference.py > ...
"""
import sys
import mpmath as mp

mp.mp.dps = 60
INF = mp.inf


def student_cdf(t, nu):
    # P(T <= t) for Student's t with nu df.
    if nu == INF:
        return mp.ncdf(t)
    h = mp.betainc(nu / 2, mp.mpf(1) / 2, 0, nu / (nu + t * t), regularized=True) / 2
    return h if t < 0 else 1 - h


def serie(x, nu1, nu2, lam):
    """P(K <= x) for x >= 0 by the negative binomial (Poisson for nu1 infinite) series."""
    x, lam = mp.mpf(x), mp.mpf(lam)
    if nu2 == INF:
        J = lambda a: mp.gammainc(a, 0, x * x / 2, regularized=True)
    else:
        y = x * x / (x * x + nu2)
        J = lambda a: mp.betainc(a, nu2 / 2, 0, y, regularized=True)
    if nu1 == INF:
        mu = lam * lam / 2
        P = lambda j: mp.exp(-mu) * mu ** j / mp.factorial(j)
        Q = lambda j: lam * mp.exp(-mu) * mu ** j / (mp.sqrt(2) * mp.gamma(j + 1.5))
        moyenne, ecart = mu, mp.sqrt(mu)
    else:
        r = mp.mpf(nu1) / 2
        pi = lam * lam / (nu1 + lam * lam)
        P = lambda j: mp.exp(mp.loggamma(r + j) - mp.loggamma(r) - mp.loggamma(j + 1)) * pi ** j * (1 - pi) ** r
        Q = lambda j: mp.sign(lam) * mp.sqrt(pi) * (1 - pi) ** r * pi ** j * mp.exp(
            mp.loggamma(r + j + 0.5) - mp.loggamma(r) - mp.loggamma(j + 1.5))
        moyenne = r * pi / (1 - pi)
        ecart = mp.sqrt(r * pi) / (1 - pi)
    s = student_cdf(-lam, nu1)
    j = 0
    while True:
        pj, qj = P(j), Q(j)
        s += (pj * J(j + 0.5) + qj * J(j + 1)) / 2
        if j > moyenne + 30 * ecart + 60 and abs(pj) + abs(qj) < mp.mpf(10) ** -58:
            return s
        j += 1


def cdf_serie(x, nu1, nu2, lam):
    if x >= 0:
        return serie(x, nu1, nu2, lam)
    return 1 - serie(-x, nu1, nu2, -lam)


def tails_integrale(x, nu1, nu2, lam):
    """(P(K <= x), P(K > x)) as one integral over S = U / V. Given S the event K <= x is an
    event of Student's t with nu1 + nu2 df (normal when nu2 or nu1 is infinite):
    T <= (x - lambda S) sqrt((nu1 + nu2) / (nu2 + nu1 S^2))."""
    x, lam = mp.mpf(x), mp.mpf(lam)
    if nu1 == INF and nu2 == INF:
        return mp.ncdf(x - lam), mp.ncdf(lam - x)
    if nu2 == INF:
        # S = U, sqrt(chi2_nu1 / nu1); K <= x iff Z <= x - lambda U.
        c = 2 * (mp.mpf(nu1) / 2) ** (mp.mpf(nu1) / 2) / mp.gamma(mp.mpf(nu1) / 2)
        dens = lambda s: c * s ** (nu1 - 1) * mp.exp(-nu1 * s * s / 2)
        arg = lambda s: x - lam * s
        cond = lambda a: (mp.ncdf(a), mp.ncdf(-a))
        e = 1 / mp.sqrt(nu1)
    elif nu1 == INF:
        # S = 1 / V; K <= x iff Z <= x V - lambda: integrate over V instead.
        c = 2 * (mp.mpf(nu2) / 2) ** (mp.mpf(nu2) / 2) / mp.gamma(mp.mpf(nu2) / 2)
        dens = lambda v: c * v ** (nu2 - 1) * mp.exp(-nu2 * v * v / 2)
        arg = lambda v: x * v - lam
        cond = lambda a: (mp.ncdf(a), mp.ncdf(-a))
        e = 1 / mp.sqrt(nu2)
    else:
        n1, n2 = mp.mpf(nu1), mp.mpf(nu2)
        n = n1 + n2
        # density of S = sqrt(F * nu1 / nu1 ...): Q = S^2 has density of (chi2_1/nu1)/(chi2_2/nu2)
        lb = mp.log(mp.beta(n1 / 2, n2 / 2))
        dens = lambda s: 2 * s * mp.exp((n1 / 2) * mp.log(n1 / n2) + (n1 / 2 - 1) * mp.log(s * s)
                                        - (n / 2) * mp.log(1 + n1 * s * s / n2) - lb)
        arg = lambda s: (x - lam * s) * mp.sqrt(n / (n2 + n1 * s * s))
        cond = lambda a: (student_cdf(a, n), student_cdf(-a, n))
        e = mp.sqrt(1 / n1 + 1 / n2)
    cuts = [mp.mpf(0)] + [1 + k * e for k in (-8, -3, -1, 0, 1, 3, 8, 20) if 1 + k * e > 0]
    if nu1 != INF and lam != 0 and x / lam > 0:
        cuts.append(x / lam)
    if nu1 == INF and x != 0 and lam / x > 0:
        cuts.append(lam / x)
    cuts = sorted(set(cuts)) + [INF]
    lo = mp.quad(lambda s: dens(s) * cond(arg(s))[0], cuts)
    hi = mp.quad(lambda s: dens(s) * cond(arg(s))[1], cuts)
    return lo, hi


POINTS = [
    # x, nu1, nu2, lambda: small lower tails (x below K's bulk), small upper tails, both
    # signs of lambda, infinite nu1 (noncentral t), infinite nu2 (lambda-prime), lambda = 0.
    (-3.0, 5, 8, 2.0), (-6.0, 5, 8, 2.0), (-2.0, 10, 10, 6.0), (0.5, 10, 10, 9.0),
    (-1.0, 20, 30, 8.0), (-4.0, 3, 4, 1.5), (-15.0, 4, 6, 0.0), (40.0, 4, 6, 0.0),
    (25.0, 9, 12, 3.0), (60.0, 9, 12, 3.0), (12.0, 30, 30, -2.0), (4.0, 12, 9, -5.0),
    (1.5, 12, 9, -7.0), (-12.0, 6, 20, -1.0), (-30.0, 6, 20, -10.0), (9.0, 2.5, 15, 1.0),
    (2.0, INF, 10, -6.0), (-4.0, INF, 15, 3.0), (20.0, INF, 10, 4.0), (1.0, INF, 25, 12.0),
    (-5.0, 9, INF, 4.0), (-2.0, 15, INF, 10.0), (12.0, 9, INF, 2.0), (0.5, 40, INF, -8.0),
    (9.0, 4, INF, 1.0), (-3.0, 1, 5, 0.7), (30.0, 1.5, 3, 2.0), (0.0, 8, 8, 12.0),
    (0.0, 8, 8, -12.0), (-7.0, 50, 50, 5.0),
]


def fmt(v):
    return "1e300" if v == INF else repr(float(v))


def main():
    print("x,nu1,nu2,lambda,lower,upper")
    for x, nu1, nu2, lam in POINTS:
        F = cdf_serie(x, nu1, nu2, lam)
        G = 1 - F
        lo, hi = tails_integrale(x, nu1, nu2, lam)
        for a, b in ((F, lo), (G, hi)):
            if abs(a - b) > mp.mpf(10) ** -22 * abs(a):
                print(f"disagreement at {x},{nu1},{nu2},{lam}: {a} {b}", file=sys.stderr)
                break
        else:
            print(f"{fmt(x)},{fmt(nu1)},{fmt(nu2)},{fmt(lam)},"
                  f"{mp.nstr(F, 25, min_fixed=1, max_fixed=0)},{mp.nstr(G, 25, min_fixed=1, max_fixed=0)}")
            sys.stdout.flush()


if __name__ == "__main__":
    main()
