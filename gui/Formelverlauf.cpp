// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Formelverlauf.h"

#include "KdeKurvano.h"

#include <QKeyEvent>
#include <QLineEdit>

void Formelverlauf::merken(const QString &Formel)
{
    if (!Formel.isEmpty() && (Formeln.isEmpty() || Formeln.last() != Formel)) {
        Formeln << Formel;
    }
    if (Formeln.size() > MAX_FORMELN) {
        Formeln.removeFirst();
    }
    Stelle = Formeln.size();
}

std::optional<QString> Formelverlauf::zurueck(const QString &Aktuell)
{
    if (Stelle == 0) {
        return std::nullopt;
    }
    if (Stelle == Formeln.size()) {
        Entwurf = Aktuell;
    }
    return Formeln[--Stelle];
}

std::optional<QString> Formelverlauf::vor()
{
    if (Stelle == Formeln.size()) {
        return std::nullopt;
    }
    ++Stelle;
    return Stelle == Formeln.size() ? Entwurf : Formeln[Stelle];
}

// Up and Down in the entry, which has no use of its own for them. True for a
// key the window takes.
bool KdeW::Verlauf_blaettern(const QKeyEvent *Taste)
{
    std::optional<QString> Formel;
    if (Taste->key() == Qt::Key_Up) {
        Formel = Verlauf.zurueck(LEdit1->text());
    } else if (Taste->key() == Qt::Key_Down) {
        Formel = Verlauf.vor();
    } else {
        return false;
    }
    if (Formel) {
        LEdit1->setText(*Formel);
    }
    return true;
}
