// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Compiling and evaluating allocate nothing on the heap: every allocation of
// the process is counted here, C++ and C alike.

#include "formeltest.h"

#include <gtest/gtest.h>

#include "allokationszaehler.h"

namespace {
const char *const Formeln[] = {
    "sin(X)+x^2*0.1",
    "x^3-2*x^2+x-1",
    "sin((x+1)*2)+ln(1+(x^2))-expz(x:4)*(-x)",
    "acosd(x/7)+atand(x)-asind(0.5)*tand(x)^expn(1)",
    "(((((x)))))+log(x*x+1)-cos(sin(tan(x)))",
    "2)+3",
    "foo(x)+bar",
};

TEST(Allokation, CompileAndEvaluateAllocateNothing)
{
#ifdef KURVANO_SANITIZER
    GTEST_SKIP() << "the sanitizer runtime owns the allocator";
#endif
    Nirgendwo Senke;
    std::streambuf *alt = std::cout.rdbuf(&Senke);
    Mathe m;

    const long Vorher = Anforderungen;
    for (const char *Formel : Formeln) {
        for (bool RAD : { true, false }) {
            m.setRAD(RAD);
            std::strcpy(m.Formel, Formel);
            m.Formel_compillieren();
            for (int i = -400; i <= 400; ++i) {
                m.x = i * 0.25;
                m.Formel_Berechnen();
            }
        }
    }
    const long Nachher = Anforderungen;
    std::cout.rdbuf(alt);
    EXPECT_EQ(Nachher - Vorher, 0);
}
} // namespace
