// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Values of formulas as the user types them, in both angle modes.

#include "formeltest.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>

namespace {
enum Modus { Bogen, Grad, Beide };

struct Fall {
    const char *Formel;
    double x;
    Modus Winkel;
    double Erwartet;
};

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();
const double Grad1 = std::acos(-1.0) / 180.0;

void pruefe(const Fall *Anfang, const Fall *Ende)
{
    for (const Fall *f = Anfang; f != Ende; ++f) {
        for (bool RAD : { true, false }) {
            if ((RAD && f->Winkel == Grad) || (!RAD && f->Winkel == Bogen)) {
                continue;
            }
            const double Wert = Berechne(f->Formel, f->x, RAD);
            // Bit for bit: the sign of a zero decides the side of 1/x, and a
            // value that is no number is the one quiet NaN.
            EXPECT_EQ(std::memcmp(&Wert, &f->Erwartet, sizeof Wert), 0)
                << f->Formel << " at " << f->x << (RAD ? " RAD" : " DEG") << ": " << Wert << " instead of "
                << f->Erwartet;
        }
    }
}

template<std::size_t N> void pruefe(const Fall (&Tabelle)[N])
{
    pruefe(Tabelle, Tabelle + N);
}

TEST(Werte, PrecedenceAndGroups)
{
    const Fall Tabelle[] = {
        { "2+3*4", 0, Beide, 14 },
        { "2*3+4", 0, Beide, 10 },
        { "2+3*4^2", 0, Beide, 50 },
        { "2^3^2", 0, Beide, 64 },
        { "2*3^2^2", 0, Beide, 162 },
        { "2^3*4^2", 0, Beide, 128 },
        { "2+2^3*2", 0, Beide, 18 },
        { "2-3-4", 0, Beide, -5 },
        { "10/4:5", 0, Beide, 0.5 },
        { "x^3-2*x^2+x-1", 3, Beide, 11 },
        { "1-2^2-3", 0, Beide, -6 },
        { "2-3*4^2/5+1", 0, Beide, 2 - 3 * 16 / 5.0 + 1 },
        { "(1+2)*(3+4)", 0, Beide, 21 },
        { "2*(3+4)^2", 0, Beide, 98 },
        { "((2+3)*4)", 0, Beide, 20 },
        { "2^(1+1)", 0, Beide, 4 },
        { "()", 0, Beide, 0 },
        { "sin(X)+x^2*0.1", 2, Bogen, 1.3092974268256818 },
        { "sin(X)+x^2*0.1", 90, Grad, 1 + 90.0 * 90.0 * 0.1 },
        { "sin ( X ) + x ^ 2 * 0,1", 2, Bogen, 1.3092974268256818 },
        { "2,5*X", 2, Beide, 5 },
        { "1 2", 0, Beide, 12 },
        { "1.2.3", 0, Beide, 1.2 },
        { ".", 0, Beide, 0 },
        { ".5+5.", 0, Beide, 5.5 },
        { "x|y+7", 4, Beide, 4 },
        { "s i n(x)", 2, Bogen, std::sin(2.0) },
    };
    pruefe(Tabelle);
}

TEST(Werte, NegatedOperandsAndSigns)
{
    const Fall Tabelle[] = {
        { "(-2)", 0, Beide, -2 },
        { "2-(-3)", 0, Beide, 5 },
        { "2^(-1)", 0, Beide, 0.5 },
        { "2+(-3)*4", 0, Beide, -10 },
        { "(-x)^2", 3, Beide, 9 },
        { "x*(-x)", 3, Beide, -9 },
        { "(-1)*x^2", 3, Beide, -9 },
        { "-x", 3, Beide, -3 },
        { "+x", 3, Beide, 3 },
        { "-x^2", 3, Beide, -9 },
        { "0-x^2", 3, Beide, -9 },
        { "(-x*2)", 3, Beide, -6 },
        { "-2*3+1", 0, Beide, -5 },
        { "2*(-x+1)", 3, Beide, -4 },
    };
    pruefe(Tabelle);
}

// Signs after operators and products without "*", as people write them.
TEST(Werte, Notation)
{
    const Fall Tabelle[] = {
        { "x^-1", 4, Beide, 0.25 },
        { "x^-2", 2, Beide, 0.25 },
        { "2*-3", 0, Beide, -6 },
        { "2*+3", 0, Beide, 6 },
        { "1--1", 0, Beide, 2 },
        { "10/-2", 0, Beide, -5 },
        { "-2*-3", 0, Beide, 6 },
        { "x*-1", 5, Beide, -5 },
        { "2*-x^2", 3, Beide, -18 },
        { "2^-3^2", 0, Beide, 0.015625 },
        { "--x", 3, Beide, 3 },
        { "2*--3", 0, Beide, 6 },
        { "1+-2*3", 0, Beide, -5 },
        { "1-+-x^2*2", 3, Beide, 19 },
        { "-x", 0, Beide, -0.0 },
        { "+x", -0.0, Beide, -0.0 },
        { "--x", 0, Beide, 0 },
        { "1/-x", 0, Beide, -Inf },
        { "1/(-x)", 0, Beide, -Inf },
        { "-x", NaN, Beide, NaN },
        { "x*-x", NaN, Beide, NaN },
        { "2x", 3, Beide, 6 },
        { "2x+1", 3, Beide, 7 },
        { "x^2-4x", 5, Beide, 5 },
        { "(x+1)(x-1)", 3, Beide, 8 },
        { "2(x+1)", 3, Beide, 8 },
        { "xsin(x)", 2, Bogen, 2 * std::sin(2.0) },
        { "3sin(x)", 30, Grad, 3 * std::sin(30 * Grad1) },
        { "sin(x)cos(x)", 2, Bogen, std::sin(2.0) * std::cos(2.0) },
        { "x2", 3, Beide, 6 },
        { "1-2x^2", 3, Beide, -17 },
        { "2x(-x)", 3, Beide, -18 },
        { "1/2x", 4, Beide, 2 },
        { "2^3x", 2, Beide, 16 },
        { "1+2^3x", 2, Beide, 17 },
        { "-2x", 3, Beide, -6 },
        { "2y3", 0, Beide, 6 },
        { "sin2x+1", 1, Bogen, std::sin(3.0) },
        { "2pi", 0, Beide, 2 * std::acos(-1.0) },
        { "sin(pi/2)", 0, Bogen, 1 },
        { "pi*x", 1, Beide, std::acos(-1.0) },
        { "(-pi)", 0, Beide, -std::acos(-1.0) },
        { "sqrt(x)", 2, Beide, std::sqrt(2.0) },
        { "sqrt(-x)", 4, Beide, NaN },
        { "3sqrt(x^2+16)", 3, Beide, 15 },
        { "abs(x)", -2.5, Beide, 2.5 },
        { "abs(-x)x", 2, Beide, 4 },
        { "abs(x)", -0.0, Beide, 0 },
    };
    pruefe(Tabelle);
}

// A true zero is a value like any other.
TEST(Werte, ZeroIsAValue)
{
    const Fall Tabelle[] = {
        { "x*0", 3, Beide, 0 },
        { "x^0", 3, Beide, 1 },
        { "x/0", 1, Beide, Inf },
        { "x/0", -1, Beide, -Inf },
        { "x:0", 0, Beide, NaN },
        { "2*0+3", 0, Beide, 3 },
        { "1+0*5", 0, Beide, 1 },
        { "0+x", 4, Beide, 4 },
        { "x+1", 0, Beide, 1 },
        { "1+x", 0, Beide, 1 },
        { "x-x+1", 7, Beide, 1 },
        { "(x-3)*2+1", 3, Beide, 1 },
        { "cos(x)*x", 0, Beide, 0 },
        { "2*sin(x)^2", 0, Beide, 0 },
        { "2*ln(1)", 0, Beide, 0 },
        { "0^0", 0, Beide, 1 },
        { "0", 5, Beide, 0 },
    };
    pruefe(Tabelle);
}

// The argument is exactly the group after the function's name.
TEST(Werte, FunctionArguments)
{
    const Fall Tabelle[] = {
        { "sin((x+1)*2)", 2, Bogen, -0.27941549819892586 },
        { "sin((x+1)*(x-1))", 2, Bogen, 0.1411200080598672 },
        { "sin(x+cos(x))", 2, Bogen, 0.999914760719227 },
        { "sin(x)*(x+1)", 2, Bogen, 2.727892280477045 },
        { "sin(-x)+1", 2, Bogen, std::sin(-2.0) + 1 },
        { "ln(-x)^2", -3, Beide, std::pow(std::log(3.0), 2.0) },
        { "sin(2*(x+1))", 2, Bogen, std::sin(6.0) },
        { "sin(x*(x+1))", 2, Bogen, std::sin(6.0) },
        { "ln(1+(x^2))", 2, Beide, std::log(5.0) },
        { "cosd(-x)*2", 60, Grad, std::cos(-60 * Grad1) * 2 },
        { "cosd(-x)*2", 60, Bogen, std::cos(-60 * Grad1) * 2 },
        { "expn(-2)+1", 0, Beide, std::exp(-2.0) + 1 },
        { "ln(expn(x)*expn(x))", 1.5, Beide, std::log(std::exp(1.5) * std::exp(1.5)) },
        { "sin(x", 2, Bogen, std::sin(2.0) },
        // A function without a group takes the rest of its group, argument
        // or formula; the ")" that ends it closes that group.
        { "(2+sin3)*2", 0, Bogen, (2 + std::sin(3.0)) * 2 },
        { "(2+sin3)*2", 0, Grad, (2 + std::sin(3 * Grad1)) * 2 },
        { "2^(sqrt4)+1", 0, Beide, 5 },
        { "x^(sqrt4)-x", 3, Beide, 6 },
        { "(sin2x)*2", 1, Bogen, std::sin(2.0) * 2 },
        { "(sin2x)*2", 1, Grad, std::sin(2 * Grad1) * 2 },
        { "1+2*sin3+1", 0, Bogen, 1 + 2 * std::sin(4.0) },
        { "1+2*sin3+1", 0, Grad, 1 + 2 * std::sin(4 * Grad1) },
        { "2*sin3+1", 0, Bogen, 2 * std::sin(4.0) },
        { "2*sin3+1", 0, Grad, 2 * std::sin(4 * Grad1) },
        { "sin(cos2+1)*3", 0, Bogen, std::sin(std::cos(3.0)) * 3 },
        { "2*sin(x)+3", 2, Bogen, 2 * std::sin(2.0) + 3 },
        { "1+2*cos(x)^2*3", 1, Bogen, 1 + 2 * std::pow(std::cos(1.0), 2.0) * 3 },
    };
    pruefe(Tabelle);
}

TEST(Werte, MalformedInputKeepsItsValue)
{
    const Fall Tabelle[] = {
        { "2)+3", 0, Beide, 2 },
        { "(2", 0, Beide, 2 },
        { "2+", 0, Beide, 2 },
        { "2+*3", 0, Beide, 6 },
        { "2*-*3", 0, Beide, 6 },
        { "*3", 0, Beide, 0 },
        { "", 1, Beide, 0 },
        { "y", 1, Beide, 0 },
        { "xy", 3, Beide, 3 },
        { "x-y1", 3, Beide, 2 },
        { "-", 3, Beide, 0 },
        { "2*-", 3, Beide, 2 },
        { "x)))", 4, Beide, 4 },
        { ")))x", 4, Beide, 0 },
        { "abs-1)+3", 0, Beide, 1 },
        { "abs-1)-2^3-1", 0, Beide, 1 },
        { "sin2)sin3)(x)", 0, Bogen, std::sin(2.0) },
        { "sin2)sin3)(x)", 0, Grad, std::sin(2 * Grad1) },
    };
    pruefe(Tabelle);
}

TEST(Werte, BuiltInFunctions)
{
    const Fall Tabelle[] = {
        { "sin(30)", 0, Bogen, -0.9880316240928618 },
        { "tan(1)", 0, Bogen, 1.5574077246549023 },
        { "cos(x)", 1, Bogen, std::cos(1.0) },
        { "sin(30)", 0, Grad, 0.49999999999999994 },
        { "cos(60)", 0, Grad, 0.5000000000000001 },
        { "tan(45)", 0, Grad, 0.9999999999999999 },
        { "tan(90)", 0, Grad, 1.633123935319537e16 },
        { "sin(90)+1", 0, Grad, 2 },
        { "asin(1)", 0, Beide, 1.5707963267948966 },
        { "acos(0.5)", 0, Beide, std::acos(0.5) },
        { "atan(1)", 0, Beide, std::atan(1.0) },
        { "sind(30)", 0, Beide, 0.49999999999999994 },
        { "cosd(60)", 0, Beide, 0.5000000000000001 },
        { "tand(45)", 0, Beide, 0.9999999999999999 },
        { "asind(1)", 0, Beide, 90 },
        { "asind(0.5)", 0, Beide, 30.000000000000004 },
        { "acosd(0.5)", 0, Beide, std::acos(0.5) * (180 / std::acos(-1.0)) },
        { "atand(1)", 0, Beide, 45 },
        { "expz(2)", 0, Beide, 100 },
        { "expz(0.5)", 0, Beide, 3.1622776601683795 },
        { "expn(1)", 0, Beide, 2.718281828459045 },
        { "log(1000)", 0, Beide, 3 },
        { "ln(1)", 0, Beide, 0 },
        { "acos(2)", 0, Beide, NaN },
        { "ln(0)", 0, Beide, -Inf },
        { "ln(x)", -1, Beide, NaN },
        { "expn(1000)", 0, Beide, Inf },
        { "log10", 0, Beide, 1 },
    };
    pruefe(Tabelle);
}

struct Ableitungsfall {
    const char *Formel;
    double x;
    Modus Winkel;
    double Erste;
    double Zweite;
};

// The derivatives that the program computes along with the value, against
// the derivatives written by hand; the value itself is that of an evaluation,
// bit for bit.
TEST(Werte, Derivatives)
{
    const double g = Grad1; // d/dx of an angle in degrees
    const double G = 1 / Grad1; // of a result in degrees
    const double L = std::log(10.0);
    const double s30 = std::sin(30 * g), c30 = std::cos(30 * g), t20 = std::tan(20 * g);
    const double t = std::tan(0.5), e = std::exp(0.5), w = std::pow(10.0, 0.5);
    const Ableitungsfall Tabelle[] = {
        { "sin(x)", 0.7, Bogen, std::cos(0.7), -std::sin(0.7) },
        { "sin(x)", 30, Grad, g * c30, -g * g * s30 },
        { "cos(x)", 0.7, Bogen, -std::sin(0.7), -std::cos(0.7) },
        { "cos(x)", 30, Grad, -g * s30, -g * g * c30 },
        { "tan(x)", 0.5, Bogen, 1 + t * t, 2 * t * (1 + t * t) },
        { "tan(x)", 20, Grad, g * (1 + t20 * t20), 2 * g * g * t20 * (1 + t20 * t20) },
        { "sind(x)", 30, Beide, g * c30, -g * g * s30 },
        { "cosd(x)", 30, Beide, -g * s30, -g * g * c30 },
        { "tand(x)", 20, Beide, g * (1 + t20 * t20), 2 * g * g * t20 * (1 + t20 * t20) },
        { "asin(x)", 0.6, Beide, 1 / 0.8, 0.6 / (0.64 * 0.8) },
        { "acos(x)", 0.6, Beide, -1 / 0.8, -0.6 / (0.64 * 0.8) },
        { "atan(x)", 2, Beide, 0.2, -4 / 25.0 },
        { "asind(x)", 0.6, Beide, G / 0.8, G * 0.6 / (0.64 * 0.8) },
        { "acosd(x)", 0.6, Beide, -G / 0.8, -G * 0.6 / (0.64 * 0.8) },
        { "atand(x)", 2, Beide, G * 0.2, -G * 4 / 25.0 },
        { "ln(x)", 3, Beide, 1 / 3.0, -1 / 9.0 },
        { "log(x)", 3, Beide, 1 / (3 * L), -1 / (9 * L) },
        { "expz(x)", 0.5, Beide, L * w, L * L * w },
        { "expn(x)", 0.5, Beide, e, e },
        { "exp(x)", 0.5, Beide, e, e },
        { "sqrt(x)", 4, Beide, 0.25, -1 / 32.0 },
        { "abs(x)", -2, Beide, -1, 0 },
        { "abs(x)", 3, Beide, 1, 0 },
        { "x^3", 2, Beide, 12, 12 },
        { "x^2", 0, Beide, 0, 2 },
        { "x^0.5", 4, Beide, 0.25, -1 / 32.0 },
        { "2^x", 1.5, Beide, std::pow(2.0, 1.5) * std::log(2.0), std::pow(2.0, 1.5) * std::log(2.0) * std::log(2.0) },
        { "x^x", 2, Beide, 4 * (std::log(2.0) + 1), 4 * ((std::log(2.0) + 1) * (std::log(2.0) + 1) + 0.5) },
        { "1/x", 2, Beide, -0.25, 0.25 },
        { "x/(x+1)", 1, Beide, 0.25, -0.25 },
        { "-x^2+5x", 3, Beide, -1, -2 },
        { "sin(x^2)", 1, Bogen, 2 * std::cos(1.0), 2 * std::cos(1.0) - 4 * std::sin(1.0) },
        { "sin(2x)", 15, Grad, 2 * g * c30, -4 * g * g * s30 },
        { "5", 1, Beide, 0, 0 },
    };
    const auto nah = [](double Ist, double Soll) {
        return std::abs(Ist - Soll) <= 1e-12 * std::abs(Soll);
    };
    for (const Ableitungsfall &f : Tabelle) {
        for (bool RAD : { true, false }) {
            if ((RAD && f.Winkel == Grad) || (!RAD && f.Winkel == Bogen)) {
                continue;
            }
            Mathe m;
            m.setRAD(RAD);
            Uebersetzen(m, f.Formel);
            m.x = f.x;
            const Abgeleitet a = m.Formel_Ableiten();
            const double Wert = m.Formel_Berechnen();
            EXPECT_EQ(std::memcmp(&a.Wert, &Wert, sizeof Wert), 0) << f.Formel;
            EXPECT_TRUE(nah(a.Erste, f.Erste) && nah(a.Zweite, f.Zweite))
                << f.Formel << " at " << f.x << (RAD ? " RAD" : " DEG") << ": " << a.Erste << ", " << a.Zweite
                << " instead of " << f.Erste << ", " << f.Zweite;
        }
    }
}

TEST(Werte, DegreeModeReadsPlainFunctionsInDegrees)
{
    for (double x : { -360.0, -90.0, -1.0, 0.0, 30.0, 45.0, 89.0, 180.0, 271.5 }) {
        EXPECT_EQ(Berechne("sin(x)", x, false), Berechne("sind(x)", x, false)) << x;
        EXPECT_EQ(Berechne("cos(x)", x, false), Berechne("cosd(x)", x, false)) << x;
        EXPECT_EQ(Berechne("tan(x)", x, false), Berechne("tand(x)", x, false)) << x;
        EXPECT_EQ(Berechne("sind(x)", x, true), Berechne("sind(x)", x, false)) << x;
    }
}

TEST(Werte, AngleModeAndRepeatedEvaluation)
{
    Mathe m;
    EXPECT_TRUE(m.statusRAD());
    m.setRAD(false);
    EXPECT_FALSE(m.statusRAD());
    m.setRAD(true);
    EXPECT_TRUE(m.statusRAD());

    Uebersetzen(m, "2*x");
    for (double x : { 1.0, 2.0, 3.0 }) {
        m.x = x;
        EXPECT_EQ(m.Formel_Berechnen(), 2 * x);
    }
    Uebersetzen(m, "sin(x)");
    m.x = 30;
    EXPECT_EQ(m.Formel_Berechnen(), std::sin(30.0));
    m.setRAD(false);
    EXPECT_EQ(m.Formel_Berechnen(), std::sin(30 * Grad1));
}

// Qt sets the process locale from the environment; a German desktop must
// still read "." as the decimal point.
TEST(Werte, GermanLocale)
{
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "locale de_DE.UTF-8 is not installed";
    EXPECT_EQ(Berechne("sin(X)+x^2*0.1", 2), 1.3092974268256818);
    EXPECT_EQ(Berechne("0.1", 0), 0.1);
    EXPECT_EQ(Berechne("2,5", 0), 2.5);
    std::setlocale(LC_ALL, "C");
}
} // namespace
