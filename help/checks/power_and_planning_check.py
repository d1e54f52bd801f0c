"""Independent check of the numbers the help quotes about observed power, ppreprep's
threshold, choosing c and the future degrees of freedom, and planning (topics 1, 8, 11, 18
and the notes page). The K-prime distribution function is a direct double integral over both
chi variables, with mpmath, as in worked_example_check.py; the noncentral t is an integral
over its chi variable. Slow (about a quarter of an hour); run by hand:
    python3 help/checks/power_and_planning_check.py
The program's values to compare with come from
    ormane compute --p2 0.05 --df 22 --future 2.5 58 --json
    ormane plan --p2 0.05 --df 22 --target psrep --probability 0.80 --cells 2
    ormane plan --p2 0.30 --df 9 --target psrep --probability 0.80 --cells 1
"""
from mpmath import mp, mpf, sqrt, quad, ncdf, exp, log, loggamma, betainc, findroot, inf

mp.dps = 15


def density_of_u(u, nu):
    """Density of sqrt(chi2_nu / nu)."""
    nu = mpf(nu)
    return exp(log(2) + (nu / 2) * log(nu / 2) - loggamma(nu / 2) + (nu - 1) * log(u) - nu * u * u / 2)


def breakpoints(nu):
    """Where the density of sqrt(chi2_nu / nu) turns, so that quad follows its peak."""
    s = 1 / sqrt(2 * mpf(nu))
    points = [mpf(0)]
    for k in (-8, -4, -2, -1, 0, 1, 2, 4, 8, 16):
        if 1 + k * s > points[-1]:
            points.append(1 + k * s)
    return points + [inf]


def kprime_cdf(x, nu1, nu2, lam):
    """P(K <= x), K = (Z + lam U) / V."""
    return quad(lambda u, v: density_of_u(u, nu1) * density_of_u(v, nu2) * ncdf(x * v - lam * u),
                breakpoints(nu1), breakpoints(nu2))


def noncentral_t_cdf(x, nu, delta):
    return quad(lambda v: density_of_u(v, nu) * ncdf(x * v - delta), breakpoints(nu))


def student_cdf(x, nu):
    nu, x = mpf(nu), mpf(x)
    half_tail = betainc(nu / 2, mpf(1) / 2, 0, nu / (nu + x * x), regularized=True) / 2
    return half_tail if x < 0 else 1 - half_tail


def student_quantile(p, nu):
    return findroot(lambda x: student_cdf(x, nu) - p, 1)


def t_of_two_tailed_p(p2, nu):
    return student_quantile(1 - mpf(p2) / 2, nu)


def predictive(t, nu, c, nu_future, threshold):
    """P(t' > threshold) for a future experiment with cell counts times c."""
    lam = t * sqrt(c / (c + 1))
    return 1 - kprime_cdf(threshold / sqrt(c + 1), nu, nu_future, lam)


def psrep(t, nu, c, nu_future, alpha_two_tailed=mpf('0.05')):
    return predictive(t, nu, c, nu_future, student_quantile(1 - alpha_two_tailed / 2, nu_future))


def prep(t, nu, c):
    return student_cdf(t * sqrt(c / (c + 1)), nu)


# Observed power of the default example (t(9), two-tailed p = .30, alpha = .05 two-tailed).
t = t_of_two_tailed_p('0.30', 9)
limit = student_quantile(mpf('0.975'), 9)
upper = 1 - noncentral_t_cdf(limit, 9, t)
lower = noncentral_t_cdf(-limit, 9, t)
print('observed power: upper tail', upper, 'two-tailed', upper + lower)

# ppreprep compares gamma with 1 - p' = P(T_nu' <= t'); a comparison with the future
# experiment's own prep for a replication, P(T_nu' <= t'/sqrt(2)), would ask t' > sqrt(2) q.
q = student_quantile(mpf('0.90'), 9)
print('ppreprep', predictive(t, 9, 1, 9, q), 'against prep > gamma', predictive(t, 9, 1, 9, sqrt(2) * q))

# Two groups of 12 (df 22), two-tailed p = .05: two groups of 30 (c = 2.5, df 58), and the
# plan for psrep = .80 (n' = 43 reaches it, n' = 42 does not).
t22 = t_of_two_tailed_p('0.05', 22)
print('two groups of 30: prep', prep(t22, 22, mpf('2.5')), 'psrep', psrep(t22, 22, mpf('2.5'), 58))
print('replication, two groups of 12: prep', prep(t22, 22, 1), '(psrep is .5 exactly: t is just significant)')
for n in (42, 43):
    print('two groups of', n, ': psrep', psrep(t22, 22, mpf(n) / 12, 2 * (n - 1)))

# The default example as one group of 10 (K = 1): n' = 995 reaches psrep = .80, 994 does not.
for n in (994, 995):
    print('one group of', n, ': psrep', psrep(t, 9, mpf(n) / 10, n - 1))

# The interval estimate of d is the usual one that inverts the noncentral t: the
# noncentralities at which the observed t = 1.0997 (9 df) is the 0.975 and 0.025 quantile,
# divided by sqrt(10), are the limits the Use page shows, [-0.301, 0.979].
t_observed = t_of_two_tailed_p('0.30', 9)
low = findroot(lambda d: noncentral_t_cdf(t_observed, 9, d) - mpf('0.975'), -1)
high = findroot(lambda d: noncentral_t_cdf(t_observed, 9, d) - mpf('0.025'), 3)
print('noncentral t interval of d', low / sqrt(10), high / sqrt(10))
