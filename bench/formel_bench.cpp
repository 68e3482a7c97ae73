// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Times the interpreter beside muParser and beside the same formulas written
// as C++, for evaluating and for compiling, and closes with the ratios of
// this very run, so that figures from different machines are never mixed.

#include "Formel_I.h"

#include "ergebnisse.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {
// The samples of the radian view: 12,800 steps of 0.001 from -6.4.
const int Abtastwerte = 12800;

double Abtastpunkt(int i)
{
    return -6.4 + i * 0.001;
}

// Hands out the samples in turn, so that no evaluation sees a constant x.
class Abtastung
{
public:
    double naechster()
    {
        i = (i + 1) % Abtastwerte;
        return Abtastpunkt(i);
    }

private:
    int i = 0;
};

// ---------------------------------------------------------------- formulas

double Vorgabe(double x)
{
    return std::sin(x) + x * x * 0.1;
}

double Kubik(double x)
{
    return x * x * x - 2 * x * x + x - 1;
}

double SinusMalGerade(double x)
{
    return std::sin(x) * (x + 1);
}

double Gerade(double x)
{
    return 2 * x + 9;
}

double SinusVonKosinus(double x)
{
    return std::sin(std::cos(x));
}

double ExpMinusLog(double x)
{
    return std::exp(x / 3) - std::log10(x * x + 1);
}

double Lang(double x)
{
    const double Cosinus = std::cos(x);
    return std::sin(x / 2 + std::cos(x * 0.3)) * (x * x - 3 * x + 1) / (std::exp(-x / 4) + 2)
        - std::log(x * x + 1) * (0.5 + std::atan(x / 3))
        + std::log10(std::pow(10.0, x / 5) + x * x + 2) / (1 + Cosinus * Cosinus) - (x - 1) * (x + 2) / (x * x + 4)
        + std::tan(x / (x * x + 9)) * std::sin(x * 20 * DegToRad) + std::exp(-(x * x) / 8) * (std::cos(2 * x) - 0.25)
        + std::atan(x / (1 + x * x));
}

template<double (*Funktion)(double)> void Cpp_Auswertung(benchmark::State &Zustand)
{
    Abtastung Punkte;
    for (auto _ : Zustand) {
        benchmark::DoNotOptimize(Funktion(Punkte.naechster()));
    }
}

// One formula in the three forms. muParser's "^" groups from the right, so
// its texts never chain "^"; its names: exp, log10, 10^a, "/" for ":". Its
// _pi has only 13 digits, so sind spells out the factor as a number.
struct Vergleichsformel {
    const char *Name;
    const char *Kurvano;
    const char *MuParser;
    double (*Cpp)(double);
    void (*CppLauf)(benchmark::State &);
};

template<double (*Funktion)(double)>
constexpr Vergleichsformel Eintrag(const char *Name, const char *Kurvano, const char *MuParser)
{
    return { Name, Kurvano, MuParser, Funktion, &Cpp_Auswertung<Funktion> };
}

const Vergleichsformel Formeln[] = {
    Eintrag<Vorgabe>("Vorgabe", "sin(X)+x^2*0.1", "sin(x)+x^2*0.1"),
    Eintrag<Kubik>("Kubik", "x^3-2*x^2+x-1", "x^3-2*x^2+x-1"),
    Eintrag<SinusMalGerade>("SinusMalGerade", "sin(x)*(x+1)", "sin(x)*(x+1)"),
    Eintrag<Gerade>("Gerade", "2*x+9", "2*x+9"),
    Eintrag<SinusVonKosinus>("SinusVonKosinus", "sin(cos(x))", "sin(cos(x))"),
    Eintrag<ExpMinusLog>("ExpMinusLog", "expn(x/3)-log(x*x+1)", "exp(x/3)-log10(x*x+1)"),
    Eintrag<Lang>("Lang",
        "sin(x/2+cos(x*0.3))*(x^2-3*x+1):(expn((-x)/4)+2)-ln(x*x+1)*(0.5+atan(x/3))+log(expz(x/5)+x*x+2)/(1+cos(x)^2)"
        "-(x-1)*(x+2)/(x*x+4)+tan(x/(x*x+9))*sind(x*20)+expn(-(x*x)/8)*(cos(2*x)-0.25)+atan(x:(1+x^2))",
        "sin(x/2+cos(x*0.3))*(x^2-3*x+1)/(exp((-x)/4)+2)-ln(x*x+1)*(0.5+atan(x/3))+log10(10^(x/5)+x*x+2)/(1+cos(x)^2)"
        "-(x-1)*(x+2)/(x*x+4)+tan(x/(x*x+9))*sin((x*20)*0.017453292519943295)+exp(-(x*x)/8)*(cos(2*x)-0.25)+atan(x/"
        "(1+x^2))"),
};

// ---------------------------------------------------------------- the three forms

void Kurvano_vorbereiten(Mathe &Rechner, const Vergleichsformel &Formel)
{
    Rechner.setRAD(true);
    std::strcpy(Rechner.Formel, Formel.Kurvano);
    Rechner.Formel_compillieren();
}

void MuParser_vorbereiten(mu::Parser &Parser, double &x, const Vergleichsformel &Formel)
{
    Parser.DefineVar("x", &x);
    Parser.SetExpr(Formel.MuParser);
}

void Kurvano_Auswertung(benchmark::State &Zustand, const Vergleichsformel &Formel)
{
    Mathe Rechner;
    Kurvano_vorbereiten(Rechner, Formel);
    Abtastung Punkte;
    for (auto _ : Zustand) {
        Rechner.x = Punkte.naechster();
        benchmark::DoNotOptimize(Rechner.Formel_Berechnen());
    }
}

void MuParser_Auswertung(benchmark::State &Zustand, const Vergleichsformel &Formel)
{
    mu::Parser Parser;
    double x = 0.0;
    MuParser_vorbereiten(Parser, x, Formel);
    Abtastung Punkte;
    for (auto _ : Zustand) {
        x = Punkte.naechster();
        benchmark::DoNotOptimize(Parser.Eval());
    }
}

// The copy into Formel belongs to it: compiling rewrites the text in place,
// and the window copies the entry's text likewise before each compile.
void Kurvano_Compilieren(benchmark::State &Zustand, const Vergleichsformel &Formel)
{
    Mathe Rechner;
    Rechner.setRAD(true);
    for (auto _ : Zustand) {
        std::strcpy(Rechner.Formel, Formel.Kurvano);
        Rechner.Formel_compillieren();
        benchmark::ClobberMemory();
    }
}

// muParser reads the text only at the first Eval after SetExpr.
void MuParser_Compilieren(benchmark::State &Zustand, const Vergleichsformel &Formel)
{
    mu::Parser Parser;
    double x = 0.5;
    Parser.DefineVar("x", &x);
    const std::string Text = Formel.MuParser;
    for (auto _ : Zustand) {
        Parser.SetExpr(Text);
        benchmark::DoNotOptimize(Parser.Eval());
    }
}

// ---------------------------------------------------------------- same values

bool fast_gleich(double a, double b)
{
    if (std::isnan(a) && std::isnan(b)) {
        return true;
    }
    return a == b || std::fabs(a - b) <= 1e-12 * std::fmax(std::fabs(a), std::fabs(b));
}

// Timing three forms is only fair if they compute the same thing.
bool gleiche_Werte(const Vergleichsformel &Formel)
{
    Mathe Rechner;
    Kurvano_vorbereiten(Rechner, Formel);
    mu::Parser Parser;
    double x = 0.0;
    MuParser_vorbereiten(Parser, x, Formel);
    for (int i = 0; i < Abtastwerte; ++i) {
        x = Abtastpunkt(i);
        Rechner.x = x;
        const double Wert = Rechner.Formel_Berechnen();
        const double WertMu = Parser.Eval();
        const double WertCpp = Formel.Cpp(x);
        if (!fast_gleich(Wert, WertMu) || !fast_gleich(Wert, WertCpp)) {
            std::fprintf(stderr, "%s differs at x = %.17g: Kurvano %.17g, muParser %.17g, C++ %.17g\n", Formel.Name, x,
                Wert, WertMu, WertCpp);
            return false;
        }
    }
    return true;
}

bool alle_gleich()
{
    try {
        for (const Vergleichsformel &Formel : Formeln) {
            if (!gleiche_Werte(Formel)) {
                return false;
            }
        }
    } catch (const mu::ParserError &Fehler) {
        std::fprintf(stderr, "muParser refuses \"%s\": %s\n", Fehler.GetExpr().c_str(), Fehler.GetMsg().c_str());
        return false;
    }
    return true;
}

void registrieren()
{
    for (const Vergleichsformel &Formel : Formeln) {
        const std::string Name = Formel.Name;
        benchmark::RegisterBenchmark(("Auswertung/Kurvano/" + Name).c_str(), Kurvano_Auswertung, Formel);
        benchmark::RegisterBenchmark(("Auswertung/muParser/" + Name).c_str(), MuParser_Auswertung, Formel);
        benchmark::RegisterBenchmark(("Auswertung/Cpp/" + Name).c_str(), Formel.CppLauf);
        benchmark::RegisterBenchmark(("Compilieren/Kurvano/" + Name).c_str(), Kurvano_Compilieren, Formel);
        benchmark::RegisterBenchmark(("Compilieren/muParser/" + Name).c_str(), MuParser_Compilieren, Formel);
    }
}

// ---------------------------------------------------------------- closing table

// Collects the times of one column and their geometric mean.
class Spalte
{
public:
    void dazu(double Zeit)
    {
        Logarithmen += std::log(Zeit);
        ++Anzahl;
    }
    bool leer() const
    {
        return Anzahl == 0;
    }
    double Mittel() const
    {
        return std::exp(Logarithmen / Anzahl);
    }

private:
    double Logarithmen = 0.0;
    int Anzahl = 0;
};

std::string Kurzform(const char *Text)
{
    const std::string Formel = Text;
    return Formel.size() <= 24 ? Formel : Formel.substr(0, 16) + "... (" + std::to_string(Formel.size()) + ")";
}

void Zeile_Auswertung(const std::string &Name, double Kurvano, double MuParser, double Cpp)
{
    std::printf("%-26s %8.1f %9.1f %7.1f %7.2f %7.2f\n", Name.c_str(), Kurvano, MuParser, Cpp, Kurvano / MuParser,
        Kurvano / Cpp);
}

void Tabelle_Auswertung(const Ergebnisse &Zeiten)
{
    if (!Zeiten.enthaelt("Auswertung")) {
        return;
    }
    std::printf("\nEvaluation, ns per call (CPU time; median if repeated)\n");
    std::printf("%-26s %8s %9s %7s %7s %7s\n", "formula", "Kurvano", "muParser", "C++", "K/muP", "K/C++");
    Spalte Kurvano, MuParser, Cpp;
    for (const Vergleichsformel &Formel : Formeln) {
        const double k = Zeiten.Zeit(std::string("Auswertung/Kurvano/") + Formel.Name);
        const double m = Zeiten.Zeit(std::string("Auswertung/muParser/") + Formel.Name);
        const double c = Zeiten.Zeit(std::string("Auswertung/Cpp/") + Formel.Name);
        if (std::isnan(k) && std::isnan(m) && std::isnan(c)) {
            continue;
        }
        Zeile_Auswertung(Kurzform(Formel.Kurvano), k, m, c);
        if (!std::isnan(k + m + c)) {
            Kurvano.dazu(k);
            MuParser.dazu(m);
            Cpp.dazu(c);
        }
    }
    if (!Kurvano.leer()) {
        Zeile_Auswertung("geometric mean", Kurvano.Mittel(), MuParser.Mittel(), Cpp.Mittel());
    }
}

void Zeile_Compilieren(const std::string &Name, double Kurvano, double MuParser)
{
    std::printf("%-26s %8.1f %9.1f %7.4f\n", Name.c_str(), Kurvano, MuParser, Kurvano / MuParser);
}

void Tabelle_Compilieren(const Ergebnisse &Zeiten)
{
    if (!Zeiten.enthaelt("Compilieren")) {
        return;
    }
    std::printf("\nCompilation, ns per call (muParser: SetExpr and first Eval)\n");
    std::printf("%-26s %8s %9s %7s\n", "formula", "Kurvano", "muParser", " K/muP");
    Spalte Kurvano, MuParser;
    for (const Vergleichsformel &Formel : Formeln) {
        const double k = Zeiten.Zeit(std::string("Compilieren/Kurvano/") + Formel.Name);
        const double m = Zeiten.Zeit(std::string("Compilieren/muParser/") + Formel.Name);
        if (std::isnan(k) && std::isnan(m)) {
            continue;
        }
        Zeile_Compilieren(Kurzform(Formel.Kurvano), k, m);
        if (!std::isnan(k + m)) {
            Kurvano.dazu(k);
            MuParser.dazu(m);
        }
    }
    if (!Kurvano.leer()) {
        Zeile_Compilieren("geometric mean", Kurvano.Mittel(), MuParser.Mittel());
    }
}
} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return EXIT_FAILURE;
    }
    if (!alle_gleich()) {
        return EXIT_FAILURE;
    }
    registrieren();
    Ergebnisse Zeiten;
    benchmark::RunSpecifiedBenchmarks(&Zeiten);
    benchmark::Shutdown();
    Tabelle_Auswertung(Zeiten);
    Tabelle_Compilieren(Zeiten);
    return EXIT_SUCCESS;
}
