// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef ERGEBNISSE_H
#define ERGEBNISSE_H

#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

// Prints as usual and keeps each benchmark's CPU time per iteration: the
// median when there are repetitions, else the one run. No colours: the
// output usually goes to a file.
class Ergebnisse : public benchmark::ConsoleReporter
{
public:
    Ergebnisse()
        : ConsoleReporter(OO_None)
    {
    }

    void ReportRuns(const std::vector<Run> &Laeufe) override
    {
        for (const Run &Lauf : Laeufe) {
            if (!Lauf.error_occurred && (Lauf.run_type == Run::RT_Iteration || Lauf.aggregate_name == "median")) {
                Zeiten[Lauf.run_name.function_name] = Lauf.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(Laeufe);
    }

    // Whether any benchmark named Art/... ran.
    bool enthaelt(const std::string &Art) const
    {
        const auto Erster = Zeiten.lower_bound(Art + "/");
        return Erster != Zeiten.end() && Erster->first.compare(0, Art.size() + 1, Art + "/") == 0;
    }

    // NaN for a benchmark the filter left out.
    double Zeit(const std::string &Name) const
    {
        const auto Treffer = Zeiten.find(Name);
        return Treffer == Zeiten.end() ? NAN : Treffer->second;
    }

private:
    std::map<std::string, double> Zeiten;
};

#endif
