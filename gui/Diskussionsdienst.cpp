// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Diskussionsdienst.h"

#include "Formel_I.h"

Diskussionsdienst::Diskussionsdienst(QObject *Eltern)
    : QObject(Eltern)
    , Arbeiter(new QObject)
    , Rechner(std::make_unique<Mathe>())
{
    Rechner->Stumm = true;
    Arbeiter->moveToThread(&Faden);
    connect(&Faden, &QThread::finished, Arbeiter, &QObject::deleteLater);
}

Diskussionsdienst::~Diskussionsdienst()
{
    vergessen();
    if (!Faden.isRunning()) {
        delete Arbeiter;
        return;
    }
    Faden.quit();
    Faden.wait();
}

void Diskussionsdienst::verlangen(const std::string &Eingabe, const Ansicht &A)
{
    // Started with the first request: the window's start does not wait for it.
    if (!Faden.isRunning()) {
        Faden.start();
    }
    const unsigned long Nr = ++Neueste;
    QMetaObject::invokeMethod(
        Arbeiter,
        [this, Nr, Eingabe, A] {
            // Requests that came while another ran are stale but the last.
            if (Nr != Neueste) {
                return;
            }
            const Kurvensatz Satz = Kurven_diskutieren(*Rechner, Eingabe, A);
            if (Nr != Neueste) {
                return;
            }
            QMetaObject::invokeMethod(
                this,
                [this, Nr, Satz, Eingabe, A] {
                    if (Nr == Neueste) {
                        Q_EMIT fertig(Satz, Eingabe, A);
                    }
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void Diskussionsdienst::vergessen()
{
    ++Neueste;
}
