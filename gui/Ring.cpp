// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Ring.h"

#include "KdeKurvano.h"

#include <QPainter>
#include <QPen>

Ring::Ring(QWidget *Fenster)
    : QWidget(Fenster)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(QStringLiteral("Marke"));
    setAccessibleDescription(QStringLiteral("Markiert den Punkt unter dem Mauszeiger oder die Stelle der Tastatur."));
    resize(GROESSE, GROESSE);
    hide();
}

void Ring::Form_setzen(bool Kreuz)
{
    if (Kreuz != this->Kreuz) {
        this->Kreuz = Kreuz;
        update();
    }
}

void Ring::paintEvent(QPaintEvent *)
{
    QPainter Maler(this);
    Maler.setPen(QPen(QColor(Ringfarbe), 2));
    const int Mitte = GROESSE / 2;
    if (Kreuz) {
        Maler.drawLine(Mitte, 2, Mitte, GROESSE - 3);
        Maler.drawLine(2, Mitte, GROESSE - 3, Mitte);
    } else {
        Maler.drawEllipse(QPoint(Mitte, Mitte), Mitte - 2, Mitte - 2);
    }
}
