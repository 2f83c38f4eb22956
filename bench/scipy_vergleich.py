#!/usr/bin/env python3
"""The same fits with scipy's curve_fit (MINPACK Levenberg-Marquardt, analytic Jacobian).

Reads the data sets that fit_vergleich wrote and its timings (stdin), fits each set from the
same start values and prints both times, their ratio and the largest relative difference of
the coefficients."""
import statistics
import sys
import time

import numpy as np
from scipy.optimize import curve_fit


def glocke(x, b, c):
    return np.exp(-(x - b) ** 2 / c)


# Models in Quarn's coefficient order, with their partial derivatives.
MODELLE = {
    2: (lambda x, a, b, c: c + a * np.exp(b * x),
        lambda x, a, b, c: np.column_stack([np.exp(b * x), a * x * np.exp(b * x), np.ones_like(x)])),
    3: (lambda x, a, b, c, d: d + a * glocke(x, b, c),
        lambda x, a, b, c, d: np.column_stack([
            glocke(x, b, c), a * glocke(x, b, c) * 2 * (x - b) / c,
            a * glocke(x, b, c) * (x - b) ** 2 / c ** 2, np.ones_like(x)])),
    13: (lambda x, a, b, c, d, e, f, g: g + a * glocke(x, b, c) + d * glocke(x, e, f),
         lambda x, a, b, c, d, e, f, g: np.column_stack([
             glocke(x, b, c), a * glocke(x, b, c) * 2 * (x - b) / c, a * glocke(x, b, c) * (x - b) ** 2 / c ** 2,
             glocke(x, e, f), d * glocke(x, e, f) * 2 * (x - e) / f, d * glocke(x, e, f) * (x - e) ** 2 / f ** 2,
             np.ones_like(x)])),
}


def millisekunden(f, jac, x, y, p0):
    zeiten, ergebnis = [], None
    anfang = time.perf_counter()
    while len(zeiten) < 3 or (time.perf_counter() - anfang < 0.5 and len(zeiten) < 200):
        t0 = time.perf_counter()
        ergebnis, _ = curve_fit(f, x, y, p0=p0, jac=jac, method="lm", maxfev=10000)
        zeiten.append((time.perf_counter() - t0) * 1000)
    return statistics.median(zeiten), ergebnis


def main():
    ordner = sys.argv[1]
    print(f"{'Modell':>6} {'Punkte':>7} {'Quarn ms':>10} {'scipy ms':>10} {'Quarn/scipy':>12} {'Abw. Koeff.':>12}")
    for zeile in sys.stdin:
        teile = zeile.split()
        modell, n, quarn = int(teile[0]), int(teile[1]), float(teile[2])
        koeffizienten = np.array([float(t) for t in teile[3:]])
        with open(f"{ordner}/m{modell}_n{n}.txt") as datei:
            p0 = [float(t) for t in datei.readline().split()]
            daten = np.loadtxt(datei)
        f, jac = MODELLE[modell]
        try:
            ms, ergebnis = millisekunden(f, jac, daten[:, 0], daten[:, 1], p0)
            abweichung = np.max(np.abs(ergebnis - koeffizienten) / np.maximum(np.abs(ergebnis), 1e-300))
            print(f"{modell:>6} {n:>7} {quarn:>10.3f} {ms:>10.3f} {quarn / ms:>12.2f} {abweichung:>12.2e}")
        except RuntimeError as fehler:
            print(f"{modell:>6} {n:>7} {quarn:>10.3f} {'-':>10} {'-':>12}  scipy: {fehler}")


if __name__ == "__main__":
    main()
