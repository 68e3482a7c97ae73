// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The points of formulas worked out by hand, in both views: every listed
// point is expected, nothing else is listed, and each is what it is listed
// as by the formula itself.

#include "Kurvendiskussion.h"
#include "Kurvensatz.h"
#include "Punktpruefung.h"
#include "formeltest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {
enum Modus { Bogen, Grad, Beide };

// How exactly a point is found: a simple zero, extremum or inflection point
// to a few units in the last place (Genau), a zero of even multiplicity to
// about 1e-8 (Doppelt); a point within one grid step of an end of the range,
// of the domain, of a pole or of another point of its kind may be missing
// (Rand).
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

void uebersetzen(Mathe &m, const char *Formel, bool RAD)
{
    m.setRAD(RAD);
    Mitschnitt still;
    Uebersetzen(m, Formel);
    EXPECT_EQ(m.Fehleranzahl(), 0) << Formel;
}

Verlauf Verlauf_von(Mathe &m)
{
    return [&m](double x) {
        m.x = x;
        return m.Formel_Ableiten();
    };
}

Diskussion diskutieren(const char *Formel, bool RAD)
{
    Mathe m;
    uebersetzen(m, Formel, RAD);
    Mitschnitt Analyse;
    const Diskussion d = Kurve_diskutieren(m, Ansicht::Anfang(RAD));
    EXPECT_EQ(Analyse.Ausgabe(), "") << Formel << ": the analysis printed";
    EXPECT_EQ(Diskussion_pruefen(Verlauf_von(m), Ansichtsbereich(Ansicht::Anfang(RAD)), d), "")
        << Formel << (RAD ? " RAD" : " DEG");
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
    const auto Vierfach = [](double x) {
        return std::pow(x - 5, 3) * (x + 0.25) / 2;
    };
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
        // f is -0 on the samples at the zeros 0 and -5 (0 * (0-2) is -0).
        { "x*(x-2)", Beide, { { N, 0, 0 }, { T, 1, -1 }, { N, 2, 0 } } },
        { "(x-2.5)*(x+5)", Beide, { { N, -5, 0 }, { T, -1.25, -14.0625 }, { N, 2.5, 0 } } },
        // 2 (x-3/4) (x-5/3): f is 0 on more than one double at 3/4.
        { "2x^2-(29/6)x+5/2", Beide, { { N, 0.75, 0 }, { T, 29.0 / 24, -121.0 / 288 }, { N, 5.0 / 3, 0 } } },
        // f' = (x-5)^2 (4x-17/4)/2, f'' = (x-5)(6x-57/4)
        { "(x-5)^3*(x+1/4)/2", Beide,
            { { N, -0.25, 0 }, { T, 17.0 / 16, Vierfach(17.0 / 16) }, { W, 2.375, Vierfach(2.375) }, { N, 5, 0 },
                { W, 5, 0 } } },
        // -(x+3)^3 (x+1): f' = -(x+3)^2 (4x+6) is rounding near -3 and
        // positive on both sides; f'' = -12 (x+2)(x+3). In whole degrees f''
        // is 0 on the samples -3 and -2 and negative beyond: the grid does
        // not show the inflection points.
        { "-x^4-10x^3-36x^2-54x-27", Bogen,
            { { N, -3, 0 }, { W, -3, 0 }, { W, -2, 1 }, { H, -1.5, 1.6875 }, { N, -1, 0 } } },
        { "-x^4-10x^3-36x^2-54x-27", Grad, { { N, -3, 0 }, { H, -1.5, 1.6875 }, { N, -1, 0 } } },
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
    const double w3 = std::sqrt(3.0);
    const double Null = std::numeric_limits<double>::denorm_min(); // the edge of the domain at 0
    const auto Log = [](double x) {
        return std::log(x * x + 1) - x / 2;
    };
    const auto SinLn = [](double x) {
        return std::sin(x) * std::log(x);
    };
    const auto SinLnGrad = [](double x) {
        return std::sin(x * pi / 180) * std::log(x);
    };
    // The other zeros of ln(x^2+1) - x/2, of sin(x) ln(x) and of
    // atan(1/(x-1)) - x/4, and the points of sin(x) ln(x) and ln(x) (x-2),
    // to 20 digits.
    const double Log1 = 0.58005588896267498605, Log2 = 8.6624821192176190156;
    const double Atan1 = -1.5142188899638981920, Atan2 = 2.4347716114469884360;
    const double LnT = 1.4547332175610647015;
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
        // f' has no value at 0, but changes its sign at 2.5e-31, far closer
        // to 0 than any part of the grid's step; f is within rounding of 0
        // there, between its zeros at 0 and 5e-31.
        { "10^30*x^2-x+sqrt(x^2)/2", Beide, { { N, 2.5e-31, 0, Doppelt }, { T, 2.5e-31, -6.25e-32 } } },
        { "exp(x)", Beide, {} },
        // f' = (1-x) e^-x, f'' = (x-2) e^-x
        { "x*exp(-x)", Beide, { { N, 0, 0 }, { H, 1, 1 / e }, { W, 2, 2 / (e * e) } } },
        // f is 0 on more than one double at 0.5.
        { "abs(x-7/2)-3", Bogen, { { N, 0.5, 0 }, { T, 3.5, -3 } } },
        { "abs(x-7/2)-3", Grad, { { N, 0.5, 0 }, { T, 3.5, -3 }, { N, 6.5, 0 } } },
        // f' = 2x/(x^2+1) - 1/2 and f'' = 2(1-x^2)/(x^2+1)^2; f is 0 on the
        // doubles at 0, down to 5e-324.
        { "ln(x^2+1)-x/2", Bogen,
            { { W, -1, Log(-1) }, { N, 0, 0 }, { T, 2 - w3, Log(2 - w3) }, { N, Log1, 0 }, { W, 1, Log(1) },
                { H, 2 + w3, Log(2 + w3) } } },
        { "ln(x^2+1)-x/2", Grad,
            { { W, -1, Log(-1) }, { N, 0, 0 }, { T, 2 - w3, Log(2 - w3) }, { N, Log1, 0, Rand }, { W, 1, Log(1) },
                { H, 2 + w3, Log(2 + w3) }, { N, Log2, 0 } } },
        // f is -0 on the sample at the zero 1.
        { "ln(x)*(x-2)", Beide, { { P, 0, NaN }, { N, 1, 0 }, { T, LnT, std::log(LnT) * (LnT - 2) }, { N, 2, 0 } } },
        // Near 0, the edge of the domain, the slope ln(x)+1 overflows as
        // 1/x does, to +inf: no extremum there, but the zero f tends to.
        { "x*ln(x)", Bogen, { { N, Null, 0 }, { T, 1 / e, -1 / e }, { N, 1, 0 } } },
        { "x*ln(x)", Grad, { { N, Null, 0 }, { T, 1 / e, -1 / e, Rand }, { N, 1, 0 } } },
        { "sin(x)*ln(x)", Bogen,
            { { N, Null, 0 }, { T, 0.35221539928314371594, SinLn(0.35221539928314371594) }, { N, 1, 0 },
                { W, 1.1014367829635242952, SinLn(1.1014367829635242952) },
                { H, 2.1276158252334413143, SinLn(2.1276158252334413143) }, { N, pi, 0 },
                { W, 3.5396147608858730660, SinLn(3.5396147608858730660) },
                { T, 4.8425583403921174422, SinLn(4.8425583403921174422) }, { N, 2 * pi, 0 } } },
        { "sin(x)*ln(x)", Grad,
            { { N, Null, 0 }, { T, 0.36787438592564992757, SinLnGrad(0.36787438592564992757), Rand }, { N, 1, 0 },
                { W, 28.543241309269367839, SinLnGrad(28.543241309269367839) },
                { H, 97.327401303802526563, SinLnGrad(97.327401303802526563) }, { N, 180, 0 },
                { W, 186.58143676379228792, SinLnGrad(186.58143676379228792) },
                { T, 272.15055913965116620, SinLnGrad(272.15055913965116620) }, { N, 360, 0, Rand } } },
        // A jump at 1 from -pi/2 - 1/4 to pi/2 - 1/4: neither a zero nor an
        // inflection point; f' < 0 everywhere else.
        { "atan(1/(x-1))-x/4", Beide, { { N, Atan1, 0 }, { N, Atan2, 0 } } },
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
        // (x-1)(x+1)/(x-2), -0 at both zeros: f' = (x^2-4x+1)/(x-2)^2
        { "(x^2-1)/(x-2)", Beide,
            { { N, -1, 0 }, { H, 2 - w3, 4 - 2 * w3 }, { N, 1, 0 }, { P, 2, NaN }, { T, 2 + w3, 4 + 2 * w3 } } },
        { "((x/100)^2-1)/(x/100-2)", Grad,
            { { N, -100, 0 }, { H, 100 * (2 - w3), 4 - 2 * w3 }, { N, 100, 0 }, { P, 200, NaN } } },
        // (x-1)(x+7/3)/(x(x-1)) tends to 10/3 at 1 from both sides, a hole;
        // in doubles its numerator is -4.4e-16 there. In whole degrees the
        // pole at 0 and the hole at 1 are infinite samples side by side.
        { "(x^2+4/3x-7/3)/(x^2-x)", Bogen, { { N, -7.0 / 3, 0 }, { P, 0, NaN } } },
        // 2x - 5/2 with a hole at -5, where f'' is rounding, amplified.
        { "(2x^2+15/2x-25/2)/(x+5)", Beide, { { N, 1.25, 0 } } },
    });
}

// A product of linear factors, in X, and its zeros with their
// multiplicities.
struct Produkt {
    std::string Formel;
    std::vector<std::pair<double, int>> Nullstellen;
};

// One to four factors X-z/n with n up to 4 and roots from -6 to 6, each
// simple, double or triple; alone, over X^2+c, which has no zeros, or
// times sin(x).
Produkt wuerfeln(std::mt19937 &Zufall)
{
    const auto Wurf = [&Zufall](int Bis) {
        return static_cast<int>(Zufall() % static_cast<unsigned>(Bis + 1));
    };
    const int Vielfachheiten[] = { 1, 1, 1, 2, 3 };
    Produkt p;
    for (int Anzahl = 1 + Wurf(3); Anzahl > 0; --Anzahl) {
        const int n = 1 + Wurf(3);
        const int z = Wurf(12 * n) - 6 * n;
        const int m = Vielfachheiten[Wurf(4)];
        p.Formel += (p.Formel.empty() ? "(X" : "*(X") + std::string(z > 0 ? "-" : "+") + std::to_string(std::abs(z))
            + "/" + std::to_string(n) + ")^" + std::to_string(m);
        p.Nullstellen.push_back({ static_cast<double>(z) / n, m });
    }
    switch (Wurf(2)) {
    case 1:
        p.Formel = "(" + p.Formel + ")/(X^2+" + std::to_string(1 + Wurf(3)) + ")";
        break;
    case 2:
        p.Formel += "*sin(x)";
        break;
    }
    return p;
}

// The zeros of p in the view, with sin's where it has them: a root r of a
// factor at r in the radian view and at 60 r in the degree view, where the
// factors are in x/60 so that the roots lie whole degrees apart. Roots
// that coincide add their multiplicities.
std::vector<std::pair<double, int>> Nullstellen_in(const Produkt &p, bool RAD)
{
    const double Mass = RAD ? 1 : 60;
    std::vector<std::pair<double, int>> Soll;
    const auto dazu = [&Soll](double x, int m) {
        for (auto &s : Soll) {
            if (std::abs(s.first - x) <= 1e-9 * std::fmax(1, std::abs(x))) {
                s.second += m;
                return;
            }
        }
        Soll.push_back({ x, m });
    };
    for (const auto &[r, m] : p.Nullstellen) {
        dazu(Mass * r, m);
    }
    if (p.Formel.find("sin") != std::string::npos) {
        for (int k = -2; k <= 2; ++k) {
            dazu(k * (RAD ? pi : 180.0), 1);
        }
    }
    return Soll;
}

// The zeros listed are those p was built from, each once, an odd one to a
// few units in the last place and an even one to about 1e-8; those within
// a grid step of an end of the range may be missing.
void pruefe_Nullstellen(const Produkt &p, bool RAD)
{
    std::string Formel = p.Formel;
    for (std::size_t i = Formel.find('X'); i != std::string::npos; i = Formel.find('X', i)) {
        Formel.replace(i, 1, RAD ? "x" : "(x/60)");
    }
    const Diskussion d = diskutieren(Formel.c_str(), RAD);
    const Bereich b = Ansichtsbereich(Ansicht::Anfang(RAD));
    const double Schritt = Schrittweite(b);
    std::vector<bool> Erwartet(d.Punkte.size());
    for (const auto &[x, m] : Nullstellen_in(p, RAD)) {
        const double Toleranz
            = (m % 2 == 0 ? 1e-8 : 16 * std::numeric_limits<double>::epsilon()) * std::fmax(1, std::abs(x));
        int Gefunden = 0;
        for (std::size_t i = 0; i < d.Punkte.size(); ++i) {
            if (d.Punkte[i].Art == N && std::abs(d.Punkte[i].x - x) <= Toleranz) {
                ++Gefunden;
                Erwartet[i] = true;
            }
        }
        const bool am_Ende = x <= b.Von + Schritt || x >= b.Bis - Schritt;
        const bool im_Bereich = x >= b.Von && x <= b.Bis;
        EXPECT_TRUE(Gefunden == 1 || (Gefunden == 0 && (am_Ende || !im_Bereich)))
            << Formel << (RAD ? " RAD" : " DEG") << ": the zero " << x << " listed " << Gefunden << " times";
    }
    for (std::size_t i = 0; i < d.Punkte.size(); ++i) {
        EXPECT_TRUE(d.Punkte[i].Art != N || Erwartet[i])
            << Formel << (RAD ? " RAD" : " DEG") << ": unexpected zero at " << d.Punkte[i].x;
    }
}

// Formulas built from their zeros, drawn with a fixed seed.
TEST(Analyse, ZerosOfProducts)
{
    std::mt19937 Zufall(20260301);
    for (int Nr = 0; Nr < 200; ++Nr) {
        const Produkt p = wuerfeln(Zufall);
        for (const bool RAD : { true, false }) {
            pruefe_Nullstellen(p, RAD);
        }
    }
}

// sin(100x) has 407 zeros in the radian view, k pi/100: the first hundred
// from the left are listed, and the list says that more exist; so it says
// for the extrema and inflection points.
// The check of listed points finds those that are none, such as the
// discussion once listed.
TEST(Analyse, CheckFindsFalsePoints)
{
    const struct {
        const char *Formel;
        bool RAD;
        Punktart Art;
        double x;
    } Falsche[] = {
        // f is -0.002 or -2.5 there, one step beside a zero on the grid.
        { "x*(x-2)", true, N, 0.0009999999999994456 },
        { "(x^2-1)/(x-2)", false, N, 1.4999999999999998 },
        // f jumps from -1.82 to 1.32 at 1.
        { "atan(1/(x-1))-x/4", true, N, 1 },
        { "atan(1/(x-1))-x/4", true, W, 1 },
        // The edge of the domain; f' is about -709 there.
        { "x*ln(x)", true, H, 5.56e-309 },
        // Rounding noise in f' beside the triple root -3.
        { "-x^4-10x^3-36x^2-54x-27", true, H, -3.0000000584 },
    };
    for (const auto &p : Falsche) {
        Mathe m;
        uebersetzen(m, p.Formel, p.RAD);
        const Verlauf f = Verlauf_von(m);
        Diskussion d;
        d.Punkte.push_back({ p.Art, p.x, f(p.x).Wert });
        EXPECT_NE(Diskussion_pruefen(f, Ansichtsbereich(Ansicht::Anfang(p.RAD)), d), "") << p.Formel << " at " << p.x;
    }
}

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
