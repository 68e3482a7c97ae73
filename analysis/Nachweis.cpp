// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Nachweis.h"

#include "Einordnung.h"

#include <cmath>

namespace {
// How far a change of f or f' may stray from what its derivative says over
// the same stretch, relative to both: a generous share, as quadrature over
// a short stretch is good to far better.
const double Spielraum = 0.25;

// How far the change of f or f' between samples may differ from what its
// derivative accounts for, as a factor.
const double Grob = 100;

// How many distances kreuzt and Sichtweite try, halving: down to a
// millionth of the first one, for points that close to a pole.
const int Abstaende = 20;

double Hermite(const Stelle &a, const Stelle &b)
{
    const double h = b.x - a.x;
    return h / 2 * (a.f.Erste + b.f.Erste) + h * h / 12 * (a.f.Zweite - b.f.Zweite);
}

// The change of f (Stufe 1) or f' (2) from a to b that f' or f'' accounts
// for: by the two-point Hermite rule, or by Simpson's rule from f'' and
// f'' at the point halfway, Mitte.
double Integral(const Stelle &a, const Stelle &b, int Stufe, const Abgeleitet &Mitte)
{
    return Stufe == 1 ? Hermite(a, b) : (b.x - a.x) / 6 * (a.f.Zweite + 4 * Mitte.Zweite + b.f.Zweite);
}

double Integral(Nachrechnung &f, const Stelle &a, const Stelle &b, int Stufe)
{
    return Integral(a, b, Stufe, Stufe == 1 ? a.f : f.an(a.x + (b.x - a.x) / 2).f);
}

// Up to Spielraum, with Beiseite to spare where both are next to nothing.
bool stimmig(double Aenderung, double Schaetzung, double Beiseite = 0)
{
    return std::isfinite(Schaetzung)
        && std::abs(Aenderung - Schaetzung) <= Spielraum * (std::abs(Aenderung) + std::abs(Schaetzung) + Beiseite);
}

} // namespace

bool zeigt_sich(Nachrechnung &f, const Stelle &m, double d, int Stufe, double Spitze)
{
    Stelle Aussen[2];
    Stelle Innen[2];
    for (int i = 0; i < 2; ++i) {
        const double Seite = i == 0 ? -1 : 1;
        Aussen[i] = f.an(m.x + Seite * d);
        Innen[i] = f.an(m.x + Seite * d / 2);
        const double Aenderung = Ableitung(Innen[i].f, Stufe - 1) - Ableitung(Aussen[i].f, Stufe - 1);
        if (!(Aenderung * Spitze > 0) || !stimmig(Aenderung, Integral(f, Aussen[i], Innen[i], Stufe))
            || !((Ableitung(m.f, Stufe - 1) - Ableitung(Innen[i].f, Stufe - 1)) * Spitze >= 0)) {
            return false;
        }
    }
    for (int Tiefer = 0; Tiefer < Stufe; ++Tiefer) {
        const double Quer = Ableitung(Innen[1].f, Tiefer) - Ableitung(Innen[0].f, Tiefer);
        double Beiseite = 0;
        for (int i = 0; i < 2; ++i) {
            Beiseite += std::abs(Ableitung(Innen[i].f, Tiefer) - Ableitung(Aussen[i].f, Tiefer));
        }
        if (!stimmig(Quer, Integral(Innen[0], Innen[1], Tiefer + 1, m.f), Beiseite)) {
            return false;
        }
    }
    return true;
}

bool erklaert(const Stelle &a, const Stelle &b, int Stufe)
{
    const double Aenderung = Ableitung(b.f, Stufe - 1) - Ableitung(a.f, Stufe - 1);
    const double Schaetzung = Stufe == 1 ? Hermite(a, b) : (b.x - a.x) / 2 * (a.f.Zweite + b.f.Zweite);
    return !std::isfinite(Schaetzung) || (Aenderung == 0 && Schaetzung == 0)
        || (Aenderung * Schaetzung > 0 && std::abs(Aenderung) <= Grob * std::abs(Schaetzung)
            && std::abs(Schaetzung) <= Grob * std::abs(Aenderung));
}

bool kreuzt(Nachrechnung &f, const Stelle &m, double Schritt, double Weite)
{
    double d = Weite / 4;
    for (int i = 0; i < Abstaende && !f.erschoepft(); ++i, d /= 2) {
        const double Links = f.an(m.x - d).f.Wert;
        const double Rechts = f.an(m.x + d).f.Wert;
        const bool Wechsel = (Links < 0 && Rechts > 0) || (Links > 0 && Rechts < 0);
        if (Wechsel && !springt(Schritt, std::fmin(std::abs(Links), std::abs(Rechts)))) {
            return true;
        }
    }
    return false;
}

double Sichtweite(Nachrechnung &f, const Stelle &m, double Weite, int Stufe, bool Spitze)
{
    double d = Weite / 2;
    for (int i = 0; i < Abstaende && !f.erschoepft(); ++i, d /= 2) {
        if (zeigt_sich(f, m, d, Stufe, Spitze ? 1.0 : -1.0)) {
            return d;
        }
    }
    return 0;
}
