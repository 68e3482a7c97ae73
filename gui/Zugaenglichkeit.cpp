// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// What a screen reader says of the window: names and descriptions of the
// controls and of the plot, in German like the window. The info area names
// itself.

#include "KdeKurvano.h"

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

void KdeW::Zugang_einrichten()
{
    benennen(LEdit1, QStringLiteral("Formel"),
        QStringLiteral("Formel in x. Die Eingabetaste zeichnet sie, Pfeil hoch und Pfeil runter holen die "
                       "gezeichneten Formeln zurück."));
    benennen(ButtonZeichnen, QStringLiteral("Zeichnen"), QStringLiteral("Zeichnet die Formel der Eingabe."));
    benennen(ButtonLoeschen, QStringLiteral("Löschen"), QStringLiteral("Leert die Eingabe."));
    benennen(ButtonRahmen, QStringLiteral("Ansicht"), QStringLiteral("Bogenmaß oder Gradmaß."));
    benennen(b1, QStringLiteral("Bogenmaß"), QStringLiteral("x von −6,4 bis 6,4; sin, cos und tan im Bogenmaß."));
    benennen(b2, QStringLiteral("Gradmaß"), QStringLiteral("x von −360 bis 360; sin, cos und tan in Grad."));

    // The window paints the plot itself; a widget of its own over it, which
    // paints nothing and lets the mouse through, gives it a place in the
    // tree a screen reader walks. It covers the wider of the two frames.
    Kurve = new QWidget(this);
    Kurve->setGeometry(Kurvenfeld(false));
    Kurve->setAttribute(Qt::WA_TransparentForMouseEvents);
    benennen(Kurve, QStringLiteral("Kurve"), Kurvenbeschreibung());
}

// The formula last compiled and the view.
QString KdeW::Kurvenbeschreibung() const
{
    const bool Bogenmass = Formelinterpreter.statusRAD();
    QString Text = QStringLiteral("Kurve von „%1“ im %2, x von %3")
                       .arg(QString::fromLatin1(Formelinterpreter.Formel),
                           Bogenmass ? QStringLiteral("Bogenmaß") : QStringLiteral("Gradmaß"),
                           Bogenmass ? QStringLiteral("−6,4 bis 6,4") : QStringLiteral("−360 bis 360"));
    if (Formelinterpreter.Fehleranzahl() > 0) {
        Text += QStringLiteral("; die Formel hat Fehler, gezeichnet ist die Linie der 0");
    }
    return Text + QLatin1Char('.');
}
