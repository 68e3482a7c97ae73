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

#include "Ansicht.h"
#include "Formel_I.h"
#include "Formelliste.h"
#include "Formelverlauf.h"
#include "Kurvensatz.h"
#include "Zoomlauf.h"

#include <memory>
#include <optional>
#include <string>

class Diskussionsdienst;
class Infofeld;
class Ring;
class Schaubild;
struct Bildvorlage;
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
class QWheelEvent;

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

// The mode of a view, "Bogenmaß" or "Gradmaß", and its ranges: "x von -6.4
// bis 6.4, y von -6 bis 6".
QString Modusname(const Ansicht &A);
QString Bereichstext(const Ansicht &A);

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
    ~KdeW() override;

    void setBackground();

    // The start from the command line: a formula for the entry, the mode,
    // and the view that mode starts in.
    void Formel_vorgeben(const QString &Text);
    void Ansicht_waehlen(bool Bogenmass);
    void Ansicht_vorgeben(const Ansicht &A);
    // The view of the mode chosen now.
    const Ansicht &Sicht() const;

    // The graph below the controls, 850 x 650, as the window paints it for
    // the entry's formula and the view now shown.
    QImage Bild();
    // That picture for every format: also what draws it onto a vector
    // device, the formulas and the view.
    Bildvorlage Vorlage();

    // After a paint, what the compiles and the discussion of the drawn
    // formulas found, the discussion waited for; whether any of them has
    // faults, and where one was read otherwise than it most likely means,
    // one German note each.
    const Kurvensatz &Kurvenbefund();
    bool fehlerhaft() const;
    QStringList Hinweise() const;

public Q_SLOTS:
    void Zeichnen();
    void Loeschen();
    void LEdit1_returnPressed();
    void RButton(int ButtonNr);
    void Bild_speichern();
    void Bild_kopieren();
    void Bild_drucken();
    // The view: zoom about the plot's centre, back to the mode's start view,
    // and the y range fitted to the curves over the x range shown.
    void Vergroessern();
    void Verkleinern();
    void Anfangsansicht();
    void Einpassen();

protected:
    void paintEvent(QPaintEvent *Ereignis) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void leaveEvent(QEvent *) override;
    bool eventFilter(QObject *Objekt, QEvent *Ereignis) override;

private:
    Formelliste Formeln_lesen();
    void Formel_uebernehmen();
    void Bild_erneuern();
    void Anzeige_nachfuehren();
    void Diskussion_verlangen();
    void Diskussion_aufschieben();
    void Diskussion_erhalten(const Kurvensatz &Neu, const std::string &Text, const Ansicht &A);
    void Satz_setzen(Kurvensatz Neu, bool Vollstaendig);
    void Befund_zeigen();
    void Befund_anzeigen(const QList<Infoabsatz> &Liste);
    QList<Infoabsatz> Punkteliste() const;
    QString Punkttext(const Listenpunkt &p, int Stellen) const;
    QString Wert_x(double x, int Stellen) const;
    QString Wert_y(double y, int Stellen) const;
    void Zeiger_anzeigen();
    QList<Infoabsatz> Zeigerzeilen(double x);
    bool Punkt_beringen(QPoint Stelle);
    QPoint Bildstelle(const Kurvenpunkt &Punkt) const;
    void Markieren(QPoint Mitte, bool Kreuz);
    void Marke_verbergen();
    void Zeiger_weg();
    bool Kurventaste(const QKeyEvent *Taste);
    bool Schiebetaste(const QKeyEvent *Taste);
    void Bild_malen(QPainter &Maler, Schaubild &Ziel);
    void Vektorbild_malen(QPainter &Maler);
    QAction *Tastenaktion(const QString &Text, QKeySequence::StandardKey Taste);
    QAction *Tastenaktion(const QString &Text, const QList<QKeySequence> &Tasten);
    void Bildaktionen_anlegen();
    void Ansichtsaktionen_anlegen();
    bool Kopiertaste_abgeben(QEvent *Ereignis);
    bool Verlauf_blaettern(const QKeyEvent *Taste);
    void Zugang_einrichten();
    QString Kurvenbeschreibung(const QList<Infoabsatz> &Liste);
    void Zeigerform(QPoint Stelle);
    void Ansicht_setzen(const Ansicht &Neu, bool Bewegung);
    void Zoomen(QPoint Stelle, int Schritte_x, int Schritte_y);
    bool auf_der_Kurve(QPoint Stelle) const;

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
    QTimer *Ruhe; // the discussion once a moving view rests
    Formelverlauf Verlauf;
    QPoint Zeigerstelle { -1, -1 }; // none while the pointer is outside
    char Eingabe[sizeof Formelinterpreter.Formel] = {}; // the text last drawn, as the interpreter reads text
    bool abgeschnitten = false; // the entry held more than Eingabe took
    bool Satz_abgeschnitten = false; // and when Satz was found
    Kurvensatz Satz; // what the compiles and the discussion found of
    std::optional<std::string> Satz_Eingabe; // this text (none before the first paint)
    Ansicht Satz_Ansicht; // in this view,
    bool Satz_vollstaendig = false; // with the points, or waiting for them
    bool Ansicht_bewegt = false; // by the pointer or the keys since the last paint
    Diskussionsdienst *Dienst;
    std::unique_ptr<Mathe> Nebenrechner; // silent, for the window's own compiles
    std::unique_ptr<Schaubild> Zeichnung;
    Ansicht Ansichten[2] { Ansicht::Anfang(false), Ansicht::Anfang(true) }; // by mode, as RAD indexes
    Zoomlauf Zoom;
    QPoint Griff { -1, -1 }; // where the left button went down on the plot
    Ansicht Griffansicht; // the view then
    bool Ziehen = false; // the pointer has moved far enough to pan
    QList<QAction *> Menuepunkte; // of the plot's context menu
    Ring *Marke; // on a listed point, or at the keyboard's cursor
    QRect Ausschnitt; // where the mark was and is: the window paints it alone
    std::vector<Listenpunkt> Punkte; // all the points that Satz lists, by x
    int Beringt = -1; // the point of Punkte under the mark, or none
    int Cursorspalte = -1; // the keyboard's column on the plot, or none
};

#endif
