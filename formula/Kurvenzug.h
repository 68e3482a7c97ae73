// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef KURVENZUG_H
#define KURVENZUG_H

#include <vector>

// A point of a picture, in its pixels.
struct Zugpunkt {
    double x;
    double y;
};

// A curve's line as a vector picture draws it: the segments given to it,
// each cut to a rectangle, make pieces of polyline; a segment that begins
// where the one before ended goes on with its piece, any other begins a new
// one. A piece keeps only the points that change what it looks like.
class Kurvenzug
{
public:
    // The rectangle from (Links, Oben) to (Rechts, Unten). A point is
    // dropped where the piece without it stays within Toleranz of it.
    Kurvenzug(double Links, double Oben, double Rechts, double Unten, double Toleranz);

    // The part of the segment inside the rectangle, if any. An end at an
    // infinite y lies straight above or below the other end; a segment with
    // any other end that is not finite has no part.
    void Strecke(Zugpunkt Von, Zugpunkt Bis);

    // The pieces so far, each of two points or more.
    std::vector<std::vector<Zugpunkt>> Stuecke() const;

private:
    bool zuschneiden(Zugpunkt &Von, Zugpunkt &Bis) const;

    double Links;
    double Oben;
    double Rechts;
    double Unten;
    double Toleranz;
    std::vector<std::vector<Zugpunkt>> Roh; // every point given, cut to the rectangle
};

#endif
