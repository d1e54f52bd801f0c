"""Accuracy of `ormane kprime`, measured through the executable: P(K <= x) and P(K > x)
against a table of reference values (CSV columns x,nu1,nu2,lambda,cdf, nu2 = 1e300 for an
infinite df, cdf correct to 20 digits), and Student quantiles (lambda = 0) against a 40-digit
inversion with mpmath. Usage: python3 scripts/kprime_accuracy.py build/bin/ormane REFERENCE.csv
"""
import csv, json, subprocess, sys, mpmath
prog = sys.argv[1]
def run(*a):
    r = subprocess.run([prog, "kprime", *a, "--json"], capture_output=True, text=True)
    return json.loads(r.stdout)
worst_abs = 0; worst_rel = 0; worst_sf = 0
with open(sys.argv[2]) as f:
    for row in csv.DictReader(f):
        nu2 = "inf" if float(row["nu2"]) >= 1e300 else row["nu2"]
        j = run("--df1", row["nu1"], "--df2", nu2, "--lambda", row["lambda"], "--x", row["x"])
        ref = mpmath.mpf(row["cdf"])
        e = abs(mpmath.mpf(j["cdf"]) - ref)
        worst_abs = max(worst_abs, float(e))
        if ref > 0: worst_rel = max(worst_rel, float(e / ref))
        sref = 1 - ref
        if sref > 0: worst_sf = max(worst_sf, float(abs(mpmath.mpf(j["sf"]) - sref) / sref))
print("reference table: max |cdf err| %.3g, max rel cdf err %.3g, max rel sf err %.3g" % (worst_abs, worst_rel, worst_sf))
# Quantile: Student (lambda = 0) against mpmath's inverse of the incomplete beta.
mpmath.mp.dps = 40
def t_cdf(t, nu):
    x = nu / (nu + t * t)
    tail = mpmath.betainc(nu / 2, mpmath.mpf(1) / 2, 0, x, regularized=True) / 2
    return tail if t < 0 else 1 - tail
worst = 0
for nu in (2, 9, 50):
    for p in ("0.001", "0.01", "0.3", "0.7", "0.975", "0.999"):
        j = run("--df1", "5", "--df2", str(nu), "--lambda", "0", "--p", p)
        x = mpmath.mpf(j["x"])
        # invert with findroot at 40 digits from the program's own answer
        xt = mpmath.findroot(lambda t: t_cdf(t, nu) - mpmath.mpf(p), x)
        worst = max(worst, float(abs(x - xt) / abs(xt)))
print("Student quantile (p 0.001..0.999): max rel err %.3g" % worst)
