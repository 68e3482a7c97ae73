// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Infofeld.h"

#include "KdeKurvano.h"

#include <QColor>
#include <QPainter>
#include <QTextOption>

namespace {
// The two pointer lines stand at the top; the faults below them keep their
// place whether the pointer is over the plot or not.
const int ZEIGERHOEHE = 44;
const int RAND = 2;
}

Infofeld::Infofeld(QWidget *Eltern)
    : QWidget(Eltern)
{
    // Filled with the window's background: the graph beneath is never
    // painted for it.
    setAutoFillBackground(true);
}

void Infofeld::Zeiger_setzen(const QString &Zeilen)
{
    if (Zeilen != Zeiger) {
        Zeiger = Zeilen;
        update();
    }
}

void Infofeld::Fehler_setzen(const QString &Text)
{
    if (Text != Fehler) {
        Fehler = Text;
        update();
    }
}

void Infofeld::paintEvent(QPaintEvent *)
{
    if (Zeiger.isEmpty() && Fehler.isEmpty()) {
        return;
    }
    QPainter Maler(this);
    const QRect Flaeche = rect().adjusted(RAND, 0, -RAND, 0);
    Maler.setPen(QColor(Qt::black));
    Maler.drawText(Flaeche, Qt::AlignLeft | Qt::AlignTop, Zeiger);
    // Long names break anywhere, the messages' words at their blanks.
    QTextOption Umbruch(Qt::AlignLeft | Qt::AlignTop);
    Umbruch.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Maler.setPen(QColor(Fehlerfarbe));
    Maler.drawText(QRectF(Flaeche.adjusted(0, ZEIGERHOEHE, 0, 0)), Fehler, Umbruch);
}
