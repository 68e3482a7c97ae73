// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef KURVENDISKUSSION_H
#define KURVENDISKUSSION_H

#include "Abgeleitet.h"
#include "Ansicht.h"

#include <functional>
#include <vector>

class Mathe;

// The kinds of points, in the order in which points at the same x are listed.
enum class Punktart : unsigned char { Nullstelle, Hochpunkt, Tiefpunkt, Wendepunkt, Polstelle };
const int AnzahlPunktarten = 5;

// "Nullstelle", "Hochpunkt", "Tiefpunkt", "Wendepunkt" or "Polstelle".
const char *Punktname(Punktart Art);

// A point of the curve; y is f there, NaN for a pole.
struct Kurvenpunkt {
    Punktart Art;
    double x;
    double y;
};

// An x range and the grid it is sampled on: Schritte + 1 points from Von to
// Bis.
struct Bereich {
    double Von;
    double Bis;
    int Schritte;
};

// The x range of a view with a grid at least as fine as the view's own
// samples: 12,800 steps across in the radian view (0.001 in its start
// view), one a column in the degree view (whole degrees in its start view).
Bereich Ansichtsbereich(const Ansicht &A);

// The grid's step, and its point Nr, from 0 to b.Schritte.
double Schrittweite(const Bereich &b);
double Gitterpunkt(const Bereich &b, int Nr);

// f, f' and f'' at x.
using Verlauf = std::function<Abgeleitet(double)>;

// f on every point of the grid: b.Schritte + 1 samples.
std::vector<Abgeleitet> Abtasten(const Verlauf &f, const Bereich &b);
// The same of the formula compiled in m, as one batch of its evaluations.
std::vector<Abgeleitet> Proben_nehmen(Mathe &m, const Bereich &b);

const int MAX_PUNKTE_JE_ART = 100;

struct Diskussion {
    // Ordered by x, then by Punktart; at most MAX_PUNKTE_JE_ART of each kind,
    // the first ones from the left.
    std::vector<Kurvenpunkt> Punkte;
    // By Punktart: more points of that kind exist than are listed.
    bool Weitere[AnzahlPunktarten] = {};
};

// All points of f over b, found from its samples on b's grid; refining them
// evaluates f again, at no more than a few dozen points for each.
Diskussion Kurve_diskutieren(const std::vector<Abgeleitet> &Proben, const Verlauf &f, const Bereich &b);

// Only the zeros, crossing or touching, by the same rules. For the
// intersections of two curves, f is their difference and Proben the
// differences of their samples.
Diskussion Nullstellen_finden(const std::vector<Abgeleitet> &Proben, const Verlauf &f, const Bereich &b);

// The points of a compiled formula without faults over the view's x range,
// in the view's mode, f from m.Formel_Ableiten(). m.x is left as it was.
Diskussion Kurve_diskutieren(Mathe &m, const Ansicht &A);

#endif
