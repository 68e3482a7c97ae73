// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef FORMELTEST_H
#define FORMELTEST_H

#include "Formel_I.h"

#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

// Reads the compiled form, which the program itself never needs to see.
class MatheEinblick
{
public:
    // Slots 1 to Anzahl_FTeile of the token string.
    static std::string Befehle(const Mathe &m)
    {
        return std::string(m.Befehle + 1, m.Anzahl_FTeile);
    }
    static double Zahlenwert(const Mathe &m, int i)
    {
        return m.Zahlenwert[i];
    }
    static int Anzahl_FTeile(const Mathe &m)
    {
        return m.Anzahl_FTeile;
    }
    static int Fehler(const Mathe &m)
    {
        return m.Fehler;
    }
    // The walk over the tokens, from which the compile records the program
    // that Formel_Berechnen runs.
    static double Durchlauf(Mathe &m)
    {
        return m.Formel_durchlaufen();
    }
    // The program of the angle mode now set, one step a line.
    static std::string Programm(const Mathe &m)
    {
        return m.Programme[m.statusRAD()].Auflistung();
    }
};

// Collects what std::cout receives while it lives.
class Mitschnitt
{
public:
    Mitschnitt()
        : alt(std::cout.rdbuf(text.rdbuf()))
    {
    }
    ~Mitschnitt()
    {
        std::cout.rdbuf(alt);
    }
    std::string Ausgabe() const
    {
        return text.str();
    }

private:
    std::ostringstream text;
    std::streambuf *alt;
};

inline void Uebersetzen(Mathe &m, const std::string &Formel)
{
    std::strncpy(m.Formel, Formel.c_str(), sizeof m.Formel - 1);
    m.Formel[sizeof m.Formel - 1] = '\0';
    m.Formel_compillieren();
}

// Compiles and evaluates once; messages on std::cout are swallowed.
inline double Berechne(const std::string &Formel, double x, bool RAD = true)
{
    Mitschnitt still;
    Mathe m;
    m.setRAD(RAD);
    Uebersetzen(m, Formel);
    m.x = x;
    return m.Formel_Berechnen();
}

#endif
