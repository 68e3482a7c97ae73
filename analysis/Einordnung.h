// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef EINORDNUNG_H
#define EINORDNUNG_H

#include "Eingrenzung.h"

// Whether |f| grows without bound at e, where a change of sign was narrowed
// to doubles Naehe apart: f is infinite there, or not much smaller than
// Bezug, the larger |f| of the samples around it (as it is at a zero), and
// so steep that it changes by a good part of itself from one double to the
// next. Near a pole x^-n that part is about n, near a logarithm's pole
// 1/|f|; at a smooth extremum or a kink it is next to nothing.
bool waechst_unbeschraenkt(const Stelle &e, double Naehe, double Bezug);

// Whether an extremum with the value y touches 0, where the samples around
// it have |f| up to Bezug: y is 0 up to the rounding of f around a double
// zero, which is about the square of the precision in x.
bool beruehrt_Null(double y, double Bezug);

// Whether f jumps at m, where it changes by Schritt from the double before
// m to the double after it: by more than a small part of Spanne, how far
// it goes from m to the samples around it. A continuous f changes there
// by next to nothing of that, rounding included.
bool springt(double Schritt, double Spanne);

// Whether f, which has no value or is infinite at the sample x, tends to
// the same finite value from both sides: a hole, as (x^2-x)/(x-1) has at
// 1, not a pole. Its values at a half, a quarter and an eighth of the
// grid's step Weite from x must close in on one value from either side, by
// changes that shrink, not by the steady ones of a logarithm or the
// growing ones of a pole.
bool Luecke(Nachrechnung &f, double x, double Weite);

enum class Randart : unsigned char { Nichts, Nullstelle, Polstelle };

// What the edge of f's domain is at Rand, where the double next to it on
// the side of Ohne has no value and Innen is the sample inside: a zero
// where f tends to 0 there (sqrt(x) at 0), a pole where |f| grows without
// bound (ln(x) at 0), else nothing (asin(x) at 1).
Randart Rand_einordnen(Nachrechnung &f, const Stelle &Rand, double Ohne, const Stelle &Innen);

#endif
