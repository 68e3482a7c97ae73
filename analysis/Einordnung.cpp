// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Einordnung.h"

#include <cmath>
#include <limits>

namespace {
// How much of itself |f| must change from one double to the next at a
// pole: far more than rounding, far less than a logarithm's 1/|f| of a
// few hundredths. And what part of its samples' |f| it keeps there at
// least: about all of it, or more, at a pole even where a sample lies
// right beside it, as tan at 90 degrees; next to nothing at a zero.
const double Polsteilheit = 1e-3;

// How closely the extremum of a double zero comes to 0, relative to the
// samples beside it.
const double Beruehrung = 1e-8;

// At an edge where f tends to 0 like a root, |f| is at most a few times
// what its slope gives over one double, and what it changes by to the
// next one.
const double Wurzelrand = 8.0;

// And within a step of the grid it grows tenfold at least: even the eighth
// root of x grows some fortyfold from one double to a step.
const double Randabstand = 0.1;

// How fast the values of f beside a hole close in: each change at most
// this part of the one before (a half where f has a slope there).
const double Konvergenz = 0.75;

// What rounding leaves of a value, relative to it.
const double Rundung = 1e3 * std::numeric_limits<double>::epsilon();

// Where f closes in on a value from one side of x: that value and the last
// change that led to it; NaN where it does not.
struct Annaeherung {
    double Grenze;
    double Zuletzt;
};

Annaeherung annaehern(Nachrechnung &f, double x, double d)
{
    const double Weit = f.an(x + d).f.Wert;
    const double Mittel = f.an(x + d / 2).f.Wert;
    const double Nah = f.an(x + d / 4).f.Wert;
    const double Zuletzt = Nah - Mittel;
    const bool schliesst
        = std::abs(Zuletzt) <= Konvergenz * std::abs(Mittel - Weit) || std::abs(Zuletzt) <= Rundung * std::abs(Nah);
    if (!std::isfinite(Weit) || !std::isfinite(Nah) || !schliesst) {
        const double NaN = std::numeric_limits<double>::quiet_NaN();
        return { NaN, NaN };
    }
    // The changes halve: what remains of them is about the last one.
    return { Nah + Zuletzt, Zuletzt };
}
} // namespace

bool waechst_unbeschraenkt(const Stelle &e, double Naehe, double Bezug)
{
    const double Betrag = std::abs(e.f.Wert);
    if (std::isinf(Betrag)) {
        return true;
    }
    const double Steigung = std::abs(e.f.Erste);
    return Betrag >= Polsteilheit * Bezug && std::isfinite(Steigung) && Steigung * Naehe >= Polsteilheit * Betrag;
}

bool beruehrt_Null(double y, double Bezug)
{
    return std::abs(y) <= Beruehrung * Bezug;
}

// An edge needs no value outside and values inside: where the domain is
// frayed, as that of a wild formula, bisection may end beside a double
// with a value, or on one with a value among doubles without. A pole is
// larger there than inside. A zero is smaller already at the next double,
// of the same sign, and far smaller halfway and a quarter of the way to
// the sample, which itself may be a zero, as 1 is of x*ln(x) in degrees.
// Where f' is infinite at the edge itself, as 1/sqrt(0) is in the slope of
// asin at 1, the slope of the next double inside tells how f goes on;
// where it overflows there too, as that of x*ln(x) does near 0 where 1/x
// does, the change of f to that double.
Randart Rand_einordnen(Nachrechnung &f, const Stelle &Rand, double Ohne, const Stelle &Innen)
{
    if (Rand.f.Wert == 0) {
        return Randart::Nullstelle;
    }
    if (std::isinf(Rand.f.Wert)) {
        return Randart::Polstelle;
    }
    const Stelle Aussen = f.an(std::nextafter(Rand.x, Ohne));
    const double Naehe = std::abs(Aussen.x - Rand.x);
    const Stelle Weiter = f.an(std::nextafter(Rand.x, Innen.x));
    Stelle s = std::isfinite(Rand.f.Erste) ? Rand : Weiter;
    if (!std::isfinite(s.f.Erste)) {
        s.f.Erste = (Weiter.f.Wert - Rand.f.Wert) / (Weiter.x - Rand.x);
    }
    if (!std::isnan(Aussen.f.Wert) || !std::isfinite(Weiter.f.Wert) || !std::isfinite(s.f.Wert)
        || !std::isfinite(s.f.Erste)) {
        return Randart::Nichts;
    }
    const double Betrag = std::abs(Rand.f.Wert);
    const double Innenbetrag = std::abs(Innen.f.Wert);
    const double Halb = std::abs(f.an(Rand.x + (Innen.x - Rand.x) / 2).f.Wert);
    const double Viertel = std::abs(f.an(Rand.x + (Innen.x - Rand.x) / 4).f.Wert);
    if (Betrag > std::fmax(Innenbetrag, Halb) && waechst_unbeschraenkt(s, Naehe, Innenbetrag)) {
        return Randart::Polstelle;
    }
    const double Zuwachs = std::fmin(std::abs(s.f.Erste) * Naehe, std::abs(Weiter.f.Wert - Rand.f.Wert));
    const bool waechst = Betrag < std::abs(Weiter.f.Wert) && std::signbit(Weiter.f.Wert) == std::signbit(Rand.f.Wert)
        && Betrag < Randabstand * Halb && Betrag < Randabstand * Viertel;
    if (waechst && Betrag <= Wurzelrand * Zuwachs) {
        return Randart::Nullstelle;
    }
    return Randart::Nichts;
}

bool springt(double Schritt, double Spanne)
{
    return std::abs(Schritt) > Polsteilheit * Spanne;
}

// Both limits must agree to within the changes that led to them.
bool Luecke(Nachrechnung &f, double x, double Weite)
{
    const Annaeherung Links = annaehern(f, x, -Weite / 2);
    const Annaeherung Rechts = annaehern(f, x, Weite / 2);
    return std::abs(Links.Grenze - Rechts.Grenze)
        <= std::abs(Links.Zuletzt) + std::abs(Rechts.Zuletzt) + Rundung * std::abs(Links.Grenze);
}
