// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Times the curve discussion of the benchmark formulas in both views beside
// the view's own evaluations of the same formula, and closes with their
// ratios from this very run.

#include "Formel_I.h"
#include "Kurvendiskussion.h"

#include "ergebnisse.h"
#include "malzustand.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
// The formulas of formel_bench.
struct Benchformel {
    const char *Name;
    const char *Text;
};

const Benchformel Formeln[] = {
    { "Vorgabe", "sin(X)+x^2*0.1" },
    { "Kubik", "x^3-2*x^2+x-1" },
    { "SinusMalGerade", "sin(x)*(x+1)" },
    { "Gerade", "2*x+9" },
    { "SinusVonKosinus", "sin(cos(x))" },
    { "ExpMinusLog", "expn(x/3)-log(x*x+1)" },
    { "Lang",
        "sin(x/2+cos(x*0.3))*(x^2-3*x+1):(expn((-x)/4)+2)-ln(x*x+1)*(0.5+atan(x/3))+log(expz(x/5)+x*x+2)/(1+cos(x)^2)"
        "-(x-1)*(x+2)/(x*x+4)+tan(x/(x*x+9))*sind(x*20)+expn(-(x*x)/8)*(cos(2*x)-0.25)+atan(x:(1+x^2))" },
};

const char *Ansichtsname(bool Bogenmass)
{
    return Bogenmass ? "Bogenmass" : "Gradmass";
}

void vorbereiten(Mathe &Rechner, const Benchformel &Formel, bool Bogenmass)
{
    Rechner.setRAD(Bogenmass);
    std::strcpy(Rechner.Formel, Formel.Text);
    Rechner.Formel_compillieren();
}

// The view's evaluations as the window makes them: 12,800 from -6.4 by a
// running sum of 0.001, or 721 whole degrees.
void Ansichtsproben(benchmark::State &Zustand, const Benchformel &Formel, bool Bogenmass)
{
    Mathe Rechner;
    vorbereiten(Rechner, Formel, Bogenmass);
    for (auto _ : Zustand) {
        if (Bogenmass) {
            for (double x = -6.4; x <= 6.4; x += 0.001) {
                Rechner.x = x;
                benchmark::DoNotOptimize(Rechner.Formel_Berechnen());
            }
        } else {
            for (double x = 0; x <= 720; x += 1) {
                Rechner.x = x - 360;
                benchmark::DoNotOptimize(Rechner.Formel_Berechnen());
            }
        }
    }
}

// The samples of the analysis alone, f with f' and f''.
void Abtastung(benchmark::State &Zustand, const Benchformel &Formel, bool Bogenmass)
{
    Mathe Rechner;
    vorbereiten(Rechner, Formel, Bogenmass);
    const Bereich b = Ansichtsbereich(Ansicht::Anfang(Bogenmass));
    const Verlauf f = [&Rechner](double x) {
        Rechner.x = x;
        return Rechner.Formel_Ableiten();
    };
    for (auto _ : Zustand) {
        benchmark::DoNotOptimize(Abtasten(f, b).data());
    }
}

void Analyse(benchmark::State &Zustand, const Benchformel &Formel, bool Bogenmass)
{
    Mathe Rechner;
    vorbereiten(Rechner, Formel, Bogenmass);
    for (auto _ : Zustand) {
        benchmark::DoNotOptimize(Kurve_diskutieren(Rechner, Ansicht::Anfang(Bogenmass)).Punkte.data());
    }
}

// The preset's discussion in the radian view. After the fill it is sampled
// one evaluation at a time, as a caller without the interpreter's batches
// would; with the clearing, through the discussion's own entry, which starts
// its batch with the registers cleared.

void Nach_dem_Malen(benchmark::State &Zustand, Vorher Was)
{
    Mathe Rechner;
    vorbereiten(Rechner, Formeln[0], true);
    const Ansicht A = Ansicht::Anfang(true);
    const Bereich b = Ansichtsbereich(A);
    const Verlauf f = [&Rechner](double x) {
        Rechner.x = x;
        return Rechner.Formel_Ableiten();
    };
    QImage Bild(850, 700, QImage::Format_RGB32);
    for (auto _ : Zustand) {
        Register_vorbereiten(Zustand, Was, Bild);
        if (Was == Vorher::Fuellung) {
            benchmark::DoNotOptimize(Kurve_diskutieren(Abtasten(f, b), f, b).Punkte.data());
        } else {
            benchmark::DoNotOptimize(Kurve_diskutieren(Rechner, A).Punkte.data());
        }
    }
}

std::string Name(const char *Art, const Benchformel &Formel, bool Bogenmass)
{
    return std::string(Art) + "/" + Ansichtsname(Bogenmass) + "/" + Formel.Name;
}

void registrieren()
{
    for (const bool Bogenmass : { true, false }) {
        for (const Benchformel &Formel : Formeln) {
            benchmark::RegisterBenchmark(Name("Ansicht", Formel, Bogenmass).c_str(), Ansichtsproben, Formel, Bogenmass)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(Name("Abtastung", Formel, Bogenmass).c_str(), Abtastung, Formel, Bogenmass)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(Name("Analyse", Formel, Bogenmass).c_str(), Analyse, Formel, Bogenmass)
                ->Unit(benchmark::kMicrosecond);
        }
    }
    Nach_dem_Malen_anmelden(Nach_dem_Malen);
}

std::string Kurzform(const char *Text)
{
    const std::string Formel = Text;
    return Formel.size() <= 24 ? Formel : Formel.substr(0, 16) + "... (" + std::to_string(Formel.size()) + ")";
}

void Tabelle(const Ergebnisse &Zeiten)
{
    std::printf("\nCurve discussion against the view's evaluations, us (CPU time; median if repeated)\n");
    std::printf(
        "%-26s %-9s %9s %9s %9s %7s %7s\n", "formula", "view", "view", "samples", "analysis", "S/view", "A/view");
    for (const bool Bogenmass : { true, false }) {
        for (const Benchformel &Formel : Formeln) {
            const double v = Zeiten.Zeit(Name("Ansicht", Formel, Bogenmass));
            const double s = Zeiten.Zeit(Name("Abtastung", Formel, Bogenmass));
            const double a = Zeiten.Zeit(Name("Analyse", Formel, Bogenmass));
            if (std::isnan(v) && std::isnan(s) && std::isnan(a)) {
                continue;
            }
            std::printf("%-26s %-9s %9.1f %9.1f %9.1f %7.2f %7.2f\n", Kurzform(Formel.Text).c_str(),
                Ansichtsname(Bogenmass), v, s, a, s / v, a / v);
        }
    }
    const double Kalt = Zeiten.Zeit("NachDemMalen/kalt");
    const double Gefuellt = Zeiten.Zeit("NachDemMalen/Fuellung");
    const double Aufgeraeumt = Zeiten.Zeit("NachDemMalen/Fuellung_Aufraeumen");
    if (!std::isnan(Kalt + Gefuellt + Aufgeraeumt)) {
        std::printf("\nThe preset's discussion in the radian view, us (CPU time; median if repeated)\n");
        std::printf("%8s %12s %22s %14s %20s\n", "cold", "after fill", "fill, discussion entry", "fill/cold",
            "fill+entry/cold");
        std::printf(
            "%8.1f %12.1f %22.1f %14.2f %20.2f\n", Kalt, Gefuellt, Aufgeraeumt, Gefuellt / Kalt, Aufgeraeumt / Kalt);
    }
}
} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return EXIT_FAILURE;
    }
    registrieren();
    Ergebnisse Zeiten;
    benchmark::RunSpecifiedBenchmarks(&Zeiten);
    benchmark::Shutdown();
    Tabelle(Zeiten);
    return EXIT_SUCCESS;
}
