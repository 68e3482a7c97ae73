// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef KDEKURVANO_H
#define KDEKURVANO_H

#include <QKeySequence>
#include <QMainWindow>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QRgb>

#include <vector>

#include "Formel_I.h"
#include "Formelliste.h"
#include "Formelverlauf.h"
#include "Kurvensatz.h"

class Infofeld;
class Ring;
struct Infoabsatz;
class QAction;
class QButtonGroup;
class QGroupBox;
class QImage;
class QKeyEvent;
class QLineEdit;
class QPainter;
class QPushButton;
class QRadioButton;
class QString;
class QTimer;

const int BILD_BREITE = 850;
const int BILD_HOEHE = 700;

// Background of the window and of every picture.
const QRgb Hintergrundfarbe = qRgb(200, 200, 210);

// Text of a formula with faults, in the entry and in the info area.
const QRgb Fehlerfarbe = qRgb(200, 0, 0);

// A note in the info area where a sound formula was read by a rule rather
// than as written: a dark amber, not the faults' red.
const QRgb Hinweisfarbe = qRgb(150, 85, 0);

// The curves of the formulas in the entry, in the order written.
const QRgb Kurvenfarben[] = { qRgb(255, 255, 0), qRgb(0, 255, 255), qRgb(255, 0, 255), qRgb(255, 160, 0),
    qRgb(128, 255, 128), qRgb(255, 255, 255) };

// The mark of a point on the plot: a colour the picture has nowhere else.
const QRgb Ringfarbe = qRgb(255, 0, 0);

// A point that the info area lists: of curve Kurve (from 0), or where it
// meets curve Zweite.
struct Listenpunkt {
    Kurvenpunkt Punkt;
    int Kurve;
    int Zweite = -1;
};

// Shared by the window's handlers; all of them run on the GUI thread.
extern Mathe Formelinterpreter;
extern QPainter p;
extern QString ZahlStr;

// The graph window: formula entry, two push buttons, the angle-mode radio
// buttons, and the graph that paintEvent draws below them. A plain
// QMainWindow: KDE's main window would load KXmlGui with some forty more
// libraries and register on the session bus at every start, for session
// restore and settings the program does not have.
class KdeW : public QMainWindow
{
    Q_OBJECT

public:
    KdeW();

    void setBackground();

    // The start from the command line: a formula for the entry, and the view.
    void Formel_vorgeben(const QString &Text);
    void Ansicht_waehlen(bool Bogenmass);

    // The graph below the controls, 850 x 650, as the window paints it for
    // the entry's formula and the view now chosen.
    QImage Bild();

    // After a paint, what the compiles and the discussion of the drawn
    // formulas found, whether any of them has faults, and where one was read
    // otherwise than it most likely means, one German note each.
    const Kurvensatz &Kurvenbefund();
    bool fehlerhaft();
    QStringList Hinweise();

public Q_SLOTS:
    void Zeichnen();
    void Loeschen();
    void LEdit1_returnPressed();
    void RButton(int ButtonNr);
    void Bild_speichern();
    void Bild_kopieren();

protected:
    void paintEvent(QPaintEvent *Ereignis) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *) override;
    bool eventFilter(QObject *Objekt, QEvent *Ereignis) override;

private:
    Formelliste Formeln_lesen();
    void Formel_uebernehmen();
    void Bild_erneuern();
    void Anzeige_nachfuehren();
    void Befund_anzeigen(const QList<Infoabsatz> &Liste);
    QList<Infoabsatz> Punkteliste() const;
    QString Punkttext(const Listenpunkt &p, int Stellen) const;
    void Zeiger_anzeigen();
    QList<Infoabsatz> Zeigerzeilen(double x);
    bool Punkt_beringen(QPoint Stelle);
    void Markieren(QPoint Mitte, bool Kreuz);
    void Marke_verbergen();
    void Zeiger_weg();
    bool Kurventaste(const QKeyEvent *Taste);
    void Bild_malen();
    void Ausschnitt_malen(const QRect &Ausschnitt);
    void Bild_zeichnen(const Formelliste &Liste, int Von, int Bis);
    QAction *Tastenaktion(const QString &Text, QKeySequence::StandardKey Taste);
    void Bildaktionen_anlegen();
    bool Kopiertaste_abgeben(QEvent *Ereignis);
    bool Verlauf_blaettern(const QKeyEvent *Taste);
    void Zugang_einrichten();
    QString Kurvenbeschreibung(const QList<Infoabsatz> &Liste);

    static QRect Kurvenfeld(bool Bogenmass);
    static void Rechteck(int x, int y, int Breite, int Hoehe);
    static void Rahmen(int Links, int Breite);
    static void Bogenmass_Gitter();
    static void Bogenmass_Kurve(int Nr, int Von, int Bis);
    static void Gradmass_Gitter();
    static void Gradmass_Kurve(int Nr);

    QPixmap buffer;
    bool Hintergrund_neu = false;
    QLineEdit *LEdit1;
    QPushButton *ButtonZeichnen;
    QPushButton *ButtonLoeschen;
    QGroupBox *ButtonRahmen;
    QRadioButton *b1;
    QRadioButton *b2;
    QButtonGroup *ButtonGroup;
    Infofeld *Info;
    QWidget *Kurve; // the plot for a screen reader
    QTimer *Nachfuehrung; // Anzeige_nachfuehren once a paint is done
    Formelverlauf Verlauf;
    QPoint Zeigerstelle { -1, -1 }; // none while the pointer is outside
    char Eingabe[sizeof Formelinterpreter.Formel] = {}; // the text last drawn, as the interpreter reads text
    bool abgeschnitten = false; // the entry held more than Eingabe took
    Kurvensatz Satz; // what the compiles and the discussion of Eingabe found
    bool Satz_alt = true; // Eingabe was drawn since
    Ring *Marke; // on a listed point, or at the keyboard's cursor
    QRect Ausschnitt; // where the mark was and is: the window paints it alone
    std::vector<Listenpunkt> Punkte; // all the points that Satz lists, by x
    int Beringt = -1; // the point of Punkte under the mark, or none
    int Cursorspalte = -1; // the keyboard's column on the plot, or none
};

#endif
