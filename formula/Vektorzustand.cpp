// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Vektorzustand.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace {
// Compiled for AVX on its own; called only where the processor has it.
__attribute__((target("avx"))) void obere_Haelften_leeren()
{
    _mm256_zeroupper();
}
} // namespace

void Vektorregister_aufraeumen()
{
    static const bool mitAVX = (__builtin_cpu_init(), __builtin_cpu_supports("avx"));
    if (mitAVX) {
        obere_Haelften_leeren();
    }
}
#else
void Vektorregister_aufraeumen()
{
}
#endif
