// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The points of formulas worked out by hand, in both views: every listed
// point is expected, and nothing else is listed.

#include "Kurvendiskussion.h"
#include "Kurvensatz.h"
#include "formeltest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {
enum Modus { Bogen, Grad, Beide };

// How exactly a point is found: a simple zero, extremum or inflection point
// to a few units in the last place (Genau), a zero of even multiplicity to
// about 1e-8 (Doppelt); a point within one grid step of an end of the range
// may be missing (Rand).
enum Genauigkeit { Genau, Doppelt, Rand };

struct Punkt {
    Punktart Art;
    double x;
    double y;
    Genauigkeit Wie = Genau;
};

struct Fall {
    const char *Formel;
    Modus Winkel;
    std::vector<Punkt> Punkte;
};

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double pi = std::acos(-1.0);
const Punktart N = Punktart::Nullstelle;
const Punktart H = Punktart::Hochpunkt;
const Punktart T = Punktart::Tiefpunkt;
const Punktart W = Punktart::Wendepunkt;
const Punktart P = Punktart::Polstelle;

Diskussion diskutieren(const char *Formel, bool RAD)
{
    Mathe m;
    m.setRAD(RAD);
    Mitschnitt still;
    Uebersetzen(m, Formel);
    EXPECT_EQ(m.Fehleranzahl(), 0) << Formel;
    Mitschnitt Analyse;
    const Diskussion d = Kurve_diskutieren(m, Ansicht::Anfang(RAD));
    EXPECT_EQ(Analyse.Ausgabe(), "") << Formel << ": the analysis printed";
    return d;
}

bool passt(const Kurvenpunkt &Ist, const Punkt &Soll)
{
    const double Toleranz = Soll.Wie == Doppelt ? 1e-8 * std::fmax(1, std::abs(Soll.x))
                                                : 4 * std::numeric_limits<double>::epsilon() * std::abs(Soll.x);
    const bool yPasst
        = std::isnan(Soll.y) ? std::isnan(Ist.y) : std::abs(Ist.y - Soll.y) <= 1e-12 * std::fmax(1, std::abs(Soll.y));
    return Ist.Art == Soll.Art && std::abs(Ist.x - Soll.x) <= Toleranz && yPasst;
}

// Every listed point is one of the expected ones, each at most once, in
// the order of x and then of the kind; every expected point not at an end
// is listed.
void pruefe(const Fall &f, bool RAD)
{
    const Diskussion d = diskutieren(f.Formel, RAD);
    const char *Ansicht = RAD ? " RAD" : " DEG";
    std::vector<bool> Gefunden(f.Punkte.size());
    for (std::size_t i = 0; i < d.Punkte.size(); ++i) {
        const Kurvenpunkt &p = d.Punkte[i];
        std::size_t j = 0;
        while (j < f.Punkte.size() && (Gefunden[j] || !passt(p, f.Punkte[j]))) {
            ++j;
        }
        EXPECT_LT(j, f.Punkte.size()) << f.Formel << Ansicht << ": unexpected " << Punktname(p.Art) << " at x = " << p.x
                                      << ", y = " << p.y;
        if (j < f.Punkte.size()) {
            Gefunden[j] = true;
        }
        if (i > 0) {
            const Kurvenpunkt &q = d.Punkte[i - 1];
            EXPECT_TRUE(q.x < p.x || (q.x == p.x && q.Art < p.Art))
                << f.Formel << Ansicht << ": out of order at " << p.x;
        }
    }
    for (std::size_t j = 0; j < f.Punkte.size(); ++j) {
        EXPECT_TRUE(Gefunden[j] || f.Punkte[j].Wie == Rand)
            << f.Formel << Ansicht << ": missing " << Punktname(f.Punkte[j].Art) << " at " << f.Punkte[j].x;
    }
    for (const bool w : d.Weitere) {
        EXPECT_FALSE(w) << f.Formel << Ansicht;
    }
}

void pruefe(const std::vector<Fall> &Tabelle)
{
    for (const Fall &f : Tabelle) {
        for (const bool RAD : { true, false }) {
            if ((RAD && f.Winkel != Grad) || (!RAD && f.Winkel != Bogen)) {
                pruefe(f, RAD);
            }
        }
    }
}

TEST(Analyse, Polynomials)
{
    const double w3 = std::sqrt(3.0);
    pruefe({
        { "x^3-3x", Beide, { { N, -w3, 0 }, { H, -1, 2 }, { N, 0, 0 }, { W, 0, 0 }, { T, 1, -2 }, { N, w3, 0 } } },
        { "x^3", Beide, { { N, 0, 0 }, { W, 0, 0 } } },
        { "x^4", Beide, { { N, 0, 0 }, { T, 0, 0 } } },
        { "x^2", Beide, { { N, 0, 0 }, { T, 0, 0 } } },
        { "(x-1)^2", Beide, { { N, 1, 0, Doppelt }, { T, 1, 0 } } },
        { "x^2-2x+1", Beide, { { N, 1, 0, Doppelt }, { T, 1, 0 } } },
        // x (x-3)^2: f' = 3 (x-1)(x-3), f'' = 6 (x-2)
        { "x^3-6x^2+9x", Beide, { { N, 0, 0 }, { H, 1, 4 }, { W, 2, 2 }, { N, 3, 0, Doppelt }, { T, 3, 0 } } },
        { "2x+9", Beide, { { N, -4.5, 0 } } },
        { "5", Beide, {} },
        { "0", Beide, {} },
    });
}

// Points at multiples of pi, and of 90 degrees; the zeros at the ends of
// the degree view lie within rounding of them, on either side.
TEST(Analyse, Trigonometric)
{
    std::vector<Punkt> Sinus, SinusGrad, Tangens, TangensGrad, Quadrat, QuadratGrad;
    for (int k = -2; k <= 2; ++k) {
        Sinus.insert(Sinus.end(), { { N, k * pi, 0 }, { W, k * pi, 0 } });
        Tangens.insert(Tangens.end(), { { N, k * pi, 0 }, { W, k * pi, 0 } });
        Quadrat.insert(Quadrat.end(), { { N, k * pi, 0, Doppelt }, { T, k * pi, 0 } });
        const Genauigkeit Ende = std::abs(k) == 2 ? Rand : Genau;
        SinusGrad.insert(SinusGrad.end(), { { N, k * 180.0, 0, Ende }, { W, k * 180.0, 0, Ende } });
        TangensGrad.insert(TangensGrad.end(), { { N, k * 180.0, 0, Ende }, { W, k * 180.0, 0, Ende } });
        QuadratGrad.insert(
            QuadratGrad.end(), { { N, k * 180.0, 0, std::abs(k) == 2 ? Rand : Doppelt }, { T, k * 180.0, 0, Ende } });
    }
    for (const int k : { -3, -1, 1, 3 }) {
        Sinus.push_back({ k % 4 == 1 || k % 4 == -3 ? H : T, k * pi / 2, k % 4 == 1 || k % 4 == -3 ? 1.0 : -1.0 });
        SinusGrad.push_back({ k % 4 == 1 || k % 4 == -3 ? H : T, k * 90.0, k % 4 == 1 || k % 4 == -3 ? 1.0 : -1.0 });
        Tangens.push_back({ P, k * pi / 2, NaN });
        TangensGrad.push_back({ P, k * 90.0, NaN });
        Quadrat.push_back({ H, k * pi / 2, 1 });
        QuadratGrad.push_back({ H, k * 90.0, 1 });
    }
    for (const int k : { -7, -5, -3, -1, 1, 3, 5, 7 }) {
        Quadrat.push_back({ W, k * pi / 4, 0.5 });
        QuadratGrad.push_back({ W, k * 45.0, 0.5 });
    }
    pruefe({
        { "sin(x)", Bogen, Sinus },
        { "sin(x)", Grad, SinusGrad },
        { "tan(x)", Bogen, Tangens },
        { "tan(x)", Grad, TangensGrad },
        { "sin(x)^2", Bogen, Quadrat },
        { "sin(x)^2", Grad, QuadratGrad },
        { "atan(x)", Beide, { { N, 0, 0 }, { W, 0, 0 } } },
    });
}

TEST(Analyse, LogarithmRootsAndKinks)
{
    const double e = std::exp(1.0);
    pruefe({
        { "ln(x)", Beide, { { P, 0, NaN }, { N, 1, 0 } } },
        { "ln(x-0.3)", Beide, { { P, 0.3, NaN }, { N, 1.3, 0 } } },
        { "sqrt(x)", Beide, { { N, 0, 0 } } },
        { "sqrt(x-0.3)", Beide, { { N, 0.3, 0 } } },
        { "sqrt(4-x^2)", Beide, { { N, -2, 0 }, { H, 0, 2 }, { N, 2, 0 } } },
        { "abs(x)", Beide, { { N, 0, 0 }, { T, 0, 0 } } },
        { "-abs(x)", Beide, { { N, 0, 0 }, { H, 0, 0 } } },
        // Constant between 0 and 1: no extremum on that piece.
        { "abs(x)+abs(x-1)", Beide, {} },
        { "exp(x)", Beide, {} },
        // f' = (1-x) e^-x, f'' = (x-2) e^-x
        { "x*exp(-x)", Beide, { { N, 0, 0 }, { H, 1, 1 / e }, { W, 2, 2 / (e * e) } } },
    });
}

TEST(Analyse, RationalFunctions)
{
    const double w3 = std::sqrt(3.0);
    const double Tief = -std::cbrt(0.5); // x^2 - 1/x: 2x + 1/x^2 = 0
    pruefe({
        { "1/x", Beide, { { P, 0, NaN } } },
        { "1/(x-1)^2", Beide, { { P, 1, NaN } } },
        { "1/(x-0.3)^2", Beide, { { P, 0.3, NaN } } },
        { "x/(x^2-1)", Bogen, { { P, -1, NaN }, { N, 0, 0 }, { W, 0, 0 }, { P, 1, NaN } } },
        // The inflection point at 0 lies one step from both poles.
        { "x/(x^2-1)", Grad, { { P, -1, NaN }, { N, 0, 0 }, { W, 0, 0, Rand }, { P, 1, NaN } } },
        { "x/(x^2+1)", Beide,
            { { W, -w3, -w3 / 4 }, { T, -1, -0.5 }, { N, 0, 0 }, { W, 0, 0 }, { H, 1, 0.5 }, { W, w3, w3 / 4 } } },
        { "x^2-1/x", Beide, { { T, Tief, Tief * Tief - 1 / Tief }, { P, 0, NaN }, { N, 1, 0 }, { W, 1, 0 } } },
    });
}

// sin(100x) has 407 zeros in the radian view, k pi/100: the first hundred
// from the left are listed, and the list says that more exist; so it says
// for the extrema and inflection points.
TEST(Analyse, AtMostHundredOfAKind)
{
    const Diskussion d = diskutieren("sin(100x)", true);
    std::vector<double> Nullstellen;
    for (const Kurvenpunkt &p : d.Punkte) {
        if (p.Art == N) {
            Nullstellen.push_back(p.x);
        }
    }
    ASSERT_EQ(Nullstellen.size(), MAX_PUNKTE_JE_ART);
    for (int k = -203; k < -103; ++k) {
        EXPECT_NEAR(Nullstellen[k + 203], k * pi / 100, 1e-14) << k;
    }
    EXPECT_EQ(d.Punkte.size(), 4 * MAX_PUNKTE_JE_ART);
    const bool Erwartet[] = { true, true, true, true, false };
    for (int Art = 0; Art < AnzahlPunktarten; ++Art) {
        EXPECT_EQ(d.Weitere[Art], Erwartet[Art]) << Punktname(static_cast<Punktart>(Art));
    }
}

// sin(1/x) has countless points near 0, closer than the grid resolves: the
// analysis ends, with those it finds, the first zeros at -1/(k pi).
TEST(Analyse, CountlessPoints)
{
    const Diskussion d = diskutieren("sin(1/x)", true);
    std::vector<double> Nullstellen;
    for (const Kurvenpunkt &p : d.Punkte) {
        if (p.Art == N) {
            Nullstellen.push_back(p.x);
        }
    }
    ASSERT_GE(Nullstellen.size(), 10u);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_NEAR(Nullstellen[k - 1], -1 / (k * pi), 1e-15) << k;
    }
}

struct Schnittfall {
    const char *Formeln;
    Modus Winkel;
    std::vector<std::vector<double>> Schnitte; // by pair, (1,2), (1,3), (2,3): the x where they meet
};

// Where the curves of an entry meet, found as the zeros of their differences
// with one interpreter that compiles each formula in turn: crossings,
// touches, none for a curve against itself or its parallel, none at a pole,
// and y on the curves.
TEST(Analyse, Intersections)
{
    const Schnittfall Tabelle[] = {
        { "x^2; x+2", Bogen, { { -1, 2 } } },
        { "x^2; 2x-1", Beide, { { 1 } } },
        { "x^2; -x^2", Beide, { { 0 } } },
        { "x; x", Beide, { {} } },
        { "2x+1; 2x+3", Beide, { {} } },
        { "x^3; x", Beide, { { -1, 0, 1 } } },
        { "1/x; x", Bogen, { { -1, 1 } } },
        { "sin(x); cos(x)", Bogen, { { -7 * pi / 4, -3 * pi / 4, pi / 4, 5 * pi / 4 } } },
        { "sin(x); 0.5", Grad, { { -330, -210, 30, 150 } } },
        { "x; -x; 1", Bogen, { { 0 }, { 1 }, { -1 } } },
    };
    for (const Schnittfall &f : Tabelle) {
        for (const bool RAD : { true, false }) {
            if ((RAD && f.Winkel == Grad) || (!RAD && f.Winkel == Bogen)) {
                continue;
            }
            Mathe m;
            m.setRAD(RAD);
            Mitschnitt still;
            const Kurvensatz Satz = Kurven_diskutieren(m, f.Formeln, Ansicht::Anfang(RAD));
            ASSERT_EQ(Satz.Schnitte.size(), f.Schnitte.size()) << f.Formeln;
            for (std::size_t k = 0; k < Satz.Schnitte.size(); ++k) {
                const Schnitt &S = Satz.Schnitte[k];
                ASSERT_EQ(S.Punkte.Punkte.size(), f.Schnitte[k].size()) << f.Formeln << " pair " << k;
                Formel_einsetzen(m, Satz, S.Erste);
                for (std::size_t i = 0; i < S.Punkte.Punkte.size(); ++i) {
                    const Kurvenpunkt &p = S.Punkte.Punkte[i];
                    EXPECT_NEAR(p.x, f.Schnitte[k][i], 1e-8) << f.Formeln;
                    m.x = f.Schnitte[k][i];
                    EXPECT_NEAR(p.y, m.Formel_Berechnen(), 1e-7) << f.Formeln;
                }
            }
        }
    }
}

// Over a view that is not a start view, the zeros of its x range alone, on
// its own grid.
TEST(Analyse, MovedViews)
{
    const struct {
        const char *Formel;
        Ansicht A;
        std::vector<double> Nullstellen;
    } Faelle[] = {
        { "sin(x)", { true, -20, 20, -1, 1 },
            { -6 * pi, -5 * pi, -4 * pi, -3 * pi, -2 * pi, -pi, 0, pi, 2 * pi, 3 * pi, 4 * pi, 5 * pi, 6 * pi } },
        { "x^3-3x", { true, 0.5, 3, -3, 3 }, { std::sqrt(3.0) } },
        { "sin(x)", { false, -1000, 1000, -1, 1 }, { -900, -720, -540, -360, -180, 0, 180, 360, 540, 720, 900 } },
    };
    for (const auto &f : Faelle) {
        Mathe m;
        Mitschnitt still;
        Uebersetzen(m, f.Formel);
        std::vector<double> Gefunden;
        for (const Kurvenpunkt &p : Kurve_diskutieren(m, f.A).Punkte) {
            if (p.Art == N) {
                Gefunden.push_back(p.x);
            }
        }
        ASSERT_EQ(Gefunden.size(), f.Nullstellen.size()) << f.Formel;
        for (std::size_t i = 0; i < Gefunden.size(); ++i) {
            EXPECT_NEAR(Gefunden[i], f.Nullstellen[i], 1e-12 * std::fmax(1, std::abs(f.Nullstellen[i]))) << f.Formel;
        }
    }
}

TEST(Analyse, ViewsAndNames)
{
    for (const bool RAD : { true, false }) {
        const Bereich b = Ansichtsbereich(Ansicht::Anfang(RAD));
        EXPECT_EQ(b.Von, RAD ? -6.4 : -360.0);
        EXPECT_EQ(b.Bis, RAD ? 6.4 : 360.0);
        EXPECT_GE(b.Schritte, RAD ? 12800 : 720);
        EXPECT_EQ(Gitterpunkt(b, b.Schritte), b.Bis);
        const std::vector<Abgeleitet> Proben = Abtasten(
            [](double x) {
                return Abgeleitet(x, 1, 0);
            },
            b);
        ASSERT_EQ(Proben.size(), static_cast<std::size_t>(b.Schritte + 1));
        EXPECT_EQ(Proben.front().Wert, b.Von);
    }
    const char *Namen[] = { "Nullstelle", "Hochpunkt", "Tiefpunkt", "Wendepunkt", "Polstelle" };
    for (int Art = 0; Art < AnzahlPunktarten; ++Art) {
        EXPECT_STREQ(Punktname(static_cast<Punktart>(Art)), Namen[Art]);
    }
}
} // namespace
