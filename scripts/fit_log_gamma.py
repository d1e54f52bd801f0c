#!/usr/bin/env python3
"""Fits the rational approximations of ln Gamma used by numeric/log_gamma.cpp.

On each interval, ln Gamma(x) = factor(x) * P(x) / Q(x) with P of degree 7 (eight
coefficients) and Q monic of degree 7:
    [0.5, 1.5): factor y - 1     [1.5, 4): factor x - 2     [4, 12): factor 1
The fit minimises the relative error by iterated reweighted linear least squares
(Sanathanan-Koerner) at 60 digits, then a few Lawson reweightings towards minimax.
Prints the tables as C++ and the worst relative error of the rational part, both in
exact arithmetic and when P/Q is evaluated in double precision by nested multiplication.

Usage: python3 scripts/fit_log_gamma.py   (needs mpmath)
"""
import mpmath as mp

mp.mp.dps = 60
DEGRE = 7
NOEUDS = 400


def cible(x, facteur_zero):
    x = mp.mpf(x)
    if facteur_zero is None:
        return mp.loggamma(x)
    return mp.loggamma(x) / (x - facteur_zero)


def noeuds(a, b, n):
    return [(a + b) / 2 + (b - a) / 2 * mp.cos(mp.pi * (k + mp.mpf(1) / 2) / n) for k in range(n)]


def evalue(coef, x):
    r = mp.mpf(0)
    for c in reversed(coef):
        r = r * x + c
    return r


def ajuste(a, b, facteur_zero):
    xs = noeuds(mp.mpf(a), mp.mpf(b), NOEUDS)
    fs = [cible(x, facteur_zero) for x in xs]
    q_prec = [mp.mpf(1)] * len(xs)
    lawson = [mp.mpf(1)] * len(xs)
    meilleur = None
    for iteration in range(40):
        # Unknowns: p0..p7, q0..q6; Q = x^7 + sum q_i x^i.
        lignes, droite = [], []
        for x, f, qp, wl in zip(xs, fs, q_prec, lawson):
            w = mp.sqrt(wl) / (abs(f) * abs(qp))
            ligne = [w * x**i for i in range(DEGRE + 1)] + [-w * f * x**i for i in range(DEGRE)]
            lignes.append(ligne)
            droite.append(w * f * x**DEGRE)
        A = mp.matrix(lignes)
        y = mp.matrix(droite)
        sol = mp.qr_solve(A, y)[0]
        p = [sol[i] for i in range(DEGRE + 1)]
        q = [sol[DEGRE + 1 + i] for i in range(DEGRE)] + [mp.mpf(1)]
        erreurs = [(evalue(p, x) / evalue(q, x) - f) / f for x, f in zip(xs, fs)]
        pire = max(abs(e) for e in erreurs)
        if meilleur is None or pire < meilleur[0]:
            meilleur = (pire, p, q)
        q_prec = [evalue(q, x) for x in xs]
        if iteration >= 8:  # Lawson: weight the nodes where the error is largest
            total = mp.fsum(wl * abs(e) for wl, e in zip(lawson, erreurs))
            lawson = [wl * abs(e) / total * len(xs) for wl, e in zip(lawson, erreurs)]
    return meilleur


def horner_double(coef, x):
    r = 0.0
    for c in reversed(coef):
        r = r * x + c
    return r


def verifie_double(p, q, a, b, facteur_zero):
    pd = [float(c) for c in p]
    qd = [float(c) for c in q]
    pire = 0.0
    n = 4000
    for k in range(n + 1):
        x = float(mp.mpf(a) + (mp.mpf(b) - a) * k / n)
        if facteur_zero is not None and x == facteur_zero:
            continue
        approx = horner_double(pd, x) / horner_double(qd, x)
        exact = cible(x, facteur_zero)
        pire = max(pire, abs((approx - exact) / exact))
    return float(pire)


def cpp(nom, coef):
    valeurs = ", ".join(repr(float(c)) for c in coef)
    return f"constexpr std::array<double, {len(coef)}> {nom} = {{{valeurs}}};"


for suffixe, a, b, zero in (("1", 0.5, 1.5, 1), ("2", 1.5, 4, 2), ("3", 4, 12, None)):
    pire, p, q = ajuste(a, b, zero)
    print(f"// [{a}, {b}): relative error of P/Q {mp.nstr(pire, 3)} exact, "
          f"{verifie_double(p, q, a, b, zero):.3g} in double")
    print(cpp("kP" + suffixe, p))
    print(cpp("kQ" + suffixe, q[:-1]) + "  // plus x^7")
