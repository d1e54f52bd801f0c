#!/usr/bin/env python3
"""Writes psrep-reference.csv: psrep (alpha 0.025 one-tailed) and ppreprep (gamma 0.9) to
20 digits, with mpmath at 40 digits: the Student quantile by root finding on the incomplete
beta, then 1 - P(K <= q) by the K-prime series of ../../basfun/data/kprime_tails_reference.py.
Run from this folder: python3 psrep_reference.py > psrep-reference.csv"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "basfun", "data"))
import kprime_tails_reference as k  # noqa: E402
import mpmath as mp  # noqa: E402

mp.mp.dps = 40
CASES = [(3, 1, 1, 1), (1.0997, 9, 9, 1), (2.5, 20, 20, 1), (-2, 5, 5, 1), (4, 3, 10, 2),
         (1.5, 30, 30, 0.5), (6, 2, 2, 1), (0.8, 9, 9, 1), (3, 1, 1, 4), (2.2, 100, 50, 1)]


def quantile_t(p, nu):
    return mp.findroot(lambda t: k.student_cdf(t, mp.mpf(nu)) - p, mp.mpf(2))


def probabilite(t, df, dfR, c, p):
    q = quantile_t(p, dfR) / mp.sqrt(c + 1)
    lam = abs(mp.mpf(t)) * mp.sqrt(mp.mpf(c) / (c + 1))
    return 1 - k.cdf_serie(q, mp.mpf(df), mp.mpf(dfR), lam)


print("t,df,dfR,c,psrep,ppreprep")
for t, df, dfR, c in CASES:
    ps = probabilite(t, df, dfR, c, 1 - mp.mpf("0.025"))
    pp = probabilite(t, df, dfR, c, mp.mpf("0.9"))
    print(f"{t},{df},{dfR},{c},{mp.nstr(ps, 20)},{mp.nstr(pp, 20)}")
