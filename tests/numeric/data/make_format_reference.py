#!/usr/bin/env python3
"""Writes format-reference.csv: display texts of FormateNombre computed independently with
Python's exact decimal arithmetic (Decimal(float) is the exact value of the double, and
ROUND_HALF_UP rounds halves away from zero). Run from this folder:
    python3 make_format_reference.py > format-reference.csv
The rows are reproducible: the random values come from a fixed seed."""

import math
import random
import struct
from decimal import ROUND_HALF_UP, Decimal, getcontext

getcontext().prec = 2000


def quantize_to(x, exponent):
    return x.quantize(Decimal(1).scaleb(exponent), rounding=ROUND_HALF_UP)


def display(v, count, symbol):
    if v == 0:
        return "0"
    if count == -32768 or not math.isfinite(v):
        return ""
    hash_fill = count < 0
    d = abs(count)
    width = (17 if abs(v) <= 1 else 10) + (1 if v < 0 else 0)
    sign = "-" if v < 0 else ""
    x = abs(Decimal(v))
    x15 = quantize_to(x, x.adjusted() - 14)
    e = x15.adjusted()
    k = -e
    near_one = abs(v - 1.0) <= 1e-13
    scientific = not near_one and (
        e >= 15
        or (e < 0 and d <= 9 and d < k)
        or (e < 0 and d == 10)
        or (e < 0 and d >= 11 and k >= 5)
    )
    if scientific:
        m = 14 if d >= 10 else 4 if e < 0 else 7 if e > 100 else 8
        digits = 3 if abs(e) > 100 else 2
        r = quantize_to(x15, e - m)
        exponent = r.adjusted()
        mantissa = f"{r.scaleb(-exponent):.{m}f}"
        if hash_fill:
            mantissa = mantissa.rstrip("0").rstrip(".")
        text = (sign + mantissa.replace(".", symbol) + "E" + ("-" if exponent < 0 else "+")
                + str(abs(exponent)).zfill(digits))
    else:
        m = d if e < 0 else min(14 - e, d)
        body = f"{quantize_to(x15, -m):.{m}f}"
        if "." not in body:
            body += "."
        if hash_fill:
            body = body.rstrip("0")
        text = sign + body.replace(".", symbol)
        if "." in text:
            limit = width + (k - 1 if e < 0 else 0)
            text = text[: max(limit, text.index("."))]
    text = text.replace(",", ".")
    if text.endswith("."):
        text = text[:-1]
    return text


def rows():
    rng = random.Random(20240611)
    values = []
    # Decimal ties and near-ties typed as short decimals.
    for _ in range(150):
        digits = rng.randint(1, 6)
        scale = rng.randint(-8, 12)
        values.append(float(f"{rng.randint(1, 10**digits - 1)}5e{scale - digits}"))
    # Values spread over every magnitude, both signs.
    for _ in range(250):
        values.append(rng.choice([-1, 1]) * 10 ** rng.uniform(-320, 308))
    # Arbitrary bit patterns of finite doubles.
    while len(values) < 500:
        v = struct.unpack("<d", rng.getrandbits(64).to_bytes(8, "little"))[0]
        if math.isfinite(v):
            values.append(v)
    # Near one, and around the notation thresholds.
    values += [1 - 1e-13, 1 + 1e-13, 1 - 2e-13, 0.99995, 0.0001, 0.00009999995, 1e15 - 0.5,
               99999999999999.95, 9999999999.5, 1e10, 123456789012.345]
    counts = list(range(-20, 21))
    for v in values:
        yield v, rng.choice(counts)
    # The 16th digit a 4 followed by nine 9s and then 5 or more: a rounding to 25 digits
    # carries into the 16th and would turn the 15-digit rounding up.
    for v in [float.fromhex("0x1.d9601dd17a3b8p+132"), float.fromhex("-0x1.f452468f7e8c3p+132")]:
        for count in (-16, 14, 16):
            yield v, count


def main():
    print("value,count,under_point,under_comma")
    for v, count in rows():
        print(f"{v.hex()},{count},{display(v, count, '.')},{display(v, count, ',')}")


if __name__ == "__main__":
    main()
