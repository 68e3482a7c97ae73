// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef PUNKTSUCHE_H
#define PUNKTSUCHE_H

#include "Kurvendiskussion.h"

// The points of f over b from its samples: all kinds, or only the zeros.
Diskussion Punkte_suchen(const std::vector<Abgeleitet> &Proben, const Verlauf &f, const Bereich &b, bool Alle);

#endif
