// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// What the window tells of the drawn curves once a paint is done: the faults
// and the readings of their formulas, their points, and the values and the
// point under the pointer or the keyboard's cursor.

#include "Erklaerungen.h"
#include "Infofeld.h"
#include "KdeKurvano.h"
#include "Ring.h"
#include "Stumm.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {
const char *const Ueberschriften[AnzahlPunktarten]
    = { "Nullstellen", "Hochpunkte", "Tiefpunkte", "Wendepunkte", "Polstellen" };

// On the pointer's scale of three significant digits, or six for a point
// under the mark; + 0.0 turns -0 into 0.
QString Zahl(double Wert, int Stellen)
{
    return QString::number(Wert + 0.0, 'g', Stellen);
}

// Of several formulas, each message says which it is about.
QString Vorsatz(int Nr, int Anzahl)
{
    return Anzahl > 1 ? QStringLiteral("%1: ").arg(Nr + 1) : QString();
}

// The mark of curve Nr, of Anzahl drawn: none for one curve, or none at all.
QRgb Kurvenmarke(int Nr, int Anzahl)
{
    return Anzahl > 1 && Nr >= 0 ? Kurvenfarben[Nr] : QRgb(0);
}

// Points nearer than this to the pointer are marked.
const double RINGABSTAND = 5.0;

// The x of a column of the plot, on the view's own scale.
double Spaltenwert(bool Bogenmass, int Spalte)
{
    return Bogenmass ? (Spalte - 350) / 50.0 : Spalte - 370.0;
}

// Where a point lies on the plot, as the view maps it; a pole on the axis.
QPoint Bildstelle(bool Bogenmass, const Kurvenpunkt &p)
{
    const double y = std::isnan(p.y) ? 0.0 : p.y;
    if (Bogenmass) {
        return QPoint(351 + int(std::trunc(p.x * 50.0)), 381 - int(std::clamp(std::trunc(y * 50.0), -1e6, 1e6)));
    }
    return QPoint(370 + int(std::lround(p.x)), 380 - int(std::clamp(std::trunc(y), -1e6, 1e6)));
}
} // namespace

const Kurvensatz &KdeW::Kurvenbefund()
{
    if (Satz_alt) {
        Stumm still;
        Satz = Kurven_diskutieren(Formelinterpreter, Eingabe);
        Satz_alt = false;
        Punkte.clear();
        for (int Nr = 0; Nr < int(Satz.Formeln.size()); ++Nr) {
            for (const Kurvenpunkt &Punkt : Satz.Formeln[Nr].Punkte.Punkte) {
                Punkte.push_back({ Punkt, Nr });
            }
        }
        for (const Schnitt &S : Satz.Schnitte) {
            for (const Kurvenpunkt &Punkt : S.Punkte.Punkte) {
                Punkte.push_back({ Punkt, S.Erste, S.Zweite });
            }
        }
        std::stable_sort(Punkte.begin(), Punkte.end(), [](const Listenpunkt &a, const Listenpunkt &b) {
            return a.Punkt.x < b.Punkt.x;
        });
        Beringt = -1;
    }
    return Satz;
}

bool KdeW::fehlerhaft()
{
    const auto &Formeln = Kurvenbefund().Formeln;
    return std::any_of(Formeln.begin(), Formeln.end(), [](const Formelbefund &f) {
        return !f.Fehler.empty();
    });
}

QStringList KdeW::Hinweise()
{
    QStringList Texte;
    const int Anzahl = int(Kurvenbefund().Formeln.size());
    for (int Nr = 0; Nr < Anzahl; ++Nr) {
        for (const std::string &Text : Satz.Formeln[Nr].Hinweise) {
            Texte << Vorsatz(Nr, Anzahl) + QString::fromStdString(Text);
        }
    }
    if (Satz.Zu_viele) {
        Texte << QStringLiteral("Höchstens sechs Formeln: die siebte und alle weiteren werden nicht gezeichnet");
    }
    if (abgeschnitten) {
        Texte << QString::fromUtf8(ABGESCHNITTEN);
    }
    return Texte;
}

void KdeW::Befund_anzeigen(const QList<Infoabsatz> &Liste)
{
    const bool Fehler = fehlerhaft();
    // An empty palette inherits every colour from the window. Set only on
    // a change: a new palette repaints the whole entry.
    QPalette Farben;
    if (Fehler) {
        Farben.setColor(QPalette::Text, QColor(Fehlerfarbe));
    }
    if (LEdit1->palette().color(QPalette::Text) != Farben.color(QPalette::Text)) {
        LEdit1->setPalette(Farben);
    }
    QList<Infoabsatz> Absaetze;
    const int Anzahl = int(Satz.Formeln.size());
    for (int Nr = 0; Nr < Anzahl; ++Nr) {
        const Formelbefund &Formel = Satz.Formeln[Nr];
        for (std::size_t i = 0; i < Formel.Fehler.size(); ++i) {
            QString Text
                = Vorsatz(Nr, Anzahl) + QString::fromLatin1(Formel.Fehler[i].data(), int(Formel.Fehler[i].size()));
            if (!Formel.Rat[i].empty()) {
                Text += QLatin1Char('\n') + QString::fromStdString(Formel.Rat[i]);
            }
            Absaetze << Infoabsatz { Text, Fehlerfarbe };
        }
    }
    for (const QString &Hinweis : Hinweise()) {
        Absaetze << Infoabsatz { Hinweis, Hinweisfarbe };
    }
    Info->Zeigerplatz_setzen(1 + std::max(2, Anzahl));
    Info->Inhalt_setzen(Absaetze + Liste);
}

// "x = 1.41" for a zero or a pole, "(1.57 | 1)" for the others.
QString KdeW::Punkttext(const Listenpunkt &Punkt, int Stellen) const
{
    const Kurvenpunkt &p = Punkt.Punkt;
    if (Punkt.Zweite < 0 && (p.Art == Punktart::Nullstelle || p.Art == Punktart::Polstelle)) {
        return QStringLiteral("x = ") + Zahl(p.x, Stellen);
    }
    return QStringLiteral("(%1 | %2)").arg(Zahl(p.x, Stellen), Zahl(p.y, Stellen));
}

// Under a heading for each kind, the points of every curve, marked with the
// curve's colour where there are several; then where the curves meet.
QList<Infoabsatz> KdeW::Punkteliste() const
{
    const int Anzahl = int(Satz.Formeln.size());
    const QRgb Schwarz = qRgb(0, 0, 0);
    QList<Infoabsatz> Absaetze;
    const auto anfuegen = [&](const QString &Ueberschrift, bool &Erste, const Listenpunkt &Punkt) {
        const QString Text = Punkttext(Punkt, 3);
        Absaetze << Infoabsatz { Erste ? Ueberschrift + QLatin1Char('\n') + Text : Text, Schwarz, Erste,
            { Kurvenmarke(Punkt.Kurve, Anzahl), Kurvenmarke(Punkt.Zweite, Anzahl) } };
        Erste = false;
    };
    for (int Art = 0; Art < AnzahlPunktarten; ++Art) {
        const QString Ueberschrift = QString::fromLatin1(Ueberschriften[Art]);
        bool Erste = true;
        for (int Nr = 0; Nr < Anzahl; ++Nr) {
            const Diskussion &d = Satz.Formeln[Nr].Punkte;
            for (const Kurvenpunkt &p : d.Punkte) {
                if (int(p.Art) == Art) {
                    anfuegen(Ueberschrift, Erste, { p, Nr });
                }
            }
            if (d.Weitere[Art]) {
                Absaetze << Infoabsatz { QStringLiteral("und weitere"), Schwarz, false,
                    { Kurvenmarke(Nr, Anzahl), 0 } };
            }
        }
    }
    bool Erste = true;
    for (const Schnitt &S : Satz.Schnitte) {
        for (const Kurvenpunkt &p : S.Punkte.Punkte) {
            anfuegen(QStringLiteral("Schnittpunkte"), Erste, { p, S.Erste, S.Zweite });
        }
    }
    return Absaetze;
}

// x and the value of each curve there, or the point under the mark.
QList<Infoabsatz> KdeW::Zeigerzeilen(double x)
{
    const QRgb Schwarz = qRgb(0, 0, 0);
    const int Anzahl = int(Satz.Formeln.size());
    if (Beringt >= 0) {
        const Listenpunkt &Punkt = Punkte[Beringt];
        const QString Name
            = Punkt.Zweite >= 0 ? QStringLiteral("Schnittpunkt") : QString::fromLatin1(Punktname(Punkt.Punkt.Art));
        QList<Infoabsatz> Zeilen { { Name, Schwarz, false,
                                       { Kurvenmarke(Punkt.Kurve, Anzahl), Kurvenmarke(Punkt.Zweite, Anzahl) } },
            { QStringLiteral("x = ") + Zahl(Punkt.Punkt.x, 6), Schwarz, false } };
        if (Punkt.Punkt.Art != Punktart::Polstelle || Punkt.Zweite >= 0) {
            Zeilen << Infoabsatz { QStringLiteral("y = ") + Zahl(Punkt.Punkt.y, 6), Schwarz, false };
        }
        return Zeilen;
    }
    QList<Infoabsatz> Zeilen { { QStringLiteral("x = ") + Zahl(x, 3), Schwarz, false } };
    Stumm still;
    for (int Nr = 0; Nr < Anzahl; ++Nr) {
        QString Wert = QStringLiteral("—");
        if (Satz.Formeln[Nr].Fehler.empty()) {
            Formel_einsetzen(Formelinterpreter, Satz, Nr);
            Formelinterpreter.x = x;
            const double y = Formelinterpreter.Formel_Berechnen();
            if (std::isfinite(y)) {
                Wert = Zahl(y, 3);
            }
        }
        Zeilen << Infoabsatz { QStringLiteral("y = ") + Wert, Schwarz, false, { Kurvenmarke(Nr, Anzahl), 0 } };
    }
    return Zeilen;
}

// x under the pointer on the view's own scale, and the drawn formulas'
// values there: one evaluation each, none for a formula that would only be
// refused. A pointer resting on the plot shows the new formulas' values
// after a paint, or the new view's x. Near a listed point it marks it.
void KdeW::Zeiger_anzeigen()
{
    Kurvenbefund();
    const bool Bogenmass = Formelinterpreter.statusRAD();
    const QPoint Stelle = Cursorspalte >= 0 ? QPoint(Cursorspalte, 380) : Zeigerstelle;
    if (!Kurvenfeld(Bogenmass).contains(Stelle)) {
        Zeiger_weg();
        return;
    }
    if (Cursorspalte < 0 && !Punkt_beringen(Stelle)) {
        Beringt = -1;
        Marke_verbergen();
    }
    Info->Zeiger_setzen(Zeigerzeilen(Spaltenwert(Bogenmass, Stelle.x())));
}

// Marks the listed point nearest to Stelle, if one lies near enough.
bool KdeW::Punkt_beringen(QPoint Stelle)
{
    const bool Bogenmass = Formelinterpreter.statusRAD();
    int Naechster = -1;
    double Abstand = RINGABSTAND;
    for (int i = 0; i < int(Punkte.size()); ++i) {
        const QPoint Ort = Bildstelle(Bogenmass, Punkte[i].Punkt);
        const double d = std::hypot(Ort.x() - Stelle.x(), Ort.y() - Stelle.y());
        if (d <= Abstand) {
            Naechster = i;
            Abstand = d;
        }
    }
    if (Naechster < 0) {
        return false;
    }
    Beringt = Naechster;
    Markieren(Bildstelle(Bogenmass, Punkte[Naechster].Punkt), false);
    return true;
}

// Puts the mark at Mitte. What it covered and what it covers now is all the
// window must paint again, which it does for that corner alone.
void KdeW::Markieren(QPoint Mitte, bool Kreuz)
{
    QRect Neu(0, 0, Ring::GROESSE, Ring::GROESSE);
    Neu.moveCenter(Mitte);
    Neu &= Kurvenfeld(Formelinterpreter.statusRAD());
    if (Marke->isVisible() && Marke->geometry() == Neu) {
        Marke->Form_setzen(Kreuz);
        return;
    }
    Ausschnitt |= Neu | (Marke->isVisible() ? Marke->geometry() : QRect());
    Marke->Form_setzen(Kreuz);
    Marke->setGeometry(Neu);
    Marke->show();
}

void KdeW::Marke_verbergen()
{
    if (Marke->isVisible()) {
        Ausschnitt |= Marke->geometry();
        Marke->hide();
    }
}

void KdeW::Zeiger_weg()
{
    Zeigerstelle = QPoint(-1, -1);
    Cursorspalte = -1;
    Beringt = -1;
    Marke_verbergen();
    Info->Zeiger_setzen({});
}

// Left and Right move the keyboard's cursor by a column of the plot; with
// Shift they go to the listed point before or after it, and mark it.
bool KdeW::Kurventaste(const QKeyEvent *Taste)
{
    if (Taste->key() != Qt::Key_Left && Taste->key() != Qt::Key_Right) {
        return false;
    }
    const int Richtung = Taste->key() == Qt::Key_Left ? -1 : 1;
    const bool Bogenmass = Formelinterpreter.statusRAD();
    const QRect Feld = Kurvenfeld(Bogenmass);
    const int Spalte = Cursorspalte >= 0 ? Cursorspalte : Feld.center().x();
    Kurvenbefund();
    if (Taste->modifiers() & Qt::ShiftModifier) {
        // From a marked point to its neighbour in the list, else from the
        // cursor's x to the nearest point on that side.
        const double x = Spaltenwert(Bogenmass, Spalte);
        int Ziel = Beringt >= 0 ? Beringt + Richtung : -1;
        for (int i = 0; Beringt < 0 && i < int(Punkte.size()); ++i) {
            const double px = Punkte[i].Punkt.x;
            if ((Richtung < 0 && px < x) || (Richtung > 0 && px > x && Ziel < 0)) {
                Ziel = i;
            }
        }
        if (Ziel < 0 || Ziel >= int(Punkte.size())) {
            return true;
        }
        Beringt = Ziel;
        const QPoint Ort = Bildstelle(Bogenmass, Punkte[Ziel].Punkt);
        Cursorspalte = std::clamp(Ort.x(), Feld.left(), Feld.right());
        Markieren(Ort, false);
        Info->Zeiger_setzen(Zeigerzeilen(Punkte[Ziel].Punkt.x));
        return true;
    }
    Beringt = -1;
    Cursorspalte = std::clamp(Spalte + (Cursorspalte >= 0 ? Richtung : 0), Feld.left(), Feld.right());
    Markieren(QPoint(Cursorspalte, 380), true);
    Zeiger_anzeigen();
    return true;
}
