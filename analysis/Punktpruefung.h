// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef PUNKTPRUEFUNG_H
#define PUNKTPRUEFUNG_H

#include "Kurvendiskussion.h"

#include <string>

// Checks a discussion against the formula itself, from f, f' and f'' at
// each listed point, at the doubles beside it and at a few points nearby,
// whatever way the discussion found it:
// - a zero is one: f is 0 there; or f changes its sign between the
//   doubles around it, continuously, and so it does a little further out,
//   or is within rounding of 0 there beside f a little further out;
//   or f is within rounding of 0 at an extremum, or at the edge of its
//   domain, which it approaches like a root;
// - an extremum or inflection point is one: f' (or f'') changes its sign
//   between the doubles around it, f is continuous there and has values on
//   both sides, and f (or f') rises to it and falls from it, or the other
//   way round, as f' (or f'') says, at least over some short distance.
// Returns the first point that is not what it is listed as, with why;
// empty where every one is. b is the range the discussion covered.
std::string Diskussion_pruefen(const Verlauf &f, const Bereich &b, const Diskussion &d);

#endif
