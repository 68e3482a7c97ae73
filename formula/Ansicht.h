// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef ANSICHT_H
#define ANSICHT_H

#include <optional>
#include <string>
#include <vector>

// What the plot area shows: the range of x (in degrees in the degree view)
// and the range of y, and how they map onto the window's pixels. The plot
// area is columns Links() to Links() + Breite() and rows OBEN to OBEN +
// HOEHE. Each mode starts with a view of its own, which keeps the sampling,
// the grid and the labels it always had; every other view maps linearly.
struct Ansicht {
    static const int OBEN = 80;
    static const int HOEHE = 600;
    // Samples of a curve: dots across the radian view, one per column and
    // one more in the degree view.
    static const int BOGENPROBEN = 12800;
    static const int GRADPROBEN = 721;

    bool Bogenmass = true;
    double xVon = -6.4;
    double xBis = 6.4;
    double yVon = -6.0;
    double yBis = 6.0;

    // The view the mode starts with.
    static Ansicht Anfang(bool Bogenmass);
    bool ist_Anfang() const;
    bool operator==(const Ansicht &Andere) const;
    bool operator!=(const Ansicht &Andere) const
    {
        return !(*this == Andere);
    }

    int Links() const;
    int Breite() const;

    // Window coordinates of x and y, unrounded, and the values at them.
    double Spalte(double x) const;
    double Zeile(double y) const;
    double x_an(double Spalte) const;
    double y_an(double Zeile) const;

    // The samples of a curve: Proben() of them, their x into Stellen. The
    // start views keep their own: the radian view's a running sum from -6.4
    // in steps of 0.001, the degree view's the whole degrees; every other
    // view spreads them evenly, each x computed from its number.
    int Proben() const;
    void Probenstellen(double *Stellen) const;
    // The column of sample Nr at x, and the row of its value, as a double so
    // that values without a row (NaN, infinite, beyond int) fail the band
    // test; where a radian dot's corner or a degree line's point lies. The
    // same for all Proben() samples at once.
    int Probenspalte(int Nr, double x) const;
    double Probenzeile(double Wert) const;
    void Probenspalten(const double *Stellen, int *Spalten) const;
    void Probenzeilen(const double *Werte, double *Zeilen) const;

    // The grid: lines every Schritt_x() across and Schritt_y() up, on the
    // multiples of the step that lie in the view.
    double Schritt_x() const;
    double Schritt_y() const;
    static std::vector<double> Linien(double Von, double Bis, double Schritt);

    // A view with both ranges scaled by the factors about the point (um_x,
    // um_y), which keeps its place; a factor above 1 shows more. Moved by
    // dx and dy. None where a range would pass the limits.
    std::optional<Ansicht> gezoomt(double Faktor_x, double Faktor_y, double um_x, double um_y) const;
    std::optional<Ansicht> verschoben(double dx, double dy) const;
    // Whether both ranges are finite, ascending, no narrower than 1e-10 of
    // the larger of 1 and their ends, and no wider than 1e300.
    bool zulaessig() const;

    // The digits that show x under the pointer: what one pixel resolves in
    // this view, and at least three.
    int Stellen_x(double x) const;
    // A value as the info area shows it: 0 where its magnitude lies below
    // the resolution that three significant digits give at the scale of
    // the range, which is rounding noise there; -0 is 0.
    double x_gezeigt(double x) const;
    double y_gezeigt(double y) const;

private:
    int Probenspalte(int Nr, double x, bool Anfang) const;
    double Probenzeile(double Wert, bool Anfang) const;
};

// A range's ends as --x and --y give them, "VON:BIS", as the formula
// language writes numbers (a "." for the decimal point, whatever the
// locale) with a leading sign and an exponent allowed. An empty text when
// it is a range, else what is wrong, in German.
std::string Bereich_lesen(const std::string &Text, double &Von, double &Bis);

// A grid value as people write it, to the digits that its step needs:
// "0.1", "-2.5", "1e+06" from a million up and below 1e-4.
std::string Gitterzahl(double Wert, double Schritt);

#endif
