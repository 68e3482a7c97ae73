// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef STUMM_H
#define STUMM_H

#include <iostream>
#include <streambuf>

// Swallows what the interpreter writes on standard output while it lives.
// The window compiles the drawn formulas again for the info area and for a
// corner of the picture; standard output carries only what the paints say.
class Stumm
{
public:
    Stumm()
        : Alt(std::cout.rdbuf(&Senke))
    {
    }
    ~Stumm()
    {
        std::cout.rdbuf(Alt);
    }
    Stumm(const Stumm &) = delete;
    Stumm &operator=(const Stumm &) = delete;

private:
    class Nirgendwohin : public std::streambuf
    {
    protected:
        int overflow(int Zeichen) override
        {
            return traits_type::not_eof(Zeichen);
        }
    };

    Nirgendwohin Senke;
    std::streambuf *Alt;
};

#endif
