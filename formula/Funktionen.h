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

// A built-in function: the name a formula calls it by, its token code, how
// it reads its argument, what it computes of the argument in radians, and
// how it gives its result. Every value type of the evaluator computes a
// function from these columns alone.
struct Funktion {
    std::string_view Name;
    char Code;
    Winkel Argument;
    double (*Wert)(double);
    Winkel Ergebnis;
};

// One row per function; a function with two names has a row for each, with
// the same token code. A name matches only as a whole run of letters, so the
// order of the rows is free.
// clang-format off
inline constexpr Funktion Funktionen[] = {
    { "cos",   COS,   Winkel::Ansicht,   [](double a) { return std::cos(a); },       Winkel::Bogenmass },
    { "sin",   SIN,   Winkel::Ansicht,   [](double a) { return std::sin(a); },       Winkel::Bogenmass },
    { "tan",   TAN,   Winkel::Ansicht,   [](double a) { return std::tan(a); },       Winkel::Bogenmass },
    { "acos",  ACOS,  Winkel::Bogenmass, [](double a) { return std::acos(a); },      Winkel::Bogenmass },
    { "asin",  ASIN,  Winkel::Bogenmass, [](double a) { return std::asin(a); },      Winkel::Bogenmass },
    { "atan",  ATAN,  Winkel::Bogenmass, [](double a) { return std::atan(a); },      Winkel::Bogenmass },
    { "cosd",  COSD,  Winkel::Gradmass,  [](double a) { return std::cos(a); },       Winkel::Bogenmass },
    { "sind",  SIND,  Winkel::Gradmass,  [](double a) { return std::sin(a); },       Winkel::Bogenmass },
    { "tand",  TAND,  Winkel::Gradmass,  [](double a) { return std::tan(a); },       Winkel::Bogenmass },
    { "acosd", ACOSD, Winkel::Bogenmass, [](double a) { return std::acos(a); },      Winkel::Gradmass },
    { "asind", ASIND, Winkel::Bogenmass, [](double a) { return std::asin(a); },      Winkel::Gradmass },
    { "atand", ATAND, Winkel::Bogenmass, [](double a) { return std::atan(a); },      Winkel::Gradmass },
    { "ln",    LOGN,  Winkel::Bogenmass, [](double a) { return std::log(a); },       Winkel::Bogenmass },
    { "log",   LOGZ,  Winkel::Bogenmass, [](double a) { return std::log10(a); },     Winkel::Bogenmass },
    { "expz",  EXPZ,  Winkel::Bogenmass, [](double a) { return std::pow(10.0, a); }, Winkel::Bogenmass },
    { "expn",  EXPN,  Winkel::Bogenmass, [](double a) { return std::exp(a); },       Winkel::Bogenmass },
    { "exp",   EXPN,  Winkel::Bogenmass, [](double a) { return std::exp(a); },       Winkel::Bogenmass },
    { "sqrt",  SQRT,  Winkel::Bogenmass, [](double a) { return std::sqrt(a); },      Winkel::Bogenmass },
    { "abs",   ABS,   Winkel::Bogenmass, [](double a) { return std::fabs(a); },      Winkel::Bogenmass },
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
