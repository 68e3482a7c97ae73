// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Compiling and evaluating allocate nothing on the heap: every allocation of
// the process is counted here, C++ and C alike.

#include "formeltest.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <streambuf>

#if defined(__SANITIZE_ADDRESS__)
#define KURVANO_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KURVANO_SANITIZER 1
#endif
#endif

namespace
{
std::atomic<long> Anforderungen{0};
}

#ifndef KURVANO_SANITIZER
extern "C" {
void *__libc_malloc(std::size_t);
void *__libc_calloc(std::size_t, std::size_t);
void *__libc_realloc(void *, std::size_t);

void *malloc(std::size_t n)
{
    ++Anforderungen;
    return __libc_malloc(n);
}

void *calloc(std::size_t n, std::size_t m)
{
    ++Anforderungen;
    return __libc_calloc(n, m);
}

void *realloc(void *p, std::size_t n)
{
    ++Anforderungen;
    return __libc_realloc(p, n);
}
}

void *operator new(std::size_t n)
{
    ++Anforderungen;
    if (void *p = std::malloc(n ? n : 1)) {
        return p;
    }
    throw std::bad_alloc();
}

// GCC takes the replaced pair for a mismatch.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void operator delete(void *p) noexcept
{
    std::free(p);
}

void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}
#endif

namespace
{
const char *const Formeln[] = {
    "sin(X)+x^2*0.1",
    "x^3-2*x^2+x-1",
    "sin((x+1)*2)+ln(1+(x^2))-expz(x:4)*(-x)",
    "acosd(x/7)+atand(x)-asind(0.5)*tand(x)^expn(1)",
    "(((((x)))))+log(x*x+1)-cos(sin(tan(x)))",
    "2)+3",
    "foo(x)+bar",
};

// Swallows the refusal messages without growing a buffer.
class Nirgendwo : public std::streambuf
{
protected:
    int overflow(int c) override
    {
        return c;
    }
    std::streamsize xsputn(const char *, std::streamsize n) override
    {
        return n;
    }
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
        for (bool RAD : {true, false}) {
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
