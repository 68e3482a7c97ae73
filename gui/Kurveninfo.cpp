// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// What the window tells of the drawn curves once a paint is done: the faults
// and the readings of their formulas, their points, and the values and the
// point under the pointer or the keyboard's cursor.

#include "Diskussionsdienst.h"
#include "Erklaerungen.h"
#include "Infofeld.h"
#include "KdeKurvano.h"
#include "Ring.h"
#include "Schaubild.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QTimer>

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

// Where the keyboard's cursor runs across the plot: along the x axis, or
// through the middle where the axis lies outside.
int Cursorzeile(const Ansicht &A)
{
    const double Null = A.Zeile(0);
    return Null > Ansicht::OBEN && Null < Ansicht::OBEN + Ansicht::HOEHE - 1 ? int(Null)
                                                                             : Ansicht::OBEN + Ansicht::HOEHE / 2;
}

bool Punkt_vor(const Listenpunkt &a, const Listenpunkt &b)
{
    return a.Punkt.x < b.Punkt.x;
}
} // namespace

// The discussion of what was drawn, waited for: computed here where the
// discussion's thread has not brought it yet.
const Kurvensatz &KdeW::Kurvenbefund()
{
    const std::string Text(Eingabe);
    if (!Satz_vollstaendig || Text != Satz_Eingabe || Sicht() != Satz_Ansicht) {
        Dienst->vergessen();
        Ruhe->stop();
        Satz_Eingabe = Text;
        Satz_Ansicht = Sicht();
        Satz_setzen(Kurven_diskutieren(*Nebenrechner, Text, Sicht()), true);
        Befund_zeigen();
    }
    return Satz;
}

// After every paint the interpreter holds the compile of the drawn formula,
// and whatever tells of it follows: the entry's colour, the faults, the
// value under the pointer and what a screen reader says of the plot. The
// points follow once the discussion has found them, for a moving view once
// it rests; until then none are shown, as those of another formula or view
// would be wrong.
void KdeW::Anzeige_nachfuehren()
{
    Nachfuehrung->stop();
    const std::string Text(Eingabe);
    // The same formulas in the same view again: all that tells of them holds.
    if (Text == Satz_Eingabe && Sicht() == Satz_Ansicht && abgeschnitten == Satz_abgeschnitten) {
        return;
    }
    Satz_abgeschnitten = abgeschnitten;
    if (Text != Satz_Eingabe) {
        Satz_Eingabe = Text;
        Satz_Ansicht = Sicht();
        Satz_setzen(Formeln_befinden(*Nebenrechner, Text), false);
        Ansicht_bewegt = false;
        Diskussion_verlangen();
    } else if (Sicht() != Satz_Ansicht) {
        // The view alone has moved: the faults and notes stand, and the
        // points go until they are found for the new view.
        const bool Ohne_Punkte = Punkte.empty();
        Satz_Ansicht = Sicht();
        if (!Ohne_Punkte) {
            Kurvensatz Neu = Satz;
            for (Formelbefund &Formel : Neu.Formeln) {
                Formel.Punkte = Diskussion();
            }
            Neu.Schnitte.clear();
            Satz_setzen(Neu, false);
        }
        Satz_vollstaendig = false;
        Diskussion_aufschieben();
        // Step by step of a drag, only the pointer's lines and the plot's
        // description, which name the view, follow.
        if (Ohne_Punkte) {
            Zeiger_anzeigen();
            Kurve->setAccessibleDescription(Kurvenbeschreibung(Punkteliste()));
            return;
        }
    }
    Befund_zeigen();
}

// The points of a view moved by the pointer or the keys once it rests, of
// any other at once.
void KdeW::Diskussion_aufschieben()
{
    if (Ansicht_bewegt) {
        Dienst->vergessen();
        Ruhe->start();
    } else {
        Diskussion_verlangen();
    }
    Ansicht_bewegt = false;
}

void KdeW::Diskussion_verlangen()
{
    Ruhe->stop();
    if (Satz_vollstaendig) {
        return;
    }
    // Of faulty formulas alone there is nothing to discuss.
    const bool Gesund = std::any_of(Satz.Formeln.begin(), Satz.Formeln.end(), [](const Formelbefund &f) {
        return f.Fehler.empty();
    });
    if (Gesund) {
        Dienst->verlangen(*Satz_Eingabe, Satz_Ansicht);
    } else {
        Satz_vollstaendig = true;
    }
}

// Only the discussion of what the window shows now counts.
void KdeW::Diskussion_erhalten(const Kurvensatz &Neu, const std::string &Text, const Ansicht &A)
{
    if (Satz_vollstaendig || Text != Satz_Eingabe || A != Satz_Ansicht) {
        return;
    }
    Satz_setzen(Neu, true);
    Befund_zeigen();
}

void KdeW::Satz_setzen(Kurvensatz Neu, bool Vollstaendig)
{
    Satz = std::move(Neu);
    Satz_vollstaendig = Vollstaendig;
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
    std::stable_sort(Punkte.begin(), Punkte.end(), Punkt_vor);
    Beringt = -1;
}

void KdeW::Befund_zeigen()
{
    const QList<Infoabsatz> Liste = Punkteliste();
    Befund_anzeigen(Liste);
    Zeiger_anzeigen();
    Kurve->setAccessibleDescription(Kurvenbeschreibung(Liste));
}

bool KdeW::fehlerhaft() const
{
    const auto &Formeln = Satz.Formeln;
    return std::any_of(Formeln.begin(), Formeln.end(), [](const Formelbefund &f) {
        return !f.Fehler.empty();
    });
}

QStringList KdeW::Hinweise() const
{
    QStringList Texte;
    const int Anzahl = int(Satz.Formeln.size());
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
        return QStringLiteral("x = ") + Wert_x(p.x, Stellen);
    }
    return QStringLiteral("(%1 | %2)").arg(Wert_x(p.x, Stellen), Wert_y(p.y, Stellen));
}

// Values as the info area shows them: rounding noise at the view's scale
// as 0, and never -0.
QString KdeW::Wert_x(double x, int Stellen) const
{
    return Zahl(Sicht().x_gezeigt(x), Stellen);
}

QString KdeW::Wert_y(double y, int Stellen) const
{
    return Zahl(Sicht().y_gezeigt(y), Stellen);
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
            { QStringLiteral("x = ") + Wert_x(Punkt.Punkt.x, 6), Schwarz, false } };
        if (Punkt.Punkt.Art != Punktart::Polstelle || Punkt.Zweite >= 0) {
            Zeilen << Infoabsatz { QStringLiteral("y = ") + Wert_y(Punkt.Punkt.y, 6), Schwarz, false };
        }
        return Zeilen;
    }
    QList<Infoabsatz> Zeilen { { QStringLiteral("x = ") + Wert_x(x, Sicht().Stellen_x(x)), Schwarz, false } };
    for (int Nr = 0; Nr < Anzahl; ++Nr) {
        QString Wert = QStringLiteral("—");
        // A sound formula's compile writes nothing, nor does its evaluation.
        if (Satz.Formeln[Nr].Fehler.empty()) {
            Formel_einsetzen(Formelinterpreter, Satz, Nr);
            double y;
            Formelinterpreter.Formel_Berechnen(&x, &y, 1);
            if (std::isfinite(y)) {
                Wert = Wert_y(y, 3);
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
    const QPoint Stelle = Cursorspalte >= 0 ? QPoint(Cursorspalte, Cursorzeile(Sicht())) : Zeigerstelle;
    if (!auf_der_Kurve(Stelle)) {
        Zeiger_weg();
        return;
    }
    if (Cursorspalte < 0 && !Punkt_beringen(Stelle)) {
        Beringt = -1;
        Marke_verbergen();
    }
    Info->Zeiger_setzen(Zeigerzeilen(Sicht().x_an(Stelle.x())));
}

bool KdeW::auf_der_Kurve(QPoint Stelle) const
{
    return Kurvenfeld(Sicht()).contains(Stelle);
}

// Where a point lies on the plot: at the centre of its radian dot, or on
// its degree line; a pole on the axis, and values far outside at the edge.
QPoint KdeW::Bildstelle(const Kurvenpunkt &Punkt) const
{
    const Ansicht &A = Sicht();
    const double Zeile = std::clamp(A.Probenzeile(std::isnan(Punkt.y) ? 0.0 : Punkt.y), -1e6, 1e6);
    if (A.Bogenmass) {
        return QPoint(A.Probenspalte(0, Punkt.x) + 1, int(Zeile) + 1);
    }
    return QPoint(int(std::lround(std::clamp(A.Spalte(Punkt.x), -1e6, 1e6))), int(Zeile));
}

// Marks the listed point nearest to Stelle, if one lies near enough.
bool KdeW::Punkt_beringen(QPoint Stelle)
{
    int Naechster = -1;
    double Abstand = RINGABSTAND;
    for (int i = 0; i < int(Punkte.size()); ++i) {
        const QPoint Ort = Bildstelle(Punkte[i].Punkt);
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
    Markieren(Bildstelle(Punkte[Naechster].Punkt), false);
    return true;
}

// Puts the mark at Mitte. What it covered and what it covers now is all the
// window must paint again, which it does for that corner alone.
void KdeW::Markieren(QPoint Mitte, bool Kreuz)
{
    QRect Neu(0, 0, Ring::GROESSE, Ring::GROESSE);
    Neu.moveCenter(Mitte);
    Neu &= Kurvenfeld(Sicht());
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
    const QRect Feld = Kurvenfeld(Sicht());
    const int Spalte = Cursorspalte >= 0 ? Cursorspalte : Feld.center().x();
    if (Taste->modifiers() & Qt::ShiftModifier) {
        // From a marked point to its neighbour in the list, else from the
        // cursor's x to the nearest point on that side.
        const double x = Sicht().x_an(Spalte);
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
        const QPoint Ort = Bildstelle(Punkte[Ziel].Punkt);
        Cursorspalte = std::clamp(Ort.x(), Feld.left(), Feld.right());
        Markieren(Ort, false);
        Info->Zeiger_setzen(Zeigerzeilen(Punkte[Ziel].Punkt.x));
        return true;
    }
    Beringt = -1;
    Cursorspalte = std::clamp(Spalte + (Cursorspalte >= 0 ? Richtung : 0), Feld.left(), Feld.right());
    Markieren(QPoint(Cursorspalte, Cursorzeile(Sicht())), true);
    Zeiger_anzeigen();
    return true;
}
