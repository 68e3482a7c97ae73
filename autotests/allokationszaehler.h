// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Counts every heap allocation of the test program, C++ and C alike.
// Include it in exactly one source file of a test program. Under
// AddressSanitizer the sanitizer owns the allocator and nothing is counted:
// such a test skips itself when KURVANO_SANITIZER is defined.

#ifndef ALLOKATIONSZAEHLER_H
#define ALLOKATIONSZAEHLER_H

#include <atomic>
#include <cstdlib>
#include <iostream>
#include <new>
#include <streambuf>

#if defined(__SANITIZE_ADDRESS__)
#define KURVANO_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KURVANO_SANITIZER 1
#endif
#endif

inline std::atomic<long> Anforderungen { 0 };

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

// Swallows the interpreter's messages without growing a buffer.
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

#endif
