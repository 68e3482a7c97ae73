// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Differential test: random well-formed formulas, evaluated by the
// interpreter and by a conventional recursive-descent evaluator written
// here, must agree bit for bit (or both be NaN).

#include "formeltest.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>

namespace {
// ------------------------------------------------------------ reference

// expr   := term {(+|-) term}
// term   := signed {(*|/|:) signed | power}   (an operand right after an operand multiplies)
// signed := {+|-} power                       (the signs apply to the whole power chain)
// power  := factor {^ {+|-} factor}           (left-associative; a sign after ^ to the factor alone)
// factor := number | x | pi | (-x) | (-number) | name group | group
// group  := ( expr )
class Referenz
{
public:
    Referenz(const std::string &Text, double x, bool RAD)
        : t(Text)
        , x(x)
        , RAD(RAD)
    {
    }

    double Wert()
    {
        return Ausdruck();
    }

private:
    const double Grad = std::acos(-1.0) / 180.0;

    char Blick()
    {
        while (i < t.size() && t[i] == ' ') {
            ++i;
        }
        return i < t.size() ? static_cast<char>(std::tolower(static_cast<unsigned char>(t[i]))) : '\0';
    }

    bool Operandanfang()
    {
        const char c = Blick();
        return c == '(' || c == '.' || std::isalnum(static_cast<unsigned char>(c));
    }

    // Reads a run of signs; true if they negate.
    bool Minus()
    {
        bool m = false;
        for (char c = Blick(); c == '+' || c == '-'; c = Blick()) {
            m ^= c == '-';
            ++i;
        }
        return m;
    }

    double Ausdruck()
    {
        double a = Term();
        for (char c = Blick(); c == '+' || c == '-'; c = Blick()) {
            ++i;
            const double b = Term();
            a = c == '+' ? a + b : a - b;
        }
        return a;
    }

    double Term()
    {
        double a = Vorzeichen_Potenz();
        for (;;) {
            const char c = Blick();
            if (c == '*' || c == '/' || c == ':') {
                ++i;
                const double b = Vorzeichen_Potenz();
                a = c == '*' ? a * b : a / b;
            } else if (Operandanfang()) {
                a = a * Potenz();
            } else {
                return a;
            }
        }
    }

    double Vorzeichen_Potenz()
    {
        const bool m = Minus();
        const double v = Potenz();
        return m ? -1.0 * v : v;
    }

    double Potenz()
    {
        double a = Faktor();
        while (Blick() == '^') {
            ++i;
            const bool m = Minus();
            const double b = Faktor();
            a = std::pow(a, m ? -1.0 * b : b);
        }
        return a;
    }

    double Faktor()
    {
        const char c = Blick();
        if (c == 'x') {
            ++i;
            return x;
        }
        if (c == '(') {
            return Gruppe();
        }
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
            return Zahl();
        }
        std::string Name;
        while (std::isalpha(static_cast<unsigned char>(Blick()))) {
            Name += Blick();
            ++i;
        }
        if (Name == "pi") {
            return std::acos(-1.0);
        }
        return Funktion(Name, Gruppe());
    }

    // "(" is next; (-x) and (-number) are negated operands.
    double Gruppe()
    {
        ++i;
        const std::size_t Anfang = i;
        if (Blick() == '-') {
            ++i;
            const char c = Blick();
            if (c == 'x' || std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
                const double v = c == 'x' ? (++i, x) : Zahl();
                if (Blick() == ')') {
                    ++i;
                    return -1.0 * v;
                }
            }
            i = Anfang;
        }
        const double a = Ausdruck();
        EXPECT_EQ(Blick(), ')') << t;
        ++i;
        return a;
    }

    double Zahl()
    {
        std::string s;
        for (char c = Blick(); std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == ','; c = Blick()) {
            s += c == ',' ? '.' : c;
            ++i;
        }
        return std::strtod(s.c_str(), nullptr);
    }

    double Funktion(const std::string &n, double a)
    {
        const double Bogen = RAD ? a : a * Grad;
        if (n == "sin")
            return std::sin(Bogen);
        if (n == "cos")
            return std::cos(Bogen);
        if (n == "tan")
            return std::tan(Bogen);
        if (n == "asin")
            return std::asin(a);
        if (n == "acos")
            return std::acos(a);
        if (n == "atan")
            return std::atan(a);
        if (n == "sind")
            return std::sin(a * Grad);
        if (n == "cosd")
            return std::cos(a * Grad);
        if (n == "tand")
            return std::tan(a * Grad);
        if (n == "asind")
            return std::asin(a) * (180.0 / std::acos(-1.0));
        if (n == "acosd")
            return std::acos(a) * (180.0 / std::acos(-1.0));
        if (n == "atand")
            return std::atan(a) * (180.0 / std::acos(-1.0));
        if (n == "ln")
            return std::log(a);
        if (n == "log")
            return std::log10(a);
        if (n == "expz")
            return std::pow(10.0, a);
        if (n == "expn")
            return std::exp(a);
        if (n == "sqrt")
            return std::sqrt(a);
        if (n == "abs")
            return std::fabs(a);
        ADD_FAILURE() << "unknown name " << n << " in " << t;
        return 0;
    }

    const std::string &t;
    std::size_t i = 0;
    const double x;
    const bool RAD;
};

// ------------------------------------------------------------ generator

class Generator
{
public:
    std::string Formel()
    {
        for (;;) {
            std::string f = Ausdruck(0);
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

bool Gleich(double a, double b)
{
    if (std::isnan(a) || std::isnan(b)) {
        return std::isnan(a) && std::isnan(b);
    }
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(Vergleich, RandomWellFormedFormulasAgreeBitForBit)
{
    const double Werte[]
        = { 0.0, -0.0, 1.0, -1.0, 0.5, 3.0, -2.5, 90.0, -180.0, 1e300, -1e300, std::numeric_limits<double>::infinity(),
              -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN() };
    Generator g;
    Mathe m;
    long Verglichen = 0;
    long NaNs = 0;
    long Unendlich = 0;
    long Nullen = 0;
    int Abweichungen = 0;
    for (int n = 0; n < 100000 && Abweichungen < 10; ++n) {
        const std::string Formel = g.Formel();
        {
            Mitschnitt Ausgabe;
            Uebersetzen(m, Formel);
            ASSERT_EQ(Ausgabe.Ausgabe(), "") << Formel;
        }
        for (int k = 0; k < 4; ++k) {
            const double x = k == 0 ? 0.0 : Werte[g.Zufall(std::size(Werte))];
            for (bool RAD : { true, false }) {
                m.setRAD(RAD);
                m.x = x;
                const double Ist = m.Formel_Berechnen();
                const double Soll = Referenz(Formel, x, RAD).Wert();
                ++Verglichen;
                NaNs += std::isnan(Ist);
                Unendlich += std::isinf(Ist);
                Nullen += Ist == 0.0;
                if (!Gleich(Ist, Soll)) {
                    ++Abweichungen;
                    ADD_FAILURE() << Formel << "\n at x = " << x << (RAD ? " RAD" : " DEG") << ": " << Ist
                                  << " instead of " << Soll;
                }
            }
        }
    }
    // The generator must reach the interesting values, or the test proves little.
    EXPECT_GT(NaNs, Verglichen / 100);
    EXPECT_GT(Unendlich, Verglichen / 1000);
    EXPECT_GT(Nullen, Verglichen / 1000);
    std::cout << Verglichen << " evaluations compared: " << NaNs << " NaN, " << Unendlich << " infinite, " << Nullen
              << " zero\n";
}
} // namespace
