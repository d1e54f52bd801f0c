"""Second, independent check of the worked example (help topics 2 and 12): the K-prime
distribution function as a direct double integral over both chi variables, with mpmath,
evaluated at the limits found by worked_example.cpp. Slow (minutes); run by hand:
    python3 help/checks/worked_example_check.py
"""
from mpmath import mp, mpf, sqrt, quad, ncdf, gamma, exp, betainc, findroot, inf

mp.dps = 15


def density_of_u(u, nu):
    """Density of sqrt(chi2_nu / nu)."""
    nu = mpf(nu)
    return 2 * (nu / 2) ** (nu / 2) / gamma(nu / 2) * u ** (nu - 1) * exp(-nu * u * u / 2)


def kprime_cdf(x, nu1, nu2, lam):
    """P(K <= x), K = (Z + lam U) / V; nu2 None stands for an infinite nu2 (V = 1)."""
    if nu2 is None:
        return quad(lambda u: density_of_u(u, nu1) * ncdf(x - lam * u), [0, 1, 2, inf])
    return quad(lambda u, v: density_of_u(u, nu1) * density_of_u(v, nu2) * ncdf(x * v - lam * u),
                [0, 1, 2, inf], [0, 1, 2, inf])


def student_cdf(x, nu):
    nu = mpf(nu)
    half_tail = betainc(nu / 2, mpf(1) / 2, 0, nu / (nu + x * x), regularized=True) / 2
    return half_tail if x < 0 else 1 - half_tail


def student_quantile(p, nu):
    return findroot(lambda x: student_cdf(x, nu) - p, 1)


t = mpf('1.09971619639466')
nu = 9
lam = t / sqrt(2)
print('two-tailed p', 2 * (1 - student_cdf(t, nu)))
print('prep', student_cdf(lam, nu))
print('psrep', 1 - kprime_cdf(student_quantile(mpf('0.975'), nu) / sqrt(2), nu, nu, lam))
print('ppreprep', 1 - kprime_cdf(student_quantile(mpf('0.9'), nu) / sqrt(2), nu, nu, lam))
print('F at the t limits (0.025, 0.975):',
      kprime_cdf(mpf('-1.927574898') / sqrt(2), nu, nu, lam),
      kprime_cdf(mpf('4.682222389') / sqrt(2), nu, nu, lam))
print('lambda-prime F at its limits (0.025, 0.975):',
      kprime_cdf(mpf('-0.9513594597'), nu, None, t), kprime_cdf(mpf('3.094391921'), nu, None, t))
print('upper tails at the t limits:', 1 - student_cdf(mpf('4.682222389'), nu),
      1 - student_cdf(mpf('-1.927574898'), nu))
