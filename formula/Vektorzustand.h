// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef VEKTORZUSTAND_H
#define VEKTORZUSTAND_H

// Vectorised code, Qt's painting above all, can leave the upper halves of
// the AVX registers in use, and on many processors every SSE instruction of
// the evaluator and of the math library then runs several times slower.
// Every batch of evaluations starts with this: it clears them where the
// processor has AVX, costs nothing where it has none, and changes no value.
void Vektorregister_aufraeumen();

#endif
