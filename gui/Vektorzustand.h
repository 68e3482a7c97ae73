// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef VEKTORZUSTAND_H
#define VEKTORZUSTAND_H

// Qt's vectorised painting can leave the upper halves of the AVX registers
// in use, and on many processors every SSE instruction of the evaluator and
// of the math library then runs several times slower. Called before a loop
// of evaluations, this clears them where the processor has AVX.
void Vektorregister_aufraeumen();

#endif
