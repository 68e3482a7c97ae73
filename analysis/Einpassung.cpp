// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Einpassung.h"

#include <algorithm>
#include <cmath>

namespace {
bool bei_einem_Pol(double x, const std::vector<double> &Pole, double Naehe)
{
    return std::any_of(Pole.begin(), Pole.end(), [&](double Pol) {
        return std::abs(x - Pol) < Naehe;
    });
}
} // namespace

std::optional<std::pair<double, double>> y_Bereich_einpassen(const std::vector<double> &Stellen,
    const std::vector<std::vector<double>> &Werte, const std::vector<double> &Pole, double Naehe)
{
    double Kleinster = INFINITY;
    double Groesster = -INFINITY;
    for (const std::vector<double> &Kurve : Werte) {
        for (std::size_t i = 0; i < Kurve.size() && i < Stellen.size(); ++i) {
            if (std::isfinite(Kurve[i]) && !bei_einem_Pol(Stellen[i], Pole, Naehe)) {
                Kleinster = std::min(Kleinster, Kurve[i]);
                Groesster = std::max(Groesster, Kurve[i]);
            }
        }
    }
    if (Kleinster > Groesster) {
        return std::nullopt;
    }
    const double Rand = Groesster > Kleinster ? (Groesster - Kleinster) / 20 : std::max(1.0, std::abs(Kleinster) / 10);
    return std::make_pair(Kleinster - Rand, Groesster + Rand);
}
