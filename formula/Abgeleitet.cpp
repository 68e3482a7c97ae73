// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Abgeleitet.h"

#include <cmath>

namespace {
bool konstant(Abgeleitet a)
{
    return a.Erste == 0.0 && a.Zweite == 0.0;
}

// u^c with a constant c, or with an exponent whose derivatives vanish here.
// A coefficient of 0 stands for a term that is not there, also where the
// power beside it is infinite, as 0^-1 is for x^1 at 0.
Abgeleitet Potenz(Abgeleitet u, double c, double Wert)
{
    if (konstant(u)) {
        return Wert;
    }
    const double p1 = c == 0.0 ? 0.0 : c * std::pow(u.Wert, c - 1);
    const double p2 = c == 0.0 || c == 1.0 ? 0.0 : c * (c - 1) * std::pow(u.Wert, c - 2);
    return { Wert, p1 * u.Erste, p2 * u.Erste * u.Erste + p1 * u.Zweite };
}

// u^v = exp(v ln u) where the exponent varies: defined for u > 0.
Abgeleitet Exponential(Abgeleitet u, Abgeleitet v, double Wert)
{
    const double l = std::log(u.Wert);
    const double q = u.Erste / u.Wert;
    const double e1 = v.Erste * l + v.Wert * q;
    const double e2 = v.Zweite * l + 2 * v.Erste * q + v.Wert * (u.Zweite / u.Wert - q * q);
    return { Wert, Wert * e1, Wert * (e2 + e1 * e1) };
}
} // namespace

Abgeleitet Anwenden(char Op, Abgeleitet a, Abgeleitet b)
{
    const double Wert = Anwenden(Op, a.Wert, b.Wert);
    switch (Op) {
    case '+':
        return { Wert, a.Erste + b.Erste, a.Zweite + b.Zweite };
    case '-':
        return { Wert, a.Erste - b.Erste, a.Zweite - b.Zweite };
    case '*':
        return { Wert, a.Erste * b.Wert + a.Wert * b.Erste,
            a.Zweite * b.Wert + 2 * a.Erste * b.Erste + a.Wert * b.Zweite };
    case '^':
        return konstant(b) ? Potenz(a, b.Wert, Wert) : Exponential(a, b, Wert);
    default: { // "/" and ":": q = a/b, so q' = (a' - q b')/b and q'' = (a'' - 2 q' b' - q b'')/b
        const double Erste = (a.Erste - Wert * b.Erste) / b.Wert;
        return { Wert, Erste, (a.Zweite - 2 * Erste * b.Erste - Wert * b.Zweite) / b.Wert };
    }
    }
}
