// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Eingrenzung.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {
// Evaluations for one bracket: enough for bisection across every double
// between two samples, with room for a faster step before each bisection
// that failed.
const int AufrufeJeEingrenzung = 160;

// The doubles in their order as integers, -0 and +0 the same.
std::int64_t Rang(double x)
{
    std::int64_t Bits;
    std::memcpy(&Bits, &x, sizeof Bits);
    return Bits >= 0 ? Bits : -(Bits & INT64_MAX);
}

double aus_Rang(std::int64_t r)
{
    const std::uint64_t Bits = r >= 0 ? static_cast<std::uint64_t>(r) : static_cast<std::uint64_t>(-r) | (1ULL << 63);
    double x;
    std::memcpy(&x, &Bits, sizeof x);
    return x;
}

// c moved strictly between a and b, which are at least two doubles apart.
double einklemmen(double c, double a, double b)
{
    if (!(c > a)) {
        return aus_Rang(Rang(a) + 1);
    }
    if (!(c < b)) {
        return aus_Rang(Rang(b) - 1);
    }
    return c;
}

// The next guess. For f, Newton's step on f/f', which has a simple zero at
// every zero of f and at every pole, whatever their order (Schroeder's
// method), and so for f' at a pole of f; for f' elsewhere Newton's step;
// for f'', whose derivative is not known, a secant step.
double Vorschlag(const Stelle &Zuletzt, const Stelle &Davor, int Stufe, bool Pol)
{
    const Abgeleitet &a = Zuletzt.f;
    if (Stufe == 0 || (Stufe == 1 && Pol)) {
        const double q = a.Wert / a.Erste;
        return Zuletzt.x - q / (1 - q * (a.Zweite / a.Erste));
    }
    if (Stufe == 1) {
        return Zuletzt.x - a.Erste / a.Zweite;
    }
    const double gDavor = Davor.f.Zweite;
    return Zuletzt.x - a.Zweite * (Zuletzt.x - Davor.x) / (a.Zweite - gDavor);
}

} // namespace

double Nachbar(double x, bool Rechts)
{
    return aus_Rang(Rang(x) + (Rechts ? 1 : -1));
}

// Without overflow, by the difference of the ranks as unsigned numbers.
std::uint64_t Abstand(double a, double b)
{
    return static_cast<std::uint64_t>(Rang(b)) - static_cast<std::uint64_t>(Rang(a));
}

double Mitte(double a, double b)
{
    const double Von = std::fmin(a, b);
    return aus_Rang(Rang(Von) + static_cast<std::int64_t>(Abstand(Von, std::fmax(a, b)) / 2));
}

// Newton's step is taken only where it stays in the bracket and is at most
// half the step before the last one, as in the safeguarded Newton method,
// and where the last two steps have halved the bracket, counted in
// doubles; else the bracket is bisected. At a multiple zero of f' Newton's
// steps shrink by only a third each, from one side. Once Newton's steps
// converge they fall on the end of the bracket they come from, and moving
// them strictly inside tries the double next to it: the bracket closes on
// adjacent doubles.
Eingrenzung Vorzeichenwechsel_eingrenzen(Nachrechnung &f, const Stelle &a, const Stelle &b, int Stufe, bool Pol)
{
    Eingrenzung e { a, b, false };
    const bool LinksNegativ = std::signbit(Ableitung(a.f, Stufe));
    // The steps start from the end nearer to the change: where the quantity
    // is smaller, or larger at a pole.
    const bool VonLinks = (std::abs(Ableitung(a.f, Stufe)) < std::abs(Ableitung(b.f, Stufe))) != Pol;
    Stelle Zuletzt = VonLinks ? a : b;
    Stelle Davor = VonLinks ? b : a;
    double SchrittDavor = b.x - a.x;
    double Schritt = SchrittDavor;
    // The bracket's width before the last step and before the one before.
    std::uint64_t Breiten[2] = { UINT64_MAX, UINT64_MAX };
    for (int Aufrufe = 0; Abstand(e.Links.x, e.Rechts.x) > 1 && Aufrufe < AufrufeJeEingrenzung && !f.erschoepft();
         ++Aufrufe) {
        const std::uint64_t Breite = Abstand(e.Links.x, e.Rechts.x);
        const double Roh = Vorschlag(Zuletzt, Davor, Stufe, Pol);
        double c = einklemmen(Roh, e.Links.x, e.Rechts.x);
        // A step that leaves the bracket by more than its own length goes
        // the wrong way.
        const double Laenge = std::abs(c - Zuletzt.x);
        if (!(Laenge <= 0.5 * std::abs(SchrittDavor)) || !(std::abs(Roh - c) <= Laenge) || Breite > Breiten[1] / 2) {
            c = Mitte(e.Links.x, e.Rechts.x);
        }
        Breiten[1] = Breiten[0];
        Breiten[0] = Breite;
        SchrittDavor = Schritt;
        Schritt = c - Zuletzt.x;
        const Stelle m = f.an(c);
        const double g = Ableitung(m.f, Stufe);
        if (g == 0 || std::isnan(g)) {
            return { m, m, true };
        }
        (std::signbit(g) == LinksNegativ ? e.Links : e.Rechts) = m;
        Davor = Zuletzt;
        Zuletzt = m;
    }
    return e;
}

Stelle naechster_Wert(Nachrechnung &f, double x, double Seite, int Stufe, double Bis)
{
    for (double d = std::abs(Nachbar(x, Seite > 0) - x); d <= Bis && !f.erschoepft(); d *= 2) {
        const Stelle s = f.an(x + Seite * d);
        const double g = Ableitung(s.f, Stufe);
        if (g != 0 && std::isfinite(g)) {
            return s;
        }
    }
    return { x, {} };
}

// Many edges lie on the grid, as that of sqrt(x) at 0: the double beside
// the sample is tried first.
Stelle Rand_eingrenzen(Nachrechnung &f, double OhneWert, const Stelle &MitWert)
{
    Stelle Rand = MitWert;
    const double Nachbar = std::nextafter(MitWert.x, OhneWert);
    if (Nachbar != OhneWert && std::isnan(f.an(Nachbar).f.Wert)) {
        return Rand;
    }
    while (Abstand(std::fmin(OhneWert, Rand.x), std::fmax(OhneWert, Rand.x)) > 1 && !f.erschoepft()) {
        const Stelle m = f.an(Mitte(OhneWert, Rand.x));
        if (std::isnan(m.f.Wert)) {
            OhneWert = m.x;
        } else {
            Rand = m;
        }
    }
    return Rand;
}
