#!/usr/bin/env python3
"""Writes kprime-extremes.tsv: results of the K-prime calculator at extreme entries, K =
(Z + lambda U) / V, U = sqrt(chi2_nu1 / nu1), V = sqrt(chi2_nu2 / nu2), each from a closed form
or a one-dimensional integral in mpmath at 50 digits, independent of the program.

- nu1 -> 0: U -> 0 in probability (P(U > d) = Q(nu1 / 2, nu1 d^2 / 2) <= 1.13 (nu1 / 2)
  (ln(2 / (nu1 d^2)) + 1) for nu1 <= 2), so K -> Z / V, Student's t with nu2 df; for nu1 = 1e-300
  and below the difference is below 1e-290, so Student's distribution function and quantile are
  the values to 1e-290.
- nu2 -> 0: V -> 0, and K goes to the infinity of N = Z + lambda U's sign: P(K <= x) ->
  P(N <= 0) = P(Z / U <= -lambda), Student's t with nu1 df at -lambda, whatever x.
- The mean and standard deviation: E[K] = lambda E[U] E[1/V], Var K = nu2 / (nu2 - 2) (1 +
  lambda^2) - E[K]^2, E[U] = sqrt(2 / nu1) Gamma((nu1 + 1) / 2) / Gamma(nu1 / 2), E[1/V] =
  sqrt(nu2 / 2) Gamma((nu2 - 1) / 2) / Gamma(nu2 / 2), evaluated with 50 digits (the variance
  of a huge df loses 30 of them to cancellation, 20 are left).
- nu1 infinite (U = 1) and a huge nu2: P(K <= x) = E_V[Phi(x V - lambda)], integrated over the
  standardized chi-square w = (chi2_nu2 - nu2) / sqrt(2 nu2) with its exact density; the median
  solves P(K <= m) = 1/2 by the secant method on that integral. nu2 infinite (V = 1) and a huge
  nu1: P(K <= x) = E_U[Phi(x - lambda U)], the same way.

Columns: df1, df2, lambda, mode (x or p), its value, the result (cdf, sf, x, mean, median,
sd), its reference value, and the relative tolerance the test allows. inf is an infinite df.
Run: python3 kprime_extremes_reference.py > kprime-extremes.tsv
"""
import mpmath as mp

mp.mp.dps = 50
INF = mp.inf


def student_cdf(t, nu):
    t = mp.mpf(t)
    if nu == INF:
        return mp.ncdf(t)
    nu = mp.mpf(nu)
    if t == 0:
        return mp.mpf(1) / 2
    h = mp.betainc(nu / 2, mp.mpf(1) / 2, 0, nu / (nu + t * t), regularized=True) / 2
    return h if t < 0 else 1 - h


def student_quantile(p, nu):
    return mp.findroot(lambda t: student_cdf(t, nu) - p, mp.mpf(-1.3))


def moyenne_u(nu):
    if nu == INF:
        return mp.mpf(1)
    nu = mp.mpf(nu)
    return mp.sqrt(2 / nu) * mp.exp(mp.loggamma((nu + 1) / 2) - mp.loggamma(nu / 2))


def moyenne_inverse_v(nu):
    if nu == INF:
        return mp.mpf(1)
    nu = mp.mpf(nu)
    return mp.sqrt(nu / 2) * mp.exp(mp.loggamma((nu - 1) / 2) - mp.loggamma(nu / 2))


def moments(nu1, nu2, lam):
    lam = mp.mpf(lam)
    m = lam * moyenne_u(nu1) * moyenne_inverse_v(nu2)
    w = mp.mpf(1) if nu2 == INF else mp.mpf(nu2) / (mp.mpf(nu2) - 2)
    return m, mp.sqrt(w * (1 + lam * lam) - m * m)


def sur_khi(nu, g, marche, pente):
    """E[g(sqrt(chi2_nu / nu))] for a huge nu, over w = (chi2 - nu) / sqrt(2 nu). g steps from
    one level to the other where sqrt(chi2_nu / nu) = marche, with the slope pente in that
    variable: the quadrature is cut there and at a few of the step's widths around it."""
    nu = mp.mpf(nu)
    k = nu / 2
    s = mp.sqrt(2 * nu)
    logc = -k * mp.log(2) - mp.loggamma(k) + mp.log(s)

    def f(w):
        c = nu + s * w
        return mp.exp(logc + (k - 1) * mp.log(c) - c / 2) * g(mp.sqrt(c / nu))

    w0 = (marche * marche - 1) * nu / s
    largeur = 2 * nu * marche / (s * abs(pente))
    coupures = [-60, -20, -8, -3, -1, 0, 1, 3, 8, 20, 60]
    coupures += [w0 + j * largeur for j in (-40, -10, -3, -1, 0, 1, 3, 10, 40)]
    return mp.quad(f, sorted(set(c for c in coupures if -60 <= c <= 60)))


def cdf_t_noncentral_huge_nu2(x, nu2, lam):
    x, lam = mp.mpf(x), mp.mpf(lam)
    return sur_khi(nu2, lambda v: mp.ncdf(x * v - lam), lam / x, x)


def cdf_lambda_prime_huge_nu1(x, nu1, lam):
    x, lam = mp.mpf(x), mp.mpf(lam)
    return sur_khi(nu1, lambda u: mp.ncdf(x - lam * u), x / lam, lam)


def median_t_noncentral_huge_nu2(nu2, lam):
    lam = mp.mpf(lam)
    return mp.findroot(lambda m: cdf_t_noncentral_huge_nu2(m, nu2, lam) - mp.mpf(1) / 2,
                       (lam, lam * (1 + mp.mpf(10) ** -12)), solver='secant', tol=mp.mpf(10) ** -40)


def nombre(v):
    return 'inf' if v == INF else repr(float(v)) if not isinstance(v, str) else v


lignes = []


def ajoute(nu1, nu2, lam, mode, valeur, quoi, ref, tol):
    lignes.append('\t'.join([nombre(nu1), nombre(nu2), nombre(lam), mode, repr(float(valeur)),
                             quoi, mp.nstr(ref, 20), '%g' % tol]))


# nu1 -> 0: Student's t with nu2 df.
for nu1 in (1e-320, 1e-310, 1e-300):
    ajoute(nu1, 20, 1, 'x', 1.5, 'cdf', student_cdf(1.5, 20), 1e-15)
    ajoute(nu1, 20, 1, 'x', 1.5, 'sf', 1 - student_cdf(1.5, 20), 1e-14)
    ajoute(nu1, 20, 1, 'p', 0.1, 'x', student_quantile(0.1, 20), 1e-14)
    ajoute(nu1, 20, 1, 'p', 0.1, 'mean', moments(mp.mpf(nu1), 20, 1)[0], 1e-14)
    ajoute(nu1, 20, 1, 'p', 0.1, 'sd', moments(mp.mpf(nu1), 20, 1)[1], 1e-15)
ajoute(1e-320, 4, -3, 'x', -30, 'cdf', student_cdf(-30, 4), 1e-13)
ajoute(1e-320, INF, 1e10, 'x', 2, 'sf', 1 - student_cdf(2, INF), 1e-13)
# nu2 -> 0: Student's t with nu1 df at -lambda, whatever x.
for nu1, lam, x in ((9, 1, 1.5), (9, 1, -1e10), (3, -2, 1e300), (20, 6, 0.5)):
    ajoute(nu1, 1e-320, lam, 'x', x, 'cdf', student_cdf(-lam, nu1), 1e-13)
    ajoute(nu1, 1e-320, lam, 'x', x, 'sf', 1 - student_cdf(-lam, nu1), 1e-13)
# Huge df and lambda: the moments from their closed forms.
for nu1, nu2, lam in ((INF, 1e15, 1e10), (INF, 1e15, 1e7), (1e8, 1e12, 1e6), (INF, 1e12, 1e8),
                      (1e15, 1e15, 1e15), (1e12, INF, 1e10)):
    m, s = moments(nu1, nu2, lam)
    ajoute(nu1, nu2, lam, 'x', 0, 'mean', m, 1e-15)
    ajoute(nu1, nu2, lam, 'x', 0, 'sd', s, 1e-14)
# Huge df and lambda: both tails and the median by the integrals over the chi variable.
for x in (1e10, 1e10 + 300, 1e10 - 1000):
    f = cdf_t_noncentral_huge_nu2(x, 1e15, 1e10)
    ajoute(INF, 1e15, 1e10, 'x', x, 'cdf', f, 1e-13)
    ajoute(INF, 1e15, 1e10, 'x', x, 'sf', 1 - f, 1e-13)
    f = cdf_lambda_prime_huge_nu1(x, 1e15, 1e10)
    ajoute(1e15, INF, 1e10, 'x', x, 'cdf', f, 1e-13)
    ajoute(1e15, INF, 1e10, 'x', x, 'sf', 1 - f, 1e-13)
ajoute(INF, 1e15, 1e10, 'x', 0, 'median', median_t_noncentral_huge_nu2(1e15, 1e10), 1e-15)

print('# Generated by kprime_extremes_reference.py; see its docstring for each closed form.')
print('\t'.join(['df1', 'df2', 'lambda', 'mode', 'value', 'result', 'reference', 'tolerance']))
for l in lignes:
    print(l)
