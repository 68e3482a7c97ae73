// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Differential test: random formulas, evaluated by the interpreter and by a
// conventional recursive-descent evaluator written here, must agree bit for
// bit (or both be NaN).

#include "formelgenerator.h"
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
// factor := number | x | pi | (-x) | (-number) | name group | name expr | group
// group  := ( expr )                          (a name without a group takes the rest of its part)
// formula := expr                             (a surplus ")" ends it)
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
        return Funktion(Name, Blick() == '(' ? Gruppe() : Ausdruck());
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

TEST(Vergleich, RandomFormulasAgreeBitForBit)
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
