// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef EINPASSUNG_H
#define EINPASSUNG_H

#include <optional>
#include <utility>
#include <vector>

// The y range that shows curves sampled at Stellen, Werte holding each
// curve's values there: all finite values but those nearer than Naehe to
// one of the poles, where the curve runs off to infinity, with a twentieth
// of the range to spare on either side. A curve that stays level gets a
// range around its level. None where no value is left.
std::optional<std::pair<double, double>> y_Bereich_einpassen(const std::vector<double> &Stellen,
    const std::vector<std::vector<double>> &Werte, const std::vector<double> &Pole, double Naehe);

#endif
