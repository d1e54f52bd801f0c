#!/usr/bin/env python3
"""Writes plan-limit.tsv: `ormane plan` at its limit, just below it and just above it.

Every target's probability tends to its limit 1 - p1 (the observed one-tailed p) as n'
grows and stays below it, so a P at or above the limit is unreachable. prep's n' below the
limit has a closed form: prep = F(|t| sqrt(c/(c+1)); df) >= P when c >= s^2/(1 - s^2), with
s = t(P; df)/|t|, c = n'/n and n = (df + K)/K, so n' = max(2, ceil(n s^2/(1 - s^2))). At
t = 0 prep is 1/2 at every n': any P below 1/2 is reached by the smallest experiment.
Computed here with mpmath at 50 digits, Student's distribution from the incomplete beta.
"""
from mpmath import mp, mpf, betainc, findroot, ceil

mp.dps = 50


def cdf(x, df):
    x, df = mpf(x), mpf(df)
    tail = betainc(df / 2, mpf(1) / 2, 0, df / (df + x * x), regularized=True) / 2
    return 1 - tail if x >= 0 else tail


def quantile(p, df):
    return findroot(lambda x: cdf(x, df) - mpf(p), mpf(2))


def prep_size(p2, df, cells, P):
    t = quantile(1 - mpf(p2) / 2, df)
    s = quantile(P, df) / t
    n = mpf(df + cells) / cells
    needed = n * s * s / (1 - s * s)
    # Far from a whole number, so that the double search cannot round across it.
    assert abs(needed - mp.nint(needed)) > 1e-3, needed
    return max(2, int(ceil(needed)))


rows = []
# p2 = 1: t = 0, the limit is exactly 1/2, and prep equals it at every n'.
for target in ("prep", "psrep", "ppreprep"):
    if target == "prep":
        rows.append((f"--p2 1 --df 9 --target prep --probability 0.4999999", "true", "2"))
    for P in ("0.5", "0.5000001"):
        rows.append((f"--p2 1 --df 9 --target {target} --probability {P}", "false", "null"))
# p2 = 0.05: the limit is 0.975, typed exactly as P.
for P in ("0.9", "0.97", "0.974999"):
    rows.append((f"--p2 0.05 --df 20 --target prep --probability {P}", "true",
                 str(prep_size("0.05", 20, 2, P))))
for target in ("prep", "psrep", "ppreprep"):
    for P in ("0.975", "0.975001"):
        rows.append((f"--p2 0.05 --df 20 --target {target} --probability {P}", "false", "null"))
# A one-sample design, the limit 0.995 typed as a one-tailed p's complement.
rows.append(("--p1 0.005 --df 15 --cells 1 --target prep --probability 0.995", "false", "null"))

with open("plan-limit.tsv", "w") as out:
    out.write("# plan's arguments<TAB>reachable<TAB>n_future (null when unreachable);"
              " written by plan_limit.py\n")
    for arguments, reachable, size in rows:
        out.write(f"{arguments}\t{reachable}\t{size}\n")
