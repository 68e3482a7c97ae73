// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef DISKUSSIONSDIENST_H
#define DISKUSSIONSDIENST_H

#include "Ansicht.h"
#include "Kurvensatz.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <memory>
#include <string>

class Mathe;

// The curve discussion of the formulas drawn, on a thread of its own with an
// interpreter of its own that writes nothing, so that no picture waits for
// it. Only the newest request counts: a result that a newer request has made
// stale is dropped, never delivered.
class Diskussionsdienst : public QObject
{
    Q_OBJECT

public:
    explicit Diskussionsdienst(QObject *Eltern);
    ~Diskussionsdienst() override;

    // The discussion of the entry's text Eingabe (Latin-1) in the view A;
    // any request before is void.
    void verlangen(const std::string &Eingabe, const Ansicht &A);
    // Voids the request that is waiting, if any.
    void vergessen();

Q_SIGNALS:
    // On the thread of the one who asked, for the newest request alone.
    void fertig(const Kurvensatz &Satz, const std::string &Eingabe, const Ansicht &A);

private:
    QThread Faden;
    QObject *Arbeiter; // lives on Faden
    std::unique_ptr<Mathe> Rechner; // used on Faden alone
    std::atomic<unsigned long> Neueste { 0 };
};

#endif
