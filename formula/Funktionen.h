// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef FUNKTIONEN_H
#define FUNKTIONEN_H

#include <array>
#include <cmath>
#include <string_view>

// Token codes of the built-in functions.
const char SIND = 'A';
const char COSD = 'B';
const char TAND = 'C';
const char ASIND = 'D';
const char ACOSD = 'E';
const char ATAND = 'F';
const char SIN = 'G';
const char COS = 'H';
const char TAN = 'I';
const char ASIN = 'J';
const char ACOS = 'K';
const char ATAN = 'L';
const char LOGZ = 'M';
const char LOGN = 'N';
const char EXPZ = 'O';
const char EXPN = 'P';
const char SQRT = 'Q';
const char ABS = 'R';

extern const double PI;
extern const double DegToRad;
extern const double RadToDeg;

// How a function reads its argument, or gives its result.
enum class Winkel : unsigned char {
    Bogenmass, // as it is: in radians, or no angle at all
    Gradmass, // in degrees
    Ansicht, // as the view reads angles: radians in the radian view, degrees in the degree view
};

// The first and second derivative of a function at its argument.
struct Steigung {
    double Erste;
    double Zweite;
};

// A built-in function: the name a formula calls it by, its token code, how
// it reads its argument, what it computes of the argument in radians, the
// derivatives of that, and how it gives its result. Every value type of the
// evaluator computes a function from these columns alone.
struct Funktion {
    std::string_view Name;
    char Code;
    Winkel Argument;
    double (*Wert)(double);
    Steigung (*Ableitung)(double);
    Winkel Ergebnis;
};

// One row per function; a function with two names has a row for each, with
// the same token code. A name matches only as a whole run of letters, so the
// order of the rows is free.
// clang-format off
inline constexpr Funktion Funktionen[] = {
    { "cos", COS, Winkel::Ansicht, [](double a) { return std::cos(a); },
        [](double a) { return Steigung { -std::sin(a), -std::cos(a) }; }, Winkel::Bogenmass },
    { "sin", SIN, Winkel::Ansicht, [](double a) { return std::sin(a); },
        [](double a) { return Steigung { std::cos(a), -std::sin(a) }; }, Winkel::Bogenmass },
    { "tan", TAN, Winkel::Ansicht, [](double a) { return std::tan(a); },
        [](double a) { const double t = std::tan(a); return Steigung { 1 + t * t, 2 * t * (1 + t * t) }; },
        Winkel::Bogenmass },
    { "acos", ACOS, Winkel::Bogenmass, [](double a) { return std::acos(a); },
        [](double a) { const double r = 1 - a * a; return Steigung { -1 / std::sqrt(r), -a / (r * std::sqrt(r)) }; },
        Winkel::Bogenmass },
    { "asin", ASIN, Winkel::Bogenmass, [](double a) { return std::asin(a); },
        [](double a) { const double r = 1 - a * a; return Steigung { 1 / std::sqrt(r), a / (r * std::sqrt(r)) }; },
        Winkel::Bogenmass },
    { "atan", ATAN, Winkel::Bogenmass, [](double a) { return std::atan(a); },
        [](double a) { const double r = 1 + a * a; return Steigung { 1 / r, -2 * a / (r * r) }; }, Winkel::Bogenmass },
    { "cosd", COSD, Winkel::Gradmass, [](double a) { return std::cos(a); },
        [](double a) { return Steigung { -std::sin(a), -std::cos(a) }; }, Winkel::Bogenmass },
    { "sind", SIND, Winkel::Gradmass, [](double a) { return std::sin(a); },
        [](double a) { return Steigung { std::cos(a), -std::sin(a) }; }, Winkel::Bogenmass },
    { "tand", TAND, Winkel::Gradmass, [](double a) { return std::tan(a); },
        [](double a) { const double t = std::tan(a); return Steigung { 1 + t * t, 2 * t * (1 + t * t) }; },
        Winkel::Bogenmass },
    { "acosd", ACOSD, Winkel::Bogenmass, [](double a) { return std::acos(a); },
        [](double a) { const double r = 1 - a * a; return Steigung { -1 / std::sqrt(r), -a / (r * std::sqrt(r)) }; },
        Winkel::Gradmass },
    { "asind", ASIND, Winkel::Bogenmass, [](double a) { return std::asin(a); },
        [](double a) { const double r = 1 - a * a; return Steigung { 1 / std::sqrt(r), a / (r * std::sqrt(r)) }; },
        Winkel::Gradmass },
    { "atand", ATAND, Winkel::Bogenmass, [](double a) { return std::atan(a); },
        [](double a) { const double r = 1 + a * a; return Steigung { 1 / r, -2 * a / (r * r) }; }, Winkel::Gradmass },
    { "ln", LOGN, Winkel::Bogenmass, [](double a) { return std::log(a); },
        [](double a) { return Steigung { 1 / a, -1 / (a * a) }; }, Winkel::Bogenmass },
    { "log", LOGZ, Winkel::Bogenmass, [](double a) { return std::log10(a); },
        [](double a) { const double k = 1 / std::log(10.0); return Steigung { k / a, -k / (a * a) }; },
        Winkel::Bogenmass },
    { "expz", EXPZ, Winkel::Bogenmass, [](double a) { return std::pow(10.0, a); },
        [](double a) { const double k = std::log(10.0), v = std::pow(10.0, a); return Steigung { k * v, k * k * v }; },
        Winkel::Bogenmass },
    { "expn", EXPN, Winkel::Bogenmass, [](double a) { return std::exp(a); },
        [](double a) { return Steigung { std::exp(a), std::exp(a) }; }, Winkel::Bogenmass },
    { "exp", EXPN, Winkel::Bogenmass, [](double a) { return std::exp(a); },
        [](double a) { return Steigung { std::exp(a), std::exp(a) }; }, Winkel::Bogenmass },
    { "sqrt", SQRT, Winkel::Bogenmass, [](double a) { return std::sqrt(a); },
        [](double a) { const double w = std::sqrt(a); return Steigung { 0.5 / w, -0.25 / (w * a) }; },
        Winkel::Bogenmass },
    // Its kink at 0 has no slope.
    { "abs", ABS, Winkel::Bogenmass, [](double a) { return std::fabs(a); },
        [](double a) { return Steigung { static_cast<double>((a > 0) - (a < 0)), 0.0 }; }, Winkel::Bogenmass },
};
// clang-format on

const int AnzahlFunktionen = static_cast<int>(std::size(Funktionen));

// The row of each token code; -1 for a code that names no function.
inline constexpr std::array<signed char, 256> Funktionszeilen = [] {
    std::array<signed char, 256> Zeilen {};
    for (signed char &z : Zeilen) {
        z = -1;
    }
    for (int i = AnzahlFunktionen - 1; i >= 0; --i) {
        Zeilen[static_cast<unsigned char>(Funktionen[i].Code)] = static_cast<signed char>(i);
    }
    return Zeilen;
}();

constexpr bool istFunktion(char Code)
{
    return Funktionszeilen[static_cast<unsigned char>(Code)] >= 0;
}

// The row of a name, or -1.
constexpr int Funktion_suchen(std::string_view Name)
{
    for (int i = 0; i < AnzahlFunktionen; ++i) {
        if (Funktionen[i].Name == Name) {
            return i;
        }
    }
    return -1;
}

#endif
