// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef AUSGABEZAEHLER_H
#define AUSGABEZAEHLER_H

#include <streambuf>

// Swallows std::cout and counts what arrives: the interpreter writes there
// exactly when a formula is faulty, on compiling and on every evaluation.
class Ausgabezaehler : public std::streambuf
{
public:
    std::streamsize Zeichen = 0;

protected:
    int_type overflow(int_type c) override
    {
        ++Zeichen;
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char *, std::streamsize n) override
    {
        Zeichen += n;
        return n;
    }
};

#endif
