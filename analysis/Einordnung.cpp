// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Einordnung.h"

#include <cmath>

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
// what its slope gives over one double.
const double Wurzelrand = 8.0;
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

// Where f' is infinite at the edge itself, as 1/sqrt(0) is in the slope of
// asin at 1, the slope of the next double inside tells how f goes on.
Randart Rand_einordnen(Nachrechnung &f, const Stelle &Rand, double Ohne, const Stelle &Innen)
{
    if (Rand.f.Wert == 0) {
        return Randart::Nullstelle;
    }
    if (std::isinf(Rand.f.Wert)) {
        return Randart::Polstelle;
    }
    const double Naehe = std::abs(std::nextafter(Rand.x, Ohne) - Rand.x);
    const Stelle s = std::isfinite(Rand.f.Erste) ? Rand : f.an(std::nextafter(Rand.x, Innen.x));
    if (!std::isfinite(s.f.Wert) || !std::isfinite(s.f.Erste)) {
        return Randart::Nichts;
    }
    const double Betrag = std::abs(Rand.f.Wert);
    const double Innenbetrag = std::abs(Innen.f.Wert);
    if (waechst_unbeschraenkt(s, Naehe, Innenbetrag)) {
        return Randart::Polstelle;
    }
    if (Betrag < Innenbetrag && Betrag <= Wurzelrand * std::abs(s.f.Erste) * Naehe) {
        return Randart::Nullstelle;
    }
    return Randart::Nichts;
}
