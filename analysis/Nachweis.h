// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef NACHWEIS_H
#define NACHWEIS_H

#include "Eingrenzung.h"

// Whether f shows the point that a change of sign of f, f' or f'' between
// two doubles seems to be, beyond rounding, overflow and jumps: its values
// and changes a little further out must be what its derivatives account
// for.

// Whether f (Stufe 1) or f' (2) changes from a to b by about what f' (or
// f'') accounts for there, by the two-point Hermite rule from f' and f'',
// or by the trapezoid rule from f'': within a factor of a hundred, the
// same way, or not at all; or where f' or f'' is not finite there, so
// that it cannot tell. A coarse grid, as whole degrees are for x/(x^2+1),
// gets it wrong by a good part; where f' or f'' is only what rounding
// leaves, as f'' of (2x^2+15/2x-25/2)/(x+5), which is 2x-5/2, near its
// hole at -5, it is off by orders of magnitude.
bool erklaert(const Stelle &a, const Stelle &b, int Stufe);

// Whether f, which changes its sign between m and the double beside it,
// crosses 0 there continuously: it has opposite signs at m-d and m+d, and
// its Schritt from the double before m to the one after is a small part of
// its values there, for one of the distances d from a quarter of the
// grid's step Weite down, halving. Where f's values are only what overflow
// or rounding leave of it, as near a pole's edge or where tan takes huge
// arguments, or where a pole lies within a step of a sample, as at -271 of
// a wild formula in degrees, the samples around m do not tell.
bool kreuzt(Nachrechnung &f, const Stelle &m, double Schritt, double Weite);

// Whether f (or f') shows the change of sign of f' (Stufe 1) or f'' (2)
// at m at the distance d: it rises to m from both sides and falls from it
// there (Spitze 1, a maximum of f or f') or the other way round (-1), over
// [m-d, m-d/2] and [m+d/2, m+d] by what f' (or f'') accounts for, is at m
// at least as far that way as at m-d/2 and m+d/2, and goes across
// [m-d/2, m+d/2] by what its derivative accounts for, so that no jump lies
// close by.
bool zeigt_sich(Nachrechnung &f, const Stelle &m, double d, int Stufe, double Spitze);

// The largest distance d from half the grid's step Weite down, halving, at
// which f shows the change at m (Spitze true for a maximum); 0 where none
// shows it. Where rounding alone turns the sign, as near a multiple zero
// or wherever f' is constant, or where f' overflows, as that of x*ln(x)
// near 0, f does not show it.
double Sichtweite(Nachrechnung &f, const Stelle &m, double Weite, int Stufe, bool Spitze);

#endif
