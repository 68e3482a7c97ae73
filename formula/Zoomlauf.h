// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef ZOOMLAUF_H
#define ZOOMLAUF_H

#include "Ansicht.h"

#include <optional>

// A run of zoom steps about one pixel of the plot. Every view of the run is
// computed from the view it began with and the sum of its steps, so steps
// that cancel out give that view back exactly, pixel for pixel, and a fine
// wheel's small steps add up to what one notch does.
class Zoomlauf
{
public:
    // A wheel's notch, in its angle's units: a notch zooms in by FAKTOR.
    static const int RASTE = 120;
    static constexpr double FAKTOR = 1.2;

    // Aktuell zoomed by Schritte_x and Schritte_y (in RASTE to a notch;
    // positive zooms in) about the pixel (Spalte, Zeile), which keeps its
    // value. None where a range would pass the limits: then nothing counts.
    std::optional<Ansicht> zoomen(const Ansicht &Aktuell, int Spalte, int Zeile, int Schritte_x, int Schritte_y);

private:
    Ansicht Beginn;
    Ansicht Zuletzt;
    int Spalte = -1;
    int Zeile = -1;
    long Summe_x = 0;
    long Summe_y = 0;
};

#endif
