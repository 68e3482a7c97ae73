// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// What a screen reader says of the window: names and descriptions of the
// controls and of the plot, in German like the window. The info area names
// itself.

#include "Infofeld.h"
#include "KdeKurvano.h"
#include "Schaubild.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

namespace {
void benennen(QWidget *Element, const QString &Name, const QString &Beschreibung)
{
    Element->setAccessibleName(Name);
    Element->setAccessibleDescription(Beschreibung);
}
}

QString Modusname(const Ansicht &A)
{
    return A.Bogenmass ? QStringLiteral("Bogenmaß") : QStringLiteral("Gradmaß");
}

// Its numbers written as the info area writes them.
QString Bereichstext(const Ansicht &A)
{
    const auto Zahl = [](double Wert) {
        return QString::number(Wert + 0.0, 'g', 6);
    };
    return QStringLiteral("x von %1 bis %2, y von %3 bis %4")
        .arg(Zahl(A.xVon), Zahl(A.xBis), Zahl(A.yVon), Zahl(A.yBis));
}

void KdeW::Zugang_einrichten()
{
    benennen(LEdit1, QStringLiteral("Formel"),
        QStringLiteral("Formel in x. Die Eingabetaste zeichnet sie, Pfeil hoch und Pfeil runter holen die "
                       "gezeichneten Formeln zurück."));
    benennen(ButtonZeichnen, QStringLiteral("Zeichnen"), QStringLiteral("Zeichnet die Formel der Eingabe."));
    benennen(ButtonLoeschen, QStringLiteral("Löschen"), QStringLiteral("Leert die Eingabe."));
    benennen(ButtonRahmen, QStringLiteral("Ansicht"), QStringLiteral("Bogenmaß oder Gradmaß."));
    benennen(b1, QStringLiteral("Bogenmaß"),
        QStringLiteral("%1; sin, cos und tan im Bogenmaß.").arg(Bereichstext(Ansicht::Anfang(true))));
    benennen(b2, QStringLiteral("Gradmaß"),
        QStringLiteral("%1; sin, cos und tan in Grad.").arg(Bereichstext(Ansicht::Anfang(false))));

    // The window paints the plot itself; a widget of its own over it, which
    // paints nothing and lets the mouse through, gives it a place in the
    // tree a screen reader walks. It covers the wider of the two frames.
    Kurve = new QWidget(this);
    Kurve->setGeometry(Kurvenfeld(Ansicht::Anfang(false)));
    Kurve->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Tab reaches the plot after the controls: there the arrow keys move a
    // cursor over it and step through the listed points.
    Kurve->setFocusPolicy(Qt::TabFocus);
    Kurve->installEventFilter(this);
    // After the plot, Tab reaches the info area, which scrolls its list.
    setTabOrder(Kurve, Info);
    benennen(Kurve, QStringLiteral("Kurve"),
        QStringLiteral("Kurve der Formel. Pfeil links und rechts bewegen eine Marke über die Kurve, mit Umschalt "
                       "springen sie von Punkt zu Punkt."));
}

// The formulas last drawn, the view, and the points the info area lists.
QString KdeW::Kurvenbeschreibung(const QList<Infoabsatz> &Liste)
{
    QStringList Formeln;
    for (const Formelbefund &Formel : Satz.Formeln) {
        Formeln << QStringLiteral("„%1“").arg(QString::fromLatin1(Formel.Formel.data(), int(Formel.Formel.size())));
    }
    QString Text = QStringLiteral("%1 von %2 im %3, %4")
                       .arg(Formeln.size() > 1 ? QStringLiteral("Kurven") : QStringLiteral("Kurve"),
                           Formeln.join(QStringLiteral(", ")), Modusname(Sicht()), Bereichstext(Sicht()));
    if (fehlerhaft()) {
        Text += QStringLiteral("; eine Formel mit Fehlern ist als Linie der 0 gezeichnet");
    }
    QStringList Punkte;
    for (const Infoabsatz &Absatz : Liste) {
        Punkte << Absatz.Text;
    }
    return Text + QLatin1Char('.')
        + (Punkte.isEmpty() ? QString() : QLatin1Char('\n') + Punkte.join(QLatin1Char('\n')));
}
