// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef FORMELGENERATOR_H
#define FORMELGENERATOR_H

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <random>
#include <string>

// Random formulas in every notation the language has: signs, implicit
// products, capitals, blanks, decimal commas, pi, all functions, functions
// without a group, and a surplus ")" that ends the formula. The seed is
// fixed, so a failure repeats.
class Generator
{
public:
    std::string Formel()
    {
        for (;;) {
            std::string f = Ausdruck(0);
            if (Wurf(5)) {
                f += ")" + Ausdruck(0);
            }
            if (f.size() <= 254) {
                return f;
            }
        }
    }

    std::uint64_t Zufall(std::uint64_t n)
    {
        return Quelle() % n;
    }

private:
    bool Wurf(int Prozent)
    {
        return static_cast<int>(Zufall(100)) < Prozent;
    }

    std::string Blank()
    {
        return Wurf(5) ? " " : "";
    }

    // Mostly none, sometimes one, now and then a run of them.
    std::string Vorzeichen()
    {
        std::string s;
        for (int Chance = 15; Wurf(Chance); Chance = 25) {
            s += Wurf(60) ? "-" : "+";
        }
        return s;
    }

    std::string Ausdruck(int Tiefe)
    {
        std::string s = Blank() + Vorzeichen() + Term(Tiefe);
        while (Wurf(30) && s.size() < 200) {
            s += Blank() + (Wurf(50) ? "+" : "-") + Blank() + Vorzeichen() + Term(Tiefe);
        }
        return s;
    }

    std::string Term(int Tiefe)
    {
        static const char *const Ops[] = { "*", "/", ":" };
        std::string s = Potenz(Tiefe);
        while (Wurf(35) && s.size() < 200) {
            const std::string Rechts = Potenz(Tiefe);
            if (Wurf(30) && Anreihbar(s, Rechts)) {
                s += Rechts; // an implicit product
            } else {
                s += std::string(Ops[Zufall(3)]) + Vorzeichen() + Rechts;
            }
        }
        return s;
    }

    // Whether two operands written side by side stay two tokens: digits would
    // run into one number, letters after pi into one name.
    static bool Anreihbar(const std::string &Links, const std::string &Rechts)
    {
        const auto Ziffer = [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == ',';
        };
        const auto Buchstabe = [](char c) {
            return std::isalpha(static_cast<unsigned char>(c)) != 0;
        };
        const bool NachPi = Links.size() >= 2 && std::tolower(static_cast<unsigned char>(Links.back())) == 'i'
            && Buchstabe(Links[Links.size() - 2]);
        return !(Ziffer(Links.back()) && Ziffer(Rechts.front())) && !(NachPi && Buchstabe(Rechts.front()));
    }

    std::string Potenz(int Tiefe)
    {
        std::string s = Faktor(Tiefe);
        while (Wurf(15) && s.size() < 200) {
            s += "^" + Vorzeichen() + Faktor(Tiefe);
        }
        return s;
    }

    std::string Faktor(int Tiefe)
    {
        static const char *const Namen[] = { "sin", "cos", "tan", "asin", "acos", "atan", "sind", "cosd", "tand",
            "asind", "acosd", "atand", "ln", "log", "expz", "expn", "sqrt", "abs" };
        const bool Tiefer = Tiefe < 8;
        switch (Zufall(Tiefer ? 8 : 4)) {
        case 0:
        case 1:
            return Wurf(10) ? (Wurf(20) ? "PI" : "pi") : Zahl();
        case 2:
            return Wurf(20) ? "X" : "x";
        case 3:
            return Wurf(50) ? "(-x)" : "(-" + Zahl() + ")";
        case 4:
        case 5:
            return "(" + Ausdruck(Tiefe + 1) + ")";
        default: {
            std::string Name = Namen[Zufall(std::size(Namen))];
            if (Wurf(10)) {
                for (char &c : Name) {
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                }
            }
            if (Wurf(20)) {
                return Name + (Wurf(50) ? "(-x)" : "(-" + Zahl() + ")");
            }
            if (Wurf(15)) {
                // Without a group: the rest of the part, which must not
                // start with a letter or a group.
                return Name + (Wurf(50) ? Zahl() : Vorzeichen() + "-" + Zahl()) + Ausdruck(Tiefe + 1);
            }
            return Name + "(" + Ausdruck(Tiefe + 1) + ")";
        }
        }
    }

    std::string Zahl()
    {
        static const char *const Feste[]
            = { "0", "1", "2", "0.5", "0,5", "3.25", "10", "100", "0.001", ".5", "7.", "360", "1000" };
        if (Wurf(60)) {
            return Feste[Zufall(std::size(Feste))];
        }
        return std::to_string(Zufall(1000)) + "." + std::to_string(Zufall(1000));
    }

    std::mt19937_64 Quelle { 20261207 };
};

// Bit for bit, except that any NaN equals any other.
inline bool Gleich(double a, double b)
{
    if (std::isnan(a) || std::isnan(b)) {
        return std::isnan(a) && std::isnan(b);
    }
    return std::memcmp(&a, &b, sizeof a) == 0;
}

#endif
