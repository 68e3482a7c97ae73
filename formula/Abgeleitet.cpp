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
// power beside it is infinite, as 0^-1 is for x^1 at 0. The square and the
// cube, the most common powers, need no further pow.
Abgeleitet Potenz(Abgeleitet u, double c, double Wert)
{
    if (konstant(u)) {
        return Wert;
    }
    if (c == 2 || c == 3) {
        const double p1 = c == 2 ? 2 * u.Wert : 3 * u.Wert * u.Wert;
        const double p2 = c == 2 ? 2 : 6 * u.Wert;
        return { Wert, p1 * u.Erste, p2 * u.Erste * u.Erste + p1 * u.Zweite };
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

Abgeleitet Hoch(const Abgeleitet &a, const Abgeleitet &b, double Wert)
{
    return konstant(b) ? Potenz(a, b.Wert, Wert) : Exponential(a, b, Wert);
}
