// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Ansicht.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <initializer_list>

namespace {
// The limits of a range: its width against the magnitude of its ends.
const double ENGSTE = 1e-10;
const double WEITESTE = 1e300;

// At least as many grid lines as this across an axis, and fewer than
// BIS_LINIEN + 1 steps.
const double AB_LINIEN = 5;
const double BIS_LINIEN = 13;

// The degree view's steps across while they fit, largest first.
const double GRADSCHRITTE[] = { 90, 45, 30, 15 };

enum class Breite { Passt, Zu_schmal, Zu_breit };

Breite Bereichsbreite(double Von, double Bis)
{
    const double Weite = Bis - Von;
    if (!(Weite <= WEITESTE)) {
        return Breite::Zu_breit;
    }
    return Weite >= ENGSTE * std::max({ 1.0, std::abs(Von), std::abs(Bis) }) ? Breite::Passt : Breite::Zu_schmal;
}

bool passt(double Von, double Bis)
{
    return std::isfinite(Von) && std::isfinite(Bis) && Von < Bis && Bereichsbreite(Von, Bis) == Breite::Passt;
}

// The largest of 1, 2 and 5 times a power of ten that gives at least
// AB_LINIEN lines over Weite; the next larger one would give fewer, so this
// one gives fewer than 13.
double runder_Schritt(double Weite)
{
    const double Basis = std::pow(10.0, std::floor(std::log10(Weite / AB_LINIEN)));
    for (const double Vielfaches : { 5.0, 2.0 }) {
        if (Weite / (Vielfaches * Basis) >= AB_LINIEN) {
            return Vielfaches * Basis;
        }
    }
    return Basis;
}

// Three significant digits at the scale of a range of width Weite resolve a
// thousandth of it; below that a value is rounding noise there.
double ohne_Rauschen(double Wert, double Weite)
{
    return std::abs(Wert) < Weite * 1e-3 ? 0.0 : Wert + 0.0;
}

// The power of ten of a value's leading digit; a step that is a power of
// ten exactly may come out of log10 a little below it.
int Exponent(double Wert)
{
    return static_cast<int>(std::floor(std::log10(std::abs(Wert)) + 1e-9));
}

// One number of a range: an optional sign, then digits with a "." and an
// exponent as from_chars reads them, nothing else; "inf" and "nan" are read
// to be refused as numbers that are not finite.
bool Zahl_lesen(const std::string &Text, double &Wert)
{
    std::size_t Anfang = 0;
    const bool Negativ = !Text.empty() && Text[0] == '-';
    if (!Text.empty() && (Text[0] == '-' || Text[0] == '+')) {
        Anfang = 1;
    }
    if (Anfang == Text.size()) {
        return false;
    }
    const char *Ende = Text.data() + Text.size();
    const auto Ergebnis = std::from_chars(Text.data() + Anfang, Ende, Wert);
    if (Ergebnis.ptr != Ende) {
        return false;
    }
    if (Ergebnis.ec == std::errc::result_out_of_range) {
        Wert = HUGE_VAL;
    }
    Wert = Negativ ? -Wert : Wert;
    return Ergebnis.ec == std::errc() || Ergebnis.ec == std::errc::result_out_of_range;
}
} // namespace

Ansicht Ansicht::Anfang(bool Bogenmass)
{
    return Bogenmass ? Ansicht { true, -6.4, 6.4, -6.0, 6.0 } : Ansicht { false, -360.0, 360.0, -300.0, 300.0 };
}

bool Ansicht::ist_Anfang() const
{
    return *this == Anfang(Bogenmass);
}

bool Ansicht::operator==(const Ansicht &Andere) const
{
    return Bogenmass == Andere.Bogenmass && xVon == Andere.xVon && xBis == Andere.xBis && yVon == Andere.yVon
        && yBis == Andere.yBis;
}

int Ansicht::Links() const
{
    return Bogenmass ? 30 : 10;
}

int Ansicht::Breite() const
{
    return Bogenmass ? 640 : 720;
}

double Ansicht::Spalte(double x) const
{
    return Links() + (x - xVon) * (Breite() / (xBis - xVon));
}

double Ansicht::Zeile(double y) const
{
    return OBEN + (yBis - y) * (HOEHE / (yBis - yVon));
}

double Ansicht::x_an(double Spalte) const
{
    return xVon + (Spalte - Links()) / Breite() * (xBis - xVon);
}

double Ansicht::y_an(double Zeile) const
{
    return yBis - (Zeile - OBEN) / HOEHE * (yBis - yVon);
}

int Ansicht::Proben() const
{
    return Bogenmass ? BOGENPROBEN : GRADPROBEN;
}

void Ansicht::Probenstellen(double *Stellen) const
{
    if (ist_Anfang() && Bogenmass) {
        // With IEEE doubles the sum passes 6.4 without meeting it: 12,800
        // samples, the last at about 6.399.
        int Nr = 0;
        for (double x = -6.4; x <= 6.4 && Nr < BOGENPROBEN; x += 0.001) {
            Stellen[Nr++] = x;
        }
        return;
    }
    if (ist_Anfang()) {
        for (int Nr = 0; Nr < GRADPROBEN; ++Nr) {
            Stellen[Nr] = Nr - 360;
        }
        return;
    }
    // The degree view's last sample lies on the right edge.
    const double Schritt = (xBis - xVon) / (Bogenmass ? BOGENPROBEN : GRADPROBEN - 1);
    for (int Nr = 0; Nr < Proben(); ++Nr) {
        Stellen[Nr] = xVon + Nr * Schritt;
    }
}

int Ansicht::Probenspalte(int Nr, double x) const
{
    return Probenspalte(Nr, x, ist_Anfang());
}

double Ansicht::Probenzeile(double Wert) const
{
    return Probenzeile(Wert, ist_Anfang());
}

// For a whole batch the test for the start view is made once.
void Ansicht::Probenspalten(const double *Stellen, int *Spalten) const
{
    const bool Anfang = ist_Anfang();
    for (int Nr = 0; Nr < Proben(); ++Nr) {
        Spalten[Nr] = Probenspalte(Nr, Stellen[Nr], Anfang);
    }
}

void Ansicht::Probenzeilen(const double *Werte, double *Zeilen) const
{
    const bool Anfang = ist_Anfang();
    for (int Nr = 0; Nr < Proben(); ++Nr) {
        Zeilen[Nr] = Probenzeile(Werte[Nr], Anfang);
    }
}

int Ansicht::Probenspalte(int Nr, double x, bool Anfang) const
{
    if (!Bogenmass) {
        return Links() + Nr;
    }
    // The start view's columns come from 50 pixels a unit from the origin,
    // truncated toward zero, so its column 350 takes twice as many samples.
    return Anfang ? int(x * 50.0) + 350 : static_cast<int>(std::floor(Spalte(x)));
}

double Ansicht::Probenzeile(double Wert, bool Anfang) const
{
    if (Anfang) {
        return 380 - std::trunc(Bogenmass ? Wert * 50.0 : Wert);
    }
    return std::floor(Zeile(Wert));
}

double Ansicht::Schritt_x() const
{
    if (ist_Anfang()) {
        return Bogenmass ? 1 : 90;
    }
    const double Weite = xBis - xVon;
    if (!Bogenmass) {
        for (const double Schritt : GRADSCHRITTE) {
            if (Weite / Schritt >= AB_LINIEN && Weite / Schritt < BIS_LINIEN) {
                return Schritt;
            }
        }
    }
    return runder_Schritt(Weite);
}

double Ansicht::Schritt_y() const
{
    if (ist_Anfang()) {
        return Bogenmass ? 1 : 100;
    }
    return runder_Schritt(yBis - yVon);
}

std::vector<double> Ansicht::Linien(double Von, double Bis, double Schritt)
{
    // A step gives at most BIS_LINIEN lines over a view within the limits;
    // the bound only keeps a step of no such view from running long.
    std::vector<double> Werte;
    for (double k = std::ceil(Von / Schritt); k * Schritt <= Bis && Werte.size() < 100; ++k) {
        Werte.push_back(k * Schritt);
    }
    return Werte;
}

std::optional<Ansicht> Ansicht::gezoomt(double Faktor_x, double Faktor_y, double um_x, double um_y) const
{
    // A factor of 1 keeps its range exactly, which the sums would not.
    const auto skaliert = [](double Ende, double Faktor, double um) {
        return Faktor == 1 ? Ende : um + (Ende - um) * Faktor;
    };
    Ansicht Neu = *this;
    Neu.xVon = skaliert(xVon, Faktor_x, um_x);
    Neu.xBis = skaliert(xBis, Faktor_x, um_x);
    Neu.yVon = skaliert(yVon, Faktor_y, um_y);
    Neu.yBis = skaliert(yBis, Faktor_y, um_y);
    return Neu.zulaessig() ? std::optional<Ansicht>(Neu) : std::nullopt;
}

std::optional<Ansicht> Ansicht::verschoben(double dx, double dy) const
{
    Ansicht Neu = *this;
    if (dx != 0) {
        Neu.xVon += dx;
        Neu.xBis += dx;
    }
    if (dy != 0) {
        Neu.yVon += dy;
        Neu.yBis += dy;
    }
    return Neu.zulaessig() ? std::optional<Ansicht>(Neu) : std::nullopt;
}

bool Ansicht::zulaessig() const
{
    return passt(xVon, xBis) && passt(yVon, yBis);
}

int Ansicht::Stellen_x(double x) const
{
    if (x == 0 || !std::isfinite(x)) {
        return 3;
    }
    const double Pixel = (xBis - xVon) / Breite();
    return std::clamp(Exponent(x) - Exponent(Pixel) + 1, 3, 17);
}

double Ansicht::x_gezeigt(double x) const
{
    return ohne_Rauschen(x, xBis - xVon);
}

double Ansicht::y_gezeigt(double y) const
{
    return ohne_Rauschen(y, yBis - yVon);
}

std::string Bereich_lesen(const std::string &Text, double &Von, double &Bis)
{
    const std::size_t Trenner = Text.find(':');
    if (Trenner == std::string::npos || !Zahl_lesen(Text.substr(0, Trenner), Von)
        || !Zahl_lesen(Text.substr(Trenner + 1), Bis)) {
        return "„" + Text + "“ ist kein Bereich VON:BIS, etwa -10:10";
    }
    if (!std::isfinite(Von) || !std::isfinite(Bis)) {
        return "„" + Text + "“: die Grenzen müssen endliche Zahlen sein";
    }
    if (!(Von < Bis)) {
        return "„" + Text + "“: VON muss kleiner sein als BIS";
    }
    switch (Bereichsbreite(Von, Bis)) {
    case Breite::Zu_schmal:
        return "„" + Text
            + "“: der Bereich ist zu schmal, er muss mindestens 1e-10 mal so breit sein wie die größere Grenze (oder "
              "1)";
    case Breite::Zu_breit:
        return "„" + Text + "“: der Bereich ist zu breit, höchstens 1e300";
    case Breite::Passt:
        break;
    }
    return std::string();
}

std::string Gitterzahl(double Wert, double Schritt)
{
    if (Wert == 0) {
        return "0";
    }
    // The digits down to the step's; "%e" or "%f" rounds away what the
    // multiple of the step has gained in its last bits.
    const int Schrittstelle = Exponent(Schritt);
    const double Betrag = std::abs(Wert);
    const bool Exponentform = Betrag >= 1e6 || Betrag < 1e-4;
    char Text[48];
    if (Exponentform) {
        std::snprintf(Text, sizeof Text, "%.*e", std::clamp(Exponent(Wert) - Schrittstelle, 0, 16), Wert);
    } else {
        std::snprintf(Text, sizeof Text, "%.*f", std::clamp(-Schrittstelle, 0, 17), Wert);
    }
    std::string Zahl(Text);
    const std::size_t Ende = Exponentform ? Zahl.find('e') : Zahl.size();
    std::string Ziffern = Zahl.substr(0, Ende);
    if (Ziffern.find('.') != std::string::npos) {
        Ziffern.erase(Ziffern.find_last_not_of('0') + 1);
        if (Ziffern.back() == '.') {
            Ziffern.pop_back();
        }
    }
    return Ziffern + Zahl.substr(Ende);
}
