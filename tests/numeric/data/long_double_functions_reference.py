"""Writes long-double-functions.csv: log, log1p, exp, expm1 and pow at points chosen to
stress each, and the value at 45 digits (mpmath). Each argument is a double written in
hexadecimal (as C's %a writes it), so that it reads back as the same number in any precision.
Run by hand: python3 long_double_functions_reference.py > long-double-functions.csv"""
from mpmath import mp, mpf, log, log1p, exp, expm1, power

mp.dps = 60

def exact(x):
    return float(x).hex()

rows = []
for x in [1e-300, 1e-30, 3e-5, 0.5, 0.70710678118654746, 0.9999999, 1.0000001, 1.5, 2, 10,
          12345.678, 1e30, 1e300, 2.2250738585072014e-308]:
    rows.append(("log", x, None, log(mpf(x))))
for x in [-0.99, -0.3, -1e-8, 1e-20, 1e-8, 0.2, 0.3, 3, 1e10]:
    rows.append(("log1p", x, None, log1p(mpf(x))))
for x in [-11000, -700, -50, -1, -1e-10, 1e-10, 0.34, 0.35, 1, 2.5, 50, 700, 11000]:
    rows.append(("exp", x, None, exp(mpf(x))))
for x in [-5, -0.3, -0.2, -1e-12, 1e-12, 0.1, 0.24, 0.26, 3]:
    rows.append(("expm1", x, None, expm1(mpf(x))))
for x, y in [(2, 0.5), (10, -3), (0.3, 7.25), (1e-5, 12.5), (1.0000001, 1e7), (123.5, -40),
             (-2, 3), (-2, -4), (7, 300)]:
    rows.append(("pow", x, y, power(mpf(x), mpf(y))))

print("# f,x,y,value: f(x) (or x^y) at 45 significant digits, from mpmath at 60 digits.")
print("function,x,y,value")
for f, x, y, v in rows:
    print(",".join([f, exact(x), exact(y) if y is not None else "", mp.nstr(v, 45)]))
