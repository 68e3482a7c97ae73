// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef EINGRENZUNG_H
#define EINGRENZUNG_H

#include "Kurvendiskussion.h"

#include <cstdint>

// A point of the curve: x with f, f' and f'' there.
struct Stelle {
    double x;
    Abgeleitet f;
};

// The double halfway between a and b in their order as doubles, not in
// length: bisection by it ends on adjacent doubles in at most 64 steps,
// also around 0.
double Mitte(double a, double b);

// The double next to x, to the right or to the left; -0 and +0 count as
// one, so that next to -5e-324 lies +0, where a jump at 0 shows.
double Nachbar(double x, bool Rechts);

// How many doubles lie between a and b (a <= b): 1 for adjacent ones.
std::uint64_t Abstand(double a, double b);

// f (Stufe 0), f' (1) or f'' (2) of a.
inline double Ableitung(const Abgeleitet &a, int Stufe)
{
    return Stufe == 0 ? a.Wert : (Stufe == 1 ? a.Erste : a.Zweite);
}

// Evaluates f beyond the samples, within a budget for the whole analysis,
// so that no formula, however wild, makes it run for long.
class Nachrechnung
{
public:
    Nachrechnung(const Verlauf &f, long Budget)
        : f(f)
        , Rest(Budget)
    {
    }
    bool erschoepft() const
    {
        return Rest <= 0;
    }
    Stelle an(double x)
    {
        --Rest;
        return { x, f(x) };
    }

private:
    const Verlauf &f;
    long Rest;
};

// What narrowing a change of sign found: two adjacent doubles between which
// the sign changes, or one point where the quantity is 0 or has no value
// (Punkt, Links and Rechts the same). Only where the budget ran out are
// Links and Rechts further apart.
struct Eingrenzung {
    Stelle Links;
    Stelle Rechts;
    bool Punkt;
};

// Narrows [a, b], at whose ends f, f' or f'' (Stufe) has opposite signs,
// with Newton's steps or, for f'', secant steps, and bisection wherever they
// do not halve the bracket fast enough. Pol says that a change of f' is
// rather a pole of f. At most a few dozen evaluations.
Eingrenzung Vorzeichenwechsel_eingrenzen(Nachrechnung &f, const Stelle &a, const Stelle &b, int Stufe, bool Pol);

// The nearest point on one side of x (Seite -1 or 1), out to Bis, where f'
// or f'' (Stufe) is finite and not 0; x itself, with no values, where there
// is none. From the double beside x outwards, doubling: a change of sign
// beside a point where the quantity has no value may lie far closer to x
// than any part of the grid's step, as the minimum of
// 10^30*x^2-x+sqrt(x^2)/2 at 2.5e-31 beside 0. Near 0 that is a thousand
// evaluations a side at most.
Stelle naechster_Wert(Nachrechnung &f, double x, double Seite, int Stufe, double Bis);

// The edge of f's domain between a point where f has no value (NaN) and a
// point where it has one: the point with a value next to a double without,
// by bisection.
Stelle Rand_eingrenzen(Nachrechnung &f, double OhneWert, const Stelle &MitWert);

#endif
