// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef KDEKURVANO_H
#define KDEKURVANO_H

#include <QMainWindow>
#include <QPixmap>
#include <QRgb>

#include "Formel_I.h"

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPainter;
class QPushButton;
class QRadioButton;
class QString;

const int BILD_BREITE = 850;
const int BILD_HOEHE = 700;

// Background of the window and of every picture.
const QRgb Hintergrundfarbe = qRgb(200, 200, 210);

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

public Q_SLOTS:
    void Zeichnen();
    void Loeschen();
    void LEdit1_returnPressed();
    void RButton(int ButtonNr);

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Formel_uebernehmen();
    void Bild_erneuern();

    static void Rechteck(int x, int y, int Breite, int Hoehe);
    static void Rahmen(int Links, int Breite);
    static void Bogenmass_Gitter();
    static void Bogenmass_Kurve();
    static void Gradmass_Gitter();
    static void Gradmass_Kurve();

    QPixmap buffer;
    bool Hintergrund_neu = false;
    QLineEdit *LEdit1;
    QPushButton *ButtonZeichnen;
    QPushButton *ButtonLoeschen;
    QGroupBox *ButtonRahmen;
    QRadioButton *b1;
    QRadioButton *b2;
    QButtonGroup *ButtonGroup;
};

#endif
