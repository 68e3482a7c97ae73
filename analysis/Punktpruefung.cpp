// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Rounding makes the signs of f, f' and f'' wander near a point, and a
// jump or an overflow changes them without a point being there. So the
// change of sign between the doubles around a point is only the first
// test: a little further out, f must show what the change says, and its
// changes there must be those that its derivative accounts for, which
// rounding noise and jumps never are. Some distance on a ladder from a few
// grid steps down to a few doubles has to show it, by the discussion's
// own test of how f shows a point.

#include "Punktpruefung.h"

#include "Eingrenzung.h"
#include "Nachweis.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace {
// How large a part of how far f goes a little further out its step between
// the doubles around a point may be, where f is continuous.
const double Spielraum = 0.25;

// How close to 0 f comes at a touching zero, relative to f a little away.
const double Beruehrung = 1e-6;

// At an edge of the domain that f approaches like a root, |f| is at most
// this many times its change to the next double inside, and at most this
// part of |f| a little further in.
const double Wurzelrand = 16.0;
const double Randabstand = 0.5;

// The ladder: from this many grid steps, halving, at most Sprossen times,
// enough to reach the doubles around a point near 0, as the zero of
// sind(log(x)) at 1e-180.
const double Oben = 16.0;
const int Sprossen = 1100;

// -1, 0 or +1; 0 also for NaN.
int Vorzeichen(double g)
{
    return (g > 0) - (g < 0);
}

// Where a quantity at three adjacent doubles changes its sign: +1 from -
// to +, -1 from + to -, 0 where it does not.
int Wechsel(double Links, double Mitte, double Rechts)
{
    const int Paare[3][2] = { { Vorzeichen(Links), Vorzeichen(Mitte) }, { Vorzeichen(Mitte), Vorzeichen(Rechts) },
        { Vorzeichen(Links), Vorzeichen(Rechts) } };
    for (const auto &Paar : Paare) {
        if (Paar[0] != 0 && Paar[1] == -Paar[0]) {
            return Paar[1];
        }
    }
    return 0;
}

class Pruefung
{
public:
    Pruefung(const Verlauf &f, const Bereich &b)
        : f(f)
        , Rechner(f, std::numeric_limits<long>::max())
        , Schritt(Schrittweite(b))
    {
    }

    const char *Einwand(const Kurvenpunkt &p) const;

private:
    struct Umfeld {
        double x;
        Abgeleitet Links;
        Abgeleitet Mitte;
        Abgeleitet Rechts;
    };

    Umfeld umgeben(double x) const
    {
        return { x, f(Nachbar(x, false)), f(x), f(Nachbar(x, true)) };
    }

    // f at x - d and x + d.
    struct Weiter {
        double Links;
        double Rechts;
    };

    Weiter weiter(const Umfeld &u, double d) const
    {
        return { f(u.x - d).Wert, f(u.x + d).Wert };
    }

    template<class Test> bool irgendwo(double x, double Bis, const Test &t) const;
    bool wechselt(const Umfeld &u, int Stufe) const;
    const char *Nullstelle(const Umfeld &u) const;
    bool kreuzt(const Umfeld &u) const;
    bool beruehrt(const Umfeld &u) const;
    bool nah_an_Null(const Umfeld &u, const Weiter &w) const;
    bool am_Rand(const Umfeld &u) const;
    const char *Extremum(const Umfeld &u, int Stufe, int Richtung) const;
    bool stetig(const Umfeld &u, const Weiter &w) const;
    bool zeigt_sich_so(const Umfeld &u, double d, int Stufe, int Richtung) const;

    const Verlauf &f;
    mutable Nachrechnung Rechner; // for the discussion's own test, without a budget
    const double Schritt;
};

// Whether the test holds at some distance of the ladder up to Bis grid
// steps, the largest first.
template<class Test> bool Pruefung::irgendwo(double x, double Bis, const Test &t) const
{
    double d = Bis * Schritt;
    for (int i = 0; i < Sprossen && x - d / 4 != x && x + d / 4 != x; ++i, d /= 2) {
        if (t(d)) {
            return true;
        }
    }
    return false;
}

const char *Pruefung::Einwand(const Kurvenpunkt &p) const
{
    const Umfeld u = umgeben(p.x);
    switch (p.Art) {
    case Punktart::Nullstelle:
        return Nullstelle(u);
    case Punktart::Hochpunkt:
        return Extremum(u, 1, -1);
    case Punktart::Tiefpunkt:
        return Extremum(u, 1, 1);
    case Punktart::Wendepunkt:
        return Extremum(u, 2, 0);
    case Punktart::Polstelle:
        return nullptr;
    }
    return nullptr;
}

const char *Pruefung::Nullstelle(const Umfeld &u) const
{
    if (u.Mitte.Wert == 0 || kreuzt(u) || beruehrt(u) || am_Rand(u)) {
        return nullptr;
    }
    return "f neither crosses nor touches 0 here";
}

// f changes its sign between the doubles, and a little further out,
// continuously. Which way it goes there is the ladder's to say: with
// rounding, f may change its sign more than once between the doubles.
// Or f is within rounding of 0 there: at a double zero f may round to a
// tiny constant on a stretch of doubles and step across 0 at its end by
// its last digit, as one of a wild formula does from -1.1e-79 to 5e-16.
bool Pruefung::kreuzt(const Umfeld &u) const
{
    return Wechsel(u.Links.Wert, u.Mitte.Wert, u.Rechts.Wert) != 0 && irgendwo(u.x, 1, [&](double d) {
        const Weiter w = weiter(u, d);
        const int Links = Vorzeichen(w.Links);
        return (Links != 0 && Vorzeichen(w.Rechts) == -Links && stetig(u, w)) || nah_an_Null(u, w);
    });
}

// An extremum of either kind, where f is within rounding of 0 as far off
// as it shows the extremum: a maximum close by may lie in a minimum
// further out, as in x^8 plus a tiny bump.
bool Pruefung::beruehrt(const Umfeld &u) const
{
    return Extremum(u, 1, 0) == nullptr && irgendwo(u.x, Oben, [&](double d) {
        return nah_an_Null(u, weiter(u, d)) && zeigt_sich_so(u, d, 1, 0);
    });
}

// f at x is within rounding of 0 beside f a little further out.
bool Pruefung::nah_an_Null(const Umfeld &u, const Weiter &w) const
{
    return std::abs(u.Mitte.Wert) <= Beruehrung * std::fmax(std::abs(w.Links), std::abs(w.Rechts));
}

// The double beside x on one side has no value, and f grows away from x
// like a root, on its side of 0: by a good part of itself to the double on
// the other side, by the change or by the slope there, and to twice itself
// or more there or a little further in.
bool Pruefung::am_Rand(const Umfeld &u) const
{
    if (std::isnan(u.Links.Wert) == std::isnan(u.Rechts.Wert) || !std::isfinite(u.Mitte.Wert)) {
        return false;
    }
    const double Seite = std::isnan(u.Links.Wert) ? 1 : -1;
    const Abgeleitet &Innen = Seite > 0 ? u.Rechts : u.Links;
    const double Betrag = std::abs(u.Mitte.Wert);
    const double Schrittchen = std::abs(Nachbar(u.x, Seite > 0) - u.x);
    const double Zuwachs = std::fmax(std::abs(Innen.Wert - u.Mitte.Wert), std::abs(u.Mitte.Erste) * Schrittchen);
    const bool gleich = std::signbit(Innen.Wert) == std::signbit(u.Mitte.Wert);
    return gleich && Betrag <= Wurzelrand * Zuwachs
        && (Betrag <= Randabstand * std::abs(Innen.Wert) || irgendwo(u.x, 1, [&](double d) {
               return Betrag <= Randabstand * std::abs(f(u.x + Seite * d).Wert);
           }));
}

// Richtung is the change of sign of the derivative that the point needs:
// -1 from + to - (a maximum of f, or of f'), +1 the other way, 0 either,
// as for an inflection point.
const char *Pruefung::Extremum(const Umfeld &u, int Stufe, int Richtung) const
{
    if (!std::isfinite(u.Links.Wert) || !std::isfinite(u.Mitte.Wert) || !std::isfinite(u.Rechts.Wert)) {
        return "f has no value beside it";
    }
    if (!wechselt(u, Stufe)) {
        return Stufe == 1 ? "f' does not change its sign here" : "f'' does not change its sign here";
    }
    if (!irgendwo(u.x, 1, [&](double d) {
            return stetig(u, weiter(u, d));
        })) {
        return "f jumps here";
    }
    if (!irgendwo(u.x, Oben, [&](double d) {
            return zeigt_sich_so(u, d, Stufe, Richtung);
        })) {
        return Stufe == 1 ? "f does not rise and fall here as f' says" : "f' does not rise and fall here as f'' says";
    }
    return nullptr;
}

// Whether f' or f'' changes its sign at x: it is 0 there, or has opposite
// signs at the doubles around it or, where rounding leaves it 0 on a few
// doubles (f' of (x-2.5)*(x+5) around -1.25) or it has no finite value
// there (f' of asind(cosd(x)) at its kink at 0), at the nearest points
// beside them where it has. Either way round: near a simple point rounding
// can turn the signs of the doubles around it, as the slope of
// -x^4-10x^3-36x^2-54x-27 near -1.5 is only rounding there; which way the
// point goes is for the ladder to say.
bool Pruefung::wechselt(const Umfeld &u, int Stufe) const
{
    if (Ableitung(u.Mitte, Stufe) == 0
        || Wechsel(Ableitung(u.Links, Stufe), Ableitung(u.Mitte, Stufe), Ableitung(u.Rechts, Stufe)) != 0) {
        return true;
    }
    // Out to a grid step: an infinite value may be what overflow leaves of
    // a finite slope.
    const auto neben = [&](double Seite) {
        return Vorzeichen(Ableitung(naechster_Wert(Rechner, u.x, Seite, Stufe, Schritt).f, Stufe));
    };
    const int Links = neben(-1);
    return Links != 0 && neben(1) == -Links;
}

// The step of f between the doubles around x is a small part of how far f
// goes from x to a little further out.
bool Pruefung::stetig(const Umfeld &u, const Weiter &w) const
{
    const double Weite = std::fmax(std::abs(w.Links - u.Mitte.Wert), std::abs(w.Rechts - u.Mitte.Wert));
    return std::abs(u.Rechts.Wert - u.Links.Wert) <= Spielraum * Weite;
}

// Whether f (or f') shows the change at x over d as the discussion tests
// it, the way Richtung says or, for 0, either way.
bool Pruefung::zeigt_sich_so(const Umfeld &u, double d, int Stufe, int Richtung) const
{
    const Stelle m { u.x, u.Mitte };
    const auto so = [&](double Spitze) {
        return zeigt_sich(Rechner, m, d, Stufe, Spitze);
    };
    return Richtung == 0 ? so(1) || so(-1) : so(-Richtung);
}
} // namespace

std::string Diskussion_pruefen(const Verlauf &f, const Bereich &b, const Diskussion &d)
{
    const Pruefung p(f, b);
    for (const Kurvenpunkt &Punkt : d.Punkte) {
        if (const char *Warum = p.Einwand(Punkt)) {
            char x[32];
            std::snprintf(x, sizeof x, "%.17g", Punkt.x);
            return std::string(Punktname(Punkt.Art)) + " at x = " + x + ": " + Warum;
        }
    }
    return "";
}
