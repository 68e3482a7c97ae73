// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Moving the view: the wheel zooms about the pointer, a drag pans, the keys
// zoom about the plot's centre, pan, go back to the start view and fit the
// y range to the curves; a right click on the plot offers them in a menu.

#include "Einpassung.h"
#include "KdeKurvano.h"
#include "Schaubild.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {
// Ctrl and the arrow keys pan by this part of the view.
const double SCHIEBEANTEIL = 0.1;

// How near to a pole, in parts of the x range, the fit leaves values out.
const double POLNAEHE = 0.02;
} // namespace

void KdeW::Ansichtsaktionen_anlegen()
{
    const auto anlegen = [this](const QString &Text, const auto &Taste, void (KdeW::*Slot)()) {
        QAction *Aktion = Tastenaktion(Text, Taste);
        connect(Aktion, &QAction::triggered, this, Slot);
        Menuepunkte << Aktion;
    };
    anlegen(QStringLiteral("Vergrößern"), QKeySequence::ZoomIn, &KdeW::Vergroessern);
    anlegen(QStringLiteral("Verkleinern"), QKeySequence::ZoomOut, &KdeW::Verkleinern);
    anlegen(QStringLiteral("Anfangsansicht"), QList<QKeySequence> { QKeySequence(Qt::CTRL | Qt::Key_0) },
        &KdeW::Anfangsansicht);
    anlegen(QStringLiteral("y-Bereich einpassen"), QList<QKeySequence> { QKeySequence(Qt::CTRL | Qt::Key_F) },
        &KdeW::Einpassen);
    // In the plot's menu the picture's actions follow below a line.
    QAction *Trenner = new QAction(this);
    Trenner->setSeparator(true);
    Menuepunkte << Trenner;
}

// Drawn at the next paint, not at once: moves of the pointer and steps of a
// wheel that come faster than pictures add up to one picture. A view moved
// by the pointer or the keys has its points discussed once it rests.
void KdeW::Ansicht_setzen(const Ansicht &Neu, bool Bewegung)
{
    if (Neu == Sicht()) {
        return;
    }
    Ansichten[Formelinterpreter.statusRAD()] = Neu;
    Ansicht_bewegt = Ansicht_bewegt || Bewegung;
    update(0, 50, BILD_BREITE, BILD_HOEHE);
}

void KdeW::Zoomen(QPoint Stelle, int Schritte_x, int Schritte_y)
{
    if (const std::optional<Ansicht> Neu = Zoom.zoomen(Sicht(), Stelle.x(), Stelle.y(), Schritte_x, Schritte_y)) {
        Ansicht_setzen(*Neu, true);
    }
}

void KdeW::Vergroessern()
{
    Zoomen(Kurvenfeld(Sicht()).center(), Zoomlauf::RASTE, Zoomlauf::RASTE);
}

void KdeW::Verkleinern()
{
    Zoomen(Kurvenfeld(Sicht()).center(), -Zoomlauf::RASTE, -Zoomlauf::RASTE);
}

void KdeW::Anfangsansicht()
{
    Ansicht_setzen(Ansicht::Anfang(Sicht().Bogenmass), false);
}

// The y range of the curves drawn over the x range shown, without what
// runs off to infinity at their poles.
void KdeW::Einpassen()
{
    const Kurvensatz &Befund = Kurvenbefund();
    const Ansicht &A = Sicht();
    std::vector<double> Stellen(A.Proben());
    A.Probenstellen(Stellen.data());
    std::vector<std::vector<double>> Werte;
    std::vector<double> Pole;
    for (int Nr = 0; Nr < int(Befund.Formeln.size()); ++Nr) {
        if (!Befund.Formeln[Nr].Fehler.empty()) {
            continue;
        }
        Formel_einsetzen(*Nebenrechner, Befund, Nr);
        Nebenrechner->setRAD(A.Bogenmass);
        Werte.emplace_back(Stellen.size());
        Nebenrechner->Formel_Berechnen(Stellen.data(), Werte.back().data(), int(Stellen.size()));
        for (const Kurvenpunkt &Punkt : Befund.Formeln[Nr].Punkte.Punkte) {
            if (Punkt.Art == Punktart::Polstelle) {
                Pole.push_back(Punkt.x);
            }
        }
    }
    const auto y = y_Bereich_einpassen(Stellen, Werte, Pole, POLNAEHE * (A.xBis - A.xVon));
    if (!y) {
        return;
    }
    Ansicht Neu = A;
    Neu.yVon = y->first;
    Neu.yBis = y->second;
    if (Neu.zulaessig()) {
        Ansicht_setzen(Neu, false);
    }
}

// A notch zooms both axes about the point under the pointer; with Shift
// only x, with Ctrl and Shift only y. Fine wheels send parts of a notch,
// which add up; a step that would pass the view's limits does nothing.
void KdeW::wheelEvent(QWheelEvent *event)
{
    const QPoint Stelle = event->position().toPoint();
    const QPoint Winkel = event->angleDelta();
    const int Schritte = Winkel.y() != 0 ? Winkel.y() : Winkel.x();
    if (!auf_der_Kurve(Stelle) || Schritte == 0) {
        event->ignore();
        return;
    }
    const Qt::KeyboardModifiers Tasten = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    const bool nur_x = Tasten == Qt::ShiftModifier;
    const bool nur_y = Tasten == (Qt::ShiftModifier | Qt::ControlModifier);
    Zoomen(Stelle, nur_y ? 0 : Schritte, nur_x ? 0 : Schritte);
    event->accept();
}

void KdeW::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && auf_der_Kurve(event->pos())) {
        Griff = event->pos();
        Griffansicht = Sicht();
        Ziehen = false;
    }
}

// Once the pointer has moved as far as a drag needs, the point grabbed
// follows it: a click never pans.
void KdeW::mouseMoveEvent(QMouseEvent *event)
{
    if (Griff.x() >= 0 && (event->buttons() & Qt::LeftButton)) {
        const QPoint Weg = event->pos() - Griff;
        if (!Ziehen && Weg.manhattanLength() >= QApplication::startDragDistance()) {
            Ziehen = true;
            setCursor(Qt::ClosedHandCursor);
        }
        if (Ziehen) {
            const Ansicht &A = Griffansicht;
            const double dx = -Weg.x() * (A.xBis - A.xVon) / A.Breite();
            const double dy = Weg.y() * (A.yBis - A.yVon) / Ansicht::HOEHE;
            if (const std::optional<Ansicht> Neu = A.verschoben(dx, dy)) {
                Ansicht_setzen(*Neu, true);
            }
        }
    }
    if (!Ziehen) {
        Zeigerform(event->pos());
    }
    // The mouse takes over from the keyboard's cursor.
    Cursorspalte = -1;
    Zeigerstelle = event->pos();
    Zeiger_anzeigen();
}

void KdeW::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    Griff = QPoint(-1, -1);
    if (Ziehen) {
        Ziehen = false;
        Zeigerform(event->pos());
    }
}

// An open hand over the plot, which a drag grabs, else the window's own.
void KdeW::Zeigerform(QPoint Stelle)
{
    if (auf_der_Kurve(Stelle)) {
        setCursor(Qt::OpenHandCursor);
    } else {
        unsetCursor();
    }
}

void KdeW::contextMenuEvent(QContextMenuEvent *event)
{
    if (!auf_der_Kurve(event->pos())) {
        return;
    }
    QMenu Menue(this);
    Menue.addActions(Menuepunkte);
    Menue.exec(event->globalPos());
}

// With the keyboard on the plot, Ctrl and the arrow keys pan by a tenth of
// the view.
bool KdeW::Schiebetaste(const QKeyEvent *Taste)
{
    if (!(Taste->modifiers() & Qt::ControlModifier)) {
        return false;
    }
    const Ansicht &A = Sicht();
    const double Breite = (A.xBis - A.xVon) * SCHIEBEANTEIL;
    const double Hoehe = (A.yBis - A.yVon) * SCHIEBEANTEIL;
    std::optional<Ansicht> Neu;
    switch (Taste->key()) {
    case Qt::Key_Left:
        Neu = A.verschoben(-Breite, 0);
        break;
    case Qt::Key_Right:
        Neu = A.verschoben(Breite, 0);
        break;
    case Qt::Key_Up:
        Neu = A.verschoben(0, Hoehe);
        break;
    case Qt::Key_Down:
        Neu = A.verschoben(0, -Hoehe);
        break;
    default:
        return false;
    }
    if (Neu) {
        Ansicht_setzen(*Neu, true);
    }
    return true;
}
