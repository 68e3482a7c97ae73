// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef PROGRAMM_H
#define PROGRAMM_H

#include "Aufnahme.h"

#include <string>

// A recorded evaluation as a linear program for one accumulator and a
// stack. Operands that are x or a constant stand in the instruction itself,
// so most operations take one step.
struct Schritt {
    double Zahl; // the constant operand, if any
    unsigned char Code; // the instruction
    unsigned char Nr; // of a function: its row in Funktionen
};

class Programm
{
public:
    // The program of the empty tree: returns 0.
    void leeren()
    {
        Schritte[0] = Schritt { 0.0, 0, 0 };
    }
    void uebersetzen(const Aufnahme &Baum, int Wurzel);
    // Over double, or over Abgeleitet for the derivatives as well; a value
    // that is not a number is the one quiet NaN. Stapel takes the values
    // waiting for their operation: Platz / 2 of them.
    template<class W> W ausfuehren(double x, W *Stapel) const;
    // The steps, one line each, such as "Akku = x ^ 2".
    std::string Auflistung() const;

    static const int Platz = Aufnahme::Platz;

private:
    void erzeugen(const Aufnahme &Baum, int k);
    void anhaengen(int Code, double Zahl = 0.0, int Nr = 0);

    Schritt Schritte[Platz + 1] = {};
    int Laenge = 0;
    bool Sichern = false; // the next step pushes Akku before it starts a value
};

#endif
