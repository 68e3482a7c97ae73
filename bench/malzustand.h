// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef MALZUSTAND_H
#define MALZUSTAND_H

#include "Vektorzustand.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <utility>

// Qt's vectorised painting can leave the vector registers in a state that
// slows the SSE code after it. Each "after painting" benchmark runs three
// ways: cold, right after a QPainter fill, and after the fill with the
// registers cleared where the code under test clears them.
enum class Vorher { Nichts, Fuellung, Fuellung_und_Aufraeumen };

// Leaves the registers as the case wants them, outside the timed part.
inline void Register_vorbereiten(benchmark::State &Zustand, Vorher Was, QImage &Bild)
{
    Zustand.PauseTiming();
    if (Was == Vorher::Nichts) {
        Vektorregister_aufraeumen();
    } else {
        QPainter(&Bild).fillRect(Bild.rect(), Qt::black);
    }
    Zustand.ResumeTiming();
}

template<typename Lauf> void Nach_dem_Malen_anmelden(Lauf Nach_dem_Malen)
{
    const std::pair<const char *, Vorher> Faelle[] = {
        { "NachDemMalen/kalt", Vorher::Nichts },
        { "NachDemMalen/Fuellung", Vorher::Fuellung },
        { "NachDemMalen/Fuellung_Aufraeumen", Vorher::Fuellung_und_Aufraeumen },
    };
    for (const auto &[Name, Was] : Faelle) {
        benchmark::RegisterBenchmark(Name, Nach_dem_Malen, Was)->Unit(benchmark::kMicrosecond);
    }
}

#endif
